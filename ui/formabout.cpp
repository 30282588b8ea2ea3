#include "ui/formabout.h"

#include "text/systemtexts.h"
#include "ui/accessiblerole.h"
#include "ui/controlbuilder.h"
#include "ui/controltable.h"
#include "ui/qttext.h"
#include "ui/restoredsize.h"
#include "ui/windowlook.h"
#include "ui/windowplacement.h"

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

void AboutWindowReference::show(const QWidget* mainWindow)
{
    if (!window_) {
        window_ = std::make_unique<Form_About>();
        if (mainWindow)
            placeBeside(*window_, *mainWindow);
    }
    showAtOwnSize(*window_);
    window_->raise();
    window_->activateWindow();
}

} // namespace velmora
