#pragma once

#include "ui/keys.h"

#include <emscripten/html5.h>

#include <cstring>

namespace velmora {

// A browser's key as the windows' rules know keys: Enter of the number pad is Enter, the
// other is Return.
inline Key keyOf(const EmscriptenKeyboardEvent& event)
{
    if (std::strcmp(event.key, "Enter") == 0)
        return std::strcmp(event.code, "NumpadEnter") == 0 ? Key::Enter : Key::Return;
    if (std::strcmp(event.key, "Escape") == 0)
        return Key::Escape;
    return std::strcmp(event.key, " ") == 0 ? Key::Space : Key::Other;
}

} // namespace velmora
