#include "qt/formproblems.h"

#include "qt/accessiblerole.h"
#include "qt/keyevents.h"
#include "qt/picturebox.h"
#include "qt/qttext.h"
#include "qt/restoredsize.h"
#include "qt/windowlook.h"
#include "text/systemtexts.h"
#include "ui/controltable.h"

#include <QAccessible>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

#include <algorithm>

namespace velmora {

// boxes_ is made before messenger_ is bound to it, and owned by the window as it opens.
Form_Problems::Form_Problems() : Form_Problems(boxes_) { boxes_.setOwner(*this); }

Form_Problems::Form_Problems(Messenger& messenger) : messenger_(messenger)
{
    // A window to screen readers, announced by its title when it opens.
    presentWithRole<Form_Problems, QAccessible::Window>();
    setObjectName(QStringLiteral("Form_Problems"));
    setWindowTitle(fromUtf8(problemsTitle));
    setIconAfterFirstFrame(*this);
    setFont(fontFor(ControlFont::Interface));
    // Opens at the size of its layout and accepts any larger size, as the About window.
    const QSize layoutSize(pixelsFromTwips(problemsWindowWidth), pixelsFromTwips(problemsWindowHeight));
    setMinimumSize(layoutSize);
    resize(layoutSize);
    keepWholeWhenRestored(*this);

    controls_ = buildControls(this, problemsWindowControls());
    QComboBox* const known = controls_.choice(Choice::Combo_Known);
    for (const KnownQuantityEntry& entry : knownQuantityEntries())
        known->addItem(fromUtf8(entry.text));
    for (const auto& [control, widget] : controls_.all())
        if (const auto* box = std::get_if<ProblemsBox>(&control))
            controls_.box(*box)->setReadOnly(!takesInput(*box));
    nameForAssistiveTechnology(controls_, problemsAccessibleTexts());
    handlers_ = std::make_unique<ProblemsWindowHandlers>(*this);

    for (const ProblemsButton button : {ProblemsButton::Command_Solve, ProblemsButton::Command_SolveDuct})
        connect(controls_.button(button), &QPushButton::clicked, this,
                [this, button] { handlers_->clicked(button, 0.0, 0.0); });
    connect(controls_.picture(ProblemsPicture::Picture1), &PictureBox::clicked, this,
            [this](QPointF where) { handlers_->chartClicked(where.x(), where.y()); });
    for (const auto& [control, widget] : controls_.all())
        widget->installEventFilter(this);
}

Form_Problems::~Form_Problems() = default;

std::string Form_Problems::text(ProblemsBox box) const { return controls_.box(box)->text().toStdString(); }

void Form_Problems::setText(ProblemsBox box, std::string_view text)
{
    controls_.box(box)->setText(fromUtf8(text));
}

std::size_t Form_Problems::knownEntry() const
{
    return static_cast<std::size_t>(std::max(0, controls_.choice(Choice::Combo_Known)->currentIndex()));
}

std::string Form_Problems::decimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

DrawingSurface& Form_Problems::chart() { return *controls_.picture(ProblemsPicture::Picture1); }

void Form_Problems::describeChart(std::string_view description)
{
    controls_.picture(ProblemsPicture::Picture1)->setAccessibleDescription(fromUtf8(description));
}

void Form_Problems::announce(std::string_view words) { announceToScreenReaders(*this, fromUtf8(words)); }

// An open window may be minimised: it comes back at its size.
void Form_Problems::activate()
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

bool Form_Problems::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    const std::optional<Control> control = controls_.controlOf(watched);
    if (!control)
        return false;
    return handlers_->keyPressed(keyOf(*static_cast<QKeyEvent*>(event)), *control) == KeyResponse::Nothing;
}

void showProblemsWindow(ProblemsWindowReference& reference)
{
    reference.show([]() -> std::unique_ptr<OpenableWindow> { return std::make_unique<Form_Problems>(); });
}

Form_Problems* problemsWindowOf(const ProblemsWindowReference& reference)
{
    return static_cast<Form_Problems*>(reference.window()); // only showProblemsWindow makes one
}

} // namespace velmora
