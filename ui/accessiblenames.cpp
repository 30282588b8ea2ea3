#include "ui/accessiblenames.h"

#include "ui/qttext.h"

#include <QWidget>

#include <string_view>

namespace velmora {

namespace {

using Controls = MainWindowControls;

struct AccessibleText {
    ControlMember control;
    std::string_view name;
    std::string_view description; // empty: none
};

constexpr AccessibleText accessibleTexts[] = {
    {control<&Controls::Text_gama>, "Ratio of specific heats γ", ""},
    {control<&Controls::Text_Msub>, "Mach number",
     "The Mach number to calculate from; in the 4fL*/D mode, the subsonic solution"},
    {control<&Controls::Text_Msup>, "Supersonic Mach number", "The supersonic solution in the 4fL*/D mode"},
    {control<&Controls::Text_FLD4>, "Friction parameter 4fL*/D", ""},
    {control<&Controls::Text_TTstar>, "Temperature ratio T/T*", ""},
    {control<&Controls::Text_PPstar>, "Pressure ratio p/p*", ""},
    {control<&Controls::Text_RoRostar>, "Density ratio ρ/ρ*", ""},
    {control<&Controls::Text_PoPostar>, "Stagnation pressure ratio p0/p0*", ""},
    {control<&Controls::Picture1>, "4fL*/D against Mach number",
     ""}, // the chart describes itself as it changes
};

} // namespace

void nameForAssistiveTechnology(const MainWindowControls& controls)
{
    for (const AccessibleText& t : accessibleTexts) {
        QWidget* control = t.control(controls);
        control->setAccessibleName(fromUtf8(t.name));
        control->setToolTip(fromUtf8(t.name));
        if (!t.description.empty())
            control->setAccessibleDescription(fromUtf8(t.description));
    }
}

} // namespace velmora
