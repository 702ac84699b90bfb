#include "core/edit/SheetPages.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kelo {
namespace {

std::vector<std::string> titles(Family family, bool inputs, bool outputs) {
    std::vector<std::string> result;
    for (const SheetPage& page : processorSheetPages(family, inputs, outputs)) {
        result.push_back(page.title);
    }
    return result;
}

TEST(SheetPagesTest, PageListsFollowBothGangingFlags) {
    const std::vector<std::string> none{"Gain",     "Noise Gate", "Limiter",  "Delay",    "Input A",
                                        "Input B",  "Output 1",   "Output 2", "Output 3", "Output 4",
                                        "Output 5", "Output 6",   "Global"};
    EXPECT_EQ(titles(Family::Tz48, false, false), none);
    EXPECT_EQ(titles(Family::Tz48, true, false).size(), 12U);
    EXPECT_EQ(titles(Family::Tz48, false, true).size(), 10U);
    const std::vector<std::string> both{"Gain",         "Noise Gate",   "Comp/Limit",
                                        "Delay",        "Input A + B",  "Output 1 + 2",
                                        "Output 3 + 4", "Output 5 + 6", "Global"};
    EXPECT_EQ(titles(Family::Tz48P, true, true), both);

    const std::vector<SheetPage> ganged = processorSheetPages(Family::Tz48, true, true);
    EXPECT_TRUE(ganged[4].pair);
    EXPECT_EQ(ganged[6].channel, 2U); // "Output 3 + 4" edits output 3 and mirrors to 4
    EXPECT_EQ(ganged[8].helpContext, 0x20000U + 311U);
}

TEST(SheetPagesTest, ButtonsOpenTheirPageUnderEveryGangingCombination) {
    struct Case {
        bool inputs;
        bool outputs;
        std::size_t eqB;
        std::size_t output3;
        std::size_t output6;
    };
    // Output 3 opens page 8 without ganging, 7 with one kind of ganging, 6 with both.
    for (const Case& c : {Case{false, false, 5, 8, 11}, Case{true, false, 4, 7, 10},
                          Case{false, true, 5, 7, 8}, Case{true, true, 4, 6, 7}}) {
        SCOPED_TRACE(testing::Message() << "inputs " << c.inputs << " outputs " << c.outputs);
        EXPECT_EQ(processorStartPage(ProcessorBlock::InputEq, 0, c.inputs, c.outputs), 4U);
        EXPECT_EQ(processorStartPage(ProcessorBlock::InputEq, 1, c.inputs, c.outputs), c.eqB);
        EXPECT_EQ(processorStartPage(ProcessorBlock::OutputEq, 2, c.inputs, c.outputs), c.output3);
        EXPECT_EQ(processorStartPage(ProcessorBlock::OutputCrossover, 2, c.inputs, c.outputs), c.output3);
        EXPECT_EQ(processorStartPage(ProcessorBlock::OutputEq, 5, c.inputs, c.outputs), c.output6);
        EXPECT_EQ(processorStartPage(ProcessorBlock::OutputLimiter, 5, c.inputs, c.outputs), 2U);
        EXPECT_EQ(processorStartPage(ProcessorBlock::SumDelay, 0, c.inputs, c.outputs), 3U);
        // Every start page names a page of the list built with the same flags, and the right one.
        const auto pages = processorSheetPages(Family::Tz48P, c.inputs, c.outputs);
        EXPECT_EQ(pages.at(c.output3).kind, PageKind::Output);
        EXPECT_EQ(pages.at(c.output3).channel, 2U);
        EXPECT_EQ(pages.at(c.output6).title, c.outputs ? "Output 5 + 6" : "Output 6");
    }
}

TEST(SheetPagesTest, RoutingModesDisableUnfedButtons) {
    for (std::uint32_t mode = 0; mode < 8; ++mode) {
        const DisabledButtons disabled = disabledButtons(mode);
        EXPECT_EQ(disabled.sumDelay, mode == 1 || mode == 6 || mode == 7) << mode;
        EXPECT_EQ(disabled.inputB, mode == 6) << mode;
    }
}

TEST(SheetPagesTest, LocksLeaveTheInputSideOrNothing) {
    const std::vector<ControlGroup> inputSide{ControlGroup::InputFader, ControlGroup::InputDelay,
                                              ControlGroup::InputEq, ControlGroup::NoiseGate,
                                              ControlGroup::StoreRecall};
    const std::vector<ControlGroup> outputSide{ControlGroup::OutputFader,   ControlGroup::OutputDelay,
                                               ControlGroup::OutputFilters, ControlGroup::Limiter,
                                               ControlGroup::DelayUnits,    ControlGroup::Temperature};
    for (ControlGroup group : inputSide) {
        EXPECT_TRUE(controlEnabled(LockLevel::PartialLock, group));
        EXPECT_FALSE(controlEnabled(LockLevel::TotalLock, group));
    }
    for (ControlGroup group : outputSide) {
        EXPECT_TRUE(controlEnabled(LockLevel::FullEdit, group));
        EXPECT_FALSE(controlEnabled(LockLevel::PartialLock, group));
    }
    EXPECT_TRUE(controlEnabled(LockLevel::TotalLock, ControlGroup::ViewSwitches));
    // A damaged stored level above Total Lock locks everything rather than nothing.
    EXPECT_FALSE(controlEnabled(static_cast<LockLevel>(7), ControlGroup::InputFader));
    EXPECT_EQ(lockReason(LockLevel::PartialLock), "Partial Lock: outputs are locked");
    EXPECT_TRUE(lockReason(LockLevel::FullEdit).empty());
}

} // namespace
} // namespace kelo
