#pragma once

// The main window as the program builds it, with real modal message boxes, and a way to
// answer the box that a click opens.

#include "qt/formabout.h"
#include "qt/formvelmora.h"
#include "qt/messageboxmessenger.h"
#include "tests/support/windowcontrols.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>

namespace velmora::testing {

struct MessageBoxWindow {
    MessageBoxWindow()
    {
        messenger.setOwner(window);
        window.show();
    }

    // Clicks the widget; the box it opens is handed to answer, which must close it. The
    // click returns once the box is gone: on the desktop the box is answered inside the
    // click, in the browser (where it does not block) just after.
    static void clickAndAnswer(QWidget* widget, const std::function<void(QMessageBox&)>& answer)
    {
        bool answered = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            answered = true;
            answer(*box);
        });
        QTest::mouseClick(widget, Qt::LeftButton);
        QTRY_VERIFY2(answered, "the click opened no message box");
    }

    MessageBoxMessenger messenger;
    AboutWindowReference about;
    Form_Velmora window{messenger, about};
    const WindowControls c{window};
};

} // namespace velmora::testing
