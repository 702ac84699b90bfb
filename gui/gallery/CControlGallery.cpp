#include "gui/gallery/CControlGallery.h"

#include "core/scales/CompositeText.h"
#include "gui/controls/CBlinkIndicator.h"
#include "gui/controls/CFader.h"
#include "gui/controls/CHumGraph.h"
#include "gui/controls/CLedMeter.h"
#include "gui/controls/CResponseGraph.h"
#include "gui/controls/CTransferGraph.h"
#include "gui/gallery/DemoBlock.h"
#include "gui/panels/CCrossoverPanel.h"
#include "gui/panels/CDelayPanel.h"
#include "gui/panels/CEqBandRow.h"
#include "gui/panels/CHumPanel.h"
#include "gui/panels/CLimiterPanel.h"
#include "gui/panels/CMultiCompPanel.h"
#include "gui/panels/CNoiseGatePanel.h"
#include "gui/panels/CPairedDelayPanel.h"
#include "gui/panels/CTemperaturePanel.h"

#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kelo::gui {

namespace {

// A level that rises and falls over about three seconds, so that the meters show every state.
int demoLevel(int phase) {
    const qint64 step = (QDateTime::currentMSecsSinceEpoch() / 250 + phase) % 10;
    return static_cast<int>(step <= 5 ? step : 10 - step);
}

QGroupBox* section(const QString& title, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    QFont font = box->font();
    font.setBold(true);
    box->setFont(font);
    return box;
}

// A panel in a titled frame, as a page places it.
QGroupBox* framed(const QString& title, QWidget* panel, QWidget* parent) {
    auto* frame = new QGroupBox(title, parent);
    (new QVBoxLayout(frame))->addWidget(panel);
    return frame;
}

} // namespace

CControlGallery::CControlGallery(QWidget* parent) : QScrollArea(parent) {
    setWindowTitle(tr("Kelo Editor - Control Gallery"));
    auto* page = new QWidget(this);
    auto* column = new QVBoxLayout(page);
    m_status = new QLabel(tr("Try any control: each edit is shown here as the setter call it makes."), page);
    m_status->setObjectName(QStringLiteral("galleryStatusLabel"));
    m_status->setFrameShape(QFrame::StyledPanel);
    column->addWidget(m_status);
    auto* top = new QHBoxLayout;
    top->addWidget(buildEqualiser());
    top->addWidget(buildLevels());
    column->addLayout(top);
    column->addWidget(buildDynamics());
    column->addWidget(buildDelays());
    column->addStretch();
    setWidget(page);
    setWidgetResizable(true);
    resize(1280, 900);
}

CControlGallery::~CControlGallery() = default;

QString CControlGallery::lastEdit() const {
    return m_status->text();
}

DemoBlock* CControlGallery::block(const QString& name, const QStringList& fields, std::vector<int> values) {
    m_blocks.push_back(std::make_unique<DemoBlock>(name, fields, std::move(values)));
    DemoBlock* created = m_blocks.back().get();
    created->setReporter([this](const QString& line) { m_status->setText(line); });
    return created;
}

void CControlGallery::showChannel() {
    const CrossoverSection crossover{
        static_cast<std::uint32_t>(m_crossover->value(CCrossoverPanel::LowPassType)),
        static_cast<std::uint32_t>(m_crossover->value(CCrossoverPanel::LowPassFrequency)),
        static_cast<std::uint32_t>(m_crossover->value(CCrossoverPanel::Phase)),
        static_cast<std::uint32_t>(m_crossover->value(CCrossoverPanel::HighPassType)),
        static_cast<std::uint32_t>(m_crossover->value(CCrossoverPanel::HighPassFrequency))};
    std::vector<EqBand> bands;
    for (DemoBlock* band : m_bands) {
        bands.push_back(EqBand{static_cast<std::uint32_t>(band->value(CEqBandRow::Type)),
                               static_cast<std::uint32_t>(band->value(CEqBandRow::Frequency)),
                               static_cast<std::uint32_t>(band->value(CEqBandRow::Bandwidth)),
                               static_cast<std::uint32_t>(band->value(CEqBandRow::Gain)),
                               static_cast<std::uint32_t>(band->value(CEqBandRow::Flat))});
    }
    m_graph->setChannel(crossover, bands);
    for (std::size_t b = 0; b < m_rows.size(); ++b) {
        m_rows[b]->setBorrowed(isBandBorrowed(static_cast<int>(b), static_cast<int>(m_rows.size()),
                                              crossover.lowPassType, crossover.highPassType));
    }
}

