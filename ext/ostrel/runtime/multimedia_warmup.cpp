#include <QAudioOutput>
#include <QCoreApplication>
#include <QEventLoop>
#include <QMediaPlayer>
#include <QThread>
#include <QTimer>
#include <QVideoSink>
#include <memory>

#include "ext/ostrel/desktop/media_backend.h"
#include "ext/ostrel/runtime/startup_steps.h"

namespace Ostrel {
namespace {

constexpr int kWarmupMs = 1500;
constexpr int kInterruptPollMs = 50;
constexpr int kQuitWaitMs = 3000;

// The thread's body: its own media objects and event loop. Where no player
// can be made safely there is nothing to warm up.
void multimedia_warmup() {
    if (!media_player_available()) return;
    auto player = std::make_unique<QMediaPlayer>();
    auto sink = std::make_unique<QVideoSink>();
    auto output = std::make_unique<QAudioOutput>();
    player->setVideoSink(sink.get());
    player->setAudioOutput(output.get());
    auto loop = std::make_unique<QEventLoop>();
    QTimer::singleShot(kWarmupMs, loop.get(), &QEventLoop::quit);
    auto poll = std::make_unique<QTimer>();
    QObject::connect(poll.get(), &QTimer::timeout, loop.get(), [&loop] {
        if (QThread::currentThread()->isInterruptionRequested()) loop->quit();
    });
    poll->start(kInterruptPollMs);
    loop->exec();
    poll.reset();
    loop.reset();
    output.reset();
    sink.reset();
    player.reset();
}

}  // namespace

void start_multimedia_warmup() {
    QThread* thread = QThread::create(multimedia_warmup);
    thread->setObjectName("ostrel-mm-warmup");
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, thread,
                     [thread] {
                         thread->requestInterruption();
                         thread->wait(kQuitWaitMs);
                     });
    // Direct: the deferred deletion is posted as soon as the thread ends, so
    // the shut-down's pass over deferred deletions frees the object.
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater,
                     Qt::DirectConnection);
    thread->start(QThread::InheritPriority);
}

}  // namespace Ostrel
