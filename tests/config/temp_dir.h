#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <unistd.h>

// A fresh folder per test, removed afterwards, with small file helpers.
class TempDir {
public:
    TempDir() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "scribenta-test-XXXXXX").string();
        root_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(root_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return root_; }
    std::filesystem::path operator/(const std::string& rel) const { return root_ / rel; }

    std::filesystem::path write(const std::string& rel, const std::string& text) const {
        auto file = root_ / rel;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
        return file;
    }

    static std::string read(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream out;
        out << in.rdbuf();
        return out.str();
    }

    // Every entry of the folder, so a test can see that nothing was left behind.
    std::size_t entry_count() const {
        std::size_t n = 0;
        for ([[maybe_unused]] auto& e : std::filesystem::recursive_directory_iterator(root_)) ++n;
        return n;
    }

private:
    std::filesystem::path root_;
};
