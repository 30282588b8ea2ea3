#include "flow/fannoproblems.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

using namespace velmora;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();
constexpr int knownCount = 11;

KnownQuantity known(int i) { return static_cast<KnownQuantity>(i); }
double ulp(double x) { return std::nextafter(std::abs(x), inf) - std::abs(x); }
std::string name(const auto& info) { return info.param.name; }
template <class Case> void PrintTo(const Case& c, std::ostream* os) requires requires { c.name; }
{
    *os << c.name;
}

// --- A known value and the state a source publishes for it (NaN: not published) --------

struct PublishedCase {
    const char* name;
    double gama;
    KnownQuantity known;
    double value;
    FannoQuantities expected;
    int significant; // digits the source gives; 0 for four decimals
};

class Published : public ::testing::TestWithParam<PublishedCase> {};

TEST_P(Published, MatchesTheSourceToItsLastDigit)
{
    const PublishedCase& c = GetParam();
    const MachSolution solved = machFor(c.known, c.value, c.gama);
    ASSERT_EQ(solved.end, MachEnd::Found);
    for (int i = 0; i < knownCount; ++i) {
        const double want = valueOf(known(i), c.expected);
        const double unit = c.significant ? std::floor(std::log10(want)) + 1 - c.significant : -4;
        if (!std::isnan(want)) {
            EXPECT_NEAR(valueOf(known(i), fannoQuantities(c.gama, solved.M)), want,
                        0.5 * std::pow(10.0, unit))
                << i;
        }
    }
}

// MATLAB's flowfanno documentation (its fannosub example; M = 0.5 for four gases); Farokhi,
// Aircraft Propulsion, 2nd ed., Appendix E; the M = 2 row of the Fanno tables.
INSTANTIATE_TEST_SUITE_P(
    Sources, Published,
    ::testing::Values(PublishedCase{"matlab_fannosub",
                                    1.4,
                                    KnownQuantity::FLD4Subsonic,
                                    1.2,
                                    {0.4849, 1.2, 1.1461, 2.2080, 1.9265, 0.5191, 1.3699, nan},
                                    0},
                      PublishedCase{"matlab_g130",
                                    1.3,
                                    KnownQuantity::M,
                                    0.5,
                                    {0.5, 1.1724, 1.1084, 2.1056, 1.8997, 0.5264, 1.3479, nan},
                                    0},
                      PublishedCase{"matlab_g133",
                                    1.33,
                                    KnownQuantity::M,
                                    0.5,
                                    {0.5, 1.1397, 1.1188, 2.1155, 1.8908, 0.5289, 1.3454, nan},
                                    0},
                      PublishedCase{"matlab_g140",
                                    1.4,
                                    KnownQuantity::M,
                                    0.5,
                                    {0.5, 1.0691, 1.1429, 2.1381, 1.8708, 0.5345, 1.3398, nan},
                                    0},
                      PublishedCase{"matlab_g167",
                                    1.67,
                                    KnownQuantity::M,
                                    0.5,
                                    {0.5, 0.8549, 1.2318, 2.2198, 1.8020, 0.5549, 1.3201, nan},
                                    0},
                      PublishedCase{"farokhi_M0_10",
                                    1.4,
                                    KnownQuantity::M,
                                    0.10,
                                    {0.10, 66.922, 1.1976, 10.944, 9.1378, nan, 5.8218, 1.7616},
                                    5},
                      PublishedCase{"farokhi_M0_12",
                                    1.4,
                                    KnownQuantity::M,
                                    0.12,
                                    {0.12, 45.408, 1.1966, 9.1156, 7.6182, nan, 4.8643, 1.5819},
                                    5},
                      PublishedCase{"table_M2",
                                    1.4,
                                    KnownQuantity::M,
                                    2.0,
                                    {2.0, 0.3050, 0.6667, 0.4082, 0.6124, 1.6330, 1.6875, nan},
                                    0}),
    [](const auto& info) { return name(info); });

// --- M → quantity → M on its branch, over the charted range ------------------------------

class RoundTrip : public ::testing::TestWithParam<double> {};

