#include "gui/units/amp/AmpDiagram.h"

#include "core/scales/DelayConversion.h"
#include "core/scales/FrequencyScale.h"
#include "core/scales/NameList.h"
#include "core/scales/RuleScale.h"
#include "core/units/amp/AmpUnit.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

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
    const auto& order = ampBlocksInSignalOrder();
    return static_cast<int>(std::find(order.begin(), order.end(), block) - order.begin());
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

bool isBypassed(const AmpUnit& unit, AmpBlock block, int channel) {
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

} // namespace

QSizeF AmpDiagram::canvasSize() {
    return {kCanvasWidth, kCanvasHeight};
}

QRectF AmpDiagram::blockRect(AmpBlock block, int channel) {
    const double top = kRowTop[channel == 1 ? 1 : 0];
    return {kFirstBlockX + kBlockPitch * columnOf(block), top, kBlockWidth, kBlockHeight};
}

std::optional<AmpDiagram::Button> AmpDiagram::buttonAt(QPointF logical) {
    for (int channel = 0; channel < 2; ++channel) {
        for (AmpBlock block : ampBlocksInSignalOrder()) {
            if (blockRect(block, channel).contains(logical)) {
                return Button{block, channel};
            }
        }
    }
    return std::nullopt;
}

QColor AmpDiagram::blockColour(AmpBlock block) {
    switch (block) {
    case AmpBlock::Hum:
    case AmpBlock::Noise:
    case AmpBlock::MultiComp:
    case AmpBlock::Limiter:
        return {232, 196, 150}; // dynamics
    case AmpBlock::XOver:
    case AmpBlock::Eq:
        return {160, 196, 232}; // equalisers and filters
    case AmpBlock::MDelay:
        return {170, 214, 170}; // delays
    case AmpBlock::Gain:
        return {208, 208, 208}; // gains
    }
    return Qt::lightGray;
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

QString AmpDiagram::buttonName(const Button& button) {
    const std::string_view name = ampBlockName(button.block);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())) +
           (button.channel == 1 ? QStringLiteral(" B") : QStringLiteral(" A"));
}

void AmpDiagram::paint(QPainter& painter, const AmpUnit& unit, std::optional<Button> hovered,
                       std::optional<Button> pressed) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor line = painter.pen().color();
    QFont nameFont = painter.font();
    nameFont.setPixelSize(11);
    nameFont.setBold(true);
    QFont summaryFont = nameFont;
    summaryFont.setBold(false);
    summaryFont.setPixelSize(10);

    for (int channel = 0; channel < 2; ++channel) {
        const double middle = kRowTop[channel] + kBlockHeight / 2;
        const QString label = channel == 0 ? QStringLiteral("A") : QStringLiteral("B");
        // The signal line runs under the blocks, from the input to the output terminal.
        painter.setPen(QPen(line, 2));
        painter.drawLine(QPointF(34, middle), QPointF(kCanvasWidth - 34, middle));
        painter.setFont(nameFont);
        for (double x : {8.0, kCanvasWidth - 32}) {
            const QRectF terminal(x, middle - 12, 24, 24);
            painter.setBrush(painter.background());
            painter.drawEllipse(terminal);
            painter.drawText(terminal, Qt::AlignCenter, label);
        }

        for (AmpBlock block : ampBlocksInSignalOrder()) {
            const Button button{block, channel};
            QRectF box = blockRect(block, channel);
            const bool isPressed = pressed && *pressed == button;
            if (isPressed) {
                box.translate(1, 1);
            }
            QColor fill = blockColour(block);
            if (hovered && *hovered == button) {
                fill = fill.lighter(112);
            }
            if (isBypassed(unit, block, channel)) {
                fill = fill.darker(125);
            }
            painter.setPen(QPen(line, isPressed ? 2.5 : 1.2));
            painter.setBrush(fill);
            painter.drawRoundedRect(box, 8, 8);
            painter.setPen(Qt::black);
            painter.setFont(nameFont);
            const std::string_view name = ampBlockName(block);
            painter.drawText(box.adjusted(2, 6, -2, 0), Qt::AlignHCenter | Qt::AlignTop,
                             QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
            painter.setFont(summaryFont);
            painter.drawText(box.adjusted(2, 28, -2, -4),
                             Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap,
                             summary(unit, block, channel));
        }
    }

    // Ganging: one bracket joining the two rows on the left says the channels are edited together.
    painter.setPen(QPen(line, 1));
    painter.setFont(summaryFont);
    const QString ganging =
        unit.live.ganging() != 0 ? QStringLiteral("Ganging: A+B") : QStringLiteral("Ganging: off");
    painter.drawText(QRectF(kFirstBlockX, kRowTop[0] + kBlockHeight + 8, 200, 20),
                     Qt::AlignLeft | Qt::AlignVCenter, ganging);
    painter.restore();
}

} // namespace kelo::gui
