// SPDX-License-Identifier: GPL-3.0-or-later
// The commands on a window's controls and on practice.
#include <string>
#include <variant>

#include "canvas/canvas.h"
#include "practice/intento.h"
#include "session/sesion.h"

namespace trazalia::session {

namespace {

// Logical pixels around a tip that grab it, in twips at the program's own size.
constexpr double kAlcance = 10 * canvas::kTwipsPerPixel;

const Control* Fila(const Ventana& v, std::size_t control) {
    const auto& controles = v.tabla().controles;
    return control < controles.size() ? &controles[control] : nullptr;
}

// The path a state holds (Progreso::Texto), where it is one over that window's skills (none: over
// every window's), or why it is refused, named by the window that refuses it.
std::variant<practice::Progreso, errores::Negativa> CaminoGuardado(const std::string& estado,
                                                                   practice::Ventana ventana,
                                                                   std::string_view nombre,
                                                                   diagram::Traductor trad) {
    auto leido = practice::Progreso::DeTexto(estado);
    if (const auto* motivo = std::get_if<std::string>(&leido))
        return errores::CaminoNoValido(nombre, *motivo, trad);
    const practice::Ventana suya = std::get<practice::Progreso>(leido).ventana();
    if (suya != ventana)
        return errores::CaminoNoValido(
            nombre, ventana ? "es de otra ventana" : "es de una sola ventana", trad);
    return std::get<practice::Progreso>(std::move(leido));
}

}  // namespace

std::optional<errores::Negativa> Sesion::Hacer(const comandos::Pulsar& c) {
    Negativa negativa;
    Ventana* v = AlaVista(c.ventana, negativa);
    if (!v) return negativa;
    const Control* fila = Fila(*v, c.control);
    if (!fila || fila->tipo != Tipo::Button)
        return errores::NoEsBoton(fila ? Ruta(*v, c.control) : std::string(v->nombre()),
                                  traductor_);
    v->Pulsar(Numero(*v, c.control));
    return {};
}

std::optional<errores::Negativa> Sesion::Hacer(const comandos::MoverBarra& c) {
    Negativa negativa;
    Ventana* v = AlaVista(c.ventana, negativa);
    if (!v) return negativa;
    const Control* fila = Fila(*v, c.control);
    auto* m = dynamic_cast<VentanaMetodo*>(v);
    if (!fila || fila->tipo != Tipo::HScroll || !m)
        return errores::NoEsBarra(fila ? Ruta(*v, c.control) : std::string(v->nombre()),
                                  traductor_);
    if (c.valor < fila->min || c.valor > fila->max)
        return errores::FueraDeRango(std::to_string(c.valor), Ruta(*v, c.control), fila->min,
                                     fila->max, traductor_);
    if (m->practica().Retiene(c.control)) return Retenido(*m);
    MoverComoPaso(*m, Paso::Accion::Mover, Numero(*m, c.control), c.valor);
    return {};
}

std::optional<errores::Negativa> Sesion::Hacer(const comandos::Cerrar& c) {
    Negativa negativa;
    if (!AlaVista(c.ventana, negativa)) return negativa;
    Terminar();
    return {};
}

// One set of views serves every method window. A script's shows at the next redraw.
std::optional<errores::Negativa> Sesion::Hacer(const comandos::PonerVista& c) {
    if (c.ventana == Formulario::Form1)
        return errores::SinVistas(TablaDe(c.ventana).nombre, traductor_);
    const bool antes = vistas_[c.vista];
    PonerVista(c.vista, c.activa, c.redibujar);
    if (VentanaMetodo* m = metodo(c.ventana); m && antes != c.activa) {
        Paso paso;
        paso.accion = Paso::Accion::Vista;
        paso.sujeto = static_cast<int>(c.vista);
        paso.activa = c.activa;
        paso.redibujar = c.redibujar;
        Apuntar(*m, std::move(paso));
    }
    return {};
}

std::optional<errores::Negativa> Sesion::Hacer(const comandos::Practicar& c) {
    if (c.todas) {
        if (c.estado.empty()) {
            SeguirCamino(practice::Camino(c.semilla, c.nivel));
            return {};
        }
        auto leido = CaminoGuardado(c.estado, nullptr, "todas", traductor_);
        if (auto* negativa = std::get_if<errores::Negativa>(&leido)) return std::move(*negativa);
        SeguirCamino(practice::Camino(std::get<practice::Progreso>(std::move(leido))));
        return {};
    }
    const std::string_view nombre = TablaDe(c.ventana).nombre;
    // The equilibrant is asked for where the window adds its vectors.
    if (c.ventana == Formulario::Form1 || !MetodoDe(c.ventana)->practica())
        return errores::SinPractica(nombre, traductor_);
    if (c.pregunta == practice::Pregunta::Equilibrante && !MetodoDe(c.ventana)->suma())
        return errores::SinEquilibrante(nombre, traductor_);
    Negativa negativa;
    auto* v = dynamic_cast<VentanaMetodo*>(AlaVista(c.ventana, negativa));
    if (!v) return negativa;
    Practica& practica = v->practica();
    switch (c.que) {
        case comandos::QuePractica::Terminar:
            practica.Terminar();
            break;
        case comandos::QuePractica::Etapa:
            if (!practica.SiguienteEtapa()) return errores::SinConstruccion(nombre, traductor_);
            break;
        case comandos::QuePractica::Plantar:
            if (!practica.PlantarError()) return errores::SinConstruccion(nombre, traductor_);
            break;
        case comandos::QuePractica::Elegir: {
            if (!practica.plantado()) return errores::SinConstruccion(nombre, traductor_);
            const std::optional<practice::Codigo> codigo = practice::CodigoDeNombre(c.elegido);
            if (!codigo || !practica.ElegirError(*codigo))
                return errores::NoOfrecido(c.elegido, nombre, traductor_);
            break;
        }
        case comandos::QuePractica::Siguiente:
        case comandos::QuePractica::Comprobar:
            if (!practica.activa()) return errores::NoPractica(nombre, traductor_);
            c.que == comandos::QuePractica::Siguiente ? practica.Siguiente() : practica.Comprobar();
            break;
        case comandos::QuePractica::Comenzar:
            if (c.camino && !c.estado.empty()) {
                auto leido = CaminoGuardado(c.estado, MetodoDe(c.ventana), nombre, traductor_);
                if (auto* negativa = std::get_if<errores::Negativa>(&leido))
                    return std::move(*negativa);
                practica.RetomarCamino(std::get<practice::Progreso>(std::move(leido)));
            } else if (c.camino) {
                practica.ComenzarCamino(c.semilla, c.nivel);
            } else {
                practica.Comenzar(c.semilla, c.nivel, c.pregunta);
            }
            break;
    }
    return {};
}

std::optional<errores::Negativa> Sesion::Hacer(const comandos::ElegirNivel& c) {
    VentanaMetodo* v = metodo(c.ventana);
    if (!v) return errores::SinPractica(TablaDe(c.ventana).nombre, traductor_);
    v->practica().ElegirNivel(c.nivel, c.semilla);
    return {};
}

std::optional<errores::Negativa> Sesion::Hacer(const comandos::Adivinar& c) {
    const std::optional<double> modulo = errores::LeerDecimal(c.r);
    if (!modulo) return errores::ModuloNoValido(c.r, traductor_);
    const std::optional<double> direccion = errores::LeerDecimal(c.alfa);
    if (!direccion) return errores::DireccionNoValida(c.alfa, traductor_);
    const std::string_view nombre = TablaDe(c.ventana).nombre;
    if (c.ventana == Formulario::Form1 || !MetodoDe(c.ventana)->practica())
        return errores::SinPractica(nombre, traductor_);
    Negativa negativa;
    auto* v = dynamic_cast<VentanaMetodo*>(AlaVista(c.ventana, negativa));
    if (!v) return negativa;
    Practica& practica = v->practica();
    if (!practica.activa()) return errores::NoPractica(nombre, traductor_);
    const practice::Ventana cual = practica.cual();
    if (!practice::ModuloAdmitido(cual, *modulo))
        return errores::ModuloFueraDeRango(c.r, cual, traductor_);
    if (!practice::DireccionAdmitida(*direccion))
        return errores::DireccionFueraDeRango(c.alfa, traductor_);
    if (!practica.Adivinar({*modulo, *direccion})) return errores::Resuelto(nombre, traductor_);
    return {};
}

std::optional<errores::Negativa> Sesion::Hacer(const comandos::Escribir& c) {
    Negativa negativa;
    Ventana* v = AlaVista(c.ventana, negativa);
    if (!v) return negativa;
    const std::optional<std::size_t> destino = Escrito(*v, c.control, negativa);
    if (!destino) return negativa;
    if (!Acepta(*v, *destino, c.texto)) return Rechazo(*v, *destino, c.texto);
    Fijar(*v, *destino, c.texto);
    return {};
}

std::optional<std::size_t> Sesion::Escrito(const Ventana& v, std::size_t control,
                                           Negativa& negativa) const {
    if (!Fila(v, control)) {
        negativa = errores::NoRecibeValor(v.nombre(), traductor_);
        return std::nullopt;
    }
    const std::string ruta = Ruta(v, control);
    const auto* m = dynamic_cast<const VentanaMetodo*>(&v);
    // A bar's read-out sets its bar.
    if (m)
        for (auto [barra, lectura] : m->tabla().lecturas)
            if (m->tabla().controles[control].nombre == "Label" + std::to_string(lectura))
                control = m->Numerado("HScroll", barra);
    const Tipo tipo = v.tabla().controles[control].tipo;
    if (!m || (tipo != Tipo::HScroll && !(tipo == Tipo::Lectura && m->practica().Pendiente()))) {
        negativa = errores::NoRecibeValor(ruta, traductor_);
        return std::nullopt;
    }
    if (m->practica().Retiene(control)) {
        negativa = Retenido(*m);
        return std::nullopt;
    }
    return control;
}

// A press that grabs no tip does nothing.
std::optional<errores::Negativa> Sesion::Hacer(const comandos::Arrastrar& c) {
    Negativa negativa;
    Ventana* ventana = AlaVista(c.ventana, negativa);
    if (!ventana) return negativa;
    auto* v = dynamic_cast<VentanaMetodo*>(ventana);
    if (!v) return errores::SinVectores(ventana->nombre(), traductor_);
    if (v->practica().Pendiente()) return Retenido(*v);
    Paso paso;
    paso.accion = Paso::Accion::Arrastrar;
    paso.cambios = Barras(*v);
    if (!v->arrastre().Presionar(c.desde, kAlcance)) return {};
    paso.sujeto = v->arrastre().vector().value_or(0);
    v->arrastre().Mover(c.hasta, false);
    v->arrastre().Soltar();
    for (Paso::Cambio& cambio : paso.cambios) cambio.despues = v->HScroll(cambio.barra);
    Apuntar(*v, std::move(paso));
    return {};
}

}  // namespace trazalia::session
