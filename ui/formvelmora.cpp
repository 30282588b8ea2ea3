#include "ui/formvelmora.h"

#include "text/systemtexts.h"
#include "ui/accessiblenames.h"
#include "ui/calculatecommand.h"
#include "ui/controlbuilder.h"
#include "ui/controltable.h"
#include "ui/formabout.h"
#include "ui/inputmodes.h"
#include "ui/picturebox.h"
#include "ui/qttext.h"
#include "ui/restoredsize.h"
#include "ui/windowlook.h"
#include "ui/windowplacement.h"

#include <QCloseEvent>
#include <QIcon>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace velmora {

Form_Velmora::Form_Velmora(Messenger& messenger, AboutWindowReference& about, QWidget* parent)
    : QMainWindow(parent), messenger_(messenger), about_(about)
{
    setObjectName(QStringLiteral("Form_Velmora"));
    setWindowTitle(fromUtf8(applicationTitle));
    setIconAfterFirstFrame(*this);
    setFont(fontFor(ControlFont::Interface));
    // No buttons at all in the page: a maximise button would bring back the system menu,
    // which Qt 6.4's page draws as a close button.
    if (runsInAPage())
        setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                       ~(Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint));

    auto* aboutEntry = menuBar()->addAction(fromUtf8(aboutCaption));
    aboutEntry->setObjectName(QStringLiteral("Mn_About"));
    connect(aboutEntry, &QAction::triggered, this, [this] { about_.show(this); });

    // The client area has a fixed size, but the window takes whatever size the window
    // system gives it (maximised, full screen, tiled) and keeps the client area at its top
    // left: a Wayland compositor ends a client that refuses the size it configured.
    auto* client = new QWidget(this);
    client->setFixedSize(pixelsFromTwips(mainWindowWidth), pixelsFromTwips(mainWindowHeight));
    setCentralWidget(client);
    keepWholeWhenRestored(*this);
    controls_ = buildControls(client, mainWindowControls());

    chart_ = std::make_unique<ChartView>(*controls_.Picture1);
    nameForAssistiveTechnology(controls_);

    // A mode's handler runs whenever its option becomes selected, by mouse or keyboard.
    groupInputModes(controls_);
    connect(controls_.inputModes, &QButtonGroup::idToggled, this, [this](int mode, bool selected) {
        if (selected)
            applyInputMode(controls_, static_cast<InputMode>(mode));
    });
    connect(controls_.Command1, &QPushButton::clicked, this, &Form_Velmora::onCalculateClicked);
    connect(controls_.Picture1, &PictureBox::clicked, this, &Form_Velmora::onPictureClicked);

    load();
}

Form_Velmora::~Form_Velmora() = default;

// A page cannot end its program: a closed main window would leave its last picture on
// the page, looking alive. There the main window has no close button and stays open;
// closing the page's tab ends Velmora.
void Form_Velmora::closeEvent(QCloseEvent* event)
{
    if (runsInAPage())
        event->ignore();
    else
        QMainWindow::closeEvent(event);
}

// The window's load step: the gas of a new window, and nothing on screen.
void Form_Velmora::load() { flow_ = loadedFlowState(); }

// The chart redraws with the γ last stored, not with whatever the γ box holds now.
void Form_Velmora::onPictureClicked()
{
    chart_->draw(flow_);
    chart_->mark(1.0, 0.0);
}

void Form_Velmora::onCalculateClicked() { runCalculateCommand(flow_, controls_, *chart_, messenger_); }

} // namespace velmora
