#include "core/units/processor/ProcessorUnitBody.h"
#include "core/units/ArchiveReader.h"
#include "core/units/ArchiveWriter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using kelo::ArchiveReader;
using kelo::ArchiveWriter;

std::uint32_t u32At(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return bytes[offset] | (bytes[offset + 1] << 8) | (bytes[offset + 2] << 16) |
           (static_cast<std::uint32_t>(bytes[offset + 3]) << 24);
}

TEST(ProcessorUnitBody, ProgramImagePutsEveryGroupAtItsOffset) {
    kelo::UnitParams params;
    params.name = kelo::makeProgramName("ABCDEFGHIJKL");
    params.inputs[0].bands[0].frequency = 11;
    params.inputs[1].gain = 12;
    params.outputs[0].crossover.lowPassType = 13;
    params.outputs[5].delayMm = 14;
    params.sumDelayMm = 15;
    params.routingMode = 6;
    params.used = 1;
    params.gates[0].attack = 17;
    params.gates[1].range = 18;
    params.gateBypass = {0, 1};

    std::vector<std::uint8_t> bytes;
    ArchiveWriter writer(bytes);
    kelo::writeUnitParamsImage(writer, params);

    ASSERT_EQ(bytes.size(), kelo::kUnitParamsImageSize);
    EXPECT_EQ(bytes[0], 'A');
    EXPECT_EQ(bytes[11], 'L');
    EXPECT_EQ(u32At(bytes, 12 + 4), 11u);              // input A band 1 frequency
    EXPECT_EQ(u32At(bytes, 120 + 100), 12u);           // input B gain
    EXPECT_EQ(u32At(bytes, 228), 13u);                 // output 1 low-pass type
    EXPECT_EQ(u32At(bytes, 228 + 5 * 144 + 140), 14u); // output 6 delay
    EXPECT_EQ(u32At(bytes, 1092), 15u);
    EXPECT_EQ(u32At(bytes, 1096), 6u);
    EXPECT_EQ(u32At(bytes, 1100), 1u);
    EXPECT_EQ(u32At(bytes, 1104), 17u);
    EXPECT_EQ(u32At(bytes, 1120 + 12), 18u);
    EXPECT_EQ(u32At(bytes, 1136), 0u);
    EXPECT_EQ(u32At(bytes, 1140), 1u);

    ArchiveReader reader(bytes);
    kelo::UnitParams back;
    kelo::readUnitParamsImage(reader, back);
    EXPECT_FALSE(reader.failed());
    EXPECT_EQ(back, params);
}

TEST(ProcessorUnitBody, LiveImageSkipsWords16And26AndKeepsThemOnReading) {
    kelo::LiveParams live;
    for (std::size_t n = 1; n <= kelo::LiveParams::kExtraCount; ++n) {
        live.word(n) = static_cast<std::uint32_t>(100 + n);
    }
    std::vector<std::uint8_t> bytes;
    ArchiveWriter writer(bytes);
    kelo::writeLiveParamsImage(writer, live);

    ASSERT_EQ(bytes.size(), kelo::kLiveParamsImageSize);
    EXPECT_EQ(u32At(bytes, 1144), 101u); // word 1
    EXPECT_EQ(u32At(bytes, 1200), 115u); // word 15
    EXPECT_EQ(u32At(bytes, 1204), 117u); // word 17 follows 15 directly
    EXPECT_EQ(u32At(bytes, 1216), 120u); // mute of output 1
    EXPECT_EQ(u32At(bytes, 1236), 125u); // mute of output 6
    EXPECT_EQ(u32At(bytes, 1240), 127u); // bus identifier

    kelo::LiveParams back;
    back.word(16) = 7;
    back.word(26) = 8;
    ArchiveReader reader(bytes);
    kelo::readLiveParamsImage(reader, back);
    EXPECT_EQ(back.word(16), 7u);
    EXPECT_EQ(back.word(26), 8u);
    EXPECT_EQ(back.word(27), 127u);
}

TEST(ProcessorUnitBody, EmptyNameBodyHasTheDocumentedLength) {
    kelo::ProcessorUnit unit;
    unit.name.clear();
    std::vector<std::uint8_t> bytes;
    ArchiveWriter writer(bytes);
    kelo::writeProcessorUnitBody(writer, unit);
    EXPECT_EQ(bytes.size(), 4u + 3 + 1 + 1244 + 73216);
}

} // namespace
