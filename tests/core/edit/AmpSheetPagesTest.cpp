#include "core/edit/AmpMeterLevels.h"
#include "core/edit/SheetPages.h"

#include <gtest/gtest.h>

namespace {

using kelo::AmpBlock;
using kelo::ampStartPage;

TEST(AmpSheetPages, BlockButtonsOpenTheirChannelsPageInBothPageLists) {
    // Unganged: HumCanc A, B, Gate A, B, MComp A, B, Delay, Ch A, Ch B, Gain/Comp, Global.
    EXPECT_EQ(ampStartPage(AmpBlock::Hum, 1, false), 1u);
    EXPECT_EQ(ampStartPage(AmpBlock::Noise, 0, false), 2u);
    EXPECT_EQ(ampStartPage(AmpBlock::MultiComp, 1, false), 5u);
    EXPECT_EQ(ampStartPage(AmpBlock::MDelay, 1, false), 6u);
    EXPECT_EQ(ampStartPage(AmpBlock::XOver, 1, false), 8u);
    EXPECT_EQ(ampStartPage(AmpBlock::Eq, 0, false), 7u);
    EXPECT_EQ(ampStartPage(AmpBlock::Limiter, 1, false), 9u);
    // Ganged: HumCanc A+B, Gate A+B, MComp A+B, Delay, Ch A+B, Gain/Comp, Global; B opens the A+B page.
    EXPECT_EQ(ampStartPage(AmpBlock::Hum, 1, true), 0u);
    EXPECT_EQ(ampStartPage(AmpBlock::MultiComp, 1, true), 2u);
    EXPECT_EQ(ampStartPage(AmpBlock::Eq, 1, true), 4u);
    EXPECT_EQ(ampStartPage(AmpBlock::Gain, 1, true), 5u);
    // A channel out of range counts as A.
    EXPECT_EQ(ampStartPage(AmpBlock::Eq, 7, false), 7u);
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
