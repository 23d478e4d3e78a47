// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/practica.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValidator>
#include <QWidgetAction>
#include <algorithm>
#include <string>
#include <utility>
#include <variant>

#include "app/ajustes.h"
#include "app/dialogos.h"
#include "app/editor.h"
#include "app/idioma.h"
#include "app/registro.h"
#include "app/teclas.h"
#include "app/ventana_metodo.h"
#include "canvas/qt/picture_widget.h"
#include "practice/camino.h"
#include "practice/intento.h"
#include "practice/metodo.h"
#include "practice/registro.h"
#include "practice/veredicto.h"
#include "session/sesion.h"

namespace trazalia::app {

namespace {

const QString& ClaveNivel() {
    static const QString clave = QStringLiteral("practica/nivel");
    return clave;
}
const QString& ClaveAlumno() {
    static const QString clave = QStringLiteral("practica/alumno");
    return clave;
}

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// The state of a path (Progreso::Texto) for the student, kept after each of its entries: under
// the window's name, or "todas" for a path over every window; the name encoded, as a key takes
// no slash.
QString ClaveCamino(const VentanaMetodo& ventana, bool todas) {
    return QStringLiteral("practica/camino/") +
           (todas ? QStringLiteral("todas") : Q(ventana.nucleo().nombre())) + QLatin1Char('/') +
           QString::fromLatin1(QByteArray::fromStdString(ventana.sesion().alumno()).toHex());
}

// The window the student practises in: this one, or the one a path over every window went on
// in, which the session shows in its place.
QWidget* DondeSePractica(VentanaMetodo& propia) {
    if (propia.isVisible()) return &propia;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* v = qobject_cast<VentanaMetodo*>(w);
            v && v->isVisible() && v->nucleo().practica().activa())
            return v;
    return &propia;
}

// A value typed as the core's editor takes it: what the core would set is acceptable, what it lets
// in on the way there intermediate, and anything else a key refused.
class ComoElNucleo final : public QValidator {
public:
    ComoElNucleo(session::Sesion& sesion, session::Formulario ventana, std::size_t control)
        : sesion_(sesion), ventana_(ventana), control_(control) {}
    State validate(QString& texto, int&) const override {
        const std::string t = texto.toStdString();
        if (sesion_.Admite(ventana_, control_, t)) return Acceptable;
        return sesion_.Tecleable(ventana_, control_, t) ? Intermediate : Invalid;
    }

private:
    session::Sesion& sesion_;
    session::Formulario ventana_;
    std::size_t control_;
};

}  // namespace

