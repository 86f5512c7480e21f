#pragma once

// Request and result records of the platform services. The engine only passes
// them through its service slots; the desktop runtime fills and reads them.
// No Qt here, so the engine can include this header.

#include <string>
#include <utility>
#include <vector>

namespace Ostrel {

// A raw header: name, then value.
using HeaderPair = std::pair<std::string, std::string>;

struct HttpRequest {
    std::string method;  // empty means GET
    std::string url;
    std::vector<HeaderPair> headers;  // set in order
    std::string body;
    std::string content_type;  // empty means no Content-Type header
};

struct HttpResponse {
    int status = 0;  // 0 when no HTTP reply arrived
    std::string body;
    std::string error;  // set only when status is 0
};

struct PickRequest {
    std::string mode;  // "dir", "save", anything else picks an existing file
    std::string title;
    std::string filter;     // Qt name-filter notation; empty means none
    std::string directory;  // empty means the dialog's default
    bool show_hidden = false;
};

struct UploadResult {
    bool cancelled = false;
    int status = 0;  // 0 when no HTTP reply arrived
    std::string body;
    std::string error;
};

// The outcome of one update check; every finished check fills all fields.
struct UpdateResult {
    bool ok = false;         // the manifest was fetched and read
    std::string error;       // why not, when ok is false
    bool available = false;  // the manifest names a newer version
    std::string latest_version;
    std::string notes_url;      // empty when the manifest gives none
    std::string download_page;  // empty when the manifest gives none
    std::string download_url;   // the platform's download, else the download page
};

}  // namespace Ostrel
