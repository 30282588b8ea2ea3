#pragma once

// Drives the real main window as a user does: clicks on the options, the button and the
// chart, and text typed into the boxes; messages are recorded instead of shown.

#include "qt/formabout.h"
#include "qt/formvelmora.h"
#include "tests/support/chartimage.h"
#include "tests/support/messagerecorder.h"
#include "tests/support/windowcontrols.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace velmora::testing {

class WindowDriver {
public:
    WindowDriver() { window.show(); }

    // On the option's round indicator, where a click always selects it.
    void choose(QRadioButton* option)
    {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(7, option->height() / 2));
    }
    void chooseMach() { choose(c.Option_M); }
    void chooseFriction() { choose(c.Option_FLD4); }

    // Replaces the box's text by typing, as a user who selects it all first.
    static void type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        if (text.isEmpty())
            QTest::keyClick(box, Qt::Key_Delete);
        else
            QTest::keyClicks(box, text);
    }

    void calculate() const { QTest::mouseClick(c.Command1, Qt::LeftButton); }
    void clickChart() const { QTest::mouseClick(c.Picture1, Qt::LeftButton, {}, QPoint(200, 120)); }

    void calculateMach(const QString& mach)
    {
        chooseMach();
        type(c.Text_Msub, mach);
        calculate();
    }
    void calculateFriction(const QString& friction)
    {
        chooseFriction();
        type(c.Text_FLD4, friction);
        calculate();
    }

    [[nodiscard]] QImage chart() const { return chartArea(*c.Picture1); }
    [[nodiscard]] const FlowState& flow() const { return window.flowState(); }

    MessageRecorder messages; // declared before the window, which sends to it
    AboutWindowReference about;
    Form_Velmora window{messages, about};
    const WindowControls c{window};
};

} // namespace velmora::testing
