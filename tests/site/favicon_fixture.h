#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "tests/config/temp_dir.h"

namespace favicon_test {

// One QGuiApplication for the whole test program, as in the editor, where
// the generator runs on the GUI thread.
class GuiEnvironment : public testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QGuiApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[16] = "favicon_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> app_;
};

// Registered once for every test file that includes this header.
inline testing::Environment* const kGuiEnvironment =
    testing::AddGlobalTestEnvironment(new GuiEnvironment);

constexpr QRgb kRed = 0xffff0000;
constexpr QRgb kClear = 0x00000000;

// A 300 x 100 opaque red source: scaled into a square it leaves a third of
// the height above and below, which shows the fill behind the image.
inline std::string wide_png(const TempDir& dir, const std::string& name = "wide.png") {
    QImage image(300, 100, QImage::Format_ARGB32);
    image.fill(kRed);
    const std::filesystem::path path = dir / name;
    image.save(QString::fromStdString(path.string()), "PNG");
    return path.string();
}

inline std::string wide_svg(const TempDir& dir, const std::string& name = "wide.svg") {
    return dir
        .write(name,
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"300\" height=\"100\" "
               "viewBox=\"0 0 300 100\"><rect width=\"300\" height=\"100\" fill=\"red\"/></svg>")
        .string();
}

// Little-endian readers for checking ICO bytes.
inline unsigned u8(const QByteArray& data, qsizetype at) {
    return std::uint8_t(data.at(at));
}
inline unsigned u16(const QByteArray& data, qsizetype at) {
    return u8(data, at) | u8(data, at + 1) << 8;
}
inline std::uint32_t u32(const QByteArray& data, qsizetype at) {
    return u16(data, at) | std::uint32_t(u16(data, at + 2)) << 16;
}

inline QImage load(const std::filesystem::path& path) {
    return QImage(QString::fromStdString(path.string())).convertToFormat(QImage::Format_ARGB32);
}

}  // namespace favicon_test
