// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/error_reason.h"

#include <cerrno>

// Marks the phrases for the translation tools; this library links no translations.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace trazalia::canvas {

namespace {

class ProblemCategory final : public std::error_category {
public:
    const char* name() const noexcept override { return "trazalia-file"; }
    std::string message(int value) const override { return ErrorReason({value, *this}); }
};

const ProblemCategory kProblems;

}  // namespace

std::error_code MakeErrorCode(FileProblem problem) {
    return {static_cast<int>(problem), kProblems};
}

const char* ErrorPhrase(std::error_code code) {
    if (code.category() == kProblems) {
        switch (static_cast<FileProblem>(code.value())) {
            case FileProblem::FolderTakesNoFiles:
                return QT_TRANSLATE_NOOP("Trazalia", "la carpeta no admite archivos nuevos");
            case FileProblem::Device:
                return QT_TRANSLATE_NOOP("Trazalia", "es un dispositivo, no un archivo");
        }
        return QT_TRANSLATE_NOOP("Trazalia", "error %1 del sistema");
    }
    if (code.category() != std::generic_category() && code.category() != std::system_category())
        return nullptr;
    switch (code.value()) {
        case EISDIR:
            return QT_TRANSLATE_NOOP("Trazalia", "es una carpeta");
        case ENOENT:
            return QT_TRANSLATE_NOOP("Trazalia", "no existe");
        case ENOTDIR:
            return QT_TRANSLATE_NOOP("Trazalia", "una parte de la ruta no es una carpeta");
        case EACCES:
        case EPERM:
            return QT_TRANSLATE_NOOP("Trazalia", "permiso denegado");
        case EROFS:
            return QT_TRANSLATE_NOOP("Trazalia", "el sistema de archivos es de solo lectura");
        case ENOSPC:
            return QT_TRANSLATE_NOOP("Trazalia", "no queda espacio en el dispositivo");
        case EDQUOT:
            return QT_TRANSLATE_NOOP("Trazalia", "se superó la cuota de disco");
        case EFBIG:
            return QT_TRANSLATE_NOOP("Trazalia", "supera el tamaño máximo de archivo");
        case ENAMETOOLONG:
            return QT_TRANSLATE_NOOP("Trazalia", "el nombre es demasiado largo");
        case ELOOP:
            return QT_TRANSLATE_NOOP("Trazalia", "hay demasiados enlaces simbólicos en la ruta");
        case EMFILE:
        case ENFILE:
            return QT_TRANSLATE_NOOP("Trazalia", "hay demasiados archivos abiertos");
        case ENOMEM:
            return QT_TRANSLATE_NOOP("Trazalia", "no queda memoria");
        case EBADF:
            return QT_TRANSLATE_NOOP("Trazalia", "está cerrada");
        case EPIPE:
            return QT_TRANSLATE_NOOP("Trazalia", "quien leía ya no está");
        case EIO:
            return QT_TRANSLATE_NOOP("Trazalia", "error de entrada/salida");
        default:
            // The system's own text would depend on the translations installed; the number
            // does not. Zero is no success here: something failed without saying why.
            return QT_TRANSLATE_NOOP("Trazalia", "error %1 del sistema");
    }
}

std::string ErrorReason(std::error_code code) {
    const char* phrase = ErrorPhrase(code);
    if (!phrase) return code.message();
    std::string text = phrase;
    if (const auto at = text.find("%1"); at != std::string::npos)
        text.replace(at, 2, std::to_string(code.value()));
    return text;
}

namespace {

// The length of the UTF-8 sequence at the start of s, or 0 when it is not one.
std::size_t Utf8Length(std::string_view s) {
    const auto c = static_cast<unsigned char>(s[0]);
    if (c < 0x80) return 1;
    std::size_t n = 0;
    char32_t least = 0;
    if ((c & 0xE0) == 0xC0) {
        n = 2;
        least = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
        least = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4;
        least = 0x10000;
    } else {
        return 0;
    }
    if (s.size() < n) return 0;
    char32_t point = c & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        const auto b = static_cast<unsigned char>(s[k]);
        if ((b & 0xC0) != 0x80) return 0;
        point = (point << 6) | (b & 0x3F);
    }
    if (point < least || point > 0x10FFFF || (point >= 0xD800 && point <= 0xDFFF)) return 0;
    return n;
}

}  // namespace

namespace {

// The code point of a UTF-8 sequence that marks or turns the direction of text (U+061C, U+200E,
// U+200F, U+202A to U+202E, U+2066 to U+2069), or 0.
int Bidireccional(std::string_view s) {
    const auto b = [&s](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    if (s.size() == 2 && b(0) == 0xD8 && b(1) == 0x9C) return 0x061C;
    if (s.size() != 3 || b(0) != 0xE2) return 0;
    const int cp = 0x2000 | (b(1) & 0x3F) << 6 | (b(2) & 0x3F);
    const bool marca = cp == 0x200E || cp == 0x200F || (cp >= 0x202A && cp <= 0x202E) ||
                       (cp >= 0x2066 && cp <= 0x2069);
    return marca ? cp : 0;
}

}  // namespace

std::string Printable(std::string_view text) {
    constexpr std::string_view kHex = "0123456789abcdef";
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        const std::size_t n = Utf8Length(text.substr(i));
        // C1 controls are U+0080 to U+009F, two bytes from C2 80 to C2 9F.
        const bool control =
            n == 1 ? c < 0x20 || c == 0x7F
                   : n == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (const int bidi = n > 1 ? Bidireccional(text.substr(i, n)) : 0; bidi != 0) {
            // A mark that turns the text's direction would make what follows read backwards.
            out += "\\u";
            for (int shift = 12; shift >= 0; shift -= 4) out += kHex[(bidi >> shift) & 0xF];
            i += n;
            continue;
        }
        if (n > 0 && !control) {
            out.append(text.substr(i, n));
            i += n;
            continue;
        }
        if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else {
            out += "\\x";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        }
        ++i;
    }
    return out;
}

std::string Quoted(std::string_view text) {
    constexpr std::size_t kMaximo = 60;
    if (text.size() <= kMaximo) return "«" + std::string(text) + "»";
    std::size_t corte = kMaximo;
    while (corte > 0 && (static_cast<unsigned char>(text[corte]) & 0xC0) == 0x80) --corte;
    return "«" + std::string(text.substr(0, corte)) + "…»";
}

}  // namespace trazalia::canvas
