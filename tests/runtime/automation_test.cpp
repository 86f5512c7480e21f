#include "ext/ostrel/runtime/automation.h"

#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QWidget>
#include <cstdlib>

#include "ext/ostrel/runtime/env_number.h"
#include "tests/runtime/service_fixture.h"

namespace runtime_test {
namespace {

using Ostrel::parse_automation_step;

TEST(EnvNumbers, LeadingIntegers) {
    const std::vector<std::pair<std::string, std::optional<int>>> cases = {
        {"1200", 1200},
        {"200px", 200},
        {"-5", -5},
        {"+7", 7},
        {"0", 0},
        {"abc", {}},
        {"", {}},
        {" 12", {}},
        {"99999999999", {}},
        {"-99999999999", {}},
        {"2147483647", 2147483647},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(Ostrel::leading_int(text), expected) << "'" << text << "'";
    }
}

TEST(EnvNumbers, UnsetOrBadValuesTakeTheFallback) {
    ::unsetenv("OSTREL_TEST_NUMBER");
    EXPECT_EQ(Ostrel::env_int("OSTREL_TEST_NUMBER", 1000), 1000);
    const std::vector<std::pair<std::string, int>> cases = {
        {"640", 640}, {"0", 0}, {"wide", 1000}, {"", 1000}, {"1e99", 1}, {"4294967296", 1000}};
    for (const auto& [text, expected] : cases) {
        ::setenv("OSTREL_TEST_NUMBER", text.c_str(), 1);
        EXPECT_EQ(Ostrel::env_int("OSTREL_TEST_NUMBER", 1000), expected) << text;
    }
    ::unsetenv("OSTREL_TEST_NUMBER");
}

TEST(AutomationConfig, DefaultsAndDelays) {
    struct Case {
        const char* click;  // null: unset
        const char* delay;  // OSTREL_SHOT_DELAY and OSTREL_CLICK_DELAY; null: unset
        Strings steps;
        int shot_delay;
        int click_delay;
    };
    const std::vector<Case> cases = {
        {nullptr, nullptr, {"Toggle"}, 200, 1}, {",,,", "0", {}, 200, 1},
        {"A,,B=x", "-5", {"A", "B=x"}, 200, 1}, {"A", "350", {"A"}, 350, 350},
        {"A", "soon", {"A"}, 200, 1},
    };
    for (const Case& c : cases) {
        c.click ? ::setenv("OSTREL_CLICK", c.click, 1) : ::unsetenv("OSTREL_CLICK");
        for (const char* name : {"OSTREL_SHOT_DELAY", "OSTREL_CLICK_DELAY"}) {
            c.delay ? ::setenv(name, c.delay, 1) : ::unsetenv(name);
        }
        const Ostrel::AutomationConfig config = Ostrel::automation_config_from_env();
        EXPECT_EQ(config.steps, c.steps);
        EXPECT_EQ(config.shot_delay_ms, c.shot_delay);
        EXPECT_EQ(config.click_delay_ms, c.click_delay);
        EXPECT_EQ(config.shot2_delay_ms, 100);
    }
    for (const char* name : {"OSTREL_CLICK", "OSTREL_SHOT_DELAY", "OSTREL_CLICK_DELAY"}) {
        ::unsetenv(name);
    }
}

TEST(AutomationStep, Parsing) {
    struct Case {
        std::string step;
        std::vector<QString> parts;
        bool has_text;
        QString text;
        bool hover = false;
    };
    const std::vector<Case> cases = {
        {"Toggle", {"Toggle"}, false, ""},
        {" Form / Name Field =  typed text ", {"Form", "Name Field"}, true, "  typed text "},
        {"A=b=c", {"A"}, true, "b=c"},
        {"A=", {"A"}, true, ""},
        {"//A//Row-*/", {"A", "Row-*"}, false, ""},
        {"", {}, false, ""},
        {" ~ Form/Save ", {"Form", "Save"}, false, "", true},
        {"~Form=~a", {"Form"}, true, "~a", true},
        {"Form/~Save", {"Form", "~Save"}, false, ""},
    };
    for (const Case& c : cases) {
        const Ostrel::AutomationStep parsed = parse_automation_step(c.step);
        EXPECT_EQ(parsed.parts, c.parts) << c.step;
        EXPECT_EQ(parsed.has_text, c.has_text) << c.step;
        EXPECT_EQ(parsed.text, c.text) << c.step;
        EXPECT_EQ(parsed.hover, c.hover) << c.step;
    }
}

TEST(AutomationShots, FurtherWindowNames) {
    const std::vector<std::pair<QString, QString>> cases = {
        {"out/shot.png", "out/shot.win0.png"},
        {"out/shot", "out/shot.win0.png"},
        {"out.d/shot", "out.d/shot.win0.png"},
        {"out.d/shot.v2.jpg", "out.d/shot.v2.win0.png"},
    };
    for (const auto& [shot2, expected] : cases) {
        EXPECT_EQ(Ostrel::further_window_shot_path(shot2, 0), expected);
    }
    EXPECT_EQ(Ostrel::further_window_shot_path("a/b.png", 12), "a/b.win12.png");
}

// Counts the enter events a widget receives.
struct EnterCounter : QObject {
    int enters = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Enter) ++enters;
        return false;
    }
};

