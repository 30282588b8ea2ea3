#pragma once

#include "ui/controltable.h"

#include <QFont>

#include <span>

class QWidget;

namespace velmora {

// Creates the controls of a layout table as children of client, in table order, each
// with its objectName, text, geometry, font, colour and visibility, stacks the labels
// beneath every other control, and chains the focusable ones in ascending tab index.
void buildControls(QWidget* client, std::span<const ControlSpec> table);

// The fonts are URW's metric twins of Helvetica (close to the classic 8-point dialog
// font, so every caption fits its box) and DejaVu Sans Condensed for the About window.
[[nodiscard]] QFont fontFor(ControlFont font);

} // namespace velmora
