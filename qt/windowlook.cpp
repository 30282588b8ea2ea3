#include "qt/windowlook.h"

#include "qt/afterfirstframe.h"
#include "qt/layoutfonts.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QPalette>
#include <QWidget>

namespace velmora {

namespace {
// The layout's widths are those of unhinted advances: Linux's slight hinting hints only
// vertically.
constexpr QFont::HintingPreference layoutHinting = QFont::PreferDefaultHinting;
constexpr QFont::HintingPreference unroundedAdvancesHinting = QFont::PreferVerticalHinting;
} // namespace

QFont fontFor(ControlFont font)
{
    const auto sans = [](const char* family, double points) {
        QFont result(QString::fromLatin1(family));
        result.setStyleHint(QFont::SansSerif);
        result.setPointSizeF(points);
        result.setHintingPreference(layoutHinting);
        return result;
    };
    switch (font) {
    case ControlFont::Interface:
        return sans(layoutfonts::controlsFamily, 8.25);
    case ControlFont::Greek: {
        // "ρ/ρ*    =" fills its box to the pixel with the unrounded glyph advances of
        // Linux's slight hinting; Windows' full hinting rounds each advance to a whole
        // pixel and makes it one pixel too wide, so this label asks for slight hinting.
        QFont narrow = sans(layoutfonts::greekFamily, 8.25);
        narrow.setHintingPreference(unroundedAdvancesHinting);
        return narrow;
    }
    case ControlFont::ChartCaption: {
        QFont caption = sans(layoutfonts::captionFamily, 8.25);
        caption.setItalic(true);
        return caption;
    }
    // DejaVu descends from Verdana's sister Bitstream Vera; its condensed cut keeps the
    // longest line of the About window inside its box.
    case ControlFont::AboutTitle:
        return sans(layoutfonts::aboutFamily, 9.75);
    case ControlFont::AboutText:
        return sans(layoutfonts::aboutFamily, 8.25);
    }
    return sans(layoutfonts::controlsFamily, 8.25);
}

void addBundledFonts(BundledFonts which)
{
    // The main window opens with its controls and Greek labels; the chart's caption and
    // the About window appear only later, and each font read before the first frame
    // holds it back.
    const auto wanted = [which](layoutfonts::Role role) {
        const bool onOpeningWindow = role == layoutfonts::Role::controls || role == layoutfonts::Role::greek;
        switch (which) {
        case BundledFonts::OpeningWindow:
            return onOpeningWindow;
        case BundledFonts::Rest:
            return !onOpeningWindow;
        case BundledFonts::All:
            break;
        }
        return true;
    };
    const QDir fonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
    for (const layoutfonts::File& file : layoutfonts::files)
        if (wanted(file.role) && fonts.exists(QString::fromLatin1(file.name)))
            QFontDatabase::addApplicationFont(fonts.filePath(QString::fromLatin1(file.name)));
}

QIcon applicationIcon()
{
    // A window shows its icon at 16 to 64 pixels; the larger sizes serve the desktop's
    // menus and Windows' Explorer, which take them from the installed files. Decoding
    // them too was most of what start-up did beyond a bare window.
    constexpr int largestWindowIcon = 64;
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& file : icons.entryList({QStringLiteral("velmora-*.png")})) {
        const int size = file.section(u'-', 1).section(u'.', 0, 0).toInt();
        if (size > 0 && size <= largestWindowIcon)
            icon.addFile(icons.filePath(file), QSize(size, size));
    }
    return icon;
}

void setIconAfterFirstFrame(QWidget& window)
{
    afterFirstFrame(window, [&window] { window.setWindowIcon(applicationIcon()); });
}

QColor toQColor(const Rgb& rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void setFixedColours(QWidget& widget, Surface surface, const Rgb& background, const Rgb& text)
{
    const bool isWindow = surface == Surface::Window;
    QPalette palette = widget.palette();
    palette.setColor(isWindow ? QPalette::Window : QPalette::Base, toQColor(background));
    palette.setColor(isWindow ? QPalette::WindowText : QPalette::Text, toQColor(text));
    widget.setPalette(palette);
    if (isWindow)
        widget.setAutoFillBackground(true);
}

} // namespace velmora
