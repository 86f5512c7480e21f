#pragma once

// The configuration model: every operation and record for reading, checking
// and rewriting site configs, project configs, build manifests, built-version
// records and home-section fragments. No Qt; errors are values.

#include "config/bounded_json.h"
#include "config/build_manifest.h"
#include "config/built_records.h"
#include "config/config_paths.h"
#include "config/format_check.h"
#include "config/home_sections.h"
#include "config/json_file.h"
#include "config/list_append.h"
#include "config/list_edit.h"
#include "config/list_remove.h"
#include "config/new_site.h"
#include "config/project_families.h"
#include "config/project_files.h"
#include "config/projects.h"
#include "config/safe_write.h"
#include "config/slugs.h"
#include "config/versions.h"
