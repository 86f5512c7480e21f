#pragma once

// Helpers shared by the library's own files; not part of the public API.

#include <unordered_map>
#include <vector>

namespace Layers {

class LAttribute;
class LObject;
class LStyle;

// True when following bound links from `start` reaches `owner`.
bool link_chain_reaches(const LAttribute* start, const LAttribute* owner);
// True when following bases from `start` reaches `style`.
bool base_chain_reaches(const LStyle* start, const LStyle* style);
// True when `candidate` is `style` or one of its enclosing styles.
bool is_self_or_enclosing(const LStyle* style, const LStyle* candidate);

// Copies made while merging, so bases that pointed into the incoming style
// can be moved onto the copies before the incoming style is freed.
struct CopyRecord {
    std::unordered_map<const LStyle*, LStyle*> counterpart;
    std::vector<LStyle*> clones;
};
void clone_style_recorded(LStyle* source, LStyle* parent, CopyRecord* record);

}  // namespace Layers
