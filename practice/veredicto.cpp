// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/veredicto.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "diagram/direccion.h"
#include "diagram/formato.h"
#include "diagram/traducible.h"

namespace trazalia::practice {

namespace {

struct DatosDeCodigo {
    Codigo codigo;
    std::string_view nombre;
    // What the student did, whatever the window.
    std::string_view frase;
};

// What to do about a near miss, in either window.
constexpr std::string_view kMedir = QT_TRANSLATE_NOOP(
    "Trazalia",
    "Mida con cuidado: la longitud con la escala de los ejes, y el ángulo desde el semieje x "
    "positivo en sentido antihorario.");

// In the order of Codigo.
constexpr std::array<DatosDeCodigo, kNumeroDeCodigos> kCodigos{{
    {Codigo::Acierto, "acierto",
     QT_TRANSLATE_NOOP("Trazalia", "¡Correcto! Su resultante es la suma de los vectores.")},
    {Codigo::SumaDeModulos, "suma-de-modulos",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Sumó los módulos: eso solo vale para vectores con la misma dirección y "
                       "el mismo sentido.")},
    {Codigo::RestaDeModulos, "resta-de-modulos",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Restó los módulos: eso solo vale para vectores con la misma dirección y "
                       "sentidos opuestos.")},
    {Codigo::SentidoOpuesto, "sentido-opuesto",
     QT_TRANSLATE_NOOP("Trazalia", "Su resultante apunta al revés.")},
    {Codigo::RestaDeVectores, "resta-de-vectores",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Restó un vector en lugar de sumarlo: cada vector conserva su sentido.")},
    {Codigo::AnguloDesdeY, "angulo-desde-y",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Midió el ángulo desde el eje y: la dirección se mide desde el semieje x positivo.")},
    {Codigo::SentidoHorario, "sentido-horario",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Midió el ángulo en el sentido de las agujas del reloj: la dirección se mide desde el "
         "semieje x positivo, en sentido antihorario.")},
    {Codigo::PromedioDeDirecciones, "promedio-de-direcciones",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Promedió las direcciones: la dirección de la resultante no es el promedio "
                       "de las de los vectores.")},
    {Codigo::FaltaUnVector, "falta-un-vector",
     QT_TRANSLATE_NOOP("Trazalia", "Le faltó un vector: la resultante suma los tres.")},
    {Codigo::ComponentesSinSigno, "componentes-sin-signo",
     QT_TRANSLATE_NOOP(
         "Trazalia",
         "Sumó las componentes sin su signo: una componente hacia la izquierda o hacia abajo es "
         "negativa y resta.")},
    {Codigo::SumaEnVezDeResta, "suma-en-vez-de-resta",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Sumó en lugar de restar: restar b es sumar su opuesto, −b, que apunta al "
                       "revés.")},
    {Codigo::RestaAlReves, "resta-al-reves",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Restó al revés: a − b va de la punta de b a la punta de a, no al revés.")},
    {Codigo::SinInvertir, "sin-invertir",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Multiplicó el módulo pero conservó el sentido: un coeficiente negativo "
                       "también invierte el vector.")},
    {Codigo::AnguloPorK, "angulo-por-k",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Multiplicó también el ángulo: k·a tiene la dirección de a (o la opuesta "
                       "si k es negativo); solo su módulo cambia.")},
    {Codigo::SumaDeModulosEscalados, "suma-de-modulos-escalados",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Sumó los módulos de k₁a y k₂b: eso solo vale si apuntan en el mismo "
                       "sentido.")},
    {Codigo::FaltaUnTermino, "falta-un-termino",
     QT_TRANSLATE_NOOP("Trazalia", "Le faltó un término: c suma k₁a y k₂b.")},
    {Codigo::ResultanteEnVezDeEquilibrante, "resultante-en-vez-de-equilibrante",
     QT_TRANSLATE_NOOP("Trazalia",
                       "Dio la resultante en lugar de su opuesta: la equilibrante anula la suma, "
                       "así que tiene el mismo módulo y sentido contrario.")},
    {Codigo::Otro, "otro", QT_TRANSLATE_NOOP("Trazalia", "Su resultante no coincide.")},
    // The sentence of a near miss says how far off it is (TextoDeCasi).
    {Codigo::Casi, "casi", QT_TRANSLATE_NOOP("Trazalia", "Casi.")},
    {Codigo::Saltado, "saltado",
     QT_TRANSLATE_NOOP("Trazalia", "Dejó el ejercicio sin comprobarlo.")},
    {Codigo::SinRespuesta, "sin-respuesta",
     QT_TRANSLATE_NOOP("Trazalia", "Vio la respuesta sin dar la suya.")},
}};

