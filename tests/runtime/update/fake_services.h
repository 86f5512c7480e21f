#pragma once

// A bare OApp whose timer, HTTP, URL and persistence slots record what the
// update checker asks of them, so tests fire timers and answer requests
// themselves.

#include <string>
#include <utility>
#include <vector>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel::testing_support {

struct FakeServices {
    struct Timer {
        int ms;
        Callback fn;
    };
    struct Request {
        HttpRequest request;
        HttpCallback done;
    };

    std::vector<Timer> timers;
    std::vector<Request> requests;
    std::vector<std::string> opened;
    std::vector<std::pair<std::string, std::string>> persisted;

    void install(OApp& app) {
        app.timer_service = [this](int ms, Callback fn) { timers.push_back({ms, std::move(fn)}); };
        app.http_service = [this](const HttpRequest& r, HttpCallback done) {
            requests.push_back({r, std::move(done)});
        };
        app.open_url_service = [this](const std::string& url) { opened.push_back(url); };
        app.store_persist = [this](const std::string& key, const std::string& value) {
            persisted.emplace_back(key, value);
        };
    }

    // Answers the oldest open request.
    void answer(int status, const std::string& body, const std::string& error = "") {
        Request r = std::move(requests.front());
        requests.erase(requests.begin());
        r.done(HttpResponse{status, body, error});
    }

    // Runs the timer armed at position i (it stays recorded).
    void fire(std::size_t i) {
        const Callback fn = timers.at(i).fn;
        fn();
    }
};

}  // namespace Ostrel::testing_support
