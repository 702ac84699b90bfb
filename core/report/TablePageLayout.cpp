#include "core/report/PageParts.h"
#include "core/report/ReportTable.h"

#include <array>
#include <span>
#include <string>

namespace kelo::report {

namespace {

constexpr std::array<const char*, 4> kBandRows{"Freq", "Gain", "Band", "Type"};

/// A header row "EQ n" over the four band rows, in a table whose column 0 holds the captions.
void addEqRows(ReportTable& table, int headerRow, std::span<const EqBandText> bands, int firstBandNumber) {
    table.cell(headerRow, 0, 4, "", TextAlign::Center, CellBrush::Header);
    for (std::size_t b = 0; b < bands.size(); ++b) {
        const int from = 4 * static_cast<int>(b + 1);
        table.cell(headerRow, from, from + 4, "EQ " + std::to_string(firstBandNumber + static_cast<int>(b)),
                   TextAlign::Center, CellBrush::Header);
    }
    for (std::size_t r = 0; r < kBandRows.size(); ++r) {
        const int row = headerRow + 1 + static_cast<int>(r);
        table.cell(row, 0, 4, kBandRows[r], TextAlign::Center, CellBrush::Header);
        for (std::size_t b = 0; b < bands.size(); ++b) {
            const EqBandText& band = bands[b];
            const std::array<const std::string*, 4> values{&band.frequency, &band.gain, &band.bandwidth,
                                                           &band.type};
            const int from = 4 * static_cast<int>(b + 1);
            table.cell(row, from, from + 4, *values[r], TextAlign::Center);
        }
    }
}

/// A narrow two-column table: its name across the top row, then one caption and value per row. The
/// captions take five eighths of the width, since they are longer than the values.
void addBlockTable(PageLayout& page, PageRect rect, const std::string& name,
                   std::span<const std::string_view> captions, std::span<const std::string> values) {
    const int rows = static_cast<int>(captions.size()) + 1;
    ReportTable table(rect, 2, rows);
    table.cell(0, 0, 8, name, TextAlign::Center, CellBrush::Title);
    for (int row = 0; row < rows; ++row) {
        table.ownDividers(row);
    }
    for (std::size_t i = 0; i < captions.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        table.cell(row, 0, 5, std::string(captions[i]), TextAlign::Center, CellBrush::Header);
        table.cell(row, 5, 8, i < values.size() ? values[i] : std::string(), TextAlign::Center);
    }
    table.addTo(page);
}

constexpr std::array<std::string_view, 5> kGateCaptions{"Threshold", "Range", "Attack", "Release", "Plug-In"};
constexpr std::array<std::string_view, 5> kHumCaptions{"Freq", "Threshold", "Attack", "Release", "Plug-In"};

void addGateTable(PageLayout& page, PageRect rect, const std::string& name, const GateText& gate) {
    const std::array<std::string, 5> values{gate.threshold, gate.range, gate.attack, gate.release,
                                            gate.plugIn};
    addBlockTable(page, rect, name, kGateCaptions, values);
}

const char* channelLetter(std::size_t channel) {
    return channel == 0 ? "A" : "B";
}

} // namespace

void addProcessorTables(PageLayout& page, const ProcessorReportText& text, const PageGeometry& geometry) {
    const int w = geometry.width;
    const int r = geometry.rowBand();
    const int g = geometry.gap();
    const int t = geometry.top();
    const int inputHeight = 6 * r / 7;

    for (std::size_t i = 0; i < 2; ++i) {
        const int y = t + static_cast<int>(i) * (inputHeight + g);
        ReportTable input(PageRect{0, y, 8 * w / 10, inputHeight}, 6, 6);
        input.cell(0, 0, 4, std::string("Input ") + channelLetter(i), TextAlign::Center, CellBrush::Title);
        input.pair(0, 6, 8, 10, "Gain:", text.inputGains[i]);
        input.pair(0, 14, 16, 18, "Delay:", text.inputDelays[i]);
        addEqRows(input, 1, text.inputEq[i], 1);
        input.addTo(page);
        addGateTable(page, PageRect{10 * w / 12, y, w / 6, inputHeight},
                     std::string("Noise Gate ") + channelLetter(i), text.gates[i]);
    }

    ReportTable sum(PageRect{0, t + 12 * r / 7 + 2 * g, w, r / 7}, 6, 1);
    sum.cell(0, 0, 4, "Input Sum", TextAlign::Center, CellBrush::Title);
    sum.pair(0, 14, 16, 18, "Delay:", text.inputDelays[2]);
    sum.addTo(page);

    for (std::size_t o = 0; o < text.outputs.size(); ++o) {
        const ProcessorOutputText& out = text.outputs[o];
        const int y = t + 13 * r / 7 + 3 * g + static_cast<int>(o) * (g + r);
        ReportTable table(PageRect{0, y, w, r}, 6, 7);
        table.ownDividers(0);
        table.ownDividers(1);
        table.cell(0, 0, 4, "Output " + std::to_string(o + 1), TextAlign::Center, CellBrush::Title);
        table.pair(0, 4, 6, 8, "Gain:", out.gain);
        table.pair(0, 8, 10, 12, "Polarity:", out.polarity);
        table.pair(0, 12, 14, 16, "Delay:", out.delay);
        table.pair(0, 16, 18, 24, "High-Pass:", out.highPass);
        table.pair(1, 0, 4, 10, "Low-Pass:", out.lowPass);
        table.pair(1, 10, 12, 14, "Phase:", out.phase);
        table.pair(1, 14, 17, 24, "Comp/Limit:", out.limiter);
        addEqRows(table, 2, out.eq, 1);
        table.addTo(page);
    }
}

void addAmpTables(PageLayout& page, const AmpReportText& text, const PageGeometry& geometry) {
    const int w = geometry.width;
    const int r = geometry.rowBand();
    const int g = geometry.gap();
    const int t = geometry.top();
    const int channelHeight = 12 * r / 7;

    for (std::size_t c = 0; c < text.channels.size(); ++c) {
        const AmpChannelText& ch = text.channels[c];
        const int y = t + static_cast<int>(c) * (channelHeight + g);
        ReportTable table(PageRect{0, y, w, channelHeight}, 6, 12);
        table.ownDividers(0);
        table.ownDividers(1);
        table.cell(0, 0, 4, std::string("Channel ") + channelLetter(c), TextAlign::Center, CellBrush::Title);
        table.pair(0, 4, 6, 8, "Gain:", ch.gain);
        table.pair(0, 8, 10, 12, "Delay:", ch.delay);
        table.pair(0, 12, 14, 16, "Polarity:", ch.polarity);
        table.pair(0, 16, 18, 20, "Phase:", ch.phase);
        table.pair(1, 0, 4, 10, "High-Pass:", ch.highPass);
        table.pair(1, 10, 12, 17, "Low-Pass:", ch.lowPass);
        table.pair(1, 17, 20, 24, "Comp/Limit:", ch.limiter);
        const std::span<const EqBandText> bands(ch.eq);
        addEqRows(table, 2, bands.first(5), 1);
        addEqRows(table, 7, bands.subspan(5), 6);
        table.addTo(page);
    }

    // The channels' blocks side by side below: hum cancellers, noise gates, compressors, A before B.
    const int y = t + 2 * (channelHeight + g);
    const int slot = w / 6;
    const int blockWidth = slot - g;
    const int blockHeight = 6 * r / 7;
    for (std::size_t c = 0; c < 2; ++c) {
        const int offset = static_cast<int>(c) * slot;
        const HumText& hum = text.hum[c];
        const std::array<std::string, 5> humValues{hum.frequency, hum.threshold, hum.attack, hum.release,
                                                   hum.plugIn};
        addBlockTable(page, PageRect{offset, y, blockWidth, blockHeight},
                      std::string("Hum Cancel ") + channelLetter(c), kHumCaptions, humValues);
        addGateTable(page, PageRect{2 * slot + offset, y, blockWidth, blockHeight},
                     std::string("Noise Gate ") + channelLetter(c), text.gates[c]);
        addBlockTable(page, PageRect{4 * slot + offset, y, blockWidth, 15 * r / 7},
                      std::string("Multi Comp ") + channelLetter(c), kMultiCompCaptions, text.multiComp[c]);
    }
}

} // namespace kelo::report
