#include "gui/units/processor/CProcessorView.h"

#include "core/app/PresetLabel.h"
#include "core/units/Unit.h"
#include "core/edit/SheetPages.h"
#include "core/scales/DelayConversion.h"
#include "core/scales/FrequencyScale.h"
#include "core/scales/LevelTextTable.h"
#include "core/scales/RuleScale.h"
#include "core/units/processor/RoutingMode.h"
#include "gui/doc/CSystemDoc.h"
#include "gui/units/processor/CProcessorSheet.h"

#include <QPainter>

namespace kelo::gui {

namespace {

/// The logical canvas: everything below is placed on it and scaled to the window.
constexpr qreal kCanvasWidth = 624;
constexpr qreal kCanvasHeight = 360;
constexpr qreal kBlockWidth = 44;
constexpr qreal kBlockHeight = 36;
/// Input chains: left edges of gain, noise, EQ, delay; rows of A and B.
constexpr std::array<qreal, 4> kInputX{24, 78, 132, 186};
constexpr std::array<qreal, 2> kInputY{34, 262};
constexpr qreal kInputEnd = 230;
/// The input sum: its node and its delay block.
constexpr QPointF kSumNode{246, 166};
constexpr qreal kSumDelayX = 262;
constexpr qreal kSumDelayEnd = kSumDelayX + kBlockWidth;
/// Vertical lines that carry A, the sum and B to the outputs.
constexpr qreal kBusA = 320;
constexpr qreal kBusS = 335;
constexpr qreal kBusB = 350;
/// Output chains: left edges of channel delay, crossover, EQ, gain, limiter; top of output 1's row.
constexpr std::array<qreal, 5> kOutputX{372, 420, 468, 516, 564};
constexpr qreal kOutputTop = 14;
constexpr qreal kOutputPitch = 52;

const QColor kLineA(30, 70, 170);
const QColor kLineB(170, 40, 40);
const QColor kLineS(20, 120, 60);
const QColor kLineIdle(185, 185, 185);

qreal outputCentre(std::size_t output) {
    return kOutputTop + kOutputPitch * static_cast<qreal>(output) + kBlockHeight / 2;
}

qreal inputCentre(std::size_t input) {
    return kInputY[input] + kBlockHeight / 2;
}

/// The source of each output under a routing mode, read from the mode's label ("*A13B24S56*"):
/// 'A', 'B' or 'S', or 0 for an output the label does not name.
std::array<char, 6> outputSources(std::uint32_t mode) {
    std::array<char, 6> sources{};
    char source = 0;
    for (const char c : routingModeLabel(mode)) {
        if (c == 'A' || c == 'B' || c == 'S') {
            source = c;
        } else if (c >= '1' && c <= '6') {
            sources[static_cast<std::size_t>(c - '1')] = source;
        }
    }
    return sources;
}

QString fromStd(const std::string& text) {
    return QString::fromStdString(text);
}

/// A frequency text without its unit, for the crossover summary ("125", "1k00").
QString shortFrequency(std::uint32_t index) {
    QString text = fromStd(FrequencyScale.text(index));
    text.remove(QStringLiteral("Hz"));
    return text;
}

} // namespace

CProcessorView::CProcessorView(Family family, CSystemDoc* document, std::uint32_t unitKey, QWidget* parent)
    : CT48View(document, unitKey, QSizeF(kCanvasWidth, kCanvasHeight), parent), m_family(family) {
    createBlocks();
    refreshBlocks();
}

const ProcessorUnit* CProcessorView::processor() const {
    const Unit* shown = unit();
    return shown != nullptr ? shown->processor() : nullptr;
}

void CProcessorView::createBlocks() {
    const auto ganging = [this] {
        const ProcessorUnit* record = processor();
        return std::pair<bool, bool>(record != nullptr && record->live.inputGanging() != 0,
                                     record != nullptr && record->live.outputGanging() != 0);
    };
    const std::array<QString, 2> inputNames{QStringLiteral("A"), QStringLiteral("B")};
    for (std::size_t input = 0; input < 2; ++input) {
        const QString prefix = QStringLiteral("input") + inputNames[input];
        const qreal y = kInputY[input];
        const auto place = [y](std::size_t column) {
            return QRectF(kInputX[column], y, kBlockWidth, kBlockHeight);
        };
        m_inputBlocks[input][0] =
            addBlock(prefix + QStringLiteral("Gain"), BlockKind::Gain, tr("Gain"), place(0), 0);
        m_inputBlocks[input][1] =
            addBlock(prefix + QStringLiteral("Noise"), BlockKind::Dynamics, tr("Noise"), place(1), 1);
        m_inputBlocks[input][2] =
            addBlock(prefix + QStringLiteral("Eq"), BlockKind::Filter, tr("Eq"), place(2), [input, ganging] {
                const auto [in, out] = ganging();
                return static_cast<int>(processorStartPage(ProcessorBlock::InputEq, input, in, out));
            });
        m_inputBlocks[input][3] = addBlock(prefix + QStringLiteral("Delay"), BlockKind::Delay,
                                           inputNames[input] + QStringLiteral("-Delay"), place(3), 3);
    }
    m_sumDelay = addBlock(QStringLiteral("sumDelay"), BlockKind::Delay, QStringLiteral("M-Delay"),
                          QRectF(kSumDelayX, kSumNode.y() - kBlockHeight / 2, kBlockWidth, kBlockHeight), 3);

    const std::array<QString, 5> names{QStringLiteral("Ch-Delay"), QStringLiteral("XOver"),
                                       QStringLiteral("Eq"), QStringLiteral("Gain"),
                                       QStringLiteral("Limiter")};
    const std::array<QString, 5> keys{QStringLiteral("Delay"), QStringLiteral("XOver"), QStringLiteral("Eq"),
                                      QStringLiteral("Gain"), QStringLiteral("Limiter")};
    const std::array<BlockKind, 5> kinds{BlockKind::Delay, BlockKind::Filter, BlockKind::Filter,
                                         BlockKind::Gain, BlockKind::Dynamics};
    const std::array<ProcessorBlock, 5> roles{ProcessorBlock::OutputDelay, ProcessorBlock::OutputCrossover,
                                              ProcessorBlock::OutputEq, ProcessorBlock::OutputGain,
                                              ProcessorBlock::OutputLimiter};
    for (std::size_t output = 0; output < 6; ++output) {
        for (std::size_t column = 0; column < 5; ++column) {
            const QRectF place(kOutputX[column], kOutputTop + kOutputPitch * static_cast<qreal>(output),
                               kBlockWidth, kBlockHeight);
            const ProcessorBlock role = roles[column];
            m_outputBlocks[output][column] =
                addBlock(QStringLiteral("output%1%2").arg(keys[column]).arg(output + 1), kinds[column],
                         names[column], place, [output, role, ganging] {
                             const auto [in, out] = ganging();
                             return static_cast<int>(processorStartPage(role, output, in, out));
                         });
        }
    }
}

CBlockButton* CProcessorView::block(const QString& objectName) const {
    return findChild<CBlockButton*>(objectName, Qt::FindDirectChildrenOnly);
}

QString CProcessorView::routingText() const {
    const ProcessorUnit* record = processor();
    if (record == nullptr) {
        return {};
    }
    const std::string_view label = routingModeLabel(record->live.routingMode);
    return QString::fromLatin1(label.data(), static_cast<qsizetype>(label.size()));
}

QString CProcessorView::caption() const {
    const Unit* shown = unit();
    const ProcessorUnit* record = processor();
    if (shown == nullptr || record == nullptr) {
        return {};
    }
    const QString preset = fromStd(presetLabel(m_family, shown->currentProgram(), record->live.name));
    const QString name = QString::fromStdU16String(shown->name());
    // The Plus family's caption carries no identifier.
    if (m_family == Family::Tz48P) {
        return QStringLiteral("%1  -  Preset: %2").arg(name, preset);
    }
    return QStringLiteral("%1 < ID:%2 >  -  Preset: %3").arg(name).arg(shown->busId() + 1).arg(preset);
}

void CProcessorView::refreshBlocks() {
    const ProcessorUnit* record = processor();
    if (record == nullptr) {
        return;
    }
    const LiveParams& live = record->live;
    const DisabledButtons disabled = disabledButtons(live.routingMode);
    for (std::size_t input = 0; input < 2; ++input) {
        const InputChannel& channel = live.inputs[input];
        const bool enabled = input == 0 || !disabled.inputB;
        for (CBlockButton* button : m_inputBlocks[input]) {
            button->setEnabled(enabled);
        }
        m_inputBlocks[input][0]->setSummary(fromStd(ProcessorGainScale.text(channel.gain)));
        const bool bypassed = live.gateBypass[input] != 0;
        m_inputBlocks[input][1]->setSummary(
            bypassed ? QStringLiteral("BYP") : fromStd(GateThresholdScale.text(live.gates[input].threshold)));
        m_inputBlocks[input][3]->setSummary(
            fromStd(DelayText(channel.delayMm, live.inputDelayUnit(), live.temperature())));
    }
    m_sumDelay->setEnabled(!disabled.sumDelay);
    m_sumDelay->setSummary(fromStd(DelayText(live.sumDelayMm, live.inputDelayUnit(), live.temperature())));
    for (std::size_t output = 0; output < 6; ++output) {
        const OutputChannel& channel = live.outputs[output];
        const auto& blocks = m_outputBlocks[output];
        blocks[0]->setSummary(
            fromStd(DelayText(channel.delayMm, live.outputDelayUnit(), live.temperature())));
        const QString highPass = channel.crossover.highPassType == 0
                                     ? QStringLiteral("-")
                                     : shortFrequency(channel.crossover.highPassFrequency);
        const QString lowPass = channel.crossover.lowPassType == 0
                                    ? QStringLiteral("-")
                                    : shortFrequency(channel.crossover.lowPassFrequency);
        blocks[1]->setSummary(highPass + QLatin1Char('/') + lowPass);
        const bool muted = live.outputMute(output) != 0;
        blocks[3]->setSummary(muted ? QStringLiteral("M") : fromStd(ProcessorGainScale.text(channel.gain)));
        blocks[3]->setAlert(muted);
        blocks[4]->setSummary(fromStd(LevelTextTable.text(channel.limiter.threshold)));
    }
}

void CProcessorView::paintDiagram(QPainter& painter) {
    const ProcessorUnit* record = processor();
    if (record == nullptr) {
        return;
    }
    const LiveParams& live = record->live;
    const std::array<char, 6> sources = outputSources(live.routingMode);
    const auto feeds = [&sources](char source) {
        return std::any_of(sources.begin(), sources.end(), [source](char s) { return s == source; });
    };
    const bool sumUsed = feeds('S');
    const bool bUsed = feeds('B');
    const auto pen = [](const QColor& colour) { return QPen(colour, 1.6, Qt::SolidLine, Qt::RoundCap); };
    const auto dot = [&painter](const QPointF& at, const QColor& colour) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawEllipse(at, 2.8, 2.8);
    };

