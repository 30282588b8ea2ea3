#include "web/pagemarkup.h"

#include "text/systemtexts.h"
#include "ui/accessiblenames.h"
#include "ui/controltable.h"
#include "web/layout.h"
#include "web/markup.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace velmora {

namespace {

struct Corner {
    int x = 0, y = 0;
};

// A text input that phones open with a full keyboard: the numbers the window reads may
// have a sign, a point and an exponent, which no numeric keypad offers everywhere (a German
// iPhone's offers only a comma, which ends a number here).
Attributes boxAttributes(const ControlSpec& row)
{
    return {{"class", rowClasses("box", row)},
            {"type", "text"},
            {"inputmode", "text"},
            {"autocomplete", "off"},
            {"autocapitalize", "off"},
            {"autocorrect", "off"},
            {"spellcheck", "false"},
            {"value", std::string(row.text)}};
}

// Every control is placed in the client area itself, whatever frame it is drawn in, so
// that the document's order can be the desktop's tab order: the frames and labels first,
// beneath everything, then the controls that take focus in ascending tab index. Only the
// options stay inside their frame, the radio group named by its caption. Every element
// has its row's name as its id.
void writeControls(Markup& markup)
{
    const std::span<const ControlSpec> table = mainWindowControls();
    std::map<std::string_view, Corner> corners;
    std::map<std::string_view, const ControlSpec*> groups; // frames with a caption: radio groups
    std::vector<const ControlSpec*> focusable;

    for (const ControlSpec& row : table) {
        const Corner container = row.container.empty() ? Corner{} : corners.at(row.container);
        const int inset = row.container == "Picture1" ? pictureBorder : 0;
        corners[row.name] = {container.x + inset + pixelsFromTwips(row.left),
                             container.y + inset + pixelsFromTwips(row.top)};
        if (takesFocus(row.builds.kind)) {
            focusable.push_back(&row);
            continue;
        }
        if (row.container == "Picture1")
            continue; // the chart's caption goes with the chart
        if (row.builds.kind == ControlKind::Frame && !row.text.empty()) {
            groups.emplace(row.name, &row); // written with its first option
            continue;
        }
        // The boxes carry full names; the labels beside them are for the eye.
        if (row.builds.kind == ControlKind::Frame) {
            markup.element("div", {{"class", rowClasses("frame", row)},
                                   {"id", std::string(row.name)},
                                   {"aria-hidden", "true"}});
            markup.style(std::string(row.name), rowCss(row, container.x, container.y));
        } else {
            writeLabel(markup, row, std::string(row.name), container.x, container.y,
                       {{"aria-hidden", "true"}});
        }
    }

    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    const ControlSpec* openGroup = nullptr;
    for (const ControlSpec* row : focusable) {
        const std::string id(row->name);
        const Corner container = row->container.empty() ? Corner{} : corners.at(row->container);
        const auto group = groups.find(row->container);
        const ControlSpec* ownGroup =
            row->builds.kind == ControlKind::OptionButton && group != groups.end() ? group->second : nullptr;
        if (openGroup && openGroup != ownGroup) {
            markup.close("fieldset");
            openGroup = nullptr;
        }
        if (ownGroup && !openGroup) {
            const std::string groupId(ownGroup->name);
            const Corner outer = ownGroup->container.empty() ? Corner{} : corners.at(ownGroup->container);
            markup.open("fieldset", {{"class", rowClasses("frame group", *ownGroup)},
                                     {"id", groupId},
                                     {"role", "radiogroup"},
                                     {"aria-labelledby", groupId + "-caption"}});
            markup.style(groupId, rowCss(*ownGroup, outer.x, outer.y));
            markup.element("legend", {{"class", "frame-caption"}, {"id", groupId + "-caption"}},
                           ownGroup->text);
            openGroup = ownGroup;
        }

        Attributes named;
        if (row->builds.control)
            if (const AccessibleText* text = accessibleTextOf(*row->builds.control)) {
                named.push_back({"aria-label", std::string(text->name)});
                if (!text->description.empty()) {
                    markup.element("span", {{"id", id + "-description"}, {"hidden", ""}}, text->description);
                    named.push_back({"aria-describedby", id + "-description"});
                }
            }
        const auto withNamed = [&](Attributes attributes) {
            attributes.push_back({"id", id});
            if (!row->visible && row->builds.kind != ControlKind::OptionButton)
                attributes.push_back({"hidden", ""});
            attributes.insert(attributes.end(), named.begin(), named.end());
            return attributes;
        };

        switch (row->builds.kind) {
        case ControlKind::TextBox:
            markup.open("input", withNamed(boxAttributes(*row)));
            markup.style(id, rowCss(*row, container.x, container.y));
            break;
        case ControlKind::CommandButton:
            markup.element("button", withNamed({{"class", rowClasses("command", *row)}, {"type", "button"}}),
                           row->text);
            markup.style(id, rowCss(*row, container.x, container.y));
            break;
        case ControlKind::OptionButton: {
            Attributes option{{"class", rowClasses("option", *row)}, {"id", id + "-option"}};
            if (!row->visible)
                option.push_back({"hidden", ""});
            markup.open("label", option);
            markup.open("input", withNamed({{"type", "radio"}, {"name", "input-mode"}}));
            markup.element("span", {}, row->text);
            markup.close("label");
            // Inside its group, placed from the group's corner.
            markup.style(id + "-option",
                         ownGroup ? rowCss(*row, 0, 0) : rowCss(*row, container.x, container.y));
            break;
        }
        case ControlKind::PictureBox: {
            // Described by what the chart shows, which changes with every calculation.
            markup.element("span", {{"id", id + "-description"}, {"hidden", ""}});
            Attributes picture =
                withNamed({{"class", rowClasses("picture", *row)}, {"role", "img"}, {"tabindex", "0"}});
            picture.push_back({"aria-describedby", id + "-description"});
            markup.open("div", picture);
            markup.element("svg", {{"id", id + "-drawing"}, {"aria-hidden", "true"}});
            for (const ControlSpec& inside : table)
                if (inside.container == row->name)
                    writeLabel(markup, inside, std::string(inside.name), pictureBorder, pictureBorder);
            markup.close("div");
            markup.style(id, rowCss(*row, container.x, container.y));
            break;
        }
        case ControlKind::Frame:
        case ControlKind::Label:
            break;
        }
    }
    if (openGroup)
        markup.close("fieldset");
}

// Closed until the menu opens it, beside the main window (below it where the screen is
// narrow). Its labels' names are the main window's too: their ids say which window.
void writeAboutWindow(Markup& markup)
{
    markup.open("dialog",
                {{"class", "window about"}, {"id", "Form_About"}, {"aria-labelledby", "Form_About-title"}});
    markup.open("div", {{"class", "title-bar"}});
    markup.element("h2", {{"class", "title"}, {"id", "Form_About-title"}}, aboutCaption);
    markup.element(
        "button",
        {{"class", "close"}, {"id", "Form_About-close"}, {"type", "button"}, {"aria-label", "Close"}}, "×");
    markup.close("div");
    markup.open("div", {{"class", "client about-client"}, {"id", "Form_About-client"}});
    // In the flow of the dialog, not placed in it as the controls are.
    markup.style("Form_About-client",
                 "position:relative;width:" + std::to_string(pixelsFromTwips(aboutWindowWidth)) +
                     "px;height:" + std::to_string(pixelsFromTwips(aboutWindowHeight)) +
                     "px;background-color:" + cssColour(aboutBackground) + ";");
    for (const ControlSpec& row : aboutWindowControls())
        writeLabel(markup, row, "Form_About-" + std::string(row.name), 0, 0);
    markup.close("div");
    markup.close("dialog");
}

} // namespace

