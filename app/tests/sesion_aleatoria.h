#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <ostream>
#include <random>
#include <span>
#include <string>
#include <vector>

#include "canvas/picture.h"
#include "canvas/trace_writer.h"

namespace trazalia::app {

class Aplicacion;
class Guion;
class Ventana;

namespace sesion {

// One user action, concrete enough to be performed again on a fresh application. A scroll-bar
// action names the value it moves the bar to, whatever the bar held before.
struct Accion {
    enum class Tipo : std::uint8_t { Boton, Barra };
    // Through a script line, or through Qt input events (mouse click, key press).
    enum class Via : std::uint8_t { Guion, Entrada };

    std::uint8_t ventana = 1;  // Form<n>
    Tipo tipo = Tipo::Boton;
    std::uint8_t numero = 1;  // Command<n> or HScroll<n>
    Via via = Via::Guion;
    std::int16_t valor = 0;

    friend bool operator==(const Accion&, const Accion&) = default;
};

// The action as a script line: "click Form2.Command1", "set Form3.HScroll7 4".
std::string Texto(const Accion& accion);

// A broken invariant. Reduction keeps a shorter list only if it breaks the same kind.
struct Falla {
    std::string tipo;
    std::string detalle;
};

// What a picture was told during one action: a Cls, or an operation.
struct Suceso {
    bool borrado = false;
    canvas::Op op;
};

// Every coordinate finite, every angle in [0, 2π] (as single precision), and a redraw begins
// with Cls.
std::optional<Falla> RevisarDibujo(std::span<const Suceso> sucesos);

// The completed parallelogram: vector 1 (red) and vector 2 (blue) from the origin, the sides
// from each tip to PR, and the black resultant from the origin to PR = P1 + P2 − O.
std::optional<Falla> RevisarParalelogramo(std::span<const canvas::Op> ops, canvas::Point origen);

// Tips of the polygon window's live diagram: its red, blue and green lines from the origin.
std::optional<std::array<canvas::Point, 3>> PuntasEnVivo(std::span<const canvas::Op> ops,
                                                         canvas::Point origen);

// A construction step ends with the black resultant from the origin to
// T = P1 + P2 + P3 − 2·O, the tips being those of the live diagram of the same vectors.
std::optional<Falla> RevisarPoligono(std::span<const canvas::Op> ops, canvas::Point origen,
                                     const std::array<canvas::Point, 3>& puntas);

// Delta debugging: removes pieces of the list for as long as what remains still fails, within
// a budget of calls to falla.
template <class T>
std::vector<T> Reducir(std::vector<T> lista,
                       const std::function<bool(const std::vector<T>&)>& falla, int presupuesto) {
    std::size_t partes = 2;
    while (lista.size() >= 2 && presupuesto > 0) {
        const std::size_t trozo = (lista.size() + partes - 1) / partes;
        bool reducida = false;
        for (std::size_t inicio = 0; inicio < lista.size() && presupuesto > 0; inicio += trozo) {
            std::vector<T> resto(lista.begin(),
                                 lista.begin() + static_cast<std::ptrdiff_t>(inicio));
            const std::size_t fin = std::min(lista.size(), inicio + trozo);
            resto.insert(resto.end(), lista.begin() + static_cast<std::ptrdiff_t>(fin),
                         lista.end());
            --presupuesto;
            if (falla(resto)) {
                lista = std::move(resto);
                partes = std::max<std::size_t>(partes - 1, 2);
                reducida = true;
                break;
            }
        }
        if (!reducida) {
            if (partes >= lista.size()) break;
            partes = std::min(partes * 2, lista.size());
        }
    }
    return lista;
}

// A fresh application with every window's picture watched, and the invariants checked after each
// action. Windows are driven as a user would: script lines or Qt input events on shown windows.
class Sesion {
public:
    Sesion();
    ~Sesion();

    // An action the user could take now: on the shown window, scroll moves within range,
    // clicks and navigation, never ending the program. Nothing once the program has ended.
    std::optional<Accion> Generar(std::mt19937_64& azar) const;

    // Performs the action, then checks every invariant. An action on a window that is not shown
    // is skipped, as a script would refuse it.
    std::optional<Falla> Realizar(const Accion& accion);

    // Ends the program through the shown window's close box and checks that it ended.
    std::optional<Falla> Terminar();

    // Lets Qt deliver what it has queued, repaints included.
    void Procesar();

    // How often each kind of check ran and each way of acting was taken.
    const std::map<std::string, std::size_t>& cuentas() const { return cuentas_; }

private:
    struct Observador;

    Ventana* Visible() const;
    std::optional<Falla> Ejecutar(const Accion& accion);
    std::optional<Falla> Comprobar(const Accion& accion, bool cambio);
    void Vigilar();

    std::unique_ptr<std::ostream> nada_;
    std::unique_ptr<canvas::TraceWriter> trace_;
    std::unique_ptr<Aplicacion> app_;
    std::unique_ptr<Guion> guion_;
    std::vector<std::unique_ptr<Observador>> observadores_;
    std::optional<std::array<canvas::Point, 3>> puntasForm3_;
    std::map<std::string, std::size_t> cuentas_;
};

struct Resultado {
    std::size_t realizadas = 0;
    std::optional<Falla> falla;
    // Up to and including the failing action.
    std::vector<Accion> acciones;
    std::map<std::string, std::size_t> cuentas;
};

// Generates and performs cantidad actions from the seed, stopping at the first failure; with
// terminar, ends the program after the last one.
Resultado Correr(std::uint64_t semilla, std::size_t cantidad, bool terminar);

// Performs a list of actions on a fresh application.
std::optional<Falla> Reproducir(const std::vector<Accion>& acciones);

// The report of a failed run: seed, shortest failing prefix and a reduced script that still
// breaks the same invariant.
std::string Informe(std::uint64_t semilla, const Resultado& resultado, int presupuesto);

}  // namespace sesion
}  // namespace trazalia::app
