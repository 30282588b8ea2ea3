#include "ui/accessiblenames.h"

namespace velmora {

namespace {

constexpr AccessibleText texts[] = {
    {Box::Text_gama, "Ratio of specific heats γ", ""},
    {Box::Text_Msub, "Mach number",
     "The Mach number to calculate from; in the 4fL*/D mode, the subsonic solution"},
    {Box::Text_Msup, "Supersonic Mach number", "The supersonic solution in the 4fL*/D mode"},
    {Box::Text_FLD4, "Friction parameter 4fL*/D", ""},
    {Box::Text_TTstar, "Temperature ratio T/T*", ""},
    {Box::Text_PPstar, "Pressure ratio p/p*", ""},
    {Box::Text_RoRostar, "Density ratio ρ/ρ*", ""},
    {Box::Text_PoPostar, "Stagnation pressure ratio p0/p0*", ""},
    {Picture::Picture1, "4fL*/D against Mach number", ""}, // the chart describes itself as it changes
};

} // namespace

std::span<const AccessibleText> accessibleTexts() { return texts; }

const AccessibleText* accessibleTextOf(const Control& control)
{
    for (const AccessibleText& t : texts)
        if (t.control == control)
            return &t;
    return nullptr;
}

} // namespace velmora
