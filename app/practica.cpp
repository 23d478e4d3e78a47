// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/practica.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>
#include <string>
#include <vector>

#include "app/accesible.h"
#include "app/ajustes.h"
#include "app/dialogos.h"
#include "app/editor.h"
#include "app/idioma.h"
#include "app/registro.h"
#include "app/teclas.h"
#include "app/ventana_metodo.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/resultado.h"
#include "practice/dibujo.h"
#include "practice/intento.h"
#include "practice/registro.h"

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

// A name is one line of text: control characters (a pasted newline, a terminal's escapes) go.
QString SinControles(QString nombre) {
    nombre.removeIf([](QChar c) { return c.category() == QChar::Other_Control; });
    return nombre;
}

}  // namespace

Practica::Practica(VentanaMetodo& ventana, practice::Ventana cual, AjustesDePractica& ajustes,
                   Dialogos& dialogos)
    : QObject(&ventana), ventana_(ventana), ajustes_(ajustes), dialogos_(dialogos), cual_(cual) {
    practicar_ = InstalarAtajo(ventana_, Atajo::Practicar);
    practicar_->setCheckable(true);
    connect(practicar_, &QAction::toggled, this, &Practica::Activar);
    otro_ = InstalarAtajo(ventana_, Atajo::OtroEjercicio);
    otro_->setEnabled(false);
    connect(otro_, &QAction::triggered, this, &Practica::Siguiente);
    comprobar_ = new QAction(Nombre(Atajo::Comprobar), this);
    comprobar_->setShortcuts(Teclas(Atajo::Comprobar));
    // On the picture alone: elsewhere Enter belongs to the control with the focus.
    comprobar_->setShortcutContext(::Qt::WidgetShortcut);
    ventana_.Picture1()->addAction(comprobar_);
    comprobar_->setEnabled(false);
    connect(comprobar_, &QAction::triggered, this, &Practica::Comprobar);
    // After the bars' editors, so that this filter is asked first.
    const int vectores = practice::NumeroDeVectores(cual_);
    for (auto [barra, lectura] : ventana_.LecturasDeBarras()) {
        if (barra > 2 * vectores) continue;
        for (QWidget* w : {static_cast<QWidget*>(ventana_.barra(barra)),
                           static_cast<QWidget*>(ventana_.rotulo(lectura))}) {
            w->installEventFilter(this);
            retenidos_.push_back(w);
        }
    }
    ventana_.AgregarCapa(*this);

    if (ajustes_.recuerda) {
        const std::string guardado = Ajustes().value(ClaveNivel()).toString().toStdString();
        if (const auto n = practice::NivelDeNombre(guardado)) nivel_ = *n;
    }
    niveles_ = new QMenu(QCoreApplication::translate("Practica", "Nivel"), &ventana_);
    grupo_ = new QActionGroup(this);
    for (practice::Nivel nivel :
         {practice::Nivel::Facil, practice::Nivel::Medio, practice::Nivel::Dificil}) {
        QAction* a = niveles_->addAction(Traducir(practice::NombreVisible(nivel)));
        a->setCheckable(true);
        a->setChecked(nivel == nivel_);
        a->setData(static_cast<int>(nivel));
        grupo_->addAction(a);
        connect(a, &QAction::triggered, this, [this, nivel] { ElegirNivel(nivel); });
    }
    nombre_ = new QAction(QCoreApplication::translate("Practica", "Nombre…"), this);
    connect(nombre_, &QAction::triggered, this, &Practica::PedirNombre);
    guardar_ = new QAction(QCoreApplication::translate("Practica", "Guardar resultados…"), this);
    connect(guardar_, &QAction::triggered, this,
            [this] { GuardarCopiaDelRegistro(dialogos_, &ventana_, ajustes_.registro); });
}

