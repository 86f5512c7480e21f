#include "ext/ostrel/runtime/window_tabs.h"

#include <gtest/gtest.h>

namespace {

using Ostrel::OApp;
using Ostrel::WindowTabs;
using Paths = std::set<std::string>;

const std::string kHome = "W/Tabs/Home";
const std::string kLeftA = "W/Left/config-1";
const std::string kLeftB = "W/Left/config-2";

// The home tab and two left tabs sharing one page, home selected.
struct Tabs : testing::Test {
    OApp app;
    std::shared_ptr<WindowTabs> tabs = std::make_shared<WindowTabs>(&app);

    void SetUp() override {
        tabs->add(kHome, "W/Home Pane", "Selected");
        tabs->add(kLeftA, "W/Config Pane", "Active");
        tabs->add(kLeftB, "W/Config Pane", "Active");
        tabs->select(kHome);
    }
    Paths marked(const std::string& word) const {
        Paths paths;
        for (const auto& [path, words] : app.node_states) {
            if (words.count(word)) paths.insert(path);
        }
        return paths;
    }
};

TEST_F(Tabs, SelectMovesTheWordAndShowsOnlyThePage) {
    EXPECT_EQ(app.hidden, Paths{"W/Config Pane"});
    EXPECT_EQ(marked("Selected"), Paths{kHome});
    tabs->select(kLeftA);
    EXPECT_EQ(app.hidden, Paths{"W/Home Pane"});
    EXPECT_EQ(marked("Selected"), Paths{});
    EXPECT_EQ(marked("Active"), Paths{kLeftA});
    EXPECT_EQ(tabs->current, kLeftA);
    EXPECT_EQ(tabs->previous, kHome);
    // Two tabs sharing the page: the page stays, the word moves.
    tabs->select(kLeftB);
    EXPECT_EQ(app.hidden, Paths{"W/Home Pane"});
    EXPECT_EQ(marked("Active"), Paths{kLeftB});
    EXPECT_EQ(tabs->previous, kLeftA);
}

TEST_F(Tabs, SelectingTheCurrentOrAnUnknownKeyChangesNothing) {
    tabs->select(kLeftA);
    for (const std::string& key : {kLeftA, std::string("W/Nowhere")}) {
        tabs->select(key);
        EXPECT_EQ(tabs->current, kLeftA);
        EXPECT_EQ(tabs->previous, kHome);
        EXPECT_EQ(app.hidden, Paths{"W/Home Pane"});
        EXPECT_EQ(marked("Active"), Paths{kLeftA});
    }
}

TEST_F(Tabs, AddingAnExistingKeyReplacesPageAndWordOnly) {
    tabs->add(kHome, "W/Other Pane", "Checked");
    ASSERT_NE(tabs->find(kHome), nullptr);
    EXPECT_EQ(tabs->find(kHome)->page, "W/Other Pane");
    EXPECT_EQ(tabs->find(kHome)->state_word, "Checked");
    EXPECT_EQ(tabs->tabs.size(), 3u);
    EXPECT_EQ(tabs->tabs.front().key, kHome);  // keeps its place
    EXPECT_EQ(app.hidden, Paths{"W/Config Pane"});
    EXPECT_EQ(marked("Selected"), Paths{kHome});
    EXPECT_EQ(tabs->find("W/Nowhere"), nullptr);
}

TEST_F(Tabs, Removing) {
    struct Case {
        std::string name;
        std::string select;
        std::string remove;
        bool was_current;
        std::string current;
        Paths hidden;
        Paths active;
    };
    const std::vector<Case> cases = {
        {"the current left tab", kLeftA, kLeftA, true, "", {"W/Home Pane", "W/Config Pane"}, {}},
        {"a left tab while another is current",
         kLeftB,
         kLeftA,
         false,
         kLeftB,
         {"W/Home Pane"},
         {kLeftB}},
        {"a left tab while home is current", kHome, kLeftA, false, kHome, {"W/Config Pane"}, {}},
        {"an unknown key", kLeftA, "W/Nowhere", false, kLeftA, {"W/Home Pane"}, {kLeftA}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TearDown();
        app.hidden.clear();
        app.node_states.clear();
        tabs = std::make_shared<WindowTabs>(&app);
        SetUp();
        tabs->select(c.select);
        const std::string previous = tabs->previous;
        EXPECT_EQ(tabs->remove(c.remove), c.was_current);
        EXPECT_EQ(tabs->current, c.current);
        EXPECT_EQ(tabs->previous, previous);
        EXPECT_EQ(app.hidden, c.hidden);
        EXPECT_EQ(marked("Active"), c.active);
        EXPECT_EQ(tabs->find(c.remove), nullptr);
    }
}

}  // namespace