// A window with a button, a prefix-named row and a form holding an editor.
struct AutomationWindow : testing::Test {
    QWidget main;
    QPushButton* toggle = new QPushButton("Toggle", &main);
    QPushButton* row = new QPushButton("Row", &main);
    QWidget* form = new QWidget(&main);
    QLineEdit* field = new QLineEdit(form);
    int toggles = 0;
    int rows = 0;

    void SetUp() override {
        main.setObjectName("Main");
        toggle->setObjectName("Toggle");
        row->setObjectName("Row-17");
        form->setObjectName("Form");
        field->setObjectName("Name Field");
        auto* layout = new QVBoxLayout(&main);
        layout->addWidget(toggle);
        layout->addWidget(row);
        layout->addWidget(form);
        (new QVBoxLayout(form))->addWidget(field);
        QObject::connect(toggle, &QPushButton::pressed, [this] { ++toggles; });
        QObject::connect(row, &QPushButton::pressed, [this] { ++rows; });
        main.resize(320, 200);
        main.show();
    }
};

TEST_F(AutomationWindow, StepsClickAndTypeIntoNamedWidgets) {
    Ostrel::perform_automation_step("Toggle");
    EXPECT_EQ(toggles, 1);
    Ostrel::perform_automation_step(" Row-* ");
    EXPECT_EQ(rows, 1);
    Ostrel::perform_automation_step("Form = Ada ");
    EXPECT_EQ(field->text(), " Ada ");
    Ostrel::perform_automation_step("Form/Name Field=x=y");
    EXPECT_EQ(field->text(), " Ada x=y");
    // Nothing found, or no editor there: skipped.
    Ostrel::perform_automation_step("Missing");
    Ostrel::perform_automation_step("Toggle=text");
    EXPECT_EQ(toggles, 1);
    EXPECT_EQ(field->text(), " Ada x=y");
}

// A multi-line editor keeps a hidden single-line edit beside its text edit:
// the text goes into the shown one, at its end.
TEST_F(AutomationWindow, TextGoesIntoTheShownMultiLineEditAtItsEnd) {
    auto* editor = new QWidget(form);
    editor->setObjectName("Readme");
    auto* line = new QLineEdit(editor);
    line->hide();
    auto* text = new QTextEdit(editor);
    text->setPlainText("# Title\n");
    text->show();
    Ostrel::perform_automation_step("Readme=typed");
    EXPECT_EQ(text->toPlainText(), "# Title\ntyped");
    EXPECT_EQ(line->text(), "");

    text->hide();  // a single-line editor again
    Ostrel::perform_automation_step("Readme=line");
    EXPECT_EQ(line->text(), "line");
    EXPECT_EQ(text->toPlainText(), "# Title\ntyped");
}

TEST_F(AutomationWindow, HoverStepsEnterWithoutClicking) {
    EnterCounter counter;
    toggle->installEventFilter(&counter);
    Ostrel::perform_automation_step("~Toggle");
    EXPECT_EQ(counter.enters, 1);
    EXPECT_EQ(toggles, 0);
    Ostrel::perform_automation_step("~Missing");
    EXPECT_EQ(counter.enters, 1);
}

TEST_F(AutomationWindow, TheSequenceShootsClicksShootsAgainAndQuits) {
    QTemporaryDir dir;
    QWidget dialog;
    dialog.resize(120, 80);
    dialog.show();
    QWidget hidden_window;
    Ostrel::AutomationConfig config;
    config.shot = dir.filePath("first.png");
    config.shot2 = dir.filePath("second.png");
    config.steps = {"Toggle", "Name Field=typed"};
    config.shot_delay_ms = 1;
    Ostrel::arm_automation(main, config);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(toggles, 1);
    EXPECT_EQ(field->text(), "typed");
    EXPECT_EQ(QImage(config.shot).size(), QSize(320, 200));
    EXPECT_EQ(QImage(config.shot2).size(), QSize(320, 200));
    EXPECT_EQ(QImage(dir.filePath("second.win0.png")).size(), QSize(120, 80));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("second.win1.png")));
}

TEST_F(AutomationWindow, WithoutASecondShotItStopsAfterTheFirst) {
    QTemporaryDir dir;
    Ostrel::AutomationConfig config;
    config.shot = dir.filePath("only.png");
    config.steps = {"Toggle"};
    config.shot_delay_ms = 1;
    Ostrel::arm_automation(main, config);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_EQ(toggles, 0);
    EXPECT_EQ(QImage(config.shot).size(), QSize(320, 200));
}

}  // namespace
}  // namespace runtime_test
