#pragma once

#include <QLineEdit>

namespace velmora {

// The window's single-line text box. A double-click selects the whole run of non-blank
// characters under the pointer ("0.6667", "1.5E+20", "2abc"), where the toolkit's word
// boundaries would stop at the decimal point: people double-click a result to copy it.
// The text has no length limit of its own beyond the toolkit's largest.
class TextBox : public QLineEdit {
    Q_OBJECT
public:
    explicit TextBox(const QString& text, QWidget* parent = nullptr);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace velmora
