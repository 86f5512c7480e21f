#pragma once

#include <filesystem>
#include <string>

#include <nlohmann/json.hpp>

#include "temp_dir.h"

// A file's document in compact form, key order as written, so a test can
// state a whole rewritten file on one line.
inline std::string compact(const std::filesystem::path& file) {
    return nlohmann::ordered_json::parse(TempDir::read(file)).dump();
}
