#include "web/pagewindow.h"

#include "text/systemtexts.h"
#include "ui/accessiblenames.h"
#include "ui/controltable.h"
#include "web/aboutdialog.h"
#include "web/dom.h"
#include "web/layout.h"

#include <algorithm>
#include <cstring>

namespace velmora {

namespace {

using emscripten::val;

// The picture box's sunken border: what it holds is placed from inside it.
constexpr int pictureBorder = 2;

struct Corner {
    int x = 0, y = 0;
};

const AccessibleText* accessibleTextOf(const Control& control)
{
    for (const AccessibleText& t : accessibleTexts())
        if (t.control == control)
            return &t;
    return nullptr;
}

// The user's decimal separator, as the browser's language writes one and a half.
std::string browserDecimalSeparator()
{
    const val format = val::global("Intl")["NumberFormat"].new_(val::global("navigator")["language"]);
    const val parts = format.call<val>("formatToParts", 1.5);
    const int count = parts["length"].as<int>();
    for (int i = 0; i < count; ++i)
        if (parts[i]["type"].as<std::string>() == "decimal")
            return parts[i]["value"].as<std::string>();
    return ".";
}

// A text input that phones open with a full keyboard: the numbers the window reads may
// have a sign, a point and an exponent, which no numeric keypad offers everywhere (a German
// iPhone's offers only a comma, which ends a number here).
val makeBox(const ControlSpec& row)
{
    val box = dom::element("input", "box");
    dom::setAttribute(box, "type", "text");
    dom::setAttribute(box, "inputmode", "text");
    dom::setAttribute(box, "autocomplete", "off");
    dom::setAttribute(box, "autocapitalize", "off");
    dom::setAttribute(box, "autocorrect", "off");
    dom::setAttribute(box, "spellcheck", "false");
    box.set("value", std::string(row.text));
    return box;
}

} // namespace

PageWindow::PageWindow(const val& page, AboutWindowReference& about)
    : about_(about), windows_(dom::element("div", "windows")),
      announcement_(dom::element("div", "visually-hidden")), chartDescription_(dom::element("span")),
      decimalSeparator_(browserDecimalSeparator())
{
    val window = dom::element("section", "window main-window");
    dom::setAttribute(window, "id", "Form_Velmora");
    dom::setAttribute(window, "aria-labelledby", "Form_Velmora-title");
    val titleBar = dom::element("div", "title-bar");
    val title = dom::element("h1", "title");
    dom::setAttribute(title, "id", "Form_Velmora-title");
    dom::setText(title, applicationTitle);
    titleBar.call<void>("appendChild", title);

    val menuBar = dom::element("div", "menu-bar");
    dom::setAttribute(menuBar, "role", "menubar");
    dom::setAttribute(menuBar, "aria-label", "Menu");
    val aboutEntry = dom::element("button", "menu-entry");
    dom::setAttribute(aboutEntry, "id", "Mn_About");
    dom::setAttribute(aboutEntry, "type", "button");
    dom::setAttribute(aboutEntry, "role", "menuitem");
    dom::setText(aboutEntry, aboutCaption);
    menuBar.call<void>("appendChild", aboutEntry);

    val client = dom::element("div", "client");
    dom::place(client, 0, 0, pixelsFromTwips(mainWindowWidth), pixelsFromTwips(mainWindowHeight));
    build(client);
    window.call<void>("append", titleBar, menuBar, client);
    windows_.call<void>("appendChild", window);

    val message = dom::element("dialog", "window message");
    dom::setAttribute(message, "id", "message");
    dom::setAttribute(message, "aria-labelledby", "message-title");
    dom::setAttribute(message, "aria-describedby", "message-text");
    val messageTitle = dom::element("h2", "title-bar title");
    dom::setAttribute(messageTitle, "id", "message-title");
    dom::setText(messageTitle, applicationTitle);
    val messageText = dom::element("p", "message-text font-interface");
    dom::setAttribute(messageText, "id", "message-text");
    val ok = dom::element("button", "message-ok font-interface");
    dom::setAttribute(ok, "id", "message-ok");
    dom::setAttribute(ok, "type", "button");
    dom::setText(ok, "OK");
    message.call<void>("append", messageTitle, messageText, ok);

    dom::setAttribute(announcement_, "role", "status");
    dom::setAttribute(announcement_, "aria-live", "polite");
    page.call<void>("append", windows_, message, announcement_);

    messenger_ = std::make_unique<DialogMessenger>(message, messageText, ok);
    handlers_ = std::make_unique<MainWindowHandlers>(*this);
    bindEvents();
}

// Every control is placed in the client area itself, whatever frame it is drawn in, so
// that the document's order can be the desktop's tab order: the frames and labels first,
// beneath everything, then the controls that take focus in ascending tab index. Only the
// options stay inside their frame, the radio group named by its caption.
void PageWindow::build(const val& client)
{
    const std::span<const ControlSpec> table = mainWindowControls();
    std::map<std::string_view, Corner> corners;
    std::map<std::string_view, val> groups;
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
            val group = dom::element("fieldset", "frame group");
            dom::setAttribute(group, "role", "radiogroup");
            val legend = dom::element("legend", "frame-caption");
            dom::setText(legend, std::string(row.text));
            group.call<void>("appendChild", legend);
            placeAndStyle(group, row, container.x, container.y);
            groups.emplace(row.name, group);
            continue;
        }
        val decoration = row.builds.kind == ControlKind::Frame ? dom::element("div", "frame")
                                                               : makeLabel(row, container.x, container.y);
        if (row.builds.kind == ControlKind::Frame)
            placeAndStyle(decoration, row, container.x, container.y);
        // The boxes carry full names; the labels beside them are for the eye.
        dom::setAttribute(decoration, "aria-hidden", "true");
        if (row.builds.control)
            elements_.emplace(*row.builds.control, decoration);
        client.call<void>("appendChild", decoration);
    }

    std::stable_sort(focusable.begin(), focusable.end(),
                     [](const ControlSpec* a, const ControlSpec* b) { return a->tabIndex < b->tabIndex; });
    for (const ControlSpec* row : focusable) {
        const Corner container = row->container.empty() ? Corner{} : corners.at(row->container);
        val made = val::null();
        switch (row->builds.kind) {
        case ControlKind::TextBox:
            made = makeBox(*row);
            placeAndStyle(made, *row, container.x, container.y);
            break;
        case ControlKind::CommandButton:
            made = dom::element("button", "command");
            dom::setAttribute(made, "type", "button");
            dom::setText(made, std::string(row->text));
            placeAndStyle(made, *row, container.x, container.y);
            break;
        case ControlKind::OptionButton: {
            val option = dom::element("label", "option");
            made = dom::element("input");
            dom::setAttribute(made, "type", "radio");
            dom::setAttribute(made, "name", "input-mode");
            val caption = dom::element("span");
            dom::setText(caption, std::string(row->text));
            option.call<void>("append", made, caption);
            // Inside its group, placed from the group's corner.
            const auto group = groups.find(row->container);
            if (group != groups.end()) {
                placeAndStyle(option, *row, 0, 0);
                if (!group->second["parentNode"].as<bool>())
                    client.call<void>("appendChild", group->second);
                group->second.call<void>("appendChild", option);
            } else {
                placeAndStyle(option, *row, container.x, container.y);
                client.call<void>("appendChild", option);
            }
            break;
        }
        case ControlKind::PictureBox: {
            made = dom::element("div", "picture");
            placeAndStyle(made, *row, container.x, container.y);
            dom::setAttribute(made, "role", "img");
            dom::setAttribute(made, "tabindex", "0");
            const int width = pixelsFromTwips(row->width) - 2 * pictureBorder;
            const int height = pixelsFromTwips(row->height) - 2 * pictureBorder;
            val drawing = dom::svgElement("svg");
            dom::setAttribute(drawing, "aria-hidden", "true");
            made.call<void>("appendChild", drawing);
            val caption = val::null();
            for (const ControlSpec& inside : table)
                if (inside.container == row->name) {
                    caption = makeLabel(inside, pictureBorder, pictureBorder);
                    made.call<void>("appendChild", caption);
                }
            chart_ = std::make_unique<SvgSurface>(drawing, caption, width, height);
            const std::string description = std::string(row->name) + "-description";
            dom::setAttribute(chartDescription_, "id", description);
            dom::setHidden(chartDescription_, true);
            dom::setAttribute(made, "aria-describedby", description);
            client.call<void>("appendChild", chartDescription_);
            break;
        }
        case ControlKind::Frame:
        case ControlKind::Label:
            break;
        }
        dom::setAttribute(made, "id", std::string(row->name));
        dom::setHidden(row->builds.kind == ControlKind::OptionButton ? made["parentNode"] : made,
                       !row->visible);
        if (row->builds.control) {
            elements_.emplace(*row->builds.control, made);
            if (const AccessibleText* named = accessibleTextOf(*row->builds.control)) {
                dom::setAttribute(made, "aria-label", std::string(named->name));
                if (!named->description.empty()) {
                    val description = dom::element("span");
                    const std::string id = std::string(row->name) + "-description";
                    dom::setAttribute(description, "id", id);
                    dom::setText(description, std::string(named->description));
                    dom::setHidden(description, true);
                    client.call<void>("appendChild", description);
                    dom::setAttribute(made, "aria-describedby", id);
                }
            }
        }
        if (row->builds.kind != ControlKind::OptionButton)
            client.call<void>("appendChild", made);
    }
    for (auto& [name, group] : groups) {
        const val legend = group["firstElementChild"];
        const std::string id = std::string(name) + "-caption";
        dom::setAttribute(legend, "id", id);
        dom::setAttribute(group, "aria-labelledby", id);
        dom::setAttribute(group, "id", std::string(name));
    }
}

