#include "flow/fanno.h"

#include "text/numbertext.h"
#include "text/systemtexts.h"

#include <cmath>

namespace velmora {

void FlowState::set_gama(double g)
{
    gama = g;
    gm1 = g - 1.0;
    gp1 = g + 1.0;
    cFLD4 = (gp1 / 2.0) / g;
    expP0 = (gp1 / 2.0) / gm1;
}

void FlowState::oranlar(const double& M)
{
    if (!(M > 0.0))
        return;
    const double M2 = M * M;
    // γ − 1 and γ + 1 are formed afresh from gama here, not read from gm1 and gp1:
    // for γ = 1.3 that is what puts T/T* at M = 2 just below 0.71875.
    const double D = 2.0 + (gama - 1.0) * M2;
    TTstar = (gama + 1.0) / D;
    PPstar = std::sqrt(TTstar) / M;
    RoRostar = (1.0 / std::sqrt(TTstar)) / M;
    PoPostar = std::pow(D / gp1, expP0) / M;
}

double FlowState::FLD4_for_M(const double& M) const
{
    const double M2 = M * M;
    const double D = 2.0 + (gama - 1.0) * M2;
    const double L = std::log((gp1 * M2) / D);
    const double B = cFLD4 * L;
    const double A = ((1.0 - M2) / gama) / M2;
    return B + A;
}

FlowState loadedFlowState()
{
    FlowState state;
    state.set_gama(leadingNumber(initialGamaText));
    return state;
}

} // namespace velmora
