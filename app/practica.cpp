// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/practica.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "app/accesible.h"
#include "app/ajustes.h"
#include "app/dialogos.h"
#include "app/editor.h"
#include "app/idioma.h"
#include "app/teclas.h"
#include "app/ventana_metodo.h"
#include "canvas/qt/file_error.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/arrastre.h"
#include "diagram/marco.h"
#include "diagram/resultado.h"
#include "practice/intento.h"
#include "practice/registro.h"

namespace trazalia::app {

namespace {

constexpr canvas::Color kGrisIntento{128, 128, 128};
constexpr canvas::Color kVerdeAcierto{0, 110, 0};
constexpr canvas::Color kRojoError{170, 0, 0};
constexpr canvas::Color kGrisInstruccion{80, 80, 80};
// A press this close to the origin (logical pixels at zoom 100 %) starts a guess.
constexpr double kAgarre = 12;
// The verdict's lines: the views' line height, and a generous advance per character.
constexpr double kRenglon = 190;
constexpr double kAnchoLetra = 95;
constexpr double kMargenX = 60;
constexpr double kMargenY = 45;

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

float F(double v) { return static_cast<float>(v); }

std::size_t Letras(std::string_view s) {
    std::size_t n = 0;
    for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// Word by word into lines of at most that many characters; a longer word keeps a line alone.
std::vector<std::string> Renglones(std::string_view texto, std::size_t maximo) {
    std::vector<std::string> renglones;
    std::string actual;
    std::size_t i = 0;
    while (i < texto.size()) {
        const std::size_t fin = std::min(texto.find(' ', i), texto.size());
        const std::string_view palabra = texto.substr(i, fin - i);
        i = fin + 1;
        if (palabra.empty()) continue;
        if (!actual.empty() && Letras(actual) + 1 + Letras(palabra) > maximo) {
            renglones.push_back(std::move(actual));
            actual.clear();
        }
        if (!actual.empty()) actual += ' ';
        actual += palabra;
    }
    if (!actual.empty()) renglones.push_back(std::move(actual));
    return renglones;
}

// How many of a segment's points fall in the box: a rough measure of what a text there covers.
int Cubiertos(diagram::Punto p, diagram::Punto q, double x0, double y0, double x1, double y1) {
    constexpr int kMuestras = 40;
    int n = 0;
    for (int k = 0; k <= kMuestras; ++k) {
        const double t = static_cast<double>(k) / kMuestras;
        const double x = p.x + (q.x - p.x) * t;
        const double y = p.y + (q.y - p.y) * t;
        n += x >= x0 && x <= x1 && y >= y0 && y <= y1;
    }
    return n;
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
    practicar_ = RegistrarAtajo(ventana_, Atajo::Practicar);
    practicar_->setCheckable(true);
    connect(practicar_, &QAction::toggled, this, &Practica::Activar);
    otro_ = RegistrarAtajo(ventana_, Atajo::OtroEjercicio);
    otro_->setEnabled(false);
    connect(otro_, &QAction::triggered, this, &Practica::Siguiente);
    comprobar_ = new QAction(Nombre(Atajo::Comprobar), this);
    comprobar_->setShortcuts(Teclas(Atajo::Comprobar));
    // On the picture alone: elsewhere Enter belongs to the control with the focus.
    comprobar_->setShortcutContext(::Qt::WidgetShortcut);
    ventana_.Picture1()->addAction(comprobar_);
    comprobar_->setEnabled(false);
    connect(comprobar_, &QAction::triggered, this, &Practica::Comprobar);
    ventana_.Picture1()->installEventFilter(this);
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
    connect(guardar_, &QAction::triggered, this, &Practica::GuardarResultados);
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
    rechazo_ = texto;
    QToolTip::showText(control->mapToGlobal(QPoint(0, control->height())), texto, control);
    ventana_.anuncio().Decir(texto);
}

std::optional<QString> Practica::TomarRechazo() { return std::exchange(rechazo_, {}); }

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

std::optional<practice::Intento> Practica::IntentoEn(QPointF punto) const {
    const auto& dibujo = ventana_.dibujo();
    if (!dibujo || dibujo->Escala <= 0) return std::nullopt;
    const canvas::PictureWidget* widget = ventana_.Picture1();
    const canvas::Picture& picture = widget->picture();
    const double x = punto.x() / widget->scale() * canvas::kTwipsPerPixel;
    const double y = punto.y() / widget->scale() * canvas::kTwipsPerPixel;
    const auto [ux, uy] = diagram::EnUnidades({x, y}, picture.Width(), picture.Height(),
                                              dibujo->Escala, dibujo->escalado);
    const auto centesimas = [](double v) { return std::round(v * 100) / 100; };
    double direccion = centesimas(std::atan2(uy, ux) * 180 / std::numbers::pi);
    if (direccion < 0) direccion += 360;
    if (direccion >= 360) direccion -= 360;
    return practice::Intento{centesimas(std::hypot(ux, uy)), direccion};
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
    const bool raton = tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseMove ||
                       tipo == QEvent::MouseButtonRelease;
    const bool cambia = tipo == QEvent::MouseButtonPress || tipo == QEvent::MouseButtonDblClick ||
                        tipo == QEvent::Wheel || tipo == QEvent::ContextMenu ||
                        tipo == QEvent::KeyPress;
    if (!raton && !cambia) return false;
    if (objeto == ventana_.Picture1()) return EnElDibujo(evento);
    if (!cambia || !Retiene(objeto)) return false;
    if (tipo == QEvent::KeyPress && !MueveLaBarra(*static_cast<QKeyEvent*>(evento))) return false;
    Rehusar(static_cast<QWidget*>(objeto));
    return true;
}

bool Practica::EnElDibujo(QEvent* evento) {
    const auto tipo = evento->type();
    if (tipo == QEvent::KeyPress) {
        const int tecla = static_cast<QKeyEvent*>(evento)->key();
        if (!activa_ || (tecla != ::Qt::Key_Return && tecla != ::Qt::Key_Enter)) return false;
        Comprobar();
        return true;
    }
    if (!Pendiente() || (tipo != QEvent::MouseButtonPress && tipo != QEvent::MouseMove &&
                         tipo != QEvent::MouseButtonRelease))
        return false;
    const auto* raton = static_cast<QMouseEvent*>(evento);
    const canvas::PictureWidget* widget = ventana_.Picture1();
    if (tipo == QEvent::MouseButtonPress) {
        if (raton->button() != ::Qt::LeftButton || !ventana_.dibujo()) return false;
        const QPointF centro(
            widget->picture().Width() / 2 / canvas::kTwipsPerPixel * widget->scale(),
            widget->picture().Height() / 2 / canvas::kTwipsPerPixel * widget->scale());
        const QPointF d = raton->position() - centro;
        if (std::hypot(d.x(), d.y()) > kAgarre * widget->scale()) {
            // The exercise's tips hold still.
            const QPointF twips = raton->position() / widget->scale() * canvas::kTwipsPerPixel;
            if (!diagram::PuntaAlAlcance(*ventana_.dibujo(), {twips.x(), twips.y()},
                                         kAgarre * canvas::kTwipsPerPixel))
                return false;
            Rehusar(ventana_.Picture1());
            return true;
        }
        arrastrando_ = true;
        escalaDelArrastre_ = ventana_.dibujo()->Escala;
        return true;
    }
    if (!arrastrando_) return false;
    const bool suelto = tipo == QEvent::MouseButtonRelease;
    // Let go, the picture takes the scale the guess needs.
    if (suelto) {
        arrastrando_ = false;
        escalaDelArrastre_.reset();
    }
    const auto intento = IntentoEn(raton->position());
    const bool dibujado = intento && intento->r > 0 && Adivinar(practice::Acotado(cual_, *intento));
    if (suelto && !dibujado) ventana_.Reescalar();
    return true;
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
            emit juzgado(*veredicto_);
            Registrar(*veredicto_);
            anuncio = Q(veredicto_->texto);
        }
    }
    DibujarIntento(lienzo, dibujo);
    DibujarInstruccion(lienzo);
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
    if (veredictoDibujado_) DibujarVeredicto(lienzo, dibujo);
    return anuncio;
}

QString Practica::Descripcion() const {
    if (!activa_) return {};
    if (const QString instruccion = Instruccion(); !instruccion.isEmpty()) return instruccion;
    if (!intento_) return {};
    if (veredictoDibujado_ && veredicto_) return Q(veredicto_->texto);
    return Q(practice::TextoDelIntento(*intento_, EnElIdioma));
}

// Where the guess's head is drawn: a guess longer than the picture's scale stops at its edge.
diagram::Punto Practica::PuntaDelIntento(const canvas::Canvas& lienzo,
                                         const diagram::Resultado& dibujo) const {
    return diagram::Punta(lienzo, std::min(intento_->r, dibujo.Escala),
                          intento_->direccion * std::numbers::pi / 180, dibujo.Escala,
                          dibujo.escalado);
}

// A grey dashed shaft from the origin and a two-stroke head, at the picture's scale; cut at its
// edge, with its magnitude written beside the head.
void Practica::DibujarIntento(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) const {
    if (!intento_ || dibujo.Escala <= 0 || intento_->r <= 0) return;
    const diagram::Punto O = diagram::Origen(lienzo);
    const diagram::Punto P = PuntaDelIntento(lienzo, dibujo);
    lienzo.DashedLine(F(O.x), F(O.y), F(P.x), F(P.y), kGrisIntento);
    constexpr double kCabeza = 120;
    const double angulo = std::atan2(P.y - O.y, P.x - O.x);
    for (double giro : {2.7, -2.7}) {
        lienzo.Line(F(P.x), F(P.y), F(P.x + kCabeza * std::cos(angulo + giro)),
                    F(P.y + kCabeza * std::sin(angulo + giro)), kGrisIntento);
    }
    if (intento_->r <= dibujo.Escala) return;
    // Inside the picture: on the origin's side of the head.
    const canvas::Anchor ancla = P.x >= O.x
                                     ? (P.y <= O.y ? canvas::Anchor::Ne : canvas::Anchor::Se)
                                     : (P.y <= O.y ? canvas::Anchor::Nw : canvas::Anchor::Sw);
    lienzo.Text(F(P.x), F(P.y), ancla, kGrisIntento, practice::NumeroDelIntento(intento_->r));
}

// The line that says what to do, at the top left, until a guess is given.
void Practica::DibujarInstruccion(canvas::Canvas& lienzo) const {
    const QString instruccion = Instruccion();
    if (instruccion.isEmpty()) return;
    const double ancho = lienzo.Width() - 2 * kMargenX;
    const auto renglones =
        Renglones(instruccion.toStdString(), static_cast<std::size_t>(ancho / kAnchoLetra));
    for (std::size_t i = 0; i < renglones.size(); ++i)
        lienzo.Text(F(kMargenX), F(kMargenY + kRenglon * static_cast<double>(i)),
                    canvas::Anchor::Nw, kGrisInstruccion, renglones[i]);
}

// In the corner that the diagram's strokes cross least, above the equation's line when shown.
void Practica::DibujarVeredicto(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) const {
    const double W = lienzo.Width();
    const double H = lienzo.Height();
    // The right-hand corners start clear of the scale texts, which stand just right of the
    // vertical axis at its ends; the left-hand ones are as wide.
    const double derecha = 0.62 * W;
    const double ancho = W - kMargenX - derecha;
    const auto renglones =
        Renglones(veredicto_->texto, static_cast<std::size_t>(ancho / kAnchoLetra));
    const double alto = kRenglon * static_cast<double>(renglones.size());
    double abajo = H - kMargenY;
    if (ventana_.vistas()[diagram::Vista::Ecuacion]) abajo -= kRenglon + 2 * kMargenY;
    const std::array<diagram::Punto, 4> esquinas{{{kMargenX, kMargenY},
                                                  {derecha, kMargenY},
                                                  {kMargenX, abajo - alto},
                                                  {derecha, abajo - alto}}};
    std::vector<std::pair<diagram::Punto, diagram::Punto>> trazos;
    for (const diagram::Trazo& t : dibujo.trazos) trazos.push_back({t.desde, t.hasta});
    if (intento_) trazos.push_back({diagram::Origen(lienzo), PuntaDelIntento(lienzo, dibujo)});
    diagram::Punto mejor = esquinas[0];
    int menor = -1;
    for (const diagram::Punto& e : esquinas) {
        int n = 0;
        for (const auto& [p, q] : trazos) n += Cubiertos(p, q, e.x, e.y, e.x + ancho, e.y + alto);
        if (menor < 0 || n < menor) {
            menor = n;
            mejor = e;
        }
    }
    const canvas::Color color =
        veredicto_->codigo == practice::Codigo::Acierto ? kVerdeAcierto : kRojoError;
    for (std::size_t i = 0; i < renglones.size(); ++i)
        lienzo.Text(F(mejor.x), F(mejor.y + kRenglon * static_cast<double>(i)), canvas::Anchor::Nw,
                    color, renglones[i]);
}

namespace {

// cause: errno right after the failed open.
QString NoSePuedeLeer(const QString& ruta, int cause) {
    return QCoreApplication::translate("Practica", "no se puede leer «%1»: %2")
        .arg(ruta, canvas::Reason(canvas::OpenError(ruta, QIODevice::ReadOnly, cause)));
}

}  // namespace

// The record gets one more line (canvas::AppendLine): written whole beside the old file and renamed
// over it, so that a failure leaves the earlier lines as they were, under a lock that keeps every
// writer's line.
void Practica::Registrar(const practice::Veredicto& veredicto) {
    const QString ruta = ajustes_.registro;
    if (ruta.isEmpty() || !intento_) return;
    const QString fecha = [] {
        const QDateTime ahora = QDateTime::currentDateTime();
        return ahora.toOffsetFromUtc(ahora.offsetFromUtc()).toString(::Qt::ISODate);
    }();
    const std::string alumno = Alumno().toStdString();
    const practice::Registro registro = practice::RegistroDe(
        fecha.toStdString(), alumno, cual_, nivel_, juzgados_, *intento_, veredicto);
    // The user's data folder may not exist yet.
    if (ajustes_.recuerda && !QFileInfo::exists(ruta))
        QDir().mkpath(QFileInfo(ruta).absolutePath());
    const std::string_view cabecera = practice::CabeceraDelRegistro();
    QString error;
    // Another window or another run may add to the same record at the same time.
    if (canvas::AppendLine(QByteArray::fromStdString(practice::LineaDeRegistro(registro)),
                           QByteArray(cabecera.data(), static_cast<qsizetype>(cabecera.size())),
                           ruta, &error))
        return;
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

void Practica::GuardarResultados() {
    const QString ruta = ajustes_.registro;
    QFile registro(ruta);
    if (ruta.isEmpty() || !registro.exists()) {
        dialogos_.Aviso(&ventana_, QCoreApplication::translate("Practica", "No hay resultados"),
                        QCoreApplication::translate(
                            "Practica", "Todavía no se ha registrado ningún veredicto."));
        return;
    }
    const QString destino = dialogos_.ArchivoParaGuardar(&ventana_, QStringLiteral("practica.csv"));
    if (destino.isEmpty()) return;
    QString error;
    errno = 0;
    if (!registro.open(QIODevice::ReadOnly))
        error = NoSePuedeLeer(ruta, errno);
    else if (canvas::SaveFile(registro.readAll(), destino, &error))
        return;
    if (!error.isEmpty()) error[0] = error[0].toUpper();
    dialogos_.Aviso(
        &ventana_, QCoreApplication::translate("Practica", "No se pudieron guardar los resultados"),
        error + u'.');
}

}  // namespace trazalia::app
