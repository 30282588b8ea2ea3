#include "ui/accessiblenames.h"

#include <initializer_list>

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

constexpr AccessibleText problemsTexts[] = {
    {ProblemsBox::Text_gama, "Ratio of specific heats γ", ""},
    {Choice::Combo_Known, "Known quantity", ""},
    {ProblemsBox::Text_Known, "Known value", ""},
    {ProblemsBox::Text_M, "M", ""},
    {ProblemsBox::Text_FLD4, "4fL*/D", ""},
    {ProblemsBox::Text_TTstar, "T/T*", ""},
    {ProblemsBox::Text_PPstar, "p/p*", ""},
    {ProblemsBox::Text_RoRostar, "ρ/ρ*", ""},
    {ProblemsBox::Text_VVstar, "V/V*", ""},
    {ProblemsBox::Text_PoPostar, "p0/p0*", ""},
    {ProblemsBox::Text_Entropy, "(s*-s)/R", ""},
    {ProblemsBox::Text_M1, "Inlet Mach number M1", ""},
    {ProblemsBox::Text_FLD4duct, "Duct 4fL/D", ""},
    {ProblemsBox::Text_M2, "M2", ""},
    {ProblemsBox::Text_P2P1, "p2/p1", ""},
    {ProblemsBox::Text_T2T1, "T2/T1", ""},
    {ProblemsBox::Text_Ro2Ro1, "ρ2/ρ1", ""},
    {ProblemsBox::Text_V2V1, "V2/V1", ""},
    {ProblemsBox::Text_Po2Po1, "p02/p01", ""},
    {ProblemsBox::Text_EntropyRise, "(s2-s1)/R", ""},
    {ProblemsBox::Text_FLD4longest, "Longest duct 4fL*/D", ""},
    {ProblemsPicture::Picture1, "4fL*/D against Mach number", ""}, // described as it changes
};

} // namespace

std::span<const AccessibleText> accessibleTexts() { return texts; }
std::span<const AccessibleText> problemsAccessibleTexts() { return problemsTexts; }

const AccessibleText* accessibleTextOf(const Control& control)
{
    for (const std::span<const AccessibleText> list : {accessibleTexts(), problemsAccessibleTexts()})
        for (const AccessibleText& t : list)
            if (t.control == control)
                return &t;
    return nullptr;
}

} // namespace velmora