    // Input chains: the line through each chain and on to its bus.
    for (std::size_t input = 0; input < 2; ++input) {
        const bool used = input == 0 || bUsed;
        const QColor colour = !used ? kLineIdle : input == 0 ? kLineA : kLineB;
        const qreal y = inputCentre(input);
        painter.setPen(pen(colour));
        painter.drawLine(QPointF(10, y), QPointF(kInputX[0], y));
        for (std::size_t column = 0; column + 1 < kInputX.size(); ++column) {
            painter.drawLine(QPointF(kInputX[column] + kBlockWidth, y), QPointF(kInputX[column + 1], y));
        }
        painter.drawLine(QPointF(kInputEnd, y),
                         QPointF(used ? (input == 0 ? kBusA : kBusB) : kSumNode.x(), y));
        // The sum taps both inputs after their chains.
        painter.setPen(pen(sumUsed ? kLineS : kLineIdle));
        const qreal toward = input == 0 ? kSumNode.y() - 8 : kSumNode.y() + 8;
        painter.drawLine(QPointF(kSumNode.x(), y), QPointF(kSumNode.x(), toward));
        dot(QPointF(kSumNode.x(), y), sumUsed ? kLineS : kLineIdle);
    }
    // The sum node and the line through its delay to its bus.
    painter.setPen(pen(sumUsed ? kLineS : kLineIdle));
    painter.setBrush(QColor(250, 250, 246));
    painter.drawEllipse(kSumNode, 8, 8);
    painter.setFont(QFont(painter.font().family(), 8, QFont::Bold));
    painter.drawText(QRectF(kSumNode.x() - 8, kSumNode.y() - 8, 16, 16), Qt::AlignCenter,
                     QStringLiteral("S"));
    painter.drawLine(QPointF(kSumNode.x() + 8, kSumNode.y()), QPointF(kSumDelayX, kSumNode.y()));
    if (sumUsed) {
        painter.drawLine(QPointF(kSumDelayEnd, kSumNode.y()), QPointF(kBusS, kSumNode.y()));
    }

