#pragma once

// The main window as its behaviour sees it: what the input modes, the calculate command,
// the chart click and the About and Problems menu entries need of a window, and nothing of how a platform
// shows it. The Qt widgets and the page's HTML controls each implement it; tests record
// it. Texts are UTF-8.

#include "flow/messenger.h"
#include "ui/chartwindow.h"
#include "ui/controls.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora {

class MainWindow : public ChartWindow {
public:
    [[nodiscard]] virtual std::string text(Box box) const = 0;
    virtual void setText(Box box, std::string_view text) = 0;
    virtual void setCaption(Button button, std::string_view caption) = 0;
    virtual void setVisible(Control control, bool visible) = 0;
    // The box's background; its text keeps a colour that reads on it.
    virtual void setBackground(Box box, Rgb colour) = 0;
    // The option the user selected; none until the first one is chosen.
    [[nodiscard]] virtual std::optional<Option> selectedOption() const = 0;

    // decimalSeparator, chart and describeChart: see ChartWindow.

    // Words for a screen reader to say once, politely: the results of a calculation.
    virtual void announce(std::string_view words) = 0;

    // Where messages go: a modal box titled "Velmora" with one OK button.
    virtual Messenger& messenger() = 0;
    // Shows the program's one About window: made on first use, opened or made active.
    virtual void showAboutWindow() = 0;
    // Shows the program's one Fanno problems window, as the About window is shown.
    virtual void showProblemsWindow() = 0;
};

} // namespace velmora
