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

std::vector<SheetPage> ampSheetPages(bool ganging) {
    struct ChannelPages {
        PageKind kind;
        const char* ganged;
        const char* a;
        const char* b;
    };
    static constexpr ChannelPages kHum{PageKind::HumCanceller, "HumCanc A+B", "HumCanc A", "HumCanc B"};
    static constexpr ChannelPages kGate{PageKind::NoiseGate, "Gate A+B", "Gate A", "Gate B"};
    static constexpr ChannelPages kComp{PageKind::MultiComp, "MComp A+B", "MComp A", "MComp B"};
    static constexpr ChannelPages kChannel{PageKind::Channel, "Ch A+B", "Ch A", "Ch B"};

    std::vector<SheetPage> pages;
    const auto addChannelPages = [&](const ChannelPages& kind) {
        if (ganging) {
            pages.push_back(SheetPage{kind.kind, kind.ganged, 0, true, 0});
        } else {
            pages.push_back(SheetPage{kind.kind, kind.a, 0, false, 0});
            pages.push_back(SheetPage{kind.kind, kind.b, 1, false, 0});
        }
    };
    addChannelPages(kHum);
    addChannelPages(kGate);
    addChannelPages(kComp);
    pages.push_back(SheetPage{PageKind::Delay, "Delay", 0, false, 0});
    addChannelPages(kChannel);
    pages.push_back(SheetPage{PageKind::GainComp, "Gain/Comp", 0, false, 0});
    pages.push_back(SheetPage{PageKind::Global, "Global", 0, false, 0});
    return pages;
}

std::string ampBlockName(AmpBlock block) {
    static constexpr const char* kNames[kAmpBlockCount] = {"Hum",   "Noise", "Multi-Comp", "M-Delay",
                                                           "XOver", "Eq",    "Gain",       "Limiter"};
    const auto index = static_cast<std::size_t>(block);
    return index < kAmpBlockCount ? kNames[index] : "";
}

std::size_t ampStartPage(AmpBlock block, std::size_t channel, bool ganging) {
    PageKind kind = PageKind::Global;
    switch (block) {
    case AmpBlock::Hum:
        kind = PageKind::HumCanceller;
        break;
    case AmpBlock::Noise:
        kind = PageKind::NoiseGate;
        break;
    case AmpBlock::MultiComp:
        kind = PageKind::MultiComp;
        break;
    case AmpBlock::MDelay:
        kind = PageKind::Delay;
        break;
    case AmpBlock::XOver:
    case AmpBlock::Eq:
        kind = PageKind::Channel;
        break;
    case AmpBlock::Gain:
    case AmpBlock::Limiter:
        kind = PageKind::GainComp;
        break;
    }
    const std::size_t wanted = !ganging && channel == 1 ? 1 : 0;
    const std::vector<SheetPage> pages = ampSheetPages(ganging);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const bool perChannel = pages[i].kind == PageKind::HumCanceller ||
                                pages[i].kind == PageKind::NoiseGate ||
                                pages[i].kind == PageKind::MultiComp || pages[i].kind == PageKind::Channel;
        if (pages[i].kind == kind && (!perChannel || pages[i].channel == wanted)) {
            return i;
        }
    }
    return 0;
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
