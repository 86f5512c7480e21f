#include "ext/ostrel/runtime/process_service.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStringList>
#include <memory>
#include <utility>
#include <vector>

#include "ext/ostrel/runtime/service_anchor.h"

namespace Ostrel {
namespace {

// One run: output not yet delivered as a line and whether the exit has been
// reported. Shared by the handlers connected to the process's signals, so it
// lives exactly as long as the process object.
struct ProcessRun {
    OApp* app = nullptr;
    AnchorRef life;
    QProcess* process = nullptr;
    QByteArray buffer;
    bool done = false;
    bool starting = false;  // inside QProcess::start
    LineCallback on_line;
    ExitCallback on_exit;
};

bool is_live(const ProcessRun& run) {
    return !run.life.expired();
}

void deliver_line(ProcessRun& run, const std::string& line) {
    if (run.on_line) run.on_line(line);
}

// Reads what is there and delivers every complete line; one after-callback
// per read that delivered at least one.
void process_read_lines(ProcessRun& run) {
    run.buffer += run.process->readAll();
    bool delivered = false;
    for (qsizetype end = run.buffer.indexOf('\n'); end >= 0; end = run.buffer.indexOf('\n')) {
        QByteArray line = run.buffer.left(end);
        if (line.endsWith('\r')) line.chop(1);
        run.buffer.remove(0, end + 1);
        delivered = true;
        deliver_line(run, line.toStdString());
        if (!is_live(run)) return;
    }
    if (delivered) run_after_callback(*run.app);
}

void report_exit(ProcessRun& run, int code) {
    run.done = true;
    if (run.on_exit) run.on_exit(code);
    if (is_live(run)) run_after_callback(*run.app);
    run.process->deleteLater();
}

void process_finished(ProcessRun& run, int exit_code, QProcess::ExitStatus status) {
    process_read_lines(run);
    if (!is_live(run)) return;
    if (!run.buffer.isEmpty()) {
        // The last line without "\n" goes out as written, "\r" included.
        const std::string rest = run.buffer.toStdString();
        run.buffer.clear();
        deliver_line(run, rest);
        if (!is_live(run)) return;
    }
    if (run.done) return;
    report_exit(run, status == QProcess::CrashExit ? -1 : exit_code);
}

void on_process_error(const std::shared_ptr<ProcessRun>& shared, QProcess::ProcessError error) {
    ProcessRun& run = *shared;
    // A crash is reported by the finish handler; other errors end nothing.
    if (error != QProcess::FailedToStart || run.done) return;
    if (run.starting) {
        // Reported from inside start(): deliver from the event loop, so the
        // caller's exit callback never runs inside its own run_process call.
        QMetaObject::invokeMethod(
            run.process,
            [shared] {
                if (!shared->done && is_live(*shared)) report_exit(*shared, -1);
            },
            Qt::QueuedConnection);
        return;
    }
    report_exit(run, -1);
}

void qt_run_process(OApp& app, const std::shared_ptr<ServiceAnchor>& anchor,
                    const std::vector<std::string>& argv, LineCallback on_line,
                    ExitCallback on_exit) {
    if (argv.empty() || !anchor->object()) {
        if (on_exit) on_exit(-1);
        return;
    }
    auto* process = new QProcess(anchor->object());
    process->setProcessChannelMode(QProcess::MergedChannels);
    QStringList arguments;
    for (std::size_t i = 1; i < argv.size(); ++i) arguments << QString::fromStdString(argv[i]);

    auto run = std::make_shared<ProcessRun>();
    run->app = &app;
    run->life = anchor;
    run->process = process;
    run->on_line = std::move(on_line);
    run->on_exit = std::move(on_exit);

    QObject::connect(process, &QProcess::readyReadStandardOutput, process,
                     [run] { process_read_lines(*run); });
    QObject::connect(
        process, &QProcess::finished, process,
        [run](int code, QProcess::ExitStatus status) { process_finished(*run, code, status); });
    QObject::connect(process, &QProcess::errorOccurred, process,
                     [run](QProcess::ProcessError error) { on_process_error(run, error); });
    // At quit nothing more may reach the caller: cut every connection, then kill.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, process,
                     [process] {
                         process->disconnect();
                         process->kill();
                     });
    run->starting = true;
    process->start(resolve_program(argv.front()), arguments, QIODevice::ReadWrite);
    run->starting = false;
}

}  // namespace

QString resolve_program(const std::string& name) {
    const QString program = QString::fromStdString(name);
    if (program.contains('/') || program.contains('\\')) return program;
    const QString base = QCoreApplication::applicationDirPath() + "/" + program;
    for (const QString& candidate : {base, base + ".exe"}) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable()) return candidate;
    }
    return program;
}

void install_qt_process(OApp& app) {
    auto anchor = std::make_shared<ServiceAnchor>();
    app.process_service = [&app, anchor](const std::vector<std::string>& argv, LineCallback on_line,
                                         ExitCallback on_exit) {
        qt_run_process(app, anchor, argv, std::move(on_line), std::move(on_exit));
    };
}

}  // namespace Ostrel
