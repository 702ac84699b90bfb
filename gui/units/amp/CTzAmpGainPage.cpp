#include "gui/units/amp/CTzAmpGainPage.h"

#include "core/units/Unit.h"
#include "core/scales/RuleScale.h"
#include "gui/app/CEditorApp.h"
#include "gui/controls/CLedMeter.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/online/COnlineController.h"
#include "gui/panels/CLimiterPanel.h"
#include "gui/units/amp/CAmpLevelFader.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace kelo::gui {

namespace {

// The status bits change as often as the meters; they are polled at the meters' rate.
constexpr int kStatusPollMs = 25;

} // namespace

CTzAmpGainPage::CTzAmpGainPage(CSystemDoc* document, std::uint32_t unitKey)
    : CUnitPage(document, unitKey), m_input(new CLedMeter(MeterKind::Input)) {
    auto* row = new QHBoxLayout;

    auto* inputBox = new QGroupBox(tr("Input"));
    auto* inputLayout = new QVBoxLayout(inputBox);
    m_input->setObjectName(QStringLiteral("inputMeter"));
    m_input->setToolTip(tr("Input level of the unit"));
    m_input->setLevelSource([this] { return static_cast<int>(meterLevels().input); });
    m_input->setMeteringEnabled(true);
    inputLayout->addWidget(m_input, 0, Qt::AlignHCenter);
    auto* bits = new QVBoxLayout;
    for (std::size_t bit = 0; bit < m_statusBits.size(); ++bit) {
        auto* label = new QLabel;
        label->setObjectName(QStringLiteral("statusBit%1").arg(bit + AmpMeterLevels::kFirstFlagField));
        label->setToolTip(
            tr("Status bit %1 as the unit reports it").arg(bit + AmpMeterLevels::kFirstFlagField));
        bits->addWidget(label);
        m_statusBits[bit] = label;
    }
    inputLayout->addLayout(bits);
    inputLayout->addStretch();
    row->addWidget(inputBox);

    for (int channel = 0; channel < 2; ++channel) {
        const auto c = static_cast<std::size_t>(channel);
        auto* fader =
            new CAmpLevelFader(this, channel, EditOrigin::GainPage, channel == 0 ? tr("Ch A") : tr("Ch B"));
        row->addWidget(fader);
        m_faders[c] = fader;
        lockGroup(fader, ControlGroup::OutputFader);
    }
    for (int channel = 0; channel < 2; ++channel) {
        const auto c = static_cast<std::size_t>(channel);
        auto* limiter = new CLimiterPanel(LimiterKind::Compressor, true);
        limiter->setObjectName(channel == 0 ? QStringLiteral("limiterPanelA")
                                            : QStringLiteral("limiterPanelB"));
        limiter->setThresholdRule([](int index) { return AmpCompThresholdScale.value(index); });
        limiter->setPartnerChannel(1 - channel);
        bindPanel(limiter, [channel](int field) -> std::optional<FieldRef> {
            static constexpr Field kFields[] = {Field::LimiterThreshold, Field::LimiterSpeed,
                                                Field::LimiterRatio};
            if (field < 0 || field > 2) {
                return std::nullopt;
            }
            return FieldRef{kFields[field], static_cast<std::uint8_t>(channel), 0};
        });
        limiter->meter()->setLevelSource([this, c] { return static_cast<int>(meterLevels().output[c]); });
        limiter->meter()->setMeteringEnabled(true);
        auto* box = new QGroupBox(channel == 0 ? tr("Ch A") : tr("Ch B"));
        auto* boxLayout = new QVBoxLayout(box);
        boxLayout->addWidget(limiter);
        row->addWidget(box);
        m_limiters[c] = limiter;
        lockGroup(limiter, ControlGroup::Limiter);
    }
    contentLayout()->addLayout(row);
    contentLayout()->addStretch();

    auto* poll = new QTimer(this);
    poll->setInterval(kStatusPollMs);
    connect(poll, &QTimer::timeout, this, &CTzAmpGainPage::updateStatusBits);
    poll->start();
    updateStatusBits();
}

AmpMeterLevels CTzAmpGainPage::meterLevels() const {
    const Unit* shown = unit();
    const CEditorApp* app = CEditorApp::instance();
    if (shown == nullptr || !document()->isOnLine() || app == nullptr || app->online() == nullptr) {
        return {};
    }
    return AmpMeterLevels::fromEntry(app->online()->engine().GetConnectionEntry(shown->busId()));
}

void CTzAmpGainPage::updateStatusBits() {
    const AmpMeterLevels levels = meterLevels();
    for (std::size_t bit = 0; bit < m_statusBits.size(); ++bit) {
        const bool on = levels.flags[bit];
        const QString text =
            tr("Status %1: %2").arg(bit + AmpMeterLevels::kFirstFlagField).arg(on ? tr("on") : tr("off"));
        if (m_statusBits[bit]->text() != text) {
            m_statusBits[bit]->setText(text);
            m_statusBits[bit]->setStyleSheet(
                on ? QStringLiteral("QLabel { color: #008000; font-weight: bold; }") : QString());
        }
    }
}

void CTzAmpGainPage::refreshFields() {
    for (CAmpLevelFader* fader : m_faders) {
        fader->refresh();
    }
    refreshPanels();
}

} // namespace kelo::gui
