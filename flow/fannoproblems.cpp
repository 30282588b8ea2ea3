#include "flow/fannoproblems.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>

namespace velmora {

namespace {

// std::bit_cast, which Debian 12's emscripten lacks.
template <typename To, typename From> To bitsOf(const From& from)
{
    static_assert(sizeof(To) == sizeof(From));
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

constexpr double infinity = std::numeric_limits<double>::infinity();

bool usableGama(double gama) { return gama > 1.0 && std::isfinite(gama); }

// True where the value's Mach number lies below 1. T/T*, p/p* and ρ/ρ* fall as M rises
// and V/V* rises, each through 1 at M = 1.
bool subsonic(KnownQuantity known, double value)
{
    switch (known) {
    case KnownQuantity::FLD4Subsonic:
    case KnownQuantity::PoPostarSubsonic:
    case KnownQuantity::EntropySubsonic:
        return true;
    case KnownQuantity::TTstar:
    case KnownQuantity::PPstar:
    case KnownQuantity::RoRostar:
        return value > 1.0;
    case KnownQuantity::VVstar:
        return value < 1.0;
    default:
        return false;
    }
}

// True where the quantity grows as M moves away from 1 on that branch.
bool growsAwayFromSonic(KnownQuantity known, bool sub)
{
    switch (known) {
    case KnownQuantity::TTstar:
    case KnownQuantity::PPstar:
    case KnownQuantity::RoRostar:
        return sub;
    case KnownQuantity::VVstar:
        return !sub;
    default:
        return true;
    }
}

// Bisects between M = 1 and the first power of two beyond the value on its branch. A
// quantity outside its own range before the value is passed (M² leaving the doubles, M
// reaching 0 or ∞) means the value's Mach number lies beyond the doubles.
std::optional<double> invert(KnownQuantity known, double value, double gama, const QuantityRange& range)
{
    const auto at = [&](double M) { return valueOf(known, fannoQuantities(gama, M)); };
    const bool sub = subsonic(known, value);
    const bool grows = growsAwayFromSonic(known, sub);
    const auto reached = [&](double q) { return grows ? q >= value : q <= value; };

    double before = 1.0;
    if (reached(at(before)))
        return before;
    double beyond = before;
    for (;;) {
        beyond = sub ? beyond / 2.0 : beyond * 2.0;
        const double q = at(beyond);
        if (beyond == 0.0 || beyond == infinity || !range.contains(q))
            return std::nullopt;
        if (reached(q))
            break;
        before = beyond;
    }

    // Positive doubles are ordered as their bit patterns: halving the distance between the
    // patterns ends at adjacent doubles within 64 steps.
    for (;;) {
        const std::uint64_t a = bitsOf<std::uint64_t>(before);
        const std::uint64_t b = bitsOf<std::uint64_t>(beyond);
        const std::uint64_t low = a < b ? a : b;
        const std::uint64_t distance = a < b ? b - a : a - b;
        if (distance <= 1)
            break;
        const double mid = bitsOf<double>(low + distance / 2);
        const double q = at(mid);
        if (!std::isfinite(q))
            return std::nullopt;
        (reached(q) ? beyond : before) = mid;
    }
    return std::abs(at(before) - value) < std::abs(at(beyond) - value) ? before : beyond;
}

} // namespace

FannoQuantities fannoQuantities(double gama, double M)
{
    if (!(M > 0.0)) {
        const double nan = std::numeric_limits<double>::quiet_NaN();
        return {M, nan, nan, nan, nan, nan, nan, nan};
    }
    FlowState s;
    s.set_gama(gama);
    s.oranlar(M);
    return {M,          s.FLD4_for_M(M),  s.TTstar,   s.PPstar,
            s.RoRostar, 1.0 / s.RoRostar, s.PoPostar, std::log(s.PoPostar)};
}

double VVstar_for_M(double gama, double M) { return fannoQuantities(gama, M).VVstar; }

double entropy_for_M(double gama, double M) { return fannoQuantities(gama, M).entropy; }

bool allFinite(const FannoQuantities& q)
{
    for (const double v : {q.M, q.FLD4, q.TTstar, q.PPstar, q.RoRostar, q.VVstar, q.PoPostar, q.entropy})
        if (!std::isfinite(v))
            return false;
    return true;
}

double valueOf(KnownQuantity known, const FannoQuantities& q)
{
    switch (known) {
    case KnownQuantity::M:
        return q.M;
    case KnownQuantity::FLD4Subsonic:
    case KnownQuantity::FLD4Supersonic:
        return q.FLD4;
    case KnownQuantity::TTstar:
        return q.TTstar;
    case KnownQuantity::PPstar:
        return q.PPstar;
    case KnownQuantity::RoRostar:
        return q.RoRostar;
    case KnownQuantity::VVstar:
        return q.VVstar;
    case KnownQuantity::PoPostarSubsonic:
    case KnownQuantity::PoPostarSupersonic:
        return q.PoPostar;
    case KnownQuantity::EntropySubsonic:
    case KnownQuantity::EntropySupersonic:
        return q.entropy;
    }
    return q.M;
}

bool QuantityRange::contains(double value) const
{
    return (lowIncluded ? value >= low : value > low) && value < high;
}

QuantityRange rangeOf(KnownQuantity known, double gama)
{
    FlowState s;
    s.set_gama(gama);
    switch (known) {
    case KnownQuantity::M:
    case KnownQuantity::PPstar:
        return {0.0, false, infinity};
    case KnownQuantity::FLD4Subsonic:
    case KnownQuantity::EntropySubsonic:
    case KnownQuantity::EntropySupersonic:
        return {0.0, true, infinity};
    case KnownQuantity::FLD4Supersonic:
        // 4fL*/D as M grows without bound.
        return {0.0, true, s.cFLD4 * std::log(s.gp1 / (gama - 1.0)) - 1.0 / gama};
    case KnownQuantity::TTstar:
        return {0.0, false, s.gp1 / 2.0};
    case KnownQuantity::RoRostar:
        return {std::sqrt((gama - 1.0) / s.gp1), false, infinity};
    case KnownQuantity::VVstar:
        return {0.0, false, std::sqrt(s.gp1 / (gama - 1.0))};
    case KnownQuantity::PoPostarSubsonic:
    case KnownQuantity::PoPostarSupersonic:
        return {1.0, true, infinity};
    }
    return {};
}

MachSolution machFor(KnownQuantity known, double value, double gama)
{
    if (!usableGama(gama))
        return {};
    const QuantityRange range = rangeOf(known, gama);
    if (!range.contains(value))
        return {MachEnd::OutsideRange, 0.0};
    double M = value;
    if (known != KnownQuantity::M) {
        const std::optional<double> solved = invert(known, value, gama, range);
        if (!solved)
            return {};
        M = *solved;
    }
    if (!allFinite(fannoQuantities(gama, M)))
        return {};
    return {MachEnd::Found, M};
}

DuctSolution solveDuct(double gama, double M1, double FLD4duct)
{
    if (!usableGama(gama) || !(M1 > 0.0) || !std::isfinite(M1) || !(FLD4duct >= 0.0) ||
        !std::isfinite(FLD4duct))
        return {};
    const FannoQuantities inlet = fannoQuantities(gama, M1);
    if (!allFinite(inlet))
        return {};
    if (FLD4duct > inlet.FLD4)
        return {DuctEnd::Chokes, inlet.FLD4};

    // No friction, no change: the same Mach number, not a neighbour that the search of
    // an equal 4fL*/D might find.
    double M2 = M1;
    if (FLD4duct > 0.0) {
        const KnownQuantity branch = M1 < 1.0 ? KnownQuantity::FLD4Subsonic : KnownQuantity::FLD4Supersonic;
        const MachSolution outletMach = machFor(branch, inlet.FLD4 - FLD4duct, gama);
        if (outletMach.end != MachEnd::Found)
            return {};
        M2 = outletMach.M;
    }
    const FannoQuantities outlet = fannoQuantities(gama, M2);
    const DuctSolution duct{DuctEnd::Outlet,
                            inlet.FLD4,
                            M2,
                            outlet.PPstar / inlet.PPstar,
                            outlet.TTstar / inlet.TTstar,
                            outlet.RoRostar / inlet.RoRostar,
                            outlet.VVstar / inlet.VVstar,
                            outlet.PoPostar / inlet.PoPostar,
                            std::log(inlet.PoPostar / outlet.PoPostar)};
    for (const double v : {duct.P2P1, duct.T2T1, duct.Ro2Ro1, duct.V2V1, duct.Po2Po1, duct.entropyRise})
        if (!std::isfinite(v))
            return {};
    return duct;
}

} // namespace velmora
