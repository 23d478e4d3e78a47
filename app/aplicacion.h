// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <memory>
#include <string_view>
#include <vector>

#include "app/practica.h"
#include "app/zoom.h"
#include "session/observador.h"
#include "session/sesion.h"

namespace trazalia::app {

class ControlVistas;
class Dialogos;
class Ventana;
class VentanaMetodo;
class Form1;

// The program on screen: the core (session::Sesion) and its face. The core holds every window's
// state and runs every action; the windows on screen are made as the core makes its own, show
// what it announces, and turn what the user does into its commands. It also gives the windows the
// zoom, the help, the picture's actions and the dialogs that tell of failures. Form1 exists from
// the start; each method window is created and loaded on its first show and then kept, with its
// state, until the program ends.
class Aplicacion : public QObject, private session::Observador {
    Q_OBJECT
public:
    Aplicacion();
    ~Aplicacion() override;

    // Creates Form1 and shows it.
    void Iniciar();
    // The same on the user's screen, with the views and the zoom saved by the last run (with none
    // saved, the zoom that suits the screen's size; the largest zoom that fits the screen when
    // that one does not), remembering what changes.
    void IniciarEnPantalla();

    Form1& form1();
    // The method window of that name ("Form2"), created and loaded on first use.
    VentanaMetodo& metodo(std::string_view nombre);
    // The window of that name if it has been created, else null.
    Ventana* ventana(const QString& nombre) const;
    // Form1 and every method window created so far.
    std::vector<Ventana*> ventanas() const;

    // Ends the program: every window closes at once, without asking.
    void Terminar();
    bool terminado() const { return terminado_; }

    // The core the windows show.
    session::Sesion& sesion() { return sesion_; }
    // The views' entries, one set for both method windows.
    ControlVistas& vistas() const { return *vistas_; }
    // The zoom of every window.
    Zoom& zoom() { return zoom_; }

    // Where practice records its verdicts: practica.csv in the user's data folder, unless set.
    const QString& registro() const { return practica_.registro; }
    void setRegistro(const QString& ruta) { practica_.registro = ruta; }
    // Each method window starts practising when it is first opened.
    void setPracticaAlAbrir(bool practica) { practicaAlAbrir_ = practica; }

    // How the windows ask the user where to save and tell of failures: Qt's dialogs unless
    // replaced. The windows keep asking the one set last.
    Dialogos& dialogos();
    void setDialogos(std::unique_ptr<Dialogos> dialogos);

private:
    class DialogosVigentes;

    // What every window gets from the program.
    void Conectar(Ventana& ventana);
    // What a method window gets besides.
    void ConectarMetodo(VentanaMetodo& ventana);
    // The window on screen that shows the core's window of that name, if made.
    Ventana* Cara(std::string_view nombre) const;
    VentanaMetodo* CaraMetodo(std::string_view nombre) const;

    // What the core announces, shown.
    void Cargada(std::string_view ventana) override;
    void Mostrada(std::string_view ventana, bool visible) override;
    void Escrito(std::string_view ventana, std::string_view control,
                 std::string_view texto) override;
    void Valor(std::string_view ventana, std::string_view control, int valor) override;
    void Anterior(std::string_view ventana, std::string_view control, bool anterior) override;
    void Enfocable(std::string_view ventana, std::string_view control, bool enfocable) override;
    void Dibujado(std::string_view ventana) override;
    void VistaCambiada(int vista, bool activa) override;
    void Anotado(std::string_view ventana, const practice::Asiento& asiento) override;
    void Anuncio(std::string_view ventana, std::string_view texto) override;
    void Rehusado(std::string_view ventana, std::string_view control,
                  std::string_view texto) override;
    void Fallo(std::string_view ventana, std::string_view texto) override;
    void Terminado() override;

    // Declared first: the windows on screen show it until they go.
    session::Sesion sesion_;
    ControlVistas* vistas_;
    std::unique_ptr<Dialogos> dialogos_;
    std::unique_ptr<DialogosVigentes> vigentes_;
    AjustesDePractica practica_;
    Zoom zoom_;
    std::unique_ptr<Form1> form1_;
    // In the order they were made.
    std::vector<std::unique_ptr<VentanaMetodo>> metodos_;
    bool terminado_ = false;
    bool practicaAlAbrir_ = false;
    // A method window made while practicaAlAbrir_, until it is first shown.
    Ventana* porPracticar_ = nullptr;
};

}  // namespace trazalia::app
