#pragma once

#include <functional>
#include <memory>

namespace velmora {

// A window opened from a menu entry, as the entry sees it: open or closed.
class OpenableWindow {
public:
    virtual ~OpenableWindow() = default;
    [[nodiscard]] virtual bool isOpen() const = 0;
    // Opens the closed window as it was when closed.
    virtual void open() = 0;
    // Brings the open window to the front and makes it the active one.
    virtual void activate() = 0;
};

// The program's one reference to such a window: empty until its menu entry is first used,
// then kept for the program's life. Showing it makes the window on first use, opens it
// when it is closed and makes it active; there is never a second one. It outlives the
// main window, whose closing leaves an open window open.
template <class Window> class WindowReference {
public:
    using Maker = std::function<std::unique_ptr<Window>()>;

    // The click on the menu entry; make is called on the first one only.
    void show(const Maker& make)
    {
        if (!window_)
            window_ = make();
        if (!window_->isOpen())
            window_->open();
        window_->activate();
    }

    [[nodiscard]] Window* window() const { return window_.get(); }

private:
    std::unique_ptr<Window> window_;
};

} // namespace velmora
