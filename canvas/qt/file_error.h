// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <system_error>

#include <QIODevice>
#include <QString>

namespace trazalia::canvas {

// Why opening path in that mode just failed, as an errno for ErrorReason: Qt's file classes say
// it only as text in the desktop's language. The path is looked at again with the system's own
// calls, so the answer does not hang on the steps Qt took; cause, errno right after the failed
// call (or 0), explains the rest. A file opened for writing is saved through a temporary beside
// it, so its folder must take a new file.
std::error_code OpenError(const QString& path, QIODevice::OpenMode mode, int cause);

// errno after a failed read, write or commit, or EIO when the call left none.
std::error_code IoError(int cause);

// ErrorReason in the language the program shows; Spanish while no translation is installed.
QString Reason(std::error_code code);

}  // namespace trazalia::canvas
