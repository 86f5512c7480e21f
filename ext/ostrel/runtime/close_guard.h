#pragma once

// The main window's close. A close the user causes (the title bar's close
// button, Alt+F4, the window manager's close) first asks the store's
// close_request, which may keep the window open while the application asks
// about unsaved work; the close_window_service the guard installs closes it
// without asking again. Quit signals leave the event loop without any close
// event, so they never ask.

#include <QObject>

#include "ext/ostrel/engine/oapp.h"

class QWidget;

namespace Ostrel {

class CloseGuard : public QObject {
public:
    // Becomes a child of the window, watches its close events and installs
    // OApp::close_window_service, which does nothing once the guard is gone.
    CloseGuard(OApp& app, QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void close_now();

    OApp* app_;
    QWidget* window_;
    bool closing_ = false;  // inside close_now: the close asks nothing
};

}  // namespace Ostrel