constexpr double kToleranciaRelativa = 0.05;
constexpr double kToleranciaMinima = 2;

// Distance between two directions in degrees, around the circle: from 0 to 180.
double Separacion(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}

// Direction b as seen from a, in degrees from −180 to 180: positive counterclockwise.
double Giro(double a, double b) {
    double d = std::fmod(b - a, 360.0);
    if (d > 180) d -= 360;
    if (d < -180) d += 360;
    return d;
}

// How far apart two points of the plane of guesses lie, in tolerances: the larger tolerance of the
// two magnitudes counts, and a point without a direction is told apart by its magnitude alone.
double Apartamiento(const Objetivo& a, const Objetivo& b) {
    double d = std::abs(*a.r - *b.r) / std::max(Tolerancia(*a.r), Tolerancia(*b.r));
    if (a.direccion && b.direccion)
        d = std::max(d, Separacion(*a.direccion, *b.direccion) / kToleranciaGrados);
    return d;
}

// A vector by its components, with the magnitude and the direction its read-outs would show.
Objetivo DeComponentes(double x, double y) {
    const double r = std::sqrt(x * x + y * y);
    return {r, diagram::Direccion(r, diagram::DireccionResultante(x, y))};
}

// The guess's direction within a turn, as a text.
std::string DireccionDelIntento(double grados) {
    double d = std::fmod(grados, 360.0);
    if (d < 0) d += 360;
    const std::string texto = NumeroDelIntento(d);
    return texto == "360" ? "0" : texto;
}

}  // namespace

double Tolerancia(double r) { return std::max(kToleranciaRelativa * r, kToleranciaMinima); }

double Distancia(const Objetivo& o, Intento intento) {
    double d = 0;
    if (o.r) d = std::abs(intento.r - *o.r) / Tolerancia(*o.r);
    if (o.direccion)
        d = std::max(d, Separacion(intento.direccion, *o.direccion) / kToleranciaGrados);
    return d;
}

namespace {

// Asked for the equilibrant, −R, a student who makes one of the resultant's mistakes and turns the
// result round, or turns first and then errs, lands on that mistake's target turned by 180°: a
// magnitude alone stays, a difference of vectors is negated, an angle from y or clockwise is the
// equilibrant's own. Turning the answer round gives the resultant itself: that mistake is
// ResultanteEnVezDeEquilibrante, which SentidoOpuesto would only repeat.
std::vector<Objetivo> ObjetivosDeLaEquilibrante(Codigo codigo, Ventana ventana,
                                                const Ejercicio& vectores,
                                                const Respuesta& respuesta) {
    if (codigo == Codigo::SentidoOpuesto) return {};
    Ejercicio resultante = vectores;
    resultante.pregunta = Pregunta::Resultante;
    if (codigo == Codigo::ResultanteEnVezDeEquilibrante) {
        if (!respuesta.direccion) return {};
        return Objetivos(Codigo::Acierto, ventana, resultante, respuesta);
    }
    std::vector<Objetivo> objetivos = Objetivos(codigo, ventana, resultante, respuesta);
    for (Objetivo& o : objetivos)
        if (o.direccion) *o.direccion += 180;
    return objetivos;
}

}  // namespace

bool ErrorDeSuma(Codigo codigo) {
    switch (codigo) {
        case Codigo::SumaDeModulos:
        case Codigo::SentidoOpuesto:
        case Codigo::RestaDeVectores:
        case Codigo::AnguloDesdeY:
        case Codigo::SentidoHorario:
        case Codigo::PromedioDeDirecciones:
        case Codigo::ComponentesSinSigno:
            return true;
        default:
            return false;
    }
}

bool Admitido(Codigo codigo, Ventana ventana, Pregunta pregunta) {
    if (pregunta == Pregunta::Equilibrante) {
        if (codigo == Codigo::ResultanteEnVezDeEquilibrante) return true;
        if (codigo == Codigo::SentidoOpuesto) return false;
    }
    return ventana->Admite(codigo);
}

