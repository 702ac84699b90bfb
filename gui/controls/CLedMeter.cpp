#include "gui/controls/CLedMeter.h"

#include "gui/controls/GraphStyle.h"

#include <QPainter>
#include <QTimer>

namespace kelo::gui {

namespace {

constexpr int kLedWidth = 14;
constexpr int kLedHeight = 9;
constexpr int kLedGap = 4;

} // namespace

CLedMeter::CLedMeter(MeterKind kind, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_timer(new QTimer(this)) {
    m_timer->setInterval(kPollInterval);
    connect(m_timer, &QTimer::timeout, this, &CLedMeter::poll);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setToolTip(kind == MeterKind::GainReduction ? tr("Gain reduction")
                                                : tr("Level: %1").arg(labels().join(", ")));
}

QStringList CLedMeter::labels() const {
    switch (m_kind) {
    case MeterKind::Input:
        return {"Clip", "-6dB", "-12dB", "-18dB", "-24dB"};
    case MeterKind::LimiterOvld:
        return {"Ovld", "Limit", "-6dB", "-12dB", "-24dB"};
    case MeterKind::LimiterClip:
        return {"Clip", "Limit", "-6dB", "-12dB", "-24dB"};
    case MeterKind::GainReduction:
        return {"1dB", "-5dB", "-10dB", "-20dB", "-30dB"};
    }
    return {};
}

void CLedMeter::setLevelSource(std::function<int()> source) {
    m_source = std::move(source);
}

void CLedMeter::setMeteringEnabled(bool enabled) {
    m_enabled = enabled;
    if (enabled) {
        m_timer->start();
    } else {
        m_timer->stop();
    }
    update();
}

bool CLedMeter::isPolling() const {
    return m_timer->isActive();
}

void CLedMeter::setLevel(int level) {
    if (level != m_level) {
        m_level = level;
        update();
    }
}

void CLedMeter::poll() {
    if (m_enabled && m_source) {
        setLevel(m_source());
    }
}

std::array<QColor, CLedMeter::kFieldCount> CLedMeter::coloursForLevel(int level) {
    std::array<QColor, kFieldCount> colours{kLedOff, kLedOff, kLedOff, kLedOff, kLedOff};
    if (level < 1 || level > 5) {
        return colours;
    }
    // Fields light from the bottom: three green, then yellow, then red at the top.
    const std::array<QColor, kFieldCount> lit{kLedRed, kLedYellow, kLedGreen, kLedGreen, kLedGreen};
    for (int field = kFieldCount - level; field < kFieldCount; ++field) {
        colours[static_cast<std::size_t>(field)] = lit[static_cast<std::size_t>(field)];
    }
    return colours;
}

std::array<QColor, CLedMeter::kFieldCount> CLedMeter::disabledColours() {
    return {QColor(180, 0, 0), QColor(255, 170, 0), QColor(0, 100, 0), QColor(0, 100, 0), QColor(0, 100, 0)};
}

QColor CLedMeter::fieldColour(int field) const {
    if (field < 0 || field >= kFieldCount) {
        return {};
    }
    const auto colours = m_enabled ? coloursForLevel(m_level) : disabledColours();
    return colours[static_cast<std::size_t>(field)];
}

QSize CLedMeter::sizeHint() const {
    const QFontMetrics metrics(graphLabelFont());
    int labelWidth = 0;
    for (const QString& label : labels()) {
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(label));
    }
    const int head = m_kind == MeterKind::GainReduction ? metrics.height() + 2 : 0;
    const int row = std::max(kLedHeight, metrics.height()) + kLedGap;
    int width = kLedWidth + 4 + labelWidth + 2;
    if (m_kind == MeterKind::GainReduction) {
        width = std::max(width, metrics.horizontalAdvance(QStringLiteral("Gain Red")) + 2);
    }
    return {width, head + kFieldCount * row};
}

void CLedMeter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(graphLabelFont());
    const QFontMetrics metrics = painter.fontMetrics();
    const int row = std::max(kLedHeight, metrics.height()) + kLedGap;
    int top = 0;
    const QColor text = palette().color(QPalette::WindowText);
    if (m_kind == MeterKind::GainReduction) {
        painter.setPen(text);
        painter.drawText(QRect(0, 0, width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Gain Red"));
        top = metrics.height() + 2;
    }
    const QStringList names = labels();
    for (int field = 0; field < kFieldCount; ++field) {
        const int y = top + field * row;
        const QRect led(0, y + (row - kLedHeight) / 2, kLedWidth, kLedHeight);
        painter.fillRect(led, fieldColour(field));
        painter.setPen(QPen(QColor(40, 40, 40), 0));
        painter.drawRect(led.adjusted(0, 0, -1, -1));
        painter.setPen(text);
        painter.drawText(QRect(kLedWidth + 4, y, width() - kLedWidth - 4, row),
                         Qt::AlignLeft | Qt::AlignVCenter, names.value(field));
    }
}

} // namespace kelo::gui
