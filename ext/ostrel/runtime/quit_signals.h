#pragma once

// SIGTERM, SIGINT and SIGHUP (a session logout, Ctrl+C, a closed terminal)
// quit the event loop the ordinary way instead of killing the process, so
// what runs after the loop (writing edits still waiting for their quiet
// period) still runs; the caller then ends the process by that signal.
//
// The handler only records the signal and writes a byte into a socket pair;
// a notifier on the other end quits the loop on the GUI thread. A signal
// ignored when the program started (nohup ignores SIGHUP) stays ignored. A
// second signal while quitting ends the process at once.

#include <signal.h>

#include <array>
#include <memory>

class QSocketNotifier;

namespace Ostrel {

class QuitSignals {
public:
    // Needs the Qt application. One instance at a time.
    QuitSignals();
    // Restores the dispositions it found.
    ~QuitSignals();
    QuitSignals(const QuitSignals&) = delete;
    QuitSignals& operator=(const QuitSignals&) = delete;

    // The signal that asked the program to quit; 0 while none has.
    static int received();

    static constexpr int kCount = 3;  // SIGTERM, SIGINT, SIGHUP

private:
    void on_readable();

    std::array<struct sigaction, kCount> previous_{};  // as found, to restore
    std::array<bool, kCount> installed_{};
    int read_fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
};

// Ends the process by the signal's default action, as if no handler had
// been installed. Returns only when that action is not to end the process.
void end_by_signal(int signal_number);

}  // namespace Ostrel
