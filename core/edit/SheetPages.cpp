#include "core/edit/SheetPages.h"

#include <string>

namespace kelo {

namespace {

/// Dialog numbers of the pages; the help context is 0x20000 + the number.
constexpr unsigned kHelpBase = 0x20000;
constexpr unsigned kGainDialog = 306;
constexpr unsigned kNoiseDialog = 370;
constexpr unsigned kLimiterDialog = 308;
constexpr unsigned kDelayDialog = 307;
constexpr unsigned kInputDialog = 309;
constexpr unsigned kOutputDialog = 310;
constexpr unsigned kGlobalDialog = 311;

/// Pages before the first input page: Gain, Noise Gate, Limiter, Delay.
constexpr std::size_t kFirstInputPage = 4;

SheetPage page(PageKind kind, std::string title, unsigned dialog, std::size_t channel = 0,
               bool pair = false) {
    return SheetPage{kind, std::move(title), channel, pair, kHelpBase + dialog};
}

} // namespace

std::vector<SheetPage> processorSheetPages(Family family, bool inputGanging, bool outputGanging) {
    std::vector<SheetPage> pages;
    pages.push_back(page(PageKind::Gain, "Gain", kGainDialog));
    pages.push_back(page(PageKind::NoiseGate, "Noise Gate", kNoiseDialog));
    pages.push_back(
        page(PageKind::Limiter, family == Family::Tz48P ? "Comp/Limit" : "Limiter", kLimiterDialog));
    pages.push_back(page(PageKind::Delay, "Delay", kDelayDialog));
    if (inputGanging) {
        pages.push_back(page(PageKind::Input, "Input A + B", kInputDialog, 0, true));
    } else {
        pages.push_back(page(PageKind::Input, "Input A", kInputDialog, 0));
        pages.push_back(page(PageKind::Input, "Input B", kInputDialog, 1));
    }
    for (std::size_t output = 0; output < 6; output += outputGanging ? 2 : 1) {
        std::string title = "Output " + std::to_string(output + 1);
        if (outputGanging) {
            title += " + " + std::to_string(output + 2);
        }
        pages.push_back(page(PageKind::Output, std::move(title), kOutputDialog, output, outputGanging));
    }
    pages.push_back(page(PageKind::Global, "Global", kGlobalDialog));
    return pages;
}

std::vector<SheetPage> ampSheetPages(bool /*ganging*/) {
    return {};
}

std::size_t processorStartPage(ProcessorBlock block, std::size_t channel, bool inputGanging,
                               bool outputGanging) {
    switch (block) {
    case ProcessorBlock::InputGain:
    case ProcessorBlock::OutputGain:
        return 0;
    case ProcessorBlock::InputNoise:
        return 1;
    case ProcessorBlock::OutputLimiter:
        return 2;
    case ProcessorBlock::InputDelay:
    case ProcessorBlock::SumDelay:
    case ProcessorBlock::OutputDelay:
        return 3;
    case ProcessorBlock::InputEq:
        return kFirstInputPage + ((channel == 1 && !inputGanging) ? 1 : 0);
    case ProcessorBlock::OutputCrossover:
    case ProcessorBlock::OutputEq:
        break;
    }
    const std::size_t output = channel < 6 ? channel : 5;
    return kFirstInputPage + (inputGanging ? 1 : 2) + (outputGanging ? output / 2 : output);
}

DisabledButtons disabledButtons(std::uint32_t routingMode) {
    DisabledButtons disabled;
    disabled.sumDelay = routingMode == 1 || routingMode == 6 || routingMode == 7;
    disabled.inputB = routingMode == 6;
    return disabled;
}

bool controlEnabled(LockLevel lock, ControlGroup group) {
    if (group == ControlGroup::ViewSwitches) {
        return true;
    }
    switch (lock) {
    case LockLevel::FullEdit:
        return true;
    case LockLevel::PartialLock:
        return group == ControlGroup::InputFader || group == ControlGroup::InputDelay ||
               group == ControlGroup::InputEq || group == ControlGroup::NoiseGate ||
               group == ControlGroup::StoreRecall;
    case LockLevel::TotalLock:
        break;
    }
    // Any stored level above Partial Lock is read as the strictest lock.
    return false;
}

std::string lockReason(LockLevel lock) {
    switch (lock) {
    case LockLevel::FullEdit:
        return {};
    case LockLevel::PartialLock:
        return "Partial Lock: outputs are locked";
    case LockLevel::TotalLock:
        break;
    }
    return "Total Lock: nothing can be changed";
}

} // namespace kelo
