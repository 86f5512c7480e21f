#include "app/set_items.h"

#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

void SelectSetItem::operator()() const {
    flush_edits();
    *index = item;
    app->select_option(combo_path, std::to_string(item));
    ReloadKeepingText{shell, keep}();
}

}  // namespace Scribenta
