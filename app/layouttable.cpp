// velmora-layout-table: prints the windows' layout tables and the few facts of the chart
// that the outside checks need to find their way in a screenshot, so that the scripts
// read the program's own table instead of keeping a copy. A build tool, not installed;
// the program itself keeps no command line. One fact a line, fields split by spaces:
//   window  NAME  WIDTH HEIGHT (twips)  WIDTH HEIGHT (pixels at 96 dpi)
//   control WINDOW NAME KIND CONTAINER  LEFT TOP WIDTH HEIGHT (twips, from the container)
//           X Y WIDTH HEIGHT (pixels, from the client area's top left, each container
//           counted from its outer corner, a picture box's contents from inside its border)
//   scale   PICTURE X1 Y1 X2 Y2          the chart's user coordinates
//   colour  NAME RED GREEN BLUE
//   text    NAME TEXT…                   the rest of the line, as the user reads it
//   accessible CONTROL NAME…             the name a screen reader reads, from the built
//                                         main window (offscreen)
// A container is "-" for the client area.

#include "chart/frictionchart.h"
#include "flow/messenger.h"
#include "qt/formabout.h"
#include "qt/formvelmora.h"
#include "text/systemtexts.h"
#include "ui/controltable.h"
#include "ui/placement.h"

#include <QAbstractButton>
#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <span>
#include <string>
#include <string_view>

namespace {

using velmora::ControlKind;
using velmora::ControlSpec;
using velmora::pixelsFromTwips;

struct KindName {
    ControlKind kind;
    const char* name;
};
constexpr KindName kindNames[] = {
    {ControlKind::CommandButton, "CommandButton"},
    {ControlKind::Frame, "Frame"},
    {ControlKind::TextBox, "TextBox"},
    {ControlKind::Label, "Label"},
    {ControlKind::OptionButton, "OptionButton"},
    {ControlKind::PictureBox, "PictureBox"},
    {ControlKind::ComboBox, "ComboBox"},
};

const char* kindName(ControlKind kind)
{
    for (const KindName& k : kindNames)
        if (k.kind == kind)
            return k.name;
    return "?";
}

void printWindow(const char* window, int width, int height, std::span<const ControlSpec> table)
{
    std::printf("window %s %d %d %d %d\n", window, width, height, pixelsFromTwips(width),
                pixelsFromTwips(height));
    for (const ControlSpec& row : table) {
        const velmora::PixelPlace place = velmora::placeInClient(table, row);
        const std::string containerName = row.container.empty() ? "-" : std::string(row.container);
        std::printf("control %s %.*s %s %s %d %d %d %d %d %d %d %d\n", window, int(row.name.size()),
                    row.name.data(), kindName(row.builds.kind), containerName.c_str(), row.left, row.top,
                    row.width, row.height, place.x, place.y, place.width, place.height);
    }
}

void printColour(const char* name, velmora::Rgb colour)
{
    std::printf("colour %s %d %d %d\n", name, colour.red, colour.green, colour.blue);
}

} // namespace

// What the window gives assistive technology, as built: the names of the table's rows
// that have one, and the captions that serve as names otherwise.
void printAccessibleNames(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    velmora::SilentMessenger messenger;
    velmora::AboutWindowReference about;
    const velmora::Form_Velmora window(messenger, about);
    for (const ControlSpec& row : velmora::mainWindowControls()) {
        const auto* control =
            window.findChild<QWidget*>(QString::fromUtf8(row.name.data(), qsizetype(row.name.size())));
        if (!control)
            continue;
        QString name = control->accessibleName();
        if (const auto* button = qobject_cast<const QAbstractButton*>(control); button && name.isEmpty())
            name = button->text();
        if (!name.isEmpty())
            std::printf("accessible %s %s\n", qPrintable(control->objectName()), name.toUtf8().constData());
    }
}

int main(int argc, char* argv[])
{
    if (argc > 1) {
        std::fputs("usage: velmora-layout-table\n", stderr);
        return 2;
    }
    printWindow("Form_Velmora", velmora::mainWindowWidth, velmora::mainWindowHeight,
                velmora::mainWindowControls());
    printWindow("Form_About", velmora::aboutWindowWidth, velmora::aboutWindowHeight,
                velmora::aboutWindowControls());
    const velmora::ChartScale& scale = velmora::frictionChartScale;
    std::printf("scale Picture1 %g %g %g %g\n", double(scale.x1), double(scale.y1), double(scale.x2),
                double(scale.y2));
    printColour("chartBackground", velmora::chartBackground);
    printColour("marker", velmora::markerColour);
    printColour("curve", velmora::curveColour);
    std::printf("text chooseInputParameter %s\n", velmora::chooseInputParameter);
    std::printf("text applicationTitle %s\n", velmora::applicationTitle);
    std::printf("text aboutCaption %s\n", velmora::aboutCaption);
    std::printf("text inputValueThenClick %s\n", velmora::inputValueThenClick);
    std::fflush(stdout);
    printAccessibleNames(argc, argv);
    return 0;
}
