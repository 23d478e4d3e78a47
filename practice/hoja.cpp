// SPDX-License-Identifier: GPL-3.0-or-later
#include "practice/hoja.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>

#include "diagram/colores.h"
#include "practice/cuadro.h"
#include "practice/generador.h"

namespace trazalia::practice {

std::string_view Nombre(Papel papel) { return papel == Papel::A4 ? "a4" : "carta"; }

std::optional<Papel> PapelDeNombre(std::string_view nombre) {
    if (nombre == "a4") return Papel::A4;
    if (nombre == "carta") return Papel::Carta;
    return std::nullopt;
}

namespace {

using diagram::Punto;

constexpr double kMm = kCm / 10;
constexpr double kPunto = 20;  // twips in a typographic point
constexpr canvas::Color kNegro = canvas::kBlack;
constexpr canvas::Color kGrisRejilla{190, 190, 190};
// The axes in grey: a resultant along one, in black, still shows over it.
constexpr canvas::Color kGrisEjes{120, 120, 120};
// The equilibrant, as practice draws it.
constexpr canvas::Color kVioleta{120, 0, 150};
constexpr std::array<canvas::Color, 3> kColores{diagram::kRojo, diagram::kAzul, diagram::kVerde};

// The page's furniture, in centimetres from the margins.
constexpr double kMargen = 1.5 * kCm;
constexpr double kCabecera = 2.2 * kCm;        // from the top margin to the first exercise
constexpr double kTextoDelBloque = 1.9 * kCm;  // the exercise's lines above its frame
constexpr double kEntreBloques = 1.2 * kCm;    // never closer than 1 cm
constexpr double kBloque = kTextoDelBloque + kAltoDelCuadro * kCm;
// A vector's width and its head, a little larger on paper than on the screen.
constexpr double kGrosor = 1.5 * kPunto;
constexpr double kRadioCabeza = 80;

constexpr double kAnchoDelNumero = 4 * kCm;

// A page's canvas with the sheet's own units: twips for widths, points for text.
struct Pagina {
    canvas::Canvas& lienzo;

