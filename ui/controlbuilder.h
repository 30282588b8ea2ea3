#pragma once

#include "ui/controltable.h"

#include <span>

class QWidget;

namespace velmora {

// Creates the controls of a layout table as children of client, in table order, each
// with its objectName, text, geometry, font, colour and visibility, stacks the labels
// beneath every other control, chains the focusable ones in ascending tab index and
// gives the first of them the focus.
// Returns the controls that the table's rows bind (none for the About window).
MainWindowControls buildControls(QWidget* client, std::span<const ControlSpec> table);

} // namespace velmora
