#include "gui/controls/CFader.h"

#include "core/scales/RuleScale.h"
#include "core/scales/ScaleFormat.h"
#include "gui/controls/GraphStyle.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>

namespace kelo::gui {

namespace {

/// A slider that takes the wheel only while it has the focus, so scrolling a page never moves a fader.
class FocusWheelSlider : public QSlider {
public:
    using QSlider::QSlider;

    QRect handleRect() const {
        QStyleOptionSlider option;
        initStyleOption(&option);
        return style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, this);
    }

protected:
    void wheelEvent(QWheelEvent* event) override {
        if (!hasFocus()) {
            event->ignore();
            return;
        }
        QSlider::wheelEvent(event);
    }
};

} // namespace

/// The scale labels beside the track, each at the height the thumb's centre has at its position.
class CFader::Scale : public QWidget {
public:
    explicit Scale(QSlider* slider, QWidget* parent) : QWidget(parent), m_slider(slider) {
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }

    void setLabels(std::vector<std::pair<QString, double>> labels) {
        m_labels = std::move(labels);
        updateGeometry();
        update();
    }

    QSize sizeHint() const override {
        const QFontMetrics metrics(graphLabelFont());
        int width = 0;
        for (const auto& label : m_labels) {
            width = std::max(width, metrics.horizontalAdvance(label.first));
        }
        return {width + 6, 120};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setFont(graphLabelFont());
        painter.setPen(palette().color(QPalette::WindowText));
        const int handle = static_cast<FocusWheelSlider*>(m_slider)->handleRect().height();
        const int top = m_slider->y() - y() + handle / 2;
        const int span = std::max(1, m_slider->height() - handle);
        const int lineHeight = painter.fontMetrics().height();
        const double maximum = std::max(1, m_slider->maximum());
        for (const auto& [text, position] : m_labels) {
            const int centre =
                top + static_cast<int>((1.0 - std::clamp(position, 0.0, maximum) / maximum) * span);
            painter.drawText(QRect(0, centre - lineHeight / 2, width() - 3, lineHeight),
                             Qt::AlignRight | Qt::AlignVCenter, text);
            painter.drawLine(width() - 2, centre, width(), centre);
        }
    }

private:
    QSlider* m_slider;
    std::vector<std::pair<QString, double>> m_labels;
};

CFader::CFader(FaderKind kind, QWidget* parent) : QWidget(parent), m_kind(kind) {
    auto* slider = new FocusWheelSlider(Qt::Vertical, this);
    m_slider = slider;
    m_slider->setObjectName(QStringLiteral("faderSlider"));
    m_slider->setFocusPolicy(Qt::StrongFocus);
    m_slider->setPageStep(6);
    m_slider->setMinimumHeight(160);
    m_title = new QLabel(this);
    m_title->setAlignment(Qt::AlignCenter);
    m_value = new QLabel(this);
    m_value->setAlignment(Qt::AlignCenter);
    m_value->setMinimumWidth(QFontMetrics(m_value->font()).horizontalAdvance(QStringLiteral("-49.5dB")) + 8);
    m_scale = new Scale(m_slider, this);
    m_mute = new QPushButton(tr("Mute"), this);
    m_mute->setObjectName(QStringLiteral("muteButton"));
    m_mute->setCheckable(true);
    m_mute->setToolTip(tr("Mute: silences the channel while pressed"));

    auto* track = new QHBoxLayout;
    track->addWidget(m_scale);
    track->addWidget(m_slider);
    track->addStretch();
    auto* column = new QVBoxLayout(this);
    column->addWidget(m_title);
    column->addLayout(track, 1);
    column->addWidget(m_value);
    column->addWidget(m_mute);

    const bool polarity = kind != FaderKind::ProcessorInput;
    if (polarity) {
        m_polarity = new QPushButton(QStringLiteral("180\u00b0"), this);
        m_polarity->setObjectName(QStringLiteral("polarityButton"));
        m_polarity->setCheckable(true);
        m_polarity->setToolTip(tr("180\u00b0: reverses the polarity while pressed"));
        column->addWidget(m_polarity);
        connect(m_polarity, &QPushButton::toggled, this, &CFader::polarityToggled);
    }
    connect(m_mute, &QPushButton::toggled, this, &CFader::muteToggled);
    connect(m_slider, &QSlider::valueChanged, this, &CFader::trackMoved);

    switch (kind) {
    case FaderKind::ProcessorInput:
        setTitle(tr("Level"));
        setTrack(112, 40, 112, 40);
        setDbRule([](int index) { return ProcessorGainScale.value(index); });
        setScaleLabels({{"0dB", 100},
                        {"-6", 88},
                        {"-12", 76},
                        {"-18", 64},
                        {"-24", 52},
                        {"-30", 40},
                        {"-36", 28},
                        {"-42", 16},
                        {"-48", 4},
                        {"-50", 0}});
        break;
    case FaderKind::ProcessorOutput:
        setTitle(tr("Output"));
        setTrack(112, 40, 112, 40);
        setDbRule([](int index) { return ProcessorGainScale.value(index); });
        setScaleLabels(
            {{"+6", 112}, {"0dB", 100}, {"-6", 88}, {"-12", 76}, {"-18", 64}, {"-24", 52}, {"-30", 40}});
        break;
    case FaderKind::AmpLevel:
        setTitle(tr("Level"));
        setTrack(99, 0, 99, 0);
        setDbRule([](int index) { return AmpInputGainScale.value(index); });
        setScaleLabels({{"0dB", 99},
                        {"-6", 87},
                        {"-12", 75},
                        {"-18", 63},
                        {"-24", 51},
                        {"-30", 39},
                        {"-36", 27},
                        {"-42", 15},
                        {"-48", 3},
                        {"-50", 0}});
        break;
    }
    setIndex(index());
}

