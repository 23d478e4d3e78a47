// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/numeros.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>

// This machine's standard library has floating-point to_chars and from_chars: it is the
// reference the program's own conversions must match byte for byte.
namespace trazalia::canvas {
namespace {

std::string Estandar(float valor) {
    std::array<char, 64> b{};
    return {b.data(), std::to_chars(b.data(), b.data() + b.size(), valor).ptr};
}

std::string Estandar(double valor, int decimales) {
    std::array<char, 1200> b{};
    const auto [fin, ec] = decimales < 0 ? std::to_chars(b.data(), b.data() + b.size(), valor,
                                                         std::chars_format::fixed)
                                         : std::to_chars(b.data(), b.data() + b.size(), valor,
                                                         std::chars_format::fixed, decimales);
    return {b.data(), fin};
}

std::optional<double> LeidoPorElEstandar(std::string_view s) {
    double valor = 0;
    const auto [fin, ec] =
        std::from_chars(s.data(), s.data() + s.size(), valor, std::chars_format::fixed);
    if (ec != std::errc() || fin != s.data() + s.size() || !std::isfinite(valor))
        return std::nullopt;
    return valor;
}

// The shortest form first, then 0 to 3 decimals.
void ComoElEstandar(double d) {
    for (int decimales = -1; decimales <= 3; ++decimales)
        ASSERT_EQ(decimales < 0 ? Fijo(d) : Fijo(d, decimales), Estandar(d, decimales))
            << decimales << " decimals of " << Estandar(d, -1);
}

// Bit for bit, so that -0 and 0 differ.
void SeLeeComoEnElEstandar(const std::string& texto) {
    const std::optional<double> nuestro = LeerReal(texto), suyo = LeidoPorElEstandar(texto);
    ASSERT_EQ(nuestro.has_value(), suyo.has_value()) << '"' << texto << '"';
    if (nuestro) {
        ASSERT_EQ(std::memcmp(&*nuestro, &*suyo, sizeof(double)), 0) << texto;
    }
}

TEST(Numeros, WriteWhereFormatOrRoundingTurnsAsTheStandard) {
    constexpr float kInf = std::numeric_limits<float>::infinity();
    // Fixed against scientific at both ends, a whole number written exactly, the extremes.
    for (const float f : {0.f,          -0.f,        1e-5f,        1e-4f,
                          0.001f,       0.00012f,    1e4f,         1e5f,
                          1e+20f,       123456789.f, 16777216.f,   FLT_MAX,
                          -FLT_MAX,     FLT_MIN,     FLT_TRUE_MIN, FLT_MIN - FLT_TRUE_MIN,
                          6.26575f,     -5e-8f,      kInf,         -kInf,
                          std::nanf("")})
        EXPECT_EQ(Corto(f), Estandar(f)) << Estandar(f);
    // Ties to even, a sign kept at zero, huge and tiny values.
    for (const double d :
         {0.0, -0.0, -0.001, 0.125, 0.375, 2.5, -2.5, 9.995, 0.1, 1e22, 1e23, DBL_MAX, DBL_MIN,
          DBL_TRUE_MIN, std::pow(2.0, 53) + 2, -std::numeric_limits<double>::infinity()})
        ComoElEstandar(d);
}

TEST(Numeros, WriteRandomBitPatternsAndExactTiesAsTheStandard) {
    std::mt19937_64 azar(20261207);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t bits = azar();
        float f = 0;
        double d = 0;
        std::memcpy(&f, &bits, sizeof f);
        std::memcpy(&d, &bits, sizeof d);
        ASSERT_EQ(Corto(f), Estandar(f)) << bits;
        ASSERT_NO_FATAL_FAILURE(ComoElEstandar(d));
        // A few binary digits after the point make ties at the decimals written.
        ASSERT_NO_FATAL_FAILURE(ComoElEstandar(
            std::ldexp(static_cast<double>(bits % 200001) - 100000, -int(bits >> 60))));
        // Values of the program's kind: read-outs and twips, results of a division.
        ASSERT_NO_FATAL_FAILURE(ComoElEstandar(static_cast<double>(bits % 4000001) / 97 - 20000));
        if (std::isfinite(d)) {
            ASSERT_NO_FATAL_FAILURE(SeLeeComoEnElEstandar(Fijo(d)));
        }
    }
}

TEST(Numeros, ReadWhatTheStandardReadsAndRefuseWhatItRefuses) {
    const std::string ceros(323, '0');
    // Signs, points, an exponent or spaces around; beyond the doubles, below half the least,
    // at it and at the midpoint above the largest; ties to even past 2^53.
    const std::string textos[] = {
        "",
        "-",
        ".",
        "-.",
        "+1",
        " 1",
        "1 ",
        "1e5",
        "inf",
        "nan",
        "0x10",
        "1.5.5",
        "-0",
        ".5",
        "-5.",
        "00012.50",
        "1" + std::string(309, '0'),
        "0." + ceros + "247032822920623272",
        "0." + ceros + "247032822920623273",
        "-0." + ceros + "0",
        Estandar(DBL_MAX, -1),
        "179769313486231580793728971405303415079934132710037826936173778980444968292764750946"
        "649017977587207096330286416692887910946555547851940402630657488671505820681908902000"
        "708383676273854845817711531764475730270069855571366959622842914819860834936475292719"
        "074168444365510704342711559699508093042880177904174497792",
        "9007199254740993",
        "9007199254740995.0"};
    for (const std::string& texto : textos) SeLeeComoEnElEstandar(texto);
    std::mt19937 azar(7);
    for (int i = 0; i < 100000; ++i) {
        std::string corta, larga;
        for (auto n = azar() % 12; n-- > 0;) corta += "0123456789.-e+ "[azar() % 15];
        for (auto n = 1 + azar() % 40; n-- > 0;) larga += static_cast<char>('0' + azar() % 10);
        larga.insert(azar() % (larga.size() + 1), 1, '.');
        ASSERT_NO_FATAL_FAILURE(SeLeeComoEnElEstandar(corta));
        ASSERT_NO_FATAL_FAILURE(SeLeeComoEnElEstandar(larga));
    }
}

}  // namespace
}  // namespace trazalia::canvas
