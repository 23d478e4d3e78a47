// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/ventana_metodo.h"

#include <algorithm>
#include <utility>

#include "canvas/trace_format.h"
#include "diagram/constantes.h"
#include "diagram/descripcion.h"
#include "diagram/traducible.h"
#include "diagram/vistas.h"

namespace trazalia::session {

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

// Every other bar (a vector's, a coefficient's) redraws the live diagram; a bar that shows the
// resultant (Form3's step) draws its construction.
void VentanaMetodo::Cambio(int n) {
    if (const auto revelador = metodo_.revelador(); revelador && revelador->first == n) {
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
    for (const auto& capa : capas_)
        if ((retenida = capa->EscalaRetenida())) break;
    const diagram::Escalado escalado = diagram::EscaladoDe(lienzo_->vistas());
    const auto escalar = [&](std::optional<double> largo) {
        construccion_->setEscalado(escalado, largo);
        return construccion_->EscalaSiguiente();
    };
    double Escala = escalar(retenida);
    if (retenida || Escala <= 0) return Escala;
    // Longer than the figure, a layer's drawing widens the axes as a longer vector would.
    for (const auto& capa : capas_)
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
    for (const auto& capa : capas_) {
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
    for (const auto& capa : capas_)
        if (const std::string d = capa->Descripcion(); !d.empty()) texto += ' ' + d;
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

}  // namespace trazalia::session
