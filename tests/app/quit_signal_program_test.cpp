// The editor ended by SIGTERM, SIGINT or SIGHUP within the quiet period of
// an edit: the edit is written before the process ends by that signal. The
// real program runs; its automation types into the Title field right after
// saving its first screenshot, and the test sends the signal as soon as
// that screenshot appears, so the edit is still waiting for its write.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "config/temp_dir.h"

namespace {

namespace fs = std::filesystem;

const std::string kSite = R"({"title": "Docs", "projects": []})";
const std::string kEdited =
    "{\n  \"format\": 1,\n  \"title\": \"Docs Quick\",\n  \"projects\": []\n}\n";

// Waits for `done`, checking every few milliseconds, for at most a minute.
template <typename Done>
bool wait_for(Done done) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(1);
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

class QuitSignalProgram : public testing::Test {
protected:
    TempDir dir;
    fs::path config = dir.write("site/.scribenta-site", kSite);
    fs::path shot = dir / "first.png";
    pid_t pid = -1;

    // Starts the editor on the site; `ignore_hup` starts it as nohup does.
    void start(bool ignore_hup) {
        std::vector<std::string> env = {
            "QT_QPA_PLATFORM=offscreen",
            "HOME=" + dir.path().string(),
            "XDG_CONFIG_HOME=" + (dir / "config").string(),
            "XDG_CACHE_HOME=" + (dir / "cache").string(),
            "OSTREL_SHOT=" + shot.string(),
            "OSTREL_SHOT2=" + (dir / "second.png").string(),
            "OSTREL_CLICK=Title Field= Quick",
            "OSTREL_SHOT2_DELAY=600000",  // no automated quit
        };
        for (const char* name : {"PATH", "ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
            if (const char* value = std::getenv(name))
                env.push_back(std::string(name) + "=" + value);
        }
        std::vector<char*> envp;
        for (std::string& entry : env) envp.push_back(entry.data());
        envp.push_back(nullptr);
        std::string program = SCRIBENTA_EXE;
        std::string site = config.string();
        char* argv[] = {program.data(), site.data(), nullptr};
        pid = ::fork();
        ASSERT_GE(pid, 0) << std::strerror(errno);
        if (pid == 0) {
            // The editor starts as from a terminal, whatever this test
            // inherited (a shell ignores SIGINT in what it starts in the
            // background).
            for (const int sig : {SIGTERM, SIGINT, SIGHUP}) ::signal(sig, SIG_DFL);
            if (ignore_hup) ::signal(SIGHUP, SIG_IGN);
            ::execve(argv[0], argv, envp.data());
            ::_exit(127);
        }
        ASSERT_TRUE(wait_for([&] { return fs::exists(shot); })) << "no first screenshot";
    }

    // How the process ended, as "signal N", "exit N" or "running".
    std::string ending() {
        int status = 0;
        pid_t ended = 0;
        const bool done = wait_for([&] {
            ended = ::waitpid(pid, &status, WNOHANG);
            return ended != 0;
        });
        if (!done) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return "running";
        }
        pid = -1;
        if (WIFSIGNALED(status)) {
            return "signal " + std::to_string(WTERMSIG(status)) +
                   (WCOREDUMP(status) ? " (core)" : "");
        }
        return "exit " + std::to_string(WEXITSTATUS(status));
    }

    void TearDown() override {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
        }
    }
};

TEST_F(QuitSignalProgram, AnEditTypedJustBeforeTheSignalIsWrittenAndTheProcessEndsByIt) {
    for (const int sig : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(strsignal(sig));
        dir.write("site/.scribenta-site", kSite);
        fs::remove(shot);
        start(false);
        ::kill(pid, sig);
        EXPECT_EQ(ending(), "signal " + std::to_string(sig));
        EXPECT_EQ(TempDir::read(config), kEdited);
    }
}

TEST_F(QuitSignalProgram, AHangupIgnoredAtStartStaysIgnored) {
    start(true);
    ::kill(pid, SIGHUP);
    ::kill(pid, SIGTERM);
    EXPECT_EQ(ending(), "signal " + std::to_string(SIGTERM));
    EXPECT_EQ(TempDir::read(config), kEdited);
}

}  // namespace
