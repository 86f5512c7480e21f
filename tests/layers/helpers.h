#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "ext/ostrel/layers/layers.h"

namespace layers_test {

using Json = nlohmann::ordered_json;

inline Layers::LStyle* add_style(Layers::LObject* parent, const std::string& name,
                                 const Json& value = Json()) {
    auto style = std::make_unique<Layers::LStyle>(name, value, std::filesystem::path());
    auto* raw = style.get();
    parent->add_child(std::move(style));
    return raw;
}

inline Layers::LAttribute* add_attribute(Layers::LObject* parent, const std::string& name,
                                         const Json& value) {
    auto attribute = std::make_unique<Layers::LAttribute>(name, value);
    auto* raw = attribute.get();
    parent->add_child(std::move(attribute));
    return raw;
}

// The style at `path` in the process-wide registry, or null.
inline Layers::LStyle* style_at(const std::string& path) {
    return dynamic_cast<Layers::LStyle*>(Layers::find(Layers::registry(), path));
}

// Children as "name" for styles and "@name" for attributes, in order.
inline std::vector<std::string> child_names(const Layers::LObject* object) {
    std::vector<std::string> names;
    for (auto& child : object->children()) {
        bool is_attribute = dynamic_cast<Layers::LAttribute*>(child.get()) != nullptr;
        names.push_back((is_attribute ? "@" : "") + child->name());
    }
    return names;
}

inline Layers::LValue text(const char* value) {
    return Layers::LValue(std::string(value));
}

// A fresh directory removed at the end of the test.
class TempDir {
public:
    explicit TempDir(const std::string& tag) {
        path_ = std::filesystem::temp_directory_path() /
                ("layers-test-" + tag + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempDir() { std::filesystem::remove_all(path_); }
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path write(const std::string& relative, const std::string& content) const {
        auto file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
        return file;
    }

private:
    std::filesystem::path path_;
};

}  // namespace layers_test
