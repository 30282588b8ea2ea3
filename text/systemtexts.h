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

// The Fanno problems window's messages; %1, %2, %3 stand for the values filled in.
inline constexpr const char* inletMachMustBePositive = "M1 must be greater than 0";
inline constexpr const char* ductFrictionMustNotBeNegative = "Duct 4fL/D must not be negative";
// %1 the known quantity's entry, %2 its range (one of the four below), %3 γ.
inline constexpr const char* knownValueOutsideRange = "%1: the known value must be %2 for γ = %3";
inline constexpr const char* rangeAbove = "above %1";
inline constexpr const char* rangeAtLeast = "at least %1";
inline constexpr const char* rangeAboveBelow = "above %1 and below %2";
inline constexpr const char* rangeAtLeastBelow = "at least %1 and below %2";
// %1 M1, %2 its longest duct.
inline constexpr const char* ductChokes = "The duct chokes: for M1 = %1 the longest 4fL/D is %2";

// The γ box's text as the window opens; the load step stores the γ it reads as.
inline constexpr const char* initialGamaText = "1.4";

// Shown in a Mach box when its search ended without a solution.
inline constexpr const char* noSolutionText = "****";

} // namespace velmora
