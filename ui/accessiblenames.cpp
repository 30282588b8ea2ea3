#include "ui/accessiblenames.h"

#include "ui/qttext.h"

#include <QWidget>

#include <string_view>

namespace velmora {

namespace {

struct AccessibleText {
    std::string_view control;
    std::string_view name;
    std::string_view description; // empty: none
};

constexpr AccessibleText accessibleTexts[] = {
    {"Text_gama", "Ratio of specific heats γ", ""},
    {"Text_Msub", "Mach number",
     "The Mach number to calculate from; in the 4fL*/D mode, the subsonic solution"},
    {"Text_Msup", "Supersonic Mach number", "The supersonic solution in the 4fL*/D mode"},
    {"Text_FLD4", "Friction parameter 4fL*/D", ""},
    {"Text_TTstar", "Temperature ratio T/T*", ""},
    {"Text_PPstar", "Pressure ratio p/p*", ""},
    {"Text_RoRostar", "Density ratio ρ/ρ*", ""},
    {"Text_PoPostar", "Stagnation pressure ratio p0/p0*", ""},
    {"Picture1", "4fL*/D against Mach number", ""}, // the chart describes itself as it changes
};

} // namespace

void nameForAssistiveTechnology(const MainWindowControls& controls)
{
    for (const AccessibleText& t : accessibleTexts) {
        QWidget* control = controls.named(t.control);
        control->setAccessibleName(fromUtf8(t.name));
        control->setToolTip(fromUtf8(t.name));
        if (!t.description.empty())
            control->setAccessibleDescription(fromUtf8(t.description));
    }
}

} // namespace velmora
