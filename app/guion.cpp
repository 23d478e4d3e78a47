// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/guion.h"

#include <QByteArray>
#include <QCoreApplication>
#include <iostream>
#include <string_view>
#include <utility>

#include "app/idioma.h"
#include "app/registro.h"
#include "canvas/error_reason.h"
#include "canvas/qt/painter.h"
#include "session/guion.h"
#include "session/sesion.h"

namespace trazalia::app {

std::vector<std::string> VolcadoEnElIdioma(const session::Ventana& ventana) {
    const session::Tabla& tabla = ventana.tabla();
    const auto deLaTabla = [&](const char* texto) {
        return QCoreApplication::translate(std::string(tabla.nombre).c_str(), texto).toStdString();
    };
    std::vector<session::Estado> estados;
    for (std::size_t i = 0; i < tabla.controles.size(); ++i) {
        session::Estado e = ventana.estado(i);
        const char* texto = tabla.controles[i].texto;
        e.caption =
            texto && e.caption == texto ? deLaTabla(texto) : Traducir(e.caption).toStdString();
        estados.push_back(std::move(e));
    }
    return session::Volcado(tabla, deLaTabla(tabla.titulo), ventana.visible(), estados);
}

namespace {

// Each entry of practice into the record; a script goes on when it cannot, and says so.
class Registro final : public session::Observador {
public:
    explicit Registro(QString ruta) : ruta_(std::move(ruta)) {}
    void Anotado(std::string_view, const practice::Asiento& asiento) override {
        if (ruta_.isEmpty()) return;
        QString error;
        if (RegistrarAsiento(ruta_, false, {}, asiento, &error)) return;
        ++perdidos;
        // The reason names the record, whose path may hold a terminal's escapes.
        std::cerr << "trazalia: el veredicto no se guardó: "
                  << canvas::Printable(error.toStdString()) << std::endl;
    }
    int perdidos = 0;

private:
    QString ruta_;
};

}  // namespace

struct Guion::Datos {
    Datos(canvas::TraceWriter& trace, std::ostream& out, std::ostream& err, std::string nombre,
          QString ruta)
        : guion(sesion, trace, out, err, std::move(nombre)), registro(std::move(ruta)) {
        sesion.AgregarObservador(registro);
    }
    ~Datos() { sesion.QuitarObservador(registro); }
    session::Sesion sesion;
    session::Guion guion;
    Registro registro;
};

Guion::Guion(canvas::TraceWriter& trace, std::ostream& out, std::ostream& err, std::string nombre,
             QString registro)
    : d_(std::make_unique<Datos>(trace, out, err, std::move(nombre), std::move(registro))) {
    d_->guion.PonerGuardar(
        [](const session::VentanaMetodo& ventana, std::string_view ruta) -> std::string {
            QString fallo;
            if (canvas::SavePicture(ventana.picture(),
                                    QByteArray(ruta.data(), static_cast<qsizetype>(ruta.size())),
                                    &fallo))
                return {};
            return fallo.toStdString();
        });
    d_->guion.PonerVolcador(VolcadoEnElIdioma);
    d_->sesion.PonerTraductor(EnElIdioma);
}

Guion::~Guion() = default;

int Guion::Ejecutar(std::istream& in) {
    d_->sesion.Iniciar();
    return d_->guion.Ejecutar(in);
}

int Guion::perdidos() const { return d_->registro.perdidos; }

std::string Legible(std::string_view texto) { return canvas::Printable(texto); }

}  // namespace trazalia::app
