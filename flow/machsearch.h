#pragma once

#include "flow/fanno.h"
#include "flow/messenger.h"
#include "text/systemtexts.h"

namespace velmora {

// How a search ended.
enum class SearchEnd {
    Converged,   // |4fL*/D(M) − target| < 0.0001: M is a solution
    PassLimit,   // fifty passes without converging: M is the last, unevaluated, step
    BeyondMach5, // ran past M = 5 without meeting the target; the message was shown
    ReachedZero, // the next step would have reached M ≤ 0, where 4fL*/D is undefined
    NotFinite,   // 4fL*/D at M is not a finite number (γ near the top of the double range)
};

struct SearchResult {
    SearchEnd end = SearchEnd::Converged;
    int passes = 0; // evaluations of 4fL*/D

    // False where the search ended without a Mach number to offer as an answer.
    [[nodiscard]] bool foundSolution() const
    {
        return end == SearchEnd::Converged || end == SearchEnd::PassLimit;
    }
};

// Step-halving search for the Mach number whose 4fL*/D is FLD4given.
//
// M is overwritten first with 1 + delM·yon; each pass evaluates 4fL*/D at M, ends when it
// is within 0.0001 of the target, halves and reverses the step when it went past the
// target (diff·yon > 0), and otherwise steps on. delM must be positive on entry; yon is −1
// for the subsonic branch (start 0.5, −1) and +1 for the supersonic one (start 1, +1).
// M, delM and yon are written back as the search leaves them.
//
// A pass that neither converged nor overshot at M > 5 shows noSupersonicSolutionMessage
// through the messenger and ends with M at that pass. A step that would take M to 0 or
// below is not taken: the search ends with M at the last Mach number it evaluated.
// A pass whose 4fL*/D is not finite ends the search there, without a message: no
// comparison with the target means anything then. None of these endings is a solution,
// which the result says.
SearchResult iter_for_M_for_Given_FLD4(const FlowState& state, double& M, double& delM, int& yon,
                                       const double& FLD4given, Messenger& messenger);

} // namespace velmora