    // Buses: a vertical line from the source to the outputs it feeds, and a branch into each.
    struct Bus {
        char source;
        qreal x;
        qreal fromY;
        QColor colour;
    };
    const std::array<Bus, 3> buses{Bus{'A', kBusA, inputCentre(0), kLineA},
                                   Bus{'S', kBusS, kSumNode.y(), kLineS},
                                   Bus{'B', kBusB, inputCentre(1), kLineB}};
    for (const Bus& bus : buses) {
        qreal top = bus.fromY;
        qreal bottom = bus.fromY;
        bool any = false;
        for (std::size_t output = 0; output < 6; ++output) {
            if (sources[output] == bus.source) {
                top = std::min(top, outputCentre(output));
                bottom = std::max(bottom, outputCentre(output));
                any = true;
            }
        }
        if (!any) {
            continue;
        }
        painter.setPen(pen(bus.colour));
        painter.drawLine(QPointF(bus.x, top), QPointF(bus.x, bottom));
        dot(QPointF(bus.x, bus.fromY), bus.colour);
        for (std::size_t output = 0; output < 6; ++output) {
            if (sources[output] == bus.source) {
                painter.setPen(pen(bus.colour));
                painter.drawLine(QPointF(bus.x, outputCentre(output)),
                                 QPointF(kOutputX[0], outputCentre(output)));
                dot(QPointF(bus.x, outputCentre(output)), bus.colour);
            }
        }
    }

