// SPDX-License-Identifier: GPL-3.0-or-later
// Practice on the windows: a guess dragged on the picture at any zoom, the P and N keys, an
// exercise that holds still until it is checked, a guess typed in parts, and a record that cannot
// be written told to the user.
#include <gtest/gtest.h>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <numbers>
#include <ostream>
#include <string>
#include <variant>

#include "app/accesible.h"
#include "app/acciones.h"
#include "app/ajustes.h"
#include "app/dialogos.h"
#include "app/editor.h"
#include "app/exportar.h"
#include "app/practica.h"
#include "app/tests/con_aplicacion.h"
#include "app/tests/dialogos_fijos.h"
#include "app/ventana_metodo.h"
#include "app/vistas.h"
#include "canvas/qt/picture_widget.h"
#include "diagram/marco.h"
#include "practice/camino.h"
#include "practice/intento.h"
#include "practice/respuesta.h"
#include "practice/tests/ventanas.h"
#include "session/ordenes.h"
#include "session/sesion.h"

namespace trazalia::app {
namespace {

// Where a vector of magnitude r at alfa degrees ends on the picture widget, in its pixels: the
// picture's own mapping, at the widget's scale.
QPoint Punta(const VentanaMetodo& v, double r, double alfa) {
    const canvas::PictureWidget* w = v.Picture1();
    const diagram::Punto p = diagram::Punta(w->picture(), r, alfa * std::numbers::pi / 180,
                                            v.dibujo()->Escala, v.dibujo()->escalado);
    return (QPointF(p.x, p.y) / canvas::kTwipsPerPixel * w->scale()).toPoint();
}

session::Practica& PracticaDe(const VentanaMetodo& v) { return v.nucleo().practica(); }
Practica& CaraDe(const VentanaMetodo& v) { return AccionesDelDibujo::De(v).practica(); }

// The exercise's right answer, as a guess.
practice::Intento Correcto(const VentanaMetodo& v, practice::Ventana cual) {
    const practice::Respuesta r = practice::RespuestaDe(cual, PracticaDe(v).ejercicio());
    return {r.r, r.direccion.value_or(0)};
}

// The texts the picture shows now.
std::vector<std::string> Textos(const VentanaMetodo& v) {
    std::vector<std::string> textos;
    for (const canvas::Op& op : v.Picture1()->picture().ops())
        if (const auto* t = std::get_if<canvas::TextOp>(&op)) textos.push_back(t->text);
    return textos;
}

struct Arrastre {
    double zoom;
    double r;
    double alfa;
    bool fija = false;  // with the fixed scale's view
};

class ArrastrarIntento : public ConAplicacion, public testing::WithParamInterface<Arrastre> {};

// Pressed on the origin, moved and released: the guess is the point where it was let go.
TEST_P(ArrastrarIntento, TheGuessIsWhereTheDragEnds) {
    const Arrastre a = GetParam();
    VentanaMetodo& f = Metodo("Form2");
    app.zoom().Fijar(a.zoom);
    app.sesion().PonerVista(diagram::Vista::EscalaFija, a.fija, false);
    PracticaDe(f).Comenzar(3, practice::Nivel::Medio);
    QWidget* picture = f.Picture1();
    QTest::mousePress(picture, Qt::LeftButton, {}, Punta(f, 0, 0));
    QTest::mouseMove(picture, Punta(f, a.r / 2, a.alfa + 40));
    QTest::mouseRelease(picture, Qt::LeftButton, {}, Punta(f, a.r, a.alfa));
    ASSERT_TRUE(PracticaDe(f).intento());
    // A pixel is about Escala / 210 units at zoom 100 %.
    const double tolerancia = f.dibujo()->Escala / 210 / a.zoom + 0.01;
    EXPECT_NEAR(PracticaDe(f).intento()->r, a.r, tolerancia);
    EXPECT_NEAR(PracticaDe(f).intento()->direccion, a.alfa, 1);
}

INSTANTIATE_TEST_SUITE_P(Zooms, ArrastrarIntento,
                         testing::Values(Arrastre{1, 40, 30}, Arrastre{2, 30, 200},
                                         Arrastre{0.5, 50, 315}, Arrastre{1, 70, 120, true}),
                         [](const testing::TestParamInfo<Arrastre>& p) {
                             return "Zoom" + std::to_string(static_cast<int>(p.param.zoom * 100)) +
                                    (p.param.fija ? "Fija" : "");
                         });

// P starts practice with the result read-outs empty; N sets other vectors.
TEST_F(ConAplicacion, PStartsPracticeAndNGivesAnotherExercise) {
    VentanaMetodo& f = Metodo("Form3 1=40 4=30 7=3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    f.barra(1)->setFocus();
    QTest::keyClick(f.windowHandle(), Qt::Key_P);
    ASSERT_TRUE(PracticaDe(f).activa());
    EXPECT_EQ(f.rotulo(14)->text(), QString());
    const practice::Ejercicio primero = PracticaDe(f).ejercicio();
    EXPECT_EQ(f.barra(1)->value(), primero[0].m);
    QTest::keyClick(f.windowHandle(), Qt::Key_N);
    EXPECT_NE(PracticaDe(f).ejercicio(), primero);
    EXPECT_EQ(f.barra(6)->value(), PracticaDe(f).ejercicio()[2].d);
    QTest::keyClick(f.windowHandle(), Qt::Key_P);
    EXPECT_FALSE(PracticaDe(f).activa());
}

// As --practica opens them: each method window practises from its first showing.
TEST_F(ConAplicacion, WindowsOpenPractisingWhenAsked) {
    app.setPracticaAlAbrir(true);
    VentanaMetodo& f = Metodo("Form3");
    ASSERT_TRUE(PracticaDe(f).activa());
    EXPECT_EQ(f.barra(3)->value(), PracticaDe(f).ejercicio()[2].m);
}

// A record that cannot be written is told once the picture is drawn; the verdict stands.
TEST_F(ConAplicacion, AFailedRecordIsToldAndTheVerdictStands) {
    auto* avisos = new DialogosFijos;
    app.setDialogos(std::unique_ptr<Dialogos>(avisos));
    QTemporaryDir carpeta;
    app.setRegistro(carpeta.path());
    VentanaMetodo& f = Metodo("Form2");
    PracticaDe(f).Comenzar(7, practice::Nivel::Medio);
    ASSERT_TRUE(PracticaDe(f).Adivinar(Correcto(f, practice::Form2())));
    f.boton(1)->click();
    ASSERT_TRUE(PracticaDe(f).veredicto());
    EXPECT_EQ(PracticaDe(f).veredicto()->codigo, practice::Codigo::Acierto);
    EXPECT_TRUE(DescripcionAccesible(f.Picture1())
                    .endsWith(QString::fromStdString(PracticaDe(f).veredicto()->texto)));
    QCoreApplication::processEvents();
    EXPECT_EQ(avisos->avisos.size(), 1);
}

// A guess typed into the result read-outs with the bars' editor, a decimal with a point; the
// read-outs then show it, until the answer replaces it.
TEST_F(ConAplicacion, AGuessIsTypedIntoTheResultReadOuts) {
    VentanaMetodo& f = Metodo("Form2");
    session::Practica& p = PracticaDe(f);
    p.Comenzar(7, practice::Nivel::Medio);
    const practice::Intento correcto = Correcto(f, practice::Form2());
    for (auto [lectura, valor] : {std::pair{10, correcto.r}, std::pair{12, correcto.direccion}}) {
        QLabel* l = f.rotulo(lectura);
        ASSERT_TRUE(l->focusPolicy() & Qt::TabFocus);
        l->setFocus();
        const QString texto = QString::fromStdString(practice::NumeroDelIntento(valor));
        // The first digit opens the editor, which takes the rest.
        for (const QChar c : texto) QTest::keyClicks(f.focusWidget(), QString(c));
        QTest::keyClick(f.focusWidget(), Qt::Key_Return);
        EXPECT_EQ(l->text(), texto);
        EXPECT_EQ(f.focusWidget(), l);
    }
    ASSERT_TRUE(p.intento());
    f.boton(1)->click();
    EXPECT_EQ(p.veredicto()->codigo, practice::Codigo::Acierto);
    p.Terminar();
    EXPECT_EQ(f.rotulo(10)->focusPolicy(), Qt::NoFocus);
}

// Tab from r keeps the r typed; the picture and screen readers say the direction is missing, and
// the direction typed then makes the guess.
TEST_F(ConAplicacion, ATypedMagnitudeIsKeptWhenTabLeavesIt) {
    VentanaMetodo& f = Metodo("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    session::Practica& p = PracticaDe(f);
    p.Comenzar(7, practice::Nivel::Medio);
    f.rotulo(10)->setFocus();
    QTest::keyClicks(f.focusWidget(), QStringLiteral("4"));
    QTest::keyClicks(f.focusWidget(), QStringLiteral("2"));
    QTest::keyClick(f.focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(f.rotulo(10)->text(), QStringLiteral("42"));
    EXPECT_FALSE(p.intento());
    const QString falta = QStringLiteral("Falta la dirección α de su resultante.");
    EXPECT_EQ(p.Instruccion(), falta.toStdString());
    EXPECT_EQ(f.anuncio().accessibleName(), falta);
    EXPECT_EQ(Textos(f), std::vector<std::string>{falta.toStdString()});
    EXPECT_TRUE(DescripcionAccesible(f.Picture1()).endsWith(falta));
    f.rotulo(12)->setFocus();
    QTest::keyClicks(f.focusWidget(), QStringLiteral("3"));
    QTest::keyClicks(f.focusWidget(), QStringLiteral("0"));
    QTest::keyClick(f.focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(p.intento());
    EXPECT_DOUBLE_EQ(p.intento()->r, 42);
    EXPECT_DOUBLE_EQ(p.intento()->direccion, 30);
    EXPECT_TRUE(Textos(f).empty());
}

// A magnitude longer than Form2's largest resultant is refused in the editor, with the range; a
// negative one too, its sign typed first; a decimal comma is the point.
struct Tecleado {
    const char* nombre;
    const char* texto;
    const char* lectura;  // what the read-out shows once Return is pressed
    bool rehusado;
};

void PrintTo(const Tecleado& t, std::ostream* os) { *os << t.texto; }

class TecleadoEnLaLectura : public ConAplicacion, public testing::WithParamInterface<Tecleado> {};

TEST_P(TecleadoEnLaLectura, TheReadOutTakesWhatTheCoreTakes) {
    VentanaMetodo& f = Metodo("Form2");
    session::Practica& p = PracticaDe(f);
    p.Comenzar(7, practice::Nivel::Medio);
    f.rotulo(10)->setFocus();
    // The first key opens the editor, which takes the rest.
    for (const QChar c : QString::fromUtf8(GetParam().texto))
        QTest::keyClicks(f.focusWidget(), QString(c));
    QTest::keyClick(f.focusWidget(), Qt::Key_Return);
    auto* editor = qobject_cast<EditorDeValor*>(f.focusWidget());
    EXPECT_EQ(editor != nullptr, GetParam().rehusado);
    if (editor) {
        ASSERT_TRUE(editor->pista() && editor->pista()->isVisible());
        EXPECT_EQ(editor->pista()->text(), QStringLiteral("De 0 a 200, con punto: 87.5"));
    }
    EXPECT_EQ(f.rotulo(10)->text(), QString::fromUtf8(GetParam().lectura));
}

INSTANTIATE_TEST_SUITE_P(Textos, TecleadoEnLaLectura,
                         testing::Values(Tecleado{"Largo", "200.5", "", true},
                                         Tecleado{"Negativo", "-5", "", true},
                                         Tecleado{"Coma", "29,7", "29.7", false}),
                         [](const testing::TestParamInfo<Tecleado>& p) {
                             return std::string(p.param.nombre);
                         });

// Each way a user could move an exercise's vector before it is checked. None moves it; each is
// told on screen.
struct Cambio {
    const char* nombre;
    std::function<void(VentanaMetodo&)> hacer;
};

class EjercicioQuieto : public ConAplicacion, public testing::WithParamInterface<Cambio> {};

TEST_P(EjercicioQuieto, TheExerciseHoldsStillUntilChecked) {
    VentanaMetodo& f = Metodo("Form3");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    session::Practica& p = PracticaDe(f);
    p.Comenzar(11, practice::Nivel::Facil);
    const practice::Ejercicio ejercicio = p.ejercicio();
    GetParam().hacer(f);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(f.barra(i + 1)->value(), ejercicio[static_cast<std::size_t>(i)].m);
        EXPECT_EQ(f.barra(i + 4)->value(), ejercicio[static_cast<std::size_t>(i)].d);
    }
    EXPECT_TRUE(p.Pendiente());
    EXPECT_TRUE(f.anuncio().accessibleName().startsWith(
        QStringLiteral("El ejercicio no cambia hasta comprobarlo")));
}

INSTANTIATE_TEST_SUITE_P(
    Maneras, EjercicioQuieto,
    testing::Values(
        Cambio{"TeclaDerecha",
               [](VentanaMetodo& f) { QTest::keyClick(f.barra(4), Qt::Key_Right); }},
        Cambio{"AvPag", [](VentanaMetodo& f) { QTest::keyClick(f.barra(2), Qt::Key_PageDown); }},
        Cambio{"Cifra", [](VentanaMetodo& f) { QTest::keyClick(f.barra(1), Qt::Key_5); }},
        Cambio{"Clic", [](VentanaMetodo& f) { QTest::mouseClick(f.barra(3), Qt::LeftButton); }},
        Cambio{"Rueda",
               [](VentanaMetodo& f) {
                   QWheelEvent rueda(QPointF(5, 5), f.barra(5)->mapToGlobal(QPointF(5, 5)),
                                     QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                                     Qt::NoScrollPhase, false);
                   QCoreApplication::sendEvent(f.barra(5), &rueda);
               }},
        Cambio{"DobleClicEnLaLectura",
               [](VentanaMetodo& f) { QTest::mouseDClick(f.rotulo(4), Qt::LeftButton); }},
        Cambio{"PuntaArrastrada",
               [](VentanaMetodo& f) {
                   const diagram::Entrada v = PracticaDe(f).ejercicio()[0];
                   QTest::mousePress(f.Picture1(), Qt::LeftButton, {}, Punta(f, v.m, v.d));
                   QTest::mouseMove(f.Picture1(), Punta(f, v.m / 2.0, v.d + 30));
                   QTest::mouseRelease(f.Picture1(), Qt::LeftButton, {},
                                       Punta(f, v.m / 2.0, v.d + 30));
               }}),
    [](const testing::TestParamInfo<Cambio>& p) { return std::string(p.param.nombre); });

// Enter on the picture checks: Form3 shows the step its bar is set at, and the exercise is judged;
// then the bars move again.
TEST_F(ConAplicacion, EnterOnThePictureChecksAndFreesTheBars) {
    VentanaMetodo& f = Metodo("Form3");
    session::Practica& p = PracticaDe(f);
    p.Comenzar(11, practice::Nivel::Facil);
    EXPECT_EQ(f.barra(7)->value(), 4);
    ASSERT_TRUE(p.Adivinar(Correcto(f, practice::Form3())));
    QTest::keyClick(f.Picture1(), Qt::Key_Return);
    ASSERT_TRUE(p.veredicto());
    EXPECT_EQ(p.veredicto()->codigo, practice::Codigo::Acierto);
    EXPECT_EQ(f.dibujo()->paso, 4);
    const int antes = f.barra(4)->value();
    QTest::keyClick(f.barra(4), Qt::Key_Right);
    EXPECT_NE(f.barra(4)->value(), antes);
}

// The step bar is no vector's: any key that moves it reveals.
TEST_F(ConAplicacion, TheStepBarRevealsFromTheStartOfAnExercise) {
    VentanaMetodo& f = Metodo("Form3 7=1");
    session::Practica& p = PracticaDe(f);
    for (const Qt::Key tecla : {Qt::Key_Left, Qt::Key_Right, Qt::Key_PageUp, Qt::Key_PageDown,
                                Qt::Key_Home, Qt::Key_End}) {
        p.Comenzar(11, practice::Nivel::Facil);
        QTest::keyClick(f.barra(7), tecla);
        EXPECT_TRUE(p.revelado()) << tecla;
    }
}

// Until the reveal the axes keep the exercise's sum of magnitudes, rounded up to a step of 10,
// whatever the resultant; a dragged guess keeps the scale under the pointer until let go.
TEST_F(ConAplicacion, TheScaleHoldsUntilTheRevealAndDuringAGuessDrag) {
    VentanaMetodo& f = Metodo("Form2");
    session::Practica& p = PracticaDe(f);
    p.Comenzar(7, practice::Nivel::Medio);
    const double suma = practice::EscalaDelEjercicio(p.ejercicio(), std::nullopt);
    EXPECT_DOUBLE_EQ(f.dibujo()->Escala, suma);
    QTest::mousePress(f.Picture1(), Qt::LeftButton, {}, Punta(f, 0, 0));
    const QPoint fuera = Punta(f, suma * 1.2, 45);
    QTest::mouseMove(f.Picture1(), fuera);
    EXPECT_DOUBLE_EQ(f.dibujo()->Escala, suma);
    QTest::mouseRelease(f.Picture1(), Qt::LeftButton, {}, fuera);
    ASSERT_TRUE(p.intento());
    EXPECT_NEAR(p.intento()->r, suma * 1.2, 1);
    EXPECT_DOUBLE_EQ(f.dibujo()->Escala,
                     practice::EscalaDelEjercicio(p.ejercicio(), p.intento()->r));
    ASSERT_TRUE(p.Adivinar({suma + 15, 10}));
    EXPECT_DOUBLE_EQ(f.dibujo()->Escala, practice::EscalaDelEjercicio(p.ejercicio(), suma + 15));
    p.Comprobar();
    // Shown beside the answer, the guess is drawn whole at the picture's scale.
    EXPECT_DOUBLE_EQ(f.dibujo()->Escala, suma + 15);
    const std::vector<std::string> textos = Textos(f);
    EXPECT_EQ(std::find(textos.begin(), textos.end(), practice::NumeroDelIntento(suma + 15)),
              textos.end());
}

// "Comprobar" is in the picture's menu, with Enter.
TEST_F(ConAplicacion, TheMenuHasComprobar) {
    VentanaMetodo& f = Metodo("Form2");
    QAction* comprobar = CaraDe(f).accionComprobar();
    const QList<QMenu*> menus = f.findChildren<QMenu*>();
    EXPECT_TRUE(std::any_of(menus.begin(), menus.end(),
                            [&](const QMenu* m) { return m->actions().contains(comprobar); }));
    EXPECT_FALSE(comprobar->isEnabled());
    PracticaDe(f).Comenzar(7, practice::Nivel::Medio);
    EXPECT_TRUE(comprobar->isEnabled());
    EXPECT_TRUE(comprobar->shortcuts().contains(QKeySequence(Qt::Key_Return)));
    comprobar->trigger();
    EXPECT_TRUE(PracticaDe(f).revelado());
}

// «Camino» starts a path over the window's skills, and the menu gets a bar per skill, named by it,
// its right answers in a row out of three.
TEST_F(ConAplicacion, CaminoShowsABarPerSkill) {
    VentanaMetodo& f = Metodo("Form2");
    CaraDe(f).accionCamino()->trigger();
    ASSERT_TRUE(PracticaDe(f).camino());
    QStringList nombres;
    // The bars live in the menu's entry, outside the window until the menu shows them.
    for (QWidget* w : QApplication::allWidgets()) {
        const auto* b = qobject_cast<const QProgressBar*>(w);
        if (!b) continue;
        nombres << b->accessibleName();
        EXPECT_EQ(b->maximum(), 3);
        EXPECT_EQ(b->value(), 0);
    }
    nombres.sort();
    EXPECT_EQ(nombres, QStringList({"Paralelogramo (equilibrante)", "Paralelogramo (resultante)"}));
}

// On a path, a verdict that names a mistake, from the window's own button, offers its right
// construction step by step, the key C drawing each step with its caption; «¿Dónde está el
// error?» plants a mistake, its entries are the choices named in the user's language, and a wrong
// one chosen is told the planted one on the picture.
TEST_F(ConAplicacion, APathsMistakeOffersItsStepsAndWhereTheErrorIs) {
    VentanaMetodo& f = Metodo("Form2");
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    session::Practica& p = PracticaDe(f);
    QAction* paso = CaraDe(f).accionConstruccion();
    QMenu* error = CaraDe(f).menuDelError();
    p.ComenzarCamino(7, practice::Nivel::Medio);
    EXPECT_FALSE(paso->isEnabled());
    EXPECT_FALSE(error->menuAction()->isEnabled());
    ASSERT_TRUE(p.Adivinar({74.7, 350.4}));
    f.boton(1)->click();
    ASSERT_TRUE(paso->isEnabled());
    ASSERT_TRUE(error->menuAction()->isEnabled());
    ASSERT_GE(p.etapas().size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        QTest::keyClick(f.windowHandle(), Qt::Key_C);
        EXPECT_EQ(p.etapa(), i + 1);
        const std::vector<std::string> textos = Textos(f);
        EXPECT_NE(std::find(textos.begin(), textos.end(), p.Leyenda(p.etapas()[i])), textos.end());
    }
    emit error->aboutToShow();
    ASSERT_TRUE(p.plantado());
    const auto& opciones = p.plantado()->opciones;
    ASSERT_EQ(error->actions().size(), static_cast<qsizetype>(opciones.size()));
    const auto plantado = std::find(opciones.begin(), opciones.end(), p.plantado()->codigo);
    ASSERT_NE(plantado, opciones.end());
    const QString nombre = error->actions().at(plantado - opciones.begin())->text();
    // A wrong choice, told the planted one by name.
    QAction* elegida = error->actions().at(plantado == opciones.begin() ? 1 : 0);
    elegida->trigger();
    const std::string respuesta =
        QStringLiteral("No: el error es %1, no %2.").arg(nombre, elegida->text()).toStdString();
    const std::vector<std::string> textos = Textos(f);
    EXPECT_TRUE(std::any_of(textos.begin(), textos.end(),
                            [&](const std::string& t) { return t.starts_with(respuesta); }));
    // Other vectors end the steps, and their key with them.
    f.barra(1)->setValue(f.barra(1)->value() == 50 ? 51 : 50);
    EXPECT_FALSE(paso->isEnabled());
}

// «Camino por todas las ventanas» goes on in the window of each exercise, shown alone and active,
// its menu saying which path it is on, with a bar for every skill; the state its entries leave
// resumes the same exercise in a later run.
TEST(CaminoPorTodas, GoesOnInTheNextExercisesWindowAndResumesInALaterRun) {
    QStandardPaths::setTestModeEnabled(true);
    Ajustes().clear();
    Ajustes().setValue(QStringLiteral("practica/alumno"), QStringLiteral("Ana"));
    // As on screen, remembering, chosen in Form2's menu; the one method window shown then.
    const auto caminar = [](Aplicacion& app) {
        app.setDialogos(std::make_unique<DialogosFijos>());
        app.IniciarEnPantalla();
        app.setRegistro(QString());
        app.form1().boton(1)->click();
        CaraDe(static_cast<VentanaMetodo&>(*app.ventana(QStringLiteral("Form2"))))
            .accionCaminoPorTodas()
            ->trigger();
    };
    const auto mostrada = [](const Aplicacion& app) {
        std::vector<VentanaMetodo*> v;
        for (Ventana* w : app.ventanas())
            if (w && w->isVisible() && qobject_cast<VentanaMetodo*>(w))
                v.push_back(static_cast<VentanaMetodo*>(w));
        EXPECT_EQ(v.size(), 1u);
        return v.empty() ? nullptr : v[0];
    };
    QString ventana;
    practice::Ejercicio ejercicio;
    {
        Aplicacion app;
        caminar(app);
        VentanaMetodo* const antes = mostrada(app);
        VentanaMetodo* v = antes;
        for (int i = 0; i < 12 && v && v == antes; ++i) {
            CaraDe(*v).accionOtro()->trigger();
            v = mostrada(app);
        }
        ASSERT_TRUE(v && v != antes);
        EXPECT_TRUE(QTest::qWaitForWindowActive(v));
        EXPECT_TRUE(CaraDe(*v).accionCaminoPorTodas()->isChecked());
        EXPECT_FALSE(CaraDe(*v).accionCamino()->isChecked());
        int barras = 0;
        for (QWidget* w : QApplication::allWidgets())
            barras += qobject_cast<QProgressBar*>(w) != nullptr;
        EXPECT_EQ(barras, static_cast<int>(practice::Destrezas().size()));
        ventana = v->nombre();
        ejercicio = PracticaDe(*v).ejercicio();
    }
    Aplicacion app;
    caminar(app);
    VentanaMetodo* v = mostrada(app);
    ASSERT_TRUE(v);
    EXPECT_EQ(v->nombre(), ventana);
    EXPECT_EQ(PracticaDe(*v).ejercicio(), ejercicio);
    Ajustes().clear();
}

// On screen the first practice of a run asks the student's name, once for both windows, whether
// practice is chosen or the program opens practising (--practica); control characters typed or
// pasted into it are dropped.
class NombreDelAlumno : public testing::TestWithParam<bool> {};

TEST_P(NombreDelAlumno, AskedOnceARunWithoutControlCharacters) {
    const bool alAbrir = GetParam();
    QStandardPaths::setTestModeEnabled(true);
    Ajustes().clear();
    session::Sesion sesion;
    sesion.Iniciar();
    sesion.Ejecutar(session::comandos::Pulsar{
        *session::FormularioDe("Form1"),
        *session::ControlDe(*session::FormularioDe("Form1"), "Command1")});
    ControlVistas vistas;
    VentanaMetodo f2(sesion, *sesion.metodo("Form2"), vistas);
    AjustesDePractica ajustes;
    ajustes.recuerda = true;
    DialogosFijos dialogos;
    dialogos.nombre = QStringLiteral("Ana\x1b[2J\n");
    const auto empezar = [alAbrir](Practica& p) {
        alAbrir ? p.EmpezarAlAbrir() : p.accionPracticar()->trigger();
        QCoreApplication::processEvents();
    };
    Practica p2(f2, ajustes, dialogos);
    empezar(p2);
    EXPECT_EQ(dialogos.preguntas.size(), 1);
    EXPECT_EQ(Ajustes().value(QStringLiteral("practica/alumno")).toString(),
              QStringLiteral("Ana[2J"));
    sesion.Ejecutar(session::comandos::Pulsar{
        *session::FormularioDe("Form2"),
        *session::ControlDe(*session::FormularioDe("Form2"), "Command2")});
    sesion.Ejecutar(session::comandos::Pulsar{
        *session::FormularioDe("Form1"),
        *session::ControlDe(*session::FormularioDe("Form1"), "Command2")});
    VentanaMetodo f3(sesion, *sesion.metodo("Form3"), vistas);
    Practica p3(f3, ajustes, dialogos);
    empezar(p3);
    EXPECT_EQ(dialogos.preguntas.size(), 1);
    Ajustes().clear();
}

INSTANTIATE_TEST_SUITE_P(Practicar, NombreDelAlumno, testing::Bool(), [](const auto& info) {
    return std::string(info.param ? "AlAbrir" : "ConLaTeclaP");
});

// Every exercise leaves its line in the record: one left for another and one revealed with no
// guess too.
TEST_F(ConAplicacion, EveryExerciseLeavesItsLineInTheRecord) {
    QTemporaryDir carpeta;
    app.setRegistro(carpeta.filePath(QStringLiteral("registro.csv")));
    VentanaMetodo& f = Metodo("Form2");
    PracticaDe(f).Comenzar(7, practice::Nivel::Medio);
    CaraDe(f).accionOtro()->trigger();
    CaraDe(f).accionComprobar()->trigger();
    QFile registro(app.registro());
    ASSERT_TRUE(registro.open(QIODevice::ReadOnly));
    const QList<QByteArray> lineas = registro.readAll().split('\n');
    // The header, the exercise left, the one revealed, and the last line break.
    ASSERT_EQ(lineas.size(), 4);
    EXPECT_TRUE(lineas[1].endsWith(",saltado,,,resultante"));
    EXPECT_TRUE(lineas[2].endsWith(",sin-respuesta,,,resultante"));
}

// "Guardar resultados…" offers a CSV file named after the student and the day, so that a class's
// copies do not overwrite one another, and writes a copy of the record there.
TEST_F(ConAplicacion, SavedResultsAreACopyOfTheRecord) {
    auto* dialogos = new DialogosFijos;
    app.setDialogos(std::unique_ptr<Dialogos>(dialogos));
    QTemporaryDir carpeta;
    app.setRegistro(carpeta.filePath(QStringLiteral("registro.csv")));
    dialogos->ruta = carpeta.filePath(QStringLiteral("copia.csv"));
    VentanaMetodo& f = Metodo("Form2");
    app.sesion().PonerAlumno("Ana Pérez");
    PracticaDe(f).Comenzar(7, practice::Nivel::Medio);
    ASSERT_TRUE(PracticaDe(f).Adivinar({50, 0}));
    f.boton(1)->click();
    AccionesDelDibujo::De(f).practica().accionGuardar()->trigger();
    EXPECT_EQ(dialogos->ofrecido,
              QStringLiteral("Ana_Pérez-%1.csv").arg(QDate::currentDate().toString(Qt::ISODate)));
    QFile registro(app.registro()), copia(dialogos->ruta);
    ASSERT_TRUE(registro.open(QIODevice::ReadOnly) && copia.open(QIODevice::ReadOnly));
    const QByteArray bytes = copia.readAll();
    EXPECT_EQ(bytes.count('\n'), 2);
    EXPECT_EQ(bytes, registro.readAll());
    EXPECT_TRUE(dialogos->avisos.isEmpty());
}

// With both of the guess's values typed, Enter in r or α checks it, as on the picture; with one,
// it waits for the other.
TEST_F(ConAplicacion, EnterInTheReadOutsChecksAWholeGuess) {
    VentanaMetodo& f = Metodo("Form2");
    session::Practica& p = PracticaDe(f);
    p.Comenzar(7, practice::Nivel::Medio);
    for (auto [lectura, texto] : {std::pair{10, "42"}, std::pair{12, "30"}}) {
        f.rotulo(lectura)->setFocus();
        for (const char c : std::string(texto))
            QTest::keyClicks(f.focusWidget(), QString(QChar(c)));
        QTest::keyClick(f.focusWidget(), Qt::Key_Return);
        ASSERT_EQ(f.focusWidget(), f.rotulo(lectura));
        if (lectura == 10) {
            QTest::keyClick(f.rotulo(10), Qt::Key_Return);
            EXPECT_FALSE(p.revelado());
        }
    }
    QTest::keyClick(f.rotulo(12), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(p.revelado());
    EXPECT_EQ(p.veredicto().has_value(), true);
}

// α's read-out is near the window's right edge: the hint of a refused value is read whole.
TEST_F(ConAplicacion, TheHintOfARefusedDirectionIsWithinTheWindow) {
    VentanaMetodo& f = Metodo("Form2");
    PracticaDe(f).Comenzar(7, practice::Nivel::Medio);
    f.rotulo(12)->setFocus();
    for (const QChar c : QStringLiteral("400")) QTest::keyClicks(f.focusWidget(), QString(c));
    QTest::keyClick(f.focusWidget(), Qt::Key_Return);
    auto* editor = qobject_cast<EditorDeValor*>(f.focusWidget());
    ASSERT_TRUE(editor && editor->pista() && editor->pista()->isVisible());
    EXPECT_TRUE(f.rect().contains(editor->pista()->geometry()))
        << editor->pista()->geometry().right() << " > " << f.rect().right();
}

// While an exercise waits there is nothing to undo, and the menu says so; once checked, undo takes
// a moved bar back as far as the exercise's value.
TEST_F(ConAplicacion, UndoIsOffWhileAnExerciseWaits) {
    VentanaMetodo& f = Metodo("Form2 1=50");
    QAction* deshacer = AccionesDelDibujo::De(f).accionDeshacer();
    QMenu* menu = nullptr;
    for (QMenu* m : f.findChildren<QMenu*>())
        if (m->actions().contains(deshacer)) menu = m;
    ASSERT_TRUE(menu);
    const auto habilitado = [&] {
        menu->popup(f.mapToGlobal(QPoint(0, 0)));
        const bool si = deshacer->isEnabled();
        menu->close();
        return si;
    };
    EXPECT_TRUE(habilitado());
    PracticaDe(f).Comenzar(7, practice::Nivel::Medio);
    EXPECT_FALSE(habilitado());
    CaraDe(f).accionComprobar()->trigger();
    EXPECT_FALSE(habilitado());
    const int ejercicio = f.barra(1)->value();
    f.barra(1)->setValue(ejercicio == 50 ? 51 : 50);
    EXPECT_TRUE(habilitado());
    deshacer->trigger();
    EXPECT_EQ(f.barra(1)->value(), ejercicio);
}

}  // namespace
}  // namespace trazalia::app
