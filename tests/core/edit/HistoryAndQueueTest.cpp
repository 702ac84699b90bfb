// Undo and redo over the edit path, and the engine's queue of posted sends.
#include "core/comm/engine/ParameterQueue.h"
#include "core/edit/ChannelCopy.h"
#include "core/edit/EditHistory.h"
#include "core/edit/ParameterEdit.h"

#include <gtest/gtest.h>

namespace kelo {
namespace {

constexpr FieldRef kOutput1Gain{Field::OutputGain, 0, 0};
constexpr FieldRef kOutput2Gain{Field::OutputGain, 1, 0};

UnitSystem twoOutputUnit() {
    UnitSystem system(Family::Tz48P);
    Unit unit{ProcessorUnit{}};
    unit.setKey(1);
    system.appendLoadedUnit(std::move(unit));
    return system;
}

std::uint32_t gainOf(const UnitSystem& system, std::size_t output) {
    return system.units().front()->processor()->live.outputs[output].gain;
}

void edit(UnitSystem& system, EditHistory& history, FieldRef field, std::uint32_t value,
          std::uint64_t mergeKey) {
    const EditResult result = applyEdit(system, Edit{1, field, value}, {});
    history.push(HistoryStep{"Output gain", result.writes, mergeKey});
}

TEST(EditHistory, ADragUndoesAsOneStepAndRedoSendsTheNewValues) {
    UnitSystem system = twoOutputUnit();
    EditHistory history;
    const std::uint32_t before = gainOf(system, 0);
    for (std::uint32_t value = 10; value <= 14; ++value) {
        edit(system, history, kOutput1Gain, value, 7);
    }
    edit(system, history, kOutput2Gain, 3, 8); // another gesture ends the run
    edit(system, history, kOutput1Gain, 20, 0);
    EXPECT_FALSE(history.atSavedState());

    replayWrites(system, history.takeUndo().writes, true);
    replayWrites(system, history.takeUndo().writes, true);
    EXPECT_EQ(gainOf(system, 0), 14U);
    EXPECT_EQ(gainOf(system, 1), 60U);
    const HistoryStep drag = history.takeUndo();
    const EditResult undone = replayWrites(system, drag.writes, true);
    EXPECT_EQ(gainOf(system, 0), before);
    ASSERT_EQ(undone.sends.size(), 1U);
    EXPECT_EQ(undone.sends[0].value, before);
    EXPECT_FALSE(history.canUndo());
    EXPECT_TRUE(history.atSavedState());

    const EditResult redone = replayWrites(system, history.takeRedo().writes, false);
    EXPECT_EQ(gainOf(system, 0), 14U);
    EXPECT_EQ(redone.sends.at(0).value, 14);
    EXPECT_EQ(history.undoLabel(), "Output gain");

    // A new edit after undo drops the redo steps and does not merge into the redone step.
    edit(system, history, kOutput1Gain, 15, 7);
    EXPECT_FALSE(history.canRedo());
    replayWrites(system, history.takeUndo().writes, true);
    EXPECT_EQ(gainOf(system, 0), 14U);
}

TEST(EditHistory, OneGestureOverTwoFieldsIsOneStep) {
    // A band handle dragged on a graph writes frequency and gain alternately under one gesture key.
    UnitSystem system = twoOutputUnit();
    EditHistory history;
    const std::uint32_t first = gainOf(system, 0);
    const std::uint32_t second = gainOf(system, 1);
    edit(system, history, kOutput1Gain, 10, 9);
    edit(system, history, kOutput2Gain, 5, 9);
    edit(system, history, kOutput1Gain, 11, 9);
    replayWrites(system, history.takeUndo().writes, true);
    EXPECT_EQ(gainOf(system, 0), first);
    EXPECT_EQ(gainOf(system, 1), second);
    EXPECT_FALSE(history.canUndo());
    replayWrites(system, history.takeRedo().writes, false);
    EXPECT_EQ(gainOf(system, 0), 11U);
    EXPECT_EQ(gainOf(system, 1), 5U);
}

TEST(EditHistory, SavedStateAndClearing) {
    UnitSystem system = twoOutputUnit();
    EditHistory history;
    edit(system, history, kOutput1Gain, 30, 0);
    history.markSaved();
    edit(system, history, kOutput1Gain, 31, 0);
    EXPECT_FALSE(history.atSavedState());
    history.takeUndo();
    EXPECT_TRUE(history.atSavedState());
    history.takeUndo();
    EXPECT_FALSE(history.atSavedState());

    history.clear();
    EXPECT_FALSE(history.canUndo());
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.atSavedState());
    history.setSavedStateReachable(true);
    EXPECT_TRUE(history.atSavedState());
}

TEST(ChannelCopy, CopiesTheSoundButNotMuteOrPolarity) {
    UnitSystem system = twoOutputUnit();
    ProcessorUnit& unit = *system.units().front()->processor();
    unit.live.outputs[0].bands[3].frequency = 11;
    unit.live.outputs[0].crossover.highPassType = 2;
    unit.live.outputs[0].polarity = 1;
    unit.live.setOutputMute(0, 1);
    const EditResult result = copyChannel(system, {1, GangGroup::Outputs, 0}, {1, GangGroup::Outputs, 4}, {});
    EXPECT_FALSE(result.empty());
    EXPECT_EQ(unit.live.outputs[4].bands[3].frequency, 11U);
    EXPECT_EQ(unit.live.outputs[4].crossover.highPassType, 2U);
    EXPECT_EQ(unit.live.outputs[4].polarity, 0U);
    EXPECT_EQ(unit.live.outputMute(4), 0U);
    EXPECT_TRUE(copyChannel(system, {1, GangGroup::Outputs, 0}, {1, GangGroup::Inputs, 0}, {}).empty());
}

QueuedSend parameter(std::uint32_t unit, std::uint8_t offset, std::uint16_t value) {
    return QueuedSend{unit, 0x08, ParameterAddress{0x15, 196, offset}, value, nullptr, nullptr};
}

TEST(ParameterQueue, NewerValuesReplaceWaitingOnesAndOrderFollowsTheNewest) {
    ParameterQueue queue;
    queue.post(parameter(1, 0x20, 1));
    queue.post(parameter(1, 0x30, 5));
    queue.post(parameter(2, 0x20, 7));
    for (std::uint16_t step = 2; step <= 100; ++step) {
        queue.post(parameter(1, 0x20, step));
    }
    queue.post(QueuedSend{2, 0x08, {}, 0, std::make_shared<const LiveParams>(), nullptr});
    queue.post(QueuedSend{2, 0x08, {}, 0, std::make_shared<const LiveParams>(), nullptr});
    ASSERT_EQ(queue.size(), 4U);

    const auto first = queue.takeNext();
    EXPECT_EQ(first->unitId, 1U);
    EXPECT_EQ(first->address.offset, 0x30);
    const auto second = queue.takeNext();
    EXPECT_EQ(second->unitId, 2U);
    EXPECT_EQ(second->value, 7);
    const auto third = queue.takeNext();
    EXPECT_EQ(third->unitId, 1U);
    EXPECT_EQ(third->value, 100);
    EXPECT_TRUE(queue.takeNext()->isSettings());
    EXPECT_FALSE(queue.takeNext());
}

} // namespace
} // namespace kelo
