#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {
namespace {

// Each test installs an after-callback: a missing service answers at once
// and never runs it.
struct OAppServices : testing::Test {
    OApp app;
    int after = 0;
    void SetUp() override {
        app.after_callback = [this] { ++after; };
    }
};

TEST_F(OAppServices, MissingHttpServiceAnswersAtOnce) {
    HttpResponse got{200, "x", ""};
    bool called = false;
    app.http_request(HttpRequest{"GET", "https://example.org/m.json", {}, "", ""},
                     [&](const HttpResponse& r) {
                         called = true;
                         got = r;
                     });
    EXPECT_TRUE(called);
    EXPECT_EQ(got.status, 0);
    EXPECT_EQ(got.body, "");
    EXPECT_EQ(got.error, "no http handler installed");
    EXPECT_NO_THROW(app.http_request(HttpRequest{}, HttpCallback()));
    EXPECT_EQ(after, 0);
}

TEST_F(OAppServices, MissingProcessServiceExitsWithMinusOne) {
    std::vector<std::string> lines;
    int exit_code = 0;
    app.run_process(
        {"scribenta-cli", "site", "build"}, [&](const std::string& line) { lines.push_back(line); },
        [&](int code) { exit_code = code; });
    EXPECT_EQ(exit_code, -1);
    EXPECT_TRUE(lines.empty());
    EXPECT_NO_THROW(app.run_process(
        {"x"}, [&](const std::string&) { lines.push_back("!"); }, ExitCallback()));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(after, 0);
}

TEST_F(OAppServices, MissingPickServiceAnswersAnEmptyPath) {
    std::string picked = "unset";
    app.pick_file(PickRequest{"dir", "Choose", "", "", false},
                  [&](const std::string& path) { picked = path; });
    EXPECT_EQ(picked, "");
    EXPECT_NO_THROW(app.pick_file(PickRequest{}, PathCallback()));
    EXPECT_EQ(after, 0);
}

TEST_F(OAppServices, MissingTimerServiceDropsTheRequest) {
    int fired = 0;
    app.set_timeout(500, [&] { ++fired; });
    EXPECT_EQ(fired, 0);
    EXPECT_EQ(after, 0);
}

TEST_F(OAppServices, InstalledServicesGetTheRequestUnchanged) {
    std::string url;
    app.http_service = [&](const HttpRequest& r, HttpCallback done) {
        url = r.url;
        done(HttpResponse{204, "", ""});
    };
    int status = 0;
    app.http_request(HttpRequest{"POST", "https://example.org/u", {{"A", "1"}}, "b", "t"},
                     [&](const HttpResponse& r) { status = r.status; });
    EXPECT_EQ(url, "https://example.org/u");
    EXPECT_EQ(status, 204);

    std::vector<std::string> argv;
    app.process_service = [&](const std::vector<std::string>& a, LineCallback on_line,
                              ExitCallback on_exit) {
        argv = a;
        on_line("I\tok");
        on_exit(0);
    };
    std::string line;
    int code = -5;
    app.run_process(
        {"scribenta-cli", "--porcelain"}, [&](const std::string& l) { line = l; },
        [&](int c) { code = c; });
    EXPECT_EQ(argv, (std::vector<std::string>{"scribenta-cli", "--porcelain"}));
    EXPECT_EQ(line, "I\tok");
    EXPECT_EQ(code, 0);

    std::string title;
    app.pick_service = [&](const PickRequest& r, PathCallback done) {
        title = r.title;
        done("/tmp/site");
    };
    std::string picked;
    app.pick_file(PickRequest{"dir", "Add", "", "", true},
                  [&](const std::string& p) { picked = p; });
    EXPECT_EQ(title, "Add");
    EXPECT_EQ(picked, "/tmp/site");
}

TEST_F(OAppServices, TimerServiceGetsOnlyNonEmptyCallables) {
    std::vector<int> delays;
    app.timer_service = [&](int delay, Callback fn) {
        delays.push_back(delay);
        fn();
    };
    int fired = 0;
    app.set_timeout(500, [&] { ++fired; });
    app.set_timeout(30, Callback());
    EXPECT_EQ(delays, (std::vector<int>{500}));
    EXPECT_EQ(fired, 1);
}

// Each service is called through a copy: one that empties its own slot while
// it runs finishes on intact captures, and the next request finds no service.
TEST_F(OAppServices, ServicesMayRemoveThemselvesWhileRunning) {
    const std::string tail(64, 'x');  // heap-held capture, freed with the callable
    std::vector<std::string> calls;
    app.http_service = [&, tail](const HttpRequest&, HttpCallback done) {
        app.http_service = nullptr;
        calls.push_back("http" + tail.substr(0, 0));
        done(HttpResponse{200, "", ""});
    };
    app.pick_service = [&, tail](const PickRequest&, PathCallback done) {
        app.pick_service = nullptr;
        calls.push_back("pick" + tail.substr(0, 0));
        done("/p");
    };
    app.process_service = [&, tail](const std::vector<std::string>&, LineCallback,
                                    ExitCallback on_exit) {
        app.process_service = nullptr;
        calls.push_back("process" + tail.substr(0, 0));
        on_exit(0);
    };
    app.timer_service = [&, tail](int, Callback fn) {
        app.timer_service = nullptr;
        calls.push_back("timer" + tail.substr(0, 0));
        fn();
    };
    for (int round = 0; round < 2; ++round) {
        app.http_request(HttpRequest{}, [&](const HttpResponse& r) {
            calls.push_back("status " + std::to_string(r.status));
        });
        app.pick_file(PickRequest{}, [&](const std::string& p) { calls.push_back("path " + p); });
        app.run_process({"x"}, LineCallback(),
                        [&](int c) { calls.push_back("exit " + std::to_string(c)); });
        app.set_timeout(1, [&] { calls.push_back("fired"); });
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"http", "status 200", "pick", "path /p", "process",
                                               "exit 0", "timer", "fired", "status 0", "path ",
                                               "exit -1"}));
}

}  // namespace
}  // namespace Ostrel
