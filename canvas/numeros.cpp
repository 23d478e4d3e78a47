// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/numeros.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

namespace trazalia::canvas {

namespace {

// A natural number in base 10^9, least significant limb first. 90 limbs hold the exact value
// of any double and of the midpoints around it (at most 770 digits).
class Natural {
public:
    explicit Natural(std::uint64_t valor) {
        for (; valor > 0; valor /= kBase)
            limbs_[size_++] = static_cast<std::uint32_t>(valor % kBase);
    }

    void Multiplicar(std::uint32_t factor) {
        std::uint64_t acarreo = 0;
        for (int i = 0; i < size_; ++i) {
            const std::uint64_t producto = std::uint64_t{limbs_[i]} * factor + acarreo;
            limbs_[i] = static_cast<std::uint32_t>(producto % kBase);
            acarreo = producto / kBase;
        }
        for (; acarreo > 0; acarreo /= kBase)
            limbs_[size_++] = static_cast<std::uint32_t>(acarreo % kBase);
    }

    void PorPotenciaDe2(int n) {
        for (; n >= 30; n -= 30) Multiplicar(1u << 30);
        Multiplicar(1u << n);
    }

    // By a factor below 10^18.
    void Multiplicar(std::uint64_t factor) {
        if (factor < kBase) return Multiplicar(static_cast<std::uint32_t>(factor));
        Natural alto = *this;
        alto.Multiplicar(static_cast<std::uint32_t>(factor / kBase));
        Multiplicar(static_cast<std::uint32_t>(factor % kBase));
        std::uint32_t acarreo = 0;
        for (int i = 0; i < alto.size_ || acarreo > 0; ++i) {
            if (i + 1 >= size_) limbs_[size_++] = 0;
            const std::uint32_t suma =
                limbs_[i + 1] + (i < alto.size_ ? alto.limbs_[i] : 0) + acarreo;
            limbs_[i + 1] = suma % kBase;
            acarreo = suma / kBase;
        }
    }

    std::string Cifras() const {
        if (size_ == 0) return "0";
        std::string texto = std::to_string(limbs_[size_ - 1]);
        std::size_t fin = texto.size();
        texto.resize(fin + 9 * static_cast<std::size_t>(size_ - 1));
        for (int i = size_ - 2; i >= 0; --i) {
            fin += 9;
            for (std::uint32_t limb = limbs_[i], j = 1; j <= 9; ++j, limb /= 10)
                texto[fin - j] = static_cast<char>('0' + limb % 10);
        }
        return texto;
    }

private:
    static constexpr std::uint32_t kBase = 1000000000;
    std::array<std::uint32_t, 90> limbs_{};
    int size_ = 0;
};

// cifras × 10^exponente, the digits without leading zeros.
struct Decimal {
    std::string cifras;
    int exponente = 0;
};

// 5^(13 i) for every i a double needs, worked out once: the tiniest values need 5^1076.
const Natural& CincoALas13Por(int i) {
    static const std::vector<Natural> tabla = [] {
        std::vector<Natural> potencias{Natural(1)};
        while (potencias.size() < 84) {
            potencias.push_back(potencias.back());
            potencias.back().Multiplicar(std::uint32_t{1220703125});
        }
        return potencias;
    }();
    return tabla.at(static_cast<std::size_t>(i));
}

// m × 2^e exactly, m below 2^56.
Decimal Exacto(std::uint64_t m, int e) {
    if (e >= 0) {
        Natural n(m);
        n.PorPotenciaDe2(e);
        return {n.Cifras(), 0};
    }
    // m × 5^-e × 10^e
    Natural n = CincoALas13Por(-e / 13);
    std::uint32_t resto = 1;
    for (int i = 0; i < -e % 13; ++i) resto *= 5;
    n.Multiplicar(resto);
    n.Multiplicar(m);
    return {n.Cifras(), e};
}

// A finite value as m × 2^e; its lower neighbour is closer than its upper one at the bottom of
// a binade.
struct Binario {
    std::uint64_t m = 0;
    int e = 0;
    bool negativo = false;
    bool anteriorMasCerca = false;
};

Binario DeBits(std::uint64_t bits, int bitsDeFraccion, int bitsDeExponente) {
    const int sesgo = (1 << (bitsDeExponente - 1)) - 1;
    const std::uint64_t fraccion = bits & ((std::uint64_t{1} << bitsDeFraccion) - 1);
    const int exponente =
        static_cast<int>((bits >> bitsDeFraccion) & ((1u << bitsDeExponente) - 1));
    Binario b;
    b.negativo = (bits >> (bitsDeFraccion + bitsDeExponente)) & 1;
    b.m = exponente == 0 ? fraccion : fraccion | std::uint64_t{1} << bitsDeFraccion;
    b.e = (exponente == 0 ? 1 : exponente) - sesgo - bitsDeFraccion;
    b.anteriorMasCerca = exponente > 1 && fraccion == 0;
    return b;
}

std::uint64_t BitsDe(double valor) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &valor, sizeof bits);
    return bits;
}

