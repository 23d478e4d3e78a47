# SPDX-License-Identifier: GPL-3.0-or-later
# `make package`: a Debian package of the install tree, built to pass lintian. The package is
# native (no Debian revision), so its changelog is /usr/share/doc/trazalia/changelog.gz.
# The release: its date (seconds since 1970, so that every date written from it is reproducible),
# who makes it and where. The version is PROJECT_VERSION.
set(TRAZALIA_RELEASE_EPOCH 1796558400)  # 2026-12-06 12:00 UTC
set(TRAZALIA_MAINTAINER "Equipo Trazalia <equipo@trazalia.org>")
set(TRAZALIA_HOMEPAGE "https://trazalia.org/")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME trazalia)
set(CPACK_PACKAGE_VENDOR "Equipo Trazalia")
set(CPACK_PACKAGE_CONTACT "${TRAZALIA_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${TRAZALIA_HOMEPAGE}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "suma de vectores en el plano, paso a paso")
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Trazalia enseña la suma de vectores en el plano con dos ventanas:"
    " * el método del paralelogramo suma dos vectores y dibuja la resultante con su"
    "   magnitud y su dirección;"
    " * el método del polígono pone tres vectores punta con cola, paso a paso, en"
    "   los seis órdenes posibles y en una figura con los seis a la vez."
    ""
    "Cada vector se fija con barras de desplazamiento y se ve dibujado a escala."
    "Los dibujos se copian, se imprimen o se guardan como PNG, SVG o PDF. El modo"
    "guion prepara dibujos para hojas de ejercicios sin abrir ninguna ventana."
    "La interfaz está en español.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so shlibdeps cannot see them: the X11 platform plugin and the font.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# Files and folders owned by root with the modes Debian expects, whatever the umask.
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
include(CPack)
