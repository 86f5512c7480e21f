#pragma once

// The actions of the dependency cards, fact rows and download cards: open a
// card's web address, or remove an entry after a confirmation. The three
// lists share one body and differ only in the texts and keys of ListSpec.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/project/panel_context.h"
#include "app/project/project_state.h"

namespace Scribenta {

struct ListSpec {
    const char* list;           // row list key, e.g. "depCards"
    const char* row_prefix;     // row id = prefix + decimal index
    const char* array_key;      // the configuration's array
    const char* default_name;   // asked about when the entry has no name
    const char* confirm_title;  // title of the removal question
    std::string (*question)(const std::string& name);
    bool opens_address;  // "activate" opens the entry's url
};

const ListSpec& dependency_list();
const ListSpec& fact_list();
const ListSpec& download_list();

// The index in `row` when it is `prefix` followed by decimal digits only.
std::optional<std::size_t> row_index(const std::string& row, const std::string& prefix);

// Only web addresses are handed to the browser: "http://" or "https://" at
// the start, the scheme in any letter case.
bool is_web_address(const std::string& url);

// remove_list_item_confirmed: writes pending edits, removes the element from
// the configuration open at this moment and, when that worked, reloads.
struct RemoveListItemConfirmed {
    FlushEdits flush_edits;
    std::shared_ptr<const EditState> edits;
    ReloadKeepingText reload;
    const char* array_key = nullptr;
    std::size_t index = 0;
    std::uint64_t drawn = 0;  // the form's drawing the entry was chosen in
    void operator()() const;
};

// on_dep_card_action, on_fact_row_action, on_download_card_action. Exactly
// one of `cards` (dependencies, downloads) and `labels` (facts) is set: the
// rows of the rendering on screen, which row ids index.
struct ListRowAction {
    ProjectPanelContext ctx;
    const ListSpec* spec = nullptr;
    std::shared_ptr<const std::vector<DepRow>> cards;
    std::shared_ptr<const std::vector<std::string>> labels;
    void operator()(const std::string& list, const std::string& row,
                    const std::string& action) const;
};

}  // namespace Scribenta