std::vector<Objetivo> Objetivos(Codigo codigo, Ventana ventana, const Ejercicio& vectores,
                                const Respuesta& respuesta) {
    if (vectores.pregunta == Pregunta::Equilibrante)
        return ObjetivosDeLaEquilibrante(codigo, ventana, vectores, respuesta);
    const std::vector<Componentes>& c = respuesta.componentes;
    double Rx = 0, Ry = 0;
    for (const Componentes& v : c) Rx += v.x, Ry += v.y;
    const std::optional<double> alfa = respuesta.direccion;
    std::vector<Objetivo> objetivos;
    if (codigo != Codigo::Acierto && !ventana->Admite(codigo)) return objetivos;
    switch (codigo) {
        case Codigo::Acierto:
            objetivos.push_back({respuesta.r, alfa});
            break;
        case Codigo::SumaDeModulos: {
            double suma = 0;
            for (const diagram::Entrada& v : vectores) suma += v.m;
            objetivos.push_back({suma, std::nullopt});
            break;
        }
        case Codigo::RestaDeModulos:
            objetivos.push_back({std::abs(vectores[0].m - vectores[1].m), std::nullopt});
            break;
        case Codigo::SentidoOpuesto:
            if (alfa) objetivos.push_back({respuesta.r, *alfa + 180});
            break;
        case Codigo::RestaDeVectores:
            // Subtracting vector k instead of adding it takes it away twice from the sum.
            for (const Componentes& v : c)
                objetivos.push_back(DeComponentes(Rx - 2 * v.x, Ry - 2 * v.y));
            break;
        case Codigo::AnguloDesdeY:
            // Measured from +y one way or the other: 90° − α, or α − 90°.
            if (alfa) {
                objetivos.push_back({respuesta.r, 90 - *alfa});
                objetivos.push_back({respuesta.r, *alfa - 90});
            }
            break;
        case Codigo::SentidoHorario:
            if (alfa) objetivos.push_back({respuesta.r, 360 - *alfa});
            break;
        case Codigo::PromedioDeDirecciones: {
            double suma = 0;
            for (const diagram::Entrada& v : vectores) suma += v.d;
            objetivos.push_back({std::nullopt, suma / static_cast<double>(vectores.size())});
            break;
        }
        case Codigo::FaltaUnVector:
            for (const Componentes& v : c) objetivos.push_back(DeComponentes(Rx - v.x, Ry - v.y));
            break;
        case Codigo::ComponentesSinSigno: {
            double x = 0, y = 0;
            for (const Componentes& v : c) x += std::abs(v.x), y += std::abs(v.y);
            objetivos.push_back(DeComponentes(x, y));
            break;
        }
        // Each window that admits these gives their values itself (Metodo::Objetivos).
        case Codigo::SumaEnVezDeResta:
        case Codigo::RestaAlReves:
        case Codigo::SinInvertir:
        case Codigo::AnguloPorK:
        case Codigo::SumaDeModulosEscalados:
        case Codigo::FaltaUnTermino:
            return ventana->Objetivos(codigo, vectores, respuesta);
        case Codigo::ResultanteEnVezDeEquilibrante:
        case Codigo::Otro:
        case Codigo::Casi:
        case Codigo::Saltado:
        case Codigo::SinRespuesta:
            break;
    }
    return objetivos;
}

std::string_view Nombre(Codigo codigo) { return kCodigos[static_cast<std::size_t>(codigo)].nombre; }

std::optional<Codigo> CodigoDeNombre(std::string_view nombre) {
    for (const DatosDeCodigo& c : kCodigos)
        if (c.nombre == nombre) return c.codigo;
    return std::nullopt;
}

std::string_view Frase(Codigo codigo) { return kCodigos[static_cast<std::size_t>(codigo)].frase; }

std::string_view Frase(Codigo codigo, Pregunta pregunta) {
    if (pregunta == Pregunta::Equilibrante && codigo == Codigo::Acierto)
        return QT_TRANSLATE_NOOP("Trazalia",
                                 "¡Correcto! Su equilibrante es la opuesta de la resultante: anula "
                                 "la suma de los vectores.");
    if (pregunta == Pregunta::Equilibrante && codigo == Codigo::Otro)
        return QT_TRANSLATE_NOOP("Trazalia", "Su equilibrante no coincide.");
    return Frase(codigo);
}

