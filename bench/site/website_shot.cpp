// Writes the website panel of the sample site as PNGs in both themes:
// website_shot <folder>. The panel is scrolled through in window-high steps.

#include <QElapsedTimer>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <cstdio>

#include "bench/site/site_screen.h"
#include "ext/ostrel/desktop/editor_widget.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: website_shot <folder>\n");
        return 2;
    }
    site_bench::qt_app();
    const std::string folder = argv[1];
    const std::pair<const char*, const char*> themes[] = {{"dark", "Dark (zozeravuderedada)"},
                                                          {"light", "Light (zozeravuderedada)"}};
    for (const auto& [tag, theme] : themes) {
        site_bench::SiteScreen screen(theme);
        // Some typing, so the shot shows the previews following the fields.
        const auto& p = screen.site().paths;
        if (const auto* entry = screen.view().find(p.logo_height_mobile); entry && entry->editor) {
            QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("20"));
            QApplication::sendEvent(entry->editor->line_edit, &key);
        }
        // Lets the field's placeholder animation (150 ms) end before the shot.
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 300) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        screen.idle();
        QScrollArea* scroll = nullptr;
        for (auto* area : screen.root()->findChildren<QScrollArea*>()) {
            if (area->isVisible() && area->verticalScrollBar()->maximum() > 0) scroll = area;
        }
        for (int page = 0; page < 3; ++page) {
            const std::string file =
                folder + "/website-" + tag + "-" + std::to_string(page) + ".png";
            screen.root()->grab().toImage().save(QString::fromStdString(file));
            std::printf("%s\n", file.c_str());
            if (!scroll) break;
            scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->value() + 600);
            screen.idle();
        }
    }
    return 0;
}