Practica::Practica(VentanaMetodo& ventana, AjustesDePractica& ajustes, Dialogos& dialogos)
    : QObject(&ventana), ventana_(ventana), ajustes_(ajustes), dialogos_(dialogos) {
    practicar_ = InstalarAtajo(ventana_, Atajo::Practicar);
    practicar_->setCheckable(true);
    connect(practicar_, &QAction::triggered, this, &Practica::Activar);
    otro_ = InstalarAtajo(ventana_, Atajo::OtroEjercicio);
    otro_->setEnabled(false);
    connect(otro_, &QAction::triggered, this,
            [this] { Orden(session::comandos::QuePractica::Siguiente); });
    comprobar_ = new QAction(Nombre(Atajo::Comprobar), this);
    comprobar_->setShortcuts(Teclas(Atajo::Comprobar));
    // On the picture alone: elsewhere Enter belongs to the control with the focus.
    comprobar_->setShortcutContext(::Qt::WidgetShortcut);
    ventana_.Picture1()->addAction(comprobar_);
    comprobar_->setEnabled(false);
    connect(comprobar_, &QAction::triggered, this, &Practica::Comprobar);
    // After the bars' editors, so that this filter is asked first.
    for (const session::Control& fila : ventana_.controles())
        if (fila.tipo == session::Tipo::HScroll || fila.tipo == session::Tipo::Lectura)
            ventana_.control(QLatin1String(fila.nombre))->installEventFilter(this);

    if (ajustes_.recuerda) {
        const std::string guardado = Ajustes().value(ClaveNivel()).toString().toStdString();
        if (const auto n = practice::NivelDeNombre(guardado))
            ventana_.sesion().Ejecutar(
                session::comandos::ElegirNivel{ventana_.nucleo().formulario(), *n, 0});
        // The core keeps the name as it keeps every name, whatever an older run saved.
        ventana_.sesion().PonerAlumno(Ajustes().value(ClaveAlumno()).toString().toStdString());
    }
    niveles_ = new QMenu(QCoreApplication::translate("Practica", "Nivel"), &ventana_);
    grupo_ = new QActionGroup(this);
    for (practice::Nivel nivel : practice::kNiveles) {
        QAction* a = niveles_->addAction(Traducir(practice::NombreVisible(nivel)));
        a->setCheckable(true);
        a->setData(static_cast<int>(nivel));
        grupo_->addAction(a);
        connect(a, &QAction::triggered, this, [this, nivel] { ElegirNivel(nivel); });
    }
    // What the exercises ask for: the resultant, or checked, the equilibrant. With practice on, a
    // change starts again with exercises that ask for it.
    equilibrante_ = new QAction(QCoreApplication::translate("Practica", "Equilibrante"), this);
    equilibrante_->setCheckable(true);
    connect(equilibrante_, &QAction::triggered, this, [this] {
        if (nucleo().activa()) Comenzar();
    });
    // Checked, they say which path the window is on.
    camino_ = new QAction(QCoreApplication::translate("Practica", "Camino"), this);
    camino_->setCheckable(true);
    connect(camino_, &QAction::triggered, this, [this] { Caminar(false); });
    todas_ =
        new QAction(QCoreApplication::translate("Practica", "Camino por todas las ventanas"), this);
    todas_->setCheckable(true);
    connect(todas_, &QAction::triggered, this, [this] { Caminar(true); });
    barras_ = new QWidgetAction(this);
    barras_->setDefaultWidget(new QWidget());
    new QVBoxLayout(barras_->defaultWidget());
    // The core draws each step with its caption where the verdict was, and announces it. A
    // disabled key does nothing, so the entries follow every redraw: a verdict from the window's
    // own control, a moved bar that ends the steps.
    construccion_ = InstalarAtajo(ventana_, Atajo::Construccion);
    connect(construccion_, &QAction::triggered, this,
            [this] { Orden(session::comandos::QuePractica::Etapa); });
    connect(&ventana_, &VentanaMetodo::dibujado, this, &Practica::SeguirConstruccion);
    error_ = new QMenu(QCoreApplication::translate("Practica", "¿Dónde está el error?"), &ventana_);
    // Opening it shows the construction with its mistake, and the choices beside it.
    connect(error_, &QMenu::aboutToShow, this, &Practica::PlantarError);
    nombre_ = new QAction(QCoreApplication::translate("Practica", "Nombre…"), this);
    connect(nombre_, &QAction::triggered, this, &Practica::PedirNombre);
    guardar_ = new QAction(QCoreApplication::translate("Practica", "Guardar resultados…"), this);
    connect(guardar_, &QAction::triggered, this, [this] {
        GuardarCopiaDelRegistro(dialogos_, &ventana_, ajustes_.registro,
                                Q(practice::NombreDeResultados(
                                    ventana_.sesion().alumno(),
                                    QDate::currentDate().toString(::Qt::ISODate).toStdString())));
    });
    EnlazarLecturas();
    Seguir();
}

session::Practica& Practica::nucleo() const { return ventana_.nucleo().practica(); }

