// SPDX-License-Identifier: GPL-3.0-or-later
// The path measured on simulated students against plain practice in random order. Each student
// holds one misconception, makes that mistake whenever an exercise shows it and answers right
// otherwise; after each mistake an explanation drops it with probability kQ. Both orders give the
// explanation alike and count mastery alike (Progreso); random order draws each skill uniformly
// and brings no mistake back. Exercises come from a pool drawn once per skill, with the mistakes
// each shows (Muestra), so that the run takes seconds. The misconception is looked for after the
// same budget of exercises in both orders, and again when every skill was first mastered. Prints
// its table at every run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <iomanip>
#include <iostream>
#include <random>
#include <vector>

#include "practice/camino.h"

namespace trazalia::practice {
namespace {

constexpr int kAlumnos = 1000;
constexpr int kTope = 200;        // exercises before a student counts as never mastering all
constexpr int kPresupuesto = 30;  // where the misconception is looked for, in both orders
constexpr double kQ = 0.3;
constexpr int kPoza = 200;
constexpr Nivel kNivel = Nivel::Medio;

struct Poza {
    std::vector<std::vector<Errores>> ejercicios;  // [skill][exercise]
    Poza() {
        for (const Destreza& d : Destrezas()) {
            Generador g(99, kNivel, d.ventana);
            ejercicios.emplace_back();
            for (int k = 0; k < kPoza; ++k)
                ejercicios.back().push_back(Muestra(d.ventana, Siguiente(g, d)));
        }
    }
};

struct Medida {
    std::vector<int> pasos;  // to master every skill, for those who did
    int nunca = 0;           // never within kTope
    int presentes = 0;       // still holding the misconception after kPresupuesto exercises
    int alDominar = 0;       // still holding it when every skill was mastered
    double Media() const {
        double s = static_cast<double>(nunca) * kTope;
        for (int p : pasos) s += p;
        return s / kAlumnos;
    }
    int Mediana() {
        std::vector<int> todos = pasos;
        todos.insert(todos.end(), static_cast<std::size_t>(nunca), kTope);
        std::nth_element(todos.begin(), todos.begin() + kAlumnos / 2, todos.end());
        return todos[kAlumnos / 2];
    }
};

Medida Simular(const Poza& poza, Codigo error, bool camino) {
    const auto bit = static_cast<std::size_t>(error);
    const std::size_t n = Destrezas().size();
    Medida m;
    for (int a = 0; a < kAlumnos; ++a) {
        Progreso progreso(static_cast<std::uint32_t>(a + 1), kNivel);
        std::mt19937 motor(static_cast<std::uint32_t>(a * 16 + static_cast<int>(error)));
        const auto indice = [&](std::size_t k) {
            return static_cast<std::size_t>((static_cast<std::uint64_t>(motor()) * k) >> 32);
        };
        bool presente = true;
        int dominio = 0;
        for (int t = 1; t <= kTope && (dominio == 0 || t <= kPresupuesto); ++t) {
            const Plan plan =
                camino ? progreso.Planificar() : Plan{indice(n), std::nullopt, std::nullopt};
            const std::vector<Errores>& candidatos = poza.ejercicios[plan.destreza];
            // A due mistake's exercise, or one the streak is to show: one of those that show it,
            // as the path draws until one does.
            std::vector<std::size_t> muestran;
            if (const std::optional<Codigo> buscado = plan.Buscado())
                for (std::size_t k = 0; k < candidatos.size(); ++k)
                    if (candidatos[k][static_cast<std::size_t>(*buscado)]) muestran.push_back(k);
            const Errores& e = muestran.empty() ? candidatos[indice(candidatos.size())]
                                                : candidatos[muestran[indice(muestran.size())]];
            const bool falla = presente && e[bit];
            if (falla && indice(1000) < kQ * 1000) presente = false;
            progreso.Anotar(plan, falla ? error : Codigo::Acierto, e);
            if (t == kPresupuesto && presente) ++m.presentes;
            if (dominio == 0 && progreso.TodasDominadas()) dominio = t, m.alDominar += presente;
        }
        if (dominio == 0)
            ++m.nunca;
        else
            m.pasos.push_back(dominio);
    }
    return m;
}

TEST(AlumnosEnCamino, ElCaminoGanaAlOrdenAlAzar) {
    const Poza poza;
    std::cout << kAlumnos << " students per misconception, q = " << kQ << ", level "
              << Nombre(kNivel) << "; exercises to master every skill (never: not within " << kTope
              << "), students holding the misconception after " << kPresupuesto
              << " exercises and when every skill was mastered\n"
              << "misconception                  path: mean median never held held@mastery"
              << " | random: mean median never held held@mastery\n";
    int presentesCamino = 0, presentesAzar = 0;
    for (const Codigo error : kErrores) {
        bool posible = false;
        for (const auto& ejercicios : poza.ejercicios)
            for (const Errores& e : ejercicios)
                posible = posible || e[static_cast<std::size_t>(error)];
        if (!posible) continue;
        Medida camino = Simular(poza, error, true);
        Medida azar = Simular(poza, error, false);
        std::cout << std::setw(34) << std::left << Nombre(error) << std::right << std::fixed
                  << std::setprecision(1) << std::setw(6) << camino.Media() << std::setw(7)
                  << camino.Mediana() << std::setw(6) << camino.nunca << std::setw(9)
                  << camino.presentes << std::setw(8) << camino.alDominar << " | " << std::setw(12)
                  << azar.Media() << std::setw(7) << azar.Mediana() << std::setw(6) << azar.nunca
                  << std::setw(9) << azar.presentes << std::setw(8) << azar.alDominar << '\n';
        EXPECT_LT(camino.Media(), azar.Media()) << Nombre(error);
        EXPECT_LE(camino.nunca, azar.nunca) << Nombre(error);
        EXPECT_LE(camino.presentes, azar.presentes) << Nombre(error);
        // A streak that masters a skill has shown each mistake its exercises can show.
        EXPECT_EQ(camino.alDominar, 0) << Nombre(error);
        presentesCamino += camino.presentes;
        presentesAzar += azar.presentes;
    }
    EXPECT_LT(presentesCamino, presentesAzar);
}

}  // namespace
}  // namespace trazalia::practice
