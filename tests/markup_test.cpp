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
#include <variant>

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
    using pageid::part;
    for (const ControlSpec& row : mainWindowControls())
        if (row.builds.control)
            EXPECT_TRUE(ids.count(std::string(row.name))) << row.name;
    for (const ControlSpec& row : problemsWindowControls())
        if (row.builds.control)
            EXPECT_TRUE(ids.count(part(pageid::problemsWindow, row.name))) << row.name;
    // What the program binds beside the controls.
    const std::string problemsChart = part(pageid::problemsWindow, nameOf(ProblemsPicture::Picture1));
    for (const std::string& id :
         {std::string(pageid::windows), std::string(pageid::announcement), std::string(pageid::message),
          part(pageid::message, pageid::text), part(pageid::message, pageid::ok),
          std::string(pageid::aboutWindow), part(pageid::aboutWindow, pageid::close),
          std::string(pageid::aboutEntry), part(nameOf(Picture::Picture1), pageid::drawing),
          part(nameOf(Picture::Picture1), pageid::description), std::string(pageid::problemsWindow),
          part(pageid::problemsWindow, pageid::close), std::string(pageid::problemsEntry),
          part(problemsChart, pageid::drawing), part(problemsChart, pageid::description)})
        EXPECT_TRUE(ids.count(id)) << id;
}

// Once for every screen, and at most once more for a narrow one.
TEST(PageMarkup, EveryRuleOfTheStyleSheetPlacesAnElementOnce)
{
    const Markup page = pageMarkup();
    const std::map<std::string, int> ids = idsIn(page.html());
    std::map<std::string, std::set<std::string>> placedFor; // by media query, "" for every screen
    const std::regex rule(R"re(^(@media \([-a-z]+: \d+px\) \{ )?#([A-Za-z][-\w]*) \{ [^{}]+ \}( \})?$)re");
    std::istringstream lines(page.css());
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(line, match, rule)) << line;
        ASSERT_EQ(match[1].matched, match[3].matched) << line;
        EXPECT_TRUE(ids.count(match[2])) << line;
        EXPECT_TRUE(placedFor[match[1]].insert(match[2]).second) << line;
    }
    const std::set<std::string>& placed = placedFor[""];
    // A narrow screen moves what every screen places, and sizes a chart's drawing, which
    // its markup sizes otherwise.
    const std::string drawing = std::string("-") + pageid::drawing;
    for (const auto& [media, narrow] : placedFor)
        for (const std::string& id : narrow)
            EXPECT_TRUE(placed.count(id) || id.ends_with(drawing)) << media << id << " is placed only there";
    // An option is placed with its caption, as the element that holds both.
    for (const ControlSpec& row : mainWindowControls())
        EXPECT_TRUE(placed.count(std::string(row.name) + (row.builds.kind == ControlKind::OptionButton
                                                              ? "-" + std::string(pageid::option)
                                                              : "")))
            << row.name;
    for (const ControlSpec& row : problemsWindowControls())
        EXPECT_TRUE(placed.count(pageid::part(pageid::problemsWindow, row.name))) << row.name;
}

// The problems window's choice lists its entries in their order, and only its result boxes
// are read-only.
TEST(PageMarkup, TheProblemsChoiceListsItsEntriesAndOnlyResultBoxesAreReadOnly)
{
    const std::string html = pageMarkup().html();
    const std::string choiceId = pageid::part(pageid::problemsWindow, nameOf(Choice::Combo_Known));
    const std::size_t open = html.find("<select");
    ASSERT_NE(open, std::string::npos);
    ASSERT_NE(html.find("id=\"" + choiceId + "\"", open), std::string::npos);
    const std::size_t end = html.find("</select>", open);
    std::string listed;
    const std::regex option("<option>([^<]*)</option>");
    for (auto it = std::sregex_iterator(html.begin() + open, html.begin() + end, option);
         it != std::sregex_iterator(); ++it)
        listed += (*it)[1].str() + "|";
    std::string entries;
    for (const KnownQuantityEntry& entry : knownQuantityEntries())
        entries += std::string(entry.text) + "|";
    EXPECT_EQ(listed, entries);

    for (const ControlSpec& row : problemsWindowControls()) {
        const auto* box = row.builds.control ? std::get_if<ProblemsBox>(&*row.builds.control) : nullptr;
        if (!box)
            continue;
        const std::regex input("<input[^>]* id=\"" + pageid::part(pageid::problemsWindow, row.name) +
                               "\"[^>]*>");
        std::smatch match;
        ASSERT_TRUE(std::regex_search(html, match, input)) << row.name;
        EXPECT_EQ(match.str().find(" readonly") != std::string::npos, !takesInput(*box)) << row.name;
    }
    // The main window's boxes are all written into.
    EXPECT_EQ(html.find(" readonly"), html.find(" readonly", html.find(pageid::problemsWindow)));
}

} // namespace
} // namespace velmora
