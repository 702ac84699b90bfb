#pragma once

#include "core/units/ArchiveReader.h"
#include "core/units/ArchiveWriter.h"
#include "core/units/ProgramName.h"
#include "core/units/processor/GateSection.h"
#include "core/units/processor/InputChannel.h"
#include "core/units/processor/OutputChannel.h"

#include <cstdint>

namespace kelo::image {

// The file images of the records are written and read by one field walk per record, so reading and
// writing cannot drift apart: the walk calls io.word() for every u32 and io.name() for the 12 name
// bytes, with a ReadFields or WriteFields as io. Layouts: docs/system-file-format.md.

struct ReadFields {
    ArchiveReader& archive;
    void word(std::uint32_t& value) { value = archive.readU32(); }
    void name(ProgramName& name) { archive.readBytes(name); }
};

struct WriteFields {
    ArchiveWriter& archive;
    void word(const std::uint32_t& value) { archive.writeU32(value); }
    void name(const ProgramName& name) { archive.writeBytes(name); }
};

template <class Io, class Band> void band(Io& io, Band& b) {
    io.word(b.type);
    io.word(b.frequency);
    io.word(b.bandwidth);
    io.word(b.gain);
    io.word(b.flat);
}

/// 5 bands, gain, delay: 108 bytes.
template <class Io, class Input> void input(Io& io, Input& in) {
    for (auto& b : in.bands) {
        band(io, b);
    }
    io.word(in.gain);
    io.word(in.delayMm);
}

/// Crossover (5 words), the bands, limiter (3 words), gain, polarity, delay.
template <class Io, class Output> void output(Io& io, Output& out) {
    io.word(out.crossover.lowPassType);
    io.word(out.crossover.lowPassFrequency);
    io.word(out.crossover.phase);
    io.word(out.crossover.highPassType);
    io.word(out.crossover.highPassFrequency);
    for (auto& b : out.bands) {
        band(io, b);
    }
    io.word(out.limiter.speed);
    io.word(out.limiter.ratio);
    io.word(out.limiter.threshold);
    io.word(out.gain);
    io.word(out.polarity);
    io.word(out.delayMm);
}

/// Attack, release, threshold, range: 16 bytes.
template <class Io, class Gate> void gate(Io& io, Gate& g) {
    io.word(g.attack);
    io.word(g.release);
    io.word(g.threshold);
    io.word(g.range);
}

} // namespace kelo::image
