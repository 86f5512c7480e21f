// The store's doors to the platform services. A missing service is no error:
// the caller gets its fixed answer at once, without the after-callback.
// Each installed service is called through a copy, so it may replace or
// remove its own slot while it runs.

#include <utility>

#include "ext/ostrel/engine/oapp.h"

namespace Ostrel {

void OApp::set_timeout(int delay_ms, Callback fn) {
    if (!timer_service || !fn) return;
    const TimerService service = timer_service;
    service(delay_ms, std::move(fn));
}

void OApp::pick_file(const PickRequest& request, PathCallback done) {
    if (pick_service) {
        const PickService service = pick_service;
        service(request, std::move(done));
    } else if (done) {
        done(std::string());
    }
}

void OApp::run_process(const std::vector<std::string>& argv, LineCallback on_line,
                       ExitCallback on_exit) {
    if (process_service) {
        const ProcessService service = process_service;
        service(argv, std::move(on_line), std::move(on_exit));
    } else if (on_exit) {
        on_exit(-1);
    }
}

void OApp::http_request(const HttpRequest& request, HttpCallback done) {
    if (http_service) {
        const HttpService service = http_service;
        service(request, std::move(done));
    } else if (done) {
        done(HttpResponse{0, std::string(), "no http handler installed"});
    }
}

}  // namespace Ostrel
