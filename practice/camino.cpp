// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/camino.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <numbers>

#include "diagram/traducible.h"
#include "practice/respuesta.h"

namespace trazalia::practice {

namespace {

// One 32-bit value for each (seed, exercise, use), by SplitMix64's finaliser: every draw of a
// step depends on the seed and the step alone, so a progress read back draws what it would
// have, and no engine state need be kept.
std::uint32_t Mezcla(std::uint32_t semilla, int posicion, std::uint32_t uso) {
    std::uint64_t z = (static_cast<std::uint64_t>(semilla) << 32) ^
                      (static_cast<std::uint64_t>(static_cast<std::uint32_t>(posicion)) << 4) ^ uso;
    z += 0x9E3779B97F4A7C15ULL;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

// An index from 0 to n − 1, mapped as the generator maps its engine's outputs.
std::size_t Indice(std::uint32_t x, std::size_t n) {
    return static_cast<std::size_t>((static_cast<std::uint64_t>(x) * n) >> 32);
}

enum Uso : std::uint32_t { kDestreza, kError, kVuelta, kEjercicio };

// The mistakes a skill's exercises show at a level, in a fixed sample: by any of them, and by all.
constexpr int kMuestras = 60;

struct Mostrados {
    Errores alguno;
    Errores todos;
};

std::vector<Mostrados> DeLaMuestra(Nivel nivel) {
    std::vector<Mostrados> mostrados;
    for (const Destreza& d : Destrezas()) {
        Generador generador(1, nivel, d.ventana);
        Mostrados m;
        m.todos.set();
        for (int k = 0; k < kMuestras; ++k) {
            const Errores e = Muestra(d.ventana, Siguiente(generador, d));
            m.alguno |= e;
            m.todos &= e;
        }
        mostrados.push_back(m);
    }
    return mostrados;
}

const Mostrados& DeLaDestreza(std::size_t destreza, Nivel nivel) {
    const auto de = [&]() -> const std::vector<Mostrados>& {
        switch (nivel) {
            case Nivel::Facil: {
                static const std::vector<Mostrados> p = DeLaMuestra(Nivel::Facil);
                return p;
            }
            case Nivel::Medio: {
                static const std::vector<Mostrados> p = DeLaMuestra(Nivel::Medio);
                return p;
            }
            case Nivel::Dificil:
                break;
        }
        static const std::vector<Mostrados> p = DeLaMuestra(Nivel::Dificil);
        return p;
    };
    return de()[destreza];
}

bool PuedeMostrar(std::size_t destreza, Codigo codigo, Nivel nivel) {
    return DeLaDestreza(destreza, nivel).alguno[static_cast<std::size_t>(codigo)];
}

bool EsError(Codigo codigo) {
    return std::find(kErrores.begin(), kErrores.end(), codigo) != kErrores.end();
}

std::string_view ExplicacionGeneral(Codigo codigo) {
    switch (codigo) {
        case Codigo::SumaDeModulos:
            return QT_TRANSLATE_NOOP("Camino",
                                     "Los módulos solo se suman si los vectores apuntan igual; si "
                                     "no, la resultante es más corta. Póngalos punta con cola y "
                                     "mida la flecha del origen a la última punta.");
        case Codigo::RestaDeModulos:
            return QT_TRANSLATE_NOOP("Camino",
                                     "Restar los módulos solo vale con vectores opuestos. Sume los "
                                     "vectores con su dirección: la resultante va del origen a la "
                                     "punta del último.");
        case Codigo::SentidoOpuesto:
            return QT_TRANSLATE_NOOP("Camino",
                                     "La resultante sale del origen hacia la punta del último "
                                     "vector, no al revés: apunta hacia donde avanza la cadena.");
        case Codigo::RestaDeVectores:
            return QT_TRANSLATE_NOOP("Camino",
                                     "Un vector dibujado al revés se resta en lugar de sumarse. Al "
                                     "trasladar cada vector, conserve su dirección y su sentido.");
        case Codigo::AnguloDesdeY:
            return QT_TRANSLATE_NOOP(
                "Camino",
                "La dirección se mide desde el eje x positivo; medirla desde el "
                "eje y la cambia en 90°. Lea el ángulo entre el eje x y la "
                "flecha.");
        case Codigo::SentidoHorario:
            return QT_TRANSLATE_NOOP("Camino",
                                     "Los ángulos crecen en sentido antihorario desde el eje x; "
                                     "contarlos en sentido horario da 360° menos el ángulo. Gire "
                                     "del eje x hacia el eje y.");
        case Codigo::PromedioDeDirecciones:
            return QT_TRANSLATE_NOOP(
                "Camino",
                "La dirección de la resultante no es el promedio de las "
                "direcciones: el vector más largo la inclina hacia sí. La da la "
                "flecha del origen a la última punta.");
        case Codigo::FaltaUnVector:
            return QT_TRANSLATE_NOOP(
                "Camino",
                "La resultante suma todos los vectores: si uno queda fuera, la "
                "cadena termina antes. Ponga cada vector punta con cola antes "
                "de trazarla.");
        case Codigo::ComponentesSinSigno:
            return QT_TRANSLATE_NOOP(
                "Camino",
                "Una componente hacia la izquierda o hacia abajo es negativa y "
                "resta. Sume las componentes con el signo del cuadrante de cada "
                "vector.");
        case Codigo::SumaEnVezDeResta:
            return QT_TRANSLATE_NOOP(
                "Camino",
                "Restar b es sumar −b, de igual módulo y sentido opuesto; sumar "
                "b tal cual da a + b. Dé vuelta b antes de ponerlo punta con "
                "cola.");
        case Codigo::RestaAlReves:
            return QT_TRANSLATE_NOOP("Camino",
                                     "a − b y b − a tienen igual módulo y sentidos opuestos: el "
                                     "orden importa. Al vector que se resta se le da vuelta; al "
                                     "otro, no.");
        case Codigo::SinInvertir:
            return QT_TRANSLATE_NOOP("Camino",
                                     "Un número negativo alarga o acorta el vector y además lo da "
                                     "vuelta. Dibuje k·v al revés de v cuando k es negativo.");
        case Codigo::AnguloPorK:
            return QT_TRANSLATE_NOOP("Camino",
                                     "k·v está sobre la recta de v: k cambia el módulo, y el "
                                     "sentido si es negativo, pero nunca multiplica el ángulo. "
                                     "Dibuje k₁a sobre la recta de a.");
        case Codigo::SumaDeModulosEscalados:
            return QT_TRANSLATE_NOOP("Camino",
                                     "|k₁||a| + |k₂||b| solo es el módulo de c si los dos términos "
                                     "apuntan igual. Ponga k₁a y k₂b punta con cola y mida c.");
        case Codigo::FaltaUnTermino:
            return QT_TRANSLATE_NOOP("Camino",
                                     "c = k₁a + k₂b suma los dos términos; uno solo deja fuera el "
                                     "otro. Ponga k₂b con su cola en la punta de k₁a y trace c "
                                     "hasta el final.");
        case Codigo::ResultanteEnVezDeEquilibrante:
            return QT_TRANSLATE_NOOP("Camino",
                                     "La equilibrante anula la suma: tiene el módulo de la "
                                     "resultante y el sentido opuesto. Construya la resultante y "
                                     "gírela 180°.");
        default:
            return {};
    }
}

}  // namespace

std::span<const Destreza> Destrezas() {
    static const std::vector<Destreza> destrezas = [] {
        std::vector<Destreza> d;
        for (const Pregunta pregunta : {Pregunta::Resultante, Pregunta::Equilibrante})
            for (const Metodo* m : Metodos()) {
                if (!m->practica() || (pregunta == Pregunta::Equilibrante && !m->suma())) continue;
                std::vector<TipoDeCoeficientes> tipos = m->tiposDeCoeficientes();
                if (tipos.empty()) tipos.push_back(TipoDeCoeficientes::Cualesquiera);
                for (const TipoDeCoeficientes t : tipos) d.push_back({m, pregunta, t});
            }
        return d;
    }();
    return destrezas;
}

std::string Nombre(const Destreza& destreza) {
    std::string nombre(Nombre(destreza.ventana));
    if (destreza.pregunta == Pregunta::Equilibrante) nombre += "-equilibrante";
    if (destreza.coeficientes == TipoDeCoeficientes::Resta) nombre += "-resta";
    if (destreza.coeficientes == TipoDeCoeficientes::Multiplos) nombre += "-multiplos";
    return nombre;
}

std::string NombreVisible(const Destreza& destreza, diagram::Traductor trad) {
    // Subtraction and multiples are skills of their own; the sum's are named by their window.
    switch (destreza.coeficientes) {
        case TipoDeCoeficientes::Resta:
            return trad("Camino", QT_TRANSLATE_NOOP("Camino", "Resta"));
        case TipoDeCoeficientes::Multiplos:
            return trad("Camino", QT_TRANSLATE_NOOP("Camino", "Múltiplos"));
        case TipoDeCoeficientes::Cualesquiera:
            break;
    }
    const char* plantilla = destreza.pregunta == Pregunta::Equilibrante
                                ? QT_TRANSLATE_NOOP("Camino", "%1 (equilibrante)")
                                : QT_TRANSLATE_NOOP("Camino", "%1 (resultante)");
    return diagram::Sustituir(trad("Camino", plantilla),
                              {trad(diagram::kContexto, destreza.ventana->nombreCorto())});
}

std::string NombreVisible(std::string_view nombre, diagram::Traductor trad) {
    const std::optional<std::size_t> i = DestrezaDeNombre(nombre);
    return i ? NombreVisible(Destrezas()[*i], trad) : std::string(nombre);
}

std::optional<std::size_t> DestrezaDeNombre(std::string_view nombre) {
    const auto destrezas = Destrezas();
    for (std::size_t i = 0; i < destrezas.size(); ++i)
        if (Nombre(destrezas[i]) == nombre) return i;
    return std::nullopt;
}

Ejercicio Siguiente(Generador& generador, const Destreza& destreza) {
    Ejercicio e = generador.Siguiente(destreza.ventana, destreza.coeficientes);
    e.pregunta = destreza.pregunta;
    return e;
}

Errores Muestra(Ventana ventana, const Ejercicio& ejercicio) {
    Errores errores;
    const Respuesta respuesta = RespuestaDe(ventana, ejercicio);
    const Respuesta pedida = RespuestaALaPregunta(respuesta, ejercicio.pregunta);
    if (!pedida.direccion) return errores;
    const Intento correcta{pedida.r, *pedida.direccion};
    for (const Codigo c : kErrores) {
        if (!Admitido(c, ventana, ejercicio.pregunta)) continue;
        const std::vector<Objetivo> objetivos = Objetivos(c, ventana, ejercicio, respuesta);
        errores[static_cast<std::size_t>(c)] =
            !objetivos.empty() &&
            std::all_of(objetivos.begin(), objetivos.end(), [&](const Objetivo& o) {
                return Distancia(o, correcta) >= kSeparacionDeLaCorrecta - kHolguraDeRedondeo;
            });
    }
    return errores;
}

std::string_view Explicacion(Codigo codigo, Ventana ventana) {
    if (!EsError(codigo)) return {};
    const std::string_view propia = ventana->Explicacion(codigo);
    return propia.empty() ? ExplicacionGeneral(codigo) : propia;
}

std::vector<Etapa> Etapas(Ventana ventana, const Ejercicio& ejercicio) {
    const Respuesta respuesta = RespuestaDe(ventana, ejercicio);
    const std::vector<Flecha> flechas = ventana->Construccion(respuesta.componentes);
    Componentes r;
    for (const Componentes& c : respuesta.componentes) r.x += c.x, r.y += c.y;
    std::vector<Etapa> etapas;
    for (const EtapaDeConstruccion& e : ventana->Etapas(flechas.size())) {
        Etapa etapa;
        etapa.flechas.assign(
            flechas.begin(),
            flechas.begin() + static_cast<std::ptrdiff_t>(std::min(e.flechas, flechas.size())));
        if (e.resultante) etapa.resultante = r;
        etapa.leyenda = e.leyenda;
        etapas.push_back(std::move(etapa));
    }
    if (etapas.empty() || !etapas.back().resultante || !respuesta.direccion) return etapas;
    Etapa lectura = etapas.back();
    lectura.leyenda = QT_TRANSLATE_NOOP("Camino", "Se lee la resultante: mide %1 y apunta a %2°.");
    lectura.valores = {respuesta.lecturaR, respuesta.lecturaDireccion};
    etapas.push_back(lectura);
    if (ejercicio.pregunta == Pregunta::Equilibrante) {
        const Respuesta pedida = RespuestaALaPregunta(respuesta, Pregunta::Equilibrante);
        Etapa equilibrante = std::move(lectura);
        equilibrante.equilibrante = true;
        equilibrante.leyenda = QT_TRANSLATE_NOOP(
            "Camino", "La equilibrante: la resultante girada 180°, mide %1 y apunta a %2°.");
        equilibrante.valores = {pedida.lecturaR, pedida.lecturaDireccion};
        etapas.push_back(std::move(equilibrante));
    }
    return etapas;
}

std::optional<ErrorPlantado> PlantarError(Ventana ventana, Ejercicio ejercicio,
                                          std::uint32_t semilla) {
    ejercicio.pregunta = Pregunta::Resultante;
    const Errores mostrados = Muestra(ventana, ejercicio);
    std::vector<Codigo> posibles;
    for (const Codigo c : kErrores)
        if (mostrados[static_cast<std::size_t>(c)]) posibles.push_back(c);
    if (posibles.empty()) return std::nullopt;
    const Respuesta respuesta = RespuestaDe(ventana, ejercicio);
    // Each draw its own use of the seed: the planted one, then each other choice.
    const auto indice = [&](std::uint32_t uso, std::size_t n) {
        return Indice(Mezcla(semilla, 0, 16 + uso), n);
    };
    const Codigo codigo = posibles[indice(0, posibles.size())];
    const Objetivo o = Objetivos(codigo, ventana, ejercicio, respuesta).front();
    const double r = o.r.value_or(respuesta.r);
    const double a = o.direccion.value_or(respuesta.direccion.value_or(0)) * std::numbers::pi / 180;
    ErrorPlantado plantado{codigo, {}, {codigo}};
    plantado.dibujo.flechas = ventana->Construccion(respuesta.componentes);
    plantado.dibujo.resultante = Componentes{r * std::cos(a), r * std::sin(a)};
    std::erase(posibles, codigo);
    for (std::uint32_t k = 1; plantado.opciones.size() < kOpciones && !posibles.empty(); ++k) {
        const std::size_t i = indice(k, posibles.size());
        plantado.opciones.push_back(posibles[i]);
        posibles.erase(posibles.begin() + static_cast<std::ptrdiff_t>(i));
    }
    std::swap(plantado.opciones.front(),
              plantado.opciones[indice(kOpciones, plantado.opciones.size())]);
    return plantado;
}

std::vector<EtapaDeConstruccion> Metodo::Etapas(std::size_t flechas) const {
    std::vector<EtapaDeConstruccion> etapas;
    for (std::size_t k = 1; k <= flechas; ++k)
        etapas.push_back(
            {k, false,
             k == 1 ? QT_TRANSLATE_NOOP("Camino", "El primer vector, desde el origen.")
             : k == 2
                 ? QT_TRANSLATE_NOOP("Camino", "El segundo, con su cola en la punta del primero.")
             : k == 3
                 ? QT_TRANSLATE_NOOP("Camino", "El tercero, con su cola en la punta del segundo.")
                 : QT_TRANSLATE_NOOP("Camino",
                                     "El siguiente, con su cola en la punta del anterior.")});
    etapas.push_back({flechas, true,
                      QT_TRANSLATE_NOOP("Camino", "La resultante, del origen a la última punta.")});
    return etapas;
}

Progreso::Progreso(std::uint32_t semilla, Nivel nivel, Ventana ventana)
    : semilla_(semilla), nivel_(nivel), ventana_(ventana), destrezas_(Destrezas().size()) {}

bool Progreso::Incluida(std::size_t destreza) const {
    return !ventana_ || Destrezas()[destreza].ventana == ventana_;
}

bool Progreso::Dominada(std::size_t destreza) const {
    return destrezas_[destreza].racha >= kRachaDeDominio;
}

bool Progreso::TodasDominadas() const {
    for (std::size_t i = 0; i < destrezas_.size(); ++i)
        if (Incluida(i) && !Dominada(i)) return false;
    return true;
}

Plan Progreso::Planificar() const {
    const std::size_t n = destrezas_.size();
    std::optional<std::size_t> previa;
    for (std::size_t i = 0; i < n; ++i)
        if (posicion_ > 0 && destrezas_[i].ultima == posicion_ - 1) previa = i;

    const Pendiente* debido = nullptr;
    for (const Pendiente& p : pendientes_)
        if (p.desde <= posicion_ && (!debido || p.hasta < debido->hasta)) debido = &p;
    if (debido) {
        std::vector<std::size_t> todas, otras;
        for (std::size_t i = 0; i < n; ++i) {
            if (!Incluida(i) || !PuedeMostrar(i, debido->codigo, nivel_)) continue;
            todas.push_back(i);
            if (i != previa) otras.push_back(i);
        }
        const std::vector<std::size_t>& c = otras.empty() ? todas : otras;
        if (!c.empty())
            return {c[Indice(Mezcla(semilla_, posicion_, kError), c.size())], debido->codigo,
                    std::nullopt};
    }

    std::vector<std::uint32_t> pesos(n);
    std::uint32_t total = 0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i == previa || !Incluida(i)) continue;
        if (!Dominada(i))
            pesos[i] = 4;
        else if (posicion_ - destrezas_[i].ultima >= kEspaciado)
            pesos[i] = 1;
        total += pesos[i];
    }
    // Every other skill mastered and seen lately: any other, or the same where it is alone.
    for (const bool otra : {true, false}) {
        if (total > 0) break;
        for (std::size_t i = 0; i < n; ++i)
            if (Incluida(i) && (i != previa || !otra)) pesos[i] = 1, ++total;
    }
    std::size_t r = Indice(Mezcla(semilla_, posicion_, kDestreza), total);
    for (std::size_t i = 0; i < n; ++i) {
        if (r < pesos[i]) return Sorteada(i);
        r -= pesos[i];
    }
    return Sorteada(0);
}

