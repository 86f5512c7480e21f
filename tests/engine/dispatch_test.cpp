#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {
namespace {

// Records every handler call as one line.
struct Dispatch : testing::Test {
    OApp app;
    std::vector<std::string> calls;

    TextHandler record(const std::string& what) {
        return [this, what](const std::string& arg) { calls.push_back(what + "(" + arg + ")"); };
    }
    ClickHandler record_click(const std::string& what) {
        return [this, what] { calls.push_back(what); };
    }
    RowActionHandler record_row(const std::string& what) {
        return [this, what](const std::string& list, const std::string& row,
                            const std::string& action) {
            calls.push_back(what + "(" + list + "," + row + "," + action + ")");
        };
    }
};

TEST_F(Dispatch, InputAlwaysStoresThenRunsTheChangeHandler) {
    app.on_change("App/E", [this](const std::string& text) {
        calls.push_back("change(" + text + ") value=" + app.value("App/E"));
    });
    app.dispatch_event("App/E", "input:abc");
    app.dispatch_event("App/E", "input:abc");
    app.dispatch_event("App/E", "input:");
    app.dispatch_event("App/Plain", "input:x:y");
    EXPECT_EQ(calls, (std::vector<std::string>{"change(abc) value=abc", "change(abc) value=abc",
                                               "change() value="}));
    EXPECT_EQ(app.values.at("App/E"), "");
    EXPECT_EQ(app.values.at("App/Plain"), "x:y");
}

TEST_F(Dispatch, ScanEvents) {
    app.scan_handlers["App/S"] = record("scan");
    app.on_scan_status = [this](const std::string& path, const std::string& status) {
        calls.push_back("status(" + path + "," + status + ")");
    };
    app.dispatch_event("App/S", "scan:code");
    app.dispatch_event("App/S", "scanstatus:ready");
    app.dispatch_event("App/Other", "scan:ignored");
    EXPECT_EQ(calls, (std::vector<std::string>{"scan(code)", "status(App/S,ready)"}));
}

TEST_F(Dispatch, SelectOnlyOnAChangedValidValue) {
    app.options["App/C"] = {{"v", "Vee"}, {"w", "Double"}};
    app.on_select("App/C", record("select"));
    app.dispatch_event("App/C", "select:Vee");  // a label, not a value
    EXPECT_TRUE(app.selection.empty());
    app.dispatch_event("App/C", "select:v");  // never selected before
    app.dispatch_event("App/C", "select:v");
    app.dispatch_event("App/C", "select:w");
    app.dispatch_event("App/C", "select:");
    EXPECT_EQ(calls, (std::vector<std::string>{"select(v)", "select(w)"}));
    EXPECT_EQ(app.selection.at("App/C"), "w");

    app.options["App/Empty"] = {};
    app.on_select("App/Empty", record("never"));
    app.dispatch_event("App/Empty", "select:");
    app.dispatch_event("App/NoOptions", "select:v");
    EXPECT_EQ(calls.size(), 2u);
    EXPECT_EQ(app.selection.count("App/Empty") + app.selection.count("App/NoOptions"), 0u);
}

TEST_F(Dispatch, OnlyAnExactClickCounts) {
    app.on_click("App/B", record_click("click"));
    for (const char* event : {"Click", "click ", "clicks", "CLICK", " click", "cli"}) {
        app.dispatch_event("App/B", event);
    }
    EXPECT_TRUE(calls.empty());
    app.dispatch_event("App/B", "click");
    EXPECT_EQ(calls, (std::vector<std::string>{"click"}));
}

TEST_F(Dispatch, CheckBoxTogglesBeforeItsHandler) {
    app.check_boxes.insert("App/Wrap");
    app.on_click("App/Wrap",
                 [this] { calls.push_back(app.is_checked("App/Wrap") ? "checked" : "unchecked"); });
    app.dispatch_event("App/Wrap", "click");
    app.dispatch_event("App/Wrap", "click");
    EXPECT_EQ(calls, (std::vector<std::string>{"checked", "unchecked"}));

    app.dispatch_event("App/NotABox", "click");  // not a check box: no state entry
    EXPECT_EQ(app.node_states.count("App/NotABox"), 0u);
}

TEST_F(Dispatch, RowTargetsGoToTheListHandlerOrTheDefault) {
    app.row_targets["App/List/r1/Remove"] = {"facts", "r1", "remove"};
    app.row_targets["App/Add"] = {"facts", "", "add"};
    app.row_targets["App/Other"] = {"themeSources", "dir:/x", "remove"};
    app.row_targets["App/Muted"] = {"muted", "r", "go"};
    app.on_row_action("facts", record_row("facts"));
    app.on_row_action("muted", RowActionHandler());  // an empty entry blocks the default
    app.default_row_action = record_row("default");
    for (const char* path : {"App/List/r1/Remove", "App/Add", "App/Other", "App/Muted"}) {
        app.on_click(path, record_click("click handler"));
        app.check_boxes.insert(path);
        app.dispatch_event(path, "click");
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"facts(facts,r1,remove)", "facts(facts,,add)",
                                               "default(themeSources,dir:/x,remove)"}));
    EXPECT_TRUE(app.node_states.empty());  // no check box toggled
}

