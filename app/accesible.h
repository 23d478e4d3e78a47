#pragma once

namespace trazalia::app {

// Makes screen readers present the drawing areas and the emblem as pictures, which they read
// with their description, instead of as empty panels. Safe to call more than once.
void InstalarAccesibilidad();

}  // namespace trazalia::app
