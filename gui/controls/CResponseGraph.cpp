#include "gui/controls/CResponseGraph.h"

#include "core/scales/BiquadSection.h"
#include "gui/controls/GraphStyle.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <array>
#include <cmath>

namespace kelo::gui {

namespace {

constexpr int kGridPoints = static_cast<int>(kResponsePointCount);
constexpr int kOffset = static_cast<int>(kGridOffsetOfFrequencyScale);
constexpr int kMaxFrequencyIndex = 200;
constexpr int kMaxGainIndex = 60;

struct AxisLabel {
    const char* text;
    int gridPoint;
};

// One label per octave line, 15.625 Hz (grid point 12) .. 16 kHz (212).
constexpr std::array<AxisLabel, 11> kFrequencyLabels{{{"15.6", 12},
                                                      {"31", 32},
                                                      {"62.5", 52},
                                                      {"125", 72},
                                                      {"250", 92},
                                                      {"500", 112},
                                                      {"1k", 132},
                                                      {"2k", 152},
                                                      {"4k", 172},
                                                      {"8k", 192},
                                                      {"16k", 212}}};

// A level far off the plot (a notch, -inf) still maps to a pixel the painter can clip.
int boundedPixel(double y) {
    if (!(y > -30000.0)) {
        return -30000;
    }
    return static_cast<int>(std::min(y, 30000.0));
}

} // namespace

CResponseGraph::CResponseGraph(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip(
        tr("Frequency response: drag a band's square to change its frequency and gain; with the focus, "
           "keys 1..9 choose a band and the arrow keys move it"));
}

void CResponseGraph::setChannel(const CrossoverSection& crossover, std::span<const EqBand> bands) {
    m_source = Source::Channel;
    m_crossover = crossover;
    m_bands.assign(bands.begin(), bands.end());
    m_dragRects.resize(m_bands.size());
    m_curves.clear();
    if (m_dragged >= bandCount()) {
        m_dragged = -1;
    }
    m_current = std::clamp(m_current, 0, std::max(0, bandCount() - 1));
    recompute();
    update();
}

void CResponseGraph::setEqualizer(std::span<const EqBand> bands) {
    setChannel(CrossoverSection{}, bands);
    m_source = Source::Equalizer;
    recompute();
}

void CResponseGraph::setCurves(const std::vector<Curve>& curves, const std::vector<QColor>& colours) {
    m_source = Source::Curves;
    m_curves = curves;
    m_colours = colours;
    m_bands.clear();
    m_dragRects.clear();
    m_dragged = -1;
    update();
}

void CResponseGraph::setHandleRange(int first, int count) {
    m_firstHandle = first;
    m_handleCount = count;
    if (m_dragged >= 0 && !hasHandle(m_dragged)) {
        m_dragged = -1;
    }
    update();
}

bool CResponseGraph::hasHandle(int band) const {
    return band >= 0 && band < bandCount() &&
           (m_handleCount < 0 || (band >= m_firstHandle && band < m_firstHandle + m_handleCount));
}

void CResponseGraph::setHandlesVisible(bool visible) {
    m_handlesVisible = visible;
    if (!visible) {
        m_dragged = -1;
    }
    update();
}

void CResponseGraph::setCurrentBand(int band) {
    if (band >= 0 && band < bandCount()) {
        m_current = band;
        update();
    }
}

void CResponseGraph::setDragRect(int band, std::optional<QRect> rect) {
    if (band < 0 || band >= bandCount()) {
        return;
    }
    m_dragRects[static_cast<std::size_t>(band)] = rect;
}

QRect CResponseGraph::dragRect(int band) const {
    if (band >= 0 && band < bandCount() && m_dragRects[static_cast<std::size_t>(band)]) {
        return *m_dragRects[static_cast<std::size_t>(band)];
    }
    // The whole range of a band: frequency index 0 lies at grid point 11 under the drag rule, 200 at 211.
    const int p = plotWidth();
    const int left = (p * (kOffset - 1) + kGridPoints - 1) / kGridPoints;
    const int right = std::max(left, (p * (kOffset + kMaxFrequencyIndex) - 1) / kGridPoints);
    return QRect(QPoint(left, yOfLevel(15.0)), QPoint(right, yOfLevel(-15.0)));
}

EqBand CResponseGraph::band(int band) const {
    if (band < 0 || band >= bandCount()) {
        return EqBand{};
    }
    return m_bands[static_cast<std::size_t>(band)];
}

int CResponseGraph::plotWidth() const {
    return std::max(1, width() - 50);
}

int CResponseGraph::xOfGridPoint(int g) const {
    return plotWidth() * g / kGridPoints;
}

int CResponseGraph::yOfLevel(double db) const {
    return boundedPixel(std::floor((21.0 - db) * (height() - 1) / 42.0));
}

QPoint CResponseGraph::handleCentre(int band) const {
    const EqBand b = this->band(band);
    const int frequency = std::clamp(static_cast<int>(b.frequency), 0, kMaxFrequencyIndex);
    const int gain = std::clamp(static_cast<int>(b.gain), 0, kMaxGainIndex);
    return {xOfGridPoint(frequency + kOffset), yOfLevel((gain - 30) * 0.5)};
}

int CResponseGraph::handleAt(const QPoint& widgetPoint) const {
    if (!m_handlesVisible || m_source == Source::Curves) {
        return -1;
    }
    const QPoint point = widgetPoint - QPoint(kPlotLeft, 0);
    for (int b = 0; b < bandCount(); ++b) {
        if (!hasHandle(b)) {
            continue;
        }
        const QPoint centre = handleCentre(b);
        if (std::abs(point.x() - centre.x()) <= kHandleHalfSize &&
            std::abs(point.y() - centre.y()) <= kHandleHalfSize) {
            return b;
        }
    }
    return -1;
}

int CResponseGraph::frequencyIndexAt(int x) const {
    return std::clamp(x * kGridPoints / plotWidth() - kOffset + 1, 0, kMaxFrequencyIndex);
}

int CResponseGraph::gainIndexAt(int y) const {
    const double level = 21.0 - y * 42.0 / std::max(1, height() - 1);
    return static_cast<int>(std::clamp(std::floor(2.0 * level + 30.0), 0.0, double(kMaxGainIndex)));
}

QSize CResponseGraph::sizeHint() const {
    return {490, 200};
}

QSize CResponseGraph::minimumSizeHint() const {
    return {300, 120};
}

void CResponseGraph::recompute() {
    PowerAccumulator power;
    if (m_source == Source::Channel) {
        accumulateChannel(power, m_crossover, m_bands);
    } else if (m_source == Source::Equalizer) {
        accumulateEqualizer(power, m_bands);
    }
    power.writeDb(m_total);
}

void CResponseGraph::paintBackground() {
    const qreal ratio = devicePixelRatioF();
    m_background = QPixmap(size() * ratio);
    m_background.setDevicePixelRatio(ratio);
    m_background.fill(kGraphBackground);
    QPainter painter(&m_background);
    painter.setPen(QPen(kGraphGridColour, 0));
    painter.translate(kPlotLeft, 0);
    const int top = yOfLevel(15.0);
    const int bottom = yOfLevel(-15.0);
    const int p = plotWidth();
    for (int g = kOffset; g <= kOffset + kMaxFrequencyIndex; g += 20) {
        painter.drawLine(xOfGridPoint(g), top, xOfGridPoint(g), bottom);
        if (g < kOffset + kMaxFrequencyIndex) {
            for (int third = 1; third <= 2; ++third) {
                // One third and two thirds of the way to the next octave line.
                const int x = (p * (3 * g + 20 * third)) / (3 * kGridPoints);
                painter.drawLine(x, top, x, bottom);
            }
        }
    }
    painter.drawLine(p - 3, top, p - 3, bottom);
    for (int k = 2; k <= 12; ++k) {
        const int y = k * 3 * (height() - 1) / 42;
        painter.drawLine(0, y, p - 3, y);
    }

    painter.resetTransform();
    painter.setFont(graphLabelFont());
    painter.setPen(kGraphLabelColour);
    const int lineHeight = painter.fontMetrics().height();
    const std::array<std::pair<const char*, double>, 3> levels{
        {{"+15dB", 15.0}, {"0dB", 0.0}, {"-15dB", -15.0}}};
    for (const auto& [text, db] : levels) {
        painter.drawText(QRect(0, yOfLevel(db) - lineHeight / 2, kPlotLeft - 3, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, QString::fromLatin1(text));
    }
    const int labelY = yOfLevel(-18.0) - lineHeight / 2;
    for (const AxisLabel& label : kFrequencyLabels) {
        const int x = kPlotLeft + xOfGridPoint(label.gridPoint);
        painter.drawText(QRect(x - 30, labelY, 60, lineHeight), Qt::AlignCenter,
                         QString::fromLatin1(label.text));
    }
}

void CResponseGraph::paintEvent(QPaintEvent*) {
    if (m_background.isNull() || m_background.deviceIndependentSize().toSize() != size() ||
        m_background.devicePixelRatio() != devicePixelRatioF()) {
        paintBackground();
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_background);
    painter.translate(kPlotLeft, 0);

    std::array<QPoint, kResponsePointCount> points;
    const auto drawCurve = [&](const Curve& curve, const QColor& colour) {
        for (int g = 0; g < kGridPoints; ++g) {
            points[static_cast<std::size_t>(g)] =
                QPoint(xOfGridPoint(g), yOfLevel(curve[static_cast<std::size_t>(g)]));
        }
        painter.setPen(QPen(colour, 0));
        painter.drawPolyline(points.data(), kGridPoints);
    };
    if (m_source == Source::Curves) {
        for (std::size_t c = 0; c < m_curves.size(); ++c) {
            drawCurve(m_curves[c], c < m_colours.size() ? m_colours[c] : kGraphCurveColour);
        }
        return;
    }
    if (m_source == Source::None) {
        return;
    }
    drawCurve(m_total, kGraphCurveColour);
    if (!m_handlesVisible) {
        return;
    }
    for (int b = 0; b < bandCount(); ++b) {
        if (!hasHandle(b)) {
            continue;
        }
        const QPoint centre = handleCentre(b);
        const QRect square(centre - QPoint(kHandleHalfSize, kHandleHalfSize),
                           QSize(2 * kHandleHalfSize + 1, 2 * kHandleHalfSize + 1));
        painter.setPen(QPen(bandColour(b + 1), 0));
        painter.setBrush(b == m_dragged ? QBrush(bandColour(b + 1)) : QBrush(Qt::NoBrush));
        painter.drawRect(square.adjusted(0, 0, -1, -1));
        if (b == m_current && hasFocus()) {
            painter.setBrush(Qt::NoBrush);
            painter.setPen(QPen(Qt::white, 0, Qt::DotLine));
            painter.drawRect(square.adjusted(-3, -3, 2, 2));
        }
    }
}

void CResponseGraph::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_9 && key - Qt::Key_1 < bandCount()) {
        setCurrentBand(key - Qt::Key_1);
        return;
    }
    int frequencyStep = 0;
    int gainStep = 0;
    switch (key) {
    case Qt::Key_Left:
        frequencyStep = -1;
        break;
    case Qt::Key_Right:
        frequencyStep = 1;
        break;
    case Qt::Key_Up:
        gainStep = 1;
        break;
    case Qt::Key_Down:
        gainStep = -1;
        break;
    case Qt::Key_PageUp:
        gainStep = 6;
        break;
    case Qt::Key_PageDown:
        gainStep = -6;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    if (!m_handlesVisible || m_dragged >= 0 || m_current >= bandCount() || m_source == Source::Curves) {
        return;
    }
    // The keys respect the same limits as the mouse: the band's drag rectangle.
    const QRect limits = dragRect(m_current);
    EqBand& band = m_bands[static_cast<std::size_t>(m_current)];
    const int frequency = std::clamp(static_cast<int>(band.frequency) + frequencyStep,
                                     frequencyIndexAt(limits.left()), frequencyIndexAt(limits.right()));
    const int gain = std::clamp(static_cast<int>(band.gain) + gainStep, gainIndexAt(limits.bottom()),
                                gainIndexAt(limits.top()));
    if (frequency == static_cast<int>(band.frequency) && gain == static_cast<int>(band.gain)) {
        return;
    }
    band.frequency = static_cast<std::uint32_t>(frequency);
    band.gain = static_cast<std::uint32_t>(gain);
    recompute();
    update();
    emit bandGrabbed(m_current);
    emit bandMoved(m_current, frequency, gain);
    emit bandReleased(m_current);
}

void CResponseGraph::resizeEvent(QResizeEvent* event) {
    m_background = QPixmap();
    QWidget::resizeEvent(event);
}

void CResponseGraph::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        m_background = QPixmap();
    }
    QWidget::changeEvent(event);
}

