// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas/qt/reason.h"

#include <cerrno>

namespace trazalia::canvas {

std::string ErrorReason(std::error_code code) {
    switch (code.value()) {
        case EISDIR:
            return "es una carpeta";
        case ENOENT:
            return "no existe";
        case EACCES:
        case EPERM:
            return "permiso denegado";
        case ENOSPC:
            return "no queda espacio en el dispositivo";
        case EFBIG:
            return "supera el tamaño máximo de archivo";
        case EBADF:
            return "está cerrada";
        case EPIPE:
            return "quien leía ya no está";
        case EIO:
            return "error de entrada/salida";
        default:
            return code.message();
    }
}

}  // namespace trazalia::canvas