// The browser's number formats are loaded on first use, which the opening page need not wait for.
std::string PageWindow::decimalSeparator() const
{
    if (!decimalSeparator_)
        decimalSeparator_ = browserDecimalSeparator();
    return *decimalSeparator_;
}

std::string PageWindow::text(Box box) const { return element(box)["value"].as<std::string>(); }

void PageWindow::setText(Box box, std::string_view text)
{
    element(box).set("value", std::string(text));
    written_.emplace_back(box, std::string(text));
}

void PageWindow::setCaption(Button button, std::string_view caption)
{
    dom::setText(element(button), std::string(caption));
}

void PageWindow::setVisible(Control control, bool visible) { dom::setHidden(element(control), !visible); }

void PageWindow::setBackground(Box box, Rgb colour)
{
    element(box)["style"].set("backgroundColor", dom::colour(colour));
}

std::optional<Option> PageWindow::selectedOption() const
{
    for (const Option option : {Option::Option_M, Option::Option_FLD4})
        if (element(option)["checked"].as<bool>())
            return option;
    return std::nullopt;
}

void PageWindow::describeChart(std::string_view description)
{
    dom::setText(chartDescription_, std::string(description));
}

void PageWindow::showAboutWindow()
{
    about_.show([this]() -> std::unique_ptr<AboutWindow> { return std::make_unique<AboutDialog>(windows_); });
}

