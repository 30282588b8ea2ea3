#include "ui/formabout.h"

#include "ui/applicationicon.h"
#include "ui/controlbuilder.h"
#include "ui/controltable.h"
#include "ui/fixedcolours.h"

namespace velmora {

Form_About::Form_About()
{
    setObjectName(QStringLiteral("Form_About"));
    setWindowTitle(tr("About"));
    setWindowIcon(applicationIcon());
    setFixedSize(pixelsFromTwips(aboutWindowWidth), pixelsFromTwips(aboutWindowHeight));
    setFixedColours(*this, Surface::Window, aboutBackground);
    buildControls(this, aboutWindowControls());
}

void AboutWindowReference::show()
{
    if (!window_)
        window_ = std::make_unique<Form_About>();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

} // namespace velmora
