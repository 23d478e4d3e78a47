// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "canvas/picture.h"
#include "diagram/arrastre.h"
#include "diagram/construccion.h"
#include "diagram/controles.h"
#include "diagram/resultado.h"
#include "diagram/traducible.h"
#include "diagram/vistas.h"
#include "practice/ejercicio.h"
#include "practice/generador.h"
#include "practice/veredicto.h"
#include "session/observador.h"
#include "session/tablas.h"

namespace trazalia::diagram {
class LienzoConVistas;
}

namespace trazalia::session {

class Sesion;
class Ventana;
class VentanaMetodo;

// What a window needs of the session around it: the observers, the views and the language, and
// the way to other windows.
class Entorno {
public:
    virtual ~Entorno() = default;
    // Tells every observer in the order they were added. Called for every drawing operation, so
    // it is a plain loop rather than a call through a function object.
    template <class Aviso>
    void Avisar(const Aviso& aviso) {
        for (Observador* o : observadores_) aviso(*o);
    }
    virtual const diagram::Vistas& vistas() const = 0;
    virtual const diagram::Traductor& traductor() const = 0;
    // Creates and loads the window on first use.
    virtual Ventana& Abrir(Formulario f) = 0;
    // Hides the window and shows the start window.
    virtual void Regresar(Ventana& desde) = 0;
    virtual void Terminar() = 0;
    // An exercise is about to set that window's vectors.
    virtual void NuevoEjercicio(VentanaMetodo& ventana) = 0;
    // The student practice's entries name.
    virtual const std::string& alumno() const = 0;

protected:
    std::vector<Observador*> observadores_;
};

// One control's state: what a face shows of it.
struct Estado {
    int valor = 0;        // a scroll bar's
    std::string caption;  // a label's or a button's, as the domain wrote it (Spanish)
    bool visible = true;
    bool habilitado = true;
    bool enfocable = false;  // takes the keyboard's focus
    // A result read-out that describes an earlier picture.
    bool anterior = false;
};

// A window's state as dump writes it: one line for the window and one for each control in table
// order, geometry in twips at 100 %. titulo: as the window shows it.
std::vector<std::string> Volcado(const Tabla& tabla, std::string_view titulo, bool visible,
                                 const std::vector<Estado>& estados);

// A window of the program in the core: its table, each control's state, whether it is shown, and
// the keyboard's focus. Form1 is one of these; the method windows add their picture.
class Ventana {
public:
    Ventana(Entorno& sesion, Formulario formulario);
    virtual ~Ventana();
    Ventana(const Ventana&) = delete;
    Ventana& operator=(const Ventana&) = delete;

    Formulario formulario() const { return formulario_; }
    const Tabla& tabla() const { return tabla_; }
    std::string_view nombre() const { return tabla_.nombre; }
    bool visible() const { return visible_; }
    const Estado& estado(std::size_t control) const { return estados_[control]; }
    // The row of that name, if any.
    std::optional<std::size_t> Indice(std::string_view control) const;
    // HScroll<n>, Label<n>, Command<n>; std::out_of_range naming the control when there is none.
    std::size_t Numerado(std::string_view prefijo, int n) const;
    // HScroll<n> and Label<n>, which the domain reads and writes many times an event.
    std::size_t Barra(int n) const { return Fila(barras_, "HScroll", n); }
    std::size_t Rotulo(int n) const { return Fila(rotulos_, "Label", n); }

    // Shows or hides the window; observers are told only of a change.
    void Mostrar(bool visible);
    // A click on Command<n>.
    virtual void Pulsar(int n) = 0;
    // The window's state, one line for the window and one for each control in table order.
    std::vector<std::string> Dump() const;

    // The first handler failure since the last call, then forgotten; empty when none.
    std::string TomarFallo();

    // The control with the keyboard's focus (its row), and whether the value editor over it has it.
    std::optional<std::size_t> foco() const { return foco_; }
    void Enfocar(std::optional<std::size_t> control) { foco_ = control; }

    // The value editor over a read-out: opened by a digit on a bar (or on a result read-out in
    // practice), it sets the bar's value (or the guess) on Return. Each control has its own, made
    // when first opened; several may be open at once.
    struct Editor {
        std::size_t control;  // the bar, or the read-out, it sets
        std::string texto;
        bool seleccionado = false;  // the whole text, which the next key replaces
        bool abierto = false;
    };
    // The open editor over that control, or null.
    const Editor* EditorDe(std::size_t control) const;
    // Whether the editor of the control with the focus has it.
    bool enEditor() const { return enEditor_; }
    // Closes the editor over that control; with devolverFoco the control takes the focus.
    void CerrarEditor(std::size_t control, bool devolverFoco);

protected:
    // Writes a label's caption, told even when the text is unchanged.
    void Caption(std::size_t control, std::string_view texto);
    // Runs one handler: a failure (a drawing operation refused) ends the event and is kept.
    template <class F>
    void Evento(F&& handler) {
        try {
            handler();
        } catch (const std::bad_alloc&) {
            throw;
        } catch (const std::exception& e) {
            ReportarFallo(e.what());
        }
    }
    void ReportarFallo(std::string_view texto);
    void MarcarAnterior(std::size_t control, bool anterior);

