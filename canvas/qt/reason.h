// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <system_error>

namespace trazalia::canvas {

// Why an operating-system call failed, in Spanish where the program knows the words, as every
// error it reports about files and streams says it.
std::string ErrorReason(std::error_code code);

}  // namespace trazalia::canvas