Binario DeDouble(double valor) { return DeBits(BitsDe(valor), 52, 11); }

Binario DeFloat(float valor) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &valor, sizeof bits);
    return DeBits(bits, 23, 8);
}

// What std::to_chars writes for infinities and NaNs.
std::optional<std::string> Especial(double valor) {
    if (std::isnan(valor)) return std::signbit(valor) ? "-nan" : "nan";
    if (std::isinf(valor)) return valor < 0 ? "-inf" : "inf";
    return std::nullopt;
}

bool SoloCeros(std::string_view cifras) {
    return cifras.find_first_not_of('0') == std::string_view::npos;
}

// The digits dropped in rounding against half a unit of the last digit kept.
int ContraLaMitad(std::string_view resto) {
    if (resto.empty() || resto[0] < '5') return -1;
    if (resto[0] > '5') return 1;
    return SoloCeros(resto.substr(1)) ? 0 : 1;
}

// The digits plus one in their last place.
std::string Siguiente(std::string cifras) {
    for (auto i = cifras.size(); i-- > 0;) {
        if (cifras[i] != '9') {
            ++cifras[i];
            return cifras;
        }
        cifras[i] = '0';
    }
    return '1' + cifras;
}

// The fewest digits that read back to the value (m > 0) and, among them, the closest to it,
// ties to even: the shortest multiple of a power of ten between the midpoints to its
// neighbours, which belong to it when m is even (reading rounds ties to even).
Decimal MasCorto(const Binario& b) {
    const std::uint64_t v = 4 * b.m;
    const Decimal alto = Exacto(v + 2, b.e - 2);
    Decimal medio = Exacto(v, b.e - 2);
    Decimal bajo = Exacto(b.anteriorMasCerca ? v - 1 : v - 2, b.e - 2);
    const bool incluye = b.m % 2 == 0;
    const std::size_t n = alto.cifras.size();
    medio.cifras.insert(0, n - medio.cifras.size(), '0');
    bajo.cifras.insert(0, n - bajo.cifras.size(), '0');
    const std::string_view h = alto.cifras, v10 = medio.cifras, l = bajo.cifras;
    for (std::size_t k = 1; k <= n; ++k) {
        const std::string_view abajo = v10.substr(0, k);
        const int contraBajo = abajo.compare(l.substr(0, k));
        const bool abajoVale =
            contraBajo > 0 || (contraBajo == 0 && incluye && SoloCeros(l.substr(k)));
        const std::string arriba = Siguiente(std::string(abajo));
        const int contraAlto =
            arriba.size() > k ? 1 : std::string_view(arriba).compare(h.substr(0, k));
        const bool arribaVale =
            contraAlto < 0 || (contraAlto == 0 && (incluye || !SoloCeros(h.substr(k))));
        if (!abajoVale && !arribaVale) continue;
        bool subir = arribaVale;
        if (abajoVale && arribaVale) {
            const int mitad = ContraLaMitad(v10.substr(k));
            subir = mitad > 0 || (mitad == 0 && (abajo.back() - '0') % 2 == 1);
        }
        Decimal corto{subir ? arriba : std::string(abajo),
                      medio.exponente + static_cast<int>(n - k)};
        corto.cifras.erase(0, corto.cifras.find_first_not_of('0'));
        while (corto.cifras.back() == '0') {
            corto.cifras.pop_back();
            ++corto.exponente;
        }
        return corto;
    }
    return medio;  // not reached: the value itself lies between the midpoints
}

// The shortest digits in fixed notation; a whole number is written exactly, as printf would.
std::string EnFijo(const Binario& b, const Decimal& corto) {
    if (corto.exponente >= 0) {
        Decimal exacto = Exacto(b.m, b.e);
        exacto.cifras.resize(exacto.cifras.size() -
                             static_cast<std::size_t>(-std::min(exacto.exponente, 0)));
        return exacto.cifras;
    }
    const int enteras = static_cast<int>(corto.cifras.size()) + corto.exponente;
    if (enteras <= 0)
        return "0." + std::string(static_cast<std::size_t>(-enteras), '0') + corto.cifras;
    return corto.cifras.substr(0, enteras) + '.' + corto.cifras.substr(enteras);
}

