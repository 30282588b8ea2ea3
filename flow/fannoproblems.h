#pragma once

// Fanno problems: every quantity of a Mach number, the Mach number of any one quantity on
// the branch asked for, and a duct from its inlet to its outlet. Built on FlowState's
// relations; like them, evaluated in a fixed order of double-precision operations.
//
// The gas must have γ > 1. The windows check their inputs and write the messages; for
// inputs outside these functions' preconditions the solvers return no number rather than
// a wrong one.

#include "flow/fanno.h"

#include <limits>

namespace velmora {

// The state of one Mach number, each quantity referred to the sonic state.
struct FannoQuantities {
    double M = 0.0;
    double FLD4 = 0.0;     // 4fL*/D
    double TTstar = 0.0;   // T/T*
    double PPstar = 0.0;   // p/p*
    double RoRostar = 0.0; // ρ/ρ*
    double VVstar = 0.0;   // V/V*, that is 1 / (ρ/ρ*)
    double PoPostar = 0.0; // p0/p0*
    double entropy = 0.0;  // (s* − s)/R, that is ln(p0/p0*)
};

// V/V* and (s* − s)/R of the Mach number M > 0.
[[nodiscard]] double VVstar_for_M(double gama, double M);
[[nodiscard]] double entropy_for_M(double gama, double M);

// Every quantity of M, the ratios and 4fL*/D as FlowState computes them. For M not above 0
// every field but M is NaN; a Mach number so large or small that the relations leave the
// double range gives fields that are not finite.
[[nodiscard]] FannoQuantities fannoQuantities(double gama, double M);

[[nodiscard]] bool allFinite(const FannoQuantities& q);

// The quantity a problem starts from, with the branch where it has two Mach numbers.
enum class KnownQuantity {
    M,
    FLD4Subsonic,
    FLD4Supersonic,
    TTstar,
    PPstar,
    RoRostar,
    VVstar,
    PoPostarSubsonic,
    PoPostarSupersonic,
    EntropySubsonic,
    EntropySupersonic,
};

// The field of q that the known quantity names.
[[nodiscard]] double valueOf(KnownQuantity known, const FannoQuantities& q);

// The values a known quantity takes for one γ: above low (or from it, where lowIncluded)
// and below high, which no value reaches (+∞ where there is no upper bound).
struct QuantityRange {
    double low = 0.0;
    bool lowIncluded = false;
    double high = std::numeric_limits<double>::infinity();

    // False for NaN and for ±∞.
    [[nodiscard]] bool contains(double value) const;
};

// T/T* in (0, (γ+1)/2), p/p* in (0, ∞), ρ/ρ* in (√((γ−1)/(γ+1)), ∞), V/V* in
// (0, √((γ+1)/(γ−1))), 4fL*/D in [0, ∞) subsonic and [0, ((γ+1)/(2γ))·ln((γ+1)/(γ−1)) − 1/γ)
// supersonic, p0/p0* in [1, ∞), (s* − s)/R in [0, ∞), M in (0, ∞).
[[nodiscard]] QuantityRange rangeOf(KnownQuantity known, double gama);

enum class MachEnd {
    Found,          // M gives the value, and every quantity of M is finite
    OutsideRange,   // the value is not in rangeOf(known, γ)
    NoFiniteResult, // γ not above 1 or not finite, or the Mach number or a quantity of it
                    // lies beyond the double range
};

struct MachSolution {
    MachEnd end = MachEnd::NoFiniteResult;
    double M = 0.0; // Found only
};

// The Mach number whose known quantity is value, on the quantity's branch (T/T*, p/p*, ρ/ρ*
// and V/V* have one). It is the double, of the two adjacent ones between which the
// computed quantity passes the value, whose quantity lies nearer to it. The edges of the
// branches' ranges (4fL*/D and (s* − s)/R of 0, p0/p0* of 1) give M = 1. A value so close
// to a bound that the computed quantity never reaches it gives NoFiniteResult.
[[nodiscard]] MachSolution machFor(KnownQuantity known, double value, double gama);

enum class DuctEnd {
    Outlet,         // the flow leaves the duct at M2, with the ratios below
    Chokes,         // the duct is longer than M1 allows: no outlet state
    NoFiniteResult, // inputs outside the precondition, or a result beyond the double range
};

// A duct of constant area from its inlet, at M1, to its outlet: outlet over inlet.
struct DuctSolution {
    DuctEnd end = DuctEnd::NoFiniteResult;
    double longestFLD4 = 0.0; // 4fL*/D of M1, the longest duct before it chokes; Outlet and Chokes
    // Outlet only:
    double M2 = 0.0;          // on M1's branch
    double P2P1 = 0.0;        // p2/p1
    double T2T1 = 0.0;        // T2/T1
    double Ro2Ro1 = 0.0;      // ρ2/ρ1
    double V2V1 = 0.0;        // V2/V1
    double Po2Po1 = 0.0;      // p02/p01
    double entropyRise = 0.0; // (s2 − s1)/R, that is ln(p01/p02): positive along a duct
};

// The outlet of a duct of friction parameter 4fL/D = FLD4duct, from
// 4fL*/D(M2) = 4fL*/D(M1) − FLD4duct. A FLD4duct above 4fL*/D(M1) chokes, so at M1 = 1
// every duct longer than 0 does; a FLD4duct of 0 gives M2 = M1 and ratios of 1.
// Precondition: γ > 1, M1 > 0 and FLD4duct ≥ 0, each finite; otherwise NoFiniteResult.
[[nodiscard]] DuctSolution solveDuct(double gama, double M1, double FLD4duct);

} // namespace velmora
