#include "ui/problemswindowhandlers.h"

#include "flow/fannoproblems.h"
#include "text/numbertext.h"
#include "text/systemtexts.h"
#include "ui/accessiblenames.h"
#include "ui/controltable.h"
#include "ui/placement.h"
#include "ui/problemmessages.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <string>
#include <variant>

namespace velmora {

namespace {

// Each section's result boxes, in the order they are written and read out, with the
// field of the solution each shows.
template <class Solution> struct ResultBox {
    ProblemsBox box;
    double Solution::*field;
};
using StateResult = ResultBox<FannoQuantities>;
using DuctResult = ResultBox<DuctSolution>;

constexpr StateResult stateResults[] = {
    {ProblemsBox::Text_M, &FannoQuantities::M},
    {ProblemsBox::Text_FLD4, &FannoQuantities::FLD4},
    {ProblemsBox::Text_TTstar, &FannoQuantities::TTstar},
    {ProblemsBox::Text_PPstar, &FannoQuantities::PPstar},
    {ProblemsBox::Text_RoRostar, &FannoQuantities::RoRostar},
    {ProblemsBox::Text_VVstar, &FannoQuantities::VVstar},
    {ProblemsBox::Text_PoPostar, &FannoQuantities::PoPostar},
    {ProblemsBox::Text_Entropy, &FannoQuantities::entropy},
};

constexpr DuctResult ductResults[] = {
    {ProblemsBox::Text_M2, &DuctSolution::M2},
    {ProblemsBox::Text_P2P1, &DuctSolution::P2P1},
    {ProblemsBox::Text_T2T1, &DuctSolution::T2T1},
    {ProblemsBox::Text_Ro2Ro1, &DuctSolution::Ro2Ro1},
    {ProblemsBox::Text_V2V1, &DuctSolution::V2V1},
    {ProblemsBox::Text_Po2Po1, &DuctSolution::Po2Po1},
    {ProblemsBox::Text_EntropyRise, &DuctSolution::entropyRise},
    {ProblemsBox::Text_FLD4longest, &DuctSolution::longestFLD4},
};

double read(const ProblemsWindow& window, ProblemsBox box) { return leadingNumber(window.text(box)); }

void write(ProblemsWindow& window, ProblemsBox box, double value)
{
    window.setText(box, resultText(value, window.decimalSeparator()));
}

template <class Result> void clear(ProblemsWindow& window, std::span<const Result> results)
{
    for (const Result& result : results)
        window.setText(result.box, "");
}

// The results are read out once, together, as the main window's: "M 0.4849, 4fL*/D 1.2, ...".
template <class Result> void announce(ProblemsWindow& window, std::span<const Result> results)
{
    std::string words;
    for (const Result& result : results)
        words += (words.empty() ? "" : ", ") + std::string(accessibleTextOf(result.box)->name) + " " +
                 window.text(result.box);
    window.announce(words);
}

// γ as the main window reads it; the gas keeps its γ when the box holds none above 1.
bool readGama(ProblemsWindow& window, FlowState& flow)
{
    const double gama = read(window, ProblemsBox::Text_gama);
    if (!(gama > 1.0) || !std::isfinite(gama)) {
        window.messenger().showMessage(gammaMustExceedOne);
        return false;
    }
    flow.set_gama(gama);
    return true;
}

} // namespace

ProblemsWindowHandlers::ProblemsWindowHandlers(ProblemsWindow& window)
    : window_(window), flow_(loadedFlowState()), chart_(window)
{
}

// Every result box is emptied first, so that a solve that ends with a message leaves none
// from the one before.
void ProblemsWindowHandlers::solveClicked()
{
    clear<StateResult>(window_, stateResults);
    if (!readGama(window_, flow_))
        return;
    const std::span<const KnownQuantityEntry> entries = knownQuantityEntries();
    const KnownQuantityEntry& entry = entries[std::min(window_.knownEntry(), entries.size() - 1)];
    const double value = read(window_, ProblemsBox::Text_Known);

    const MachSolution solution = machFor(entry.known, value, flow_.gama);
    if (solution.end == MachEnd::OutsideRange && std::isfinite(value)) {
        window_.messenger().showMessage(outsideRangeMessage(entry.text, rangeOf(entry.known, flow_.gama),
                                                            flow_.gama, window_.decimalSeparator()));
        return;
    }
    if (solution.end != MachEnd::Found) {
        window_.messenger().showMessage(noFiniteResult);
        return;
    }

    const FannoQuantities q = fannoQuantities(flow_.gama, solution.M);
    for (const StateResult& result : stateResults)
        write(window_, result.box, q.*result.field);
    chart_.draw(flow_);
    chart_.mark(q.M, q.FLD4);
    announce<StateResult>(window_, stateResults);
}

void ProblemsWindowHandlers::solveDuctClicked()
{
    clear<DuctResult>(window_, ductResults);
    if (!readGama(window_, flow_))
        return;
    Messenger& messenger = window_.messenger();
    const double M1 = read(window_, ProblemsBox::Text_M1);
    const double FLD4duct = read(window_, ProblemsBox::Text_FLD4duct);
    if (!(M1 > 0.0)) {
        messenger.showMessage(inletMachMustBePositive);
        return;
    }
    if (FLD4duct < 0.0) {
        messenger.showMessage(ductFrictionMustNotBeNegative);
        return;
    }

    const DuctSolution duct = solveDuct(flow_.gama, M1, FLD4duct);
    if (duct.end == DuctEnd::NoFiniteResult) {
        messenger.showMessage(noFiniteResult);
        return;
    }
    // The longest duct belongs to the inlet, and stands even when this one is longer.
    write(window_, ProblemsBox::Text_FLD4longest, duct.longestFLD4);
    chart_.draw(flow_);
    chart_.mark(M1, duct.longestFLD4);
    if (duct.end == DuctEnd::Chokes) {
        messenger.showMessage(ductChokesMessage(M1, duct.longestFLD4, window_.decimalSeparator()));
        return;
    }
    for (const DuctResult& result : ductResults)
        write(window_, result.box, duct.*result.field);
    chart_.mark(duct.M2, flow_.FLD4_for_M(duct.M2));
    announce<DuctResult>(window_, ductResults);
}

// As the main window's chart: the caption takes the clicks on it, and the chart redraws
// with the γ last stored, marking the sonic point.
void ProblemsWindowHandlers::chartClicked(double x, double y)
{
    if (chart_.drawn() && chartCaptionPlace(problemsWindowControls()).contains(x, y))
        return;
    chart_.draw(flow_);
    chart_.mark(1.0, 0.0);
}

void ProblemsWindowHandlers::clicked(const Control& control, double x, double y)
{
    if (control == Control(ProblemsButton::Command_Solve))
        solveClicked();
    else if (control == Control(ProblemsButton::Command_SolveDuct))
        solveDuctClicked();
    else if (std::holds_alternative<ProblemsPicture>(control))
        chartClicked(x, y);
}

KeyResponse ProblemsWindowHandlers::keyPressed(Key key, const Control& focused) const
{
    return responseTo(key, kindOf(focused));
}

} // namespace velmora
