#include "app/guion.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QScrollBar>
#include <charconv>
#include <vector>

#include "app/aplicacion.h"
#include "app/ventana.h"
#include "canvas/qt/painter.h"
#include "canvas/qt/picture_widget.h"
#include "canvas/trace_writer.h"

namespace trazalia::app {

std::string_view Recortar(std::string_view s) {
    const auto blanco = " \t\r\n";
    const auto inicio = s.find_first_not_of(blanco);
    if (inicio == std::string_view::npos) return {};
    return s.substr(inicio, s.find_last_not_of(blanco) - inicio + 1);
}

namespace {

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

std::string Citar(std::string_view s) { return "«" + std::string(s) + "»"; }

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// Result of looking a window up: the window or why it cannot be used.
struct Busqueda {
    Ventana* ventana = nullptr;
    std::string error;
};

bool EsNombreDeVentana(std::string_view nombre) {
    return nombre == "Form1" || nombre == "Form2" || nombre == "Form3";
}

Busqueda BuscarVentana(const Aplicacion& app, std::string_view nombre, bool aLaVista) {
    if (!EsNombreDeVentana(nombre)) return {nullptr, "ventana desconocida " + Citar(nombre)};
    Ventana* v = app.ventana(Q(nombre));
    if (!v || (aLaVista && !v->isVisible()))
        return {nullptr, "la ventana " + std::string(nombre) + " no está a la vista"};
    return {v, {}};
}

struct BusquedaControl {
    Ventana* ventana = nullptr;
    QWidget* control = nullptr;
    std::string error;
};

// WINDOW.CONTROL of a shown window.
BusquedaControl BuscarControl(const Aplicacion& app, std::string_view ruta) {
    const auto punto = ruta.find('.');
    if (punto == std::string_view::npos)
        return {nullptr, nullptr, "se esperaba VENTANA.CONTROL en lugar de " + Citar(ruta)};
    auto [v, error] = BuscarVentana(app, ruta.substr(0, punto), true);
    if (!v) return {nullptr, nullptr, error};
    const std::string_view nombre = ruta.substr(punto + 1);
    QWidget* control = v->control(Q(nombre));
    if (!control)
        return {nullptr, nullptr,
                v->nombre().toStdString() + " no tiene el control " + Citar(nombre)};
    return {v, control, {}};
}

std::string Uso(std::string_view orden) {
    if (orden == "click") return "uso: click VENTANA.BOTÓN";
    if (orden == "set") return "uso: set VENTANA.BARRA VALOR";
    if (orden == "close") return "uso: close VENTANA";
    if (orden == "dump") return "uso: dump VENTANA";
    return "uso: save VENTANA FICHERO";
}

// One bit for each window that is shown.
unsigned ALaVista(const Aplicacion& app) {
    unsigned bits = 0;
    for (unsigned n = 1; n <= 3; ++n) {
        const Ventana* v = app.ventana(QStringLiteral("Form%1").arg(n));
        if (v && v->isVisible()) bits |= 1U << n;
    }
    return bits;
}

}  // namespace

Guion::Guion(Aplicacion& app, canvas::TraceWriter& trace, std::ostream& out, std::ostream& err,
             std::string nombre)
    : app_(app), trace_(trace), out_(out), err_(err), nombre_(std::move(nombre)) {}

int Guion::Ejecutar(std::istream& in) {
    std::string linea;
    long numero = 0;
    long cambios = 0;
    while (std::getline(in, linea)) {
        ++numero;
        const unsigned antes = ALaVista(app_);
        const std::string error = Linea(linea);
        // Showing or hiding a window queues window-system events that only an event loop
        // delivers; script mode runs none, so a long script would keep every one. Delivering
        // them repaints the windows, so only now and then.
        if (ALaVista(app_) != antes && ++cambios % 64 == 0) QCoreApplication::processEvents();
        if (!error.empty()) {
            trace_.Flush();
            out_.flush();
            err_ << "trazalia: " << nombre_ << ':' << numero << ": " << error << std::endl;
            return kErrorDeGuion;
        }
    }
    trace_.Flush();
    out_.flush();
    return kExito;
}

std::string Guion::Linea(std::string_view texto) {
    const std::string_view linea = Recortar(texto);
    if (linea.empty() || linea.front() == '#') return {};
    const std::vector<std::string_view> w = Palabras(linea);
    const std::string_view orden = w[0];
    if (orden != "click" && orden != "set" && orden != "close" && orden != "dump" &&
        orden != "save")
        return "orden desconocida " + Citar(orden);
    if (app_.terminado()) return "el programa ya terminó";

    if (orden == "click") {
        if (w.size() != 2) return Uso(orden);
        auto [v, control, error] = BuscarControl(app_, w[1]);
        if (!control) return error;
        auto* boton = qobject_cast<QAbstractButton*>(control);
        if (!boton) return std::string(w[1]) + " no es un botón";
        boton->click();
        return {};
    }
    if (orden == "set") {
        if (w.size() != 3) return Uso(orden);
        auto [v, control, error] = BuscarControl(app_, w[1]);
        if (!control) return error;
        auto* barra = qobject_cast<QScrollBar*>(control);
        if (!barra) return std::string(w[1]) + " no es una barra de desplazamiento";
        long valor = 0;
        const std::string_view numero = w[2];
        auto [fin, ec] = std::from_chars(numero.data(), numero.data() + numero.size(), valor);
        if (ec != std::errc() || fin != numero.data() + numero.size())
            return "valor no válido " + Citar(numero) + ": se esperaba un número entero";
        if (valor < barra->minimum() || valor > barra->maximum())
            return "valor fuera de rango " + Citar(numero) + ": " + std::string(w[1]) + " va de " +
                   std::to_string(barra->minimum()) + " a " + std::to_string(barra->maximum());
        // As a user would move it: the change handler runs only when the value changes.
        barra->setValue(static_cast<int>(valor));
        return {};
    }
    if (orden == "close") {
        if (w.size() != 2) return Uso(orden);
        auto [v, error] = BuscarVentana(app_, w[1], true);
        if (!v) return error;
        v->close();
        return {};
    }
    if (orden == "dump") {
        if (w.size() != 2) return Uso(orden);
        auto [v, error] = BuscarVentana(app_, w[1], false);
        if (!v) return error;
        trace_.Flush();
        for (const std::string& l : v->Dump()) out_ << l << '\n';
        return {};
    }
    // save WINDOW PATH: the path is the rest of the line, so it may hold spaces.
    if (w.size() < 3) return Uso(orden);
    auto [v, error] = BuscarVentana(app_, w[1], false);
    if (!v) return error;
    if (!v->Picture1()) return v->nombre().toStdString() + " no tiene Picture1";
    const std::string_view resto =
        linea.substr(static_cast<std::size_t>(w[2].data() - linea.data()));
    QString fallo;
    if (!canvas::SavePicture(v->Picture1()->picture(), Q(resto), &fallo))
        return fallo.toStdString();
    return {};
}

}  // namespace trazalia::app
