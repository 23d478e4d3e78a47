// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace trazalia::app {

class Ventana;

// Esc on that window, from now on: full screen, it leaves full screen; out of it, a method window
// goes back to the start window. Once for a window, however often it is asked.
void ResponderAEsc(Ventana& ventana);

}  // namespace trazalia::app
