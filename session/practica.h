// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "diagram/marco.h"
#include "practice/camino.h"
#include "practice/ejercicio.h"
#include "practice/generador.h"
#include "practice/veredicto.h"
#include "session/capa.h"

namespace trazalia::session {

class VentanaMetodo;

// Practice in one method window: an exercise set through the bars, the student's guess, the
// window's own reveal judging it. Until then the exercise's vectors hold still and the picture
// keeps a scale that does not give the answer away.
class Practica final : public Capa {
public:
    explicit Practica(VentanaMetodo& ventana);

    bool activa() const { return activa_; }
    // A face that shows the instruction and the verdict beside the picture (Descripcion) asks
    // that the picture not carry them too: on a phone they would cover the construction.
    void PonerTextosEnElDibujo(bool si) { textosEnElDibujo_ = si; }
    practice::Nivel nivel() const { return nivel_; }
    practice::Pregunta pregunta() const { return pregunta_; }
    const practice::Ejercicio& ejercicio() const { return ejercicio_; }
    const std::optional<practice::Intento>& intento() const { return intento_; }
    const std::optional<practice::Veredicto>& veredicto() const { return veredicto_; }
    // The exercise the last verdict judged.
    const practice::Ejercicio& juzgados() const { return juzgados_; }
    bool Pendiente() const { return activa_ && !revelado_ && !ejercicio_.empty(); }
    // The exercise's answer has been shown.
    bool revelado() const { return revelado_; }
    // Whether the waiting exercise holds that row still: a vector's or a coefficient's bar, or its
    // read-out.
    bool Retiene(std::size_t control) const;
    practice::Ventana cual() const { return cual_; }

    // The exercises ask for that: the resultant, or the equilibrant, drawn after the
    // construction when the answer is shown.
    void Comenzar(std::uint32_t semilla, practice::Nivel nivel,
                  practice::Pregunta pregunta = practice::Pregunta::Resultante);
    // The level of the next exercises: with practice on, they start again from that seed.
    // Practice along a path over this window's skills (practice::Camino): each exercise's
    // question is the path's, each verdict goes on the path, and a mistake's verdict is followed
    // by its explanation.
    void ComenzarCamino(std::uint32_t semilla, practice::Nivel nivel);
    // A path over every window, from the exercise it sets now, which is this window's; when it
    // sets one of another window, the session opens that one and hands the path on.
    void SeguirCamino(practice::Camino camino);
    // The path a state read back holds, from the exercise it sets now.
    void RetomarCamino(practice::Progreso progreso);
    const std::optional<practice::Camino>& camino() const { return camino_; }
    void ElegirNivel(practice::Nivel nivel, std::uint32_t semilla);
    // After a mistake named on the path, the right construction step by step (practice::Etapas):
    // each call draws the next step in place of the picture, the last followed by the picture
    // again. False where no construction waits.
    bool SiguienteEtapa();
    const std::vector<practice::Etapa>& etapas() const { return etapas_; }
    // The step drawn, from 1; 0 while the picture is the window's.
    std::size_t etapa() const { return etapa_; }
    // A step's line in the face's language.
    std::string Leyenda(const practice::Etapa& etapa) const;
    // «¿Dónde está el error?» after a verdict on the path: the judged exercise's construction
    // drawn with a mistake planted in its resultant, and the question with its choices; false
    // where the exercise shows no mistake to plant.
    bool PlantarError();
    const std::optional<practice::ErrorPlantado>& plantado() const { return plantado_; }
    // The mistake named among the choices: the verdict (whether it is the planted one, and the
    // named one's explanation) drawn over the construction; none for a mistake not offered.
    std::optional<std::string> ElegirError(practice::Codigo codigo);
    void Terminar();
    void Siguiente();
    bool Adivinar(practice::Intento intento);
    // A value typed into a result read-out: the guess once both are given.
    void Teclear(bool esModulo, double valor);
    void Comprobar();
    // Refuses a change of the exercise's vectors at that row; TomarRechazo then tells it.
    void Rehusar(std::size_t control);
    std::optional<std::string> TomarRechazo();
    std::string Instruccion() const;
    // What the picture shows of the practice: the instruction, the guess, or the verdict drawn;
    // empty when it shows none of them.
    std::string Descripcion() const override;
    // What has been typed of the guess before both values were: for the editor's first text.
    std::optional<double> Tecleado(bool esModulo) const;
    // A guess dragged from the origin: the press holds the picture's scale, each position (twips
    // of Picture1) gives the guess, brought within its ranges; the release lets the scale go.
    void EmpezarIntento();
    void MoverIntento(diagram::Punto p, bool suelto);
    bool arrastrando() const { return escalaDelArrastre_.has_value(); }

    std::string Dibujado(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) override;
    std::optional<double> EscalaRetenida() const override;
    // Once the answer is shown, the guess drawn beside it at the same scale, however long.
    std::optional<double> EscalaMinima() const override;

private:
    // An exercise waiting for its check is left: its entry says so, and it waits no more.
    void Dejar();
    // The coefficients' bars as they stand, in halves: what the drawing's vectors do not tell.
    std::vector<int> Coeficientes() const;

    VentanaMetodo& ventana_;
    practice::Ventana cual_;
    bool activa_ = false;
    bool textosEnElDibujo_ = true;
    practice::Nivel nivel_ = practice::kNivelPredeterminado;
    practice::Pregunta pregunta_ = practice::Pregunta::Resultante;
    std::optional<practice::Generador> generador_;
    // In its place, along a path.
    std::optional<practice::Camino> camino_;
    practice::Ejercicio ejercicio_;
    std::optional<practice::Intento> intento_;
    std::optional<double> moduloTecleado_;
    std::optional<double> direccionTecleada_;
    std::optional<std::string> rechazo_;
    // The scale a guess's drag started at, held until it is let go.
    std::optional<double> escalaDelArrastre_;
    bool revelado_ = false;
    std::optional<practice::Veredicto> veredicto_;
    practice::Ejercicio juzgados_;
    std::vector<practice::Etapa> etapas_;
    std::size_t etapa_ = 0;
    std::optional<practice::ErrorPlantado> plantado_;
};

}  // namespace trazalia::session