Plan Progreso::Sorteada(std::size_t destreza) const {
    Plan plan{destreza, std::nullopt, std::nullopt};
    if (Dominada(destreza)) return plan;
    const Mostrados& m = DeLaDestreza(destreza, nivel_);
    std::vector<Codigo> raros;
    for (const Codigo c : kErrores)
        if (m.alguno[static_cast<std::size_t>(c)] && !m.todos[static_cast<std::size_t>(c)])
            raros.push_back(c);
    if (!raros.empty())
        plan.muestra = raros[static_cast<std::size_t>(destrezas_[destreza].racha) % raros.size()];
    return plan;
}

void Progreso::Anotar(const Plan& plan, Codigo resultado, const Errores& mostrados) {
    EstadoDeDestreza& d = destrezas_[plan.destreza];
    d.ultima = posicion_;
    const bool bien = resultado == Codigo::Acierto || resultado == Codigo::Casi;
    if (resultado == Codigo::Acierto)
        d.racha = std::min(d.racha + 1, kRachaDeDominio);
    else if (!bien)
        d.racha = 0;

    const int desde = posicion_ + kVueltaMinima +
                      static_cast<int>(Indice(Mezcla(semilla_, posicion_, kVuelta),
                                              kVueltaMaxima - kVueltaMinima));
    const int hasta = posicion_ + kVueltaMaxima;
    // From kVueltaMinima exercises after the mistake, any exercise that shows it is its return,
    // planned or not; one before neither settles nor delays it.
    const auto vuelve = [&](const Pendiente& p) {
        return posicion_ >= p.hasta - (kVueltaMaxima - kVueltaMinima) &&
               mostrados[static_cast<std::size_t>(p.codigo)];
    };
    std::erase_if(pendientes_, [&](const Pendiente& p) { return vuelve(p) && bien; });
    for (Pendiente& p : pendientes_)
        if (vuelve(p) || p.codigo == resultado) p.desde = desde, p.hasta = hasta;
    if (EsError(resultado) &&
        std::none_of(pendientes_.begin(), pendientes_.end(),
                     [&](const Pendiente& p) { return p.codigo == resultado; }))
        pendientes_.push_back({resultado, desde, hasta});
    ++posicion_;
}