    void Texto(Punto en, canvas::Anchor anclaje, double puntos, bool negrita,
               const std::string& texto, double ancho = 0) {
        lienzo.Label(static_cast<float>(en.x), static_cast<float>(en.y), anclaje, kNegro,
                     {static_cast<float>(puntos), negrita, static_cast<float>(ancho)}, texto);
    }
    void Trazo(Punto desde, Punto hasta, canvas::Color color, double grosor) {
        lienzo.Stroke(static_cast<float>(desde.x), static_cast<float>(desde.y),
                      static_cast<float>(hasta.x), static_cast<float>(hasta.y), color,
                      static_cast<float>(grosor));
    }
    void Arco(Punto centro, double radio, double inicio, double fin, canvas::Color color,
              double grosor) {
        lienzo.Arc(static_cast<float>(centro.x), static_cast<float>(centro.y),
                   static_cast<float>(radio), color, static_cast<float>(inicio),
                   static_cast<float>(fin), static_cast<float>(grosor));
    }
};

std::string Entero(int n) { return std::to_string(n); }

// A title on one line: every control character (a line break, a tab) becomes a space.
std::string EnUnaLinea(std::string texto) {
    for (char& c : texto)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    return texto;
}

// The frame with its origin at the centre, at the scale EscalaDeHoja gives.
Cuadro Escalar(const Respuesta& respuesta, double x0, double y0) {
    const std::optional<int> k = EscalaDeHoja(respuesta.componentes, respuesta.vectores);
    // Every exercise is drawn so that it fits (Aceptable).
    if (!k) throw std::logic_error("ningún tamaño de cuadro cabe");
    return {0,
            x0,
            y0,
            x0 + kAnchoDelCuadro * kCm,
            y0 + kAltoDelCuadro * kCm,
            Punto{x0 + kAnchoDelCuadro * kCm / 2, y0 + kAltoDelCuadro * kCm / 2},
            *k};
}

Punto EnPagina(const Cuadro& c, Componentes p) {
    return {c.origen.x + p.x * kCm / c.unidadesPorCm, c.origen.y - p.y * kCm / c.unidadesPorCm};
}

// The frame, its centimetre grid and the axes through the origin.
void DibujarCuadro(Pagina& pagina, const Cuadro& c) {
    for (int i = 1; i < kAnchoDelCuadro; ++i) {
        const double x = c.x0 + i * kCm;
        pagina.Trazo({x, c.y0}, {x, c.y1}, kGrisRejilla, 0.3 * kPunto);
    }
    for (int i = 1; i < kAltoDelCuadro; ++i) {
        const double y = c.y0 + i * kCm;
        pagina.Trazo({c.x0, y}, {c.x1, y}, kGrisRejilla, 0.3 * kPunto);
    }
    pagina.Trazo({c.x0, c.origen.y}, {c.x1, c.origen.y}, kGrisEjes, kPunto);
    pagina.Trazo({c.origen.x, c.y0}, {c.origen.x, c.y1}, kGrisEjes, kPunto);
    pagina.Texto({c.x1 - 1.5 * kMm, c.origen.y - kMm}, canvas::Anchor::Se, 9, false, "x");
    pagina.Texto({c.origen.x + 1.5 * kMm, c.y0 + kMm}, canvas::Anchor::Nw, 9, false, "y");
    for (const auto& [desde, hasta] :
         std::array<std::pair<Punto, Punto>, 4>{{{{c.x0, c.y0}, {c.x1, c.y0}},
                                                 {{c.x1, c.y0}, {c.x1, c.y1}},
                                                 {{c.x1, c.y1}, {c.x0, c.y1}},
                                                 {{c.x0, c.y1}, {c.x0, c.y0}}}})
        pagina.Trazo(desde, hasta, kNegro, 0.75 * kPunto);
}

// A vector from one point to another, with the windows' half-circle head about its tip and its
// letter beside its middle, on its left as it points: colours alone are lost on a black and white
// printer.
void Vector(Pagina& pagina, Punto desde, Punto hasta, canvas::Color color, std::string_view letra) {
    pagina.Trazo(desde, hasta, color, kGrosor);
    const double dx = hasta.x - desde.x;
    const double dy = hasta.y - desde.y;
    const double largo = std::hypot(dx, dy);
    if (largo < 1) return;
    constexpr double kAparte = 3 * kMm;
    pagina.Texto({(desde.x + hasta.x) / 2 + kAparte * dy / largo,
                  (desde.y + hasta.y) / 2 - kAparte * dx / largo},
                 canvas::Anchor::C, 10, true, std::string(letra));
    // On the page y grows downward; the head's angles are counter-clockwise as seen.
    const double angulo = std::atan2(-dy, dx);
    const Punto centro{hasta.x - kRadioCabeza * dx / largo, hasta.y - kRadioCabeza * dy / largo};
    pagina.Arco(centro, kRadioCabeza, angulo - std::numbers::pi / 2, angulo + std::numbers::pi / 2,
                color, kGrosor);
}

// Each vector from the origin in its colour.
void Vectores(Pagina& pagina, const Cuadro& c, Ventana ventana, const std::vector<Componentes>& v) {
    for (std::size_t k = 0; k < v.size(); ++k)
        Vector(pagina, c.origen, EnPagina(c, v[k]), kColores[k], ventana->Letra(k));
}

// The construction as the window draws it (Metodo::Construccion), the resultant in black; a side
// of a figure is a plain line, without head or letter. Asked for the equilibrant, it is drawn too.
void Construccion(Pagina& pagina, const Cuadro& c, Ventana ventana,
                  const std::vector<Componentes>& v, bool equilibrante) {
    Componentes suma;
    for (const Componentes& p : v) suma = {suma.x + p.x, suma.y + p.y};
    for (const Flecha& f : ventana->Construccion(v)) {
        const Punto desde = EnPagina(c, {f.desdeX, f.desdeY});
        const Punto hasta = EnPagina(c, {f.hastaX, f.hastaY});
        if (f.lado)
            pagina.Trazo(desde, hasta, kColores[f.vector], kGrosor);
        else
            Vector(pagina, desde, hasta, kColores[f.vector], ventana->NombreDeTermino(f.vector));
    }
    Vector(pagina, c.origen, EnPagina(c, suma), kNegro, ventana->letraDeResultante());
    // The equilibrant from the origin, opposite to the resultant, in practice's violet.
    if (equilibrante) Vector(pagina, c.origen, EnPagina(c, {-suma.x, -suma.y}), kVioleta, "E");
}

}  // namespace

std::string Enunciado(Ventana ventana, const Ejercicio& vectores, diagram::Traductor t) {
    std::string texto;
    for (std::size_t k = 0; k < vectores.size(); ++k) {
        if (k > 0) texto += "; ";
        const std::string plantilla =
            t(diagram::kContexto, QT_TRANSLATE_N_NOOP("Trazalia", "%1: %2 unidades a %3°"),
              vectores[k].m);
        texto += diagram::Sustituir(
            plantilla, {ventana->Letra(k), Entero(vectores[k].m), Entero(vectores[k].d)});
    }
    // Form4's k₁ and k₂, as its read-outs show them.
    constexpr std::array<std::string_view, 2> kCoeficientes{"k₁", "k₂"};
    for (std::size_t k = 0; k < vectores.coeficientes.size() && k < kCoeficientes.size(); ++k)
        texto +=
            "; " + std::string(kCoeficientes[k]) + " = " + Coeficiente(vectores.coeficientes[k]);
    return texto;
}

Hoja ComponerHoja(const OpcionesDeHoja& opciones, diagram::Traductor t) {
    using diagram::kContexto;
    using diagram::Sustituir;
    if (opciones.ejercicios < 1 || opciones.ejercicios > OpcionesDeHoja::kMaximoDeEjercicios)
        throw std::invalid_argument("número de ejercicios fuera de rango");
    Hoja hoja;
    // A4 is 210 × 297 mm; US Letter 8.5 × 11 inches.
    hoja.ancho = opciones.papel == Papel::A4 ? 210 * kMm : 8.5 * 1440;
    hoja.alto = opciones.papel == Papel::A4 ? 297 * kMm : 11 * 1440;
    hoja.ejercicios =
        EjerciciosDeHoja(opciones.semilla, opciones.nivel, opciones.metodo, opciones.ejercicios);
    // The equilibrant's mistakes are the resultant's turned round, as far apart: the same
    // exercises serve either question.
    for (EjercicioDeHoja& e : hoja.ejercicios) {
        e.vectores.pregunta = opciones.pregunta;
        hoja.respuestas.push_back(
            RespuestaALaPregunta(RespuestaDe(e.ventana, e.vectores), opciones.pregunta));
    }

    const double inicio = kMargen + kCabecera;
    const int porPagina =
        std::max(1, static_cast<int>((hoja.alto - kMargen - inicio + kEntreBloques) /
                                     (kBloque + kEntreBloques)));
    const int paginasDeEnunciados = (opciones.ejercicios + porPagina - 1) / porPagina;
    // The solutions begin on a page of their own, under their heading.
    const double inicioSoluciones = inicio + 1.2 * kCm;
    const int porPaginaSoluciones =
        std::max(1, static_cast<int>((hoja.alto - kMargen - inicioSoluciones + kEntreBloques) /
                                     (kBloque + kEntreBloques)));
    const int total =
        paginasDeEnunciados + (opciones.ejercicios + porPaginaSoluciones - 1) / porPaginaSoluciones;
    for (int p = 0; p < total; ++p)
        hoja.paginas.emplace_back(static_cast<float>(hoja.ancho), static_cast<float>(hoja.alto));

    const std::string nivel = t(kContexto, std::string(NombreVisible(opciones.nivel)).c_str());
    const std::string titulo = EnUnaLinea(opciones.titulo.value_or(t(kContexto, kTituloDeHoja)));
    for (int p = 0; p < total; ++p) {
        Pagina pagina{hoja.paginas[static_cast<std::size_t>(p)]};
        const double derecha = hoja.ancho - kMargen;
        // The page's number keeps the right-hand 4 cm of the line.
        pagina.Texto({kMargen, kMargen}, canvas::Anchor::Nw, 14, true, titulo,
                     derecha - kMargen - kAnchoDelNumero);
        pagina.Texto({derecha, kMargen}, canvas::Anchor::Ne, 9, false,
                     Sustituir(t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "Página %1 de %2")),
                               {Entero(p + 1), Entero(total)}));
        const double y = kMargen + 0.9 * kCm;
        // The student's lines belong to the exercises; the key is the teacher's.
        const bool deEnunciados = p < paginasDeEnunciados;
        if (deEnunciados) {
            pagina.Texto({kMargen, y}, canvas::Anchor::Nw, 10, false,
                         t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "Nombre:")) +
                             " _________________________");
            pagina.Texto({kMargen + 7.5 * kCm, y}, canvas::Anchor::Nw, 10, false,
                         t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "Fecha:")) + " ____________");
        }
        pagina.Texto({derecha, y}, canvas::Anchor::Ne, 9, false,
                     Sustituir(t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "Nivel %1 · semilla %2")),
                               {nivel, std::to_string(opciones.semilla)}));
        pagina.Trazo({kMargen, kMargen + 1.6 * kCm}, {derecha, kMargen + 1.6 * kCm}, kNegro,
                     0.75 * kPunto);
        if (deEnunciados)
            pagina.Texto({kMargen, kMargen + 1.7 * kCm}, canvas::Anchor::Nw, 9, false,
                         t(kContexto, QT_TRANSLATE_NOOP("Trazalia",
                                                        "Mida r y α sobre su dibujo: se aceptan ±1 "
                                                        "mm y ±1° de diferencia.")));
    }
    Pagina primeraSolucion{hoja.paginas[static_cast<std::size_t>(paginasDeEnunciados)]};
    primeraSolucion.Texto({kMargen, inicio}, canvas::Anchor::Nw, 14, true,
                          t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "Soluciones")));

    for (std::size_t i = 0; i < hoja.ejercicios.size(); ++i) {
        const EjercicioDeHoja& e = hoja.ejercicios[i];
        const Respuesta& respuesta = hoja.respuestas[i];
        for (const bool solucion : {false, true}) {
            const int n = static_cast<int>(i);
            const int cuantos = solucion ? porPaginaSoluciones : porPagina;
            const int p = (solucion ? paginasDeEnunciados : 0) + n / cuantos;
            const double arriba =
                (solucion ? inicioSoluciones : inicio) + (n % cuantos) * (kBloque + kEntreBloques);
            Pagina pagina{hoja.paginas[static_cast<std::size_t>(p)]};
            pagina.Texto({kMargen, arriba}, canvas::Anchor::Nw, 11, true,
                         Sustituir(t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "Ejercicio %1. %2")),
                                   {Entero(n + 1), t(kContexto, e.ventana->nombreVisible())}));
            pagina.Texto({kMargen, arriba + 0.65 * kCm}, canvas::Anchor::Nw, 10, false,
                         Enunciado(e.ventana, e.vectores, t));
            pagina.Texto({kMargen, arriba + 1.2 * kCm}, canvas::Anchor::Nw, 10, false,
                         t(kContexto, solucion ? e.ventana->solucionDeHoja()
                                               : e.ventana->instruccionDeHoja()));
            Cuadro cuadro = Escalar(respuesta, kMargen, arriba + kTextoDelBloque);
            cuadro.pagina = p;
            DibujarCuadro(pagina, cuadro);
            const bool equilibrante = e.vectores.pregunta == Pregunta::Equilibrante;
            if (solucion)
                Construccion(pagina, cuadro, e.ventana, respuesta.componentes, equilibrante);
            else if (opciones.dibujados)
                Vectores(pagina, cuadro, e.ventana, respuesta.vectores);
            const double x = cuadro.x1 + 0.6 * kCm;
            // The values below are the equilibrant's.
            if (equilibrante)
                pagina.Texto({x, cuadro.y0 + 0.75 * kCm}, canvas::Anchor::Nw, 9, true,
                             t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "Equilibrante E = −R:")));
            pagina.Texto({x, cuadro.y0}, canvas::Anchor::Nw, 9, false,
                         Sustituir(t(kContexto,
                                     QT_TRANSLATE_N_NOOP("Trazalia", "Escala: 1 cm = %1 unidades"),
                                     cuadro.unidadesPorCm),
                                   {Entero(cuadro.unidadesPorCm)}));
            const std::string r = solucion ? respuesta.lecturaR : "______________";
            // As the read-outs show them; a direction that exists in degrees.
            const std::string alfa = !solucion ? "______________"
                                               : t(kContexto, respuesta.lecturaDireccion.c_str()) +
                                                     (respuesta.direccion ? "°" : "");
            pagina.Texto({x, cuadro.y0 + 1.5 * kCm}, canvas::Anchor::Nw, 12, solucion, "r = " + r);
            pagina.Texto({x, cuadro.y0 + 2.5 * kCm}, canvas::Anchor::Nw, 12, solucion,
                         "α = " + alfa);
            if (solucion) {
                // The key as a ruler and a protractor read it on this frame.
                const int mm =
                    static_cast<int>(std::lround(respuesta.r * 10 / cuadro.unidadesPorCm));
                pagina.Texto(
                    {x, cuadro.y0 + 2.0 * kCm}, canvas::Anchor::Nw, 9, false,
                    Sustituir(t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "medida: %1 cm ± 1 mm")),
                              {Entero(mm / 10) + "." + Entero(mm % 10)}));
                if (respuesta.direccion) {
                    const int grados = static_cast<int>(std::lround(*respuesta.direccion)) % 360;
                    pagina.Texto(
                        {x, cuadro.y0 + 3.0 * kCm}, canvas::Anchor::Nw, 9, false,
                        Sustituir(t(kContexto, QT_TRANSLATE_NOOP("Trazalia", "medida: %1° ± 1°")),
                                  {Entero(grados)}));
                }
            }
            (solucion ? hoja.soluciones : hoja.enunciados)
                .push_back({p, arriba, cuadro.y1, cuadro});
        }
    }
    return hoja;
}

}  // namespace trazalia::practice
