// Round-trip property of the system-file reader: whatever it accepts must write out and read back to the
// same bytes, and the written size must match the unit count. Rejected input is fine; crashes, reads out
// of bounds and allocations sized from unchecked counts are not.

#include "core/app/SystemFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const kelo::SystemFileReadResult first = kelo::readSystemFile(std::span(data, size));
    if (!first.ok()) {
        return 0;
    }
    const std::vector<std::uint8_t> written = kelo::writeSystemFile(*first.system);
    if (first.system->empty()) {
        if (!written.empty()) {
            std::abort();
        }
        return 0;
    }
    const kelo::SystemFileReadResult second = kelo::readSystemFile(written);
    if (!second.ok() || second.system->unitCount() != first.system->unitCount() ||
        second.system->family() != first.system->family() ||
        second.system->lastUnitKey() != first.system->lastUnitKey()) {
        std::abort();
    }
    if (kelo::writeSystemFile(*second.system) != written) {
        std::abort();
    }
    return 0;
}