QWidget* CControlGallery::buildEqualiser() {
    auto* box = section(tr("Output 1: response graph, EQ bands and crossover"), this);
    auto* column = new QVBoxLayout(box);
    m_graph = new CResponseGraph(box);
    m_graph->setObjectName(QStringLiteral("responseGraph"));
    m_graph->setFixedSize(490, 169);
    column->addWidget(m_graph);
    column->addWidget(CEqBandRow::createHeader(box));
    const QStringList bandFields{tr("Type"), tr("Freq"), tr("Band"), tr("Gain"), tr("Flat")};
    const std::vector<std::vector<int>> starts{
        {0, 60, 19, 36, 0}, {2, 100, 9, 24, 0}, {2, 130, 19, 38, 0}, {9, 160, 5, 30, 0}, {4, 185, 19, 26, 0}};
    for (int b = 0; b < 5; ++b) {
        m_bands.push_back(
            block(tr("EQ band %1").arg(b + 1), bandFields, starts[static_cast<std::size_t>(b)]));
        auto* row = new CEqBandRow(b + 1, box);
        row->setBinding(m_bands.back());
        m_rows.push_back(row);
        column->addWidget(row);
        connect(row, &CBlockPanel::changed, this, &CControlGallery::showChannel);
    }
    m_crossover = block(
        tr("Crossover"),
        {tr("Low-Pass type"), tr("Low-Pass freq"), tr("Phase"), tr("High-Pass type"), tr("High-Pass freq")},
        {7, 190, 0, 2, 20});
    auto* crossover = new CCrossoverPanel(box);
    crossover->setBinding(m_crossover);
    column->addWidget(crossover);
    connect(crossover, &CBlockPanel::changed, this, &CControlGallery::showChannel);

    connect(m_graph, &CResponseGraph::bandGrabbed, this,
            [this](int band) { m_rows[std::size_t(band)]->setHighlighted(true); });
    connect(m_graph, &CResponseGraph::bandMoved, this, [this](int band, int frequency, int gain) {
        m_bands[std::size_t(band)]->setValue(CEqBandRow::Frequency, frequency);
        m_bands[std::size_t(band)]->setValue(CEqBandRow::Gain, gain);
        m_rows[std::size_t(band)]->refresh();
    });
    connect(m_graph, &CResponseGraph::bandReleased, this,
            [this](int band) { m_rows[std::size_t(band)]->setHighlighted(false); });
    showChannel();
    return box;
}

