#include "flow/fannoproblems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

using velmora::allFinite;
using velmora::DuctEnd;
using velmora::fannoQuantities;
using velmora::FannoQuantities;
using velmora::KnownQuantity;
using velmora::MachEnd;
using velmora::machFor;
using velmora::rangeOf;
using velmora::solveDuct;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

constexpr KnownQuantity everyKnown[] = {
    KnownQuantity::M,
    KnownQuantity::FLD4Subsonic,
    KnownQuantity::FLD4Supersonic,
    KnownQuantity::TTstar,
    KnownQuantity::PPstar,
    KnownQuantity::RoRostar,
    KnownQuantity::VVstar,
    KnownQuantity::PoPostarSubsonic,
    KnownQuantity::PoPostarSupersonic,
    KnownQuantity::EntropySubsonic,
    KnownQuantity::EntropySupersonic,
};

double FannoQuantities::*fieldOf(KnownQuantity known)
{
    switch (known) {
    case KnownQuantity::M:
        return &FannoQuantities::M;
    case KnownQuantity::FLD4Subsonic:
    case KnownQuantity::FLD4Supersonic:
        return &FannoQuantities::FLD4;
    case KnownQuantity::TTstar:
        return &FannoQuantities::TTstar;
    case KnownQuantity::PPstar:
        return &FannoQuantities::PPstar;
    case KnownQuantity::RoRostar:
        return &FannoQuantities::RoRostar;
    case KnownQuantity::VVstar:
        return &FannoQuantities::VVstar;
    case KnownQuantity::PoPostarSubsonic:
    case KnownQuantity::PoPostarSupersonic:
        return &FannoQuantities::PoPostar;
    default:
        return &FannoQuantities::entropy;
    }
}

double ulp(double x) { return std::nextafter(std::abs(x), inf) - std::abs(x); }

// --- Published states: a known value and what the source gives for it -------------------

struct PublishedCase {
    const char* name;
    double gama;
    KnownQuantity known;
    double value;
    FannoQuantities expected; // unpublished (NaN) where the source has no figure
    int digits;               // the source's digits: decimals, or significant where `significant`
    bool significant;
};

void PrintTo(const PublishedCase& c, std::ostream* os) { *os << c.name; }

class PublishedState : public ::testing::TestWithParam<PublishedCase> {};

TEST_P(PublishedState, MatchesTheSourceToItsLastDigit)
{
    const PublishedCase& c = GetParam();
    const auto solved = machFor(c.known, c.value, c.gama);
    ASSERT_EQ(solved.end, MachEnd::Found);
    const FannoQuantities q = fannoQuantities(c.gama, solved.M);
    const struct {
        const char* name;
        double FannoQuantities::*field;
    } fields[] = {{"M", &FannoQuantities::M},
                  {"4fL*/D", &FannoQuantities::FLD4},
                  {"T/T*", &FannoQuantities::TTstar},
                  {"p/p*", &FannoQuantities::PPstar},
                  {"rho/rho*", &FannoQuantities::RoRostar},
                  {"V/V*", &FannoQuantities::VVstar},
                  {"p0/p0*", &FannoQuantities::PoPostar},
                  {"(s*-s)/R", &FannoQuantities::entropy}};
    for (const auto& [name, field] : fields) {
        const double want = c.expected.*field;
        if (std::isnan(want))
            continue;
        const double unit =
            c.significant ? std::floor(std::log10(std::abs(want))) - (c.digits - 1) : -c.digits;
        EXPECT_NEAR(q.*field, want, 0.5 * std::pow(10.0, unit)) << name;
    }
}

constexpr double u = nan; // not published