// The path's state names every window so.
constexpr std::string_view kTodas = "todas";

std::string Progreso::Texto() const {
    std::string t = "camino 1 semilla " + std::to_string(semilla_) + " nivel " +
                    std::string(Nombre(nivel_)) + " ventana " +
                    (ventana_ ? std::string(Nombre(ventana_)) : std::string(kTodas)) +
                    " posicion " + std::to_string(posicion_);
    const auto destrezas = Destrezas();
    for (std::size_t i = 0; i < destrezas_.size(); ++i) {
        if (!Incluida(i)) continue;
        const EstadoDeDestreza& d = destrezas_[i];
        t += ' ' + Nombre(destrezas[i]) + ' ' + std::to_string(d.racha) + ' ' +
             (d.ultima < 0 ? std::string("-") : std::to_string(d.ultima));
    }
    for (const Pendiente& p : pendientes_)
        t += " pendiente " + std::string(Nombre(p.codigo)) + ' ' + std::to_string(p.desde) + ' ' +
             std::to_string(p.hasta);
    return t;
}

namespace {

// A whole number from 0 to maximo, digits only.
std::optional<long long> Entero(std::string_view palabra, long long maximo) {
    long long valor = 0;
    if (palabra.empty() || palabra.front() == '-' || palabra.front() == '+') return std::nullopt;
    const auto [fin, error] =
        std::from_chars(palabra.data(), palabra.data() + palabra.size(), valor);
    if (error != std::errc{} || fin != palabra.data() + palabra.size() || valor > maximo)
        return std::nullopt;
    return valor;
}

// A path longer than this is no path a student walked.
constexpr long long kPosicionMaxima = 1'000'000;

}  // namespace