namespace {

// In the order of Codigo; a summary's tables name each mistake by these.
constexpr std::array<std::string_view, kNumeroDeCodigos> kNombresCortos{
    QT_TRANSLATE_NOOP("Trazalia", "acierto"),
    QT_TRANSLATE_NOOP("Trazalia", "suma de módulos"),
    QT_TRANSLATE_NOOP("Trazalia", "resta de módulos"),
    QT_TRANSLATE_NOOP("Trazalia", "sentido opuesto"),
    QT_TRANSLATE_NOOP("Trazalia", "resta de vectores"),
    QT_TRANSLATE_NOOP("Trazalia", "ángulo desde el eje y"),
    QT_TRANSLATE_NOOP("Trazalia", "sentido horario"),
    QT_TRANSLATE_NOOP("Trazalia", "promedio de direcciones"),
    QT_TRANSLATE_NOOP("Trazalia", "falta un vector"),
    QT_TRANSLATE_NOOP("Trazalia", "componentes sin signo"),
    QT_TRANSLATE_NOOP("Trazalia", "suma en vez de resta"),
    QT_TRANSLATE_NOOP("Trazalia", "resta al revés"),
    QT_TRANSLATE_NOOP("Trazalia", "coeficiente negativo sin invertir"),
    QT_TRANSLATE_NOOP("Trazalia", "ángulo multiplicado por k"),
    QT_TRANSLATE_NOOP("Trazalia", "suma de módulos escalados"),
    QT_TRANSLATE_NOOP("Trazalia", "falta un término"),
    QT_TRANSLATE_NOOP("Trazalia", "resultante en vez de equilibrante"),
    QT_TRANSLATE_NOOP("Trazalia", "otro error"),
    QT_TRANSLATE_NOOP("Trazalia", "casi"),
    QT_TRANSLATE_NOOP("Trazalia", "saltado"),
    QT_TRANSLATE_NOOP("Trazalia", "sin respuesta"),
};

}  // namespace

std::string_view NombreCorto(Codigo codigo) {
    return kNombresCortos[static_cast<std::size_t>(codigo)];
}

namespace {

// How near a guess lies to one mistake: its nearest target, and whether that target fixes both
// the magnitude and the direction.
struct Cerca {
    Codigo codigo;
    double distancia;
    bool completo;
};

// The answer to the exercise's question, from the window's: the resultant or its opposite.
Objetivo Respondida(Ventana ventana, const Ejercicio& vectores, const Respuesta& respuesta) {
    return Objetivos(Codigo::Acierto, ventana, vectores, respuesta).front();
}

// A target's value: what it leaves free (or a zero vector's missing direction) taken as the
// answer's.
Objetivo ValorDe(const Objetivo& o, const Objetivo& respondida) {
    return {o.r ? o.r : respondida.r, o.direccion ? o.direccion : respondida.direccion};
}

// The value of each target of each mistake.
std::vector<std::pair<Codigo, Objetivo>> Valores(Ventana ventana, const Ejercicio& vectores,
                                                 const Respuesta& respuesta) {
    const Objetivo respondida = Respondida(ventana, vectores, respuesta);
    std::vector<std::pair<Codigo, Objetivo>> valores{{Codigo::Acierto, respondida}};
    for (const Codigo codigo : kErrores)
        for (const Objetivo& o : Objetivos(codigo, ventana, vectores, respuesta))
            valores.push_back({codigo, ValorDe(o, respondida)});
    return valores;
}

}  // namespace

