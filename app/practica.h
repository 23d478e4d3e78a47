// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <string_view>

#include "practice/registro.h"
#include "session/comando.h"

class QAction;
class QActionGroup;
class QEvent;
class QMenu;
class QWidget;
class QWidgetAction;

namespace trazalia::session {
class Practica;
}

namespace trazalia::app {

class Dialogos;
class VentanaMetodo;

// What practice keeps beyond one window.
struct AjustesDePractica {
    // Where verdicts are recorded, one CSV line each; nowhere when empty.
    QString registro;
    // On screen: the level and the student's name are remembered between runs, and the first
    // practice of a run asks the student's name.
    bool recuerda = false;
    // The name has been asked in this run, in either window.
    bool nombrePedido = false;
};

// Practice on screen, the face of the core's practice in one method window: its menu entries are
// the core's commands, the guess may be typed into the result read-outs (Enter there checks it), a
// held exercise's bars refuse what would move them, and each verdict goes into the record with the
// student's name, which the core keeps.
class Practica final : public QObject {
    Q_OBJECT
public:
    // ajustes and dialogos must outlive it; ajustes are read when they are used.
    Practica(VentanaMetodo& ventana, AjustesDePractica& ajustes, Dialogos& dialogos);

    // Its entries of the picture's menu: "Practicar" (P), the level, "Equilibrante" (what the
    // exercises ask for), "Camino", "Camino por todas las ventanas" and the path's skills' bars,
    // after a verdict on the path "Ver la construcción paso a paso" (C) and "¿Dónde está el
    // error?", "Otro ejercicio" (N), "Comprobar" (Enter on the picture), "Nombre…" and
    // "Guardar resultados…".
    void AgregarAlMenu(QMenu& menu);
    QAction* accionPracticar() const { return practicar_; }
    QAction* accionOtro() const { return otro_; }
    QAction* accionComprobar() const { return comprobar_; }
    QAction* accionGuardar() const { return guardar_; }
    // Checked while the window's path is over its skills alone.
    QAction* accionCamino() const { return camino_; }
    // Checked while the window's path is over every window's skills.
    QAction* accionCaminoPorTodas() const { return todas_; }
    // After a verdict on the path: the right construction's next step, where a mistake was named.
    QAction* accionConstruccion() const { return construccion_; }
    // «¿Dónde está el error?»: opening it plants the mistake, its entries are the choices.
    QMenu* menuDelError() const { return error_; }

    // The core's practice in this window.
    session::Practica& nucleo() const;
    // Starts practising as the window opens, before it is shown.
    void EmpezarAlAbrir();
    // Reveals the answer as the window's own control does; nothing without practice.
    void Comprobar();
    // The entries follow the core's state: on or off, the level.
    void Seguir();
    // The core refused a change of the exercise's vectors at that control: a hint beside it.
    void Rehusado(std::string_view control, const QString& texto);
    // The core's entry of an exercise (a verdict, or one left or revealed with no guess): it goes
    // into the record with the student's name.
    void Anotado(const practice::Asiento& asiento);

signals:
    // The entry could not be added to the record, for that reason.
    void noRegistrado(const QString& error);

protected:
    // The exercise's bars and their read-outs: what would change a vector is refused.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Activar(bool activa);
    // Practice on, from a new seed, asking what the menu's entry says.
    void Comenzar();
    // Practice along a path over the window's skills, or over every window's: on screen, the one
    // its last entry kept, resumed; else a new one at the level shown. A path over every window
    // goes on in the window of its exercise, which the session shows.
    void Caminar(bool todas);
    // The path's bars: each skill's right answers in a row, of the three that master it.
    void MostrarCamino();
    // The path's entries after a verdict follow the core: the steps, the question of the error.
    void SeguirConstruccion();
    // The construction with the mistake planted drawn, and the menu's choices the ones offered.
    void PlantarError();
    practice::Pregunta Pregunta() const;
    void Orden(session::comandos::QuePractica que);
    void EnlazarLecturas();
    void ElegirNivel(practice::Nivel nivel);
    void PedirNombre();
    // The first practice of a run on screen asks the name, once the window shows the exercise.
    void PedirNombreLaPrimeraVez();

    VentanaMetodo& ventana_;
    AjustesDePractica& ajustes_;
    Dialogos& dialogos_;
    QAction* practicar_ = nullptr;
    QAction* otro_ = nullptr;
    QAction* comprobar_ = nullptr;
    QAction* nombre_ = nullptr;
    QAction* guardar_ = nullptr;
    QAction* equilibrante_ = nullptr;
    QAction* camino_ = nullptr;
    QAction* todas_ = nullptr;
    QWidgetAction* barras_ = nullptr;
    QAction* construccion_ = nullptr;
    QMenu* error_ = nullptr;
    QMenu* niveles_ = nullptr;
    QActionGroup* grupo_ = nullptr;
};

}  // namespace trazalia::app