TEST_P(RoundTrip, GivesBackTheMachNumberOnItsBranch)
{
    const double gama = GetParam();
    for (int k = 1; k < knownCount; ++k) {
        const auto at = [&](double M) { return valueOf(known(k), fannoQuantities(gama, M)); };
        const bool twoBranches = k == 1 || k == 2 || k >= 7;
        const bool supersonic = k == 2 || k == 8 || k == 10;
        for (int i = 10; i <= 500; ++i) {
            const double M = i / 100.0;
            if (twoBranches && M != 1.0 && (M > 1.0) != supersonic)
                continue;
            const double value = at(M);
            const MachSolution solved = machFor(known(k), value, gama);
            ASSERT_EQ(solved.end, MachEnd::Found) << k << " M " << M;

            // The computed quantity passes the value between the answer and a neighbouring
            // double, and the answer is the nearer of the two.
            const double here = at(solved.M) - value;
            const auto passesWith = [&](double neighbour) {
                const double there = at(neighbour) - value;
                return (here == 0.0 || (here < 0.0) != (there < 0.0)) && std::abs(here) <= std::abs(there);
            };
            EXPECT_TRUE(passesWith(std::nextafter(solved.M, 0.0)) ||
                        passesWith(std::nextafter(solved.M, inf)))
                << k << " M " << M;

            // The relations' terms are of order 1 and carry a few ulps of it, which pin M to that
            // over the slope: a few ulps of M where the quantity is steep, more where it is flat
            // (T/T* at small M, the two-branch quantities beside M = 1).
            const double noise = 16.0 * ulp(std::max(1.0, std::abs(value)));
            const double slope = std::abs(at(M * (1 + 1e-6)) - at(M * (1 - 1e-6))) / (2e-6 * M);
            EXPECT_LE(std::abs(here), noise) << k << " M " << M;
            EXPECT_NEAR(solved.M, M, 16.0 * ulp(M) + noise / slope) << k << " M " << M;
        }
        EXPECT_EQ(machFor(known(k), at(1.0), gama).M, 1.0) << k;
    }
}

INSTANTIATE_TEST_SUITE_P(Gases, RoundTrip, ::testing::Values(1.1, 1.3, 1.4, 1.67), [](const auto& info) {
    std::string label(1, 'g');
    return label.append(std::to_string(std::lround(info.param * 100.0)));
});

// --- A value just inside each bound is solved, one just outside is refused ---------------

struct RangeCase {
    const char* name;
    KnownQuantity known;
    double gama, inside, outside;
};

class Range : public ::testing::TestWithParam<RangeCase> {};

TEST_P(Range, SolvesInsideAndRefusesOutside)
{
    const RangeCase& c = GetParam();
    EXPECT_TRUE(rangeOf(c.known, c.gama).contains(c.inside));
    EXPECT_EQ(machFor(c.known, c.inside, c.gama).end, MachEnd::Found);
    EXPECT_FALSE(rangeOf(c.known, c.gama).contains(c.outside));
    EXPECT_EQ(machFor(c.known, c.outside, c.gama).end, MachEnd::OutsideRange);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, Range,
    ::testing::Values(RangeCase{"M", KnownQuantity::M, 1.4, 1e-3, 0.0},
                      RangeCase{"FLD4sub", KnownQuantity::FLD4Subsonic, 1.4, 0.0, -1e-12},
                      RangeCase{"FLD4sup", KnownQuantity::FLD4Supersonic, 1.4, 0.0, -1e-12},
                      RangeCase{"FLD4sup_limit_g14", KnownQuantity::FLD4Supersonic, 1.4, 0.8215, 0.8216},
                      RangeCase{"FLD4sup_limit_g13", KnownQuantity::FLD4Supersonic, 1.3, 1.0326, 1.0327},
                      RangeCase{"FLD4sup_limit_g11", KnownQuantity::FLD4Supersonic, 1.1, 1.997, 1.9971},
                      RangeCase{"TTstar_top_g14", KnownQuantity::TTstar, 1.4, 1.1999, 1.2},
                      RangeCase{"TTstar_top_g167", KnownQuantity::TTstar, 1.67, 1.3349, 1.3351},
                      RangeCase{"TTstar", KnownQuantity::TTstar, 1.4, 1e-6, 0.0},
                      RangeCase{"PPstar", KnownQuantity::PPstar, 1.4, 1e-6, 0.0},
                      RangeCase{"RoRostar_g14", KnownQuantity::RoRostar, 1.4, 0.4083, 0.4082},
                      RangeCase{"RoRostar_g167", KnownQuantity::RoRostar, 1.67, 0.501, 0.5009},
                      RangeCase{"VVstar_top_g14", KnownQuantity::VVstar, 1.4, 2.4494, 2.4495},
                      RangeCase{"VVstar_top_g11", KnownQuantity::VVstar, 1.1, 4.5825, 4.5826},
                      RangeCase{"VVstar", KnownQuantity::VVstar, 1.4, 1e-6, 0.0},
                      RangeCase{"PoPostarsub", KnownQuantity::PoPostarSubsonic, 1.4, 1.0, 0.9999},
                      RangeCase{"PoPostarsup", KnownQuantity::PoPostarSupersonic, 1.4, 1.0, 0.9999},
                      RangeCase{"Entropysub", KnownQuantity::EntropySubsonic, 1.4, 0.0, -1e-12},
                      RangeCase{"Entropysup", KnownQuantity::EntropySupersonic, 1.4, 0.0, -1e-12}),
    [](const auto& info) { return name(info); });

