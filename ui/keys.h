#pragma once

// What a key does in the windows' controls, decided here for every binding: a
// binding reports the key and the control it reached, and stops the key where the answer
// is that it does nothing. The window has no default button: Return, Enter and Escape
// press nothing, in any control.

#include "ui/controls.h"

namespace velmora {

enum class Key { Return, Enter, Escape, Space, Other };

enum class KeyResponse {
    Nothing,    // the key does nothing here: the binding stops it
    Press,      // it presses the focused button, which reports its click as a mouse's does
    ControlOwn, // the control's own: typing, moving within the options, Tab
};

[[nodiscard]] constexpr KeyResponse responseTo(Key key, ControlKind focused)
{
    switch (key) {
    case Key::Return:
    case Key::Enter:
    case Key::Escape:
        return KeyResponse::Nothing;
    case Key::Space:
        if (focused == ControlKind::CommandButton)
            return KeyResponse::Press;
        // A space is typed into a box, selects an option and opens a choice's list; on the
        // chart it does nothing.
        return focused == ControlKind::TextBox || focused == ControlKind::OptionButton ||
                       focused == ControlKind::ComboBox
                   ? KeyResponse::ControlOwn
                   : KeyResponse::Nothing;
    case Key::Other:
        return KeyResponse::ControlOwn;
    }
    return KeyResponse::ControlOwn;
}

} // namespace velmora
