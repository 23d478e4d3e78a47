// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/aplicacion.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

#include "app/accesible.h"
#include "app/acciones.h"
#include "app/ayuda.h"
#include "app/dialogos.h"
#include "app/esc.h"
#include "app/form1.h"
#include "app/form2.h"
#include "app/form3.h"
#include "app/teclas.h"
#include "app/vistas.h"
#include "canvas/qt/picture_widget.h"

namespace trazalia::app {

// What the windows hold: it asks whichever dialogs the application has now.
class Aplicacion::DialogosVigentes final : public Dialogos {
public:
    explicit DialogosVigentes(Aplicacion& app) : app_(app) {}
    QString ArchivoParaGuardar(QWidget* parent, const QString& nombre) override {
        return app_.dialogos().ArchivoParaGuardar(parent, nombre);
    }
    void Aviso(QWidget* parent, const QString& titulo, const QString& texto) override {
        app_.dialogos().Aviso(parent, titulo, texto);
    }
    void Imprimir(QWidget* parent, const std::function<void(QPrinter&)>& imprimir) override {
        app_.dialogos().Imprimir(parent, imprimir);
    }
    std::optional<QString> Texto(QWidget* parent, const QString& titulo, const QString& pregunta,
                                 const QString& actual) override {
        return app_.dialogos().Texto(parent, titulo, pregunta, actual);
    }

private:
    Aplicacion& app_;
};

Aplicacion::Aplicacion()
    : vistas_(new ControlVistas(this)), vigentes_(std::make_unique<DialogosVigentes>(*this)) {
    InstalarAccesibilidad();
}

Aplicacion::~Aplicacion() = default;

void Aplicacion::Iniciar() { form1().show(); }

void Aplicacion::IniciarEnPantalla() {
    practica_.recuerda = true;
    practica_.registro = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                         QStringLiteral("/practica.csv");
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    // With no zoom remembered, a size that suits the screen: a large one makes 100 % a stamp.
    zoom_.Recordar(pantalla ? Zoom::Inicial(pantalla->size()) : 1);
    vistas_->Recordar();
    if (pantalla) zoom_.LimitarA(pantalla->availableGeometry().size());
    Iniciar();
}

void Aplicacion::Conectar(Ventana& ventana) {
    connect(&ventana, &Ventana::cerrada, this, &Aplicacion::Terminar);
    ResponderAEsc(ventana);
    connect(InstalarAtajo(ventana, Atajo::Ayuda), &QAction::triggered, &ventana,
            [&ventana] { Ayuda::Mostrar(&ventana); });
    // The zoom sizes the window, the help follows it, and a failure is told at once.
    auto* zoom = new ZoomDeVentana(ventana, zoom_);
    connect(zoom, &ZoomDeVentana::ajustada, &ventana, [&ventana](double factor) {
        if (auto* ayuda = ventana.findChild<Ayuda*>(QString(), ::Qt::FindDirectChildrenOnly))
            ayuda->Ajustar(factor);
    });
    connect(zoom, &ZoomDeVentana::mostrada, &ventana, [&ventana] { Ayuda::Acompanar(&ventana); });
    connect(&ventana, &Ventana::fallo, this, [this, &ventana] {
        dialogos().Aviso(
            &ventana, QCoreApplication::translate("Aplicacion", "No se pudo completar la acción"),
            QString::fromStdString(ventana.TomarFallo()) + u'.');
    });
}

void Aplicacion::ConectarMetodo(VentanaMetodo& ventana, practice::Ventana cual) {
    auto* acciones = new AccionesDelDibujo(ventana, cual, *vistas_, *vigentes_, practica_);
    connect(&ventana, &VentanaMetodo::regresar, this, [this] { form1().show(); });
    Practica& practica = acciones->practica();
    // The exercise ends its redraw before the message.
    connect(
        &practica, &Practica::noRegistrado, &ventana,
        [this, &ventana](QString error) {
            if (!error.isEmpty()) error[0] = error[0].toUpper();
            dialogos().Aviso(
                &ventana,
                QCoreApplication::translate("Aplicacion", "No se pudo guardar el veredicto"),
                error + u'.');
        },
        ::Qt::QueuedConnection);
}

Form1& Aplicacion::form1() {
    if (!form1_) {
        form1_ = std::make_unique<Form1>();
        Conectar(*form1_);
        connect(form1_.get(), &Form1::paralelogramo, this, [this] { form2().show(); });
        connect(form1_.get(), &Form1::poligono, this, [this] { form3().show(); });
        connect(form1_.get(), &Form1::salir, this, &Aplicacion::Terminar);
    }
    return *form1_;
}

template <class Form>
Form& Aplicacion::Cargar(std::unique_ptr<Form>& form, practice::Ventana cual) {
    if (!form) {
        form = std::make_unique<Form>(*vistas_);
        Conectar(*form);
        ConectarMetodo(*form, cual);
        form->Form_Load();
        if (practicaAlAbrir_)
            AccionesDelDibujo::De(*form).practica().accionPracticar()->setChecked(true);
    }
    return *form;
}

Form2& Aplicacion::form2() { return Cargar(form2_, practice::Ventana::Form2); }

Form3& Aplicacion::form3() { return Cargar(form3_, practice::Ventana::Form3); }

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
    for (Ventana* v : ventanas())
        if (v) v->close();
    QCoreApplication::quit();
}

}  // namespace trazalia::app