    // Output chains and their numbers.
    QFont labelFont = painter.font();
    labelFont.setPointSizeF(9);
    labelFont.setBold(true);
    for (std::size_t output = 0; output < 6; ++output) {
        const qreal y = outputCentre(output);
        painter.setPen(pen(QColor(90, 90, 90)));
        for (std::size_t column = 0; column + 1 < kOutputX.size(); ++column) {
            painter.drawLine(QPointF(kOutputX[column] + kBlockWidth, y), QPointF(kOutputX[column + 1], y));
        }
        painter.setFont(labelFont);
        painter.setPen(QColor(40, 40, 40));
        painter.drawText(QRectF(kOutputX[4] + kBlockWidth + 2, y - 10, 14, 20), Qt::AlignCenter,
                         QString::number(output + 1));
    }
    painter.drawText(QRectF(2, inputCentre(0) - 10, 18, 20), Qt::AlignCenter, QStringLiteral("A"));
    painter.setPen(bUsed ? QColor(40, 40, 40) : kLineIdle);
    painter.drawText(QRectF(2, inputCentre(1) - 10, 18, 20), Qt::AlignCenter, QStringLiteral("B"));

    // The mode's label under the diagram.
    QFont modeFont = painter.font();
    modeFont.setPointSizeF(12);
    modeFont.setBold(true);
    painter.setFont(modeFont);
    painter.setPen(QColor(30, 30, 30));
    painter.drawText(QRectF(0, kCanvasHeight - 34, kCanvasWidth, 30), Qt::AlignCenter, routingText());
}

CUnitSheet* CProcessorView::createSheet(int startPage) {
    return new CProcessorSheet(m_family, document(), unitKey(), startPage);
}

} // namespace kelo::gui
