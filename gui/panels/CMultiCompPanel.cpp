#include "gui/panels/CMultiCompPanel.h"

#include "core/scales/FrequencyScale.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"
#include "gui/panels/CBypassButton.h"
#include "gui/panels/CSpinEdit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kelo::gui {

namespace {

// The compressor's ratio lists stop before "Limiter".
constexpr int kRatioCount = 14;

bool isHighBand(int field) {
    return field >= CMultiCompPanel::HighFrequency && field <= CMultiCompPanel::HighGain;
}

} // namespace

CMultiCompPanel::CMultiCompPanel(QWidget* parent) : CBlockPanel(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    const auto group = [this, row](CompressorBand band) {
        const bool high = band == CompressorBand::High;
        const int base = high ? HighFrequency : LowFrequency;
        auto* frame = new QGroupBox(high ? tr("High") : tr("Low"), this);
        auto* grid = new QGridLayout(frame);
        const QString prefix = high ? tr("High band ") : tr("Low band ");
        const auto add = [&](int field, const SpinScale& scale, const QString& caption, int gridRow) {
            auto* edit = new CSpinEdit(scale, prefix + caption.toLower(), frame);
            edit->setObjectName((high ? QStringLiteral("high") : QStringLiteral("low")) + caption +
                                QStringLiteral("SpinEdit"));
            m_fields[field] = edit;
            grid->addWidget(new QLabel(caption, frame), gridRow, 0, Qt::AlignRight);
            grid->addWidget(edit, gridRow, 1);
            connect(edit, &CSpinEdit::indexEdited, this, [this, field](int index) { edited(field, index); });
        };
        add(base + 4, spinScale(BoostThresholdScale), tr("Threshold"), 0);
        add(base + 0, spinScale(high ? BoostHighFrequency : BoostLowFrequency), tr("Freq"), 1);
        auto* ratio = new QComboBox(frame);
        ratio->setObjectName(high ? QStringLiteral("highRatioComboBox") : QStringLiteral("lowRatioComboBox"));
        for (int index = 0; index < kRatioCount; ++index) {
            ratio->addItem(QString::fromStdString(LimiterRatioNames.clampedName(index)));
        }
        ratio->setToolTip(prefix + tr("ratio"));
        m_ratio[high ? 1 : 0] = ratio;
        grid->addWidget(new QLabel(tr("Ratio"), frame), 2, 0, Qt::AlignRight);
        grid->addWidget(ratio, 2, 1);
        const int ratioField = base + 3;
        connect(ratio, &QComboBox::activated, this,
                [this, ratioField](int index) { edited(ratioField, index); });
        add(base + 1, spinScale(AttackTimeScale), tr("Attack"), 3);
        add(base + 5, spinScale(BoostGainScale), tr("Gain"), 4);
        add(base + 2, spinScale(ReleaseTimeScale), tr("Release"), 5);
        row->addWidget(frame);
    };
    group(CompressorBand::High);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    middle->addWidget(new QLabel(tr("Mid Gain"), this), 0, Qt::AlignHCenter);
    auto* midGain = new CSpinEdit(spinScale(BoostGainScale), tr("Mid Gain"), this);
    midGain->setObjectName(QStringLiteral("midGainSpinEdit"));
    m_fields[MidGain] = midGain;
    middle->addWidget(midGain);
    connect(midGain, &CSpinEdit::indexEdited, this, [this](int index) { edited(MidGain, index); });
    m_bypass = new CBypassButton(this);
    middle->addWidget(m_bypass);
    middle->addStretch();
    row->addLayout(middle);
    connect(m_bypass, &CBypassButton::toggled, this,
            [this](bool bypassed) { edited(Bypass, bypassed ? 1 : 0); });

    group(CompressorBand::Low);
    refresh();
}

CSpinEdit* CMultiCompPanel::field(Field field) const {
    return field >= HighFrequency && field <= MidGain ? m_fields[field] : nullptr;
}

QComboBox* CMultiCompPanel::ratioList(CompressorBand band) const {
    return m_ratio[band == CompressorBand::High ? 1 : 0];
}

void CMultiCompPanel::refresh() {
    for (int field = HighFrequency; field <= MidGain; ++field) {
        if (m_fields[field] != nullptr) {
            m_fields[field]->setIndex(read(field));
        }
    }
    for (const CompressorBand band : {CompressorBand::Low, CompressorBand::High}) {
        const int index = read(band == CompressorBand::High ? HighRatio : LowRatio);
        ratioList(band)->setCurrentIndex(index >= 0 && index < kRatioCount ? index : -1);
    }
    m_bypass->setBypassed(read(Bypass) != 0);
}

void CMultiCompPanel::edited(int field, int index) {
    write(field, index);
    emit changed();
    if (field == MidGain || field == Bypass) {
        return;
    }
    const CompressorBand band = isHighBand(field) ? CompressorBand::High : CompressorBand::Low;
    emit groupChanged(band);
    if (field == HighThreshold || field == LowThreshold || field == HighRatio || field == LowRatio) {
        emit bandGraphChanged(band);
    }
}

} // namespace kelo::gui