// The guess may also be typed into the result read-outs, with the bars' editor, while an exercise
// waits for it.
void Practica::EnlazarLecturas() {
    const auto [lecturaR, lecturaAlfa] = ventana_.LecturasDelResultado();
    for (const bool esModulo : {true, false}) {
        const int n = esModulo ? lecturaR : lecturaAlfa;
        Destino d;
        d.nombre = esModulo ? QCoreApplication::translate("Practica", "Módulo de su resultante")
                            : QCoreApplication::translate("Practica", "Dirección de su resultante");
        const session::Formulario f = ventana_.nucleo().formulario();
        const std::size_t lectura = ventana_.nucleo().Rotulo(n);
        // What the core's own editor lets in, so that the face reads numbers as the core does.
        d.validador = new ComoElNucleo(ventana_.sesion(), f, lectura);
        d.valor = [this, esModulo] {
            const std::optional<double> v = nucleo().Tecleado(esModulo);
            return v ? Q(practice::NumeroDelIntento(*v)) : QString();
        };
        d.acepta = [this, f, lectura](const QString& texto) {
            return ventana_.sesion().Admite(f, lectura, texto.toStdString());
        };
        d.pista = esModulo ? QCoreApplication::translate("Practica", "De 0 a %1, con punto: 87.5")
                                 .arg(practice::ModuloMaximoDelIntento(nucleo().cual()))
                           : QCoreApplication::translate("Practica", "De 0 a 360, con punto: 36.6");
        d.fijar = [this, f, lectura](const QString& texto) {
            ventana_.sesion().Ejecutar(
                session::comandos::Escribir{f, lectura, texto.toStdString()});
        };
        d.disponible = [this] { return nucleo().Pendiente(); };
        // Tab from r to α keeps the r typed.
        d.fijaAlSalir = true;
        EditorDeValor::Enlazar(ventana_.rotulo(n), std::move(d));
    }
}

void Practica::AgregarAlMenu(QMenu& menu) {
    // A window without practice offers none; its key is refused with the reason.
    if (!ventana_.nucleo().metodo().practica()) return;
    menu.addAction(practicar_);
    menu.addMenu(niveles_);
    if (ventana_.nucleo().metodo().suma()) menu.addAction(equilibrante_);
    menu.addAction(camino_);
    menu.addAction(todas_);
    menu.addAction(barras_);
    menu.addAction(construccion_);
    menu.addMenu(error_);
    menu.addAction(otro_);
    menu.addAction(comprobar_);
    menu.addAction(nombre_);
    menu.addAction(guardar_);
}

void Practica::Seguir() {
    const bool activa = nucleo().activa();
    practicar_->setChecked(activa);
    otro_->setEnabled(activa);
    comprobar_->setEnabled(activa);
    for (QAction* a : grupo_->actions())
        a->setChecked(a->data().toInt() == static_cast<int>(nucleo().nivel()));
    if (activa) equilibrante_->setChecked(nucleo().pregunta() == practice::Pregunta::Equilibrante);
    const auto& camino = nucleo().camino();
    camino_->setChecked(activa && camino && camino->progreso().ventana());
    todas_->setChecked(activa && camino && !camino->progreso().ventana());
    MostrarCamino();
    SeguirConstruccion();
}

void Practica::SeguirConstruccion() {
    const session::Practica& p = nucleo();
    construccion_->setEnabled(p.activa() && !p.etapas().empty());
    error_->menuAction()->setEnabled(p.activa() && p.camino() && p.revelado() && p.veredicto() &&
                                     !p.juzgados().empty());
}

void Practica::PlantarError() {
    error_->clear();
    session::comandos::Practicar orden{ventana_.nucleo().formulario(),
                                       session::comandos::QuePractica::Plantar};
    if (ventana_.sesion().Ejecutar(orden) || !nucleo().plantado()) {
        error_->addAction(QCoreApplication::translate("Practica", "Ningún error que mostrar"))
            ->setEnabled(false);
        return;
    }
    for (const practice::Codigo c : nucleo().plantado()->opciones) {
        QAction* a = error_->addAction(
            Q(ventana_.nucleo().Traducir("Trazalia", practice::NombreCorto(c).data())));
        connect(a, &QAction::triggered, this, [this, c] {
            session::comandos::Practicar eleccion{ventana_.nucleo().formulario(),
                                                  session::comandos::QuePractica::Elegir};
            eleccion.elegido = std::string(practice::Nombre(c));
            ventana_.sesion().Ejecutar(eleccion);
        });
    }
}