    Entorno& sesion_;
    Formulario formulario_;
    const Tabla& tabla_;
    std::vector<Estado> estados_;
    bool visible_ = false;
    std::optional<std::size_t> foco_;
    // The control that had the focus when the window was last hidden.
    std::optional<std::size_t> focoAlOcultar_;
    std::string fallo_;
    // Each prefix of numbered controls ("HScroll", "Label", …), with the row of each number.
    struct Numeracion {
        std::string_view prefijo;
        std::vector<std::optional<std::size_t>> filas;
    };
    std::vector<Numeracion> numerados_;
    const Numeracion* barras_ = nullptr;
    const Numeracion* rotulos_ = nullptr;
    // The row of number n, or std::out_of_range naming the control.
    std::size_t Fila(const Numeracion* numeracion, std::string_view prefijo, int n) const {
        if (numeracion && n >= 0 && static_cast<std::size_t>(n) < numeracion->filas.size())
            if (const auto& fila = numeracion->filas[static_cast<std::size_t>(n)]) return *fila;
        NoHay(prefijo, n);
    }
    [[noreturn]] void NoHay(std::string_view prefijo, int n) const;
    Editor* EditorDe(std::size_t control);
    // In the order they were made.
    std::vector<Editor> editores_;
    bool enEditor_ = false;

    friend class Sesion;
};

// Form1: the way into each method.
class Inicio final : public Ventana {
public:
    explicit Inicio(Entorno& sesion) : Ventana(sesion, Formulario::Form1) {}
    void Pulsar(int n) override;
};

// What draws over a method window's picture after its diagram and views (practice's guess and
// verdict), or holds the picture's scale for a while (a dragged tip).
class Capa {
public:
    virtual ~Capa() = default;
    // After every redraw, over everything drawn so far; returns what screen readers are to be
    // told with a new resultant, empty for nothing.
    virtual std::string Dibujado(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) = 0;
    // The scale the next picture is to keep; the first layer that holds one wins.
    virtual std::optional<double> EscalaRetenida() const { return std::nullopt; }
    // Where no layer holds the scale: the length the next picture's scale is to reach at least,
    // so that what the layer draws fits beside the figure.
    virtual std::optional<double> EscalaMinima() const { return std::nullopt; }
};

class Practica;
class Arrastre;

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
    std::unique_ptr<Arrastre> arrastre_;
    std::unique_ptr<Practica> practica_;
    std::vector<Capa*> capas_;
};

// A vector's tip grabbed on Picture1 and moved: each position sets the vector's bars, whose
// handlers redraw as for any change. While a tip is held the picture keeps its scale.
class Arrastre final : public Capa {
public:
    explicit Arrastre(VentanaMetodo& ventana) : ventana_(ventana) {}
    // In twips of Picture1; reach in twips. Presionar grabs the tip within reach, if any.
    bool Presionar(diagram::Punto p, double alcance);
    void Mover(diagram::Punto p, bool ajustar);
    void Soltar();
    // Lets go without a word or a redraw: what comes next draws the picture anew.
    void Dejar() { vector_.reset(); }
    std::optional<int> vector() const { return vector_; }

    std::string Dibujado(canvas::Canvas&, const diagram::Resultado&) override { return {}; }
    std::optional<double> EscalaRetenida() const override {
        return vector_ ? std::optional(escala_.Escala) : std::nullopt;
    }

private:
    VentanaMetodo& ventana_;
    std::optional<int> vector_;
    diagram::EscalaDelArrastre escala_;
};

// Practice in one method window: an exercise set through the bars, the student's guess, the
// window's own reveal judging it. Until then the exercise's vectors hold still and the picture
// keeps a scale that does not give the answer away.
class Practica final : public Capa {
public:
    explicit Practica(VentanaMetodo& ventana);

    bool activa() const { return activa_; }
    practice::Nivel nivel() const { return nivel_; }
    const practice::Ejercicio& ejercicio() const { return ejercicio_; }
    const std::optional<practice::Intento>& intento() const { return intento_; }
    const std::optional<practice::Veredicto>& veredicto() const { return veredicto_; }
    // The exercise the last verdict judged.
    const practice::Ejercicio& juzgados() const { return juzgados_; }
    bool Pendiente() const { return activa_ && !revelado_ && !ejercicio_.empty(); }
    // The exercise's answer has been shown.
    bool revelado() const { return revelado_; }
    // Whether the waiting exercise holds that row still: a vector's bar or its read-out.
    bool Retiene(std::size_t control) const;
    practice::Ventana cual() const { return cual_; }

    void Comenzar(std::uint32_t semilla, practice::Nivel nivel);
    // The level of the next exercises: with practice on, they start again from that seed.
    void ElegirNivel(practice::Nivel nivel, std::uint32_t semilla);
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
    std::string Descripcion() const;
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

    VentanaMetodo& ventana_;
    practice::Ventana cual_;
    bool activa_ = false;
    practice::Nivel nivel_ = practice::Nivel::Medio;
    std::optional<practice::Generador> generador_;
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
};

}  // namespace trazalia::session
