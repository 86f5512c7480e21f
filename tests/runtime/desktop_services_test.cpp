#include "ext/ostrel/runtime/desktop_services.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTimer>

#include "tests/runtime/service_fixture.h"

namespace runtime_test {
namespace {

struct DesktopServices : ServiceTest {
    void SetUp() override {
        ServiceTest::SetUp();
        Ostrel::install_qt_timer(*app);
        Ostrel::install_qt_post(*app);
    }
    Ostrel::Callback logger(const std::string& entry) {
        return [this, entry] { log.push_back(entry); };
    }
};

TEST_F(DesktopServices, TimersFireInDeadlineOrderEachFollowedByTheAfterCallback) {
    app->set_timeout(60, logger("60"));
    app->set_timeout(20, logger("20"));
    app->set_timeout(40, logger("40"));
    app->set_timeout(20, logger("20 again"));
    EXPECT_EQ(log, Strings{});
    ASSERT_TRUE(wait_for([this] { return log.size() == 8; }));
    EXPECT_EQ(log, (Strings{"20", "after", "20 again", "after", "40", "after", "60", "after"}));
}

TEST_F(DesktopServices, APostedCallNeverRunsInsideThePostingCall) {
    app->post_service([this] {
        log.push_back("first");
        // Posting from a posted call queues behind, never runs nested.
        app->post_service(logger("nested"));
        log.push_back("first done");
    });
    EXPECT_EQ(log, Strings{});
    ASSERT_TRUE(wait_for([this] { return log.size() == 5; }));
    EXPECT_EQ(log, (Strings{"first", "first done", "after", "nested", "after"}));
}

TEST_F(DesktopServices, PendingTimersAndPostsDieWithTheStore) {
    app->set_timeout(1, logger("timer"));
    app->post_service(logger("post"));
    app.reset();
    bool later = false;
    QTimer::singleShot(20, [&later] { later = true; });
    ASSERT_TRUE(wait_for([&later] { return later; }));
    EXPECT_EQ(log, Strings{});
}

TEST_F(DesktopServices, CopiedTextReachesTheClipboard) {
    Ostrel::qt_copy_text("Grüße \"quoted\"\nsecond line");
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "Grüße \"quoted\"\nsecond line");
}

TEST_F(DesktopServices, InstallingTheSetFillsTheNineSlots) {
    Ostrel::OApp fresh;
    Ostrel::install_qt_services(fresh);
    EXPECT_TRUE(fresh.http_service && fresh.upload_service && fresh.pick_service &&
                fresh.process_service && fresh.open_url_service && fresh.copy_text_service &&
                fresh.save_file_service && fresh.timer_service && fresh.post_service);
    EXPECT_FALSE(fresh.after_callback);
}

}  // namespace
}  // namespace runtime_test
