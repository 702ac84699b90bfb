#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace kelo {

/// What an amplifier sheet page edits.
enum class AmpPageKind { HumCanc, Gate, MComp, Delay, Ch, GainComp, Global };

/// One page of the amplifier's edit sheet.
struct AmpPageEntry {
    AmpPageKind kind;
    int channel;           ///< 0 = A, 1 = B; -1 for the pages of the whole unit
    bool mirrorsToPartner; ///< a ganged page edits A and writes every change to B too
    std::string_view title;
};

/// The blocks of the amplifier's block diagram; each opens the sheet on the page that edits it.
enum class AmpBlock { Hum, Noise, MultiComp, MDelay, XOver, Eq, Gain, Limiter };

inline constexpr std::size_t kAmpBlockCount = 8;

/// Button text of a block ("Hum", "Noise", "Multi-Comp", "M-Delay", "XOver", "Eq", "Gain", "Limiter").
std::string_view ampBlockName(AmpBlock block);

/// The blocks in the order the signal meets them, left to right.
const std::vector<AmpBlock>& ampBlocksInSignalOrder();

/// The sheet's pages in order, chosen by AmpGanging when the sheet is built: one page per channel for
/// the hum canceller, gate, compressor and channel pages, or one "A+B" page each while ganged.
std::vector<AmpPageEntry> ampSheetPages(bool ganged);

/// Index, in the page list for this ganging state, of the page that a block button of channel
/// (0 = A, 1 = B) opens. Channel B's buttons open channel A's page while ganged; a channel outside 0..1
/// counts as A.
std::size_t ampStartPage(bool ganged, AmpBlock block, int channel);

} // namespace kelo
