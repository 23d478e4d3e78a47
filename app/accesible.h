#pragma once

#include <QString>

namespace trazalia::canvas {
class Picture;
}

namespace trazalia::app {

// Makes screen readers present the drawing areas and the emblem as pictures, which they read
// with their description, instead of as empty panels. Safe to call more than once.
void InstalarAccesibilidad();

// The scale as the axes of the picture show it ("141.42"), or empty when it has no axes.
QString EscalaDelDibujo(const canvas::Picture& picture);

}  // namespace trazalia::app