// The guess may also be typed into the result read-outs, with the bars' editor. Done on the first
// exercise: the window knows its read-outs only once it is built.
void Practica::EnlazarLecturas() {
    if (enlazadas_) return;
    enlazadas_ = true;
    const auto [lecturaR, lecturaAlfa] = ventana_.LecturasDelResultado();
    for (const bool esModulo : {true, false}) {
        QLabel* lectura = ventana_.rotulo(esModulo ? lecturaR : lecturaAlfa);
        Destino d;
        d.nombre = esModulo ? QCoreApplication::translate("Practica", "Módulo de su resultante")
                            : QCoreApplication::translate("Practica", "Dirección de su resultante");
        // Decimals with a point, as scripts write them; never the locale's comma.
        d.validador = new QRegularExpressionValidator(
            QRegularExpression(QStringLiteral("[0-9]{0,3}([.][0-9]{0,2})?")));
        d.valor = [this, esModulo] {
            std::optional<double> v = esModulo ? moduloTecleado_ : direccionTecleada_;
            if (intento_) v = esModulo ? intento_->r : intento_->direccion;
            return v ? Q(practice::NumeroDelIntento(*v)) : QString();
        };
        d.acepta = [this, esModulo](const QString& texto) {
            bool numero = false;
            const double v = texto.toDouble(&numero);
            return numero &&
                   (esModulo ? practice::ModuloAdmitido(cual_, v) : practice::DireccionAdmitida(v));
        };
        d.pista = esModulo ? QCoreApplication::translate("Practica", "De 0 a %1, con punto: 87.5")
                                 .arg(practice::ModuloMaximoDelIntento(cual_))
                           : QCoreApplication::translate("Practica", "De 0 a 360, con punto: 36.6");
        d.fijar = [this, esModulo](const QString& texto) { Teclear(esModulo, texto.toDouble()); };
        d.disponible = [this] { return Pendiente(); };
        // Tab from r to α keeps the r typed.
        d.fijaAlSalir = true;
        EditorDeValor::Enlazar(lectura, std::move(d));
    }
}

void Practica::AgregarAlMenu(QMenu& menu) {
    menu.addAction(practicar_);
    menu.addMenu(niveles_);
    menu.addAction(otro_);
    menu.addAction(comprobar_);
    menu.addAction(nombre_);
    menu.addAction(guardar_);
}

void Practica::Activar(bool activa) {
    if (activa == activa_) return;
    if (!activa) {
        Terminar();
        return;
    }
    Comenzar(QRandomGenerator::global()->generate(), nivel_);
    if (ajustes_.recuerda && !ajustes_.nombrePedido) {
        ajustes_.nombrePedido = true;
        // Once the window shows the exercise behind the question.
        QMetaObject::invokeMethod(this, &Practica::PedirNombre, ::Qt::QueuedConnection);
    }
}

void Practica::Comenzar(std::uint32_t semilla, practice::Nivel nivel) {
    nivel_ = nivel;
    for (QAction* a : grupo_->actions())
        a->setChecked(a->data().toInt() == static_cast<int>(nivel));
    generador_.emplace(semilla, nivel, cual_);
    EnlazarLecturas();
    activa_ = true;
    // The result read-outs take the keyboard, so that a guess can be typed into them.
    for (int n : ventana_.LecturasDelResultado())
        ventana_.rotulo(n)->setFocusPolicy(::Qt::StrongFocus);
    {
        const QSignalBlocker bloqueo(practicar_);
        practicar_->setChecked(true);
    }
    otro_->setEnabled(true);
    comprobar_->setEnabled(true);
    Siguiente();
}

void Practica::Terminar() {
    // The instruction, the guess, the verdict and the held scale leave the picture.
    const bool dibujado = activa_;
    activa_ = false;
    generador_.reset();
    ejercicio_.clear();
    intento_.reset();
    moduloTecleado_.reset();
    direccionTecleada_.reset();
    veredicto_.reset();
    revelado_ = false;
    arrastrando_ = false;
    escalaDelArrastre_.reset();
    {
        const QSignalBlocker bloqueo(practicar_);
        practicar_->setChecked(false);
    }
    otro_->setEnabled(false);
    comprobar_->setEnabled(false);
    for (int n : ventana_.LecturasDelResultado()) ventana_.rotulo(n)->setFocusPolicy(::Qt::NoFocus);
    if (dibujado) ventana_.Redibujar();
}

void Practica::ElegirNivel(practice::Nivel nivel) {
    if (ajustes_.recuerda) Ajustes().setValue(ClaveNivel(), Q(practice::Nombre(nivel)));
    nivel_ = nivel;
    // The next exercises come from the new level.
    if (activa_) Comenzar(QRandomGenerator::global()->generate(), nivel);
}