TEST_F(Dispatch, ThemeRowClickRunsNoOtherStep) {
    app.theme_rows["App/Themes/Dark (x)"] = "Dark (x)";
    app.row_targets["App/Themes/Dark (x)"] = {"themes", "", "pick"};
    app.default_row_action = record_row("default");
    app.check_boxes.insert("App/Themes/Dark (x)");
    app.on_click("App/Themes/Dark (x)", record_click("click"));
    app.dispatch_event("App/Themes/Dark (x)", "click");
    EXPECT_TRUE(calls.empty());
    EXPECT_TRUE(app.node_states.empty());
}

TEST_F(Dispatch, UnknownEventsAndPathsChangeNothing) {
    app.dispatch_event("App/X", "hover");
    app.dispatch_event("App/X", "");
    app.dispatch_event("App/X", "click");
    app.dispatch_event("App/X", "inpu:t");
    EXPECT_TRUE(app.values.empty() && app.selection.empty() && app.node_states.empty());
}

TEST_F(Dispatch, EmptyHandlersAreSkipped) {
    app.on_click("App/B", ClickHandler());
    app.on_change("App/E", TextHandler());
    app.options["App/C"] = {{"v", "V"}};
    app.on_select("App/C", TextHandler());
    app.scan_handlers["App/S"] = TextHandler();
    EXPECT_NO_THROW({
        app.dispatch_event("App/B", "click");
        app.dispatch_event("App/E", "input:x");
        app.dispatch_event("App/C", "select:v");
        app.dispatch_event("App/S", "scan:x");
        app.dispatch_event("App/S", "scanstatus:x");
    });
    EXPECT_EQ(app.values.at("App/E"), "x");
    EXPECT_EQ(app.selection.at("App/C"), "v");
}

TEST_F(Dispatch, HandlersMayReplaceOrRemoveThemselvesWhileRunning) {
    const std::string tail(64, 'x');  // captured state that outlives no copy
    app.on_click("App/B", [this, tail] {
        app.on_click("App/B", record_click("replacement"));
        calls.push_back("first" + tail.substr(0, 0));
    });
    app.on_change("App/E", [this, tail](const std::string& text) {
        app.change_handlers.erase("App/E");
        calls.push_back("change(" + text + ")" + tail.substr(0, 0));
    });
    app.options["App/C"] = {{"v", "V"}};
    app.on_select("App/C", [this, tail](const std::string& v) {
        app.select_handlers.clear();
        calls.push_back("select(" + v + ")" + tail.substr(0, 0));
    });
    app.on_row_action("rows", [this, tail](auto& list, auto&, auto&) {
        app.on_row_action("rows", RowActionHandler());
        calls.push_back("row(" + list + ")" + tail.substr(0, 0));
    });
    app.row_targets["App/R"] = {"rows", "", "go"};

    app.dispatch_event("App/B", "click");
    app.dispatch_event("App/B", "click");
    app.dispatch_event("App/E", "input:t");
    app.dispatch_event("App/E", "input:u");
    app.dispatch_event("App/C", "select:v");
    app.dispatch_event("App/R", "click");
    app.dispatch_event("App/R", "click");
    EXPECT_EQ(calls, (std::vector<std::string>{"first", "replacement", "change(t)", "select(v)",
                                               "row(rows)"}));
}

}  // namespace
}  // namespace Ostrel
