#pragma once

#include <functional>
#include <memory>

namespace velmora {

// The About window as its menu entry sees it: a window that is open or closed.
class AboutWindow {
public:
    virtual ~AboutWindow() = default;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // Opens the closed window afresh from its layout.
    virtual void open() = 0;
    // Brings the open window to the front and makes it the active one.
    virtual void activate() = 0;
};

// The program's one reference to the About window: empty until the menu entry is first
// used, then kept for the program's life. Showing it makes the window on first use,
// opens it when it is closed and makes it active; there is never a second one. It
// outlives the main window, whose closing leaves an open About window open.
class AboutWindowReference {
public:
    using Maker = std::function<std::unique_ptr<AboutWindow>()>;

    // The click on Mn_About; make is called on the first one only.
    void show(const Maker& make);

    [[nodiscard]] AboutWindow* window() const { return window_.get(); }

private:
    std::unique_ptr<AboutWindow> window_;
};

} // namespace velmora
