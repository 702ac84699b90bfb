#include "core/units/processor/ProcessorUnitBody.h"

#include "core/units/ImageFields.h"

namespace kelo {
namespace {

template <class Io, class Params> void unitParamsFields(Io& io, Params& p) {
    io.name(p.name);
    for (auto& in : p.inputs) {
        image::input(io, in);
    }
    for (auto& out : p.outputs) {
        image::output(io, out);
    }
    io.word(p.sumDelayMm);
    io.word(p.routingMode);
    io.word(p.used);
    for (auto& g : p.gates) {
        image::gate(io, g);
    }
    for (auto& bypass : p.gateBypass) {
        io.word(bypass);
    }
}

constexpr bool isStoredLiveWord(std::size_t number) {
    return number != 16 && number != 26;
}

template <class Io, class Live> void liveParamsFields(Io& io, Live& live) {
    unitParamsFields(io, live);
    for (std::size_t number = 1; number <= LiveParams::kExtraCount; ++number) {
        if (isStoredLiveWord(number)) {
            io.word(live.extra[number - 1]);
        }
    }
}

} // namespace

void writeUnitParamsImage(ArchiveWriter& archive, const UnitParams& params) {
    image::WriteFields io{archive};
    unitParamsFields(io, params);
}

void readUnitParamsImage(ArchiveReader& archive, UnitParams& params) {
    image::ReadFields io{archive};
    unitParamsFields(io, params);
}

void writeLiveParamsImage(ArchiveWriter& archive, const LiveParams& live) {
    image::WriteFields io{archive};
    liveParamsFields(io, live);
}

void readLiveParamsImage(ArchiveReader& archive, LiveParams& live) {
    image::ReadFields io{archive};
    liveParamsFields(io, live);
}

void writeProcessorUnitBody(ArchiveWriter& archive, const ProcessorUnit& unit) {
    archive.writeU32(unit.key);
    archive.writeString(unit.name);
    writeLiveParamsImage(archive, unit.live);
    for (const UnitParams& program : unit.programs) {
        writeUnitParamsImage(archive, program);
    }
}

bool readProcessorUnitBody(ArchiveReader& archive, ProcessorUnit& unit) {
    unit.key = archive.readU32();
    unit.name = archive.readString();
    readLiveParamsImage(archive, unit.live);
    for (UnitParams& program : unit.programs) {
        readUnitParamsImage(archive, program);
    }
    return !archive.failed();
}

} // namespace kelo