void CResponseGraph::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_dragged >= 0) {
        return;
    }
    const int hit = handleAt(event->position().toPoint());
    if (hit < 0) {
        return;
    }
    m_dragged = hit;
    m_current = hit;
    setCursor(Qt::ClosedHandCursor);
    update();
    emit bandGrabbed(hit);
}

void CResponseGraph::mouseMoveEvent(QMouseEvent* event) {
    const QPoint widgetPoint = event->position().toPoint();
    if (m_dragged < 0) {
        setCursor(handleAt(widgetPoint) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
        return;
    }
    const QRect limits = dragRect(m_dragged);
    const QPoint point = widgetPoint - QPoint(kPlotLeft, 0);
    const int x = std::clamp(point.x(), limits.left(), limits.right());
    const int y = std::clamp(point.y(), limits.top(), limits.bottom());
    const int frequency = frequencyIndexAt(x);
    const int gain = gainIndexAt(y);
    EqBand& dragged = m_bands[static_cast<std::size_t>(m_dragged)];
    if (static_cast<int>(dragged.frequency) == frequency && static_cast<int>(dragged.gain) == gain) {
        return;
    }
    dragged.frequency = static_cast<std::uint32_t>(frequency);
    dragged.gain = static_cast<std::uint32_t>(gain);
    recompute();
    update();
    emit bandMoved(m_dragged, frequency, gain);
}

void CResponseGraph::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || m_dragged < 0) {
        return;
    }
    const int released = m_dragged;
    m_dragged = -1;
    setCursor(handleAt(event->position().toPoint()) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
    update();
    emit bandReleased(released);
}

} // namespace kelo::gui
