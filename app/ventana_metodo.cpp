// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ventana_metodo.h"

#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <QStringList>
#include <utility>
#include <vector>

#include "app/accesible.h"
#include "app/editor.h"
#include "app/idioma.h"
#include "app/vistas.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/descripcion.h"
#include "diagram/formato.h"

namespace trazalia::app {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

VentanaMetodo::VentanaMetodo(ControlVistas& vistas, const QString& nombre, const QString& titulo,
                             std::span<const Control> controles, canvas::Color fore, int vectores)
    : Ventana(nombre, titulo, controles, fore),
      vistas_(vistas),
      vectores_(vectores),
      lienzo_(std::make_unique<diagram::LienzoConVistas>(Picture1()->picture())) {
    Picture1()->setAccessibleDescription(QCoreApplication::translate(
        "VentanaMetodo", "Diagrama vacío: mueva una barra para dibujar los vectores."));
    descripcion_ = new DescripcionAlPedir(*Picture1(), [this]() -> QString {
        return Q(diagram::Descripcion(descrito_->dibujo, descrito_->vistas, EnElIdioma)) +
               descrito_->capas;
    });
    connect(&vistas_, &ControlVistas::cambiadas, this, &VentanaMetodo::Redibujar);
    anuncio_ = new Anuncio(this);
}

// The description reads descrito_, which goes before the picture and its children.
// The picture hides while everything that watches it is whole: hidden later, as the window's
// widgets go, its watchers would be asked about a window that is no more.
VentanaMetodo::~VentanaMetodo() {
    Picture1()->hide();
    delete descripcion_;
}

canvas::Canvas& VentanaMetodo::lienzo() { return *lienzo_; }

void VentanaMetodo::EnlazarLecturas() {
    for (auto [n, lectura] : LecturasDeBarras()) EditorDeValor::Enlazar(barra(n), rotulo(lectura));
}

const diagram::Vistas& VentanaMetodo::vistas() const { return lienzo_->vistas(); }

double VentanaMetodo::PrepararVistas() {
    lienzo_->PonerVistas(vistas_.vistas());
    std::optional<double> retenida;
    for (const Capa* capa : capas_)
        if ((retenida = capa->EscalaRetenida())) break;
    return Escalar(diagram::EscaladoDe(lienzo_->vistas()), retenida);
}

void VentanaMetodo::Redibujar() {
    if (!repetir_) return;
    const auto handler = repetir_;
    EventoDeDibujo(handler);
}

void VentanaMetodo::Reescalar() {
    if (!dibujo_) return;
    const double Escala = PrepararVistas();
    if (Escala > 0 && Escala != dibujo_->Escala) Redibujar();
}

void VentanaMetodo::Dibujado(diagram::Resultado resultado) {
    diagram::DibujarVistas(*lienzo_, resultado, lienzo_->vistas());
    // Over everything the diagram and the views drew.
    QString dicho;
    for (Capa* capa : capas_) {
        const QString d = capa->Dibujado(*lienzo_, resultado);
        if (!d.isEmpty()) dicho += u' ' + d;
    }
    dibujo_ = std::move(resultado);
    Describir();
    // A new resultant (a click, a step) is said at once, wherever the focus is, with what the
    // layers have to add (the verdict of a guess).
    if (dibujo_->resultante) anuncio_->Decir(Q(diagram::Anuncio(*dibujo_, EnElIdioma)) + dicho);
    emit dibujado(*dibujo_);
}

void VentanaMetodo::Describir() {
    if (!dibujo_) return;
    QString capas;
    for (const Capa* capa : capas_) {
        if (capa->retiene()) return;
        const QString d = capa->Descripcion();
        if (!d.isEmpty()) capas += u' ' + d;
    }
    descrito_ = Descrito{*dibujo_, lienzo_->vistas(), std::move(capas)};
    descripcion_->Cambio();
}

QString VentanaMetodo::LineaDeLecturas() const {
    std::vector<diagram::Entrada> vectores;
    if (dibujo_) {
        vectores = dibujo_->vectores;
    } else {
        for (int n = 1; n <= vectores_; ++n)
            vectores.push_back({HScroll(n), HScroll(n + vectores_)});
    }
    QStringList partes;
    for (std::size_t i = 0; i < vectores.size(); ++i) {
        partes << QStringLiteral("r%1 = %2; α%1 = %3°")
                      .arg(i + 1)
                      .arg(vectores[i].m)
                      .arg(vectores[i].d);
    }
    if (dibujo_ && dibujo_->paso >= 1) partes << QStringLiteral("paso = %1").arg(dibujo_->paso);
    if (dibujo_ && dibujo_->resultante) {
        partes << QStringLiteral("r = %1; α = %2")
                      .arg(Q(diagram::Formato(dibujo_->r)),
                           Q(diagram::ConGrados(dibujo_->direccion)));
    }
    return partes.join(QLatin1String("; "));
}

void VentanaMetodo::VaciarResultado() {
    for (int n : LecturasDelResultado()) Label(n, "");
}

int VentanaMetodo::HScroll(int n) const { return barra(n)->value(); }

void VentanaMetodo::Label(int n, std::string_view caption) { Caption(rotulo(n), caption); }

void VentanaMetodo::Regresar() {
    hide();
    emit regresar();
}

}  // namespace trazalia::app
