#pragma once

// Flow relations of Fanno flow: steady, one-dimensional, adiabatic flow of a perfect
// gas through a constant-area duct with wall friction, referred to the sonic (starred)
// state of the same flow.
//
// This layer is plain C++ without Qt and without I/O. Every relation is evaluated in a
// fixed order of double-precision operations; that order fixes the last bits of the
// results, so it must not be "simplified" and the code must not be built with
// -ffast-math or with FMA contraction.

namespace velmora {

// The main window's record of the gas and of the property ratios computed last.
// The five gas fields belong to one γ and are written together, only by set_gama;
// the four ratios belong to one Mach number and are written together, only by oranlar.
struct FlowState {
    double gama = 0.0;  // ratio of specific heats γ
    double gm1 = 0.0;   // γ − 1
    double gp1 = 0.0;   // γ + 1
    double expP0 = 0.0; // (γ + 1) / (2(γ − 1)), the exponent in p0/p0*
    double cFLD4 = 0.0; // (γ + 1) / (2γ), the coefficient of the logarithm in 4fL*/D

    double TTstar = 0.0;   // T/T*
    double PPstar = 0.0;   // p/p*
    double RoRostar = 0.0; // ρ/ρ*
    double PoPostar = 0.0; // p0/p0*

    // Stores γ and derives gm1, gp1, cFLD4 and expP0 from it. The relations are
    // physical only for γ > 1: γ = 1 divides by zero in expP0, γ = 0 in cFLD4, and
    // the results are then infinite or NaN. Callers that take γ from a user check it.
    void set_gama(double g);

    // Stores T/T*, p/p*, ρ/ρ* and p0/p0* of the Mach number M when M > 0; for M ≤ 0
    // (or NaN) it leaves all four ratios untouched.
    void oranlar(const double& M);

    // 4fL*/D of the Mach number M. It depends on M only through M², is 0 at M = 1 and
    // positive elsewhere. At M = 0, for M so small or large that M² leaves the double
    // range, or for γ < 1 beyond M² ≥ 2 / (1 − γ), the result is not finite.
    [[nodiscard]] double FLD4_for_M(const double& M) const;
};

// FlowState as the main window's load step leaves it: the γ its box opens with (1.4),
// no ratio computed.
[[nodiscard]] FlowState loadedFlowState();

} // namespace velmora
