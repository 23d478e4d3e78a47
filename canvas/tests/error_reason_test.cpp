// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/error_reason.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <ios>

namespace trazalia::canvas {
namespace {

struct Reason {
    const char* name;
    std::error_code code;
    std::string says;
    friend void PrintTo(const Reason& row, std::ostream* os) { *os << row.name; }
};

class ErrorReasonTest : public testing::TestWithParam<Reason> {};

TEST_P(ErrorReasonTest, WordsAnErrnoItselfAndAnyOtherCodeByItsCategory) {
    EXPECT_EQ(ErrorReason(GetParam().code), GetParam().says);
}

// The stream's code has the value of EPERM: only its category tells them apart.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Codes, ErrorReasonTest, testing::Values(
    Reason{"GenericErrno", {ENOENT, std::generic_category()}, "no existe"},
    Reason{"SystemErrno", {ENOSPC, std::system_category()}, "no queda espacio en el dispositivo"},
    Reason{"UnknownErrno", {9999, std::generic_category()}, "error 9999 del sistema"},
    Reason{"StreamCode", std::make_error_code(std::io_errc::stream),
           std::make_error_code(std::io_errc::stream).message()}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace trazalia::canvas
