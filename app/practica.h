// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <optional>

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
    // The level and the student's name are remembered between runs.
    bool recuerda = false;
};

// Practice in one method window: the window sets an exercise through its scroll bars, the student
// drags a guess from the origin, and the window's own reveal (Form2's "Graficar Paralelogramo",
// Form3's step bar) judges it. Off until chosen; each window has its own.
class Practica final : public QObject, public Capa {
    Q_OBJECT
public:
    // ajustes and dialogos must outlive it; ajustes are read when they are used.
    Practica(VentanaMetodo& ventana, practice::Ventana cual, const AjustesDePractica& ajustes,
             Dialogos& dialogos);

    // Its entries of the picture's menu: "Practicar" (P), the level, "Otro ejercicio" (N),
    // "Nombre…" and "Guardar resultados…".
    void AgregarAlMenu(QMenu& menu);
    QAction* accionPracticar() const { return practicar_; }
    QAction* accionOtro() const { return otro_; }
    QAction* accionGuardar() const { return guardar_; }

    bool activa() const { return activa_; }
    practice::Nivel nivel() const { return nivel_; }
    const practice::Ejercicio& ejercicio() const { return ejercicio_; }
    const std::optional<practice::Intento>& intento() const { return intento_; }
    // The verdict of this exercise once it has been revealed with a guess.
    const std::optional<practice::Veredicto>& veredicto() const { return veredicto_; }
    bool revelado() const { return revelado_; }

    // Practice on with exercises of that seed and level, from the first one.
    void Comenzar(std::uint32_t semilla, practice::Nivel nivel);
    // Practice off: the guess and the verdict go from the picture.
    void Terminar();
    // The next exercise: new vectors through the scroll bars, the result read-outs emptied.
    void Siguiente();
    // The student's guess, drawn at once; refused (false) without an exercise or once revealed.
    bool Adivinar(practice::Intento intento);
    // The guess a point of the picture widget stands for, at the picture's scale and zoom.
    std::optional<practice::Intento> IntentoEn(QPointF punto) const;

    // After the window's handler and views drew: a first resultant reveals the exercise and
    // judges the guess; then the guess and the verdict are drawn. Returns what screen readers
    // are to be told of a new verdict, else nothing.
    QString Dibujado(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) override;
    // What the picture shows of the practice, for screen readers: the guess, or the verdict
    // drawn; empty when it shows neither.
    QString Descripcion() const override;
    bool retiene() const override { return false; }

signals:
    // A guess was judged.
    void juzgado(const practice::Veredicto& veredicto);
    // The verdict could not be added to the record, for that reason.
    void noRegistrado(const QString& error);

protected:
    // The picture's mouse events: a drag from the origin sets the guess.
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Activar(bool activa);
    void EnlazarLecturas();
    void ElegirNivel(practice::Nivel nivel);
    void PedirNombre();
    QString Alumno() const;
    void GuardarResultados();
    void Registrar(const practice::Veredicto& veredicto);
    void DibujarIntento(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) const;
    void DibujarVeredicto(canvas::Canvas& lienzo, const diagram::Resultado& dibujo) const;

    VentanaMetodo& ventana_;
    const AjustesDePractica& ajustes_;
    Dialogos& dialogos_;
    practice::Ventana cual_;
    QAction* practicar_ = nullptr;
    QAction* otro_ = nullptr;
    QAction* nombre_ = nullptr;
    QAction* guardar_ = nullptr;
    QMenu* niveles_ = nullptr;
    QActionGroup* grupo_ = nullptr;

    bool activa_ = false;
    practice::Nivel nivel_ = practice::Nivel::Medio;
    std::optional<practice::Generador> generador_;
    practice::Ejercicio ejercicio_;
    std::optional<practice::Intento> intento_;
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
