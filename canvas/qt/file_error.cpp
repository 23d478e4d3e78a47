// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/qt/file_error.h"

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include "canvas/error_reason.h"

namespace trazalia::canvas {
namespace {

std::error_code Errno() { return {errno, std::generic_category()}; }

}  // namespace

std::error_code OpenError(const QString& path, QIODevice::OpenMode mode, int cause) {
    const QByteArray file = QFile::encodeName(path);
    struct stat st {};
    const bool exists = ::stat(file.constData(), &st) == 0;
    const std::error_code missing = exists ? std::error_code() : Errno();
    if (exists && S_ISDIR(st.st_mode)) return std::make_error_code(std::errc::is_a_directory);
    if (mode & QIODevice::WriteOnly) {
        const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
        struct stat dir {};
        if (::stat(folder.constData(), &dir) != 0) return Errno();
        if (!S_ISDIR(dir.st_mode)) return std::make_error_code(std::errc::not_a_directory);
        if (::access(folder.constData(), W_OK | X_OK) != 0) return Errno();
        if (exists && ::access(file.constData(), W_OK) != 0) return Errno();
        // The folder is there and may be written, yet creating the temporary in it found "no
        // such file": a folder of the kernel's, such as /proc, that takes no new files.
        if (cause == ENOENT) return MakeErrorCode(FileProblem::FolderTakesNoFiles);
    } else {
        if (!exists) return missing;
        if (::access(file.constData(), R_OK) != 0) return Errno();
    }
    return IoError(cause);
}

std::error_code IoError(int cause) { return {cause != 0 ? cause : EIO, std::generic_category()}; }

QString Reason(std::error_code code) {
    const char* phrase = ErrorPhrase(code);
    if (!phrase) return QString::fromStdString(code.message());
    QString text = QCoreApplication::translate("Trazalia", phrase);
    return text.contains(QLatin1String("%1")) ? text.arg(code.value()) : text;
}

}  // namespace trazalia::canvas
