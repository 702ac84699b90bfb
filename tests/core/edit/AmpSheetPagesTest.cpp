#include "core/edit/AmpSheetPages.h"
#include "core/edit/AmpMeterLevels.h"

#include <gtest/gtest.h>

namespace {

using kelo::AmpBlock;
using kelo::ampStartPage;

TEST(AmpSheetPages, BlockButtonsOpenTheirChannelsPageInBothPageLists) {
    // Unganged: HumCanc A, B, Gate A, B, MComp A, B, Delay, Ch A, Ch B, Gain/Comp, Global.
    EXPECT_EQ(ampStartPage(false, AmpBlock::Hum, 1), 1u);
    EXPECT_EQ(ampStartPage(false, AmpBlock::Noise, 0), 2u);
    EXPECT_EQ(ampStartPage(false, AmpBlock::MultiComp, 1), 5u);
    EXPECT_EQ(ampStartPage(false, AmpBlock::MDelay, 1), 6u);
    EXPECT_EQ(ampStartPage(false, AmpBlock::XOver, 1), 8u);
    EXPECT_EQ(ampStartPage(false, AmpBlock::Eq, 0), 7u);
    EXPECT_EQ(ampStartPage(false, AmpBlock::Limiter, 1), 9u);
    // Ganged: HumCanc A+B, Gate A+B, MComp A+B, Delay, Ch A+B, Gain/Comp, Global; B opens the A+B page.
    EXPECT_EQ(ampStartPage(true, AmpBlock::Hum, 1), 0u);
    EXPECT_EQ(ampStartPage(true, AmpBlock::MultiComp, 1), 2u);
    EXPECT_EQ(ampStartPage(true, AmpBlock::Eq, 1), 4u);
    EXPECT_EQ(ampStartPage(true, AmpBlock::Gain, 1), 5u);
    // A channel out of range never opens a page past the list.
    EXPECT_EQ(ampStartPage(false, AmpBlock::Eq, 7), 7u);
}

TEST(AmpMeterLevels, ConnectedUnitLightsLimiterLampsFromOutputFieldsOthersStayDark) {
    kelo::ConnectionEntry entry;
    entry.status[0] = 3;
    entry.status[1] = 5; // a processor's input B field: the amplifier does not send it
    entry.status[2] = 4;
    entry.status[3] = 0xFF; // only three bits are a level
    entry.status[15] = 1;
    entry.state = kelo::ConnectionState::NotResponding;
    EXPECT_EQ(kelo::AmpMeterLevels::fromEntry(entry).output[0], 0u);

    entry.state = kelo::ConnectionState::Connected;
    const auto levels = kelo::AmpMeterLevels::fromEntry(entry);
    EXPECT_EQ(levels.input, 3u);
    EXPECT_EQ(levels.output[0], 4u);
    EXPECT_EQ(levels.output[1], 7u);
    EXPECT_EQ(levels.flags, (std::array<bool, 3>{false, true, false}));
}

} // namespace
