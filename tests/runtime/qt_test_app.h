#pragma once

// One QApplication for the whole test program, with settings and the
// configuration home in a private temporary folder, so no test reads or
// writes the user's real settings.

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdlib>
#include <memory>

namespace runtime_test {

class QtAppEnvironment : public testing::Environment {
public:
    void SetUp() override {
        home_ = std::make_unique<QTemporaryDir>();
        const QByteArray home = home_->path().toUtf8();
        ::setenv("XDG_CONFIG_HOME", home.constData(), 1);
        QStandardPaths::setTestModeEnabled(true);
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home_->path());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home_->path());
        app_ = std::make_unique<QApplication>(argc_, argv_);
        QCoreApplication::setOrganizationName("scribenta-tests");
        QCoreApplication::setApplicationName(
            QStringLiteral("runtime-%1").arg(QCoreApplication::applicationPid()));
    }
    void TearDown() override {
        app_.reset();
        home_.reset();
    }

private:
    int argc_ = 1;
    char name_[16] = "runtime_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QTemporaryDir> home_;
    std::unique_ptr<QApplication> app_;
};

inline const testing::Environment* const kQtApp =
    testing::AddGlobalTestEnvironment(new QtAppEnvironment);

}  // namespace runtime_test
