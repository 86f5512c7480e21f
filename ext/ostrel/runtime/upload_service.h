#pragma once

// Multipart upload of one file the user chooses, through its own
// QNetworkAccessManager and without a transfer time-out.

#include <QString>
#include <functional>
#include <string>

#include "ext/ostrel/engine/oapp.h"

class QWidget;

namespace Ostrel {

// Creates the upload network manager and stores the upload service into
// OApp::upload_service, replacing any earlier one.
void install_qt_uploader(OApp& app);

// The open-file dialog's name filter for an accept string such as "image/*".
std::string file_filter_for_accept(const std::string& accept);

// The part's Content-Disposition value. A double quote, CR or LF in the field
// or file name is percent-escaped, so a file name cannot end the quoted
// string or the header early.
QByteArray upload_disposition(const QString& field_name, const QString& file_name);

// Asks for the file to upload; "" when cancelled. Replaceable so that tests
// can answer without a window.
using UploadFileChooser =
    std::function<QString(QWidget* parent, const QString& caption, const QString& filter)>;
// Defaults to QFileDialog::getOpenFileName with no start folder.
UploadFileChooser& upload_file_chooser();

}  // namespace Ostrel