void Practica::Caminar(bool todas) {
    const session::Formulario f = ventana_.nucleo().formulario();
    session::comandos::Practicar orden{f, session::comandos::QuePractica::Comenzar};
    orden.camino = true;
    orden.todas = todas;
    if (ajustes_.recuerda) {
        orden.estado = Ajustes().value(ClaveCamino(ventana_, todas)).toString().toStdString();
        // A state this program no longer reads starts a new path.
        if (!orden.estado.empty() && !ventana_.sesion().Ejecutar(orden)) {
            Seguir();
            PedirNombreLaPrimeraVez();
            return;
        }
        orden.estado.clear();
    }
    orden.semilla = QRandomGenerator::global()->generate();
    orden.nivel = nucleo().nivel();
    ventana_.sesion().Ejecutar(orden);
    Seguir();
    PedirNombreLaPrimeraVez();
}

void Practica::MostrarCamino() {
    QWidget* caja = barras_->defaultWidget();
    for (QProgressBar* b : caja->findChildren<QProgressBar*>()) delete b;
    const auto& camino = nucleo().camino();
    barras_->setVisible(nucleo().activa() && camino);
    if (!nucleo().activa() || !camino) return;
    const practice::Progreso& p = camino->progreso();
    for (std::size_t d = 0; d < p.destrezas().size(); ++d) {
        if (!p.Incluida(d)) continue;
        auto* barra = new QProgressBar(caja);
        const QString nombre =
            Q(practice::NombreVisible(practice::Destrezas()[d], ventana_.sesion().traductor()));
        barra->setRange(0, practice::kRachaDeDominio);
        barra->setValue(std::min(p.destrezas()[d].racha, practice::kRachaDeDominio));
        barra->setFormat(
            nombre + QStringLiteral(": %v/%m") +
            (p.Dominada(d) ? QLatin1Char(' ') + QCoreApplication::translate("Practica", "dominada")
                           : QString()));
        barra->setAccessibleName(nombre);
        caja->layout()->addWidget(barra);
    }
}

practice::Pregunta Practica::Pregunta() const {
    return equilibrante_->isChecked() ? practice::Pregunta::Equilibrante
                                      : practice::Pregunta::Resultante;
}

void Practica::Comenzar() {
    ventana_.sesion().Ejecutar(session::comandos::Practicar{
        ventana_.nucleo().formulario(), session::comandos::QuePractica::Comenzar,
        QRandomGenerator::global()->generate(), nucleo().nivel(), Pregunta()});
    Seguir();
}

void Practica::Orden(session::comandos::QuePractica que) {
    ventana_.sesion().Ejecutar(session::comandos::Practicar{ventana_.nucleo().formulario(), que});
    Seguir();
}

void Practica::Activar(bool activa) {
    if (activa == nucleo().activa()) return;
    if (!activa) {
        Orden(session::comandos::QuePractica::Terminar);
        return;
    }
    Comenzar();
    PedirNombreLaPrimeraVez();
}

void Practica::EmpezarAlAbrir() {
    nucleo().Comenzar(QRandomGenerator::global()->generate(), nucleo().nivel(), Pregunta());
    Seguir();
    PedirNombreLaPrimeraVez();
}

void Practica::PedirNombreLaPrimeraVez() {
    if (!ajustes_.recuerda || ajustes_.nombrePedido) return;
    ajustes_.nombrePedido = true;
    // Once the window shows the exercise behind the question.
    QMetaObject::invokeMethod(this, &Practica::PedirNombre, ::Qt::QueuedConnection);
}

void Practica::ElegirNivel(practice::Nivel nivel) {
    if (ajustes_.recuerda) Ajustes().setValue(ClaveNivel(), Q(practice::Nombre(nivel)));
    // With practice on, the next exercises come from the new level.
    ventana_.sesion().Ejecutar(session::comandos::ElegirNivel{
        ventana_.nucleo().formulario(), nivel, QRandomGenerator::global()->generate()});
    Seguir();
}

