// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "canvas/picture.h"
#include "diagram/construccion.h"
#include "diagram/controles.h"
#include "diagram/resultado.h"
#include "diagram/traducible.h"
#include "diagram/vistas.h"
#include "practice/metodo.h"
#include "practice/registro.h"
#include "session/capa.h"
#include "session/ventana.h"

namespace trazalia::session {

class Arrastre;
class Practica;

}  // namespace trazalia::session

namespace trazalia::diagram {
class LienzoConVistas;
}  // namespace trazalia::diagram

namespace trazalia::session {

// Form2 and Form3: their domain reads the bars and writes the labels through this window, which
// redraws its picture with the views chosen, keeps the marks of read-outs of an earlier picture,
// and carries practice and the drag as layers over the picture.
class VentanaMetodo final : public Ventana, public diagram::Controles {
public:
    VentanaMetodo(Entorno& sesion, Formulario formulario);
    ~VentanaMetodo() override;

    int vectores() const { return tabla_.vectores; }
    const practice::Metodo& metodo() const { return metodo_; }
    canvas::Picture& picture() { return *picture_; }
    const canvas::Picture& picture() const { return *picture_; }
    const std::optional<diagram::Resultado>& dibujo() const { return dibujo_; }
    // The resultant's direction as the window's domain last computed it, in radians.
    std::optional<double> anguloResultante() const;
    const diagram::Vistas& vistas() const;
    Practica& practica() { return *practica_; }
    const Practica& practica() const { return *practica_; }
    Arrastre& arrastre() { return *arrastre_; }
    // The layers over the picture, given by whoever makes the window: the drag's first, as its
    // held scale wins; practice last, as it draws over everything. They know the window; the
    // window knows them only as layers.
    template <class A, class P>
    void PonerCapas(std::unique_ptr<A> arrastre, std::unique_ptr<P> practica) {
        arrastre_ = arrastre.get();
        practica_ = practica.get();
        capas_.push_back(std::move(arrastre));
        capas_.push_back(std::move(practica));
    }
    // While a handler that shows the resultant runs.
    bool revelando() const { return revelando_; }

    void Form_Load();
    void Pulsar(int n) override;
    // Sets HScroll<n>; its change handler runs only when the value changes.
    void Mover(int n, int valor);
    // The bar of HScroll<n>'s row set without its handler (Form3's step bar before an exercise).
    void Poner(int n, int valor);

    // Draws the vectors' live diagram, as a change of a vector's bar does.
    void DibujarVectores();
    // Shows the resultant as the window's own control does: Form2's button, Form3's step.
    void Revelar();
    // Before an exercise: the control that reveals is set where any move of it reveals.
    void PrepararRevelado();
    // Runs the last handler that drew again, with the views now chosen.
    void Redibujar();
    // Redraws when the scale is not the one the vectors and layers give now.
    void Reescalar();
    // Writes a read-out as the program writes captions.
    void Escribir(int rotulo, std::string_view caption) { Label(rotulo, caption); }
    void VaciarResultado();
    // Tells screen readers.
    void Anunciar(std::string_view texto);
    // A marked text of the core in the face's language.
    std::string Traducir(const char* contexto, const char* texto) const;
    const diagram::Traductor& traductor() const;
    // The result read-outs take the keyboard's focus (during practice) or not.
    void Enfocables(bool enfocables);
    // Closes a bar's value editor without setting its value.
    void CerrarEditorDeBarra();
    // An exercise is about to set the vectors.
    void NuevoEjercicio() { sesion_.NuevoEjercicio(*this); }
    // A path over every window goes on in another.
    void SeguirCamino(practice::Camino camino) { sesion_.SeguirCamino(std::move(camino)); }
    // What the picture shows, for screen readers: the figure, then what practice draws over it.
    // Empty while nothing is drawn.
    std::string Descripcion() const;
    // Practice's refusal at that row, and an exercise's entry for the record with the session's
    // student, told to the observers.
    void Rehusado(std::size_t control, std::string_view texto);
    void Anotado(const practice::Asiento& asiento);

    int HScroll(int n) const override;
    void Label(int n, std::string_view caption) override;

private:
    // The domain's handlers that draw: the vectors as the bars set them, or the sum revealed.
    enum class Manejador { Vectores, Revelado };
    diagram::Resultado Manejar(Manejador manejador);
    // Runs a domain handler; when it redrew, it becomes what the window tells of the picture and
    // what a change of views runs again.
    void EventoDeDibujo(Manejador manejador);
    void Cambio(int n);
    double PrepararVistas();
    void Dibujado(diagram::Resultado resultado);

    class Traza;
    std::unique_ptr<canvas::Picture> picture_;
    std::unique_ptr<Traza> traza_;
    canvas::ListenerHandle escucha_;
    std::unique_ptr<diagram::LienzoConVistas> lienzo_;
    const practice::Metodo& metodo_;
    std::unique_ptr<diagram::Construccion> construccion_;
    std::optional<diagram::Resultado> dibujo_;
    std::optional<Manejador> repetir_;
    std::vector<bool> escrito_;
    bool revelando_ = false;
    // Over the picture in this order; the two the window names are among them.
    std::vector<std::unique_ptr<Capa>> capas_;
    Arrastre* arrastre_ = nullptr;
    Practica* practica_ = nullptr;
};

}  // namespace trazalia::session