Clasificacion Clasificar(Ventana ventana, const Ejercicio& vectores, const Respuesta& respuesta,
                         Intento intento) {
    if (!std::isfinite(intento.r) || !std::isfinite(intento.direccion) || intento.r <= 0)
        return {Codigo::Otro};
    const Objetivo respondida = Respondida(ventana, vectores, respuesta);
    const double correcta = Distancia(respondida, intento);
    if (correcta <= 1) return {Codigo::Acierto};
    // A target that leaves the magnitude or the direction free cannot name a mistake in what the
    // guess got right.
    const bool moduloCorrecto = Distancia({respondida.r, std::nullopt}, intento) <= 1;
    const bool direccionCorrecta =
        respondida.direccion && Distancia({std::nullopt, respondida.direccion}, intento) <= 1;
    std::vector<Cerca> errores;
    for (const Codigo codigo : kErrores) {
        std::optional<Cerca> cerca;
        for (const Objetivo& o : Objetivos(codigo, ventana, vectores, respuesta)) {
            if ((!o.direccion && o.r && moduloCorrecto) || (!o.r && direccionCorrecta)) continue;
            // A mistake whose value lies this near the answer (in an exercise typed by hand) is
            // no more than an estimate of the answer: no guess can show it.
            if (Apartamiento(respondida, ValorDe(o, respondida)) < kSeparacionEntreErrores)
                continue;
            const double d = Distancia(o, intento);
            if (!cerca || d < cerca->distancia) cerca = Cerca{codigo, d, o.r && o.direccion};
        }
        if (cerca) errores.push_back(*cerca);
    }
    std::stable_sort(errores.begin(), errores.end(),
                     [](const Cerca& a, const Cerca& b) { return a.distancia < b.distancia; });
    // The nearest hypothesis of all, before the rows that leave a coordinate free give way.
    const double masCercano = errores.empty() ? correcta : errores.front().distancia;
    // Once a row that fixes both coordinates holds the guess, those that leave one free give way.
    if (std::any_of(errores.begin(), errores.end(),
                    [](const Cerca& e) { return e.completo && e.distancia <= 1; }))
        std::erase_if(errores, [](const Cerca& e) { return !e.completo; });
    // Whether a guess at distance d is kMargen times nearer than the answer and every mistake from
    // the index desde on.
    const auto claramente = [&](double d, std::size_t desde) {
        if (correcta <= kMargen * d) return false;
        for (std::size_t k = desde; k < errores.size(); ++k)
            if (errores[k].distancia <= kMargen * d) return false;
        return true;
    };
    if (!errores.empty() && errores[0].distancia <= 1) {
        if (claramente(errores[0].distancia, 1)) return {errores[0].codigo};
        if (errores.size() > 1 && errores[1].distancia <= 1 && claramente(errores[1].distancia, 2))
            return {errores[0].codigo, errores[1].codigo};
    }
    if (correcta <= kBandaDeCasi && correcta <= masCercano) return {Codigo::Casi};
    return {Codigo::Otro};
}

std::vector<Cercania> Cercanias(Ventana ventana, const Ejercicio& vectores) {
    const Respuesta respuesta = RespuestaDe(ventana, vectores);
    std::vector<Cercania> cercanias;
    if (!respuesta.direccion) return cercanias;
    const auto valores = Valores(ventana, vectores, respuesta);
    for (std::size_t i = 0; i < valores.size(); ++i)
        for (std::size_t j = i + 1; j < valores.size(); ++j) {
            const auto& [una, a] = valores[i];
            const auto& [otra, b] = valores[j];
            if (una == otra) continue;
            const double minimo =
                una == Codigo::Acierto ? kSeparacionDeLaCorrecta : kSeparacionEntreErrores;
            const Cercania c{una, otra};
            if (Apartamiento(a, b) < minimo - kHolguraDeRedondeo &&
                std::find(cercanias.begin(), cercanias.end(), c) == cercanias.end())
                cercanias.push_back(c);
        }
    return cercanias;
}

bool SeDistinguen(Ventana ventana, const Ejercicio& vectores) {
    return RespuestaDe(ventana, vectores).direccion && Cercanias(ventana, vectores).empty();
}

std::vector<Objetivo> Metodo::Objetivos(Codigo, const Ejercicio&, const Respuesta&) const {
    return {};
}

std::string_view Pista(Codigo codigo, Ventana ventana) {
    return codigo == Codigo::Casi ? kMedir : ventana->Pista(codigo);
}

std::string TextoDelIntento(Intento intento, diagram::Traductor t, Pregunta pregunta) {
    return diagram::Sustituir(
        t(diagram::kContexto, pregunta == Pregunta::Equilibrante
                                  ? QT_TRANSLATE_NOOP("Trazalia", "Su equilibrante: %1 a %2°.")
                                  : QT_TRANSLATE_NOOP("Trazalia", "Su resultante: %1 a %2°.")),
        {NumeroDelIntento(intento.r), DireccionDelIntento(intento.direccion)});
}

