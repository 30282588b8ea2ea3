#pragma once

// The system's own texts that the code writes, exactly as the user reads them, typos and
// all: the window title, the messages, and the captions and box texts set while the
// program runs. The captions the windows open with stand in their layout tables.

namespace velmora {

inline constexpr const char* applicationTitle = "Velmora"; // every message box's title
inline constexpr const char* aboutCaption = "About";       // the menu entry and the About window's title
inline constexpr const char* problemsCaption = "Problems"; // the menu entry of the Fanno problems window
inline constexpr const char* problemsTitle = "Fanno problems";

inline constexpr const char* chooseInputParameter = "choose an input parameter";
// A message, and Command1's caption once an option is chosen.
inline constexpr const char* inputValueThenClick = "Input value then CLICK";
inline constexpr const char* noSupersonicSolutionMessage = "bu 4L*f/D için süpersonik çözüm yok";
inline constexpr const char* gammaMustExceedOne = "γ must be greater than 1";
inline constexpr const char* machMustBePositive = "M must be greater than 0";
inline constexpr const char* noFiniteResult = "No finite result for these inputs";

// The γ box's text as the window opens; the load step stores the γ it reads as.
inline constexpr const char* initialGamaText = "1.4";

// Shown in a Mach box when its search ended without a solution.
inline constexpr const char* noSolutionText = "****";

} // namespace velmora
