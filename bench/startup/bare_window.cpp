// The reference for the start-up benchmark: a bare Qt Widgets program that
// opens one frameless window of the editor's size, grabs it into a PNG and
// exits. Usage: startup_bare_window <png> [width height]

#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString shot = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("bare.png");
    const int width = argc > 3 ? QString::fromLocal8Bit(argv[2]).toInt() : 1000;
    const int height = argc > 3 ? QString::fromLocal8Bit(argv[3]).toInt() : 700;
    QWidget window;
    window.setWindowFlag(Qt::FramelessWindowHint, true);
    window.setAttribute(Qt::WA_TranslucentBackground, true);
    window.resize(width, height);
    window.show();
    QTimer::singleShot(1, &window, [&window, shot] {
        window.grab().save(shot);
        QCoreApplication::exit(0);
    });
    return QApplication::exec();
}
