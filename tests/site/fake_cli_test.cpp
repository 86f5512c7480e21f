#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "tests/config/temp_dir.h"

namespace {

namespace fs = std::filesystem;
using Env = std::vector<std::pair<std::string, std::string>>;
using Args = std::vector<std::string>;

// The stand-in as the editor finds it: beside the running executable.
std::string tool_path() {
    return (fs::read_symlink("/proc/self/exe").parent_path() / "scribenta-cli").string();
}

// The stand-in run as a child process with standard output and error merged
// into one pipe, as the editor's process service runs the real tool.
class Child {
public:
    Child(const Args& args, const Env& env) {
        int fds[2];
        if (::pipe(fds) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(fds[1], 1);
            ::dup2(fds[1], 2);
            ::close(fds[0]);
            ::close(fds[1]);
            for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
            const std::string path = tool_path();
            std::vector<char*> argv{const_cast<char*>("scribenta-cli")};
            for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
            argv.push_back(nullptr);
            ::execv(path.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(fds[1]);
        fd_ = fds[0];
    }
    ~Child() {
        if (fd_ >= 0) ::close(fd_);
        if (pid_ > 0 && !reaped_) ::waitpid(pid_, &status_, 0);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    // Reads until `text` has arrived (or the output ends); returns all read.
    std::string read_until(const std::string& text) {
        while (output_.find(text) == std::string::npos && read_more()) {
        }
        return output_;
    }
    std::string read_all() {
        while (read_more()) {
        }
        return output_;
    }
    bool running() {
        if (reaped_) return false;
        reaped_ = ::waitpid(pid_, &status_, WNOHANG) == pid_;
        return !reaped_;
    }
    // The exit code, or -1 when the tool did not exit normally.
    int exit_code() {
        read_all();
        if (!reaped_) reaped_ = ::waitpid(pid_, &status_, 0) == pid_;
        return reaped_ && WIFEXITED(status_) ? WEXITSTATUS(status_) : -1;
    }

private:
    bool read_more() {
        char buffer[4096];
        const ssize_t n = ::read(fd_, buffer, sizeof buffer);
        if (n <= 0) return false;
        output_.append(buffer, std::size_t(n));
        return true;
    }

    pid_t pid_ = -1;
    int fd_ = -1;
    int status_ = 0;
    bool reaped_ = false;
    std::string output_;
};

TEST(FakeCli, AnswersTheThreeCommandLinesAsSteeredAndLogsThem) {
    struct Case {
        const char* name;
        Args args;
        Env env;
        std::string output;
        int exit_code;
    };
    const std::vector<Case> cases{
        {"site build",
         {"site", "build", "/s/.scribenta-site", "--porcelain"},
         {{"SCRIBENTA_FAKE_CLI_OUTPUT", "I\tBuilding\nA\tdetail\nO\t/s/out\n"}},
         "I\tBuilding\nA\tdetail\nO\t/s/out\n",
         0},
        {"project build, its own output and exit win",
         {"build", "/p/.scribenta-project", "--porcelain"},
         {{"SCRIBENTA_FAKE_CLI_OUTPUT", "I\tgeneral\n"},
          {"SCRIBENTA_FAKE_CLI_EXIT", "2"},
          {"SCRIBENTA_FAKE_CLI_BUILD_OUTPUT", "O\t/p/versions\n"},
          {"SCRIBENTA_FAKE_CLI_BUILD_EXIT", "1"}},
         "O\t/p/versions\n",
         1},
        {"versions listing",
         {"versions", "/p/.scribenta-project", "--porcelain"},
         {{"SCRIBENTA_FAKE_CLI_VERSIONS_OUTPUT", "R\t1.2\tv1.2.3\t2024-05-01\tpending\t1\n"},
          {"SCRIBENTA_FAKE_CLI_EXIT", "2"}},
         "R\t1.2\tv1.2.3\t2024-05-01\tpending\t1\n",
         2},
        {"an empty command setting still wins",
         {"versions", "/p/.scribenta-project", "--porcelain"},
         {{"SCRIBENTA_FAKE_CLI_OUTPUT", "I\tgeneral\n"},
          {"SCRIBENTA_FAKE_CLI_VERSIONS_OUTPUT", ""}},
         "",
         0},
        {"standard error is merged, no final line end added",
         {"build", "/p", "--porcelain"},
         {{"SCRIBENTA_FAKE_CLI_STDERR", "E\tfrom stderr\n"},
          {"SCRIBENTA_FAKE_CLI_OUTPUT", "I\tpart"}},
         "I\tpartE\tfrom stderr\n",
         0},
        {"other command lines",
         {"site", "build", "/s/.scribenta-site"},
         {{"SCRIBENTA_FAKE_CLI_OUTPUT", "I\tnot shown\n"}},
         "E\tusage: scribenta-cli (site build | build | versions) <config> --porcelain\n",
         64},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempDir dir;
        Env env = c.env;
        env.emplace_back("SCRIBENTA_FAKE_CLI_LOG", (dir / "log").string());
        Child child(c.args, env);
        EXPECT_EQ(child.read_all(), c.output);
        EXPECT_EQ(child.exit_code(), c.exit_code);

        std::string logged;
        for (const std::string& arg : c.args) logged += (logged.empty() ? "" : "\t") + arg;
        EXPECT_EQ(TempDir::read(dir / "log"), logged + "\n");
    }
}

TEST(FakeCli, RefusesEveryOtherCommandLine) {
    for (const Args& args : std::vector<Args>{{},
                                              {"build", "/p"},
                                              {"build", "", "--porcelain"},
                                              {"versions", "/p", "--porcelain", "extra"},
                                              {"site", "versions", "/s", "--porcelain"},
                                              {"publish", "/p", "--porcelain"}}) {
        SCOPED_TRACE(testing::PrintToString(args));
        Child child(args, {});
        EXPECT_EQ(child.read_all(),
                  "E\tusage: scribenta-cli (site build | build | versions) <config> --porcelain\n");
        EXPECT_EQ(child.exit_code(), 64);
    }
}

TEST(FakeCli, ACrashEndsWithoutAnExitCode) {
    Child child({"build", "/p", "--porcelain"},
                {{"SCRIBENTA_FAKE_CLI_OUTPUT", "I\tbefore\n"}, {"SCRIBENTA_FAKE_CLI_CRASH", "1"}});
    EXPECT_EQ(child.read_all(), "I\tbefore\n");
    EXPECT_EQ(child.exit_code(), -1);
}

// A test holds the tool running between its first and its last lines.
TEST(FakeCli, WaitsAtTheGateUntilTheTestOpensIt) {
    TempDir dir;
    Child child({"site", "build", "/s/.scribenta-site", "--porcelain"},
                {{"SCRIBENTA_FAKE_CLI_OUTPUT", "I\tstarted\n"},
                 {"SCRIBENTA_FAKE_CLI_GATE", (dir / "gate").string()},
                 {"SCRIBENTA_FAKE_CLI_AFTER_GATE", "I\tfinished\n"},
                 {"SCRIBENTA_FAKE_CLI_EXIT", "0"}});
    EXPECT_EQ(child.read_until("\n"), "I\tstarted\n");
    EXPECT_TRUE(child.running());

    dir.write("gate", "");
    EXPECT_EQ(child.read_all(), "I\tstarted\nI\tfinished\n");
    EXPECT_EQ(child.exit_code(), 0);
}

// A project build held at its own gate leaves the versions listing free.
TEST(FakeCli, AGatePerCommandHoldsOnlyThatCommand) {
    TempDir dir;
    const Env env{
        {"SCRIBENTA_FAKE_CLI_BUILD_GATE", (dir / "gate").string()},
        {"SCRIBENTA_FAKE_CLI_BUILD_AFTER_GATE", "I\tbuilt\n"},
        {"SCRIBENTA_FAKE_CLI_AFTER_GATE", "I\tnot this\n"},
        {"SCRIBENTA_FAKE_CLI_VERSIONS_OUTPUT", "R\t1.2\t1.2.3\t2024-05-01\tpending\t1\n"}};
    Child build({"build", "/p/.scribenta-project", "--porcelain"}, env);
    Child listing({"versions", "/p/.scribenta-project", "--porcelain"}, env);
    EXPECT_EQ(listing.read_all(), "R\t1.2\t1.2.3\t2024-05-01\tpending\t1\n");
    EXPECT_EQ(listing.exit_code(), 0);
    EXPECT_TRUE(build.running());

    dir.write("gate", "");
    EXPECT_EQ(build.read_all(), "I\tbuilt\n");
    EXPECT_EQ(build.exit_code(), 0);
}

}  // namespace
