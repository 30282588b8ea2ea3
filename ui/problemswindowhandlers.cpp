#include "ui/problemswindowhandlers.h"

namespace velmora {

// Stubs until the behaviour is written.
ProblemsWindowHandlers::ProblemsWindowHandlers(ProblemsWindow& window)
    : window_(window), flow_(loadedFlowState()), chart_(window)
{
}

void ProblemsWindowHandlers::solveClicked() {}
void ProblemsWindowHandlers::solveDuctClicked() {}
void ProblemsWindowHandlers::chartClicked(double, double) {}
void ProblemsWindowHandlers::clicked(const Control&, double, double) {}

KeyResponse ProblemsWindowHandlers::keyPressed(Key key, const Control& focused) const
{
    return responseTo(key, kindOf(focused));
}

} // namespace velmora