void CFader::setTrack(int trackMaximum, int lower, int upper, int offset) {
    m_lower = std::clamp(lower, 0, trackMaximum);
    m_upper = std::clamp(upper, m_lower, trackMaximum);
    m_offset = offset;
    const QSignalBlocker blocker(m_slider);
    m_slider->setRange(0, trackMaximum);
    m_slider->setValue(std::clamp(m_slider->value(), m_lower, m_upper));
    updateText();
}

void CFader::setDbRule(std::function<double(int)> rule) {
    m_rule = std::move(rule);
    updateText();
}

void CFader::setScaleLabels(std::vector<std::pair<QString, double>> labels) {
    m_scale->setLabels(std::move(labels));
}

void CFader::setTitle(const QString& title) {
    m_title->setText(title);
}

int CFader::index() const {
    return m_slider->value() - m_offset;
}

void CFader::setIndex(int index) {
    const QSignalBlocker blocker(m_slider);
    m_slider->setValue(std::clamp(index + m_offset, m_lower, m_upper));
    updateText();
}

int CFader::trackPosition() const {
    return m_slider->value();
}

QString CFader::valueText() const {
    return m_value->text();
}

bool CFader::isMuted() const {
    return m_mute->isChecked();
}

void CFader::setMuted(bool muted) {
    const QSignalBlocker blocker(m_mute);
    m_mute->setChecked(muted);
}

bool CFader::isPolarityReversed() const {
    return m_polarity != nullptr && m_polarity->isChecked();
}

void CFader::setPolarityReversed(bool reversed) {
    if (m_polarity != nullptr) {
        const QSignalBlocker blocker(m_polarity);
        m_polarity->setChecked(reversed);
    }
}

void CFader::trackMoved(int position) {
    const int held = std::clamp(position, m_lower, m_upper);
    if (held != position) {
        const QSignalBlocker blocker(m_slider);
        m_slider->setValue(held);
    }
    updateText();
    emit indexChanged(held - m_offset);
}

void CFader::updateText() {
    const double db = m_rule ? m_rule(index()) : 0.0;
    const QString text =
        QString::fromStdString(formatNumber(db, NumberStyle::Signed1)) + QStringLiteral("dB");
    m_value->setText(text);
    m_slider->setToolTip(tr("%1: %2").arg(m_title->text(), text));
    m_slider->setAccessibleName(m_title->text());
}

} // namespace kelo::gui
