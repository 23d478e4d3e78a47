// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ventana_metodo.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>
#include <QStringList>
#include <vector>

#include "app/accesible.h"
#include "app/control.h"
#include "app/editor.h"
#include "app/vistas.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/colores.h"
#include "diagram/formato.h"
#include "practice/metodo.h"
#include "session/sesion.h"

namespace trazalia::app {

namespace {

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

}  // namespace

VentanaMetodo::VentanaMetodo(session::Sesion& sesion, session::VentanaMetodo& nucleo,
                             ControlVistas& vistas)
    : Ventana(Q(nucleo.nombre()),
              QCoreApplication::translate(nucleo.tabla().nombre.data(), nucleo.tabla().titulo),
              nucleo.tabla().controles, nucleo.tabla().fore),
      sesion_(sesion),
      nucleo_(nucleo) {
    Picture1()->Mostrar(nucleo_.picture());
    Picture1()->setAccessibleDescription(QCoreApplication::translate(
        "VentanaMetodo", "Diagrama vacío: mueva una barra para dibujar los vectores."));
    descripcion_ = new DescripcionAlPedir(*Picture1(), [this] { return descrito_; });
    anuncio_ = new Anuncio(this);
    // What the user does becomes the core's command; what it changes comes back as the core
    // tells it.
    const session::Formulario f = nucleo_.formulario();
    for (const session::Control& fila : controles()) {
        QWidget* w = control(QLatin1String(fila.nombre));
        const std::size_t i = *nucleo_.Indice(fila.nombre);
        if (auto* barra = qobject_cast<QScrollBar*>(w)) {
            connect(barra, &QScrollBar::valueChanged, this, [this, f, i](int valor) {
                // A change the core refuses (an exercise's vector) goes back where it was.
                if (sesion_.Ejecutar(session::comandos::MoverBarra{f, i, valor}))
                    PonerValor(nucleo_.tabla().controles[i].nombre, nucleo_.estado(i).valor);
            });
        } else if (auto* boton = qobject_cast<QAbstractButton*>(w)) {
            connect(boton, &QAbstractButton::clicked, this, [this, f, i] {
                sesion_.Ejecutar(session::comandos::Pulsar{f, i});
            });
        }
    }
    // Each bar shows its value in its read-out, where an exact value can be typed: the core's
    // typed value, one step to undo.
    for (auto [n, lectura] : nucleo_.tabla().lecturas) {
        Destino d = EditorDeValor::DeLaBarra(barra(n));
        const std::size_t i = nucleo_.Barra(n);
        d.acepta = [this, f, i](const QString& texto) {
            return sesion_.Admite(f, i, texto.toStdString());
        };
        d.fijar = [this, f, i](const QString& texto) {
            sesion_.Ejecutar(session::comandos::Escribir{f, i, texto.toStdString()});
        };
        EditorDeValor::Enlazar(rotulo(lectura), std::move(d));
    }
    // A vector's captions take its colour in the picture, which the contrast view may change.
    QAction* contraste = vistas.accion(diagram::Vista::Contraste);
    const auto colores = [this, &vistas = vistas] {
        for (const session::Control& fila : controles()) {
            if (fila.tipo != session::Tipo::Label || fila.color == canvas::kBlack) continue;
            const canvas::Color c = diagram::ColorDeVector(fila.color, vistas.vistas());
            QWidget* w = control(QLatin1String(fila.nombre));
            QPalette paleta = w->palette();
            paleta.setColor(QPalette::WindowText, QColor(c.r, c.g, c.b));
            w->setPalette(paleta);
        }
    };
    connect(contraste, &QAction::toggled, this, colores);
    colores();
    connect(this, &Ventana::valorPuesto, this, &VentanaMetodo::RotularBarras);
    for (auto [n, lectura] : nucleo_.tabla().lecturas)
        connect(barra(n), &QScrollBar::valueChanged, this, &VentanaMetodo::RotularBarras);
    RotularBarras();
}

void VentanaMetodo::RotularBarras() {
    for (auto [n, lectura] : nucleo_.tabla().lecturas) {
        const std::string texto =
            nucleo_.metodo().TextoDeBarra(n, barra(n)->value(), nucleo_.traductor());
        if (texto.empty()) continue;
        for (QWidget* w : {static_cast<QWidget*>(barra(n)), static_cast<QWidget*>(rotulo(lectura))})
            w->setToolTip(Consejo({Q(texto), w->accessibleDescription()}));
    }
}

QString VentanaMetodo::NombreDeArchivo() const {
    const QString clave = Q(nucleo_.metodo().clave());
    if (!dibujo() || dibujo()->paso == 0) return clave + QStringLiteral(".png");
    return QStringLiteral("%1-paso-%2.png").arg(clave).arg(dibujo()->paso);
}

// The picture hides while everything that watches it is whole: hidden later, as the window's
// widgets go, its watchers would be asked about a window that is no more.
VentanaMetodo::~VentanaMetodo() {
    Picture1()->hide();
    delete descripcion_;
}

int VentanaMetodo::vectores() const { return nucleo_.vectores(); }

std::string VentanaMetodo::Ruta(std::string_view control) const {
    return std::string(nucleo_.nombre()) + '.' + std::string(control);
}

const std::optional<diagram::Resultado>& VentanaMetodo::dibujo() const { return nucleo_.dibujo(); }

const diagram::Vistas& VentanaMetodo::vistas() const { return nucleo_.vistas(); }

QString VentanaMetodo::ComoRenovarResultado() const {
    return QCoreApplication::translate(nucleo_.tabla().nombre.data(), nucleo_.tabla().comoRenovar);
}

std::pair<int, int> VentanaMetodo::LecturasDelResultado() const {
    return nucleo_.tabla().resultado;
}

void VentanaMetodo::Dibujado() {
    Describir();
    emit dibujado();
}

void VentanaMetodo::Describir() {
    if (!nucleo_.dibujo() || nucleo_.arrastre().vector()) return;
    descrito_ = Q(nucleo_.Descripcion());
    descripcion_->Cambio();
}

QString VentanaMetodo::LineaDeLecturas() const {
    std::vector<diagram::Entrada> vectores;
    const auto& dibujo = nucleo_.dibujo();
    if (dibujo) {
        vectores = dibujo->vectores;
    } else {
        const int n = nucleo_.vectores();
        for (int k = 1; k <= n; ++k)
            vectores.push_back({nucleo_.HScroll(k), nucleo_.HScroll(k + n)});
    }
    QStringList partes;
    for (std::size_t i = 0; i < vectores.size(); ++i) {
        partes << QStringLiteral("r%1 = %2; α%1 = %3°")
                      .arg(i + 1)
                      .arg(vectores[i].m)
                      .arg(vectores[i].d);
    }
    if (dibujo && dibujo->paso >= 1) partes << QStringLiteral("paso = %1").arg(dibujo->paso);
    if (dibujo && dibujo->resultante) {
        partes << QStringLiteral("r = %1; α = %2")
                      .arg(Q(diagram::Formato(dibujo->r)),
                           Q(diagram::ConGrados(dibujo->direccion)));
    }
    return partes.join(QLatin1String("; "));
}

void VentanaMetodo::Regresar() { sesion_.Regresar(nucleo_); }

}  // namespace trazalia::app