TEST(MachFor, RefusesWhatIsNotANumberAndGivesNoneBeyondTheDoublesOrForAGasNotAboveOne)
{
    for (int k = 0; k < knownCount; ++k)
        for (const double value : {nan, inf, -inf})
            EXPECT_EQ(machFor(known(k), value, 1.4).end, MachEnd::OutsideRange) << k;
    const struct {
        KnownQuantity known;
        double value, gama;
    } none[] = {
        {KnownQuantity::PPstar, 1e-320, 1.4}, // M beyond the doubles
        {KnownQuantity::RoRostar, 1e308, 1.4},
        {KnownQuantity::M, 1e200, 1.4},
        {KnownQuantity::M, 1e-200, 1.4},
        {KnownQuantity::FLD4Subsonic, 1.2, 1.0},
        {KnownQuantity::TTstar, 1.1, 0.5},
        {KnownQuantity::M, 2.0, nan},
        {KnownQuantity::PoPostarSubsonic, 2.0, inf},
    };
    for (const auto& c : none)
        EXPECT_EQ(machFor(c.known, c.value, c.gama).end, MachEnd::NoFiniteResult)
            << c.value << " γ " << c.gama;
}

// --- The duct --------------------------------------------------------------------------------

struct DuctCase {
    const char* name;
    double gama, M1, FLD4duct;
    DuctEnd end;
    double longest;
    double M2 = 0, P2P1 = 0, T2T1 = 0, Ro2Ro1 = 0, V2V1 = 0, Po2Po1 = 0, entropyRise = 0; // Outlet only
};

class Duct : public ::testing::TestWithParam<DuctCase> {};

TEST_P(Duct, EndsAsExpected)
{
    const DuctCase& c = GetParam();
    const DuctSolution d = solveDuct(c.gama, c.M1, c.FLD4duct);
    ASSERT_EQ(d.end, c.end);
    EXPECT_NEAR(d.longestFLD4, c.longest, 5e-10);
    if (c.end != DuctEnd::Outlet)
        return;
    const double got[] = {d.M2, d.P2P1, d.T2T1, d.Ro2Ro1, d.V2V1, d.Po2Po1, d.entropyRise};
    const double want[] = {c.M2, c.P2P1, c.T2T1, c.Ro2Ro1, c.V2V1, c.Po2Po1, c.entropyRise};
    for (int i = 0; i < 7; ++i)
        EXPECT_NEAR(got[i], want[i], 5e-10) << i;
}

