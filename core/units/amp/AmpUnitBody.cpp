#include "core/units/amp/AmpUnitBody.h"

#include "core/units/ImageFields.h"

namespace kelo {
namespace {

template <class Io, class Hum> void humFields(Io& io, Hum& hum) {
    io.word(hum.attack);
    io.word(hum.release);
    io.word(hum.threshold);
    io.word(hum.frequency);
}

template <class Io, class Params> void ampParamsFields(Io& io, Params& p) {
    io.name(p.name);
    for (auto& in : p.inputs) {
        image::input(io, in);
    }
    for (auto& hum : p.hum) {
        humFields(io, hum);
    }
    for (auto& g : p.gates) {
        image::gate(io, g);
    }
    for (auto& comp : p.comp) {
        for (auto& word : comp.words) {
            io.word(word);
        }
    }
    for (auto& out : p.outputs) {
        image::output(io, out);
    }
    io.word(p.reserved);
    io.word(p.used);
}

template <class Io, class Live> void ampLiveFields(Io& io, Live& live) {
    ampParamsFields(io, live);
    for (std::size_t number = 1; number <= AmpLiveParams::kExtraCount; ++number) {
        if (number != AmpLiveParams::kScratchWord) {
            io.word(live.extra[number - 1]);
        }
    }
}

} // namespace

void writeAmpParamsImage(ArchiveWriter& archive, const AmpParams& params) {
    image::WriteFields io{archive};
    ampParamsFields(io, params);
}

void readAmpParamsImage(ArchiveReader& archive, AmpParams& params) {
    image::ReadFields io{archive};
    ampParamsFields(io, params);
}

void writeAmpLiveParamsImage(ArchiveWriter& archive, const AmpLiveParams& live) {
    image::WriteFields io{archive};
    ampLiveFields(io, live);
}

void readAmpLiveParamsImage(ArchiveReader& archive, AmpLiveParams& live) {
    image::ReadFields io{archive};
    ampLiveFields(io, live);
    live.word(AmpLiveParams::kScratchWord) = 0;
}

void writeAmpUnitBody(ArchiveWriter& archive, const AmpUnit& unit) {
    archive.writeU32(unit.key);
    archive.writeString(unit.name);
    writeAmpLiveParamsImage(archive, unit.live);
    for (const AmpParams& program : unit.programs) {
        writeAmpParamsImage(archive, program);
    }
}

bool readAmpUnitBody(ArchiveReader& archive, AmpUnit& unit) {
    unit.key = archive.readU32();
    unit.name = archive.readString();
    readAmpLiveParamsImage(archive, unit.live);
    for (AmpParams& program : unit.programs) {
        readAmpParamsImage(archive, program);
    }
    return !archive.failed();
}

} // namespace kelo