// MATLAB's flowfanno documentation (fannosub example, and M = 0.5 for four gases);
// Farokhi, Aircraft Propulsion, 2nd ed., Appendix E; the common M = 2 row of Fanno tables.
INSTANTIATE_TEST_SUITE_P(
    Sources, PublishedState,
    ::testing::Values(PublishedCase{"matlab_fannosub_1_2",
                                    1.4,
                                    KnownQuantity::FLD4Subsonic,
                                    1.2,
                                    {0.4849, 1.2, 1.1461, 2.2080, 1.9265, 0.5191, 1.3699, u},
                                    4,
                                    false},
                      PublishedCase{"matlab_g13_M0_5",
                                    1.3,
                                    KnownQuantity::M,
                                    0.5,
                                    {0.5, 1.1724, 1.1084, 2.1056, 1.8997, 0.5264, 1.3479, u},
                                    4,
                                    false},
                      PublishedCase{"matlab_g133_M0_5",
                                    1.33,
                                    KnownQuantity::M,
                                    0.5,
                                    {0.5, 1.1397, 1.1188, 2.1155, 1.8908, 0.5289, 1.3454, u},
                                    4,
                                    false},
                      PublishedCase{"matlab_g14_M0_5",
                                    1.4,
                                    KnownQuantity::M,
                                    0.5,
                                    {0.5, 1.0691, 1.1429, 2.1381, 1.8708, 0.5345, 1.3398, u},
                                    4,
                                    false},
                      PublishedCase{"matlab_g167_M0_5",
                                    1.67,
                                    KnownQuantity::M,
                                    0.5,
                                    {0.5, 0.8549, 1.2318, 2.2198, 1.8020, 0.5549, 1.3201, u},
                                    4,
                                    false},
                      PublishedCase{"farokhi_M0_10",
                                    1.4,
                                    KnownQuantity::M,
                                    0.10,
                                    {0.10, 66.922, 1.1976, 10.944, 9.1378, u, 5.8218, 1.7616},
                                    5,
                                    true},
                      PublishedCase{"farokhi_M0_12",
                                    1.4,
                                    KnownQuantity::M,
                                    0.12,
                                    {0.12, 45.408, 1.1966, 9.1156, 7.6182, u, 4.8643, 1.5819},
                                    5,
                                    true},
                      PublishedCase{"farokhi_M0_14",
                                    1.4,
                                    KnownQuantity::M,
                                    0.14,
                                    {0.14, 32.511, 1.1953, 7.8093, 6.5333, u, 4.1824, 1.4309},
                                    5,
                                    true},
                      PublishedCase{"table_g14_M2",
                                    1.4,
                                    KnownQuantity::M,
                                    2.0,
                                    {2.0, 0.3050, 0.6667, 0.4082, 0.6124, 1.6330, 1.6875, u},
                                    4,
                                    false}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Round trips: M → quantity → M on its branch, over the charted range ---------------

class RoundTrip : public ::testing::TestWithParam<double> {};

TEST_P(RoundTrip, GivesBackTheMachNumberOnItsBranch)
{
    const double gama = GetParam();
    for (const KnownQuantity known : everyKnown) {
        const auto field = fieldOf(known);
        const auto at = [&](double M) { return fannoQuantities(gama, M).*field; };
        const bool onlySubsonic = known == KnownQuantity::FLD4Subsonic ||
                                  known == KnownQuantity::PoPostarSubsonic ||
                                  known == KnownQuantity::EntropySubsonic;
        const bool onlySupersonic = known == KnownQuantity::FLD4Supersonic ||
                                    known == KnownQuantity::PoPostarSupersonic ||
                                    known == KnownQuantity::EntropySupersonic;
        for (int i = 10; i <= 500; ++i) {
            const double M = i / 100.0;
            if ((onlySubsonic && M > 1.0) || (onlySupersonic && M < 1.0))
                continue;
            const double value = at(M);
            const auto solved = machFor(known, value, gama);
            ASSERT_EQ(solved.end, MachEnd::Found) << static_cast<int>(known) << " M " << M;

            // The computed quantity passes the value between the answer and a neighbouring double,
            // and the answer is the nearer of the two.
            const double here = at(solved.M) - value;
            const auto passesWith = [&](double neighbour) {
                const double there = at(neighbour) - value;
                const bool passes = here == 0.0 || (here < 0.0) != (there < 0.0);
                return passes && std::abs(here) <= std::abs(there);
            };
            EXPECT_TRUE(passesWith(std::nextafter(solved.M, 0.0)) ||
                        passesWith(std::nextafter(solved.M, inf)))
                << static_cast<int>(known) << " M " << M;

            // The relations' terms are of order 1 and carry a few ulps of it: the quantity pins M
            // to that over its slope, a few ulps of M where it is steep and more where it is
            // flat (T/T* at small M, the two-branch quantities beside M = 1).
            const double noise = 16.0 * ulp(std::max(1.0, std::abs(value)));
            EXPECT_LE(std::abs(here), noise) << static_cast<int>(known) << " M " << M;
            const double h = 1e-6 * M;
            const double slope = std::abs(at(M + h) - at(M - h)) / (2.0 * h);
            EXPECT_NEAR(solved.M, M, 16.0 * ulp(M) + noise / slope) << static_cast<int>(known) << " M " << M;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Gases, RoundTrip, ::testing::Values(1.1, 1.3, 1.4, 1.67), [](const auto& info) {
    std::string name(1, 'g');
    return name.append(std::to_string(std::lround(info.param * 100.0)));
});

TEST(MachFor, SonicValuesGiveExactlyMachOne)
{
    const struct {
        KnownQuantity known;
        double value;
    } sonic[] = {
        {KnownQuantity::FLD4Subsonic, 0.0},     {KnownQuantity::FLD4Supersonic, 0.0},
        {KnownQuantity::TTstar, 1.0},           {KnownQuantity::PPstar, 1.0},
        {KnownQuantity::RoRostar, 1.0},         {KnownQuantity::VVstar, 1.0},
        {KnownQuantity::PoPostarSubsonic, 1.0}, {KnownQuantity::PoPostarSupersonic, 1.0},
        {KnownQuantity::EntropySubsonic, 0.0},  {KnownQuantity::EntropySupersonic, 0.0},
    };
    for (const double gama : {1.1, 1.4, 1.67})
        for (const auto& s : sonic) {
            const auto solved = machFor(s.known, s.value, gama);
            EXPECT_EQ(solved.end, MachEnd::Found) << static_cast<int>(s.known);
            EXPECT_EQ(solved.M, 1.0) << static_cast<int>(s.known);
        }
}

// --- Ranges: a value just inside each bound is solved, one just outside is refused ------

struct RangeCase {
    const char* name;
    KnownQuantity known;
    double gama;
    double inside, outside;
};

void PrintTo(const RangeCase& c, std::ostream* os) { *os << c.name; }

class RangeBound : public ::testing::TestWithParam<RangeCase> {};

TEST_P(RangeBound, SolvesInsideAndRefusesOutside)
{
    const RangeCase& c = GetParam();
    const auto inside = machFor(c.known, c.inside, c.gama);
    EXPECT_EQ(inside.end, MachEnd::Found);
    EXPECT_TRUE(allFinite(fannoQuantities(c.gama, inside.M)));
    EXPECT_TRUE(rangeOf(c.known, c.gama).contains(c.inside));
    EXPECT_EQ(machFor(c.known, c.outside, c.gama).end, MachEnd::OutsideRange);
    EXPECT_FALSE(rangeOf(c.known, c.gama).contains(c.outside));
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, RangeBound,
    ::testing::Values(RangeCase{"M_above0", KnownQuantity::M, 1.4, 1e-3, 0.0},
                      RangeCase{"M_negative", KnownQuantity::M, 1.4, 5.0, -1.0},
                      RangeCase{"FLD4sub_from0", KnownQuantity::FLD4Subsonic, 1.4, 0.0, -1e-12},
                      RangeCase{"FLD4sub_large", KnownQuantity::FLD4Subsonic, 1.4, 1e6, -1.0},
                      RangeCase{"FLD4sup_from0", KnownQuantity::FLD4Supersonic, 1.4, 0.0, -1e-12},
                      RangeCase{"FLD4sup_limit_g14", KnownQuantity::FLD4Supersonic, 1.4, 0.8215, 0.8216},
                      RangeCase{"FLD4sup_limit_g13", KnownQuantity::FLD4Supersonic, 1.3, 1.0326, 1.0327},
                      RangeCase{"FLD4sup_limit_g11", KnownQuantity::FLD4Supersonic, 1.1, 1.997, 1.9971},
                      RangeCase{"TTstar_top_g14", KnownQuantity::TTstar, 1.4, 1.1999, 1.2},
                      RangeCase{"TTstar_top_g167", KnownQuantity::TTstar, 1.67, 1.3349, 1.3351},
                      RangeCase{"TTstar_above0", KnownQuantity::TTstar, 1.4, 1e-6, 0.0},
                      RangeCase{"PPstar_above0", KnownQuantity::PPstar, 1.4, 1e-6, 0.0},
                      RangeCase{"RoRostar_bottom_g14", KnownQuantity::RoRostar, 1.4, 0.4083, 0.4082},
                      RangeCase{"RoRostar_bottom_g167", KnownQuantity::RoRostar, 1.67, 0.501, 0.5009},
                      RangeCase{"VVstar_top_g14", KnownQuantity::VVstar, 1.4, 2.4494, 2.4495},
                      RangeCase{"VVstar_top_g11", KnownQuantity::VVstar, 1.1, 4.5825, 4.5826},
                      RangeCase{"VVstar_above0", KnownQuantity::VVstar, 1.4, 1e-6, 0.0},
                      RangeCase{"PoPostarsub_from1", KnownQuantity::PoPostarSubsonic, 1.4, 1.0, 0.9999},
                      RangeCase{"PoPostarsup_from1", KnownQuantity::PoPostarSupersonic, 1.4, 1.0, 0.9999},
                      RangeCase{"Entropysub_from0", KnownQuantity::EntropySubsonic, 1.4, 0.0, -1e-12},
                      RangeCase{"Entropysup_from0", KnownQuantity::EntropySupersonic, 1.4, 0.0, -1e-12}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MachFor, RefusesValuesThatAreNotNumbers)
{
    for (const KnownQuantity known : everyKnown)
        for (const double value : {std::nan(""), inf, -inf})
            EXPECT_EQ(machFor(known, value, 1.4).end, MachEnd::OutsideRange) << static_cast<int>(known);
}

TEST(MachFor, GivesNoNumberBeyondTheDoubleRangeOrForAGasNotAboveOne)
{
    const struct {
        KnownQuantity known;
        double value, gama;
    } cases[] = {
        {KnownQuantity::PPstar, 1e-320, 1.4},        // M beyond the doubles
        {KnownQuantity::M, 1e-200, 1.4},             // M² underflows
        {KnownQuantity::RoRostar, 1e308, 1.4},       // M subnormal: 4fL*/D of it is not finite
        {KnownQuantity::M, 1e200, 1.4},              // M² overflows
        {KnownQuantity::FLD4Subsonic, 1.2, 1.0},     // γ not above 1
        {KnownQuantity::TTstar, 1.1, 0.5},           //
        {KnownQuantity::M, 2.0, std::nan("")},       //
        {KnownQuantity::PoPostarSubsonic, 2.0, inf}, //
    };
    for (const auto& c : cases)
        EXPECT_EQ(machFor(c.known, c.value, c.gama).end, MachEnd::NoFiniteResult)
            << static_cast<int>(c.known) << " " << c.value << " γ " << c.gama;
}

// --- The duct -------------------------------------------------------------------------------

struct DuctCase {
    const char* name;
    double gama, M1, FLD4duct;
    DuctEnd end;
    double longest, M2, P2P1, T2T1, Ro2Ro1, V2V1, Po2Po1, entropyRise;
    double tolerance; // 0 where exact
};

void PrintTo(const DuctCase& c, std::ostream* os) { *os << c.name; }

class Duct : public ::testing::TestWithParam<DuctCase> {};

TEST_P(Duct, EndsAsExpected)
{
    const DuctCase& c = GetParam();
    const auto duct = solveDuct(c.gama, c.M1, c.FLD4duct);
    ASSERT_EQ(duct.end, c.end);
    EXPECT_NEAR(duct.longestFLD4, c.longest, c.tolerance);
    if (c.end == DuctEnd::Chokes)
        return;
    EXPECT_NEAR(duct.M2, c.M2, c.tolerance);
    EXPECT_NEAR(duct.P2P1, c.P2P1, c.tolerance);
    EXPECT_NEAR(duct.T2T1, c.T2T1, c.tolerance);
    EXPECT_NEAR(duct.Ro2Ro1, c.Ro2Ro1, c.tolerance);
    EXPECT_NEAR(duct.V2V1, c.V2V1, c.tolerance);
    EXPECT_NEAR(duct.Po2Po1, c.Po2Po1, c.tolerance);
    EXPECT_NEAR(duct.entropyRise, c.entropyRise, c.tolerance);
}

// The outlets as computed, to 40 digits, from the closed forms with mpmath's findroot. The
// first is the textbook pipe: air at M1 = 0.3, f = 0.005, L = 30 m, D = 0.15 m (M2 ≈ 0.475,
// p2 ≈ 0.625 atm from 1 atm by the tables).
INSTANTIATE_TEST_SUITE_P(
    Ducts, Duct,
    ::testing::Values(
        DuctCase{"subsonicPipe", 1.4, 0.3, 4.0, DuctEnd::Outlet, 5.299253105, 0.474447454763, 0.624086381,
                 0.9741439633, 0.6406510788, 1.560912068, 0.6840119716, 0.3797798592, 5e-10},
        DuctCase{"supersonic", 1.4, 3.0, 0.3, DuctEnd::Outlet, 0.5221594082, 1.74157658235, 2.274057318,
                 1.742791598, 1.304836058, 0.7663798022, 0.3254185501, 1.122643079, 5e-10},
        DuctCase{"g13", 1.3, 0.5, 0.5, DuctEnd::Outlet, 1.172424346, 0.572444734251, 0.868582116,
                 0.9888920533, 0.8783386549, 1.138513026, 0.9116588933, 0.09248937935, 5e-10},
        DuctCase{"sonicZeroLength", 1.4, 1.0, 0.0, DuctEnd::Outlet, 0, 1, 1, 1, 1, 1, 1, 0, 0},
        DuctCase{"sonicChokes", 1.4, 1.0, 1e-12, DuctEnd::Chokes, 0, nan, nan, nan, nan, nan, nan, nan, 0},
        DuctCase{"subsonicChokes", 1.4, 0.3, 5.3, DuctEnd::Chokes, 5.299253105, nan, nan, nan, nan, nan, nan,
                 nan, 5e-10},
        DuctCase{"supersonicChokes", 1.4, 3.0, 0.6, DuctEnd::Chokes, 0.5221594082, nan, nan, nan, nan, nan,
                 nan, nan, 5e-10}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Duct, GivesNoNumberOutsideItsPreconditionOrBeyondTheDoubleRange)
{
    const struct {
        const char* name;
        double gama, M1, FLD4duct;
    } cases[] = {
        {"huge gamma", 1e308, 2.0, 0.1},   {"gamma 1", 1.0, 0.5, 0.1},
        {"gamma NaN", nan, 0.5, 0.1},      {"M1 0", 1.4, 0.0, 0.1},
        {"M1 negative", 1.4, -0.5, 0.1},   {"M1 NaN", 1.4, nan, 0.1},
        {"M1 huge", 1.4, 1e200, 0.1},      {"negative 4fL/D", 1.4, 0.5, -0.1},
        {"infinite 4fL/D", 1.4, 0.5, inf}, {"NaN 4fL/D", 1.4, 0.5, nan},
    };
    for (const auto& c : cases)
        EXPECT_EQ(solveDuct(c.gama, c.M1, c.FLD4duct).end, DuctEnd::NoFiniteResult) << c.name;
}

TEST(Duct, FrictionDrivesEitherBranchTowardsSonicAndAddsUpAlongTheDuct)
{
    for (const double gama : {1.1, 1.4, 1.67})
        for (const double M1 : {0.2, 0.5, 0.9, 0.99, 1.01, 1.5, 3.0, 5.0})
            for (const double share : {0.1, 0.5, 0.9}) {
                const double longest = fannoQuantities(gama, M1).FLD4;
                const auto whole = solveDuct(gama, M1, share * longest);
                ASSERT_EQ(whole.end, DuctEnd::Outlet) << gama << " " << M1 << " " << share;
                const bool sub = M1 < 1.0;
                EXPECT_TRUE(sub ? M1 < whole.M2 && whole.M2 < 1.0 : 1.0 < whole.M2 && whole.M2 < M1);
                EXPECT_GT(whole.entropyRise, 0.0);
                EXPECT_LT(whole.Po2Po1, 1.0);
                EXPECT_EQ(whole.P2P1 < 1.0, sub);
                EXPECT_EQ(whole.T2T1 < 1.0, sub);
                EXPECT_EQ(whole.V2V1 > 1.0, sub);

                // Two ducts in a row are one duct of their summed length.
                const auto first = solveDuct(gama, M1, 0.5 * share * longest);
                const auto second = solveDuct(gama, first.M2, share * longest - 0.5 * share * longest);
                ASSERT_EQ(second.end, DuctEnd::Outlet);
                EXPECT_NEAR(second.M2, whole.M2, 1e-9 * whole.M2);
                EXPECT_NEAR(first.entropyRise + second.entropyRise, whole.entropyRise, 1e-9);
            }
}

TEST(Duct, OfZeroLengthChangesNothing)
{
    for (const double M1 : {0.1, 0.3, 0.77, 0.99, 1.0, 1.01, 1.3, 2.9, 5.0}) {
        const auto duct = solveDuct(1.4, M1, 0.0);
        ASSERT_EQ(duct.end, DuctEnd::Outlet);
        EXPECT_EQ(duct.M2, M1);
        for (const double ratio : {duct.P2P1, duct.T2T1, duct.Ro2Ro1, duct.V2V1, duct.Po2Po1})
            EXPECT_EQ(ratio, 1.0) << M1;
        EXPECT_EQ(duct.entropyRise, 0.0) << M1;
    }
}

TEST(Duct, ExactlyAsLongAsTheInletAllowsEndsSonic)
{
    for (const double M1 : {0.3, 2.0}) {
        const auto duct = solveDuct(1.4, M1, fannoQuantities(1.4, M1).FLD4);
        ASSERT_EQ(duct.end, DuctEnd::Outlet);
        EXPECT_EQ(duct.M2, 1.0);
    }
}

} // namespace
