#pragma once

// The configuration model: every operation and record for reading, checking
// and rewriting site configs, project configs, build manifests, built-version
// records and home-section fragments. No Qt; errors are values.

#include "config/config_paths.h"
#include "config/format_check.h"
#include "config/json_file.h"
#include "config/project_families.h"
#include "config/project_files.h"
#include "config/projects.h"
#include "config/safe_write.h"
#include "config/slugs.h"
