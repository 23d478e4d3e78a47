// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/errores.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

#include "canvas/error_reason.h"
#include "canvas/numeros.h"
#include "practice/intento.h"
#include "practice/veredicto.h"
#include "session/tablas.h"

namespace trazalia::session::errores {

namespace {

// The translations' context of the errors a student may see.
constexpr char kContexto[] = "Errores";

std::string S(std::string_view s) { return std::string(s); }
std::string Q(std::string_view s) { return canvas::Quoted(s); }

Negativa Hacer(Motivo motivo, std::vector<std::string> datos, std::string guion,
               std::string usuario) {
    return {motivo, std::move(datos), std::move(guion), std::move(usuario)};
}

// What a script names wrongly a face never gives: should one reach a user, a plain sentence.
std::string Generico(diagram::Traductor trad) {
    return trad(kContexto, QT_TRANSLATE_NOOP("Errores", "Eso no se puede hacer aquí."));
}

// The control of WINDOW.CONTROL as the window names it to the user, «quoted»; the path itself
// for one the tables do not hold.
std::string Descrito(std::string_view ruta, diagram::Traductor trad) {
    const auto punto = ruta.find('.');
    const Tabla* tabla = punto == std::string_view::npos ? nullptr : TablaDe(ruta.substr(0, punto));
    if (tabla)
        for (const Control& c : tabla->controles)
            if (c.nombre == ruta.substr(punto + 1) && *c.descripcion)
                return Q(trad(tabla->nombre.data(), c.descripcion));
    return Q(ruta);
}

// The window to open, in the user's words.
std::string Abra(std::string_view v, diagram::Traductor trad) {
    if (v == "Form2")
        return trad(kContexto, QT_TRANSLATE_NOOP("Errores", "Abra la ventana del paralelogramo."));
    if (v == "Form3")
        return trad(kContexto, QT_TRANSLATE_NOOP("Errores", "Abra la ventana del polígono."));
    if (v == "Form1")
        return trad(kContexto, QT_TRANSLATE_NOOP("Errores", "Abra la ventana de inicio."));
    return Generico(trad);
}

struct Nombrado {
    Motivo motivo;
    std::string_view codigo;
};
constexpr std::array<Nombrado, 38> kCodigos{{
    {Motivo::OrdenDesconocida, "orden-desconocida"},
    {Motivo::Terminado, "terminado"},
    {Motivo::VentanaDesconocida, "ventana-desconocida"},
    {Motivo::NoALaVista, "no-a-la-vista"},
    {Motivo::SeEsperabaRuta, "se-esperaba-ruta"},
    {Motivo::SinControl, "sin-control"},
    {Motivo::NoEsBoton, "no-es-boton"},
    {Motivo::NoEsBarra, "no-es-barra"},
    {Motivo::SinFoco, "sin-foco"},
    {Motivo::SinVistas, "sin-vistas"},
    {Motivo::SinPractica, "sin-practica"},
    {Motivo::SinEquilibrante, "sin-equilibrante"},
    {Motivo::NoPractica, "no-practica"},
    {Motivo::CaminoNoValido, "camino-no-valido"},
    {Motivo::SinVectores, "sin-vectores"},
    {Motivo::Retenido, "retenido"},
    {Motivo::Resuelto, "resuelto"},
    {Motivo::VistaDesconocida, "vista-desconocida"},
    {Motivo::OnUOff, "on-u-off"},
    {Motivo::QuePractica, "que-practica"},
    {Motivo::TeclaDesconocida, "tecla-desconocida"},
    {Motivo::TeclaSinEfecto, "tecla-sin-efecto"},
    {Motivo::TeclaDePantalla, "tecla-de-pantalla"},
    {Motivo::NoEntero, "no-entero"},
    {Motivo::FueraDeRango, "fuera-de-rango"},
    {Motivo::NoValido, "no-valido"},
    {Motivo::NoRecibeValor, "no-recibe-valor"},
    {Motivo::NadaQueDeshacer, "nada-que-deshacer"},
    {Motivo::NadaQueRehacer, "nada-que-rehacer"},
    {Motivo::SemillaNoValida, "semilla-no-valida"},
    {Motivo::NivelDesconocido, "nivel-desconocido"},
    {Motivo::ModuloNoValido, "modulo-no-valido"},
    {Motivo::DireccionNoValida, "direccion-no-valida"},
    {Motivo::ModuloFueraDeRango, "modulo-fuera-de-rango"},
    {Motivo::DireccionFueraDeRango, "direccion-fuera-de-rango"},
    {Motivo::CoordenadaNoValida, "coordenada-no-valida"},
    {Motivo::SinConstruccion, "sin-construccion"},
    {Motivo::NoOfrecido, "no-ofrecido"},
}};

}  // namespace

std::string_view Codigo(Motivo motivo) {
    for (const Nombrado& n : kCodigos)
        if (n.motivo == motivo) return n.codigo;
    return {};
}

Negativa OrdenDesconocida(std::string_view orden, diagram::Traductor trad) {
    return Hacer(Motivo::OrdenDesconocida, {S(orden)}, "orden desconocida " + Q(orden),
                 Generico(trad));
}
Negativa Terminado(diagram::Traductor trad) {
    return Hacer(Motivo::Terminado, {}, "el programa ya terminó",
                 trad(kContexto, QT_TRANSLATE_NOOP("Errores", "Trazalia ya se cerró.")));
}
Negativa VentanaDesconocida(std::string_view v, diagram::Traductor trad) {
    return Hacer(Motivo::VentanaDesconocida, {S(v)}, "ventana desconocida " + Q(v), Generico(trad));
}
Negativa NoALaVista(std::string_view v, diagram::Traductor trad) {
    return Hacer(Motivo::NoALaVista, {S(v)}, "la ventana " + S(v) + " no está a la vista",
                 Abra(v, trad));
}
Negativa YaNoALaVista(std::string_view v, diagram::Traductor trad) {
    return Hacer(Motivo::NoALaVista, {S(v)}, "la ventana " + S(v) + " ya no está a la vista",
                 Abra(v, trad));
}
Negativa SeEsperabaRuta(std::string_view ruta, diagram::Traductor trad) {
    return Hacer(Motivo::SeEsperabaRuta, {S(ruta)},
                 "se esperaba VENTANA.CONTROL en lugar de " + Q(ruta), Generico(trad));
}
Negativa SinControl(std::string_view v, std::string_view control, diagram::Traductor trad) {
    return Hacer(Motivo::SinControl, {S(v), S(control)},
                 S(v) + " no tiene el control " + Q(control), Generico(trad));
}
Negativa NoEsBoton(std::string_view ruta, diagram::Traductor trad) {
    return Hacer(Motivo::NoEsBoton, {S(ruta)}, S(ruta) + " no es un botón", Generico(trad));
}
Negativa NoEsBarra(std::string_view ruta, diagram::Traductor trad) {
    return Hacer(Motivo::NoEsBarra, {S(ruta)}, S(ruta) + " no es una barra de desplazamiento",
                 Generico(trad));
}
Negativa SinFoco(std::string_view ruta, diagram::Traductor trad) {
    return Hacer(
        Motivo::SinFoco, {S(ruta)}, S(ruta) + " no recibe el foco del teclado",
        diagram::Sustituir(
            trad(kContexto, QT_TRANSLATE_NOOP("Errores", "%1 no recibe el teclado ahora.")),
            {Descrito(ruta, trad)}));
}
Negativa SinVistas(std::string_view v, diagram::Traductor trad) {
    return Hacer(Motivo::SinVistas, {S(v)}, S(v) + " no tiene vistas", Generico(trad));
}
Negativa SinPractica(std::string_view v, diagram::Traductor trad) {
    return Hacer(
        Motivo::SinPractica, {S(v)}, S(v) + " no tiene práctica",
        trad(kContexto,
             v == "Form1" ? QT_TRANSLATE_NOOP("Errores", "La ventana de inicio no tiene práctica.")
                          : QT_TRANSLATE_NOOP("Errores", "Esta ventana no tiene práctica.")));
}
Negativa SinEquilibrante(std::string_view v, diagram::Traductor trad) {
    return Hacer(Motivo::SinEquilibrante, {S(v)}, S(v) + " no pide la equilibrante",
                 trad(kContexto, QT_TRANSLATE_NOOP("Errores",
                                                   "La equilibrante se pide en las ventanas que "
                                                   "suman vectores.")));
}
Negativa CaminoNoValido(std::string_view v, std::string_view motivo, diagram::Traductor trad) {
    return Hacer(Motivo::CaminoNoValido, {S(v), S(motivo)},
                 S(v) + " no puede retomar ese camino: " + S(motivo),
                 trad(kContexto, QT_TRANSLATE_NOOP("Errores",
                                                   "El camino guardado no se puede retomar en "
                                                   "esta ventana; empiece uno nuevo.")));
}
Negativa NoPractica(std::string_view v, diagram::Traductor trad) {
    return Hacer(Motivo::NoPractica, {S(v)}, S(v) + " no está practicando",
                 trad(kContexto, QT_TRANSLATE_NOOP(
                                     "Errores", "Active primero la práctica: «Practicar» (P).")));
}
Negativa SinVectores(std::string_view v, diagram::Traductor trad) {
    return Hacer(Motivo::SinVectores, {S(v)}, S(v) + " no tiene vectores que arrastrar",
                 Generico(trad));
}
Negativa Retenido(std::string_view v, diagram::Traductor trad) {
    // The words practice shows beside a bar it holds still.
    return Hacer(Motivo::Retenido, {S(v)},
                 "el ejercicio de " + S(v) + " no cambia hasta comprobarlo: «practice " + S(v) +
                     " check» lo comprueba",
                 trad("Practica", kRetenido));
}
Negativa Resuelto(std::string_view v, diagram::Traductor trad) {
    return Hacer(
        Motivo::Resuelto, {S(v)},
        "el ejercicio de " + S(v) + " ya está resuelto: «practice " + S(v) + " next» da otro",
        trad(kContexto, QT_TRANSLATE_NOOP("Errores",
                                          "Este ejercicio ya está resuelto: "
                                          "«Otro ejercicio» (N) da otro.")));
}
Negativa VistaDesconocida(std::string_view vista, std::string_view nombres,
                          diagram::Traductor trad) {
    return Hacer(Motivo::VistaDesconocida, {S(vista)},
                 "vista desconocida " + Q(vista) + ": se esperaba " + S(nombres), Generico(trad));
}
Negativa OnUOff(std::string_view p, diagram::Traductor trad) {
    return Hacer(Motivo::OnUOff, {S(p)}, "se esperaba on u off en lugar de " + Q(p),
                 Generico(trad));
}
Negativa QuePractica(std::string_view p, diagram::Traductor trad) {
    return Hacer(Motivo::QuePractica, {S(p)},
                 "se esperaba on, next, check u off en lugar de " + Q(p), Generico(trad));
}
Negativa TeclaDesconocida(std::string_view tecla, diagram::Traductor trad) {
    return Hacer(Motivo::TeclaDesconocida, {S(tecla)}, "tecla desconocida " + Q(tecla),
                 Generico(trad));
}
Negativa TeclaSinEfecto(std::string_view tecla, std::string_view destino, diagram::Traductor trad) {
    return Hacer(Motivo::TeclaSinEfecto, {S(tecla), S(destino)},
                 "la tecla " + Q(tecla) + " no hace nada en " + S(destino),
                 trad(kContexto, QT_TRANSLATE_NOOP("Errores", "Esa tecla no hace nada aquí.")));
}
Negativa TeclaDePantalla(std::string_view tecla, const char* accion, const char* contexto,
                         diagram::Traductor trad) {
    const auto sinPuntos = [](std::string nombre) {
        if (const auto puntos = nombre.find("…"); puntos != std::string::npos)
            nombre.erase(puntos, std::string_view("…").size());
        return nombre;
    };
    return Hacer(Motivo::TeclaDePantalla, {S(tecla), accion, contexto},
                 "la tecla " + Q(tecla) + " (" + sinPuntos(accion) +
                     ") solo actúa en pantalla, no en modo guion",
                 diagram::Sustituir(
                     trad(kContexto, QT_TRANSLATE_NOOP("Errores", "«%1» no está disponible aquí.")),
                     {sinPuntos(trad(contexto, accion))}));
}
Negativa NoEntero(std::string_view valor, diagram::Traductor trad) {
    return Hacer(Motivo::NoEntero, {S(valor)},
                 "valor no válido " + Q(valor) + ": se esperaba un número entero",
                 diagram::Sustituir(
                     trad(kContexto, QT_TRANSLATE_NOOP("Errores", "%1 no es un número entero.")),
                     {Q(valor)}));
}
Negativa FueraDeRango(std::string_view valor, std::string_view ruta, int minimo, int maximo,
                      diagram::Traductor trad) {
    const std::string de = std::to_string(minimo);
    const std::string a = std::to_string(maximo);
    return Hacer(Motivo::FueraDeRango, {S(valor), S(ruta), de, a},
                 "valor fuera de rango " + Q(valor) + ": " + S(ruta) + " va de " + de + " a " + a,
                 diagram::Sustituir(
                     trad(kContexto, QT_TRANSLATE_NOOP("Errores", "%1 no vale: %2 va de %3 a %4.")),
                     {Q(valor), Descrito(ruta, trad), de, a}));
}
Negativa NoValidoEn(std::string_view valor, std::string_view ruta, std::string_view pista,
                    std::string_view pistaTraducida, diagram::Traductor trad) {
    return Hacer(Motivo::NoValido, {S(valor), S(ruta)},
                 "valor no válido " + Q(valor) + " en " + S(ruta) + ": " + S(pista),
                 diagram::Sustituir(trad(kContexto, QT_TRANSLATE_NOOP("Errores", "%1 no vale. %2")),
                                    {Q(valor), pistaTraducida}));
}
Negativa NoRecibeValor(std::string_view ruta, diagram::Traductor trad) {
    return Hacer(Motivo::NoRecibeValor, {S(ruta)}, S(ruta) + " no recibe un valor escrito",
                 diagram::Sustituir(
                     trad(kContexto, QT_TRANSLATE_NOOP("Errores", "%1 no recibe un valor ahora.")),
                     {Descrito(ruta, trad)}));
}
Negativa NadaQueDeshacer(std::string_view v, diagram::Traductor trad) {
    return Hacer(Motivo::NadaQueDeshacer, {S(v)},
                 v == "Form1" ? "Form1 no tiene cambios que deshacer"
                              : "no hay cambios que deshacer en " + S(v),
                 trad(kContexto, QT_TRANSLATE_NOOP("Errores", "No hay nada que deshacer.")));
}
Negativa NadaQueRehacer(std::string_view v, diagram::Traductor trad) {
    return Hacer(Motivo::NadaQueRehacer, {S(v)},
                 v == "Form1" ? "Form1 no tiene cambios que rehacer"
                              : "no hay cambios que rehacer en " + S(v),
                 trad(kContexto, QT_TRANSLATE_NOOP("Errores", "No hay nada que rehacer.")));
}

std::optional<long> LeerEntero(std::string_view numero) {
    long valor = 0;
    const auto [fin, ec] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
    if (ec != std::errc() || fin != numero.data() + numero.size()) return std::nullopt;
    return valor;
}

std::optional<std::uint32_t> LeerSemilla(std::string_view semilla) {
    std::uint32_t valor = 0;
    const auto [fin, ec] = std::from_chars(semilla.data(), semilla.data() + semilla.size(), valor);
    if (ec != std::errc() || fin != semilla.data() + semilla.size()) return std::nullopt;
    return valor;
}
// What a student types is told alike to a script and to a face, in the translator's language.
Negativa SemillaNoValida(std::string_view s, diagram::Traductor trad) {
    std::string texto = diagram::Sustituir(
        trad(kContexto,
             QT_TRANSLATE_NOOP("Errores", "semilla no válida %1: se esperaba un entero de 0 a %2")),
        {Q(s), "4294967295"});
    return Hacer(Motivo::SemillaNoValida, {S(s)}, texto, texto);
}
Negativa NivelDesconocido(std::string_view n, diagram::Traductor trad) {
    return Hacer(Motivo::NivelDesconocido, {S(n)},
                 "nivel desconocido " + Q(n) + ": se esperaba facil, medio o dificil",
                 Generico(trad));
}

std::optional<double> LeerDecimal(std::string_view numero) {
    // A student may write the comma of a school's decimals; with a point too it means something
    // else (a thousands mark), so only a lone comma is read as the point.
    const std::size_t coma = numero.find(',');
    if (coma == std::string_view::npos) return canvas::LeerReal(numero);
    if (numero.find(',', coma + 1) != std::string_view::npos ||
        numero.find('.') != std::string_view::npos)
        return std::nullopt;
    std::string conPunto(numero);
    conPunto[coma] = '.';
    return canvas::LeerReal(conPunto);
}
Negativa ModuloNoValido(std::string_view r, diagram::Traductor trad) {
    std::string texto = diagram::Sustituir(
        trad(kContexto,
             QT_TRANSLATE_NOOP("Errores", "magnitud no válida %1: se esperaba un número como %2")),
        {Q(r), "87.5"});
    return Hacer(Motivo::ModuloNoValido, {S(r)}, texto, texto);
}
Negativa DireccionNoValida(std::string_view a, diagram::Traductor trad) {
    std::string texto = diagram::Sustituir(
        trad(kContexto,
             QT_TRANSLATE_NOOP("Errores", "dirección no válida %1: se esperaba un número como %2")),
        {Q(a), "36.6"});
    return Hacer(Motivo::DireccionNoValida, {S(a)}, texto, texto);
}
Negativa ModuloFueraDeRango(std::string_view r, practice::Ventana ventana,
                            diagram::Traductor trad) {
    std::string texto = diagram::Sustituir(
        trad(kContexto, QT_TRANSLATE_NOOP("Errores", "magnitud fuera de rango %1: va de 0 a %2")),
        {Q(r), practice::NumeroDelIntento(practice::ModuloMaximoDelIntento(ventana))});
    return Hacer(Motivo::ModuloFueraDeRango, {S(r)}, texto, texto);
}
Negativa DireccionFueraDeRango(std::string_view a, diagram::Traductor trad) {
    std::string texto = diagram::Sustituir(
        trad(kContexto, QT_TRANSLATE_NOOP("Errores", "dirección fuera de rango %1: va de 0 a %2")),
        {Q(a), "360"});
    return Hacer(Motivo::DireccionFueraDeRango, {S(a)}, texto, texto);
}

// The exponent moves the point, so that the value is read once and rounded once.
std::optional<double> LeerCoordenada(std::string_view numero) {
    const std::size_t e = numero.find_first_of("eE");
    if (e == std::string_view::npos) return canvas::LeerReal(numero);
    std::string_view exponente = numero.substr(e + 1);
    const bool mas = !exponente.empty() && exponente.front() == '+';
    if (mas) exponente.remove_prefix(1);
    int desplazamiento = 0;
    const auto [fin, ec] =
        std::from_chars(exponente.data(), exponente.data() + exponente.size(), desplazamiento);
    if (exponente.empty() || (mas && exponente.front() == '-') || exponente.front() == '+' ||
        ec != std::errc() || fin != exponente.data() + exponente.size() ||
        desplazamiento > 100000 || desplazamiento < -100000)
        return std::nullopt;
    std::string mantisa(numero.substr(0, e));
    const bool negativo = !mantisa.empty() && mantisa.front() == '-';
    if (negativo) mantisa.erase(0, 1);
    const std::size_t punto = std::min(mantisa.find('.'), mantisa.size());
    std::string cifras = mantisa;
    if (punto < cifras.size()) cifras.erase(punto, 1);
    if (cifras.empty() || cifras.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    long donde = static_cast<long>(punto) + desplazamiento;
    if (donde <= 0) {
        cifras.insert(0, static_cast<std::size_t>(-donde), '0');
        donde = 0;
    }
    if (static_cast<std::size_t>(donde) >= cifras.size())
        cifras.append(static_cast<std::size_t>(donde) - cifras.size(), '0');
    else
        cifras.insert(static_cast<std::size_t>(donde), 1, '.');
    if (donde == 0) cifras.insert(0, 1, '0');
    if (negativo) cifras.insert(0, 1, '-');
    return canvas::LeerReal(cifras);
}
Negativa CoordenadaNoValida(std::string_view n, diagram::Traductor trad) {
    return Hacer(Motivo::CoordenadaNoValida, {S(n)},
                 "coordenada no válida " + Q(n) + ": se esperaba un número en twips",
                 Generico(trad));
}
Negativa SinConstruccion(std::string_view v, diagram::Traductor trad) {
    return Hacer(Motivo::SinConstruccion, {S(v)},
                 S(v) + " no tiene una construcción que mostrar paso a paso",
                 trad(kContexto, QT_TRANSLATE_NOOP("Errores",
                                                   "La construcción se muestra paso a paso después "
                                                   "de un error en el camino.")));
}
Negativa NoOfrecido(std::string_view e, std::string_view v, diagram::Traductor trad) {
    return Hacer(Motivo::NoOfrecido, {S(e), S(v)},
                 Q(e) + " no es uno de los errores que " + S(v) + " ofrece", Generico(trad));
}

}  // namespace trazalia::session::errores
