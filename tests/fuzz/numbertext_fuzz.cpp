// libFuzzer target for the two text conversions. Any bytes are read by the leading-number
// rule, which must give a number and never NaN; the first eight bytes, taken as a double,
// go through the result text, which must be well formed and, below 10^11 in magnitude,
// equal the rounding worked out on decimal digits and read back as the number it says.

#include "text/numbertext.h"

#include "tests/support/resulttextgrammar.h"
#include "tests/support/resulttextoracle.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void fail(const char* what)
{
    fprintf(stderr, "%s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (std::isnan(velmora::leadingNumber(text)))
        fail("the leading-number rule gave NaN");

    if (size >= sizeof(double)) {
        double x;
        std::memcpy(&x, data, sizeof x);
        if (std::isfinite(x)) {
            const std::string written = velmora::resultText(x);
            if (!velmora::testing::isResultText(written))
                fail(("malformed result text: " + written).c_str());
            if (std::fabs(x) < 1e11) {
                if (written != velmora::testing::resultTextByDigits(x))
                    fail(("result text differs from the decimal rounding: " + written).c_str());
                const double back = velmora::leadingNumber(written);
                if (back != std::strtod(written.c_str(), nullptr))
                    fail(("result text reads back as another number: " + written).c_str());
            }
        }
    }
    return 0;
}