std::string EnCientifico(const Decimal& corto) {
    const int exponente = corto.exponente + static_cast<int>(corto.cifras.size()) - 1;
    std::string texto = corto.cifras.substr(0, 1);
    if (corto.cifras.size() > 1) texto += '.' + corto.cifras.substr(1);
    texto += exponente < 0 ? "e-" : "e+";
    if (std::abs(exponente) < 10) texto += '0';
    return texto + std::to_string(std::abs(exponente));
}

// -1, 0 or 1 as a is below, at or above b; both positive.
int Comparar(const Decimal& a, const Decimal& b) {
    const auto tamA = static_cast<int>(a.cifras.size()), tamB = static_cast<int>(b.cifras.size());
    if (tamA + a.exponente != tamB + b.exponente)
        return tamA + a.exponente < tamB + b.exponente ? -1 : 1;
    for (int i = 0; i < std::max(tamA, tamB); ++i) {
        const char x = i < tamA ? a.cifras[i] : '0', y = i < tamB ? b.cifras[i] : '0';
        if (x != y) return x < y ? -1 : 1;
    }
    return 0;
}

// At most 19 digits.
std::uint64_t Entero(std::string_view cifras) {
    std::uint64_t valor = 0;
    for (const char c : cifras) valor = valor * 10 + static_cast<std::uint64_t>(c - '0');
    return valor;
}

double DeBitsDouble(std::uint64_t bits) {
    double valor = 0;
    std::memcpy(&valor, &bits, sizeof valor);
    return valor;
}

// The double nearest a positive decimal, ties to even, or nothing when that is zero or beyond
// the largest double.
std::optional<double> Redondeado(const Decimal& d) {
    const int tam = static_cast<int>(d.cifras.size());
    const int primera = tam + d.exponente - 1;
    if (primera > 308) return std::nullopt;
    if (primera < -325) return std::nullopt;
    // Both factors are exact doubles, so one rounding gives the nearest.
    static constexpr std::array<double, 23> kPotencias{
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    if (tam <= 15 && std::abs(d.exponente) <= 22) {
        const auto entero = static_cast<double>(Entero(d.cifras));
        return d.exponente >= 0 ? entero * kPotencias[d.exponente]
                                : entero / kPotencias[-d.exponente];
    }
    // A guess within a few units in the last place, then the exact comparisons with the
    // midpoints to its neighbours decide.
    const int tomadas = std::min(tam, 19);
    const int resto = d.exponente + tam - tomadas;
    double guess = static_cast<double>(Entero(std::string_view(d.cifras).substr(0, tomadas))) *
                   std::pow(10.0, resto / 2) * std::pow(10.0, resto - resto / 2);
    constexpr std::uint64_t kMaximo = 0x7FEFFFFFFFFFFFFF;
    std::uint64_t bits = std::isinf(guess) ? kMaximo : guess == 0 ? 1 : BitsDe(guess);
    for (;;) {
        const Binario b = DeDouble(DeBitsDouble(bits));
        const int contraArriba = Comparar(d, Exacto(2 * b.m + 1, b.e - 1));
        if (contraArriba > 0 || (contraArriba == 0 && bits % 2 == 1)) {
            if (bits == kMaximo) return std::nullopt;
            ++bits;
            continue;
        }
        const int contraAbajo = Comparar(
            d, b.anteriorMasCerca ? Exacto(4 * b.m - 1, b.e - 2) : Exacto(2 * b.m - 1, b.e - 1));
        if (contraAbajo < 0 || (contraAbajo == 0 && bits % 2 == 1)) {
            if (bits == 1) return std::nullopt;
            --bits;
            continue;
        }
        return DeBitsDouble(bits);
    }
}

// Most values the program writes (read-outs, axis labels) have a binary exponent near zero:
// their rounded digits come from one 64-bit product, rounded as the exact path rounds (half to
// even). The exact path builds the whole decimal expansion, several times slower, and most of an
// event's time in WebAssembly.
std::optional<std::string> FijoPorProducto(const Binario& b, int decimales) {
    static constexpr std::array<std::uint64_t, 4> kDiez{1, 10, 100, 1000};
    if (b.m == 0 || decimales < 0 || decimales > 3 || b.e > 10 || b.e < -63) return std::nullopt;
    std::uint64_t q = 0;
    if (b.e >= 0) {
        q = (b.m << b.e) * kDiez[static_cast<std::size_t>(decimales)];
        if (q / kDiez[static_cast<std::size_t>(decimales)] != (b.m << b.e)) return std::nullopt;
    } else {
        // m < 2^53 and 10^3 < 2^10: the product fits.
        const std::uint64_t n = b.m * kDiez[static_cast<std::size_t>(decimales)];
        const int k = -b.e;
        q = n >> k;
        const std::uint64_t resto = n & ((std::uint64_t{1} << k) - 1);
        const std::uint64_t mitad = std::uint64_t{1} << (k - 1);
        if (resto > mitad || (resto == mitad && q % 2 == 1)) ++q;
    }
    // Written backwards into one buffer, so the text is allocated once (if at all).
    std::array<char, 32> texto{};
    auto fin = texto.end(), inicio = fin;
    for (int cifra = 0; q > 0 || cifra <= decimales; ++cifra, q /= 10) {
        if (cifra == decimales && decimales > 0) *--inicio = '.';
        *--inicio = static_cast<char>('0' + q % 10);
    }
    if (b.negativo) *--inicio = '-';
    return std::string(inicio, fin);
}

}  // namespace

