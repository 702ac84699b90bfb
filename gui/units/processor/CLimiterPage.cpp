#include "gui/units/processor/CLimiterPage.h"

#include "gui/controls/CLedMeter.h"
#include "gui/panels/CLimiterPanel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>

namespace kelo::gui {

namespace {

/// Status fields of the processor families' status reply.
constexpr std::size_t kFirstOutputLevelField = 2;
constexpr std::size_t kFirstGainReductionField = 8;

} // namespace

CLimiterPage::CLimiterPage(Family family, CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : CUnitPage(document, unitKey, parent) {
    auto* grid = new QGridLayout;
    // The 2-in/6-out panels mark their level meter "Clip", the Plus panels "Ovld".
    const bool clipLabel = family == Family::Tz48;
    for (std::uint8_t output = 0; output < 6; ++output) {
        auto* group = new QGroupBox(tr("Output %1").arg(output + 1), this);
        auto* layout = new QVBoxLayout(group);
        auto* panel = new CLimiterPanel(LimiterKind::Limiter, clipLabel, true, group);
        panel->setObjectName(QStringLiteral("limiterPanel%1").arg(output));
        panel->setPartnerChannel(output);
        layout->addWidget(panel);
        bindPanel(panel, [output](int field) -> std::optional<FieldRef> {
            switch (field) {
            case CLimiterPanel::Threshold:
                return FieldRef{Field::LimiterThreshold, output, 0};
            case CLimiterPanel::Speed:
                return FieldRef{Field::LimiterSpeed, output, 0};
            case CLimiterPanel::Ratio:
                return FieldRef{Field::LimiterRatio, output, 0};
            default:
                return std::nullopt;
            }
        });
        panel->meter()->setLevelSource(
            [this, output] { return statusLevel(kFirstOutputLevelField + output); });
        panel->meter()->setMeteringEnabled(true);
        if (CLedMeter* reduction = panel->gainReductionMeter()) {
            reduction->setLevelSource(
                [this, output] { return statusLevel(kFirstGainReductionField + output); });
            reduction->setMeteringEnabled(true);
        }
        lockGroup(panel, ControlGroup::Limiter);
        grid->addWidget(group, output / 3, output % 3);
        m_panels[output] = panel;
    }
    if (family == Family::Tz48P) {
        auto* inputs = new QHBoxLayout;
        for (std::size_t input = 0; input < 2; ++input) {
            auto* group = new QGroupBox(input == 0 ? tr("Input A") : tr("Input B"), this);
            auto* layout = new QVBoxLayout(group);
            auto* meter = new CLedMeter(MeterKind::Input, group);
            meter->setObjectName(QStringLiteral("inputMeter%1").arg(input));
            meter->setLevelSource([this, input] { return statusLevel(input); });
            meter->setMeteringEnabled(true);
            layout->addWidget(meter);
            inputs->addWidget(group);
        }
        inputs->addStretch();
        grid->addLayout(inputs, 0, 3, 2, 1);
    }
    contentLayout()->addLayout(grid);
}

int CLimiterPage::statusLevel(std::size_t field) const {
    const ConnectionEntry entry = connectedEntry(*document(), unit());
    return field < entry.status.size() ? static_cast<int>(entry.status[field]) : 0;
}

void CLimiterPage::refreshFields() {
    refreshPanels();
}

} // namespace kelo::gui
