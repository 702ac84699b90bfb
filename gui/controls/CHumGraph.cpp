#include "gui/controls/CHumGraph.h"

#include "core/scales/FilterResponse.h"
#include "core/scales/RuleScale.h"
#include "gui/controls/CResponseGraph.h"
#include "gui/controls/GraphStyle.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace kelo::gui {

namespace {

constexpr int kGridPoints = static_cast<int>(kResponsePointCount);
constexpr int kPlotLeft = CResponseGraph::kPlotLeft;

} // namespace

CHumGraph::CHumGraph(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setToolTip(tr("Hum canceller: the notches at the hum frequency (red) and the threshold (yellow)"));
    setValues(m_frequency, m_threshold);
}

int CHumGraph::bandFrequencyIndex(int humFrequencyIndex) {
    const int f = std::clamp(humFrequencyIndex, 0, HumFrequencyScale.maxIndex);
    return static_cast<int>(std::floor(0.27 * f + 42.0));
}

void CHumGraph::setValues(int frequencyIndex, int thresholdIndex) {
    m_frequency = std::clamp(frequencyIndex, 0, HumFrequencyScale.maxIndex);
    m_threshold = std::clamp(thresholdIndex, 0, HumThresholdScale.maxIndex);
    const int band = bandFrequencyIndex(m_frequency);
    Curve deep{};
    Curve shallow{};
    ComputeBand(deep, 2, band, 0, 3, 0);
    ComputeBand(shallow, 2, band, 12, 3, 0);
    for (std::size_t g = 0; g < kResponsePointCount; ++g) {
        m_curve[g] = deep[g] + shallow[g] + 12.0;
    }
    update();
}

double CHumGraph::thresholdLevel() const {
    return 12.0 - 0.3 * (60 - m_threshold);
}

QSize CHumGraph::sizeHint() const {
    return {490, 200};
}

QSize CHumGraph::minimumSizeHint() const {
    return {300, 120};
}

void CHumGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kGraphBackground);
    const int p = std::max(1, width() - 50);
    const int h = height();
    const auto x = [p](double g) { return kPlotLeft + static_cast<int>(std::floor(p * g / kGridPoints)); };
    const auto y = [h](double db) {
        const double pixel = std::floor((21.0 - db) * (h - 1) / 42.0);
        return static_cast<int>(std::clamp(pixel, -30000.0, 30000.0));
    };

    painter.setPen(QPen(kGraphGridColour, 0));
    for (int k = 2; k <= 12; ++k) {
        const int row = k * 3 * (h - 1) / 42;
        painter.drawLine(kPlotLeft, row, kPlotLeft + p - 3, row);
    }
    // The bottom scale is the hum frequency (30 .. 90 Hz) as the curve places it: grid point 2.7 F - 54.
    const auto gridOfHertz = [](int hertz) { return 2.7 * hertz - 54.0; };
    for (int hertz = 30; hertz <= 90; hertz += 10) {
        painter.drawLine(x(gridOfHertz(hertz)), y(15.0), x(gridOfHertz(hertz)), y(-15.0));
    }

    painter.setFont(graphLabelFont());
    painter.setPen(kGraphLabelColour);
    const int lineHeight = painter.fontMetrics().height();
    // Detector levels down the left, at the heights the compressor graph gives them.
    const std::array<std::pair<const char*, int>, 4> levels{
        {{"0dB", 0}, {"-30dB", -30}, {"-60dB", -60}, {"-90dB", -90}}};
    for (const auto& [text, db] : levels) {
        const int row = (h - 1) * (30 - db) / 140;
        painter.drawText(QRect(0, row - lineHeight / 2, kPlotLeft - 3, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(text));
    }
    for (int hertz = 30; hertz <= 90; hertz += 10) {
        painter.drawText(QRect(x(gridOfHertz(hertz)) - 30, y(-18.0) - lineHeight / 2, 60, lineHeight),
                         Qt::AlignCenter, QString::number(hertz));
    }

    std::array<QPoint, 216> points;
    for (int g = 1; g <= 216; ++g) {
        points[static_cast<std::size_t>(g - 1)] = QPoint(x(g), y(m_curve[static_cast<std::size_t>(g)]));
    }
    painter.setPen(QPen(kGraphCurveColour, 0));
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    painter.setPen(QPen(kGraphThresholdColour, 0));
    painter.drawLine(kPlotLeft, y(thresholdLevel()), kPlotLeft + p - 3, y(thresholdLevel()));
}

} // namespace kelo::gui