QWidget* CControlGallery::buildLevels() {
    auto* box = section(tr("Faders, meters and indicator"), this);
    auto* row = new QHBoxLayout(box);
    const auto fader = [this, box, row](FaderKind kind, const QString& name, int index) {
        DemoBlock* values = block(name, {tr("Gain"), tr("Mute"), tr("Polarity")}, {index, 0, 0});
        auto* created = new CFader(kind, box);
        created->setIndex(index);
        connect(created, &CFader::indexChanged, this, [values](int i) { values->setValue(0, i); });
        connect(created, &CFader::muteToggled, this, [values](bool on) { values->setValue(1, on ? 1 : 0); });
        connect(created, &CFader::polarityToggled, this,
                [values](bool on) { values->setValue(2, on ? 1 : 0); });
        row->addWidget(created);
    };
    fader(FaderKind::ProcessorInput, tr("Input A level"), 60);
    fader(FaderKind::ProcessorOutput, tr("Output 1 gain"), 48);
    fader(FaderKind::AmpLevel, tr("Amplifier level A"), 99);

    auto* meters = new QGridLayout;
    const auto meter = [box, meters](MeterKind kind, bool enabled, int phase, int column,
                                     const QString& caption) {
        auto* created = new CLedMeter(kind, box);
        created->setLevelSource([phase] { return demoLevel(phase); });
        created->setMeteringEnabled(enabled);
        meters->addWidget(new QLabel(caption, box), 0, column);
        meters->addWidget(created, 1, column, Qt::AlignTop);
    };
    meter(MeterKind::Input, true, 0, 0, tr("Input"));
    meter(MeterKind::LimiterClip, true, 3, 1, tr("Limiter"));
    meter(MeterKind::GainReduction, true, 6, 2, QString());
    meter(MeterKind::Input, false, 0, 3, tr("Disabled"));
    auto* blink = new CBlinkIndicator(box);
    blink->startBlinking(500);
    auto* steady = new CBlinkIndicator(box);
    steady->setState(2);
    meters->addWidget(new QLabel(tr("Indicator"), box), 2, 0, 1, 2);
    meters->addWidget(blink, 3, 0);
    meters->addWidget(steady, 3, 1);
    meters->setRowStretch(4, 1);
    row->addLayout(meters);
    return box;
}

QWidget* CControlGallery::buildDynamics() {
    auto* box = section(tr("Dynamics: hum canceller, noise gate, limiter and two-band compressor"), this);
    auto* grid = new QGridLayout(box);

    auto* humGraph = new CHumGraph(box);
    humGraph->setFixedSize(390, 169);
    auto* hum = new CHumPanel(box);
    DemoBlock* humValues =
        block(tr("Hum Cancel A"), {tr("Freq"), tr("Attack"), tr("Threshold"), tr("Release"), tr("By-Pass")},
              {100, 1, 30, 49, 0});
    hum->setBinding(humValues);
    const auto showHum = [humGraph, humValues] {
        humGraph->setValues(humValues->value(CHumPanel::Frequency), humValues->value(CHumPanel::Threshold));
    };
    connect(hum, &CBlockPanel::changed, this, showHum);
    showHum();
    grid->addWidget(framed(tr("Hum Cancel"), hum, box), 0, 0);
    grid->addWidget(humGraph, 1, 0);

    auto* gateGraph = new CGateGraph(box);
    gateGraph->setFixedSize(200, 200);
    auto* gate = new CNoiseGatePanel(box);
    gate->attachGraph(gateGraph);
    gate->setBinding(block(tr("Noise Gate A"),
                           {tr("Threshold"), tr("Attack"), tr("Range"), tr("Release"), tr("By-Pass")},
                           {30, 1, 40, 49, 0}));
    grid->addWidget(framed(tr("Noise Gate"), gate, box), 0, 1);
    grid->addWidget(gateGraph, 1, 1, Qt::AlignHCenter);

    auto* limiter = new CLimiterPanel(LimiterKind::Limiter, false, false, box);
    limiter->setBinding(
        block(tr("Output 1 limiter"), {tr("Threshold"), tr("Speed"), tr("Ratio")}, {172, 1, 8}));
    limiter->meter()->setLevelSource([] { return demoLevel(2); });
    limiter->meter()->setMeteringEnabled(true);
    auto* compressor = new CLimiterPanel(LimiterKind::Compressor, true, true, box);
    compressor->setBinding(
        block(tr("Comp/Limit A"), {tr("Threshold"), tr("Speed"), tr("Ratio")}, {80, 2, 4}));
    compressor->meter()->setLevelSource([] { return demoLevel(4); });
    compressor->meter()->setMeteringEnabled(true);
    compressor->gainReductionMeter()->setLevelSource([] { return demoLevel(7); });
    compressor->gainReductionMeter()->setMeteringEnabled(true);
    auto* limiters = new QVBoxLayout;
    limiters->addWidget(limiter);
    limiters->addWidget(compressor);
    grid->addLayout(limiters, 0, 2, 2, 1);

    auto* multi = new CMultiCompPanel(box);
    DemoBlock* multiValues =
        block(tr("Multi Comp A"),
              {tr("High freq"), tr("High attack"), tr("High release"), tr("High ratio"), tr("High threshold"),
               tr("High gain"), tr("Low freq"), tr("Low attack"), tr("Low release"), tr("Low ratio"),
               tr("Low threshold"), tr("Low gain"), tr("Mid Gain"), tr("By-Pass")},
              {10, 0, 20, 6, 40, 36, 8, 10, 40, 8, 30, 40, 36, 0});
    multi->setBinding(multiValues);
    auto* highGraph = new CCompressorGraph(box);
    auto* lowGraph = new CCompressorGraph(box);
    const auto showBand = [multiValues, highGraph, lowGraph](CompressorBand band) {
        if (band == CompressorBand::High) {
            highGraph->setValues(multiValues->value(CMultiCompPanel::HighThreshold),
                                 multiValues->value(CMultiCompPanel::HighRatio));
        } else {
            lowGraph->setValues(multiValues->value(CMultiCompPanel::LowThreshold),
                                multiValues->value(CMultiCompPanel::LowRatio));
        }
    };
    connect(multi, &CMultiCompPanel::bandGraphChanged, this, showBand);
    showBand(CompressorBand::High);
    showBand(CompressorBand::Low);
    auto* graphs = new QHBoxLayout;
    for (auto [graph, title] : {std::pair{highGraph, tr("High")}, std::pair{lowGraph, tr("Low")}}) {
        auto* frame = new QGroupBox(title, box);
        graph->setFixedSize(200, 200);
        (new QVBoxLayout(frame))->addWidget(graph);
        graphs->addWidget(frame);
    }
    grid->addWidget(multi, 2, 0, 1, 2);
    grid->addLayout(graphs, 2, 2);
    return box;
}

