#include "qt/formabout.h"

#include "qt/accessiblerole.h"
#include "qt/controlbuilder.h"
#include "qt/qttext.h"
#include "qt/restoredsize.h"
#include "qt/windowlook.h"
#include "text/systemtexts.h"
#include "ui/controltable.h"

#include <QIcon>

namespace velmora {

Form_About::Form_About()
{
    // A window to screen readers, announced by its title when it opens.
    presentWithRole<Form_About, QAccessible::Window>();
    setObjectName(QStringLiteral("Form_About"));
    setWindowTitle(fromUtf8(aboutCaption));
    setIconAfterFirstFrame(*this);
    // Opens at the size of its layout and accepts any larger size the window system gives
    // it (see Form_Velmora); the labels stay where the layout puts them.
    const QSize layoutSize(pixelsFromTwips(aboutWindowWidth), pixelsFromTwips(aboutWindowHeight));
    setMinimumSize(layoutSize);
    resize(layoutSize);
    keepWholeWhenRestored(*this);
    setFixedColours(*this, Surface::Window, aboutBackground);
    buildControls(this, aboutWindowControls());
}

void Form_About::open() { show(); }

// An open window may be minimised: it comes back at its size.
void Form_About::activate()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void showAboutWindow(AboutWindowReference& reference)
{
    reference.show([]() -> std::unique_ptr<AboutWindow> { return std::make_unique<Form_About>(); });
}

Form_About* aboutWindowOf(const AboutWindowReference& reference)
{
    return static_cast<Form_About*>(reference.window()); // only showAboutWindow makes one
}

} // namespace velmora
