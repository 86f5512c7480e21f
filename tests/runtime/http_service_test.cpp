#include "ext/ostrel/runtime/http_service.h"

#include <QElapsedTimer>

#include "tests/runtime/http_test_server.h"
#include "tests/runtime/service_fixture.h"

namespace runtime_test {
namespace {

using Ostrel::HttpRequest;
using Ostrel::HttpResponse;

struct HttpService : ServiceTest {
    HttpTestServer server;
    std::vector<HttpResponse> responses;

    void SetUp() override {
        ServiceTest::SetUp();
        Ostrel::install_qt_http(*app);
    }

    void send(HttpRequest request) {
        app->http_request(request, [this](const HttpResponse& response) {
            responses.push_back(response);
            log.push_back("reply");
        });
    }

    bool wait_reply() {
        return wait_for([this] { return !responses.empty() && count("after") > 0; });
    }
};

TEST_F(HttpService, ErrorStatusComesWithBodyAndNoErrorTextThenTheAfterCallback) {
    server.status = 404;
    server.reason = "Not Found";
    server.reply_body = "no such page";
    send({"GET", server.url("/missing"), {}, "", ""});
    ASSERT_TRUE(wait_reply());
    EXPECT_EQ(responses[0].status, 404);
    EXPECT_EQ(responses[0].body, "no such page");
    EXPECT_EQ(responses[0].error, "");
    EXPECT_EQ(log, (Strings{"reply", "after"}));
    EXPECT_EQ(server.requests.at(0).target, "/missing");
}

TEST_F(HttpService, UnreachablePortGivesStatusZeroAndAnError) {
    const std::string url =
        "http://127.0.0.1:" + std::to_string(HttpTestServer::closed_port()) + "/";
    send({"GET", url, {}, "", ""});
    ASSERT_TRUE(wait_reply());
    EXPECT_EQ(responses[0].status, 0);
    EXPECT_EQ(responses[0].body, "");
    EXPECT_NE(responses[0].error, "");
    EXPECT_EQ(log, (Strings{"reply", "after"}));
}

TEST_F(HttpService, SilentServerTimesOut) {
    Ostrel::install_qt_http_with_timeout(*app, 300);
    server.silent = true;
    QElapsedTimer clock;
    clock.start();
    send({"GET", server.url(), {}, "", ""});
    ASSERT_TRUE(wait_reply());
    EXPECT_GE(clock.elapsed(), 250);
    EXPECT_EQ(responses[0].status, 0);
    EXPECT_NE(responses[0].error, "");
}

TEST_F(HttpService, TheDefaultTimeOutIsThirtySeconds) {
    EXPECT_EQ(Ostrel::kHttpTimeoutMs, 30000);
}

// Verbs compare exactly; only POST and custom verbs carry the body.
TEST_F(HttpService, VerbsAndBodies) {
    struct Case {
        std::string method;
        std::string sent_method;
        std::string sent_body;
    };
    const std::vector<Case> cases = {
        {"", "GET", ""},          {"GET", "GET", ""},       {"DELETE", "DELETE", ""},
        {"POST", "POST", "data"}, {"post", "post", "data"}, {"Get", "Get", "data"},
        {"PUT", "PUT", "data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("method '" + c.method + "'");
        server.requests.clear();
        responses.clear();
        log.clear();
        send({c.method, server.url("/verb"), {}, "data", ""});
        ASSERT_TRUE(wait_reply());
        ASSERT_EQ(server.requests.size(), 1u);
        const ReceivedRequest& got = server.requests[0];
        EXPECT_EQ(got.method, c.sent_method);
        EXPECT_EQ(got.body, c.sent_body);
        EXPECT_EQ(got.trailing, "");
        if (c.sent_body.empty()) {
            EXPECT_EQ(got.headers.value("content-length", "0"), "0");
        }
        EXPECT_EQ(responses[0].status, 200);
    }
}

TEST_F(HttpService, HeadersAndContentType) {
    send({"POST",
          server.url(),
          {{"X-Token", "first"}, {"X-Other", "kept"}, {"X-Token", "second"}},
          "{}",
          "application/json"});
    ASSERT_TRUE(wait_reply());
    const ReceivedRequest& got = server.requests.at(0);
    EXPECT_EQ(got.headers.value("x-token"), "second");
    EXPECT_EQ(got.headers.value("x-other"), "kept");
    EXPECT_EQ(got.headers.value("content-type"), "application/json");
}

TEST_F(HttpService, NothingReachesADestroyedStore) {
    server.silent = true;
    bool called = false;
    app->http_request({"GET", server.url(), {}, "", ""},
                      [&called](const HttpResponse&) { called = true; });
    ASSERT_TRUE(wait_for([this] { return !server.requests.empty(); }));
    app.reset();  // aborts the pending reply without delivering it
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    EXPECT_FALSE(called);
    EXPECT_EQ(log, Strings{});
}

}  // namespace
}  // namespace runtime_test