Markup pageMarkup()
{
    Markup markup;
    // Inert until the program has bound the controls: seen at once, used once they work.
    markup.open("div", {{"class", "windows"}, {"id", "windows"}, {"inert", ""}});
    markup.open(
        "section",
        {{"class", "window main-window"}, {"id", "Form_Velmora"}, {"aria-labelledby", "Form_Velmora-title"}});
    markup.open("div", {{"class", "title-bar"}});
    markup.element("h1", {{"class", "title"}, {"id", "Form_Velmora-title"}}, applicationTitle);
    markup.close("div");
    markup.open("div", {{"class", "menu-bar"}, {"role", "menubar"}, {"aria-label", "Menu"}});
    markup.element("button",
                   {{"class", "menu-entry"}, {"id", "Mn_About"}, {"type", "button"}, {"role", "menuitem"}},
                   aboutCaption);
    markup.close("div");
    markup.open("div", {{"class", "client"}, {"id", "Form_Velmora-client"}});
    markup.style("Form_Velmora-client",
                 placementCss(0, 0, pixelsFromTwips(mainWindowWidth), pixelsFromTwips(mainWindowHeight)));
    writeControls(markup);
    markup.close("div");
    markup.close("section");
    writeAboutWindow(markup);
    markup.close("div");

    markup.open("dialog", {{"class", "window message"},
                           {"id", "message"},
                           {"aria-labelledby", "message-title"},
                           {"aria-describedby", "message-text"}});
    markup.element("h2", {{"class", "title-bar title"}, {"id", "message-title"}}, applicationTitle);
    markup.element("p", {{"class", "message-text font-interface"}, {"id", "message-text"}});
    markup.element("button",
                   {{"class", "message-ok font-interface"}, {"id", "message-ok"}, {"type", "button"}}, "OK");
    markup.close("dialog");
    markup.element(
        "div",
        {{"class", "visually-hidden"}, {"id", "announcement"}, {"role", "status"}, {"aria-live", "polite"}});
    return markup;
}

} // namespace velmora
