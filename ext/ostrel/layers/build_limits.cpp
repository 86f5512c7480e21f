#include "ext/ostrel/layers/build_limits.h"

#include "ext/ostrel/layers/diagnostics.h"

namespace Layers {

namespace {

thread_local int t_depth = 0;
thread_local FileBuildScope* t_scope = nullptr;
thread_local CopyScope* t_copies = nullptr;

}  // namespace

BuildLevel::BuildLevel() {
    ++t_depth;
    if (t_scope) ++t_scope->built_;
}

BuildLevel::~BuildLevel() {
    --t_depth;
}

bool BuildLevel::next_too_deep() {
    return t_depth >= kMaxNesting;
}

FileBuildScope::FileBuildScope() : previous_(t_scope) {
    t_scope = this;
}

FileBuildScope::~FileBuildScope() {
    t_scope = previous_;
}

bool FileBuildScope::active() {
    return t_scope != nullptr;
}

bool fits_build_budget(std::size_t objects) {
    if (!t_scope) return true;
    return t_scope->built_ <= kMaxBuiltObjects && objects <= kMaxBuiltObjects - t_scope->built_;
}

CopyScope::CopyScope() : previous_(t_copies) {
    t_copies = this;
}

CopyScope::~CopyScope() {
    t_copies = previous_;
}

void report_once(const std::string& line) {
    if (t_copies && !t_copies->reported_.insert(line).second) return;
    report_line(line);
}

bool take_copy() {
    if (!t_copies) return true;
    if (t_copies->copied_ < kMaxCopiedObjects) {
        ++t_copies->copied_;
        return true;
    }
    report_once("Layers: stopped copying base styles after " + std::to_string(kMaxCopiedObjects) +
                " styles and attributes; further copies are left out");
    return false;
}

bool copies_spent() {
    return t_copies && t_copies->copied_ >= kMaxCopiedObjects;
}

std::string key_for_message(const std::string& key) {
    constexpr std::size_t kShown = 64;
    return key.size() <= kShown ? key : key.substr(0, kShown) + "...";
}

}  // namespace Layers
