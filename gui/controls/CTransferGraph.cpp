#include "gui/controls/CTransferGraph.h"

#include "core/scales/RuleScale.h"
#include "gui/controls/GraphStyle.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace kelo::gui {

namespace {

constexpr std::array<double, 14> kRatios{1.1, 1.3, 1.5, 1.7, 2.0, 2.5,  3.0,
                                         3.5, 4.0, 5.0, 6.0, 8.0, 10.0, 20.0};

} // namespace

CTransferGraph::CTransferGraph(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int CTransferGraph::xOfInput(double db) const {
    return static_cast<int>(std::floor((width() - 1) * (db + 120.0) / 140.0));
}

int CTransferGraph::yOfOutput(double db) const {
    return static_cast<int>(std::floor((height() - 1) * (30.0 - db) / 140.0));
}

QSize CTransferGraph::sizeHint() const {
    return {200, 200};
}

QSize CTransferGraph::minimumSizeHint() const {
    return {140, 140};
}

void CTransferGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kGraphBackground);
    painter.setPen(QPen(kGraphGridColour, 0));
    for (int level = 10; level >= -90; level -= 10) {
        painter.drawLine(xOfInput(-90), yOfOutput(level), xOfInput(10), yOfOutput(level));
        painter.drawLine(xOfInput(level), yOfOutput(10), xOfInput(level), yOfOutput(-90));
    }

    painter.setFont(graphLabelFont());
    painter.setPen(kGraphLabelColour);
    const int lineHeight = painter.fontMetrics().height();
    const std::array<std::pair<const char*, int>, 4> labels{
        {{"0dB", 0}, {"-30dB", -30}, {"-60dB", -60}, {"-90dB", -90}}};
    for (const auto& [text, db] : labels) {
        painter.drawText(QRect(0, yOfOutput(db) - lineHeight / 2, xOfInput(-90) - 2, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(text));
        painter.drawText(QRect(xOfInput(db) - 30, yOfOutput(-100) - lineHeight / 2, 60, lineHeight),
                         Qt::AlignCenter, QString::fromLatin1(text));
    }

    const std::vector<std::pair<double, double>> corners = curve();
    QPolygon line;
    for (const auto& [input, output] : corners) {
        line << QPoint(xOfInput(input), yOfOutput(output));
    }
    painter.setPen(QPen(kGraphCurveColour, 0));
    painter.drawPolyline(line);
}

CCompressorGraph::CCompressorGraph(QWidget* parent) : CTransferGraph(parent) {
    setToolTip(tr("Compressor: output level against input level"));
}

void CCompressorGraph::setValues(int thresholdIndex, int ratioIndex) {
    m_threshold = std::clamp(thresholdIndex, 0, BoostThresholdScale.maxIndex);
    m_ratio = std::clamp(ratioIndex, 0, static_cast<int>(kRatios.size()) - 1);
    update();
}

double CCompressorGraph::ratioValue(int ratioIndex) {
    return kRatios[static_cast<std::size_t>(std::clamp(ratioIndex, 0, static_cast<int>(kRatios.size()) - 1))];
}

std::vector<std::pair<double, double>> CCompressorGraph::curve() const {
    const double threshold = BoostThresholdScale.value(m_threshold);
    const double ratio = ratioValue(m_ratio);
    return {{-90.0, -90.0},
            {threshold, threshold},
            {10.0, 10.0 - std::abs(10.0 - threshold) * (ratio - 1.0) / ratio}};
}

CGateGraph::CGateGraph(QWidget* parent) : CTransferGraph(parent) {
    setToolTip(tr("Noise gate: output level against input level"));
}

void CGateGraph::setValues(int thresholdIndex, int rangeIndex) {
    m_threshold = std::clamp(thresholdIndex, 0, GateThresholdScale.maxIndex);
    m_range = std::clamp(rangeIndex, 0, GateRangeScale.maxIndex);
    update();
}

std::vector<std::pair<double, double>> CGateGraph::curve() const {
    const double threshold = GateThresholdScale.value(m_threshold);
    const double range = GateRangeScale.value(m_range); // 0 .. -80 dB
    const double start = std::min(-90.0, threshold);
    return {{start, start + range}, {threshold, threshold + range}, {threshold, threshold}, {10.0, 10.0}};
}

} // namespace kelo::gui
