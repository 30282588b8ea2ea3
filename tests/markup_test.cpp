// The page's windows as the site carries them: HTML escaped as it is written, every control
// of the layout tables there under its own id, and every rule of the style sheet placing an
// element that exists.

#include "ui/controltable.h"
#include "web/markup.h"
#include "web/pageids.h"
#include "web/pagemarkup.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace velmora {
namespace {

TEST(Markup, EscapesTextAndAttributeValues)
{
    struct Case {
        const char* written;
        const char* escaped;
    };
    const Case cases[] = {
        {"", ""},
        {"4 f L*/D =", "4 f L*/D ="},
        {"ρ/ρ*    =", "ρ/ρ*    ="},
        {"a < b && c > d", "a &lt; b &amp;&amp; c &gt; d"},
        {"Velmora <velmora@example.org>", "Velmora &lt;velmora@example.org&gt;"},
        {"say \"1.4\"", "say &quot;1.4&quot;"},
        {"&amp;", "&amp;amp;"},
    };
    for (const Case& c : cases) {
        Markup markup;
        markup.element("span", {{"title", c.written}}, c.written);
        EXPECT_EQ(markup.html(), std::string("<span title=\"") + c.escaped + "\">" + c.escaped + "</span>")
            << c.written;
    }
}

TEST(Markup, AnInputIsWholeWithoutAClose)
{
    Markup markup;
    markup.open("label");
    markup.open("input", {{"type", "radio"}});
    markup.element("span", {}, "M");
    markup.close("label");
    EXPECT_EQ(markup.html(), "<label><input type=\"radio\"><span>M</span></label>");
}

std::map<std::string, int> idsIn(const std::string& html)
{
    std::map<std::string, int> ids;
    const std::regex id(R"re( id="([^"]*)")re");
    for (auto it = std::sregex_iterator(html.begin(), html.end(), id); it != std::sregex_iterator(); ++it)
        ++ids[(*it)[1]];
    return ids;
}

TEST(PageMarkup, EveryControlHasAnElementOfItsNameAndNoIdIsUsedTwice)
{
    const std::map<std::string, int> ids = idsIn(pageMarkup().html());
    for (const auto& [id, count] : ids)
        EXPECT_EQ(count, 1) << id;
    for (const ControlSpec& row : mainWindowControls())
        if (row.builds.control)
            EXPECT_TRUE(ids.count(std::string(row.name))) << row.name;
    // What the program binds beside the controls.
    using pageid::part;
    for (const std::string& id :
         {std::string(pageid::windows), std::string(pageid::announcement), std::string(pageid::message),
          part(pageid::message, pageid::text), part(pageid::message, pageid::ok),
          std::string(pageid::aboutWindow), part(pageid::aboutWindow, pageid::close),
          std::string(pageid::aboutEntry), part(nameOf(Picture::Picture1), pageid::drawing),
          part(nameOf(Picture::Picture1), pageid::description)})
        EXPECT_TRUE(ids.count(id)) << id;
}

TEST(PageMarkup, EveryRuleOfTheStyleSheetPlacesAnElementOnce)
{
    const Markup page = pageMarkup();
    const std::map<std::string, int> ids = idsIn(page.html());
    std::set<std::string> placed;
    const std::regex rule(R"re(^#([A-Za-z][-\w]*) \{ [^{}]+ \}$)re");
    std::istringstream lines(page.css());
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(line, match, rule)) << line;
        EXPECT_TRUE(ids.count(match[1])) << line;
        EXPECT_TRUE(placed.insert(match[1]).second) << line;
    }
    // An option is placed with its caption, as the element that holds both.
    for (const ControlSpec& row : mainWindowControls())
        EXPECT_TRUE(placed.count(std::string(row.name) + (row.builds.kind == ControlKind::OptionButton
                                                              ? "-" + std::string(pageid::option)
                                                              : "")))
            << row.name;
}

} // namespace
} // namespace velmora