// As on the desktop, a mode is applied when its option becomes selected, not when a
// selected option is clicked again.
void PageWindow::onOption(Option option)
{
    if (selectedOption() != option || selected_ == option)
        return;
    selected_ = option;
    handlers_->optionSelected(option);
}

// The results of a calculation are read out once, together, by a screen reader.
void PageWindow::onCalculate()
{
    written_.clear();
    handlers_->calculateClicked();
    std::string summary;
    for (const auto& [box, text] : written_) {
        const AccessibleText* named = accessibleTextOf(box);
        if (!summary.empty())
            summary += ", ";
        summary += std::string(named ? named->name : "") + " " + text;
    }
    written_.clear();
    if (!summary.empty())
        dom::setText(announcement_, summary);
}

void PageWindow::bindEvents()
{
    struct Binding {
        const char* target;
        em_mouse_callback_func callback;
    };
    const Binding bindings[] = {
        {"#Command1",
         [](int, const EmscriptenMouseEvent*, void* self) {
             static_cast<PageWindow*>(self)->onCalculate();
             return EM_FALSE;
         }},
        {"#Option_M",
         [](int, const EmscriptenMouseEvent*, void* self) {
             static_cast<PageWindow*>(self)->onOption(Option::Option_M);
             return EM_FALSE;
         }},
        {"#Option_FLD4",
         [](int, const EmscriptenMouseEvent*, void* self) {
             static_cast<PageWindow*>(self)->onOption(Option::Option_FLD4);
             return EM_FALSE;
         }},
        {"#Picture1",
         [](int, const EmscriptenMouseEvent*, void* self) {
             static_cast<PageWindow*>(self)->handlers_->chartClicked();
             return EM_FALSE;
         }},
        {"#Mn_About",
         [](int, const EmscriptenMouseEvent*, void* self) {
             static_cast<PageWindow*>(self)->handlers_->aboutClicked();
             return EM_FALSE;
         }},
    };
    for (const Binding& binding : bindings)
        emscripten_set_click_callback(binding.target, this, false, binding.callback);
}

} // namespace velmora
