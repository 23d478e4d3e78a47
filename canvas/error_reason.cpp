// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/error_reason.h"

#include <cerrno>

namespace trazalia::canvas {

std::string ErrorReason(std::error_code code) {
    if (code.category() != std::generic_category() && code.category() != std::system_category())
        return code.message();
    switch (code.value()) {
        case EISDIR:
            return "es una carpeta";
        case ENOENT:
            return "no existe";
        case ENOTDIR:
            return "una parte de la ruta no es una carpeta";
        case EACCES:
        case EPERM:
            return "permiso denegado";
        case EROFS:
            return "el sistema de archivos es de solo lectura";
        case ENOSPC:
            return "no queda espacio en el dispositivo";
        case EDQUOT:
            return "se superó la cuota de disco";
        case EFBIG:
            return "supera el tamaño máximo de archivo";
        case ENAMETOOLONG:
            return "el nombre es demasiado largo";
        case ELOOP:
            return "hay demasiados enlaces simbólicos en la ruta";
        case EMFILE:
        case ENFILE:
            return "hay demasiados archivos abiertos";
        case ENOMEM:
            return "no queda memoria";
        case EBADF:
            return "está cerrada";
        case EPIPE:
            return "quien leía ya no está";
        case EIO:
            return "error de entrada/salida";
        default:
            // The system's own text would depend on the translations installed; the number
            // does not. Zero is no success here: something failed without saying why.
            return "error " + std::to_string(code.value()) + " del sistema";
    }
}

}  // namespace trazalia::canvas
