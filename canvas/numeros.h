// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Floating point written and read without the C library's locale, and without floating-point
// std::to_chars/from_chars, which the WebAssembly toolchain's C++ library lacks. Each function
// gives byte for byte what libstdc++'s std::to_chars/from_chars give.

namespace trazalia::canvas {

// The shortest text that reads back to the same float, fixed or scientific, whichever is
// shorter: "3500", "6.26575", "-5e-08", "1e+05", "123456792".
std::string Corto(float valor);

// The shortest text in fixed notation that reads back to the same double: "0.1", "1e23" as
// "99999999999999991611392".
std::string Fijo(double valor);

// Fixed notation with `decimales` (0 or more) decimals, correctly rounded from the exact
// value with ties to even; a negative value keeps its sign even when it rounds to zero.
std::string Fijo(double valor, int decimales);

// The whole text as a decimal in fixed notation ("-12.5", ".5", "3."), correctly rounded;
// nothing for any other text, for a value beyond the doubles and for one that is not zero but
// rounds to zero.
std::optional<double> LeerReal(std::string_view texto);

}  // namespace trazalia::canvas
