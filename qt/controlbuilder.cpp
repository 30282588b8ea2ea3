#include "qt/controlbuilder.h"

#include "qt/captionlabel.h"
#include "qt/picturebox.h"
#include "qt/qttext.h"
#include "qt/textbox.h"
#include "qt/windowlook.h"
#include "qt/wrappingbutton.h"
#include "ui/placement.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <map>
#include <vector>

namespace velmora {

namespace {

QWidget* createControl(const ControlSpec& entry, QWidget* parent)
{
    const QString text = fromUtf8(entry.text);
    switch (entry.builds.kind) {
    case ControlKind::CommandButton:
        return new WrappingButton(text, parent);
    case ControlKind::Frame:
        return new QGroupBox(text, parent);
    case ControlKind::TextBox:
        return new TextBox(text, parent);
    case ControlKind::Label:
        if (qobject_cast<PictureBox*>(parent))
            return new CaptionLabel(text, parent);
        return new QLabel(text, parent);
    case ControlKind::OptionButton:
        return new QRadioButton(text, parent);
    case ControlKind::PictureBox:
        return new PictureBox(parent);
    case ControlKind::ComboBox:
        return new QComboBox(parent);
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

QPushButton* BuiltControls::button(ProblemsButton button) const
{
    return static_cast<QPushButton*>(widget(button));
}
QLineEdit* BuiltControls::box(ProblemsBox box) const { return static_cast<QLineEdit*>(widget(box)); }
QComboBox* BuiltControls::choice(Choice choice) const { return static_cast<QComboBox*>(widget(choice)); }
PictureBox* BuiltControls::picture(ProblemsPicture picture) const
{
    return static_cast<PictureBox*>(widget(picture));
}

std::optional<Control> BuiltControls::controlOf(const QObject* widget) const
{
    for (const auto& [control, built] : widgets_)
        if (built == widget)
            return control;
    return std::nullopt;
}

BuiltControls buildControls(QWidget* client, std::span<const ControlSpec> table)
{
    BuiltControls controls;
    std::map<std::string_view, QWidget*> byName;

    for (const ControlSpec& entry : table) {
        QWidget* parent = entry.container.empty() ? client : byName.at(entry.container);
        QWidget* control = createControl(entry, parent);
        control->setObjectName(fromUtf8(entry.name));

        const PixelPlace place = placeInContainer(table, entry);
        control->setGeometry(place.x, place.y, place.width, place.height);

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
    }

    // Labels lie beneath every box and button, as in the toolkit these layouts come from:
    // where a label overlaps a box, a click there must reach the box. Lowered last first,
    // the labels keep their own order among themselves.
    for (auto entry = table.rbegin(); entry != table.rend(); ++entry)
        if (entry->builds.kind == ControlKind::Label)
            byName.at(entry->name)->lower();

    const std::vector<const ControlSpec*> order = tabOrder(table);
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(byName.at(order[i - 1]->name), byName.at(order[i]->name));
    // The window opens with the focus where the tab order begins.
    if (!order.empty())
        byName.at(order.front()->name)->setFocus();
    return controls;
}

void nameForAssistiveTechnology(const BuiltControls& controls, std::span<const AccessibleText> texts)
{
    for (const AccessibleText& t : texts) {
        QWidget* control = controls.widget(t.control);
        control->setAccessibleName(fromUtf8(t.name));
        control->setToolTip(fromUtf8(t.name));
        if (!t.description.empty())
            control->setAccessibleDescription(fromUtf8(t.description));
    }
}

} // namespace velmora
