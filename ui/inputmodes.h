#pragma once

#include "ui/mainwindow.h"

namespace velmora {

// The two input modes, each chosen with its option button:
//   Option_M     a Mach number is typed into Text_Msub
//   Option_FLD4  a 4fL*/D is typed into Text_FLD4
//
// Prepares the results frame for the mode of option: only the label and box of the
// quantity to type are shown, that box is white and cleared to a single space, the other
// boxes are light grey, and the button asks for input. Computes nothing.
void applyInputMode(MainWindow& window, Option option);

} // namespace velmora
