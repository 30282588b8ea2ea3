#include "ui/problemmessages.h"

#include "text/numbertext.h"
#include "text/systemtexts.h"

#include <cmath>
#include <initializer_list>

namespace velmora {

namespace {

// pattern with %1, %2, ... replaced by the values in turn.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string> values)
{
    std::string text(pattern);
    char marker = '1';
    for (const std::string& value : values) {
        const std::string place = {'%', marker++};
        if (const std::size_t at = text.find(place); at != std::string::npos)
            text.replace(at, place.size(), value);
    }
    return text;
}

constexpr double decimals = 10'000.0;

} // namespace

std::string outsideRangeMessage(std::string_view entry, const QuantityRange& range, double gama,
                                std::string_view separator)
{
    const std::string low = resultText(std::ceil(range.low * decimals) / decimals, separator);
    std::string words;
    if (std::isinf(range.high))
        words = fillIn(range.lowIncluded ? rangeAtLeast : rangeAbove, {low});
    else
        words = fillIn(range.lowIncluded ? rangeAtLeastBelow : rangeAboveBelow,
                       {low, resultText(std::floor(range.high * decimals) / decimals, separator)});
    return fillIn(knownValueOutsideRange, {std::string(entry), words, resultText(gama, separator)});
}

std::string ductChokesMessage(double M1, double longestFLD4, std::string_view separator)
{
    return fillIn(ductChokes, {resultText(M1, separator), resultText(longestFLD4, separator)});
}

} // namespace velmora
