#include "app/close_window.h"

#include "app/open_configs.h"
#include "ext/ostrel/engine/oapp.h"

namespace Scribenta {

bool CloseWindowRequest::operator()() const {
    const EditState& edits = *flush_edits.edits;
    const bool told_already = told->has_value() && **told == edits.generation;
    if (!told_already && !flush_edits.flush_saved_all()) {
        *told = edits.generation;
        return false;
    }
    return configs->confirm_close_window([app = app] {
        if (app->close_window_service) app->close_window_service();
    });
}

}  // namespace Scribenta
