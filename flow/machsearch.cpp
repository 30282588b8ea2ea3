#include "flow/machsearch.h"

#include <cmath>

namespace velmora {

namespace {
constexpr double tolerance = 0.0001;
constexpr int passLimit = 50;
constexpr double highestSearchedMach = 5.0;
} // namespace

SearchResult iter_for_M_for_Given_FLD4(const FlowState& state, double& M, double& delM, int& yon,
                                       const double& FLD4given, Messenger& messenger)
{
    M = 1.0 + delM * yon;
    for (int pass = 1; pass <= passLimit; ++pass) {
        const double diff = state.FLD4_for_M(M) - FLD4given;
        if (!std::isfinite(diff))
            return {SearchEnd::NotFinite, pass};
        if (std::fabs(diff) < tolerance)
            return {SearchEnd::Converged, pass};
        if (diff * yon > 0.0) {
            delM = -delM / 2.0;
            yon = -yon;
        } else if (M > highestSearchedMach) {
            messenger.showMessage(noSupersonicSolutionMessage);
            return {SearchEnd::BeyondMach5, pass};
        }
        if (!(M + delM > 0.0))
            return {SearchEnd::ReachedZero, pass};
        M = M + delM;
    }
    return {SearchEnd::PassLimit, passLimit};
}

} // namespace velmora