void Practica::Comprobar() {
    if (nucleo().activa()) Orden(session::comandos::QuePractica::Comprobar);
}

void Practica::Rehusado(std::string_view control, const QString& texto) {
    QWidget* w = ventana_.control(Q(control));
    if (!w) return;
    QToolTip::showText(w->mapToGlobal(QPoint(0, w->height())), texto, w);
}

namespace {

// A key that moves a scroll bar, or a digit that opens its editor.
bool MueveLaBarra(const QKeyEvent& tecla) {
    switch (tecla.key()) {
        case ::Qt::Key_Left:
        case ::Qt::Key_Right:
        case ::Qt::Key_Up:
        case ::Qt::Key_Down:
        case ::Qt::Key_PageUp:
        case ::Qt::Key_PageDown:
        case ::Qt::Key_Home:
        case ::Qt::Key_End:
            return true;
        default:
            return tecla.key() >= ::Qt::Key_0 && tecla.key() <= ::Qt::Key_9 &&
                   !(tecla.modifiers() &
                     (::Qt::ControlModifier | ::Qt::AltModifier | ::Qt::MetaModifier));
    }
}

}  // namespace

bool Practica::eventFilter(QObject* objeto, QEvent* evento) {
    // The event's kind first: a window being destroyed is no longer one to ask.
    const auto tipo = evento->type();
    const bool cambia = tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseButtonDblClick ||
                        tipo == QEvent::Wheel || tipo == QEvent::ContextMenu ||
                        tipo == QEvent::KeyPress;
    if (!cambia || !nucleo().Pendiente()) return false;
    // With both of the guess's values given, Enter in r or α checks it, as on the picture.
    const auto [lecturaR, lecturaAlfa] = ventana_.LecturasDelResultado();
    if (tipo == QEvent::KeyPress && nucleo().intento() &&
        (objeto == ventana_.rotulo(lecturaR) || objeto == ventana_.rotulo(lecturaAlfa))) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (tecla != ::Qt::Key_Return && tecla != ::Qt::Key_Enter) return false;
        Comprobar();
        return true;
    }
    const auto fila = ventana_.nucleo().Indice(objeto->objectName().toStdString());
    if (!fila || !nucleo().Retiene(*fila)) return false;
    if (tipo == QEvent::KeyPress && !MueveLaBarra(*static_cast<QKeyEvent*>(evento))) return false;
    nucleo().Rehusar(*fila);
    return true;
}

void Practica::Anotado(const practice::Asiento& asiento) {
    if (!asiento.camino.empty() && ajustes_.recuerda) {
        // Kept where the same path resumes: its state says whether it is over every window.
        const auto leido = practice::Progreso::DeTexto(asiento.camino);
        if (const auto* progreso = std::get_if<practice::Progreso>(&leido))
            Ajustes().setValue(ClaveCamino(ventana_, !progreso->ventana()), Q(asiento.camino));
    }
    MostrarCamino();
    const QString ruta = ajustes_.registro;
    if (ruta.isEmpty()) return;
    QString error;
    if (!RegistrarAsiento(ruta, ajustes_.recuerda, asiento.alumno, asiento, &error))
        emit noRegistrado(error);
}

void Practica::PedirNombre() {
    const std::optional<QString> nombre = dialogos_.Texto(
        DondeSePractica(ventana_), QCoreApplication::translate("Practica", "Nombre"),
        QCoreApplication::translate("Practica",
                                    "Nombre del alumno, para el registro de resultados:"),
        Q(ventana_.sesion().alumno()));
    if (!nombre) return;
    // Remembered between runs on screen; in this run only otherwise.
    const std::string& alumno = ventana_.sesion().PonerAlumno(nombre->toStdString());
    if (ajustes_.recuerda) Ajustes().setValue(ClaveAlumno(), Q(alumno));
}

}  // namespace trazalia::app
