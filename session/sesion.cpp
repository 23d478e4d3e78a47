// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/sesion.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "canvas/error_reason.h"
#include "diagram/traducible.h"
#include "practice/intento.h"
#include "practice/registro.h"
#include "session/errores.h"

namespace trazalia::session {

namespace {

// Logical pixels around a tip that grab it, in twips at the program's own size.
constexpr double kAlcance = 10 * canvas::kTwipsPerPixel;

bool EsCifras(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What a bar's editor takes as the user types: up to four digits.
bool ValidoEnBarra(std::string_view s) {
    return s.size() <= 4 &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// What a guess's editor takes: up to three digits, then a point or a comma and up to two
// decimals. A minus sign is taken, so that a negative value is refused with the range when it is
// set rather than losing its sign unseen.
bool ValidoEnLectura(std::string_view s) {
    if (s.starts_with('-')) s.remove_prefix(1);
    const std::size_t punto = std::min(s.find_first_of(".,"), s.size());
    const std::string_view entera = s.substr(0, punto);
    if (entera.size() > 3 || !ValidoEnBarra(entera)) return false;
    if (punto == s.size()) return true;
    const std::string_view decimales = s.substr(punto + 1);
    return decimales.size() <= 2 && ValidoEnBarra(decimales);
}

// A key that moves a scroll bar, or a digit that opens its editor.
bool MueveLaBarra(const teclas::Tecla& t) {
    for (std::string_view k : {"Left", "Right", "Up", "Down", "PageUp", "PageDown", "Home", "End"})
        if (t.Es(k)) return true;
    return t.Cifra() >= 0 && !(t.modificadores & (teclas::kCtrl | teclas::kAlt | teclas::kMeta));
}

// Whether the value editor claims the key before the window's shortcuts see it: what it types,
// and the keys that edit a line.
bool ReclamaElEditor(const teclas::Tecla& t) {
    if (!t.texto.empty()) return true;
    const bool sinOtros = !(t.modificadores & ~teclas::kShift);
    for (std::string_view k : {"Home", "End", "Left", "Right", "Backspace", "Delete"})
        if (t.Es(k) && (sinOtros || t.modificadores == teclas::kCtrl)) return true;
    if (t.modificadores == teclas::kCtrl)
        for (std::string_view k : {"C", "V", "X", "Z", "Y", "A", "Insert"})
            if (t.Es(k)) return true;
    return false;
}

}  // namespace

Sesion::Sesion() = default;
Sesion::~Sesion() = default;

void Sesion::AgregarObservador(Observador& observador) { observadores_.push_back(&observador); }

void Sesion::QuitarObservador(Observador& observador) { std::erase(observadores_, &observador); }

void Sesion::Iniciar() { Abrir(Formulario::Form1).Mostrar(true); }

Ventana& Sesion::Abrir(Formulario f) {
    auto& v = ventanas_[static_cast<std::size_t>(f)];
    if (v) return *v;
    if (f == Formulario::Form1) {
        v = std::make_unique<Inicio>(*this);
        Avisar([&](Observador& o) { o.Cargada(v->nombre()); });
        return *v;
    }
    auto metodo = std::make_unique<VentanaMetodo>(*this, f);
    VentanaMetodo& m = *metodo;
    v = std::move(metodo);
    creadas_.push_back(&m);
    Avisar([&](Observador& o) { o.Cargada(m.nombre()); });
    m.Form_Load();
    return m;
}

Ventana* Sesion::ventana(std::string_view nombre) const {
    for (const auto& v : ventanas_)
        if (v && v->nombre() == nombre) return v.get();
    return nullptr;
}

VentanaMetodo* Sesion::metodo(std::string_view nombre) const {
    return dynamic_cast<VentanaMetodo*>(ventana(nombre));
}

void Sesion::Terminar() {
    if (terminado_) return;
    terminado_ = true;
    Avisar([](Observador& o) { o.Terminado(); });
}

void Sesion::Regresar(Ventana& desde) {
    desde.Mostrar(false);
    Abrir(Formulario::Form1).Mostrar(true);
}

void Sesion::NuevoEjercicio(VentanaMetodo& ventana) {
    const auto i = static_cast<std::size_t>(ventana.formulario());
    // The steps kept would set bars of the figure before it over the exercise's, a figure the
    // window never had.
    historias_[i] = {};
    if (gestos_[i].gesto == practice::Gesto::Punta) {
        ventana.arrastre().Dejar();
        gestos_[i] = {};
    }
}

void Sesion::PonerVista(diagram::Vista vista, bool activa, bool redibujar) {
    vistas_.Poner(vista, activa);
    Avisar([&](Observador& o) { o.VistaCambiada(static_cast<int>(vista), activa); });
    if (!redibujar) return;
    for (VentanaMetodo* m : creadas_) m->Redibujar();
}

void Sesion::CambiarVista(VentanaMetodo& ventana, diagram::Vista vista, bool activa) {
    negativa_.reset();
    PonerVista(vista, activa, true);
    Apuntar(ventana, Paso{{}, {}, vista, activa, true});
}

std::string Sesion::TomarFallo() {
    std::string fallo;
    for (auto& v : ventanas_) {
        if (!v) continue;
        std::string este = v->TomarFallo();
        if (fallo.empty()) fallo = std::move(este);
    }
    return fallo;
}

Sesion::Busqueda Sesion::BuscarVentana(std::string_view nombre, bool aLaVista) const {
    if (!TablaDe(nombre)) return {nullptr, {}, errores::VentanaDesconocida(nombre, traductor_)};
    Ventana* v = ventana(nombre);
    if (!v || (aLaVista && !v->visible()))
        return {nullptr, {}, errores::NoALaVista(nombre, traductor_)};
    return {v, {}, {}};
}

Sesion::Busqueda Sesion::BuscarControl(std::string_view ruta) const {
    const auto punto = ruta.find('.');
    if (punto == std::string_view::npos)
        return {nullptr, {}, errores::SeEsperabaRuta(ruta, traductor_)};
    Busqueda b = BuscarVentana(ruta.substr(0, punto), true);
    if (!b.ventana) return b;
    const std::string_view nombre = ruta.substr(punto + 1);
    b.control = b.ventana->Indice(nombre);
    if (!b.control)
        return {nullptr, {}, errores::SinControl(b.ventana->nombre(), nombre, traductor_)};
    return b;
}

errores::Negativa Sesion::Retenido(const Ventana& v) const {
    return errores::Retenido(v.nombre(), traductor_);
}

std::string Sesion::Dar(errores::Negativa negativa) {
    std::string guion = negativa.guion;
    negativa_ = std::move(negativa);
    return guion;
}

const std::string& Sesion::PonerAlumno(std::string_view nombre) {
    alumno_ = practice::NombreLimpio(nombre);
    return alumno_;
}

std::vector<std::pair<int, int>> Sesion::Barras(const VentanaMetodo& v) const {
    std::vector<std::pair<int, int>> valores;
    for (const Control& c : v.tabla().controles) {
        const std::string_view nombre = c.nombre;
        if (c.tipo != Tipo::HScroll) continue;
        int n = 0;
        std::from_chars(nombre.data() + 7, nombre.data() + nombre.size(), n);
        valores.emplace_back(n, v.HScroll(n));
    }
    return valores;
}

void Sesion::Apuntar(VentanaMetodo& v, Paso paso) {
    if (!paso.vista) {
        // Only the bars that changed, in the order they were moved.
        std::vector<std::pair<int, int>> antes;
        std::vector<std::pair<int, int>> despues;
        for (std::size_t i = 0; i < paso.antes.size(); ++i)
            if (paso.antes[i] != paso.despues[i]) {
                antes.push_back(paso.antes[i]);
                despues.push_back(paso.despues[i]);
            }
        if (antes.empty()) return;
        paso.antes = std::move(antes);
        paso.despues = std::move(despues);
    }
    Historia& h = historias_[static_cast<std::size_t>(v.formulario())];
    h.deshacer.push_back(std::move(paso));
    h.rehacer.clear();
}

void Sesion::Aplicar(VentanaMetodo& v, const std::vector<std::pair<int, int>>& valores) {
    for (auto [n, valor] : valores) v.Mover(n, valor);
}

const Sesion::Historia* Sesion::HistoriaDe(std::string_view nombre) const {
    const Tabla* t = TablaDe(nombre);
    for (std::size_t i = 0; t && i < kFormularios; ++i)
        if (&TablaDe(static_cast<Formulario>(i)) == t) return &historias_[i];
    return nullptr;
}

std::size_t Sesion::Deshechos(std::string_view nombre) const {
    const Historia* h = HistoriaDe(nombre);
    return h ? h->deshacer.size() : 0;
}

std::size_t Sesion::Rehechos(std::string_view nombre) const {
    const Historia* h = HistoriaDe(nombre);
    return h ? h->rehacer.size() : 0;
}

// click WINDOW.BUTTON
std::string Sesion::Pulsar(std::string_view ruta) {
    negativa_.reset();
    const Busqueda b = BuscarControl(ruta);
    if (!b.ventana) return Dar(*b.error);
    const Control& c = b.ventana->tabla().controles[*b.control];
    if (c.tipo != Tipo::Button) return Dar(errores::NoEsBoton(ruta, traductor_));
    int n = 0;
    const std::string_view nombre = c.nombre;
    std::from_chars(nombre.data() + 7, nombre.data() + nombre.size(), n);
    b.ventana->Pulsar(n);
    return {};
}

// set WINDOW.SCROLLBAR VALUE
std::string Sesion::Mover(std::string_view ruta, std::string_view numero) {
    negativa_.reset();
    const Busqueda b = BuscarControl(ruta);
    if (!b.ventana) return Dar(*b.error);
    const Control& c = b.ventana->tabla().controles[*b.control];
    if (c.tipo != Tipo::HScroll) return Dar(errores::NoEsBarra(ruta, traductor_));
    const std::optional<long> valor = errores::LeerEntero(numero);
    if (!valor) return Dar(errores::NoEntero(numero, traductor_));
    if (*valor < c.min || *valor > c.max)
        return Dar(errores::FueraDeRango(numero, ruta, c.min, c.max, traductor_));
    auto& v = static_cast<VentanaMetodo&>(*b.ventana);
    if (v.practica().Retiene(*b.control)) return Dar(Retenido(v));
    Paso paso{Barras(v), {}, {}, false, false};
    const std::string_view nombre = c.nombre;
    int n = 0;
    std::from_chars(nombre.data() + 7, nombre.data() + nombre.size(), n);
    v.Mover(n, static_cast<int>(*valor));
    paso.despues = Barras(v);
    Apuntar(v, std::move(paso));
    return {};
}

// close WINDOW
std::string Sesion::Cerrar(std::string_view nombre) {
    negativa_.reset();
    const Busqueda b = BuscarVentana(nombre, true);
    if (!b.ventana) return Dar(*b.error);
    Terminar();
    return {};
}

// view WINDOW NAME on|off: one set of views serves both method windows; the next redraw shows it.
std::string Sesion::Vista(std::string_view nombre, std::string_view vista,
                          std::string_view estado) {
    negativa_.reset();
    if (!TablaDe(nombre)) return Dar(errores::VentanaDesconocida(nombre, traductor_));
    if (nombre == "Form1") return Dar(errores::SinVistas(nombre, traductor_));
    const std::optional<diagram::Vista> cual = teclas::VistaDeNombre(vista);
    if (!cual) return Dar(errores::VistaDesconocida(vista, teclas::NombresDeVistas(), traductor_));
    if (estado != "on" && estado != "off") return Dar(errores::OnUOff(estado, traductor_));
    const bool activa = estado == "on";
    const bool antes = vistas_[*cual];
    PonerVista(*cual, activa, false);
    if (VentanaMetodo* m = metodo(nombre); m && antes != activa)
        Apuntar(*m, Paso{{}, {}, cual, activa, false});
    return {};
}

// dump WINDOW
std::string Sesion::Volcar(std::string_view nombre, std::vector<std::string>& lineas) const {
    const Busqueda b = BuscarVentana(nombre, false);
    if (!b.ventana) return b.error->guion;
    lineas = b.ventana->Dump();
    return {};
}

// practice WINDOW on SEED LEVEL | next | check | off
std::string Sesion::Practicar(std::string_view nombre, std::string_view que,
                              std::string_view semilla, std::string_view nivel) {
    negativa_.reset();
    if (que != "on" && que != "next" && que != "check" && que != "off")
        return Dar(errores::QuePractica(que, traductor_));
    if (nombre == "Form1") return Dar(errores::SinPractica(nombre, traductor_));
    const Busqueda b = BuscarVentana(nombre, true);
    if (!b.ventana) return Dar(*b.error);
    Practica& practica = static_cast<VentanaMetodo&>(*b.ventana).practica();
    if (que == "off") {
        practica.Terminar();
        return {};
    }
    if (que == "next" || que == "check") {
        if (!practica.activa()) return Dar(errores::NoPractica(nombre, traductor_));
        que == "next" ? practica.Siguiente() : practica.Comprobar();
        return {};
    }
    const std::optional<std::uint32_t> valor = errores::LeerSemilla(semilla);
    if (!valor) return Dar(errores::SemillaNoValida(semilla, traductor_));
    const std::optional<practice::Nivel> n = practice::NivelDeNombre(nivel);
    if (!n) return Dar(errores::NivelDesconocido(nivel, traductor_));
    practica.Comenzar(*valor, *n);
    return {};
}

// guess WINDOW R ALPHA
std::string Sesion::Adivinar(std::string_view nombre, std::string_view r, std::string_view alfa) {
    negativa_.reset();
    const std::optional<double> modulo = errores::LeerDecimal(r);
    if (!modulo) return Dar(errores::ModuloNoValido(r, traductor_));
    const std::optional<double> direccion = errores::LeerDecimal(alfa);
    if (!direccion) return Dar(errores::DireccionNoValida(alfa, traductor_));
    if (nombre == "Form1") return Dar(errores::SinPractica(nombre, traductor_));
    const Busqueda b = BuscarVentana(nombre, true);
    if (!b.ventana) return Dar(*b.error);
    Practica& practica = static_cast<VentanaMetodo&>(*b.ventana).practica();
    if (!practica.activa()) return Dar(errores::NoPractica(nombre, traductor_));
    const practice::Ventana cual = practica.cual();
    if (!practice::ModuloAdmitido(cual, *modulo))
        return Dar(errores::ModuloFueraDeRango(r, cual, traductor_));
    if (!practice::DireccionAdmitida(*direccion))
        return Dar(errores::DireccionFueraDeRango(alfa, traductor_));
    if (!practica.Adivinar({*modulo, *direccion}))
        return Dar(errores::Resuelto(nombre, traductor_));
    return {};
}

// drag WINDOW X1 Y1 X2 Y2: a press that grabs no tip does nothing.
std::string Sesion::Arrastrar(std::string_view nombre, diagram::Punto desde, diagram::Punto hasta) {
    negativa_.reset();
    const Busqueda b = BuscarVentana(nombre, true);
    if (!b.ventana) return Dar(*b.error);
    auto* v = dynamic_cast<VentanaMetodo*>(b.ventana);
    if (!v) return Dar(errores::SinVectores(nombre, traductor_));
    if (v->practica().Pendiente()) return Dar(Retenido(*v));
    Paso paso{Barras(*v), {}, {}, false, false};
    if (v->arrastre().Presionar(desde, kAlcance)) {
        v->arrastre().Mover(hasta, false);
        v->arrastre().Soltar();
    }
    paso.despues = Barras(*v);
    Apuntar(*v, std::move(paso));
    return {};
}

practice::Gesto Sesion::Presionar(std::string_view nombre, diagram::Punto p, double alcance) {
    negativa_.reset();
    VentanaMetodo* v = metodo(nombre);
    if (!v || !v->visible() || !v->dibujo()) return practice::Gesto::Nada;
    Gesto& g = gestos_[static_cast<std::size_t>(v->formulario())];
    if (g.gesto != practice::Gesto::Nada) return practice::Gesto::Nada;
    const canvas::Picture& picture = v->picture();
    const practice::Pulsacion pulsacion = practice::QueEmpieza(
        *v->dibujo(), p, picture.Width(), picture.Height(), v->practica().Pendiente(), alcance);
    switch (pulsacion.gesto) {
        case practice::Gesto::Punta:
            g = {pulsacion.gesto, Barras(*v)};
            v->arrastre().Presionar(p, alcance);
            break;
        case practice::Gesto::Intento:
            g = {pulsacion.gesto, {}};
            v->practica().EmpezarIntento();
            break;
        case practice::Gesto::Rehusado:
            v->practica().Rehusar(*v->Indice("Picture1"));
            break;
        case practice::Gesto::Nada:
            break;
    }
    return pulsacion.gesto;
}

void Sesion::MoverPuntero(std::string_view nombre, diagram::Punto p, bool ajustar) {
    negativa_.reset();
    VentanaMetodo* v = metodo(nombre);
    if (!v) return;
    switch (gestos_[static_cast<std::size_t>(v->formulario())].gesto) {
        case practice::Gesto::Punta:
            v->arrastre().Mover(p, ajustar);
            break;
        case practice::Gesto::Intento:
            v->practica().MoverIntento(p, false);
            break;
        default:
            break;
    }
}

void Sesion::SoltarPuntero(std::string_view nombre, diagram::Punto p, bool ajustar) {
    negativa_.reset();
    VentanaMetodo* v = metodo(nombre);
    if (!v) return;
    Gesto g = std::exchange(gestos_[static_cast<std::size_t>(v->formulario())], Gesto{});
    if (g.gesto == practice::Gesto::Intento) v->practica().MoverIntento(p, true);
    if (g.gesto != practice::Gesto::Punta) return;
    v->arrastre().Mover(p, ajustar);
    v->arrastre().Soltar();
    Apuntar(*v, Paso{std::move(g.antes), Barras(*v), {}, false, false});
}

Sesion::Busqueda Sesion::BuscarEscrito(std::string_view ruta) const {
    Busqueda b = BuscarControl(ruta);
    if (!b.ventana) return b;
    auto* m = dynamic_cast<VentanaMetodo*>(b.ventana);
    // A bar's read-out sets its bar.
    if (m)
        for (auto [barra, lectura] : m->tabla().lecturas)
            if (m->tabla().controles[*b.control].nombre == "Label" + std::to_string(lectura))
                b.control = m->Numerado("HScroll", barra);
    const Tipo tipo = b.ventana->tabla().controles[*b.control].tipo;
    if (!m || (tipo != Tipo::HScroll && !(tipo == Tipo::Lectura && m->practica().Pendiente())))
        return {nullptr, {}, errores::NoRecibeValor(ruta, traductor_)};
    if (m->practica().Retiene(*b.control)) return {nullptr, {}, Retenido(*m)};
    return b;
}

bool Sesion::Admite(std::string_view ruta, std::string_view texto) const {
    const Busqueda b = BuscarEscrito(ruta);
    return b.ventana && Acepta(*b.ventana, *b.control, std::string(texto));
}

bool Sesion::Tecleable(std::string_view ruta, std::string_view texto) const {
    const Busqueda b = BuscarEscrito(ruta);
    if (!b.ventana) return false;
    return b.ventana->tabla().controles[*b.control].tipo == Tipo::HScroll ? ValidoEnBarra(texto)
                                                                          : ValidoEnLectura(texto);
}

std::string Sesion::Escribir(std::string_view ruta, std::string_view texto) {
    negativa_.reset();
    const Busqueda b = BuscarEscrito(ruta);
    if (!b.ventana) return Dar(*b.error);
    const std::string valor(texto);
    if (!Acepta(*b.ventana, *b.control, valor)) return Dar(Rechazo(*b.ventana, *b.control, valor));
    Fijar(*b.ventana, *b.control, valor);
    return {};
}

std::string Sesion::Nivel(std::string_view nombre, std::string_view nivel, std::uint32_t semilla) {
    negativa_.reset();
    VentanaMetodo* v = metodo(nombre);
    if (!v) return Dar(errores::SinPractica(nombre, traductor_));
    const std::optional<practice::Nivel> n = practice::NivelDeNombre(nivel);
    if (!n) return Dar(errores::NivelDesconocido(nivel, traductor_));
    v->practica().ElegirNivel(*n, semilla);
    return {};
}

std::string Sesion::Deshacer(std::string_view nombre) {
    negativa_.reset();
    if (nombre == "Form1") return Dar(errores::NadaQueDeshacer(nombre, traductor_));
    const Busqueda b = BuscarVentana(nombre, true);
    if (!b.ventana) return Dar(*b.error);
    auto& v = static_cast<VentanaMetodo&>(*b.ventana);
    Historia& h = historias_[static_cast<std::size_t>(v.formulario())];
    if (h.deshacer.empty()) return Dar(errores::NadaQueDeshacer(nombre, traductor_));
    const Paso& paso = h.deshacer.back();
    if (!paso.vista && v.practica().Pendiente()) return Dar(Retenido(v));
    if (paso.vista)
        PonerVista(*paso.vista, !paso.activa, paso.redibujar);
    else
        Aplicar(v, paso.antes);
    h.rehacer.push_back(std::move(h.deshacer.back()));
    h.deshacer.pop_back();
    return {};
}

std::string Sesion::Rehacer(std::string_view nombre) {
    negativa_.reset();
    if (nombre == "Form1") return Dar(errores::NadaQueRehacer(nombre, traductor_));
    const Busqueda b = BuscarVentana(nombre, true);
    if (!b.ventana) return Dar(*b.error);
    auto& v = static_cast<VentanaMetodo&>(*b.ventana);
    Historia& h = historias_[static_cast<std::size_t>(v.formulario())];
    if (h.rehacer.empty()) return Dar(errores::NadaQueRehacer(nombre, traductor_));
    const Paso& paso = h.rehacer.back();
    if (!paso.vista && v.practica().Pendiente()) return Dar(Retenido(v));
    if (paso.vista)
        PonerVista(*paso.vista, paso.activa, paso.redibujar);
    else
        Aplicar(v, paso.despues);
    h.deshacer.push_back(std::move(h.rehacer.back()));
    h.rehacer.pop_back();
    return {};
}

// key WINDOW.CONTROL KEY...: the control takes the focus, then each key is pressed and released
// on whatever has the focus then (a digit on a scroll bar opens its editor, which takes the next
// keys). A view's key turns the view on or off; a key of the screen alone is an error, and so is
// a value the editor refuses.
std::string Sesion::Teclas(std::string_view ruta, const std::vector<std::string_view>& nombres) {
    negativa_.reset();
    std::vector<teclas::Tecla> lista;
    for (std::string_view n : nombres) {
        const std::optional<teclas::Tecla> t = teclas::Leer(n);
        if (!t) return Dar(errores::TeclaDesconocida(n, traductor_));
        lista.push_back(*t);
    }
    const Busqueda b = BuscarControl(ruta);
    if (!b.ventana) return Dar(*b.error);
    Ventana& v = *b.ventana;
    const Estado& e = v.estado(*b.control);
    if (!e.enfocable || !e.habilitado) return Dar(errores::SinFoco(ruta, traductor_));
    // An editor that earlier keys opened on the bar keeps the focus, to take these keys.
    const bool abierto = v.enEditor_ && v.foco_ == *b.control &&
                         v.tabla().controles[*b.control].tipo == Tipo::HScroll;
    if (!abierto) {
        v.foco_ = *b.control;
        v.enEditor_ = false;
    }
    auto* m = dynamic_cast<VentanaMetodo*>(&v);
    if (m) m->practica().TomarRechazo();
    for (const teclas::Tecla& t : lista) {
        if (terminado_ || !v.visible()) return Dar(errores::YaNoALaVista(v.nombre(), traductor_));
        if (std::optional<errores::Negativa> negativa = Tecla(v, t))
            return Dar(std::move(*negativa));
    }
    return {};
}

std::string Sesion::NombreDelFoco(const Ventana& v) const {
    if (!v.foco_) return std::string(v.nombre());
    return std::string(v.nombre()) + '.' + v.tabla().controles[*v.foco_].nombre;
}

std::optional<errores::Negativa> Sesion::Tecla(Ventana& v, const teclas::Tecla& t) {
    auto* m = dynamic_cast<VentanaMetodo*>(&v);
    if (!(v.enEditor_ && ReclamaElEditor(t))) {
        if (const auto accion = teclas::AccionDe(t, m != nullptr, m && m->practica().activa())) {
            if (!accion->vista)
                return errores::TeclaDePantalla(t.nombre, accion->nombre, accion->contexto,
                                                traductor_);
            CambiarVista(*m, *accion->vista, !vistas_[*accion->vista]);
            return {};
        }
    }
    const std::string destino = NombreDelFoco(v);
    rechazo_.reset();
    bool aceptada = false;
    if (v.enEditor_ && v.foco_) {
        const std::size_t control = *v.foco_;
        TeclaEnEditor(v, t, aceptada);
        if (rechazo_) return Rechazo(v, control, *std::exchange(rechazo_, {}));
    } else if (v.foco_) {
        TeclaEnControl(v, *v.foco_, t, aceptada);
    }
    if (!aceptada && m && t.Es("Escape") && t.Sola() && v.visible()) {
        // Esc on a method window does what "Regresar" does.
        Regresar(v);
        aceptada = true;
    }
    if (m && m->practica().TomarRechazo()) return Retenido(v);
    if (!aceptada) return errores::TeclaSinEfecto(t.nombre, destino, traductor_);
    return {};
}

void Sesion::Foco(Ventana& v, bool adelante) {
    // The chain: the controls that take the focus by their tab index, an open editor after its
    // control.
    struct Eslabon {
        std::size_t control;
        bool editor;
    };
    std::vector<std::size_t> orden;
    for (std::size_t i = 0; i < v.estados_.size(); ++i)
        if (v.estados_[i].enfocable && v.estados_[i].habilitado) orden.push_back(i);
    std::stable_sort(orden.begin(), orden.end(), [&](std::size_t a, std::size_t b) {
        return v.tabla().controles[a].tab < v.tabla().controles[b].tab;
    });
    std::vector<Eslabon> cadena;
    for (std::size_t i : orden) {
        cadena.push_back({i, false});
        if (v.EditorDe(i)) cadena.push_back({i, true});
    }
    if (cadena.empty()) return;
    std::size_t actual = 0;
    for (std::size_t k = 0; k < cadena.size(); ++k)
        if (v.foco_ && cadena[k].control == *v.foco_ && cadena[k].editor == v.enEditor_) actual = k;
    const std::size_t n = cadena.size();
    const Eslabon siguiente = cadena[adelante ? (actual + 1) % n : (actual + n - 1) % n];
    v.foco_ = siguiente.control;
    v.enEditor_ = siguiente.editor;
}

void Sesion::AbrirEditor(Ventana& v, std::size_t control, std::string texto) {
    Ventana::Editor* e = nullptr;
    for (Ventana::Editor& hecho : v.editores_)
        if (hecho.control == control) e = &hecho;
    if (!e) e = &v.editores_.emplace_back(Ventana::Editor{control, {}, false, false});
    e->texto = std::move(texto);
    e->seleccionado = false;
    e->abierto = true;
    v.foco_ = control;
    v.enEditor_ = true;
    Avisar([&](Observador& o) {
        o.Editor(v.nombre(), v.tabla().controles[control].nombre, true, e->texto);
    });
}

bool Sesion::Acepta(const Ventana& v, std::size_t control, const std::string& texto) const {
    const Control& c = v.tabla().controles[control];
    if (c.tipo == Tipo::HScroll) {
        int valor = 0;
        auto [fin, ec] = std::from_chars(texto.data(), texto.data() + texto.size(), valor);
        return ec == std::errc() && fin == texto.data() + texto.size() && valor >= c.min &&
               valor <= c.max;
    }
    const auto* m = dynamic_cast<const VentanaMetodo*>(&v);
    const std::optional<double> valor = errores::LeerDecimal(texto);
    if (!m || !valor) return false;
    const bool esModulo = c.nombre == "Label" + std::to_string(v.tabla().resultado.first);
    return esModulo ? practice::ModuloAdmitido(m->practica().cual(), *valor)
                    : practice::DireccionAdmitida(*valor);
}

errores::Negativa Sesion::Rechazo(const Ventana& v, std::size_t control,
                                  const std::string& intento) const {
    const Control& c = v.tabla().controles[control];
    const std::string nombre = std::string(v.nombre()) + '.' + c.nombre;
    if (c.tipo != Tipo::HScroll) {
        const auto* m = dynamic_cast<const VentanaMetodo*>(&v);
        const bool esModulo = c.nombre == "Label" + std::to_string(v.tabla().resultado.first);
        // The hint the editor shows: a script gets it in Spanish, a face in its language.
        const auto pista = [&](diagram::Traductor trad) {
            return esModulo ? diagram::Sustituir(
                                  trad("Practica",
                                     QT_TRANSLATE_NOOP("Practica", "De 0 a %1, con punto: 87.5")),
                                  {practice::NumeroDelIntento(
                                      practice::ModuloMaximoDelIntento(m->practica().cual()))})
                            : trad("Practica",
                                 QT_TRANSLATE_NOOP("Practica", "De 0 a 360, con punto: 36.6"));
        };
        return errores::NoValidoEn(intento, nombre, pista({}), pista(traductor_), traductor_);
    }
    if (!EsCifras(intento)) return errores::NoEntero(intento, traductor_);
    return errores::FueraDeRango(intento, nombre, c.min, c.max, traductor_);
}

void Sesion::Fijar(Ventana& v, std::size_t control, const std::string& texto) {
    auto* m = dynamic_cast<VentanaMetodo*>(&v);
    if (!m) return;
    const Control& c = v.tabla().controles[control];
    if (c.tipo == Tipo::HScroll) {
        int n = 0;
        const std::string_view nombre = c.nombre;
        std::from_chars(nombre.data() + 7, nombre.data() + nombre.size(), n);
        int valor = 0;
        std::from_chars(texto.data(), texto.data() + texto.size(), valor);
        Paso paso{Barras(*m), {}, {}, false, false};
        m->Mover(n, valor);
        paso.despues = Barras(*m);
        Apuntar(*m, std::move(paso));
        return;
    }
    const bool esModulo = c.nombre == "Label" + std::to_string(v.tabla().resultado.first);
    m->practica().Teclear(esModulo, errores::LeerDecimal(texto).value_or(0));
}

void Sesion::TeclaEnEditor(Ventana& v, const teclas::Tecla& t, bool& aceptada) {
    const std::size_t control = *v.foco_;
    Ventana::Editor& e = *v.EditorDe(control);
    const bool deBarra = v.tabla().controles[control].tipo == Tipo::HScroll;
    const bool tab =
        (t.Es("Tab") || t.Es("Backtab")) && !(t.modificadores & (teclas::kCtrl | teclas::kAlt));
    const bool atras = t.Es("Backtab") || (t.modificadores & teclas::kShift);
    aceptada = true;
    if (tab) {
        // Leaving an editor sets what was typed, as Return does: a bar's as a guess's.
        const std::string texto = e.texto;
        if (!texto.empty() && !Acepta(v, control, texto)) {
            rechazo_ = texto;
            e.seleccionado = true;
            return;
        }
        Foco(v, !atras);
        v.CerrarEditor(control, false);
        if (!texto.empty()) Fijar(v, control, texto);
        return;
    }
    if (t.Es("Return") || t.Es("Enter")) {
        const std::string texto = e.texto;
        if (Acepta(v, control, texto)) {
            v.CerrarEditor(control, true);
            Fijar(v, control, texto);
        } else {
            rechazo_ = texto;
            e.seleccionado = true;
        }
        return;
    }
    if (t.Es("Escape")) {
        v.CerrarEditor(control, true);
        return;
    }
    if (!t.texto.empty()) {
        const std::string propuesto = e.seleccionado ? t.texto : e.texto + t.texto;
        if (!(deBarra ? ValidoEnBarra(propuesto) : ValidoEnLectura(propuesto))) {
            // Refused as a value out of range is, so that it is never dropped unseen.
            rechazo_ = propuesto;
            return;
        }
        e.texto = propuesto;
        e.seleccionado = false;
        return;
    }
    if (t.Es("Backspace") || t.Es("Delete")) {
        if (e.seleccionado)
            e.texto.clear();
        else if (t.Es("Backspace") && !e.texto.empty())
            e.texto.pop_back();
        e.seleccionado = false;
        return;
    }
    // The line's own shortcuts: select all, cut the selection; copying and pasting reach no
    // clipboard here.
    if (t.modificadores == teclas::kCtrl && ReclamaElEditor(t)) {
        if (t.Es("A")) e.seleccionado = true;
        if (t.Es("X") && e.seleccionado) {
            e.texto.clear();
            e.seleccionado = false;
        }
        return;
    }
    for (std::string_view k : {"Left", "Right", "Home", "End"})
        if (t.Es(k)) {
            e.seleccionado = false;
            return;
        }
    aceptada = false;
}

void Sesion::TeclaEnControl(Ventana& v, std::size_t control, const teclas::Tecla& t,
                            bool& aceptada) {
    auto* m = dynamic_cast<VentanaMetodo*>(&v);
    const Control& c = v.tabla().controles[control];
    aceptada = false;
    if ((t.Es("Tab") || t.Es("Backtab")) && !(t.modificadores & (teclas::kCtrl | teclas::kAlt))) {
        Foco(v, !(t.Es("Backtab") || (t.modificadores & teclas::kShift)));
        aceptada = true;
        return;
    }
    if (m && m->practica().Retiene(control) && MueveLaBarra(t)) {
        m->practica().Rehusar(control);
        aceptada = true;
        return;
    }
    const int cifra = t.Cifra();
    switch (c.tipo) {
        case Tipo::HScroll: {
            if (cifra >= 0 && t.Sola()) {
                AbrirEditor(v, control, std::string(1, static_cast<char>('0' + cifra)));
                aceptada = true;
                return;
            }
            const int valor = v.estados_[control].valor;
            // Left, Up and Page Up decrease the value, as a horizontal bar reads; with a modifier
            // the toolkit's own keys apply, where Left increases it and Right decreases it.
            const bool propias = t.Sola();
            std::optional<int> nuevo;
            if (t.Es("Left")) nuevo = propias ? valor - 1 : valor + 1;
            if (t.Es("Right")) nuevo = propias ? valor + 1 : valor - 1;
            if (t.Es("Up")) nuevo = valor - 1;
            if (t.Es("Down")) nuevo = valor + 1;
            if (t.Es("PageUp")) nuevo = valor - c.large;
            if (t.Es("PageDown")) nuevo = valor + c.large;
            if (t.Es("Home")) nuevo = c.min;
            if (t.Es("End")) nuevo = c.max;
            if (!nuevo || !m) return;
            aceptada = true;
            int n = 0;
            const std::string_view nombre = c.nombre;
            std::from_chars(nombre.data() + 7, nombre.data() + nombre.size(), n);
            Paso paso{Barras(*m), {}, {}, false, false};
            m->Mover(n, *nuevo);
            paso.despues = Barras(*m);
            Apuntar(*m, std::move(paso));
            return;
        }
        case Tipo::Button:
            // The arrows go from button to button, Left and Up back.
            if (t.Es("Left") || t.Es("Up") || t.Es("Right") || t.Es("Down")) {
                Foco(v, t.Es("Right") || t.Es("Down"));
                aceptada = true;
                return;
            }
            if (t.Es("Return") || t.Es("Enter") || t.Es("Space")) {
                aceptada = true;
                int n = 0;
                const std::string_view nombre = c.nombre;
                std::from_chars(nombre.data() + 7, nombre.data() + nombre.size(), n);
                v.Pulsar(n);
            }
            return;
        case Tipo::Picture:
            if (m && m->practica().activa() && (t.Es("Return") || t.Es("Enter"))) {
                m->practica().Comprobar();
                aceptada = true;
            }
            return;
        case Tipo::Lectura:
            // Any key a guess may start with: a sign or a decimal mark too, not lost unseen.
            if (m && t.Sola() && !t.texto.empty() && ValidoEnLectura(t.texto) &&
                m->practica().Pendiente()) {
                AbrirEditor(v, control, t.texto);
                aceptada = true;
            }
            // With both of the guess's values given, Enter there checks it, as on the picture.
            if (m && t.Sola() && (t.Es("Return") || t.Es("Enter")) && m->practica().Pendiente() &&
                m->practica().intento()) {
                m->practica().Comprobar();
                aceptada = true;
            }
            return;
        case Tipo::Label:
        case Tipo::Image:
            return;
    }
}

}  // namespace trazalia::session
