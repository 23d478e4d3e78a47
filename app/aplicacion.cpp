// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aplicacion.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include "app/accesible.h"
#include "app/exportar.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/form3.h"
#include "app/practica.h"
#include "app/vistas.h"
#include "canvas/trace_writer.h"

namespace trazalia::app {

Aplicacion::Aplicacion(canvas::TraceWriter* trace)
    : trace_(trace), vistas_(new ControlVistas(this)) {
    InstalarAccesibilidad();
}

Aplicacion::~Aplicacion() = default;

void Aplicacion::Iniciar() { form1().show(); }

void Aplicacion::IniciarEnPantalla() {
    recuerda_ = true;
    registro_ = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                QStringLiteral("/practica.csv");
    zoom_.Recordar();
    vistas_->Recordar();
    if (const QScreen* pantalla = QGuiApplication::primaryScreen())
        zoom_.LimitarA(pantalla->availableGeometry().size());
    Iniciar();
}

void Aplicacion::Traza(const QString& sujeto, const char* que) const {
    if (trace_) trace_->Write(sujeto.toStdString(), que);
}

Form1& Aplicacion::form1() {
    if (!form1_) {
        form1_ = std::make_unique<Form1>(*this);
        Traza(form1_->nombre(), "Load");
    }
    return *form1_;
}

template <class Form>
Form& Aplicacion::Cargar(std::unique_ptr<Form>& form) {
    if (!form) {
        form = std::make_unique<Form>(*this);
        Traza(form->nombre(), "Load");
        form->Form_Load();
        if (practicaAlAbrir_) form->practica().accionPracticar()->setChecked(true);
    }
    return *form;
}

Form2& Aplicacion::form2() { return Cargar(form2_); }

Form3& Aplicacion::form3() { return Cargar(form3_); }

Dialogos& Aplicacion::dialogos() {
    if (!dialogos_) dialogos_ = std::make_unique<DialogosQt>();
    return *dialogos_;
}

void Aplicacion::setDialogos(std::unique_ptr<Dialogos> dialogos) {
    dialogos_ = std::move(dialogos);
}

std::array<Ventana*, 3> Aplicacion::ventanas() const {
    return {form1_.get(), form2_.get(), form3_.get()};
}

Ventana* Aplicacion::ventana(const QString& nombre) const {
    for (Ventana* v : ventanas())
        if (v && v->nombre() == nombre) return v;
    return nullptr;
}

void Aplicacion::Terminar() {
    if (terminado_) return;
    terminado_ = true;
    if (trace_) {
        trace_->Write("End");
        trace_->Flush();
    }
    for (Ventana* v : ventanas())
        if (v) v->close();
    emit terminada();
    QCoreApplication::quit();
}

}  // namespace trazalia::app