// Outlets from the closed forms solved with mpmath at 40 digits. The first is the textbook
// pipe: air at M1 = 0.3, f = 0.005, L = 30 m, D = 0.15 m (by the tables M2 ≈ 0.475 and
// p2 ≈ 0.625 atm from 1 atm).
INSTANTIATE_TEST_SUITE_P(
    Ducts, Duct,
    ::testing::Values(
        DuctCase{"subsonicPipe", 1.4, 0.3, 4.0, DuctEnd::Outlet, 5.299253105, 0.474447454763, 0.624086381,
                 0.9741439633, 0.6406510788, 1.560912068, 0.6840119716, 0.3797798592},
        DuctCase{"supersonic", 1.4, 3.0, 0.3, DuctEnd::Outlet, 0.5221594082, 1.74157658235, 2.274057318,
                 1.742791598, 1.304836058, 0.7663798022, 0.3254185501, 1.122643079},
        DuctCase{"g13", 1.3, 0.5, 0.5, DuctEnd::Outlet, 1.172424346, 0.572444734251, 0.868582116,
                 0.9888920533, 0.8783386549, 1.138513026, 0.9116588933, 0.09248937935},
        DuctCase{"sonicZeroLength", 1.4, 1.0, 0.0, DuctEnd::Outlet, 0, 1, 1, 1, 1, 1, 1, 0},
        DuctCase{"sonicChokes", 1.4, 1.0, 1e-12, DuctEnd::Chokes, 0},
        DuctCase{"subsonicChokes", 1.4, 0.3, 5.3, DuctEnd::Chokes, 5.299253105},
        DuctCase{"supersonicChokes", 1.4, 3.0, 0.6, DuctEnd::Chokes, 0.5221594082}),
    [](const auto& info) { return name(info); });

TEST(Duct, GivesNoNumberOutsideItsPreconditionOrBeyondTheDoubles)
{
    const struct {
        double gama, M1, FLD4duct;
    } none[] = {{1e308, 2.0, 0.1}, {1.0, 0.5, 0.1},   {nan, 0.5, 0.1},  {1.4, 0.0, 0.1}, {1.4, -0.5, 0.1},
                {1.4, nan, 0.1},   {1.4, 1e200, 0.1}, {1.4, 0.5, -0.1}, {1.4, 0.5, inf}, {1.4, 0.5, nan}};
    for (const auto& c : none)
        EXPECT_EQ(solveDuct(c.gama, c.M1, c.FLD4duct).end, DuctEnd::NoFiniteResult) << c.gama << " " << c.M1;
}

TEST(Duct, FrictionDrivesEitherBranchTowardsSonicAndAddsUpAlongTheDuct)
{
    for (const double gama : {1.1, 1.4, 1.67})
        for (const double M1 : {0.2, 0.5, 0.9, 0.99, 1.01, 1.5, 3.0, 5.0})
            for (const double share : {0.1, 0.5, 0.9}) {
                const double longest = fannoQuantities(gama, M1).FLD4;
                const DuctSolution whole = solveDuct(gama, M1, share * longest);
                ASSERT_EQ(whole.end, DuctEnd::Outlet) << gama << " " << M1 << " " << share;
                const bool sub = M1 < 1.0;
                EXPECT_TRUE(sub ? M1 < whole.M2 && whole.M2 < 1.0 : 1.0 < whole.M2 && whole.M2 < M1);
                EXPECT_GT(whole.entropyRise, 0.0);
                EXPECT_LT(whole.Po2Po1, 1.0);
                EXPECT_EQ(whole.P2P1 < 1.0, sub);
                EXPECT_EQ(whole.T2T1 < 1.0, sub);
                EXPECT_EQ(whole.V2V1 > 1.0, sub);

                // Two ducts in a row are one duct of their summed length.
                const DuctSolution first = solveDuct(gama, M1, 0.5 * share * longest);
                const DuctSolution second =
                    solveDuct(gama, first.M2, share * longest - 0.5 * share * longest);
                EXPECT_NEAR(second.M2, whole.M2, 1e-9 * whole.M2);
                EXPECT_NEAR(first.entropyRise + second.entropyRise, whole.entropyRise, 1e-9);
            }
}

TEST(Duct, OfZeroLengthChangesNothingAndAsLongAsTheInletAllowsEndsSonic)
{
    for (const double M1 : {0.1, 0.3, 0.77, 0.99, 1.0, 1.01, 1.3, 2.9, 5.0}) {
        const DuctSolution same = solveDuct(1.4, M1, 0.0);
        ASSERT_EQ(same.end, DuctEnd::Outlet);
        EXPECT_EQ(same.M2, M1);
        for (const double ratio : {same.P2P1, same.T2T1, same.Ro2Ro1, same.V2V1, same.Po2Po1})
            EXPECT_EQ(ratio, 1.0) << M1;
        EXPECT_EQ(same.entropyRise, 0.0) << M1;
        EXPECT_EQ(solveDuct(1.4, M1, fannoQuantities(1.4, M1).FLD4).M2, 1.0) << M1;
    }
}

} // namespace
