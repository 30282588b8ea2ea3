#include "ui/controlbuilder.h"

#include "ui/captionlabel.h"
#include "ui/picturebox.h"
#include "ui/wrappingbutton.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include <algorithm>
#include <map>
#include <vector>

namespace velmora {

QColor toQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

QFont fontFor(ControlFont font)
{
    const auto sans = [](const char* family, double points) {
        QFont result(QString::fromLatin1(family));
        result.setStyleHint(QFont::SansSerif);
        result.setPointSizeF(points);
        return result;
    };
    switch (font) {
    case ControlFont::Interface:
        return sans("Nimbus Sans", 8.25);
    case ControlFont::Greek:
        return sans("Nimbus Sans Narrow", 8.25);
    case ControlFont::ChartCaption: {
        QFont caption = sans("Nimbus Sans", 8.25);
        caption.setItalic(true);
        return caption;
    }
    // DejaVu descends from Verdana's sister Bitstream Vera; its condensed cut keeps the
    // longest line of the About window inside its box.
    case ControlFont::AboutTitle:
        return sans("DejaVu Sans Condensed", 9.75);
    case ControlFont::AboutText:
        return sans("DejaVu Sans Condensed", 8.25);
    }
    return sans("Nimbus Sans", 8.25);
}

namespace {

QWidget* createControl(const ControlSpec& spec, QWidget* parent)
{
    const QString text = QString::fromUtf8(spec.text.data(), qsizetype(spec.text.size()));
    switch (spec.kind) {
    case ControlKind::CommandButton: {
        auto* button = new WrappingButton(text, parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case ControlKind::Frame:
        return new QGroupBox(text, parent);
    case ControlKind::TextBox:
        return new QLineEdit(text, parent);
    case ControlKind::Label:
        // A label on the chart sits over the drawing and must not pass clicks to it.
        if (qobject_cast<PictureBox*>(parent))
            return new CaptionLabel(text, parent);
        return new QLabel(text, parent);
    case ControlKind::OptionButton:
        return new QRadioButton(text, parent);
    case ControlKind::PictureBox:
        return new PictureBox(parent);
    }
    return nullptr;
}

bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::CommandButton || kind == ControlKind::TextBox ||
           kind == ControlKind::OptionButton || kind == ControlKind::PictureBox;
}

} // namespace

void buildControls(QWidget* client, std::span<const ControlSpec> table)
{
    std::map<std::string_view, QWidget*> byName;
    std::vector<std::pair<int, QWidget*>> focusChain;

    for (const ControlSpec& spec : table) {
        QWidget* parent = spec.container.empty() ? client : byName.at(spec.container);
        QWidget* control = createControl(spec, parent);
        control->setObjectName(QString::fromUtf8(spec.name.data(), qsizetype(spec.name.size())));

        // Children of a picture box are placed from its inner drawing area.
        QPoint origin;
        if (auto* picture = qobject_cast<PictureBox*>(parent))
            origin = picture->contentsRect().topLeft();
        control->setGeometry(origin.x() + pixelsFromTwips(spec.left),
                             origin.y() + pixelsFromTwips(spec.top), pixelsFromTwips(spec.width),
                             pixelsFromTwips(spec.height));

        if (spec.font != ControlFont::Interface)
            control->setFont(fontFor(spec.font));
        if (spec.textColour || spec.background) {
            QPalette palette = control->palette();
            if (spec.textColour)
                palette.setColor(QPalette::WindowText, toQColor(*spec.textColour));
            if (spec.background) {
                palette.setColor(QPalette::Window, toQColor(*spec.background));
                control->setAutoFillBackground(true);
            }
            control->setPalette(palette);
        }
        if (!spec.visible)
            control->hide();

        byName.emplace(spec.name, control);
        if (takesFocus(spec.kind))
            focusChain.emplace_back(spec.tabIndex, control);
    }

    std::ranges::sort(focusChain, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < focusChain.size(); ++i)
        QWidget::setTabOrder(focusChain[i - 1].second, focusChain[i].second);
}

} // namespace velmora
