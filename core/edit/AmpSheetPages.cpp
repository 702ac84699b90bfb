#include "core/edit/AmpSheetPages.h"

#include <array>

namespace kelo {

namespace {

constexpr std::array<std::string_view, kAmpBlockCount> kBlockNames{"Hum",   "Noise", "Multi-Comp", "M-Delay",
                                                                   "XOver", "Eq",    "Gain",       "Limiter"};

AmpPageKind pageKindOf(AmpBlock block) {
    switch (block) {
    case AmpBlock::Hum:
        return AmpPageKind::HumCanc;
    case AmpBlock::Noise:
        return AmpPageKind::Gate;
    case AmpBlock::MultiComp:
        return AmpPageKind::MComp;
    case AmpBlock::MDelay:
        return AmpPageKind::Delay;
    case AmpBlock::XOver:
    case AmpBlock::Eq:
        return AmpPageKind::Ch;
    case AmpBlock::Gain:
    case AmpBlock::Limiter:
        return AmpPageKind::GainComp;
    }
    return AmpPageKind::Global;
}

} // namespace

std::string_view ampBlockName(AmpBlock block) {
    const auto index = static_cast<std::size_t>(block);
    return index < kBlockNames.size() ? kBlockNames[index] : std::string_view{};
}

const std::vector<AmpBlock>& ampBlocksInSignalOrder() {
    static const std::vector<AmpBlock> order{AmpBlock::Hum,    AmpBlock::Noise,  AmpBlock::MultiComp,
                                             AmpBlock::MDelay, AmpBlock::XOver,  AmpBlock::Eq,
                                             AmpBlock::Gain,   AmpBlock::Limiter};
    return order;
}

std::vector<AmpPageEntry> ampSheetPages(bool ganged) {
    struct ChannelPage {
        AmpPageKind kind;
        std::string_view ganged, a, b;
    };
    static constexpr std::array<ChannelPage, 3> kDynamics{{
        {AmpPageKind::HumCanc, "HumCanc A+B", "HumCanc A", "HumCanc B"},
        {AmpPageKind::Gate, "Gate A+B", "Gate A", "Gate B"},
        {AmpPageKind::MComp, "MComp A+B", "MComp A", "MComp B"},
    }};
    static constexpr ChannelPage kChannel{AmpPageKind::Ch, "Ch A+B", "Ch A", "Ch B"};

    std::vector<AmpPageEntry> pages;
    const auto addChannelPage = [&](const ChannelPage& page) {
        if (ganged) {
            pages.push_back({page.kind, 0, true, page.ganged});
        } else {
            pages.push_back({page.kind, 0, false, page.a});
            pages.push_back({page.kind, 1, false, page.b});
        }
    };
    for (const ChannelPage& page : kDynamics) {
        addChannelPage(page);
    }
    pages.push_back({AmpPageKind::Delay, -1, false, "Delay"});
    addChannelPage(kChannel);
    pages.push_back({AmpPageKind::GainComp, -1, false, "Gain/Comp"});
    pages.push_back({AmpPageKind::Global, -1, false, "Global"});
    return pages;
}

std::size_t ampStartPage(bool ganged, AmpBlock block, int channel) {
    const AmpPageKind kind = pageKindOf(block);
    const int wanted = (ganged || channel != 1) ? 0 : 1;
    const std::vector<AmpPageEntry> pages = ampSheetPages(ganged);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (pages[i].kind == kind && (pages[i].channel < 0 || pages[i].channel == wanted)) {
            return i;
        }
    }
    return 0;
}

} // namespace kelo
