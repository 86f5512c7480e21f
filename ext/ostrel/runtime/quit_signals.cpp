#include "ext/ostrel/runtime/quit_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QSocketNotifier>
#include <atomic>
#include <cerrno>
#include <csignal>

namespace Ostrel {
namespace {

constexpr int kQuitSignals[QuitSignals::kCount] = {SIGTERM, SIGINT, SIGHUP};

// What the handler touches: lock-free atomics only, so it stays
// async-signal-safe.
std::atomic<int> g_received{0};
std::atomic<int> g_write_fd{-1};
static_assert(std::atomic<int>::is_always_lock_free);

extern "C" void on_quit_signal(int signal_number) {
    const int saved_errno = errno;
    int none = 0;
    if (!g_received.compare_exchange_strong(none, signal_number)) {
        // Asked again while quitting: the default action ends the process
        // once this handler returns and the signal is unblocked.
        end_by_signal(signal_number);
    } else {
        const char byte = 1;
        const int fd = g_write_fd.load();
        // Non-blocking: a full buffer already holds a wake-up.
        if (fd >= 0) (void)!::write(fd, &byte, 1);
    }
    errno = saved_errno;
}

}  // namespace

QuitSignals::QuitSignals() {
    g_received = 0;
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, fds) != 0) {
        // Without the hand-over the signals keep their default action.
        return;
    }
    read_fd_ = fds[0];
    g_write_fd = fds[1];
    notifier_ = std::make_unique<QSocketNotifier>(read_fd_, QSocketNotifier::Read);
    QObject::connect(notifier_.get(), &QSocketNotifier::activated, [this] { on_readable(); });

    struct sigaction action {};
    action.sa_handler = on_quit_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int i = 0; i < kCount; ++i) {
        struct sigaction current {};
        if (::sigaction(kQuitSignals[i], nullptr, &current) != 0) continue;
        if (current.sa_handler == SIG_IGN) continue;  // nohup's choice holds
        installed_[i] = ::sigaction(kQuitSignals[i], &action, &previous_[i]) == 0;
    }
}

QuitSignals::~QuitSignals() {
    for (int i = 0; i < kCount; ++i) {
        if (installed_[i]) ::sigaction(kQuitSignals[i], &previous_[i], nullptr);
    }
    notifier_.reset();
    const int write_fd = g_write_fd.exchange(-1);
    if (write_fd >= 0) ::close(write_fd);
    if (read_fd_ >= 0) ::close(read_fd_);
}

int QuitSignals::received() {
    return g_received.load();
}

void QuitSignals::on_readable() {
    char buffer[64];
    while (::read(read_fd_, buffer, sizeof buffer) > 0) {
    }
    // exit() leaves every running loop, nested ones too; quit() could be
    // refused by a window that declines to close.
    QCoreApplication::exit(0);
}

void end_by_signal(int signal_number) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    ::sigaction(signal_number, &action, nullptr);
    ::raise(signal_number);
}

}  // namespace Ostrel