void Practica::Siguiente() {
    if (!activa_ || !generador_) return;
    ejercicio_ = generador_->Siguiente();
    intento_.reset();
    moduloTecleado_.reset();
    direccionTecleada_.reset();
    veredicto_.reset();
    juzgados_.clear();
    revelado_ = false;
    arrastrando_ = false;
    escalaDelArrastre_.reset();
    // A value half typed into a bar's editor would change the exercise.
    for (EditorDeValor* editor : ventana_.findChildren<EditorDeValor*>())
        if (editor->barra() && editor->isVisible()) editor->hide();
    ventana_.PrepararRevelado();
    // Through the scroll bars, so that the same handlers run; when no value changes, the window
    // still draws the exercise afresh.
    const int n = practice::NumeroDeVectores(cual_);
    bool cambio = false;
    for (int i = 0; i < n; ++i) {
        const practice::Ejercicio::size_type k = static_cast<std::size_t>(i);
        for (auto [barra, valor] :
             {std::pair{i + 1, ejercicio_[k].m}, {i + 1 + n, ejercicio_[k].d}}) {
            QScrollBar* b = ventana_.barra(barra);
            cambio = cambio || b->value() != valor;
            b->setValue(valor);
        }
    }
    if (!cambio) ventana_.DibujarVectores();
    // The answer is not given away before the guess.
    ventana_.VaciarResultado();
    ventana_.anuncio().Decir(Instruccion());
}

bool Practica::Adivinar(practice::Intento intento) {
    if (!Pendiente() || !practice::ModuloAdmitido(cual_, intento.r) ||
        !practice::DireccionAdmitida(intento.direccion))
        return false;
    intento_ = intento;
    moduloTecleado_.reset();
    direccionTecleada_.reset();
    ventana_.Redibujar();
    return true;
}

void Practica::Teclear(bool esModulo, double valor) {
    if (!Pendiente()) return;
    (esModulo ? moduloTecleado_ : direccionTecleada_) = valor;
    // A guess already given keeps its other value.
    if (intento_) {
        if (!moduloTecleado_) moduloTecleado_ = intento_->r;
        if (!direccionTecleada_) direccionTecleada_ = intento_->direccion;
    }
    if (moduloTecleado_ && direccionTecleada_) {
        Adivinar({*moduloTecleado_, *direccionTecleada_});
        return;
    }
    ventana_.Redibujar();
    ventana_.anuncio().Decir(Instruccion());
}

void Practica::Comprobar() {
    if (activa_) ventana_.Revelar();
}

void Practica::Rehusar(QWidget* control) {
    const QString texto = QCoreApplication::translate(
        "Practica",
        "El ejercicio no cambia hasta comprobarlo: pulse Intro en el dibujo o elija «Comprobar» "
        "en su menú.");
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), texto, control);
    ventana_.anuncio().Decir(texto);
}

bool Practica::Retiene(const QObject* control) const {
    return Pendiente() &&
           std::find(retenidos_.begin(), retenidos_.end(), control) != retenidos_.end();
}

QString Practica::Instruccion() const {
    if (!Pendiente() || intento_) return {};
    if (moduloTecleado_)
        return QCoreApplication::translate("Practica", "Falta la dirección α de su resultante.");
    if (direccionTecleada_)
        return QCoreApplication::translate("Practica", "Falta el módulo r de su resultante.");
    return QCoreApplication::translate("Practica",
                                       "Arrastre desde el origen su resultante, o escriba r y α.");
}

std::optional<double> Practica::EscalaRetenida() const {
    if (escalaDelArrastre_) return escalaDelArrastre_;
    if (!Pendiente() || ventana_.revelando()) return std::nullopt;
    return practice::EscalaDelEjercicio(
        ejercicio_, intento_ ? std::optional<double>(intento_->r) : std::nullopt);
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
    if (!cambia || !Retiene(objeto)) return false;
    if (tipo == QEvent::KeyPress && !MueveLaBarra(*static_cast<QKeyEvent*>(evento))) return false;
    Rehusar(static_cast<QWidget*>(objeto));
    return true;
}

