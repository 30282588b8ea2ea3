#include "ui/calculatecommand.h"

#include "flow/machsearch.h"
#include "text/numbertext.h"
#include "text/systemtexts.h"
#include "ui/inputmodes.h"
#include "ui/qttext.h"

#include <QLineEdit>

#include <cmath>
#include <initializer_list>
#include <optional>

namespace velmora {

namespace {

using Controls = MainWindowControls;

// Shown again by every calculation, in this order.
constexpr ControlMember resultFields[] = {
    control<&Controls::Label_M>,      control<&Controls::Label_FLD4>,     control<&Controls::Label_PPstar>,
    control<&Controls::Label_TTstar>, control<&Controls::Label_RoRoStar>, control<&Controls::Label_PoPoStar>,
    control<&Controls::Text_Msub>,    control<&Controls::Text_FLD4>,      control<&Controls::Text_PPstar>,
    control<&Controls::Text_TTstar>,  control<&Controls::Text_RoRostar>,  control<&Controls::Text_PoPostar>,
};

double read(const QLineEdit* box) { return leadingNumber(box->text().toStdString()); }

void write(QLineEdit* box, double value) { box->setText(userResultText(value)); }

bool allFinite(std::initializer_list<double> values)
{
    for (const double v : values)
        if (!std::isfinite(v))
            return false;
    return true;
}

void calculateForMach(FlowState& flow, const MainWindowControls& controls, ChartView& chart,
                      Messenger& messenger)
{
    const double M = read(controls.Text_Msub);
    if (M == 0.0) {
        messenger.showMessage(inputValueThenClick);
        return;
    }
    // The ratios have no value below 0 and would keep another Mach number's.
    if (M < 0.0) {
        messenger.showMessage(machMustBePositive);
        return;
    }
    controls.Text_Msup->setVisible(false);
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
    write(controls.Text_TTstar, flow.TTstar);
    write(controls.Text_PPstar, flow.PPstar);
    write(controls.Text_RoRostar, flow.RoRostar);
    write(controls.Text_PoPostar, flow.PoPostar);
    write(controls.Text_FLD4, F);
}

// Writes the Mach number a search found, or "****" where it found none.
void writeMach(QLineEdit* box, double mach, const SearchResult& result)
{
    if (result.foundSolution())
        write(box, mach);
    else
        box->setText(fromUtf8(noSolutionText));
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

void calculateForFriction(const FlowState& flow, const MainWindowControls& controls, ChartView& chart,
                          Messenger& messenger)
{
    const double F = read(controls.Text_FLD4);
    if (!std::isfinite(F) || searchesMeetNonFinite(flow, F)) {
        messenger.showMessage(noFiniteResult);
        return;
    }

    double Msub = 0.0;
    const SearchResult subsonic = subsonicSearch(flow, F, Msub, messenger);
    writeMach(controls.Text_Msub, Msub, subsonic);

    double Msup = 0.0;
    const SearchResult supersonic = supersonicSearch(flow, F, Msup, messenger);
    controls.Text_Msup->setVisible(true);
    writeMach(controls.Text_Msup, Msup, supersonic);

    chart.draw(flow);
    if (subsonic.foundSolution())
        chart.mark(Msub, F);
    if (supersonic.foundSolution())
        chart.mark(Msup, F);
}

} // namespace

void runCalculateCommand(FlowState& flow, const MainWindowControls& controls, ChartView& chart,
                         Messenger& messenger)
{
    // γ ≤ 1 divides by zero or has no physical meaning; the last valid γ stays.
    const double gama = read(controls.Text_gama);
    if (!(gama > 1.0) || !std::isfinite(gama)) {
        messenger.showMessage(gammaMustExceedOne);
        return;
    }
    flow.set_gama(gama);

    const std::optional<InputMode> mode = selectedInputMode(controls);
    if (!mode) {
        messenger.showMessage(chooseInputParameter);
        return;
    }

    for (const ControlMember& field : resultFields)
        field(controls)->setVisible(true);

    if (*mode == InputMode::Mach)
        calculateForMach(flow, controls, chart, messenger);
    else
        calculateForFriction(flow, controls, chart, messenger);
}

} // namespace velmora
