// The quit signals' hand-over, each case in a child process of its own: a
// signal leaves the event loop, a second one ends the process at once, and
// the dispositions found at start come back afterwards.

#include "ext/ostrel/runtime/quit_signals.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QTimer>
#include <functional>
#include <string>

namespace {

using Ostrel::QuitSignals;

// Runs `body` in a child with its own Qt application; the child exits with
// the body's result. Returns how it ended: "exit N" or "signal N". The child
// starts with the quit signals at their default action, whatever this test
// inherited (a shell ignores SIGINT in what it starts in the background).
std::string in_child(const std::function<int()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        for (const int sig : {SIGTERM, SIGINT, SIGHUP}) ::signal(sig, SIG_DFL);
        int argc = 1;
        char name[] = "quit-signals";
        char* argv[] = {name, nullptr};
        QCoreApplication qt(argc, argv);
        ::_exit(body());
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFSIGNALED(status)) return "signal " + std::to_string(WTERMSIG(status));
    return "exit " + std::to_string(WEXITSTATUS(status));
}

sighandler_t disposition(int sig) {
    struct sigaction current {};
    ::sigaction(sig, nullptr, &current);
    return current.sa_handler;
}

TEST(QuitSignals, ASignalLeavesTheLoopAndASecondEndsTheProcessAtOnce) {
    for (const int sig : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(sig));
        const std::string ended = in_child([sig] {
            const QuitSignals handover;
            QTimer::singleShot(0, [sig] { ::raise(sig); });
            if (QCoreApplication::exec() != 0 || QuitSignals::received() != sig) return 1;
            ::raise(SIGTERM);  // while quitting
            return 2;
        });
        EXPECT_EQ(ended, "signal " + std::to_string(SIGTERM));
    }
}

TEST(QuitSignals, ASignalBeforeTheLoopIsKeptForIt) {
    EXPECT_EQ(in_child([] {
                  const QuitSignals handover;
                  ::raise(SIGINT);
                  return QuitSignals::received() == SIGINT && QCoreApplication::exec() == 0 ? 0 : 1;
              }),
              "exit 0");
}

TEST(QuitSignals, DispositionsFoundAtStartAreKeptAndRestored) {
    EXPECT_EQ(in_child([] {
                  ::signal(SIGHUP, SIG_IGN);
                  {
                      const QuitSignals handover;
                      if (disposition(SIGHUP) != SIG_IGN) return 1;
                      if (disposition(SIGTERM) == SIG_DFL) return 2;
                      ::raise(SIGHUP);
                      if (QuitSignals::received() != 0) return 3;
                  }
                  return disposition(SIGHUP) == SIG_IGN && disposition(SIGTERM) == SIG_DFL &&
                                 disposition(SIGINT) == SIG_DFL
                             ? 0
                             : 4;
              }),
              "exit 0");
}

}  // namespace
