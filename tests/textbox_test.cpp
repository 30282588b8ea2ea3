// The window's text boxes under the mouse and the clipboard: a double-click takes the whole
// number, the toolkit's triple-click, drag and copy keep working, and a paste is never cut.

#include "qt/textbox.h"

#include "tests/support/windowdriver.h"

#include <QClipboard>

using velmora::TextBox;
using velmora::testing::WindowDriver;

namespace {

// The point in the box just after the given character of its text.
QPoint pointAfter(const TextBox& box, int characters)
{
    const QRect area = box.contentsRect();
    const int left = area.left() + box.textMargins().left() + 2; // the style's own inset
    return {left + box.fontMetrics().horizontalAdvance(box.text().left(characters)), area.center().y()};
}

} // namespace

class TextBoxTest : public QObject {
    Q_OBJECT
private slots:
    void doubleClickSelectsTheWholeRun_data();
    void doubleClickSelectsTheWholeRun();
    void tripleClickStillSelectsEverything();
    void doubleClickedResultIsCopiedWhole();
    void pasteIsNeverCut();
};

void TextBoxTest::doubleClickSelectsTheWholeRun_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("clickAfter"); // characters left of the click
    QTest::addColumn<QString>("selected");
    QTest::newRow("in the decimals") << "0.6667" << 4 << "0.6667";
    QTest::newRow("on the point") << "1.4" << 1 << "1.4";
    QTest::newRow("letters after the number") << "2abc" << 3 << "2abc";
    QTest::newRow("exponent form") << "1.5E+20" << 5 << "1.5E+20";
    QTest::newRow("first of two runs") << "1.5 2.25" << 2 << "1.5";
    QTest::newRow("second of two runs") << "1.5 2.25" << 6 << "2.25";
    QTest::newRow("after a leading blank") << " 0.305" << 3 << "0.305";
}

void TextBoxTest::doubleClickSelectsTheWholeRun()
{
    QFETCH(QString, text);
    QFETCH(int, clickAfter);
    QFETCH(QString, selected);
    TextBox box(text);
    box.resize(200, 22);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    // Between two characters would be ambiguous; click into the middle of the next one.
    const QPoint at = (pointAfter(box, clickAfter) + pointAfter(box, clickAfter + 1)) / 2;
    QTest::mouseDClick(&box, Qt::LeftButton, {}, at);
    QCOMPARE(box.selectedText(), selected);
}

void TextBoxTest::tripleClickStillSelectsEverything()
{
    TextBox box(QStringLiteral("1.5 2.25"));
    box.resize(200, 22);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const QPoint at = pointAfter(box, 1);
    QTest::mouseDClick(&box, Qt::LeftButton, {}, at);
    QCOMPARE(box.selectedText(), QStringLiteral("1.5"));
    QTest::mouseClick(&box, Qt::LeftButton, {}, at);
    QCOMPARE(box.selectedText(), QStringLiteral("1.5 2.25"));

    // A drag still selects from where it starts to where it ends.
    QTest::mousePress(&box, Qt::LeftButton, {}, pointAfter(box, 4));
    QTest::mouseMove(&box, pointAfter(box, 8));
    QTest::mouseRelease(&box, Qt::LeftButton, {}, pointAfter(box, 8));
    QCOMPARE(box.selectedText(), QStringLiteral("2.25"));
}

// A result in the real window, double-clicked and copied with Ctrl+C.
void TextBoxTest::doubleClickedResultIsCopiedWhole()
{
    WindowDriver w;
    w.calculateMach(QStringLiteral("2"));
    auto* ratio = qobject_cast<TextBox*>(w.c.Text_TTstar);
    QVERIFY(ratio);
    QCOMPARE(ratio->text(), QStringLiteral("0.6667"));
    QTest::mouseDClick(ratio, Qt::LeftButton, {}, pointAfter(*ratio, 4));
    QCOMPARE(ratio->selectedText(), QStringLiteral("0.6667"));
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(ratio, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("0.6667"));
}

// The toolkit's default limit is 32,767 characters; the boxes take far more, whole.
void TextBoxTest::pasteIsNeverCut()
{
    WindowDriver w;
    const QString pasted = QStringLiteral("1") + QString(99'999, QLatin1Char('0'));
    QGuiApplication::clipboard()->setText(pasted);
    for (QLineEdit* box : w.window.findChildren<QLineEdit*>()) {
        box->clear();
        box->paste();
        QCOMPARE(box->text().size(), pasted.size());
    }
}

QTEST_MAIN(TextBoxTest)
#include "textbox_test.moc"
