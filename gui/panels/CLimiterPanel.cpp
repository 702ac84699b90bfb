#include "gui/panels/CLimiterPanel.h"

#include "core/scales/LevelTextTable.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"
#include "core/scales/ScaleFormat.h"
#include "core/scales/TypedValue.h"
#include "gui/controls/CLedMeter.h"
#include "gui/panels/CSpinEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>

#include <cmath>

namespace kelo::gui {

namespace {

constexpr int kCompressorOffIndex = 102;

QComboBox* nameList(const NameList& names, int count, QWidget* parent) {
    auto* list = new QComboBox(parent);
    for (int index = 0; index < count; ++index) {
        list->addItem(QString::fromStdString(names.clampedName(index)));
    }
    return list;
}

// The compressor threshold by the owner's rule; the nearest index wins, the higher one on a tie, so that
// typing the rule's top value (or more) selects "OFF" as the rule's own reverse would.
SpinScale compressorScale(std::function<double(int)> rule) {
    SpinScale scale;
    scale.maxIndex = kCompressorOffIndex;
    scale.text = [rule](int index) {
        if (index >= kCompressorOffIndex) {
            return QStringLiteral("OFF");
        }
        return QString::fromStdString(formatNumber(rule(index), NumberStyle::Signed1)) + QStringLiteral("dB");
    };
    scale.parse = [rule](const QString& typed) -> std::optional<int> {
        if (typed.trimmed().compare(QStringLiteral("OFF"), Qt::CaseInsensitive) == 0) {
            return kCompressorOffIndex;
        }
        const std::optional<double> db = readTypedValue(typed.toStdString(), "dB");
        if (!db) {
            return std::nullopt;
        }
        int best = 0;
        for (int index = 1; index <= kCompressorOffIndex; ++index) {
            if (std::abs(rule(index) - *db) <= std::abs(rule(best) - *db)) {
                best = index;
            }
        }
        return best;
    };
    return scale;
}

} // namespace

CLimiterPanel::CLimiterPanel(LimiterKind kind, bool clipLabel, bool gainReduction, QWidget* parent)
    : CBlockPanel(parent), m_kind(kind),
      m_rule([](int index) { return AmpCompThresholdScale.value(index); }) {
    auto* frame = new QGroupBox(kind == LimiterKind::Limiter ? tr("LIMITER") : tr("Comp/Limit"), this);
    m_threshold = new CSpinEdit(frame);
    m_threshold->setObjectName(QStringLiteral("thresholdSpinEdit"));
    m_threshold->setName(tr("Threshold"));
    m_threshold->setScale(kind == LimiterKind::Limiter ? spinScale(LimiterThreshold)
                                                       : compressorScale(m_rule));
    m_speed = nameList(LimiterSpeedNames, LimiterSpeedNames.size(), frame);
    m_speed->setObjectName(QStringLiteral("speedComboBox"));
    m_speed->setToolTip(tr("Attack and release constants"));
    m_ratio = nameList(LimiterRatioNames, LimiterRatioNames.size(), frame);
    m_ratio->setObjectName(QStringLiteral("ratioComboBox"));
    m_ratio->setToolTip(tr("Ratio"));
    m_meter = new CLedMeter(clipLabel ? MeterKind::LimiterClip : MeterKind::LimiterOvld, frame);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Threshold"), frame), 0, 0, Qt::AlignRight);
    grid->addWidget(m_threshold, 0, 1);
    grid->addWidget(new QLabel(tr("Atk/Rel\nConstants"), frame), 1, 0, Qt::AlignRight);
    grid->addWidget(m_speed, 1, 1);
    grid->addWidget(new QLabel(tr("Ratio"), frame), 2, 0, Qt::AlignRight);
    grid->addWidget(m_ratio, 2, 1);
    auto* row = new QHBoxLayout(frame);
    row->addLayout(grid);
    row->addWidget(m_meter, 0, Qt::AlignTop);
    if (gainReduction) {
        m_gainReduction = new CLedMeter(MeterKind::GainReduction, frame);
        row->addWidget(m_gainReduction, 0, Qt::AlignTop);
    }
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(frame);

    connect(m_threshold, &CSpinEdit::indexEdited, this, [this](int index) { edited(Threshold, index); });
    connect(m_speed, &QComboBox::activated, this, [this](int index) { edited(Speed, index); });
    connect(m_ratio, &QComboBox::activated, this, [this](int index) { edited(Ratio, index); });
    refresh();
}

void CLimiterPanel::setThresholdRule(std::function<double(int)> rule) {
    if (!rule || m_kind != LimiterKind::Compressor) {
        return;
    }
    m_rule = std::move(rule);
    const int index = m_threshold->index();
    m_threshold->setScale(compressorScale(m_rule));
    m_threshold->setIndex(index);
}

void CLimiterPanel::refresh() {
    m_threshold->setIndex(read(Threshold));
    const auto show = [](QComboBox* list, int index) {
        list->setCurrentIndex(index >= 0 && index < list->count() ? index : -1);
    };
    show(m_speed, read(Speed));
    show(m_ratio, read(Ratio));
}

void CLimiterPanel::edited(int field, int index) {
    write(field, index);
    emit changed();
    emit limiterChanged(m_partner);
}

} // namespace kelo::gui
