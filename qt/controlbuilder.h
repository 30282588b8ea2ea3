#pragma once

#include "ui/accessiblenames.h"
#include "ui/controltable.h"

#include <map>
#include <optional>
#include <span>

class QComboBox;
class QLabel;
class QObject;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace velmora {

class PictureBox;

// The widgets of the controls that a layout table's rows bind, found by identity; each
// kind is made as the class its accessor returns, or a subclass of it.
class BuiltControls {
public:
    void add(const Control& control, QWidget* widget) { widgets_.emplace(control, widget); }

    [[nodiscard]] QWidget* widget(const Control& control) const { return widgets_.at(control); }
    // The control whose widget this is, if any.
    [[nodiscard]] std::optional<Control> controlOf(const QObject* widget) const;
    [[nodiscard]] const std::map<Control, QWidget*>& all() const { return widgets_; }
    [[nodiscard]] QPushButton* button(Button button) const;
    [[nodiscard]] QLineEdit* box(Box box) const;
    [[nodiscard]] QRadioButton* option(Option option) const;
    [[nodiscard]] QLabel* label(Label label) const;
    [[nodiscard]] PictureBox* picture(Picture picture) const;
    [[nodiscard]] QPushButton* button(ProblemsButton button) const;
    [[nodiscard]] QLineEdit* box(ProblemsBox box) const;
    [[nodiscard]] QComboBox* choice(Choice choice) const;
    [[nodiscard]] PictureBox* picture(ProblemsPicture picture) const;

private:
    std::map<Control, QWidget*> widgets_;
};

// Creates the controls of a layout table as children of client, in table order, each
// with its objectName, text, geometry, font, colour and visibility, stacks the labels
// beneath every other control, chains the focusable ones in ascending tab index and
// gives the first of them the focus.
// Returns the controls that the table's rows bind (none for the About window). A choice is
// made empty: its entries are the window's to add.
BuiltControls buildControls(QWidget* client, std::span<const ControlSpec> table);

// Gives each control its name for assistive technology, which doubles as its hover help.
void nameForAssistiveTechnology(const BuiltControls& controls, std::span<const AccessibleText> texts);

} // namespace velmora
