// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/ventana_metodo.h"
#include "practice/ejercicio.h"
#include "practice/veredicto.h"

class QAction;
class QActionGroup;
class QEvent;
class QMenu;

namespace trazalia::app {

class Dialogos;

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

// Practice in one method window: the window sets an exercise through its scroll bars, the student
// drags a guess from the origin, and the window's own reveal (Form2's "Graficar Paralelogramo",
// Form3's step bar, or "Comprobar") judges it. Until then the exercise's vectors hold still and
// the picture keeps a scale that does not give the answer away. Off until chosen; each window
// has its own.
class Practica final : public QObject, public Capa {
    Q_OBJECT
public:
    // ajustes and dialogos must outlive it; ajustes are read when they are used.
    Practica(VentanaMetodo& ventana, practice::Ventana cual, AjustesDePractica& ajustes,
             Dialogos& dialogos);

    // Its entries of the picture's menu: "Practicar" (P), the level, "Otro ejercicio" (N),
    // "Comprobar" (Enter on the picture), "Nombre…" and "Guardar resultados…".
    void AgregarAlMenu(QMenu& menu);
    QAction* accionPracticar() const { return practicar_; }
    QAction* accionOtro() const { return otro_; }
    QAction* accionComprobar() const { return comprobar_; }
    QAction* accionGuardar() const { return guardar_; }

    bool activa() const { return activa_; }
    practice::Nivel nivel() const { return nivel_; }
    const practice::Ejercicio& ejercicio() const { return ejercicio_; }
    const std::optional<practice::Intento>& intento() const { return intento_; }
    // The verdict of this exercise once it has been revealed with a guess.
    const std::optional<practice::Veredicto>& veredicto() const { return veredicto_; }
    bool revelado() const { return revelado_; }
    // An exercise waits for its answer: its vectors hold still.
    bool Pendiente() const { return activa_ && !revelado_ && !ejercicio_.empty(); }
    // Whether the waiting exercise holds that control still: a vector's bar or its read-out.
    bool Retiene(const QObject* control) const;

    // Practice on with exercises of that seed and level, from the first one.
    void Comenzar(std::uint32_t semilla, practice::Nivel nivel);
    // Practice off: the guess and the verdict go from the picture.
    void Terminar();
    // The next exercise: new vectors through the scroll bars, the result read-outs emptied.
    void Siguiente();
    // The student's guess, drawn at once; refused (false) without an exercise, once revealed, or
    // out of the ranges a guess may take (practice::ModuloAdmitido, DireccionAdmitida).
    bool Adivinar(practice::Intento intento);
    // Reveals the answer as the window's own control does; nothing without practice.
    void Comprobar();
    // Refuses a change of the exercise's vectors: a hint beside that control, and screen readers
    // told.
    void Rehusar(QWidget* control);
    // What the picture tells the student to do next, until a guess is given; empty otherwise.
    QString Instruccion() const;
    // A guess dragged from the origin, as the picture's mouse gives it: begun, then moved to a
    // point in twips of the picture, drawn at each move, until let go (suelto).
    void EmpezarIntento();
    void MoverIntento(diagram::Punto twips, bool suelto);

    // After the window's handler and views drew: a first resultant reveals the exercise and
    // judges the guess; then the guess and the verdict are drawn. Returns what screen readers
    // are to be told of a new verdict, else nothing.
    QString Dibujado(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) override;
    // What the picture shows of the practice, for screen readers: the guess, or the verdict
    // drawn; empty when it shows neither.
    QString Descripcion() const override;
    bool retiene() const override { return false; }
    // While an exercise waits: practice::EscalaDelEjercicio, or while a guess is dragged the
    // scale it started at. Nothing once revealed, nor while the reveal draws.
    std::optional<double> EscalaRetenida() const override;

signals:
    // The verdict could not be added to the record, for that reason.
    void noRegistrado(const QString& error);

protected:
    // The exercise's bars and their read-outs: what would change a vector is refused.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Activar(bool activa);
    void EnlazarLecturas();
    void ElegirNivel(practice::Nivel nivel);
    void PedirNombre();
    // A value typed into a result read-out: the guess once both are given.
    void Teclear(bool esModulo, double valor);
    QString Alumno() const;
    void Registrar(const practice::Veredicto& veredicto);

    VentanaMetodo& ventana_;
    AjustesDePractica& ajustes_;
    Dialogos& dialogos_;
    practice::Ventana cual_;
    QAction* practicar_ = nullptr;
    QAction* otro_ = nullptr;
    QAction* comprobar_ = nullptr;
    QAction* nombre_ = nullptr;
    QAction* guardar_ = nullptr;
    QMenu* niveles_ = nullptr;
    QActionGroup* grupo_ = nullptr;

    bool activa_ = false;
    practice::Nivel nivel_ = practice::Nivel::Medio;
    std::optional<practice::Generador> generador_;
    practice::Ejercicio ejercicio_;
    std::optional<practice::Intento> intento_;
    // What has been typed of a guess before both of its values were.
    std::optional<double> moduloTecleado_;
    std::optional<double> direccionTecleada_;
    // The exercise's bars and their read-outs, watched while it waits.
    std::vector<QObject*> retenidos_;
    // The scale a guess's drag started at, held until it is let go.
    std::optional<double> escalaDelArrastre_;
    bool revelado_ = false;
    std::optional<practice::Veredicto> veredicto_;
    // The vectors the verdict judged: it is shown only while the picture shows their resultant.
    practice::Ejercicio juzgados_;
    bool arrastrando_ = false;
    bool enlazadas_ = false;
    bool veredictoDibujado_ = false;
    QString alumno_;
};

}  // namespace trazalia::app
