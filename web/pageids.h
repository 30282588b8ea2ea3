#pragma once

// The ids of the page's elements that the program finds and the markup writes, said once
// for both. A control's element has its row's name as its id; its parts add a suffix.

#include <string>
#include <string_view>

namespace velmora::pageid {

inline constexpr const char* windows = "windows"; // inert until the program has bound them
inline constexpr const char* status = "status";   // "Loading Velmora…", or why it cannot
inline constexpr const char* announcement = "announcement";
inline constexpr const char* mainWindow = "Form_Velmora";
inline constexpr const char* aboutWindow = "Form_About";
inline constexpr const char* aboutEntry = "Mn_About"; // the menu entry
inline constexpr const char* problemsWindow = "Form_Problems";
inline constexpr const char* problemsEntry = "Mn_Problems";
inline constexpr const char* message = "message";

// A part of the element id: "Picture1-drawing", "message-ok".
inline std::string part(std::string_view id, std::string_view suffix)
{
    return std::string(id) + "-" + std::string(suffix);
}

inline constexpr const char* title = "title";
inline constexpr const char* client = "client";
inline constexpr const char* close = "close";
inline constexpr const char* caption = "caption";         // a radio group's
inline constexpr const char* description = "description"; // read with a control
inline constexpr const char* drawing = "drawing";         // the chart's SVG
inline constexpr const char* option = "option";           // an option's label
inline constexpr const char* text = "text";               // a message's
inline constexpr const char* ok = "ok";                   // a message's button

} // namespace velmora::pageid
