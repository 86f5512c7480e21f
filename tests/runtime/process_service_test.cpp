#include "ext/ostrel/runtime/process_service.h"

#include <signal.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTimer>

#include "tests/runtime/service_fixture.h"

namespace runtime_test {
namespace {

// Writes an executable shell script.
QString write_script(const QString& path, const QByteArray& body) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write("#!/bin/sh\n" + body);
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

// Waits until the file named by the argument exists.
QByteArray gate(const char* argument) {
    return QByteArray("while [ ! -e \"") + argument + "\" ]; do sleep 0.01; done\n";
}

void touch(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
}

// One run's deliveries, with the after-callbacks of the store interleaved.
struct Deliveries {
    Strings lines;
    std::vector<int> exits;
};

struct ProcessService : ServiceTest {
    QTemporaryDir dir;

    void SetUp() override {
        ServiceTest::SetUp();
        Ostrel::install_qt_process(*app);
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    void start(Deliveries& run, const std::vector<std::string>& argv) {
        app->run_process(
            argv,
            [this, &run](const std::string& line) {
                run.lines.push_back(line);
                log.push_back("line " + line);
            },
            [this, &run](int code) {
                run.exits.push_back(code);
                log.push_back("exit " + std::to_string(code));
            });
    }

    bool wait_exit(const Deliveries& run) {
        return wait_for([&run] { return !run.exits.empty(); });
    }
};

TEST_F(ProcessService, LinesWithoutLineEndsThenTheRemainderThenOneExit) {
    const QString script =
        write_script(path("lines.sh"), "printf 'one\\r\\ntwo\\n'\n" + gate("$1") +
                                           "printf 'par'\n" + gate("$2") +
                                           "printf 'tial\\nlast\\r'\n"
                                           "exit 3\n");
    Deliveries run;
    start(run, {script.toStdString(), path("gate1").toStdString(), path("gate2").toStdString()});
    ASSERT_TRUE(wait_for([&run] { return run.lines.size() == 2; }));
    // Both lines of one read, then one after-callback for the batch.
    EXPECT_EQ(log, (Strings{"line one", "line two", "after"}));
    touch(path("gate1"));
    touch(path("gate2"));
    ASSERT_TRUE(wait_exit(run));
    // "par" alone delivered nothing; the remainder keeps its "\r" and has no
    // after-callback of its own; the exit has one.
    EXPECT_EQ(log, (Strings{"line one", "line two", "after", "line partial", "after", "line last\r",
                            "exit 3", "after"}));
}

TEST_F(ProcessService, ExitReports) {
    struct Case {
        std::string name;
        QByteArray script;  // empty: argv names a program that does not exist
        Strings lines;
        int exit;
    };
    const std::vector<Case> cases = {
        {"clean exit", "echo done\n", {"done"}, 0},
        {"exit code", "echo failing\nexit 7\n", {"failing"}, 7},
        {"standard error merged", "echo to-error >&2\n", {"to-error"}, 0},
        {"crash after a message", "echo bye\nkill -9 $$\n", {"bye"}, -1},
        {"missing program", "", {}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        log.clear();
        const std::string program = c.script.isEmpty()
                                        ? path("no/such-program").toStdString()
                                        : write_script(path("case.sh"), c.script).toStdString();
        Deliveries run;
        start(run, {program});
        EXPECT_EQ(run.exits, std::vector<int>{});  // never inside the call
        ASSERT_TRUE(wait_exit(run));
        EXPECT_EQ(run.lines, c.lines);
        EXPECT_EQ(run.exits, std::vector<int>{c.exit});
        EXPECT_EQ(log.back(), "after");
    }
}

TEST_F(ProcessService, AnEmptyArgumentListExitsAtOnceWithoutAfterCallback) {
    Deliveries run;
    start(run, {});
    EXPECT_EQ(log, Strings{"exit -1"});
}

TEST_F(ProcessService, ConcurrentRunsKeepTheirOwnBuffers) {
    const QString a = write_script(path("a.sh"), "printf 'aa'\n" + gate("$1") + "printf 'A\\n'\n");
    const QString b = write_script(path("b.sh"), "printf 'bb'\n" + gate("$1") + "printf 'B\\n'\n");
    Deliveries run_a;
    Deliveries run_b;
    start(run_a, {a.toStdString(), path("gate-a").toStdString()});
    start(run_b, {b.toStdString(), path("gate-b").toStdString()});
    touch(path("gate-b"));
    ASSERT_TRUE(wait_exit(run_b));
    touch(path("gate-a"));
    ASSERT_TRUE(wait_exit(run_a));
    EXPECT_EQ(run_a.lines, Strings{"aaA"});
    EXPECT_EQ(run_b.lines, Strings{"bbB"});
    EXPECT_EQ(run_a.exits, std::vector<int>{0});
    EXPECT_EQ(run_b.exits, std::vector<int>{0});
}

TEST_F(ProcessService, ABareNameIsLookedUpBesideTheExecutable) {
    const QString name =
        QStringLiteral("runtime-test-helper-%1").arg(QCoreApplication::applicationPid());
    const QString beside =
        write_script(QCoreApplication::applicationDirPath() + "/" + name, "echo beside \"$1\"\n");
    Deliveries run;
    start(run, {name.toStdString(), "arg with spaces"});
    const bool exited = wait_exit(run);
    QFile::remove(beside);
    ASSERT_TRUE(exited);
    EXPECT_EQ(run.lines, Strings{"beside arg with spaces"});
    EXPECT_EQ(run.exits, std::vector<int>{0});
}

TEST_F(ProcessService, ResolvingProgramNames) {
    const QString exe_dir = QCoreApplication::applicationDirPath();
    const QString plain =
        QStringLiteral("runtime-test-plain-%1").arg(QCoreApplication::applicationPid());
    // A file beside the executable that may not be run does not count.
    QFile(exe_dir + "/" + plain).open(QIODevice::WriteOnly);
    const QString windows =
        QStringLiteral("runtime-test-win-%1").arg(QCoreApplication::applicationPid());
    write_script(exe_dir + "/" + windows + ".exe", "exit 0\n");
    const std::vector<std::pair<std::string, QString>> cases = {
        {"dir/tool", "dir/tool"},
        {"dir\\tool", "dir\\tool"},
        {"scribenta-no-such-tool", "scribenta-no-such-tool"},
        {plain.toStdString(), plain},
        {windows.toStdString(), exe_dir + "/" + windows + ".exe"},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(Ostrel::resolve_program(name), expected) << name;
    }
    QFile::remove(exe_dir + "/" + plain);
    QFile::remove(exe_dir + "/" + windows + ".exe");
}

// Waits for the script's process to be reaped after a kill.
bool wait_gone(const QString& pid_file) {
    QFile file(pid_file);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QString proc = "/proc/" + QString::fromUtf8(file.readAll().trimmed());
    return wait_for([&proc] { return !QFileInfo::exists(proc); });
}

TEST_F(ProcessService, QuittingKillsARunWithoutReportingIt) {
    const QString script =
        write_script(path("forever.sh"), "echo $$ > \"$1\"\necho started\n" + gate("$2"));
    Deliveries run;
    start(run, {script.toStdString(), path("pid").toStdString(), path("never").toStdString()});
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&run] {
        if (!run.lines.empty()) QCoreApplication::quit();
    });
    poll.start(5);
    QCoreApplication::exec();  // about-to-quit kills the run
    poll.stop();
    ASSERT_TRUE(wait_gone(path("pid")));
    QCoreApplication::processEvents();
    EXPECT_EQ(run.lines, Strings{"started"});
    EXPECT_EQ(run.exits, std::vector<int>{});
}

TEST_F(ProcessService, DestroyingTheStoreKillsItsRunsWithoutReportingThem) {
    const QString script =
        write_script(path("forever.sh"), "echo $$ > \"$1\"\necho started\n" + gate("$2"));
    Deliveries run;
    start(run, {script.toStdString(), path("pid").toStdString(), path("never").toStdString()});
    ASSERT_TRUE(wait_for([&run] { return !run.lines.empty(); }));
    app.reset();
    ASSERT_TRUE(wait_gone(path("pid")));
    QCoreApplication::processEvents();
    EXPECT_EQ(run.exits, std::vector<int>{});
    EXPECT_EQ(log, (Strings{"line started", "after"}));
}

}  // namespace
}  // namespace runtime_test
