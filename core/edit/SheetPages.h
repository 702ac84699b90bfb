#pragma once

#include "core/app/CGeneralSettings.h"
#include "core/family/Family.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kelo {

/// What a page of a unit's edit sheet shows.
enum class PageKind { Gain, NoiseGate, Limiter, Delay, Input, Output, Global };

/// One page of an edit sheet: what it shows, its title, and the channels it edits.
struct SheetPage {
    PageKind kind = PageKind::Gain;
    std::string title;
    /// Input pages: input 0 (A) or 1 (B); output pages: output 0..5 (the first of a ganged pair).
    std::size_t channel = 0;
    /// True when the page edits a ganged pair ("Input A + B", "Output 3 + 4").
    bool pair = false;
    /// Help context of the page: 0x20000 + the page's dialog number.
    unsigned helpContext = 0;
};

/// The pages of a processor unit's sheet, in order. The ganging flags are read when the sheet is built:
/// 13 pages without ganging, 12 with the inputs ganged, 10 with the outputs ganged, 9 with both.
/// The two processor families differ only in the limiter page's title ("Limiter" / "Comp/Limit").
std::vector<SheetPage> processorSheetPages(Family family, bool inputGanging, bool outputGanging);

/// The pages of an amplifier unit's sheet; the amplifier's windows fill this in.
std::vector<SheetPage> ampSheetPages(bool ganging);

/// The blocks of a processor unit's block diagram that carry a button.
enum class ProcessorBlock {
    InputGain,
    InputNoise,
    InputEq,
    InputDelay,
    SumDelay,
    OutputDelay,
    OutputCrossover,
    OutputEq,
    OutputGain,
    OutputLimiter
};

/// The page a block's button opens the sheet on.
/// @param channel input 0..1 for input blocks, output 0..5 for output blocks; ignored for the sum
std::size_t processorStartPage(ProcessorBlock block, std::size_t channel, bool inputGanging,
                               bool outputGanging);

/// Which buttons of the block diagram the routing mode leaves without a source.
struct DisabledButtons {
    bool sumDelay = false; ///< "M-Delay"
    bool inputB = false;   ///< every button of input B
};
DisabledButtons disabledButtons(std::uint32_t routingMode);

/// What an edit lock can take away, by group of controls.
enum class ControlGroup {
    InputFader,    ///< input gain strips (Gain page, input pages)
    InputDelay,    ///< input A, B and sum delay panels (Delay page, input pages)
    InputEq,       ///< equaliser bands of the input pages
    NoiseGate,     ///< both noise gate panels
    OutputFader,   ///< output strips with mute and polarity (Gain page, output pages)
    OutputDelay,   ///< output delay panels
    OutputFilters, ///< crossover and equaliser panels of the output pages
    Limiter,       ///< every limiter panel
    DelayUnits,    ///< the delay display-unit selectors (Delay page, input pages)
    Temperature,   ///< the temperature panel
    StoreRecall,   ///< "Store" and "Recall" of the program bar
    ViewSwitches   ///< what the Global page draws: never a unit parameter, never locked
};

/// Whether a group of controls can be changed under a lock level. Partial Lock leaves only the input
/// side; Total Lock leaves nothing that changes a unit.
bool controlEnabled(LockLevel lock, ControlGroup group);

/// The line a page shows while a lock disables some of its controls; empty under Full Edit.
std::string lockReason(LockLevel lock);

} // namespace kelo
