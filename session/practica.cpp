// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/practica.h"

#include <algorithm>
#include <utility>

#include "diagram/traducible.h"
#include "practice/dibujo.h"
#include "practice/intento.h"
#include "practice/registro.h"
#include "session/errores.h"
#include "session/ventana_metodo.h"

namespace trazalia::session {

namespace {

// The same vectors, whatever the exercises ask for.
bool MismosVectores(const std::vector<diagram::Entrada>& a,
                    const std::vector<diagram::Entrada>& b) {
    return a == b;
}

}  // namespace

Practica::Practica(VentanaMetodo& ventana)
    : ventana_(ventana), cual_(MetodoDe(ventana.formulario())) {}

bool Practica::Retiene(std::size_t control) const {
    if (!Pendiente()) return false;
    const std::string_view nombre = ventana_.tabla().controles[control].nombre;
    const int vectores = practice::NumeroDeVectores(cual_);
    for (auto [barra, lectura] : ventana_.tabla().lecturas) {
        if (barra > 2 * vectores + cual_->coeficientes()) continue;
        if (nombre == "HScroll" + std::to_string(barra) ||
            nombre == "Label" + std::to_string(lectura))
            return true;
    }
    return false;
}

std::string Practica::Instruccion() const {
    if (!Pendiente() || intento_) return {};
    const bool equilibrante = pregunta_ == practice::Pregunta::Equilibrante;
    if (moduloTecleado_)
        return ventana_.Traducir(
            "Practica",
            equilibrante ? QT_TRANSLATE_NOOP("Practica", "Falta la dirección α de su equilibrante.")
                         : QT_TRANSLATE_NOOP("Practica", "Falta la dirección α de su resultante."));
    if (direccionTecleada_)
        return ventana_.Traducir(
            "Practica", equilibrante
                            ? QT_TRANSLATE_NOOP("Practica", "Falta el módulo r de su equilibrante.")
                            : QT_TRANSLATE_NOOP("Practica", "Falta el módulo r de su resultante."));
    return ventana_.Traducir(
        "Practica",
        equilibrante ? QT_TRANSLATE_NOOP(
                           "Practica", "Arrastre desde el origen la equilibrante, o escriba r y α.")
                     : QT_TRANSLATE_NOOP(
                           "Practica", "Arrastre desde el origen su resultante, o escriba r y α."));
}

std::string Practica::Descripcion() const {
    if (!activa_) return {};
    if (std::string instruccion = Instruccion(); !instruccion.empty()) return instruccion;
    if (!intento_) return {};
    const auto& dibujo = ventana_.dibujo();
    if (veredicto_ && dibujo && dibujo->resultante && MismosVectores(dibujo->vectores, juzgados_))
        return veredicto_->texto;
    return practice::TextoDelIntento(*intento_, ventana_.traductor(), pregunta_);
}

std::optional<double> Practica::Tecleado(bool esModulo) const {
    if (intento_) return esModulo ? intento_->r : intento_->direccion;
    return esModulo ? moduloTecleado_ : direccionTecleada_;
}

std::optional<double> Practica::EscalaRetenida() const {
    if (escalaDelArrastre_) return escalaDelArrastre_;
    if (!Pendiente() || ventana_.revelando()) return std::nullopt;
    return practice::EscalaDelEjercicio(
        ejercicio_, intento_ ? std::optional<double>(intento_->r) : std::nullopt);
}

std::optional<double> Practica::EscalaMinima() const {
    if (!activa_ || !intento_ || !(revelado_ || ventana_.revelando())) return std::nullopt;
    // The bars moved since the verdict: the guess goes with this redraw, and so does its length.
    if (revelado_) {
        const int n = practice::NumeroDeVectores(cual_);
        practice::Ejercicio barras;
        for (int i = 1; i <= n; ++i)
            barras.push_back({ventana_.HScroll(i), ventana_.HScroll(i + n)});
        if (!MismosVectores(barras, juzgados_)) return std::nullopt;
    }
    return intento_->r;
}

std::vector<int> Practica::Coeficientes() const {
    const int n = practice::NumeroDeVectores(cual_);
    std::vector<int> coeficientes;
    for (int k = 1; k <= cual_->coeficientes(); ++k)
        coeficientes.push_back(ventana_.HScroll(2 * n + k));
    return coeficientes;
}

void Practica::Dejar() {
    if (!Pendiente()) return;
    practice::Asiento asiento =
        practice::AsientoSinVeredicto({}, {}, cual_, nivel_, ejercicio_, practice::Codigo::Saltado);
    // The entry carries the path's state after it, so that the record resumes the path.
    if (camino_) {
        camino_->Anotar(practice::Codigo::Saltado);
        asiento.camino = camino_->progreso().Texto();
    }
    ventana_.Anotado(asiento);
    ejercicio_.clear();
}

void Practica::Comenzar(std::uint32_t semilla, practice::Nivel nivel, practice::Pregunta pregunta) {
    Dejar();
    nivel_ = nivel;
    pregunta_ = pregunta;
    generador_.emplace(semilla, nivel, cual_);
    camino_.reset();
    activa_ = true;
    // The result read-outs take the keyboard, so that a guess can be typed into them.
    ventana_.Enfocables(true);
    Siguiente();
}

void Practica::ComenzarCamino(std::uint32_t semilla, practice::Nivel nivel) {
    SeguirCamino(practice::Camino(semilla, nivel, cual_));
}

void Practica::RetomarCamino(practice::Progreso progreso) {
    SeguirCamino(practice::Camino(std::move(progreso)));
}

void Practica::SeguirCamino(practice::Camino camino) {
    Dejar();
    nivel_ = camino.progreso().nivel();
    generador_.reset();
    camino_.emplace(std::move(camino));
    activa_ = true;
    ventana_.Enfocables(true);
    Siguiente();
}

void Practica::ElegirNivel(practice::Nivel nivel, std::uint32_t semilla) {
    Dejar();
    nivel_ = nivel;
    // A path over every window starts again over every window, wherever its first exercise is.
    if (activa_ && camino_ && !camino_->progreso().ventana()) {
        Terminar();
        ventana_.SeguirCamino(practice::Camino(semilla, nivel));
    } else if (activa_ && camino_)
        ComenzarCamino(semilla, nivel);
    else if (activa_)
        Comenzar(semilla, nivel, pregunta_);
}

bool Practica::SiguienteEtapa() {
    const auto& dibujo = ventana_.dibujo();
    if (etapas_.empty() || !dibujo) return false;
    // After the last step, the window's own picture; its redraw starts the steps again.
    if (etapa_ == etapas_.size()) {
        ventana_.Redibujar();
        return true;
    }
    const practice::Etapa& etapa = etapas_[etapa_++];
    const std::string leyenda = Leyenda(etapa);
    practice::DibujarEtapa(ventana_.picture(), *dibujo, etapa,
                           textosEnElDibujo_ ? leyenda : std::string());
    ventana_.Anunciar(leyenda);
    return true;
}

std::string Practica::Leyenda(const practice::Etapa& etapa) const {
    const std::string plantilla = ventana_.Traducir("Camino", etapa.leyenda);
    if (etapa.valores.size() != 2) return plantilla;
    return diagram::Sustituir(plantilla, {etapa.valores[0], etapa.valores[1]});
}

bool Practica::PlantarError() {
    const auto& dibujo = ventana_.dibujo();
    if (!camino_ || !revelado_ || juzgados_.empty() || !dibujo) return false;
    plantado_ = practice::PlantarError(
        cual_, juzgados_,
        camino_->progreso().semilla() ^ static_cast<std::uint32_t>(camino_->progreso().posicion()));
    if (!plantado_) return false;
    std::string opciones;
    for (const practice::Codigo c : plantado_->opciones)
        opciones += (opciones.empty() ? "" : ", ") +
                    ventana_.Traducir("Trazalia", practice::NombreCorto(c).data());
    const std::string pregunta = diagram::Sustituir(
        ventana_.Traducir("Camino", QT_TRANSLATE_NOOP("Camino",
                                                      "¿Dónde está el error? Esta construcción "
                                                      "tiene uno; elija cuál: %1.")),
        {opciones});
    practice::DibujarEtapa(ventana_.picture(), *dibujo, plantado_->dibujo,
                           textosEnElDibujo_ ? pregunta : std::string());
    ventana_.Anunciar(pregunta);
    return true;
}

std::optional<std::string> Practica::ElegirError(practice::Codigo codigo) {
    const auto& dibujo = ventana_.dibujo();
    if (!plantado_ || !dibujo ||
        std::find(plantado_->opciones.begin(), plantado_->opciones.end(), codigo) ==
            plantado_->opciones.end())
        return std::nullopt;
    const auto nombre = [&](practice::Codigo c) {
        return ventana_.Traducir("Trazalia", practice::NombreCorto(c).data());
    };
    std::string texto =
        codigo == plantado_->codigo
            ? diagram::Sustituir(
                  ventana_.Traducir("Camino", QT_TRANSLATE_NOOP("Camino", "Sí: el error es %1.")),
                  {nombre(codigo)})
            : diagram::Sustituir(
                  ventana_.Traducir("Camino",
                                    QT_TRANSLATE_NOOP("Camino", "No: el error es %1, no %2.")),
                  {nombre(plantado_->codigo), nombre(codigo)});
    texto += ' ' + ventana_.Traducir("Camino", practice::Explicacion(codigo, cual_).data());
    practice::DibujarEtapa(ventana_.picture(), *dibujo, plantado_->dibujo,
                           textosEnElDibujo_ ? texto : std::string());
    ventana_.Anunciar(texto);
    return texto;
}

void Practica::Terminar() {
    Dejar();
    const bool dibujado = activa_;
    activa_ = false;
    generador_.reset();
    camino_.reset();
    ejercicio_.clear();
    intento_.reset();
    moduloTecleado_.reset();
    direccionTecleada_.reset();
    veredicto_.reset();
    revelado_ = false;
    escalaDelArrastre_.reset();
    etapas_.clear();
    plantado_.reset();
    ventana_.Enfocables(false);
    if (dibujado) ventana_.Redibujar();
}

void Practica::Siguiente() {
    if (!activa_ || (!generador_ && !camino_)) return;
    Dejar();
    if (camino_ && !camino_->progreso().ventana() && camino_->Actual().destreza.ventana != cual_) {
        practice::Camino camino = std::move(*camino_);
        Terminar();
        ventana_.SeguirCamino(std::move(camino));
        return;
    }
    if (camino_) {
        ejercicio_ = camino_->Actual().ejercicio;
        pregunta_ = ejercicio_.pregunta;
    } else {
        ejercicio_ = generador_->Siguiente();
        // The equilibrant's mistakes are the resultant's turned round, as far apart: what the
        // generator keeps apart for one question it keeps apart for the other.
        ejercicio_.pregunta = pregunta_;
    }
    intento_.reset();
    moduloTecleado_.reset();
    direccionTecleada_.reset();
    veredicto_.reset();
    juzgados_.clear();
    etapas_.clear();
    plantado_.reset();
    revelado_ = false;
    escalaDelArrastre_.reset();
    // A value half typed into a bar's editor would change the exercise.
    ventana_.CerrarEditorDeBarra();
    ventana_.NuevoEjercicio();
    ventana_.PrepararRevelado();
    const int n = practice::NumeroDeVectores(cual_);
    // The coefficients' bars follow the vectors'. Set without their own event, which would show c:
    // the vectors' redraw writes their read-outs.
    for (std::size_t k = 0; k < ejercicio_.coeficientes.size(); ++k)
        ventana_.Poner(2 * n + 1 + static_cast<int>(k), ejercicio_.coeficientes[k]);
    bool cambio = false;
    for (int i = 0; i < n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        for (auto [barra, valor] :
             {std::pair{i + 1, ejercicio_[k].m}, {i + 1 + n, ejercicio_[k].d}}) {
            cambio = cambio || ventana_.HScroll(barra) != valor;
            ventana_.Mover(barra, valor);
        }
    }
    if (!cambio) ventana_.DibujarVectores();
    // The answer is not given away before the guess.
    ventana_.VaciarResultado();
    ventana_.Anunciar(Instruccion());
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
    ventana_.Anunciar(Instruccion());
}

void Practica::EmpezarIntento() {
    if (Pendiente() && ventana_.dibujo()) escalaDelArrastre_ = ventana_.dibujo()->Escala;
}

void Practica::MoverIntento(diagram::Punto p, bool suelto) {
    if (!escalaDelArrastre_) return;
    // Let go, the picture takes the scale the guess needs.
    if (suelto) escalaDelArrastre_.reset();
    const auto& dibujo = ventana_.dibujo();
    const canvas::Picture& picture = ventana_.picture();
    const std::optional<practice::Intento> intento =
        dibujo ? practice::IntentoEn(p, picture.Width(), picture.Height(), dibujo->Escala,
                                     dibujo->escalado)
               : std::nullopt;
    const bool dibujado = intento && intento->r > 0 && Adivinar(practice::Acotado(cual_, *intento));
    if (suelto && !dibujado) ventana_.Reescalar();
}

void Practica::Comprobar() {
    if (activa_) ventana_.Revelar();
}

void Practica::Rehusar(std::size_t control) {
    rechazo_ = ventana_.Traducir("Practica", errores::kRetenido);
    ventana_.Rehusado(control, *rechazo_);
}

std::optional<std::string> Practica::TomarRechazo() { return std::exchange(rechazo_, {}); }

std::string Practica::Dibujado(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) {
    if (!activa_) return {};
    // Vectors other than the judged ones: the guess and what it said were for those.
    if (revelado_ && intento_ && !MismosVectores(dibujo.vectores, juzgados_)) intento_.reset();
    // So do other coefficients.
    if (revelado_ && intento_ && Coeficientes() != juzgados_.coeficientes) intento_.reset();
    // The construction's steps were those of the judged vectors; any redraw ends the stepping.
    if (!intento_) {
        etapas_.clear();
        plantado_.reset();
    }
    etapa_ = 0;
    std::string anuncio;
    if (dibujo.resultante && !revelado_) {
        revelado_ = true;
        escalaDelArrastre_.reset();
        if (intento_) {
            juzgados_ = dibujo.vectores;
            juzgados_.coeficientes = Coeficientes();
            juzgados_.pregunta = pregunta_;
            veredicto_ = practice::Juzgar(cual_, juzgados_, *intento_, ventana_.traductor());
            practice::Asiento asiento =
                practice::AsientoDe({}, {}, cual_, nivel_, juzgados_, *intento_, *veredicto_);
            if (camino_) {
                camino_->Anotar(veredicto_->codigo);
                asiento.camino = camino_->progreso().Texto();
                if (const std::string_view e = practice::Explicacion(veredicto_->codigo, cual_);
                    !e.empty()) {
                    veredicto_->texto += ' ' + ventana_.Traducir("Camino", e.data());
                    etapas_ = practice::Etapas(cual_, juzgados_);
                }
            }
            ventana_.Anotado(asiento);
            anuncio = veredicto_->texto;
        } else {
            practice::Ejercicio vistos = dibujo.vectores;
            vistos.coeficientes = Coeficientes();
            vistos.pregunta = pregunta_;
            practice::Asiento asiento = practice::AsientoSinVeredicto(
                {}, {}, cual_, nivel_, vistos, practice::Codigo::SinRespuesta);
            if (camino_) {
                camino_->Anotar(practice::Codigo::SinRespuesta);
                asiento.camino = camino_->progreso().Texto();
            }
            ventana_.Anotado(asiento);
        }
    }
    // The equilibrant asked for is drawn over the window's construction, which shows the resultant.
    if (pregunta_ == practice::Pregunta::Equilibrante && revelado_)
        practice::DibujarEquilibrante(lienzo, dibujo);
    if (intento_) practice::DibujarIntento(lienzo, dibujo, *intento_);
    if (const std::string instruccion = Instruccion(); !instruccion.empty() && textosEnElDibujo_)
        practice::DibujarInstruccion(lienzo, instruccion);
    // Until the answer is shown, the result read-outs show the guess, or what is typed of it.
    const std::optional<double> r = intento_ ? std::optional(intento_->r) : moduloTecleado_;
    const std::optional<double> alfa =
        intento_ ? std::optional(intento_->direccion) : direccionTecleada_;
    if (Pendiente() && (r || alfa)) {
        const auto [lecturaR, lecturaAlfa] = ventana_.tabla().resultado;
        ventana_.Escribir(lecturaR, r ? practice::NumeroDelIntento(*r) : "");
        ventana_.Escribir(lecturaAlfa, alfa ? practice::NumeroDelIntento(*alfa) : "");
    }
    if (intento_ && veredicto_ && dibujo.resultante && MismosVectores(dibujo.vectores, juzgados_) &&
        textosEnElDibujo_)
        practice::DibujarVeredicto(lienzo, dibujo, *veredicto_, intento_,
                                   ventana_.vistas()[diagram::Vista::Ecuacion]);
    return anuncio;
}

}  // namespace trazalia::session
