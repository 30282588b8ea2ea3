#pragma once

// The Fanno problems window as its behaviour sees it: what solving one known quantity,
// the duct and the chart need of a window, and nothing of how a platform shows it. The Qt
// widgets and the page's HTML controls each implement it; tests record it. Texts are UTF-8.
// Its controls are laid out by problemsWindowControls() (ui/controltable.h).

#include "flow/messenger.h"
#include "ui/chartwindow.h"
#include "ui/controls.h"
#include "ui/windowreference.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace velmora {

class ProblemsWindow : public ChartWindow {
public:
    [[nodiscard]] virtual std::string text(ProblemsBox box) const = 0;
    virtual void setText(ProblemsBox box, std::string_view text) = 0;
    // The entry chosen in "Known quantity", as an index into knownQuantityEntries(); the
    // window opens with the first.
    [[nodiscard]] virtual std::size_t knownEntry() const = 0;

    // decimalSeparator, chart and describeChart: see ChartWindow.

    // Words for a screen reader to say once, politely: the results of a solve.
    virtual void announce(std::string_view words) = 0;
    // Where messages go: a modal box titled "Velmora" with one OK button, as the main
    // window's.
    virtual Messenger& messenger() = 0;
};

// The program's one reference to the problems window, made on the first click on
// Mn_Problems and then brought back as the About window is.
using ProblemsWindowReference = WindowReference<OpenableWindow>;

} // namespace velmora
