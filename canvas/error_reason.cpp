// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/error_reason.h"

#include <cerrno>

// Marks the phrases for the translation tools; this library links no translations.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace trazalia::canvas {

const char* ErrorPhrase(std::error_code code) {
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

}  // namespace trazalia::canvas
