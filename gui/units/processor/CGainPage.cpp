#include "gui/units/processor/CGainPage.h"

#include "gui/controls/CFader.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace kelo::gui {

CGainPage::CGainPage(CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : CUnitPage(document, unitKey, parent) {
    auto* row = new QHBoxLayout;
    for (std::size_t index = 0; index < m_strips.size(); ++index) {
        const bool input = index < 2;
        const auto channel = static_cast<std::uint8_t>(input ? index : index - 2);
        // Every strip has the output scale ("+6" .. "-30"); input strips hide the output buttons.
        auto* strip = new CFader(FaderKind::ProcessorOutput, this);
        strip->setObjectName(QStringLiteral("gainStrip%1").arg(index));
        strip->setTitle(input ? (index == 0 ? tr("Input A") : tr("Input B"))
                              : tr("Output %1").arg(channel + 1));
        if (input) {
            strip->muteButton()->hide();
            strip->polarityButton()->hide();
        }
        const Field gain = input ? Field::InputGain : Field::OutputGain;
        connect(strip, &CFader::indexChanged, this, [this, gain, channel](int value) {
            setField(FieldRef{gain, channel, 0}, static_cast<std::uint32_t>(value), EditOrigin::GainPage);
        });
        connect(strip, &CFader::muteToggled, this, [this, channel](bool muted) {
            setField(FieldRef{Field::OutputMute, channel, 0}, muted ? 1 : 0, EditOrigin::GainPage);
        });
        connect(strip, &CFader::polarityToggled, this, [this, channel](bool reversed) {
            setField(FieldRef{Field::OutputPolarity, channel, 0}, reversed ? 1 : 0, EditOrigin::GainPage);
        });
        lockGroup(strip, input ? ControlGroup::InputFader : ControlGroup::OutputFader);
        row->addWidget(strip);
        m_strips[index] = strip;
    }
    contentLayout()->addLayout(row);
}

void CGainPage::refreshFields() {
    for (std::size_t index = 0; index < m_strips.size(); ++index) {
        CFader* strip = m_strips[index];
        const QSignalBlocker quiet(strip);
        if (index < 2) {
            strip->setIndex(static_cast<int>(
                fieldValue(FieldRef{Field::InputGain, static_cast<std::uint8_t>(index), 0})));
            continue;
        }
        const auto channel = static_cast<std::uint8_t>(index - 2);
        strip->setIndex(static_cast<int>(fieldValue(FieldRef{Field::OutputGain, channel, 0})));
        strip->setMuted(fieldValue(FieldRef{Field::OutputMute, channel, 0}) != 0);
        strip->setPolarityReversed(fieldValue(FieldRef{Field::OutputPolarity, channel, 0}) != 0);
    }
}

} // namespace kelo::gui
