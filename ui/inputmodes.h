#pragma once

#include "ui/mainwindowcontrols.h"

#include <optional>

namespace velmora {

// The two input modes; each is the id of its option button in controls.inputModes.
enum class InputMode {
    Mach,     // Option_M: a Mach number is typed into Text_Msub
    Friction, // Option_FLD4: a 4fL*/D is typed into Text_FLD4
};

// Puts the two option buttons into controls.inputModes: one exclusive group, owned by
// the options' frame, whose button ids are the modes.
void groupInputModes(MainWindowControls& controls);

// The mode whose option is selected; none until the user chooses one.
[[nodiscard]] std::optional<InputMode> selectedInputMode(const MainWindowControls& controls);

// Prepares the results frame for a mode: only the label and box of the quantity to type
// are shown, that box is white and cleared to a single space, the other boxes are light
// grey, and the button asks for input. Computes nothing.
void applyInputMode(const MainWindowControls& controls, InputMode mode);

} // namespace velmora
