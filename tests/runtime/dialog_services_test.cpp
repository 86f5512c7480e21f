#include "ext/ostrel/runtime/dialog_services.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "tests/runtime/service_fixture.h"

namespace runtime_test {
namespace {

// Answers the next modal file dialog from the event loop it runs.
void answer_dialog(std::function<void(QFileDialog&)> answer) {
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll->stop();
        poll->deleteLater();
        answer(*dialog);
    });
    poll->start(10);
}

struct FileDialogs : testing::Test {
    QTemporaryDir dir;
    QString file_path(const QString& name) const { return dir.filePath(name); }
};

TEST_F(FileDialogs, PickModes) {
    QFile(file_path("chosen.txt")).open(QIODevice::WriteOnly);
    struct Case {
        std::string mode;
        QFileDialog::FileMode file_mode;
        QFileDialog::AcceptMode accept_mode;
    };
    const std::vector<Case> cases = {
        {"dir", QFileDialog::Directory, QFileDialog::AcceptOpen},
        {"save", QFileDialog::AnyFile, QFileDialog::AcceptSave},
        {"file", QFileDialog::ExistingFile, QFileDialog::AcceptOpen},
        {"", QFileDialog::ExistingFile, QFileDialog::AcceptOpen},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("mode '" + c.mode + "'");
        QString title;
        bool native = true;
        QFileDialog::FileMode file_mode{};
        QFileDialog::AcceptMode accept_mode{};
        answer_dialog([&](QFileDialog& dialog) {
            title = dialog.windowTitle();
            native = !dialog.testOption(QFileDialog::DontUseNativeDialog);
            file_mode = dialog.fileMode();
            accept_mode = dialog.acceptMode();
            dialog.reject();
        });
        std::string result = "unset";
        Ostrel::qt_pick_file({c.mode, "Pick it", "", dir.path().toStdString(), false},
                             [&result](const std::string& path) { result = path; });
        EXPECT_EQ(result, "");  // cancelled
        EXPECT_EQ(title, "Pick it");
        EXPECT_FALSE(native);
        EXPECT_EQ(file_mode, c.file_mode);
        EXPECT_EQ(accept_mode, c.accept_mode);
    }
}

TEST_F(FileDialogs, AcceptedPickGivesTheSelectedPath) {
    const QString chosen = file_path("chosen.txt");
    QFile(chosen).open(QIODevice::WriteOnly);
    answer_dialog([&chosen](QFileDialog& dialog) {
        dialog.selectFile(chosen);
        static_cast<QDialog&>(dialog).accept();
    });
    std::string result;
    Ostrel::qt_pick_file({"file", "Pick", "Text (*.txt)", dir.path().toStdString(), true},
                         [&result](const std::string& path) { result = path; });
    EXPECT_EQ(result, chosen.toStdString());
}

TEST_F(FileDialogs, SaveWritesTheContentWhole) {
    const QString target = file_path("saved.json");
    answer_dialog([&target](QFileDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Save");
        dialog.selectFile(target);
        static_cast<QDialog&>(dialog).accept();
    });
    std::vector<bool> saved;
    Ostrel::save_file_dialog("saved.json", "", "{\"a\": 1}\n",
                             [&saved](bool ok) { saved.push_back(ok); });
    EXPECT_EQ(saved, std::vector<bool>{true});
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "{\"a\": 1}\n");
}

TEST_F(FileDialogs, CancelledSaveReportsFalse) {
    answer_dialog([](QFileDialog& dialog) { dialog.reject(); });
    std::vector<bool> saved;
    Ostrel::save_file_dialog("x.txt", "", "content", [&saved](bool ok) { saved.push_back(ok); });
    EXPECT_EQ(saved, std::vector<bool>{false});
}

}  // namespace
}  // namespace runtime_test
