#pragma once

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "temp_dir.h"

inline nlohmann::ordered_json parsed(const std::string& text) {
    return nlohmann::ordered_json::parse(text);
}

// The written form of a config file holding `text`.
inline std::string written_form(const std::string& text) {
    return parsed(text).dump(2) + "\n";
}

// Result of an operation run in a child process: its bool and its error text.
struct ChildResult {
    bool ok = false;
    std::string error;
};

// Runs `op` in a child whose file-size limit stops any file from growing past
// `limit` bytes, so writes of larger files fail even for root while smaller
// ones go through. The child's changes on disk stay for the test to inspect.
inline ChildResult run_with_size_limit(rlim_t limit, const std::function<bool(std::string*)>& op) {
    int fds[2];
    if (pipe(fds) != 0) return {false, "pipe failed"};
    pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        std::string error;
        bool ok = op(&error);
        if (write(fds[1], error.data(), error.size()) < 0) _exit(2);
        _exit(ok ? 0 : 1);
    }
    close(fds[1]);
    ChildResult result;
    char buffer[256];
    ssize_t n;
    while ((n = read(fds[0], buffer, sizeof buffer)) > 0) result.error.append(buffer, n);
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// Every entry below `root` by relative path: a file's text, or "<dir>" for a
// folder, so a test can see that nothing at all changed.
inline std::map<std::string, std::string> tree_of(const std::filesystem::path& root) {
    std::map<std::string, std::string> tree;
    for (auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        const std::string rel = entry.path().lexically_relative(root).generic_string();
        tree[rel] = entry.is_directory() ? "<dir>" : TempDir::read(entry.path());
    }
    return tree;
}

// A site folder with a site config and project configs written as given.
class SiteFixture : public TempDir {
public:
    explicit SiteFixture(const std::string& site_text) { write(".scribenta-site", site_text); }

    std::filesystem::path site_config() const { return path() / ".scribenta-site"; }

    std::filesystem::path project(const std::string& folder, const std::string& text,
                                  const std::string& file = ".scribenta-project") const {
        return write("projects/" + folder + "/" + file, text);
    }

    std::string site_text() const { return read(site_config()); }
    std::map<std::string, std::string> tree() const { return tree_of(path()); }
};
