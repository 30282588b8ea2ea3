#pragma once

#include "ui/mainwindowcontrols.h"

namespace velmora {

enum class InputMode {
    Mach,     // Option_M: a Mach number is typed into Text_Msub
    Friction, // Option_FLD4: a 4fL*/D is typed into Text_FLD4
};

// Prepares the results frame for a mode: only the label and box of the quantity to type
// are shown, that box is white and cleared to a single space, the other boxes are light
// grey, and the button asks for input. Computes nothing.
void applyInputMode(const MainWindowControls& controls, InputMode mode);

} // namespace velmora