namespace {

// "Casi: su módulo es un 12 % mayor y su dirección está girada 8° en sentido horario.": how far
// the guess is from the answer, in what it missed.
std::string TextoDeCasi(Intento intento, const Objetivo& respuesta, diagram::Traductor t) {
    using diagram::kContexto;
    std::string modulo;
    if (Distancia({respuesta.r, std::nullopt}, intento) <= 1) {
        modulo = t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "el módulo está bien"));
    } else {
        const double cuanto = std::round(std::abs(intento.r / *respuesta.r - 1) * 100);
        modulo = diagram::Sustituir(
            t(kContexto, intento.r > *respuesta.r
                             ? QT_TRANSLATE_NOOP("Trazalia", "su módulo es un %1 % mayor")
                             : QT_TRANSLATE_NOOP("Trazalia", "su módulo es un %1 % menor")),
            {NumeroDelIntento(cuanto)});
    }
    std::string direccion;
    const double giro = respuesta.direccion ? Giro(*respuesta.direccion, intento.direccion) : 0.0;
    if (std::abs(giro) <= kToleranciaGrados) {
        direccion = t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "la dirección está bien"));
    } else {
        direccion = diagram::Sustituir(
            t(kContexto,
              giro > 0 ? QT_TRANSLATE_NOOP("Trazalia",
                                           "su dirección está girada %1° en sentido antihorario")
                       : QT_TRANSLATE_NOOP("Trazalia",
                                           "su dirección está girada %1° en sentido horario")),
            {NumeroDelIntento(std::round(std::abs(giro)))});
    }
    return diagram::Sustituir(t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "Casi: %1 y %2.")),
                              {modulo, direccion});
}

}  // namespace

std::string Nombre(Clasificacion c) {
    std::string nombre(Nombre(c.codigo));
    if (c.tambien) nombre += '+' + std::string(Nombre(*c.tambien));
    return nombre;
}

std::optional<Clasificacion> ClasificacionDeNombre(std::string_view nombre) {
    const std::size_t mas = nombre.find('+');
    const std::optional<Codigo> una = CodigoDeNombre(nombre.substr(0, mas));
    if (!una) return std::nullopt;
    if (mas == std::string_view::npos) return Clasificacion{*una};
    const std::optional<Codigo> otra = CodigoDeNombre(nombre.substr(mas + 1));
    const auto esError = [](Codigo c) { return c >= kPrimerError && c <= kUltimoError; };
    if (!otra || !esError(*una) || !esError(*otra) || *una == *otra) return std::nullopt;
    return Clasificacion{*una, *otra};
}

Veredicto Juzgar(Ventana ventana, const Ejercicio& vectores, Intento intento,
                 diagram::Traductor t) {
    using diagram::kContexto;
    const auto traducido = [&t](std::string_view texto) {
        return t(kContexto, std::string(texto).c_str());
    };
    Veredicto v;
    const Respuesta deLaVentana = RespuestaDe(ventana, vectores);
    const Clasificacion c = Clasificar(ventana, vectores, deLaVentana, intento);
    v.respuesta = RespuestaALaPregunta(deLaVentana, vectores.pregunta);
    v.codigo = c.codigo;
    v.tambien = c.tambien;
    if (v.codigo == Codigo::Casi)
        v.texto = TextoDeCasi(intento, Respondida(ventana, vectores, deLaVentana), t) + ' ';
    else if (v.tambien)
        v.texto = diagram::Sustituir(
                      t(kContexto,
                        QT_TRANSLATE_NOOP("Trazalia",
                                          "Su resultante es la que dan dos errores, que en este "
                                          "ejercicio coinciden: %1 o %2.")),
                      {traducido(NombreCorto(v.codigo)), traducido(NombreCorto(*v.tambien))}) +
                  ' ';
    else
        v.texto = traducido(Frase(v.codigo, vectores.pregunta)) + ' ';
    if (const std::string_view pista = Pista(v.codigo, ventana); !pista.empty())
        v.texto += traducido(pista) + ' ';
    v.texto += TextoDelIntento(intento, t, vectores.pregunta) + ' ';
    const std::string& alfa = v.respuesta.lecturaDireccion;
    v.texto += v.respuesta.direccion
                   ? diagram::Sustituir(
                         t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "La correcta: %1 a %2°.")),
                         {v.respuesta.lecturaR, alfa})
                   : diagram::Sustituir(
                         t(kContexto,
                           QT_TRANSLATE_NOOP("Trazalia", "La correcta: %1, sin dirección (%2).")),
                         {v.respuesta.lecturaR, t(kContexto, alfa.c_str())});
    // What to do next, as the picture's menu and key offer it.
    v.texto += ' ' + traducido(QT_TRANSLATE_NOOP("Trazalia", "N: otro ejercicio."));
    return v;
}

std::string NumeroDelIntento(double valor) {
    std::string texto = diagram::Formato(valor);
    texto.erase(texto.find_last_not_of('0') + 1);
    if (texto.back() == '.') texto.pop_back();
    return texto == "-0" ? "0" : texto;
}

}  // namespace trazalia::practice
