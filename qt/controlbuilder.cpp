#include "qt/controlbuilder.h"

#include "qt/captionlabel.h"
#include "qt/picturebox.h"
#include "qt/qttext.h"
#include "qt/textbox.h"
#include "qt/windowlook.h"
#include "qt/wrappingbutton.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <map>
#include <vector>

namespace velmora {

namespace {

QWidget* createControl(const ControlSpec& entry, QWidget* parent)
{
    const QString text = fromUtf8(entry.text);
    switch (entry.builds.kind) {
    case ControlKind::CommandButton: {
        auto* button = new WrappingButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case ControlKind::Frame:
        return new QGroupBox(text, parent);
    case ControlKind::TextBox:
        return new TextBox(text, parent);
    case ControlKind::Label:
        // A label on the chart sits over the drawing and must not pass clicks to it.
        if (qobject_cast<PictureBox*>(parent))
            return new CaptionLabel(text, parent);
        return new QLabel(text, parent);
    case ControlKind::OptionButton:
        return new QRadioButton(text, parent);
    case ControlKind::PictureBox:
        return new PictureBox(parent);
    }
    return nullptr;
}

} // namespace

// The builder makes each kind as its class below, so these downcasts are sound.
QPushButton* BuiltControls::button(Button button) const { return static_cast<QPushButton*>(widget(button)); }
QLineEdit* BuiltControls::box(Box box) const { return static_cast<QLineEdit*>(widget(box)); }
QRadioButton* BuiltControls::option(Option option) const
{
    return static_cast<QRadioButton*>(widget(option));
}
QLabel* BuiltControls::label(Label label) const { return static_cast<QLabel*>(widget(label)); }
PictureBox* BuiltControls::picture(Picture picture) const
{
    return static_cast<PictureBox*>(widget(picture));
}

BuiltControls buildControls(QWidget* client, std::span<const ControlSpec> table)
{
    BuiltControls controls;
    std::map<std::string_view, QWidget*> byName;
    std::vector<std::pair<int, QWidget*>> focusChain;

    for (const ControlSpec& entry : table) {
        QWidget* parent = entry.container.empty() ? client : byName.at(entry.container);
        QWidget* control = createControl(entry, parent);
        control->setObjectName(fromUtf8(entry.name));

        // Children of a picture box are placed from its inner drawing area.
        QPoint origin;
        if (auto* picture = qobject_cast<PictureBox*>(parent))
            origin = picture->contentsRect().topLeft();
        control->setGeometry(origin.x() + pixelsFromTwips(entry.left),
                             origin.y() + pixelsFromTwips(entry.top), pixelsFromTwips(entry.width),
                             pixelsFromTwips(entry.height));

        if (entry.font != ControlFont::Interface)
            control->setFont(fontFor(entry.font));
        if (entry.background)
            setFixedColours(*control, Surface::Window, *entry.background,
                            entry.textColour.value_or(textOnFixedBackground));
        if (!entry.visible)
            control->hide();

        byName.emplace(entry.name, control);
        if (entry.builds.control)
            controls.add(*entry.builds.control, control);
        if (takesFocus(entry.builds.kind))
            focusChain.emplace_back(entry.tabIndex, control);
    }

    // Labels lie beneath every box and button, as in the toolkit these layouts come from:
    // where a label overlaps a box, a click there must reach the box. Lowered last first,
    // the labels keep their own order among themselves.
    for (auto entry = table.rbegin(); entry != table.rend(); ++entry)
        if (entry->builds.kind == ControlKind::Label)
            byName.at(entry->name)->lower();

    // Not std::ranges::sort: the browser build's standard library has no ranges algorithms.
    std::sort(focusChain.begin(), focusChain.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        QWidget::setTabOrder(focusChain[i - 1].second, focusChain[i].second);
    // The window opens with the focus where the tab order begins.
    if (!focusChain.empty())
        focusChain.front().second->setFocus();
    return controls;
}

} // namespace velmora