std::string Corto(float valor) {
    if (auto especial = Especial(valor)) return *especial;
    const Binario b = DeFloat(valor);
    const std::string signo = b.negativo ? "-" : "";
    if (b.m == 0) return signo + '0';
    const Decimal corto = MasCorto(b);
    // Fixed unless scientific is shorter; a single digit has no point in scientific.
    const int cifras = static_cast<int>(corto.cifras.size());
    const int desde = cifras == 1 ? -3 : -(cifras + 3), hasta = cifras == 1 ? 4 : 5;
    const bool fijo = corto.exponente >= desde && corto.exponente <= hasta;
    return signo + (fijo ? EnFijo(b, corto) : EnCientifico(corto));
}

std::string Fijo(double valor) {
    if (auto especial = Especial(valor)) return *especial;
    const Binario b = DeDouble(valor);
    const std::string signo = b.negativo ? "-" : "";
    if (b.m == 0) return signo + '0';
    return signo + EnFijo(b, MasCorto(b));
}

std::string Fijo(double valor, int decimales) {
    if (auto especial = Especial(valor)) return *especial;
    const Binario b = DeDouble(valor);
    if (auto rapido = FijoPorProducto(b, decimales)) return *std::move(rapido);
    const auto p = static_cast<std::size_t>(decimales);
    Decimal exacto = Exacto(b.m, b.e);
    std::string& cifras = exacto.cifras;
    const auto fraccion = static_cast<std::size_t>(-exacto.exponente);
    if (fraccion > p) {
        const std::size_t sobran = fraccion - p;
        if (cifras.size() <= sobran) cifras.insert(0, sobran + 1 - cifras.size(), '0');
        const std::string resto = cifras.substr(cifras.size() - sobran);
        cifras.resize(cifras.size() - sobran);
        const int mitad = ContraLaMitad(resto);
        if (mitad > 0 || (mitad == 0 && (cifras.back() - '0') % 2 == 1)) cifras = Siguiente(cifras);
    } else {
        cifras.append(p - fraccion, '0');
    }
    if (cifras.size() <= p) cifras.insert(0, p + 1 - cifras.size(), '0');
    if (p > 0) cifras.insert(cifras.size() - p, 1, '.');
    return (b.negativo ? "-" : "") + cifras;
}

std::optional<double> LeerReal(std::string_view texto) {
    const bool negativo = !texto.empty() && texto.front() == '-';
    Decimal d;
    bool hayCifra = false, hayPunto = false;
    for (std::size_t i = negativo ? 1 : 0; i < texto.size(); ++i) {
        const char c = texto[i];
        if (c == '.' && !hayPunto) {
            hayPunto = true;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        hayCifra = true;
        if (hayPunto) --d.exponente;
        if (c != '0' || !d.cifras.empty()) d.cifras += c;
    }
    if (!hayCifra) return std::nullopt;
    while (!d.cifras.empty() && d.cifras.back() == '0') {
        d.cifras.pop_back();
        ++d.exponente;
    }
    std::optional<double> valor = d.cifras.empty() ? 0.0 : Redondeado(d);
    if (valor && negativo) *valor = -*valor;
    return valor;
}

}  // namespace trazalia::canvas
