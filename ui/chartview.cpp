#include "ui/chartview.h"

#include "chart/frictionchart.h"
#include "ui/picturebox.h"
#include "ui/qttext.h"

namespace velmora {

ChartView::ChartView(PictureBox& picture) : picture_(picture)
{
    picture_.setAccessibleDescription(description());
}

void ChartView::draw(const FlowState& flow)
{
    FLD4_Graph(flow, picture_);
    drawn_ = true;
    gama_ = flow.gama;
    marks_.clear();
    picture_.setAccessibleDescription(description());
}

void ChartView::mark(double M, double F)
{
    Mark_Point(picture_, M, F);
    marks_.emplace_back(M, F);
    picture_.setAccessibleDescription(description());
}

QString ChartView::description() const
{
    if (!drawn_)
        return QStringLiteral("Nothing drawn yet");
    QString text = QStringLiteral("γ = %1; ").arg(userResultText(gama_));
    if (marks_.empty())
        return text + QStringLiteral("nothing marked");
    QStringList points;
    for (const auto& [mach, friction] : marks_)
        points << QStringLiteral("M = %1, 4fL*/D = %2").arg(userResultText(mach), userResultText(friction));
    return text + QStringLiteral("marked: ") + points.join(QStringLiteral("; "));
}

} // namespace velmora
