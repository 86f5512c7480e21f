#pragma once

// The small desktop services (URL opening, clipboard, timers, posted calls)
// and the installation of the whole service set.

#include <string>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

// Hands the URL, parsed tolerantly, to the desktop's default handler.
void qt_open_url(const std::string& url);
// Puts the text on the general clipboard when the application has one.
void qt_copy_text(const std::string& text);

// Stores qt_set_timeout into OApp::timer_service: a single-shot timer; on
// expiry the callback, then the after-callback. Timers are independent and
// fire in deadline order.
void install_qt_timer(OApp& app);
// Stores qt_post into OApp::post_service: the callback runs from the event
// loop, never inside the posting call, then the after-callback.
void install_qt_post(OApp& app);

// All nine platform services in start-up order: HTTP, upload, file pick,
// process runner, URL opening, clipboard, save dialog, timer, post.
void install_qt_services(OApp& app);

}  // namespace Ostrel
