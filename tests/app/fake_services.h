#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ext/ostrel/engine/oapp.h"

// Services for a bare OApp: a timer whose clock the test moves, a file
// picker that answers with a prepared path, and a process runner that
// records its command lines and exits with a prepared code.
class FakeServices {
public:
    explicit FakeServices(Ostrel::OApp& app) {
        app.timer_service = [this](int delay_ms, Ostrel::Callback fn) {
            timers_.push_back({now_ + delay_ms, next_seq_++, std::move(fn)});
        };
        app.pick_service = [this](const Ostrel::PickRequest& request, Ostrel::PathCallback done) {
            picks.push_back(request);
            done(pick_answer);
        };
        app.process_service = [this](const std::vector<std::string>& argv, Ostrel::LineCallback,
                                     Ostrel::ExitCallback on_exit) {
            processes.push_back(argv);
            on_exit(exit_code);
        };
    }

    // Moves the clock forward, running every timer that falls due in deadline
    // order (arming order among equal deadlines); `after_each` runs after
    // each one, so a test can watch what every single timer did.
    void advance(long long ms) {
        const long long end = now_ + ms;
        for (;;) {
            auto due = std::min_element(timers_.begin(), timers_.end(), [](auto& a, auto& b) {
                return a.due != b.due ? a.due < b.due : a.seq < b.seq;
            });
            if (due == timers_.end() || due->due > end) break;
            now_ = due->due;
            auto fn = std::move(due->fn);
            timers_.erase(due);
            fn();
            if (after_each) after_each();
        }
        now_ = end;
    }

    std::size_t armed() const { return timers_.size(); }

    std::function<void()> after_each;
    std::string pick_answer;
    std::vector<Ostrel::PickRequest> picks;
    int exit_code = 0;
    std::vector<std::vector<std::string>> processes;

private:
    struct Timer {
        long long due;
        int seq;
        Ostrel::Callback fn;
    };
    long long now_ = 0;
    int next_seq_ = 0;
    std::vector<Timer> timers_;
};
