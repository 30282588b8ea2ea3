#include "ui/calculatecommand.h"

#include "flow/machsearch.h"
#include "text/numbertext.h"
#include "text/systemtexts.h"

#include <cmath>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora {

namespace {

// Shown again by every calculation, in this order.
constexpr Control resultFields[] = {
    Label::Label_M,        Label::Label_FLD4,     Label::Label_PPstar, Label::Label_TTstar,
    Label::Label_RoRoStar, Label::Label_PoPoStar, Box::Text_Msub,      Box::Text_FLD4,
    Box::Text_PPstar,      Box::Text_TTstar,      Box::Text_RoRostar,  Box::Text_PoPostar,
};

double read(const MainWindow& window, Box box) { return leadingNumber(window.text(box)); }

// The boxes a calculation wrote, in the order it wrote them.
using Written = std::vector<Box>;

void write(MainWindow& window, Written& written, Box box, std::string_view text)
{
    window.setText(box, text);
    written.push_back(box);
}

void write(MainWindow& window, Written& written, Box box, double value)
{
    write(window, written, box, resultText(value, window.decimalSeparator()));
}

bool allFinite(std::initializer_list<double> values)
{
    for (const double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

void calculateForMach(FlowState& flow, MainWindow& window, ChartView& chart, Written& written)
{
    Messenger& messenger = window.messenger();
    const double M = read(window, Box::Text_Msub);
    if (M == 0.0) {
        messenger.showMessage(inputValueThenClick);
        return;
    }
    // The ratios have no value below 0 and would keep another Mach number's.
    if (M < 0.0) {
        messenger.showMessage(machMustBePositive);
        return;
    }
    window.setVisible(Box::Text_Msup, false);
    const double F = flow.FLD4_for_M(M);

    // The ratios are tried on a copy first, so that a click without finite results
    // leaves FlowState, the boxes and the chart as they were.
    FlowState trial = flow;
    trial.oranlar(M);
    if (!allFinite({M, F, trial.TTstar, trial.PPstar, trial.RoRostar, trial.PoPostar})) {
        messenger.showMessage(noFiniteResult);
        return;
    }

    chart.draw(flow);
    flow.oranlar(M);
    chart.mark(M, F);
    write(window, written, Box::Text_TTstar, flow.TTstar);
    write(window, written, Box::Text_PPstar, flow.PPstar);
    write(window, written, Box::Text_RoRostar, flow.RoRostar);
    write(window, written, Box::Text_PoPostar, flow.PoPostar);
    write(window, written, Box::Text_FLD4, F);
}

// Writes the Mach number a search found, or "****" where it found none.
void writeMach(MainWindow& window, Written& written, Box box, double mach, const SearchResult& result)
{
    if (result.foundSolution())
        write(window, written, box, mach);
    else
        write(window, written, box, noSolutionText);
}

// Each search starts afresh, whatever the other left in the step and direction.
SearchResult subsonicSearch(const FlowState& flow, double F, double& Msub, Messenger& messenger)
{
    double step = 0.5;
    int direction = -1;
    return iter_for_M_for_Given_FLD4(flow, Msub, step, direction, F, messenger);
}

SearchResult supersonicSearch(const FlowState& flow, double F, double& Msup, Messenger& messenger)
{
    double step = 1.0;
    int direction = +1;
    return iter_for_M_for_Given_FLD4(flow, Msup, step, direction, F, messenger);
}

// Whether either search meets a 4fL*/D that is not finite. Both are tried silently first,
// so that such a click changes nothing and shows one message, as in the M mode.
bool searchesMeetNonFinite(const FlowState& flow, double F)
{
    SilentMessenger silent;
    double M = 0.0;
    return subsonicSearch(flow, F, M, silent).end == SearchEnd::NotFinite ||
           supersonicSearch(flow, F, M, silent).end == SearchEnd::NotFinite;
}

void calculateForFriction(const FlowState& flow, MainWindow& window, ChartView& chart, Written& written)
{
    Messenger& messenger = window.messenger();
    const double F = read(window, Box::Text_FLD4);
    if (!std::isfinite(F) || searchesMeetNonFinite(flow, F)) {
        messenger.showMessage(noFiniteResult);
        return;
    }

    double Msub = 0.0;
    const SearchResult subsonic = subsonicSearch(flow, F, Msub, messenger);
    writeMach(window, written, Box::Text_Msub, Msub, subsonic);

    double Msup = 0.0;
    const SearchResult supersonic = supersonicSearch(flow, F, Msup, messenger);
    window.setVisible(Box::Text_Msup, true);
    writeMach(window, written, Box::Text_Msup, Msup, supersonic);

    chart.draw(flow);
    if (subsonic.foundSolution())
        chart.mark(Msub, F);
    if (supersonic.foundSolution())
        chart.mark(Msup, F);
}

} // namespace

std::vector<Box> runCalculateCommand(FlowState& flow, MainWindow& window, ChartView& chart)
{
    Written written;
    Messenger& messenger = window.messenger();
    // γ ≤ 1 divides by zero or has no physical meaning; the last valid γ stays.
    const double gama = read(window, Box::Text_gama);
    if (!(gama > 1.0) || !std::isfinite(gama)) {
        messenger.showMessage(gammaMustExceedOne);
        return written;
    }
    flow.set_gama(gama);

    const std::optional<Option> mode = window.selectedOption();
    if (!mode) {
        messenger.showMessage(chooseInputParameter);
        return written;
    }

    for (const Control& field : resultFields)
        window.setVisible(field, true);

    if (*mode == Option::Option_M)
        calculateForMach(flow, window, chart, written);
    else
        calculateForFriction(flow, window, chart, written);
    return written;
}

} // namespace velmora
