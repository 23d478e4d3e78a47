// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace trazalia::canvas {

// Why an operating-system call failed, in the program's own Spanish words, as every error it
// reports about files and streams says it: the system's text would follow the desktop's language
// and the translations installed. A code of the generic or the system category is an errno; one
// of FileProblem's, a reason no errno words; a code of any other category says its own message.
std::string ErrorReason(std::error_code code);

// ErrorReason's phrase for an errno or a FileProblem, as written, for a caller that shows it in
// the user's language; "%1" stands for the number where the program has no words of its own.
// Null for a code of another category.
const char* ErrorPhrase(std::error_code code);

// What a file can be refused for where the system's call gave no fitting errno.
enum class FileProblem {
    // A file is saved through a new temporary beside it, and this folder takes none (/proc).
    FolderTakesNoFiles = 1,
    // A device such as /dev/zero, read where a file was expected.
    Device,
};
std::error_code MakeErrorCode(FileProblem problem);

// Text fit for a terminal line: control characters (C0, DEL and C1) and bytes that are not UTF-8
// as escapes (\n, \r, \t, \x1b), the rest as it is, so that no text read from a file or typed by
// someone can move the cursor, clear the screen or split a line.
std::string Printable(std::string_view text);

// A text quoted in a reason, «like this», cut short at a character's start after 60 bytes with an
// ellipsis, so that a reason stays one short line.
std::string Quoted(std::string_view text);

}  // namespace trazalia::canvas
