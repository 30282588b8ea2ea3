#include "qt/formvelmora.h"

#include "qt/accessiblerole.h"
#include "qt/formabout.h"
#include "qt/formproblems.h"
#include "qt/keyevents.h"
#include "qt/picturebox.h"
#include "qt/qttext.h"
#include "qt/restoredsize.h"
#include "qt/windowlook.h"
#include "text/systemtexts.h"
#include "ui/accessiblenames.h"
#include "ui/controltable.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>

namespace velmora {

Form_Velmora::Form_Velmora(Messenger& messenger, AboutWindowReference& about, QWidget* parent)
    : QMainWindow(parent), messenger_(messenger), about_(about),
      ownProblems_(std::make_unique<ProblemsWindowReference>()), problems_(*ownProblems_)
{
    build();
}

Form_Velmora::Form_Velmora(Messenger& messenger, AboutWindowReference& about,
                           ProblemsWindowReference& problems, QWidget* parent)
    : QMainWindow(parent), messenger_(messenger), about_(about), problems_(problems)
{
    build();
}

void Form_Velmora::build()
{
    setObjectName(QStringLiteral("Form_Velmora"));
    setWindowTitle(fromUtf8(applicationTitle));
    setIconAfterFirstFrame(*this);
    setFont(fontFor(ControlFont::Interface));

    auto* aboutEntry = menuBar()->addAction(fromUtf8(aboutCaption));
    aboutEntry->setObjectName(QStringLiteral("Mn_About"));
    connect(aboutEntry, &QAction::triggered, this, [this] { handlers_->aboutClicked(); });
    auto* problemsEntry = menuBar()->addAction(fromUtf8(problemsCaption));
    problemsEntry->setObjectName(QStringLiteral("Mn_Problems"));
    connect(problemsEntry, &QAction::triggered, this, [this] { handlers_->problemsClicked(); });

    // The client area has a fixed size, but the window takes whatever size the window
    // system gives it (maximised, full screen, tiled) and keeps the client area at its top
    // left: a Wayland compositor ends a client that refuses the size it configured.
    auto* client = new QWidget(this);
    client->setFixedSize(pixelsFromTwips(mainWindowWidth), pixelsFromTwips(mainWindowHeight));
    setCentralWidget(client);
    keepWholeWhenRestored(*this);
    controls_ = buildControls(client, mainWindowControls());
    nameForAssistiveTechnology(controls_, accessibleTexts());
    handlers_ = std::make_unique<MainWindowHandlers>(*this);

    // A mode's handler runs whenever its option becomes selected, by mouse or keyboard.
    QRadioButton* const machOption = controls_.option(Option::Option_M);
    options_ = new QButtonGroup(machOption->parentWidget());
    for (const Option option : {Option::Option_FLD4, Option::Option_M})
        options_->addButton(controls_.option(option), static_cast<int>(option));
    connect(options_, &QButtonGroup::idToggled, this, [this](int option, bool selected) {
        if (selected)
            handlers_->optionSelected(static_cast<Option>(option));
    });
    connect(controls_.button(Button::Command1), &QPushButton::clicked, this,
            [this] { handlers_->calculateClicked(); });
    connect(controls_.picture(Picture::Picture1), &PictureBox::clicked, this,
            [this](QPointF where) { handlers_->chartClicked(where.x(), where.y()); });
    for (const auto& [control, widget] : controls_.all())
        widget->installEventFilter(this);
}

Form_Velmora::~Form_Velmora() = default;

std::string Form_Velmora::text(Box box) const { return controls_.box(box)->text().toStdString(); }

void Form_Velmora::setText(Box box, std::string_view text) { controls_.box(box)->setText(fromUtf8(text)); }

void Form_Velmora::setCaption(Button button, std::string_view caption)
{
    controls_.button(button)->setText(fromUtf8(caption));
}

void Form_Velmora::setVisible(Control control, bool visible)
{
    controls_.widget(control)->setVisible(visible);
}

void Form_Velmora::setBackground(Box box, Rgb colour)
{
    setFixedColours(*controls_.box(box), Surface::TextBox, colour);
}

std::optional<Option> Form_Velmora::selectedOption() const
{
    const int id = options_->checkedId();
    if (id < 0)
        return std::nullopt;
    return static_cast<Option>(id);
}

std::string Form_Velmora::decimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

DrawingSurface& Form_Velmora::chart() { return *controls_.picture(Picture::Picture1); }

void Form_Velmora::describeChart(std::string_view description)
{
    controls_.picture(Picture::Picture1)->setAccessibleDescription(fromUtf8(description));
}

void Form_Velmora::announce(std::string_view words) { announceToScreenReaders(*this, fromUtf8(words)); }

bool Form_Velmora::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QMainWindow::eventFilter(watched, event);
    const std::optional<Control> control = controls_.controlOf(watched);
    if (!control)
        return false;
    return handlers_->keyPressed(keyOf(*static_cast<QKeyEvent*>(event)), *control) == KeyResponse::Nothing;
}

void Form_Velmora::showAboutWindow() { velmora::showAboutWindow(about_); }

void Form_Velmora::showProblemsWindow() { velmora::showProblemsWindow(problems_); }

} // namespace velmora
