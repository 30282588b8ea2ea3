// Twenty thousand random actions on the real window from a fixed seed, with every
// invariant a user relies on checked after each one.

#include "tests/support/resulttextgrammar.h"
#include "tests/support/windowdriver.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QMenuBar>

#include <array>
#include <cmath>
#include <random>

using velmora::testing::isResultText;
using velmora::testing::WindowDriver;

namespace {

constexpr int actionCount = 20000;

// Inputs a user might type, odd ones on purpose: the edge values of the relations and
// the search, the ends of the double range, signs, blanks, exponents, &H and &O numbers.
const char* const knownTexts[] = {
    "2",
    "0.5",
    "1",
    "0",
    "-0",
    "0.25",
    "8.4834",
    "8.48",
    "8.4836",
    "0.305",
    "0.7299",
    "0.714",
    "0.7",
    "1.0",
    "-0.0001",
    "6",
    "5.5",
    "1.4",
    "1.3",
    "1.67",
    "0.95",
    "1e308",
    "1e-320",
    "1e400",
    "-1e400",
    "1e200",
    "1e-200",
    " ",
    "",
    "2abc",
    "1,5",
    "&H1F",
    "&O17",
    "&HFFFFFFFFFFFFFFFF",
    "1.000000000000001",
    "- 2",
    "1 2",
    ".5",
    "1e",
    "+3",
    "-2",
    "1.2.3",
    "abc",
    "9e99",
    "-8.5",
    "100",
    "0.0001",
    "&h",
    "e5",
};

class InputMaker {
public:
    explicit InputMaker(std::mt19937& random) : random_(random) {}

    QString next()
    {
        switch (pick(4)) {
        case 0:
        case 1:
            return QString::fromLatin1(knownTexts[pick(int(std::size(knownTexts)))]);
        case 2:
            return number();
        default:
            return garbage();
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }

    QString number()
    {
        QString text;
        if (pick(3) == 0)
            text += pick(2) ? '-' : '+';
        const int digits = 1 + pick(8);
        for (int i = 0; i < digits; ++i) {
            text += QChar('0' + pick(10));
            if (i == 0 && pick(2))
                text += '.';
            if (pick(10) == 0)
                text += ' ';
        }
        if (pick(3) == 0)
            text += QStringLiteral("e%1").arg(pick(801) - 400);
        return text;
    }

    // Characters that can start or break a number; no letters that could spell a word.
    QString garbage()
    {
        static constexpr char alphabet[] = "0123456789+-.eE &HhOoxz,\t;";
        QString text;
        const int length = pick(12);
        for (int i = 0; i < length; ++i)
            text += QChar::fromLatin1(alphabet[pick(int(sizeof alphabet) - 1)]);
        return text;
    }

    std::mt19937& random_;
};

enum class Mode { None, Mach, Friction };
enum class Action { ChooseMach, ChooseFriction, Calculate, Other };

// Whether an action may have changed a result box to this text, besides the text the
// user typed into it: each box is written only by its own option or by a calculation in
// the mode that writes it, and "****" only stands in a Mach box after a 4fL*/D search.
bool mayShow(const QString& box, Action action, Mode mode, const std::string& text)
{
    const bool machBox = box == QStringLiteral("Text_Msub") || box == QStringLiteral("Text_Msup");
    switch (action) {
    case Action::ChooseMach:
        return box == QStringLiteral("Text_Msub") && text == " ";
    case Action::ChooseFriction:
        return box == QStringLiteral("Text_FLD4") && text == " ";
    case Action::Calculate:
        if (mode == Mode::Friction)
            return machBox && (text == "****" || isResultText(text));
        return mode == Mode::Mach && !machBox && isResultText(text);
    case Action::Other:
        return false;
    }
    return false;
}

void dropOffscreenWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg && message.contains(QStringLiteral("does not support")))
        return;
    fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

class SoakTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        qInstallMessageHandler(dropOffscreenWarnings);
        QLocale::setDefault(QLocale::c());
    }
    void randomActionsKeepEveryInvariant();
};

void SoakTest::randomActionsKeepEveryInvariant()
{
    WindowDriver w;
    std::mt19937 random(20261208);
    InputMaker inputs(random);
    const std::array<QLineEdit*, 7> results{w.c.Text_Msub,    w.c.Text_Msup,   w.c.Text_FLD4,
                                            w.c.Text_TTstar,  w.c.Text_PPstar, w.c.Text_RoRostar,
                                            w.c.Text_PoPostar};
    const std::array<QLineEdit*, 3> inputBoxes{w.c.Text_gama, w.c.Text_Msub, w.c.Text_FLD4};
    QMenuBar* menu = w.window.menuBar();
    const QPoint aboutEntry = menu->actionGeometry(menu->actions().first()).center();

    QElapsedTimer clock;
    clock.start();
    for (int action = 0; action < actionCount; ++action) {
        std::array<QString, 7> before;
        for (std::size_t i = 0; i < results.size(); ++i)
            before[i] = results[i]->text();
        const Mode mode = w.c.Option_M->isChecked()      ? Mode::Mach
                          : w.c.Option_FLD4->isChecked() ? Mode::Friction
                                                         : Mode::None;
        Action done = Action::Other;
        QLineEdit* typedInto = nullptr;

        const int kind = std::uniform_int_distribution<int>(0, 99)(random);
        if (kind < 10) {
            w.chooseMach();
            done = Action::ChooseMach;
        } else if (kind < 20) {
            w.chooseFriction();
            done = Action::ChooseFriction;
        } else if (kind < 28) {
            w.clickChart();
        } else if (kind < 58) {
            w.calculate();
            done = Action::Calculate;
        } else if (kind < 60) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, aboutEntry);
        } else {
            QLineEdit* box = inputBoxes[std::uniform_int_distribution<std::size_t>(0, 2)(random)];
            if (box->isVisible()) {
                WindowDriver::type(box, inputs.next());
                typedInto = box;
            }
        }

        for (std::size_t i = 0; i < results.size(); ++i) {
            const QString now = results[i]->text();
            const bool allowed = now == before[i] || results[i] == typedInto ||
                                 mayShow(results[i]->objectName(), done, mode, now.toStdString());
            if (!allowed)
                QFAIL(qPrintable(QStringLiteral("action %1: %2 shows \"%3\"")
                                     .arg(action)
                                     .arg(results[i]->objectName(), now)));
        }

        // The constants worked out here from γ, not by FlowState's own code.
        const velmora::FlowState& flow = w.flow();
        const double g = flow.gama;
        if (!(g > 1.0) || !std::isfinite(g) || !std::isfinite(flow.expP0) || !std::isfinite(flow.cFLD4) ||
            flow.gm1 != g - 1.0 || flow.gp1 != g + 1.0 || flow.cFLD4 != (g + 1.0) / 2.0 / g ||
            flow.expP0 != (g + 1.0) / 2.0 / (g - 1.0))
            QFAIL(qPrintable(QStringLiteral("action %1: FlowState holds γ = %2").arg(action).arg(g)));
    }
    qInfo("soak: %d actions in %.1f s, %zu messages answered", actionCount, clock.elapsed() / 1000.0,
          w.messages.messages.size());
}

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
