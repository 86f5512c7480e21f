#pragma once

// The Promote dialog: turns the shown stand-alone project into a family whose
// first member is the project, then shows the family in the same left tab.

#include <memory>
#include <string>

#include "app/project/new_project_context.h"

namespace Scribenta {

inline constexpr const char* kPromoteDialog = "App/Promote Dialog";

// The inputs the confirmation carries to the promotion itself.
struct PromoteRequest {
    std::string site_file;
    std::string project_config;
    std::string member_slug;
    std::string label;
};

class PromoteDialog : public std::enable_shared_from_this<PromoteDialog> {
public:
    explicit PromoteDialog(NewProjectContext context);

    void open_promote_dialog();
    void on_promote_confirm();
    void on_promote_confirmed(const PromoteRequest& request);

private:
    bool qualifies() const;

    NewProjectContext c_;
};

// Registers the Promote button and the dialog's Promote button.
std::shared_ptr<PromoteDialog> wire_promotion(const NewProjectContext& context);

}  // namespace Scribenta
