#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace Layers {

struct Registry;
class LStyle;

// Ordered element by element, so "a/z.json" comes before "a.json".
using FileTextMap = std::map<std::filesystem::path, std::string>;
using ParsedFileMap = std::map<std::filesystem::path, nlohmann::ordered_json>;
// The styles one mount built from top-level members, in build order.
using NewStyleSet = std::vector<LStyle*>;

void load_directory(Registry& registry, const std::string& directory,
                    const std::string& mount_name);
FileTextMap read_json_tree(const std::filesystem::path& directory);
std::string load_json_file(const std::filesystem::path& path);
// Drops spaces, CR and LF outside strings.
std::string strip_json_blanks(const std::string& text);
ParsedFileMap parse_json_files(const FileTextMap& files);
void mount_files(Registry& registry, const std::filesystem::path& directory,
                 const FileTextMap& files, const std::string& mount_name);
NewStyleSet build_file_styles(Registry& registry, const ParsedFileMap& files, LStyle* mount);

}  // namespace Layers
