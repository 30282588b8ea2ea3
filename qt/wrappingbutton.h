#pragma once

#include <QPushButton>

namespace velmora {

// A push button whose caption wraps onto as many lines as the button needs, so a
// long caption on a small button stays whole and readable.
class WrappingButton : public QPushButton {
    Q_OBJECT
public:
    explicit WrappingButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora
