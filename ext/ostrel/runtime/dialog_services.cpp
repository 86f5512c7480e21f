#include "ext/ostrel/runtime/dialog_services.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <filesystem>
#include <utility>

#include "config/safe_write.h"

namespace Ostrel {

void install_qt_file_pick(OApp& app) {
    app.pick_service = qt_pick_file;
}

void qt_pick_file(const PickRequest& request, PathCallback done) {
    QFileDialog dialog(nullptr, QString::fromStdString(request.title));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    if (request.mode == "dir") {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly, true);
    } else if (request.mode == "save") {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (!request.filter.empty()) dialog.setNameFilter(QString::fromStdString(request.filter));
    if (request.show_hidden) dialog.setFilter(dialog.filter() | QDir::Hidden);
    if (!request.directory.empty()) dialog.setDirectory(QString::fromStdString(request.directory));
    std::string chosen;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        chosen = dialog.selectedFiles().constFirst().toStdString();
    }
    if (done) done(chosen);
}

void save_file_dialog(const std::string& name, const std::string& /*unused*/,
                      const std::string& content, SavedCallback done) {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(
        nullptr, QStringLiteral("Save"), documents + "/" + QString::fromStdString(name));
    bool saved = false;
    if (!path.isEmpty()) {
        saved = Scribenta::safe_write_file(std::filesystem::path(path.toStdString()), content);
    }
    if (done) done(saved);
}

}  // namespace Ostrel
