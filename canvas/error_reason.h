// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <system_error>

namespace trazalia::canvas {

// Why an operating-system call failed, in the program's own Spanish words, as every error it
// reports about files and streams says it: the system's text would follow the desktop's language
// and the translations installed. A code of the generic or the system category is an errno; a
// code of any other category says its own message.
std::string ErrorReason(std::error_code code);

// ErrorReason's phrase for an errno, as written, for a caller that shows it in the user's
// language; "%1" stands for the number where the program has no words of its own. Null for a
// code of another category.
const char* ErrorPhrase(std::error_code code);

}  // namespace trazalia::canvas
