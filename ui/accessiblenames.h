#pragma once

#include "ui/controls.h"

#include <span>
#include <string_view>

namespace velmora {

// The names (and descriptions where a name is not enough) that the main window's boxes
// and chart give screen readers, in the words a student would use: "Po/Po*" is read out
// as "Stagnation pressure ratio p0/p0*". The desktop shows the same names as hover help.
// The options and the button keep their captions as names.
struct AccessibleText {
    Control control;
    std::string_view name;
    std::string_view description; // empty: none
};

[[nodiscard]] std::span<const AccessibleText> accessibleTexts();
// The problems window's: each box and the choice named by its caption, each result box by
// its quantity; its buttons keep their captions.
[[nodiscard]] std::span<const AccessibleText> problemsAccessibleTexts();
// control's names, in either window, or null when it keeps its caption as its name.
[[nodiscard]] const AccessibleText* accessibleTextOf(const Control& control);

} // namespace velmora
