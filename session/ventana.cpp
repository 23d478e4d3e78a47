// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ventana.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <utility>

#include "canvas/trace_format.h"
#include "diagram/constantes.h"
#include "diagram/descripcion.h"
#include "diagram/traducible.h"
#include "diagram/vistas.h"

namespace trazalia::session {

Ventana::Ventana(Entorno& sesion, Formulario formulario)
    : sesion_(sesion), formulario_(formulario), tabla_(TablaDe(formulario)) {
    for (std::size_t i = 0; i < tabla_.controles.size(); ++i) {
        const std::string_view control = tabla_.controles[i].nombre;
        const auto cifras = control.find_first_of("0123456789");
        if (cifras == std::string_view::npos) continue;
        const std::string_view prefijo = control.substr(0, cifras);
        int n = 0;
        std::from_chars(control.data() + cifras, control.data() + control.size(), n);
        auto p = std::find_if(numerados_.begin(), numerados_.end(),
                              [&](const Numeracion& q) { return q.prefijo == prefijo; });
        if (p == numerados_.end()) p = numerados_.insert(numerados_.end(), {prefijo, {}});
        if (p->filas.size() <= static_cast<std::size_t>(n))
            p->filas.resize(static_cast<std::size_t>(n) + 1);
        p->filas[static_cast<std::size_t>(n)] = i;
    }
    // The rows are found once, when the window is made.
    for (const Numeracion& p : numerados_) {
        if (p.prefijo == "HScroll") barras_ = &p;
        if (p.prefijo == "Label") rotulos_ = &p;
    }
    for (const Control& c : tabla_.controles) {
        Estado e;
        e.valor = c.inicial.value_or(c.min);
        e.caption = c.texto;
        e.enfocable = c.tipo == Tipo::HScroll || c.tipo == Tipo::Button || c.tipo == Tipo::Picture;
        estados_.push_back(std::move(e));
    }
}

Ventana::~Ventana() = default;

std::optional<std::size_t> Ventana::Indice(std::string_view control) const {
    for (std::size_t i = 0; i < tabla_.controles.size(); ++i)
        if (control == tabla_.controles[i].nombre) return i;
    return std::nullopt;
}

std::size_t Ventana::Numerado(std::string_view prefijo, int n) const {
    const auto p = std::find_if(numerados_.begin(), numerados_.end(),
                                [&](const Numeracion& q) { return q.prefijo == prefijo; });
    return Fila(p == numerados_.end() ? nullptr : &*p, prefijo, n);
}

void Ventana::NoHay(std::string_view prefijo, int n) const {
    throw std::out_of_range(std::string(nombre()) + " no tiene el control " + std::string(prefijo) +
                            std::to_string(n));
}

void Ventana::Mostrar(bool visible) {
    if (visible == visible_) return;
    sesion_.Avisar([&](Observador& o) { o.Mostrada(nombre(), visible); });
    visible_ = visible;
    if (!visible) {
        focoAlOcultar_ = foco_;
        // The window was left with editors open: each closes, giving its control the focus.
        for (const Editor& e : editores_)
            if (e.abierto) CerrarEditor(e.control, true);
        focoAlOcultar_ = foco_;
        return;
    }
    if (focoAlOcultar_) {
        foco_ = focoAlOcultar_;
        return;
    }
    // The lowest tab index that takes the focus.
    std::optional<std::size_t> mejor;
    for (std::size_t i = 0; i < estados_.size(); ++i)
        if (estados_[i].enfocable && estados_[i].habilitado &&
            (!mejor || tabla_.controles[i].tab < tabla_.controles[*mejor].tab))
            mejor = i;
    foco_ = mejor;
}

std::vector<std::string> Ventana::Dump() const {
    return Volcado(tabla_, tabla_.titulo, visible_, estados_);
}

std::vector<std::string> Volcado(const Tabla& tabla, std::string_view titulo, bool visible,
                                 const std::vector<Estado>& estados) {
    const std::string n(tabla.nombre);
    std::vector<std::string> lineas;
    // Additions come after the fixed rows.
    lineas.push_back(n + " Window " + canvas::Quote(titulo) + ' ' + std::to_string(kClientWidth) +
                     ' ' + std::to_string(kClientHeight) + " Visible " + (visible ? "1" : "0"));
    for (std::size_t i = 0; i < estados.size() && !tabla.controles[i].adicion; ++i) {
        const Control& s = tabla.controles[i];
        const Estado& e = estados[i];
        std::string linea = n + '.' + s.nombre + ' ';
        const std::string geometria = std::to_string(s.left) + ' ' + std::to_string(s.top) + ' ' +
                                      std::to_string(s.width) + ' ' + std::to_string(s.height);
        switch (s.tipo) {
            case Tipo::Picture:
                linea += "Picture " + geometria;
                break;
            case Tipo::Image:
                linea += "Image " + geometria;
                break;
            case Tipo::HScroll:
                linea += "HScroll " + geometria + " Min " + std::to_string(s.min) + " Max " +
                         std::to_string(s.max) + " LargeChange " + std::to_string(s.large) +
                         " Value " + std::to_string(e.valor);
                break;
            case Tipo::Label:
            case Tipo::Lectura:
                linea += "Label " + geometria + " Caption " + canvas::Quote(e.caption);
                if (e.anterior) linea += " Stale";
                break;
            case Tipo::Button:
                linea += "Button " + geometria + " Caption " + canvas::Quote(e.caption);
                break;
        }
        lineas.push_back(std::move(linea));
    }
    return lineas;
}

const Ventana::Editor* Ventana::EditorDe(std::size_t control) const {
    for (const Editor& e : editores_)
        if (e.control == control && e.abierto) return &e;
    return nullptr;
}

Ventana::Editor* Ventana::EditorDe(std::size_t control) {
    for (Editor& e : editores_)
        if (e.control == control && e.abierto) return &e;
    return nullptr;
}

void Ventana::CerrarEditor(std::size_t control, bool devolverFoco) {
    Editor* e = EditorDe(control);
    if (!e) return;
    e->abierto = false;
    if (enEditor_ && foco_ == control) enEditor_ = false;
    if (devolverFoco) {
        foco_ = control;
        enEditor_ = false;
    }
    sesion_.Avisar(
        [&](Observador& o) { o.Editor(nombre(), tabla_.controles[control].nombre, false, {}); });
}

std::string Ventana::TomarFallo() { return std::exchange(fallo_, {}); }

void Ventana::Caption(std::size_t control, std::string_view texto) {
    estados_[control].caption.assign(texto);
    if (estados_[control].anterior) MarcarAnterior(control, false);
    sesion_.Avisar(
        [&](Observador& o) { o.Escrito(nombre(), tabla_.controles[control].nombre, texto); });
}

void Ventana::ReportarFallo(std::string_view texto) {
    if (fallo_.empty()) fallo_ = std::string(texto);
    sesion_.Avisar([&](Observador& o) { o.Fallo(nombre(), texto); });
}

void Ventana::MarcarAnterior(std::size_t control, bool anterior) {
    estados_[control].anterior = anterior;
    sesion_.Avisar(
        [&](Observador& o) { o.Anterior(nombre(), tabla_.controles[control].nombre, anterior); });
}

void Inicio::Pulsar(int n) {
    const char* abre = tabla_.controles[Numerado("Command", n)].abre;
    if (!abre) {
        sesion_.Terminar();
        return;
    }
    Mostrar(false);
    sesion_.Abrir(FormularioDe(**practice::VentanaDeNombre(abre))).Mostrar(true);
}

// Tells the observers of every operation of the window's picture.
class VentanaMetodo::Traza final : public canvas::PictureListener {
public:
    Traza(Entorno& sesion, std::string_view ventana) : sesion_(sesion), ventana_(ventana) {}
    void Cleared() override {
        sesion_.Avisar([&](Observador& o) { o.Borrado(ventana_); });
    }
    void DrawWidthSet(int width) override {
        sesion_.Avisar([&](Observador& o) { o.Grosor(ventana_, width); });
    }
    void Drawn(const canvas::Op& op) override {
        sesion_.Avisar([&](Observador& o) { o.Trazado(ventana_, op); });
    }

private:
    Entorno& sesion_;
    std::string_view ventana_;
};

VentanaMetodo::VentanaMetodo(Entorno& sesion, Formulario formulario)
    : Ventana(sesion, formulario), metodo_(*MetodoDe(formulario)) {
    const Control& fila = tabla_.controles[Numerado("Picture", 1)];
    picture_ = std::make_unique<canvas::Picture>(static_cast<float>(fila.width),
                                                 static_cast<float>(fila.height), tabla_.fore);
    traza_ = std::make_unique<Traza>(sesion, nombre());
    escucha_ = picture_->AddListener(traza_.get());
    lienzo_ = std::make_unique<diagram::LienzoConVistas>(*picture_);
    construccion_ = metodo_.Construir(*this, *lienzo_);
    escrito_.assign(estados_.size(), false);
    // The drag's layer first: its held scale wins, and practice draws over everything.
    arrastre_ = std::make_unique<Arrastre>(*this);
    practica_ = std::make_unique<Practica>(*this);
    capas_ = {arrastre_.get(), practica_.get()};
}

VentanaMetodo::~VentanaMetodo() = default;

const diagram::Vistas& VentanaMetodo::vistas() const { return lienzo_->vistas(); }

void VentanaMetodo::Form_Load() {
    Evento([this] { construccion_->Form_Load(); });
}

int VentanaMetodo::HScroll(int n) const { return estados_[Barra(n)].valor; }

std::optional<double> VentanaMetodo::anguloResultante() const {
    return construccion_->anguloResultante();
}

void VentanaMetodo::Label(int n, std::string_view caption) {
    const std::size_t i = Rotulo(n);
    escrito_[i] = true;
    Caption(i, caption);
}

void VentanaMetodo::Pulsar(int n) {
    if (n == metodo_.regresar()) {
        sesion_.Regresar(*this);
        return;
    }
    if (const auto valores = metodo_.ValoresDelBoton(n); !valores.empty()) {
        for (const auto& [barra, valor] : valores) Mover(barra, valor);
        return;
    }
    Revelar();
}

void VentanaMetodo::Mover(int n, int valor) {
    const std::size_t i = Barra(n);
    const Control& fila = tabla_.controles[i];
    valor = std::clamp(valor, fila.min, fila.max);
    if (estados_[i].valor == valor) return;
    estados_[i].valor = valor;
    sesion_.Avisar([&](Observador& o) { o.Valor(nombre(), fila.nombre, valor); });
    Cambio(n);
}

void VentanaMetodo::Poner(int n, int valor) {
    const std::size_t i = Barra(n);
    if (estados_[i].valor == valor) return;
    estados_[i].valor = valor;
    sesion_.Avisar([&](Observador& o) { o.Valor(nombre(), tabla_.controles[i].nombre, valor); });
}

// Every vector's bar redraws the same live diagram; Form3's step bar draws its step.
void VentanaMetodo::Cambio(int n) {
    if (n > 2 * vectores()) {
        Revelar();
        return;
    }
    DibujarVectores();
}

void VentanaMetodo::DibujarVectores() { EventoDeDibujo(Manejador::Vectores); }

void VentanaMetodo::Revelar() {
    const bool antes = std::exchange(revelando_, true);
    EventoDeDibujo(Manejador::Revelado);
    revelando_ = antes;
}

diagram::Resultado VentanaMetodo::Manejar(Manejador manejador) {
    return manejador == Manejador::Vectores ? construccion_->Vectores() : construccion_->Revelar();
}

void VentanaMetodo::PrepararRevelado() {
    const auto revelador = metodo_.revelador();
    if (!revelador) return;
    const auto [barra, valor] = *revelador;
    Poner(barra, valor);
    for (const auto& [b, rotulo] : tabla_.lecturas)
        if (b == barra) Label(rotulo, std::to_string(valor));
}

double VentanaMetodo::PrepararVistas() {
    lienzo_->PonerVistas(sesion_.vistas());
    std::optional<double> retenida;
    for (const Capa* capa : capas_)
        if ((retenida = capa->EscalaRetenida())) break;
    const diagram::Escalado escalado = diagram::EscaladoDe(lienzo_->vistas());
    const auto escalar = [&](std::optional<double> largo) {
        construccion_->setEscalado(escalado, largo);
        return construccion_->EscalaSiguiente();
    };
    double Escala = escalar(retenida);
    if (retenida || Escala <= 0) return Escala;
    // Longer than the figure, a layer's drawing widens the axes as a longer vector would.
    for (const Capa* capa : capas_)
        if (const std::optional<double> minima = capa->EscalaMinima(); minima && *minima > Escala)
            Escala = escalar(minima);
    return Escala;
}

void VentanaMetodo::EventoDeDibujo(Manejador manejador) {
    PrepararVistas();
    escrito_.assign(estados_.size(), false);
    std::optional<diagram::Resultado> resultado;
    Evento([&] { resultado = Manejar(manejador); });
    // The result read-outs this redraw did not write describe an earlier picture; empty ones
    // describe nothing.
    for (std::size_t i = 0; i < estados_.size(); ++i)
        if (tabla_.controles[i].resultado && !escrito_[i] && !estados_[i].anterior &&
            !estados_[i].caption.empty())
            MarcarAnterior(i, true);
    if (resultado && resultado->redibujo) {
        repetir_ = manejador;
        Dibujado(std::move(*resultado));
    }
}

void VentanaMetodo::Dibujado(diagram::Resultado resultado) {
    diagram::DibujarVistas(*lienzo_, resultado, lienzo_->vistas());
    std::string dicho;
    for (Capa* capa : capas_) {
        const std::string d = capa->Dibujado(*lienzo_, resultado);
        if (!d.empty()) dicho += ' ' + d;
    }
    dibujo_ = std::move(resultado);
    sesion_.Avisar([&](Observador& o) { o.Dibujado(nombre()); });
    if (dibujo_->resultante) Anunciar(diagram::Anuncio(*dibujo_, traductor()) + dicho);
}

void VentanaMetodo::Redibujar() {
    if (repetir_) EventoDeDibujo(*repetir_);
}

void VentanaMetodo::Reescalar() {
    if (!dibujo_) return;
    const double Escala = PrepararVistas();
    if (Escala > 0 && Escala != dibujo_->Escala) Redibujar();
}

std::string VentanaMetodo::Descripcion() const {
    if (!dibujo_) return {};
    std::string texto = diagram::Descripcion(*dibujo_, vistas(), traductor());
    if (const std::string capa = practica_->Descripcion(); !capa.empty()) texto += ' ' + capa;
    return texto;
}

void VentanaMetodo::VaciarResultado() {
    Label(tabla_.resultado.first, "");
    Label(tabla_.resultado.second, "");
}

std::string VentanaMetodo::Traducir(const char* contexto, const char* texto) const {
    return sesion_.traductor()(contexto, texto);
}

const diagram::Traductor& VentanaMetodo::traductor() const { return sesion_.traductor(); }

void VentanaMetodo::Anunciar(std::string_view texto) {
    if (texto.empty()) return;
    sesion_.Avisar([&](Observador& o) { o.Anuncio(nombre(), texto); });
}

void VentanaMetodo::Enfocables(bool enfocables) {
    for (int n : {tabla_.resultado.first, tabla_.resultado.second}) {
        const std::size_t i = Rotulo(n);
        estados_[i].enfocable = enfocables;
        if (!enfocables) CerrarEditor(i, false);
        sesion_.Avisar(
            [&](Observador& o) { o.Enfocable(nombre(), tabla_.controles[i].nombre, enfocables); });
    }
}

void VentanaMetodo::CerrarEditorDeBarra() {
    for (const Editor& e : editores_)
        if (e.abierto && tabla_.controles[e.control].tipo == Tipo::HScroll)
            CerrarEditor(e.control, true);
}

void VentanaMetodo::Rehusado(std::size_t control, std::string_view texto) {
    sesion_.Avisar(
        [&](Observador& o) { o.Rehusado(nombre(), tabla_.controles[control].nombre, texto); });
    Anunciar(texto);
}

void VentanaMetodo::Anotado(const practice::Asiento& asiento) {
    practice::Asiento conAlumno = asiento;
    conAlumno.alumno = sesion_.alumno();
    sesion_.Avisar([&](Observador& o) { o.Anotado(nombre(), conAlumno); });
}

bool Arrastre::Presionar(diagram::Punto p, double alcance) {
    const auto& dibujo = ventana_.dibujo();
    vector_ = dibujo ? diagram::PuntaAlAlcance(*dibujo, p, alcance) : std::nullopt;
    if (!vector_) return false;
    const canvas::Picture& picture = ventana_.picture();
    escala_ = {picture.Width(), picture.Height(), dibujo->Escala, dibujo->escalado};
    return true;
}

void Arrastre::Mover(diagram::Punto p, bool ajustar) {
    if (!vector_) return;
    const diagram::Entrada valor = diagram::ValorArrastrado(p, escala_, ajustar);
    // Through the bars, so that their handlers and every rule of them apply.
    ventana_.Mover(*vector_, valor.m);
    ventana_.Mover(*vector_ + ventana_.vectores(), valor.d);
}

void Arrastre::Soltar() {
    if (!vector_) return;
    const int k = *vector_;
    vector_.reset();
    // Only when the vectors now ask for other axes.
    ventana_.Reescalar();
    // Once, when the tip is let go, rather than every value on the way.
    ventana_.Anunciar(diagram::Sustituir(
        ventana_.Traducir("Arrastre",
                          QT_TRANSLATE_NOOP("Arrastre", "Vector %1: magnitud %2, dirección %3°.")),
        {std::to_string(k), std::to_string(ventana_.HScroll(k)),
         std::to_string(ventana_.HScroll(k + ventana_.vectores()))}));
}

}  // namespace trazalia::session
