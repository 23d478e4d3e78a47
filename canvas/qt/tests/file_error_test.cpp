// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/qt/file_error.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "canvas/error_reason.h"

namespace trazalia::canvas {
namespace {

struct Failure {
    const char* name;
    // Inside a folder that holds one regular file, "archivo".
    const char* path;
    QIODevice::OpenMode mode;
    const char* says;
    friend void PrintTo(const Failure& row, std::ostream* os) { *os << row.name; }
};

class OpenErrorTest : public testing::TestWithParam<Failure> {};

// Qt found these itself, or left errno to whatever ran after: the path alone tells why.
TEST_P(OpenErrorTest, TheSystemSaysWhyWhateverQtLeftInErrno) {
    const QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("archivo")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const QString path = folder.path() + u'/' + QString::fromUtf8(GetParam().path);
    EXPECT_EQ(ErrorReason(OpenError(path, GetParam().mode, 0)), GetParam().says);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Paths, OpenErrorTest, testing::Values(
    Failure{"ReadAFolder", ".", QIODevice::ReadOnly, "es una carpeta"},
    Failure{"ReadMissing", "falta.csv", QIODevice::ReadOnly, "no existe"},
    Failure{"WriteBelowAFile", "archivo/a.png", QIODevice::WriteOnly,
            "una parte de la ruta no es una carpeta"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace trazalia::canvas
