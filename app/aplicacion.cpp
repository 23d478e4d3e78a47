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
#include "app/idioma.h"
#include "app/practica.h"
#include "app/teclas.h"
#include "app/ventana_metodo.h"
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
    QString ArchivoDeUnTipo(QWidget* parent, const QString& nombre, const QString& titulo,
                            const QString& filtro) override {
        return app_.dialogos().ArchivoDeUnTipo(parent, nombre, titulo, filtro);
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
    sesion_.PonerTraductor(EnElIdioma);
    sesion_.AgregarObservador(*this);
    // A view chosen on screen is the core's command, a step to undo in the window it was chosen
    // in.
    connect(vistas_, &ControlVistas::elegida, this, [this](diagram::Vista vista, bool activa) {
        // The active method window, else the one shown.
        VentanaMetodo* donde = nullptr;
        for (Ventana* v : ventanas())
            if (auto* m = qobject_cast<VentanaMetodo*>(v);
                m && m->isVisible() && (!donde || m->isActiveWindow()))
                donde = m;
        if (donde)
            sesion_.Ejecutar(
                session::comandos::PonerVista{donde->nucleo().formulario(), vista, activa});
        else
            sesion_.PonerVista(vista, activa, true);
    });
}

// The windows on screen go first, and the core tells them nothing as they go.
Aplicacion::~Aplicacion() {
    sesion_.QuitarObservador(*this);
    while (!metodos_.empty()) metodos_.pop_back();
    form1_.reset();
}

void Aplicacion::Iniciar() { sesion_.Iniciar(); }

void Aplicacion::IniciarEnPantalla() {
    practica_.recuerda = true;
    practica_.registro = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                         QStringLiteral("/practica.csv");
    const QScreen* pantalla = QGuiApplication::primaryScreen();
    // With no zoom remembered, a size that suits the screen: a large one makes 100 % a stamp.
    zoom_.Recordar(pantalla ? Zoom::Inicial(pantalla->size()) : 1);
    vistas_->Recordar();
    for (std::size_t i = 0; i < diagram::kNumeroDeVistas; ++i) {
        const auto vista = static_cast<diagram::Vista>(i);
        sesion_.PonerVista(vista, vistas_->accion(vista)->isChecked(), false);
    }
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

void Aplicacion::ConectarMetodo(VentanaMetodo& ventana) {
    auto* acciones = new AccionesDelDibujo(ventana, *vistas_, *vigentes_, practica_);
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
    sesion_.Abrir(session::Formulario::Form1);
    return *form1_;
}

VentanaMetodo& Aplicacion::metodo(std::string_view nombre) {
    sesion_.Abrir(session::FormularioDe(**practice::VentanaDeNombre(nombre)));
    return *CaraMetodo(nombre);
}

Dialogos& Aplicacion::dialogos() {
    if (!dialogos_) dialogos_ = std::make_unique<DialogosQt>();
    return *dialogos_;
}

void Aplicacion::setDialogos(std::unique_ptr<Dialogos> dialogos) {
    dialogos_ = std::move(dialogos);
}

std::vector<Ventana*> Aplicacion::ventanas() const {
    std::vector<Ventana*> ventanas{form1_.get()};
    for (const auto& m : metodos_) ventanas.push_back(m.get());
    return ventanas;
}

Ventana* Aplicacion::ventana(const QString& nombre) const {
    for (Ventana* v : ventanas())
        if (v && v->nombre() == nombre) return v;
    return nullptr;
}

Ventana* Aplicacion::Cara(std::string_view nombre) const {
    for (Ventana* v : ventanas())
        if (v && v->nombre() == QLatin1String(nombre.data(), static_cast<qsizetype>(nombre.size())))
            return v;
    return nullptr;
}

VentanaMetodo* Aplicacion::CaraMetodo(std::string_view nombre) const {
    return qobject_cast<VentanaMetodo*>(Cara(nombre));
}

void Aplicacion::Terminar() { sesion_.Terminar(); }

void Aplicacion::Terminado() {
    if (terminado_) return;
    terminado_ = true;
    for (Ventana* v : ventanas())
        if (v) v->close();
    QCoreApplication::quit();
}

// The core made a window: the one on screen is made to show it, before its first captions.
void Aplicacion::Cargada(std::string_view nombre) {
    if (nombre == "Form1") {
        form1_ = std::make_unique<Form1>(sesion_);
        Conectar(*form1_);
        return;
    }
    session::VentanaMetodo& nucleo = *sesion_.metodo(nombre);
    VentanaMetodo* v =
        metodos_.emplace_back(std::make_unique<VentanaMetodo>(sesion_, nucleo, *vistas_)).get();
    Conectar(*v);
    ConectarMetodo(*v);
    if (practicaAlAbrir_) porPracticar_ = v;
}

void Aplicacion::Mostrada(std::string_view nombre, bool visible) {
    Ventana* v = Cara(nombre);
    if (!v) return;
    // Loaded, and practising from before its first showing.
    if (visible && v == porPracticar_) {
        porPracticar_ = nullptr;
        AccionesDelDibujo::De(*static_cast<VentanaMetodo*>(v)).practica().EmpezarAlAbrir();
    }
    v->setVisible(visible);
}

void Aplicacion::Escrito(std::string_view nombre, std::string_view control,
                         std::string_view texto) {
    if (Ventana* v = Cara(nombre)) v->Escribir(control, texto);
}

void Aplicacion::Valor(std::string_view nombre, std::string_view control, int valor) {
    if (Ventana* v = Cara(nombre)) v->PonerValor(control, valor);
}

void Aplicacion::Anterior(std::string_view nombre, std::string_view control, bool anterior) {
    if (VentanaMetodo* v = CaraMetodo(nombre))
        v->MarcarAnterior(control, anterior, v->ComoRenovarResultado());
}

// Only the result read-outs change: they take the keyboard while practice is on, and the
// practice's entries follow.
void Aplicacion::Enfocable(std::string_view nombre, std::string_view control, bool enfocable) {
    VentanaMetodo* v = CaraMetodo(nombre);
    if (!v) return;
    if (QWidget* w =
            v->control(QString::fromUtf8(control.data(), static_cast<qsizetype>(control.size()))))
        w->setFocusPolicy(enfocable ? ::Qt::StrongFocus : ::Qt::NoFocus);
    AccionesDelDibujo::De(*v).practica().Seguir();
}

void Aplicacion::Dibujado(std::string_view nombre) {
    if (VentanaMetodo* v = CaraMetodo(nombre)) v->Dibujado();
}

void Aplicacion::VistaCambiada(int vista, bool activa) {
    vistas_->Mostrar(static_cast<diagram::Vista>(vista), activa);
}

void Aplicacion::Anotado(std::string_view nombre, const practice::Asiento& asiento) {
    if (VentanaMetodo* v = CaraMetodo(nombre))
        AccionesDelDibujo::De(*v).practica().Anotado(asiento);
}

void Aplicacion::Anuncio(std::string_view nombre, std::string_view texto) {
    if (VentanaMetodo* v = CaraMetodo(nombre))
        v->anuncio().Decir(QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())));
}

void Aplicacion::Rehusado(std::string_view nombre, std::string_view control,
                          std::string_view texto) {
    if (VentanaMetodo* v = CaraMetodo(nombre))
        AccionesDelDibujo::De(*v).practica().Rehusado(
            control, QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())));
}

void Aplicacion::Fallo(std::string_view nombre, std::string_view texto) {
    if (Ventana* v = Cara(nombre)) v->Fallar(texto);
}

}  // namespace trazalia::app
