// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/guion.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>

#include "canvas/error_reason.h"
#include "canvas/numeros.h"
#include "canvas/trace_format.h"
#include "canvas/trace_writer.h"
#include "session/errores.h"
#include "session/sesion.h"

namespace trazalia::session {

std::string_view Recortar(std::string_view s) {
    const auto blanco = " \t\r\n";
    const auto inicio = s.find_first_not_of(blanco);
    if (inicio == std::string_view::npos) return {};
    return s.substr(inicio, s.find_last_not_of(blanco) - inicio + 1);
}

std::vector<std::string_view> Palabras(std::string_view s) {
    std::vector<std::string_view> palabras;
    std::size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
        std::size_t fin = i;
        while (fin < s.size() && s[fin] != ' ' && s[fin] != '\t') ++fin;
        if (fin > i) palabras.push_back(s.substr(i, fin - i));
        i = fin;
    }
    return palabras;
}

Leido LeerLinea(std::streambuf& in, std::string& linea, std::size_t maximo) {
    linea.clear();
    for (;;) {
        const int c = in.sbumpc();
        if (c == std::char_traits<char>::eof()) return linea.empty() ? Leido::Fin : Leido::Linea;
        if (c == '\n') return Leido::Linea;
        if (linea.size() == maximo) return Leido::Larga;
        linea += static_cast<char>(c);
    }
}

int Ejecutar(std::istream& in, std::ostream& err, const std::string& nombre, const Ejecutor& e) {
    const auto informar = [&](const std::string& donde, const std::string& error, int estado) {
        e.vaciar();
        err << "trazalia: " << canvas::Printable(donde) << ": " << canvas::Printable(error)
            << std::endl;
        return estado;
    };
    std::string linea;
    long numero = 0;
    for (;;) {
        Leido leida = Leido::Fin;
        try {
            if (in.rdbuf()) leida = LeerLinea(*in.rdbuf(), linea, kLineaMaxima);
        } catch (const std::system_error& error) {
            return informar(nombre, canvas::ErrorReason(error.code()), kErrorDeEntradaSalida);
        }
        if (leida == Leido::Fin) break;
        ++numero;
        const std::string donde = nombre + ':' + std::to_string(numero);
        if (leida == Leido::Larga)
            return informar(
                donde, "línea demasiado larga: más de " + std::to_string(kLineaMaxima) + " bytes",
                kErrorDeGuion);
        if (numero == 1 && linea.starts_with("\xEF\xBB\xBF")) linea.erase(0, 3);
        if (const std::string error = e.linea(linea); !error.empty())
            return informar(donde, error, kErrorDeGuion);
        if (e.fallida()) return kErrorDeEntradaSalida;
    }
    e.vaciar();
    return e.fallida() ? kErrorDeEntradaSalida : kExito;
}

// The trace as trazalia writes it.
class Guion::Traza final : public Observador {
public:
    explicit Traza(canvas::TraceWriter& trace) : trace_(trace) {}

    void Cargada(std::string_view ventana) override { trace_.Write(ventana, "Load"); }
    void Mostrada(std::string_view ventana, bool visible) override {
        trace_.Write(ventana, visible ? "Show" : "Hide");
    }
    void Escrito(std::string_view ventana, std::string_view control,
                 std::string_view texto) override {
        trace_.Caption(std::string(ventana) + '.' + std::string(control), texto);
    }
    void Borrado(std::string_view ventana) override { trace_.Write(Picture(ventana), "Cls"); }
    void Grosor(std::string_view ventana, int ancho) override {
        trace_.Write(Picture(ventana), "DrawWidth " + std::to_string(ancho));
    }
    void Trazado(std::string_view ventana, const canvas::Op& op) override {
        trace_.Write(Picture(ventana), canvas::FormatOp(op));
    }
    void Anotado(std::string_view ventana, const practice::Asiento& asiento) override {
        trace_.Write(ventana, "Practica " + practice::Nombre(asiento.codigo));
    }
    void Terminado() override {
        trace_.Write("End");
        trace_.Flush();
    }

private:
    static std::string Picture(std::string_view ventana) {
        return std::string(ventana) + ".Picture1";
    }
    canvas::TraceWriter& trace_;
};

Guion::Guion(Sesion& sesion, canvas::TraceWriter& trace, std::ostream& out, std::ostream& err,
             std::string nombre)
    : sesion_(sesion),
      trace_(trace),
      out_(out),
      err_(err),
      nombre_(std::move(nombre)),
      traza_(std::make_unique<Traza>(trace)) {
    sesion_.AgregarObservador(*traza_);
}

Guion::~Guion() { sesion_.QuitarObservador(*traza_); }

int Guion::Ejecutar(std::istream& in) {
    return session::Ejecutar(in, err_, nombre_,
                             {[this](std::string_view linea) {
                                  std::string error = Linea(linea);
                                  if (error.empty()) error = sesion_.TomarFallo();
                                  return error;
                              },
                              [this] {
                                  trace_.Flush();
                                  out_.flush();
                              },
                              [this] { return trace_.Failed() || out_.fail(); }});
}

std::string Guion::Linea(std::string_view texto) {
    const std::string_view linea = Recortar(texto);
    if (linea.empty() || linea.front() == '#') return {};
    const std::vector<std::string_view> w = Palabras(linea);
    const Orden* orden = BuscarOrden(w[0]);
    if (!orden) return errores::OrdenDesconocida(w[0]).guion;
    if (sesion_.terminado()) return errores::Terminado().guion;
    if (w.size() < orden->minimo || w.size() > orden->maximo) return Uso(orden->nombre);
    const std::string_view nombre = orden->nombre;
    if (nombre == "practice" &&
        (w[2] == "on" ? w.size() != 5 && (w.size() != 6 || w[5] != "equilibrante") : w.size() != 3))
        return Uso(nombre);
    if (nombre == "camino" && (w[2] == "retomar" ? w.size() < 4 : w.size() != 5))
        return Uso(nombre);
    if (orden->leer) {
        const std::optional<errores::Negativa> negativa = Correr(sesion_, *orden, w);
        return negativa ? negativa->guion : std::string();
    }
    if (nombre == "dump") {
        std::vector<std::string> lineas;
        if (std::string error = sesion_.Volcar(w[1], lineas); !error.empty()) return error;
        if (volcador_) lineas = volcador_(*sesion_.ventana(w[1]));
        trace_.Flush();
        for (const std::string& l : lineas) out_ << l << '\n';
        return {};
    }
    // save: the picture's pixels are the toolkit's; the path is the rest of the line, spaces too.
    if (!guardar_)
        return "save guarda imágenes, que este programa no dibuja: use trazalia --script";
    if (!TablaDe(w[1])) return errores::VentanaDesconocida(w[1]).guion;
    const Ventana* v = sesion_.ventana(w[1]);
    if (!v) return errores::NoALaVista(w[1]).guion;
    const VentanaMetodo* metodo = sesion_.metodo(w[1]);
    if (!metodo) return std::string(w[1]) + " no tiene Picture1";
    return guardar_(*metodo, linea.substr(static_cast<std::size_t>(w[2].data() - linea.data())));
}

}  // namespace trazalia::session
