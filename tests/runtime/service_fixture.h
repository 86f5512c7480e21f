#pragma once

// A state store with the after-callback logged next to the callbacks, so a
// test sees what ran and in which order.

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"
#include "tests/runtime/qt_test_app.h"

namespace runtime_test {

using Strings = std::vector<std::string>;

// Generous: the cap only ends a test that would otherwise hang.
inline constexpr int kWaitMs = 10000;

inline bool wait_for(const std::function<bool()>& condition, int timeout_ms = kWaitMs) {
    return QTest::qWaitFor(condition, timeout_ms);
}

struct ServiceTest : testing::Test {
    std::unique_ptr<Ostrel::OApp> app = std::make_unique<Ostrel::OApp>();
    Strings log;

    void SetUp() override {
        app->after_callback = [this] { log.push_back("after"); };
    }

    // The store goes while the event loop can still finish the services'
    // deferred deletions (network managers end their worker threads then).
    void TearDown() override {
        app.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    long count(const std::string& entry) const { return std::count(log.begin(), log.end(), entry); }
};

}  // namespace runtime_test