QWidget* CControlGallery::buildDelays() {
    auto* box = section(tr("Delays and air temperature"), this);
    auto* row = new QHBoxLayout(box);
    DemoBlock* temperature = block(tr("Temperature"), {tr("Temperature"), tr("Unit")}, {50, 0});
    auto* single = new CDelayPanel(box);
    single->setMaximumDistance(900000);
    auto* paired = new CPairedDelayPanel(box);
    paired->setMaximumDistance(65535);
    // The delays read the temperature of the demo unit, as they would read the unit record's.
    const auto delayBlock = [this, temperature](const QString& name, const QStringList& fields,
                                                std::vector<int> values) {
        DemoBlock* created = block(name, fields, std::move(values));
        const int temperatureField = fields.size() - 1;
        auto* reader = new FunctionBinding(
            [created, temperature, temperatureField](int field) {
                return field == temperatureField ? temperature->value(0) : created->value(field);
            },
            [created](int field, int index) { created->setValue(field, index); });
        m_readers.emplace_back(reader);
        return reader;
    };
    single->setBinding(
        delayBlock(tr("Input A delay"), {tr("Distance"), tr("Unit"), tr("Temperature")}, {1000, 0, 50}));
    paired->setBinding(delayBlock(tr("Outputs 1 and 2 delay"),
                                  {tr("Output 1"), tr("Output 2"), tr("Unit"), tr("Temperature")},
                                  {1200, 3400, 3, 50}));
    auto* thermometer = new CTemperaturePanel(box);
    thermometer->setBinding(temperature);
    connect(thermometer, &CBlockPanel::changed, single, &CBlockPanel::refresh);
    connect(thermometer, &CBlockPanel::changed, paired, &CBlockPanel::refresh);
    row->addWidget(single);
    row->addWidget(paired, 1);
    row->addWidget(thermometer);
    return box;
}

} // namespace kelo::gui
