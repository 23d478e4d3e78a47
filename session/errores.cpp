// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/errores.h"

#include <algorithm>
#include <charconv>

#include "canvas/error_reason.h"
#include "canvas/numeros.h"
#include "practice/intento.h"
#include "practice/veredicto.h"

namespace trazalia::session::errores {

namespace {

// The translations' context of the errors a student may see.
constexpr char kContexto[] = "Errores";

std::string S(std::string_view s) { return std::string(s); }
std::string Q(std::string_view s) { return canvas::Quoted(s); }

}  // namespace

std::string OrdenDesconocida(std::string_view orden) { return "orden desconocida " + Q(orden); }
std::string Terminado() { return "el programa ya terminó"; }
std::string VentanaDesconocida(std::string_view v) { return "ventana desconocida " + Q(v); }
std::string NoALaVista(std::string_view v) { return "la ventana " + S(v) + " no está a la vista"; }
std::string YaNoALaVista(std::string_view v) {
    return "la ventana " + S(v) + " ya no está a la vista";
}
std::string SeEsperabaRuta(std::string_view ruta) {
    return "se esperaba VENTANA.CONTROL en lugar de " + Q(ruta);
}
std::string SinControl(std::string_view v, std::string_view control) {
    return S(v) + " no tiene el control " + Q(control);
}
std::string NoEsBoton(std::string_view ruta) { return S(ruta) + " no es un botón"; }
std::string NoEsBarra(std::string_view ruta) {
    return S(ruta) + " no es una barra de desplazamiento";
}
std::string SinFoco(std::string_view ruta) { return S(ruta) + " no recibe el foco del teclado"; }
std::string SinVistas(std::string_view v) { return S(v) + " no tiene vistas"; }
std::string SinPractica(std::string_view v) { return S(v) + " no tiene práctica"; }
std::string NoPractica(std::string_view v) { return S(v) + " no está practicando"; }
std::string SinVectores(std::string_view v) { return S(v) + " no tiene vectores que arrastrar"; }
std::string Retenido(std::string_view v) {
    return "el ejercicio de " + S(v) + " no cambia hasta comprobarlo: «practice " + S(v) +
           " check» lo comprueba";
}
std::string Resuelto(std::string_view v) {
    return "el ejercicio de " + S(v) + " ya está resuelto: «practice " + S(v) + " next» da otro";
}
std::string VistaDesconocida(std::string_view vista, std::string_view nombres) {
    return "vista desconocida " + Q(vista) + ": se esperaba " + S(nombres);
}
std::string OnUOff(std::string_view p) { return "se esperaba on u off en lugar de " + Q(p); }
std::string QuePractica(std::string_view p) {
    return "se esperaba on, next, check u off en lugar de " + Q(p);
}
std::string TeclaDesconocida(std::string_view tecla) { return "tecla desconocida " + Q(tecla); }
std::string TeclaSinEfecto(std::string_view tecla, std::string_view destino) {
    return "la tecla " + Q(tecla) + " no hace nada en " + S(destino);
}
std::string TeclaDePantalla(std::string_view tecla, std::string_view accion) {
    return "la tecla " + Q(tecla) + " (" + S(accion) + ") solo actúa en pantalla, no en modo guion";
}
std::string NoEntero(std::string_view valor) {
    return "valor no válido " + Q(valor) + ": se esperaba un número entero";
}
std::string FueraDeRango(std::string_view valor, std::string_view ruta, int minimo, int maximo) {
    return "valor fuera de rango " + Q(valor) + ": " + S(ruta) + " va de " +
           std::to_string(minimo) + " a " + std::to_string(maximo);
}
std::string NoValidoEn(std::string_view valor, std::string_view ruta, std::string_view pista) {
    return "valor no válido " + Q(valor) + " en " + S(ruta) + ": " + S(pista);
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
std::string SemillaNoValida(std::string_view s, diagram::Traductor tr) {
    return diagram::Sustituir(
        tr(kContexto,
           QT_TRANSLATE_NOOP("Errores", "semilla no válida %1: se esperaba un entero de 0 a %2")),
        {Q(s), "4294967295"});
}
std::string NivelDesconocido(std::string_view n) {
    return "nivel desconocido " + Q(n) + ": se esperaba facil, medio o dificil";
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
std::string ModuloNoValido(std::string_view r, diagram::Traductor tr) {
    return diagram::Sustituir(
        tr(kContexto,
           QT_TRANSLATE_NOOP("Errores", "magnitud no válida %1: se esperaba un número como %2")),
        {Q(r), "87.5"});
}
std::string DireccionNoValida(std::string_view a, diagram::Traductor tr) {
    return diagram::Sustituir(
        tr(kContexto,
           QT_TRANSLATE_NOOP("Errores", "dirección no válida %1: se esperaba un número como %2")),
        {Q(a), "36.6"});
}
std::string ModuloFueraDeRango(std::string_view r, practice::Ventana ventana,
                               diagram::Traductor tr) {
    return diagram::Sustituir(
        tr(kContexto, QT_TRANSLATE_NOOP("Errores", "magnitud fuera de rango %1: va de 0 a %2")),
        {Q(r), practice::NumeroDelIntento(practice::ModuloMaximoDelIntento(ventana))});
}
std::string DireccionFueraDeRango(std::string_view a, diagram::Traductor tr) {
    return diagram::Sustituir(
        tr(kContexto, QT_TRANSLATE_NOOP("Errores", "dirección fuera de rango %1: va de 0 a %2")),
        {Q(a), "360"});
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
std::string CoordenadaNoValida(std::string_view n) {
    return "coordenada no válida " + Q(n) + ": se esperaba un número en twips";
}

}  // namespace trazalia::session::errores