void Practica::EmpezarIntento() {
    if (!Pendiente() || !ventana_.dibujo()) return;
    arrastrando_ = true;
    escalaDelArrastre_ = ventana_.dibujo()->Escala;
}

void Practica::MoverIntento(diagram::Punto twips, bool suelto) {
    if (!arrastrando_) return;
    // Let go, the picture takes the scale the guess needs.
    if (suelto) {
        arrastrando_ = false;
        escalaDelArrastre_.reset();
    }
    const auto& dibujo = ventana_.dibujo();
    const canvas::Picture& picture = ventana_.Picture1()->picture();
    const auto intento = dibujo ? practice::IntentoEn(twips, picture.Width(), picture.Height(),
                                                      dibujo->Escala, dibujo->escalado)
                                : std::nullopt;
    const bool dibujado = intento && intento->r > 0 && Adivinar(practice::Acotado(cual_, *intento));
    if (suelto && !dibujado) ventana_.Reescalar();
}

QString Practica::Dibujado(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) {
    if (!activa_) return {};
    QString anuncio;
    if (dibujo.resultante && !revelado_) {
        revelado_ = true;
        arrastrando_ = false;
        if (intento_) {
            juzgados_ = dibujo.vectores;
            veredicto_ = practice::Juzgar(cual_, dibujo.vectores, *intento_, EnElIdioma);
            Registrar(*veredicto_);
            anuncio = Q(veredicto_->texto);
        }
    }
    if (intento_) practice::DibujarIntento(lienzo, dibujo, *intento_);
    practice::DibujarInstruccion(lienzo, Instruccion().toStdString());
    // Until the answer is shown, the result read-outs show the guess, or what is typed of it.
    const std::optional<double> r = intento_ ? std::optional(intento_->r) : moduloTecleado_;
    const std::optional<double> alfa =
        intento_ ? std::optional(intento_->direccion) : direccionTecleada_;
    if (Pendiente() && (r || alfa)) {
        const auto [lecturaR, lecturaAlfa] = ventana_.LecturasDelResultado();
        ventana_.Escribir(lecturaR, r ? practice::NumeroDelIntento(*r) : "");
        ventana_.Escribir(lecturaAlfa, alfa ? practice::NumeroDelIntento(*alfa) : "");
    }
    veredictoDibujado_ = veredicto_ && dibujo.resultante && dibujo.vectores == juzgados_;
    if (veredictoDibujado_)
        practice::DibujarVeredicto(lienzo, dibujo, *veredicto_, intento_,
                                   ventana_.vistas()[diagram::Vista::Ecuacion]);
    return anuncio;
}

QString Practica::Descripcion() const {
    if (!activa_) return {};
    if (const QString instruccion = Instruccion(); !instruccion.isEmpty()) return instruccion;
    if (!intento_) return {};
    if (veredictoDibujado_ && veredicto_) return Q(veredicto_->texto);
    return Q(practice::TextoDelIntento(*intento_, EnElIdioma));
}

void Practica::Registrar(const practice::Veredicto& veredicto) {
    const QString ruta = ajustes_.registro;
    if (ruta.isEmpty() || !intento_) return;
    QString error;
    if (!RegistrarVeredicto(ruta, ajustes_.recuerda, Alumno().toStdString(),
                            {cual_, nivel_, juzgados_, *intento_, veredicto}, &error))
        emit noRegistrado(error);
}

// Remembered between runs on screen; in this run only otherwise.
QString Practica::Alumno() const {
    return ajustes_.recuerda ? Ajustes().value(ClaveAlumno()).toString() : alumno_;
}

void Practica::PedirNombre() {
    const std::optional<QString> nombre =
        dialogos_.Texto(&ventana_, QCoreApplication::translate("Practica", "Nombre"),
                        QCoreApplication::translate(
                            "Practica", "Nombre del alumno, para el registro de resultados:"),
                        Alumno());
    if (!nombre) return;
    alumno_ = SinControles(*nombre).trimmed();
    if (ajustes_.recuerda) Ajustes().setValue(ClaveAlumno(), alumno_);
}

}  // namespace trazalia::app