std::variant<Progreso, std::string> Progreso::DeTexto(std::string_view texto) {
    std::vector<std::string_view> w;
    for (std::size_t i = 0; i <= texto.size();) {
        const std::size_t fin = std::min(texto.find(' ', i), texto.size());
        w.push_back(texto.substr(i, fin - i));
        i = fin + 1;
    }
    const auto mal = [](std::string_view que, std::string_view palabra) {
        return "camino: " + std::string(que) + " no válido: «" + std::string(palabra) + "»";
    };
    if (w.size() < 10 || w[0] != "camino" || w[2] != "semilla" || w[4] != "nivel" ||
        w[6] != "ventana" || w[8] != "posicion")
        return std::string("camino: no es el estado de un camino");
    if (w[1] != "1") return mal("versión", w[1]);
    const auto semilla = Entero(w[3], std::numeric_limits<std::uint32_t>::max());
    if (!semilla) return mal("semilla", w[3]);
    const auto nivel = NivelDeNombre(w[5]);
    if (!nivel) return mal("nivel", w[5]);
    Ventana ventana = nullptr;
    if (w[7] != kTodas) {
        const auto v = VentanaDeNombre(w[7]);
        if (!v || !(*v)->practica()) return mal("ventana", w[7]);
        ventana = *v;
    }
    const auto posicion = Entero(w[9], kPosicionMaxima);
    if (!posicion) return mal("posición", w[9]);
    Progreso p(static_cast<std::uint32_t>(*semilla), *nivel, ventana);
    p.posicion_ = static_cast<int>(*posicion);
    std::vector<bool> leida(p.destrezas_.size());
    for (std::size_t i = 10; i < w.size();) {
        if (w[i] == "pendiente") {
            if (i + 4 > w.size()) return mal("final", w[i]);
            const auto codigo = CodigoDeNombre(w[i + 1]);
            if (!codigo || !EsError(*codigo) ||
                std::any_of(p.pendientes_.begin(), p.pendientes_.end(),
                            [&](const Pendiente& q) { return q.codigo == *codigo; }))
                return mal("error", w[i + 1]);
            const auto hasta = Entero(w[i + 3], *posicion + kVueltaMaxima);
            if (!hasta) return mal("vuelta", w[i + 3]);
            const auto desde = Entero(w[i + 2], *hasta);
            if (!desde) return mal("vuelta", w[i + 2]);
            p.pendientes_.push_back({*codigo, static_cast<int>(*desde), static_cast<int>(*hasta)});
            i += 4;
            continue;
        }
        if (i + 3 > w.size()) return mal("final", w[i]);
        const auto d = DestrezaDeNombre(w[i]);
        if (!d || leida[*d] || !p.Incluida(*d)) return mal("destreza", w[i]);
        leida[*d] = true;
        const auto racha = Entero(w[i + 1], kRachaDeDominio);
        if (!racha) return mal("racha", w[i + 1]);
        std::optional<long long> ultima = -1;
        if (w[i + 2] != "-") ultima = Entero(w[i + 2], *posicion - 1);
        if (!ultima) return mal("último ejercicio", w[i + 2]);
        p.destrezas_[*d] = {static_cast<int>(*racha), static_cast<int>(*ultima)};
        i += 3;
    }
    return p;
}

const Paso& Camino::Actual() {
    if (paso_) return *paso_;
    const Plan plan = progreso_.Planificar();
    const Destreza& d = Destrezas()[plan.destreza];
    Generador generador(Mezcla(progreso_.semilla(), progreso_.posicion(), kEjercicio),
                        progreso_.nivel(), d.ventana);
    Ejercicio e = Siguiente(generador, d);
    if (const std::optional<Codigo> buscado = plan.Buscado())
        for (int k = 1;
             k < kCandidatos && !Muestra(d.ventana, e)[static_cast<std::size_t>(*buscado)]; ++k)
            e = Siguiente(generador, d);
    paso_ = Paso{plan, d, std::move(e)};
    return *paso_;
}

void Camino::Anotar(Codigo resultado) {
    const Paso& paso = Actual();
    progreso_.Anotar(paso.plan, resultado, Muestra(paso.destreza.ventana, paso.ejercicio));
    paso_.reset();
}

}  // namespace trazalia::practice
