#include "gui/units/amp/AmpDiagram.h"

#include "core/scales/DelayConversion.h"
#include "core/scales/FrequencyScale.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"
#include "core/units/amp/AmpUnit.h"

#include <QPainter>

#include <algorithm>
#include <array>

namespace kelo::gui {

namespace {

// Logical canvas: inputs on the left, outputs on the right, the eight blocks of a row between them.
constexpr double kCanvasWidth = 640;
constexpr double kCanvasHeight = 330;
constexpr double kFirstBlockX = 56;
constexpr double kBlockWidth = 62;
constexpr double kBlockPitch = 70;
constexpr double kBlockHeight = 86;
constexpr double kRowTop[2] = {52, 192};

/// The index of the block along its row.
int columnOf(AmpBlock block) {
    return static_cast<int>(block);
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

QSizeF AmpDiagram::canvasSize() {
    return {kCanvasWidth, kCanvasHeight};
}

QRectF AmpDiagram::blockRect(AmpBlock block, int channel) {
    const double top = kRowTop[channel == 1 ? 1 : 0];
    return {kFirstBlockX + kBlockPitch * columnOf(block), top, kBlockWidth, kBlockHeight};
}

bool AmpDiagram::isDynamics(AmpBlock block) {
    return block == AmpBlock::Hum || block == AmpBlock::Noise || block == AmpBlock::MultiComp ||
           block == AmpBlock::Limiter;
}

bool AmpDiagram::isBypassed(const AmpUnit& unit, AmpBlock block, int channel) {
    const auto c = static_cast<std::size_t>(channel);
    switch (block) {
    case AmpBlock::Hum:
        return unit.live.humBypass(c) != 0;
    case AmpBlock::Noise:
        return unit.live.gateBypass(c) != 0;
    case AmpBlock::MultiComp:
        return unit.live.compBypass(c) != 0;
    default:
        return false;
    }
}

QString AmpDiagram::summary(const AmpUnit& unit, AmpBlock block, int channel) {
    const auto c = static_cast<std::size_t>(channel == 1 ? 1 : 0);
    if (isBypassed(unit, block, channel)) {
        return QStringLiteral("BYP");
    }
    const AmpLiveParams& live = unit.live;
    const AmpOutputChannel& output = live.outputs[c];
    switch (block) {
    case AmpBlock::Hum:
        return fromStd(HumFrequencyScale.text(live.hum[c].frequency));
    case AmpBlock::Noise:
        return fromStd(GateThresholdScale.text(live.gates[c].threshold));
    case AmpBlock::MultiComp:
        return QStringLiteral("L %1\nH %2")
            .arg(fromStd(LimiterRatioNames.clampedName(
                     live.comp[c].word(CompressorSection::kLowBandFirstWord + 3))),
                 fromStd(LimiterRatioNames.clampedName(
                     live.comp[c].word(CompressorSection::kHighBandFirstWord + 3))));
    case AmpBlock::MDelay:
        return fromStd(DelayText(live.inputs[c].delayMm, live.delayUnit(), live.temperature()));
    case AmpBlock::XOver: {
        const auto side = [](std::uint32_t type, std::uint32_t frequency) {
            return type == 0 ? QStringLiteral("Thru") : fromStd(FrequencyScale.text(frequency));
        };
        return QStringLiteral("HP %1\nLP %2")
            .arg(side(output.crossover.highPassType, output.crossover.highPassFrequency),
                 side(output.crossover.lowPassType, output.crossover.lowPassFrequency));
    }
    case AmpBlock::Eq: {
        const auto active = std::count_if(output.bands.begin(), output.bands.end(), [](const EqBand& band) {
            return band.flat == 0 && band.gain != 30;
        });
        return active == 0 ? QStringLiteral("flat") : QStringLiteral("%1 bands").arg(active);
    }
    case AmpBlock::Gain: {
        QString text = fromStd(AmpInputGainScale.text(output.gain));
        if (live.mute(c) != 0) {
            text += QStringLiteral("\nM");
        }
        if (output.polarity != 0) {
            text += live.mute(c) != 0 ? QStringLiteral(" 180°") : QStringLiteral("\n180°");
        }
        return text;
    }
    case AmpBlock::Limiter:
        return output.limiter.threshold >= 102
                   ? QStringLiteral("OFF")
                   : fromStd(AmpCompThresholdScale.text(output.limiter.threshold));
    }
    return {};
}

QString AmpDiagram::objectName(AmpBlock block, int channel) {
    static constexpr std::array<const char*, kAmpBlockCount> kNames{"hum",   "noise", "multiComp", "mDelay",
                                                                    "xOver", "eq",    "gain",      "limiter"};
    return QString::fromLatin1(kNames[static_cast<std::size_t>(block)]) +
           (channel == 1 ? QStringLiteral("B") : QStringLiteral("A"));
}

void AmpDiagram::paintLines(QPainter& painter, const AmpUnit& unit) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor line = painter.pen().color();
    QFont font = painter.font();
    font.setPixelSize(12);
    font.setBold(true);
    for (int channel = 0; channel < 2; ++channel) {
        const double middle = kRowTop[channel] + kBlockHeight / 2;
        const QString label = channel == 0 ? QStringLiteral("A") : QStringLiteral("B");
        painter.setPen(QPen(line, 2));
        painter.drawLine(QPointF(34, middle), QPointF(kCanvasWidth - 34, middle));
        painter.setFont(font);
        for (double x : {8.0, kCanvasWidth - 32}) {
            const QRectF terminal(x, middle - 12, 24, 24);
            painter.setBrush(painter.background());
            painter.drawEllipse(terminal);
            painter.drawText(terminal, Qt::AlignCenter, label);
        }
    }
    // Between the rows: whether the two channels are edited together.
    font.setBold(false);
    painter.setFont(font);
    painter.setPen(line);
    const double gap = kRowTop[0] + kBlockHeight;
    painter.drawText(QRectF(kFirstBlockX, gap, kBlockPitch * 8, kRowTop[1] - gap), Qt::AlignCenter,
                     unit.live.ganging() != 0 ? QStringLiteral("Ganging: channels A+B edited together")
                                              : QStringLiteral("Ganging: off"));
    painter.restore();
}

} // namespace kelo::gui
