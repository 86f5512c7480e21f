#pragma once

// Limits that keep a hostile layer file from exhausting the stack or memory
// while its styles are built. A member past a limit is reported on one line
// and skipped; the rest of the file, and every other file, still loads.

#include <cstddef>
#include <set>
#include <string>

namespace Layers {

// Levels of styles and attribute variants below a top-level style, "/" steps
// of a key included.
constexpr int kMaxNesting = 256;
// Names one member key may stand for, and groups expanded on the way to one.
constexpr std::size_t kMaxKeyAlternatives = 4096;
constexpr int kMaxKeyGroups = 256;
// Styles and attributes one file may make before key alternatives that would
// copy a member many times are refused. Far above any real layer file;
// members without alternatives always load, as they cost no more than their
// own text.
constexpr std::size_t kMaxBuiltObjects = 262144;

// One level of a style or attribute under construction from JSON on this
// thread: counts its depth and the object against the current file's budget.
class BuildLevel {
public:
    BuildLevel();
    ~BuildLevel();
    BuildLevel(const BuildLevel&) = delete;
    BuildLevel& operator=(const BuildLevel&) = delete;

    // Whether a style or attribute made below the current level would lie
    // deeper than kMaxNesting.
    static bool next_too_deep();
};

// The budget of one layer file. The loader opens one per file; a style
// built outside any (a top-level construction of its own) opens its own.
class FileBuildScope {
public:
    FileBuildScope();
    ~FileBuildScope();
    FileBuildScope(const FileBuildScope&) = delete;
    FileBuildScope& operator=(const FileBuildScope&) = delete;

    static bool active();

private:
    friend class BuildLevel;
    friend bool fits_build_budget(std::size_t);
    std::size_t built_ = 0;
    FileBuildScope* previous_ = nullptr;
};

// Links in a chain of bases, and styles whose bases are resolved one inside
// another's resolution.
constexpr std::size_t kMaxBaseChain = 1024;
constexpr int kMaxResolveDepth = 1024;

// Styles and attributes that applying bases and merging may copy in one
// mount: bases of bases copied into several children each double what they
// copy, so a small file could otherwise ask for billions. The shipped styles
// copy under 20,000; a copy costs about a microsecond and a few hundred
// bytes, so a mount that spends the budget stays well under a second.
constexpr std::size_t kMaxCopiedObjects = std::size_t{1} << 18;

// The copy budget of one mount, and the lines it printed once; without one,
// copies are not counted.
class CopyScope {
public:
    CopyScope();
    ~CopyScope();
    CopyScope(const CopyScope&) = delete;
    CopyScope& operator=(const CopyScope&) = delete;

private:
    friend bool take_copy();
    friend bool copies_spent();
    friend void report_once(const std::string&);
    std::size_t copied_ = 0;
    std::set<std::string> reported_;
    CopyScope* previous_ = nullptr;
};

// Prints `line` on standard error once per mount (every time outside one).
void report_once(const std::string& line);

// Counts one copied style or attribute. False once the mount's budget is
// spent: the copy is then left out, and the first refusal prints one line.
bool take_copy();
bool copies_spent();

// Whether `objects` more styles and attributes fit the current file's budget.
bool fits_build_budget(std::size_t objects);

// The key as a message shows it: at most 64 bytes, then "...".
std::string key_for_message(const std::string& key);

}  // namespace Layers
