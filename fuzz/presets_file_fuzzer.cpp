// The factory presets file beside the program: whatever its bytes, the reader either leaves the table
// as it was or fills it with the first unit's programs, marked unused, exactly as the system-file reader
// sees that unit.
#include "core/app/SystemFile.h"
#include "core/units/presets/FactoryPrograms.h"
#include "fuzz/FuzzLine.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kelo;
    const std::span<const std::uint8_t> bytes(data, size);
    const std::vector<UnitParams> before = FactoryPrograms::defaultConfiguration(10);
    for (std::size_t n : {std::size_t{1}, std::size_t{10}}) {
        std::vector<UnitParams> programs = before;
        if (!FactoryPrograms::readPresetBytes(bytes, n, programs)) {
            fuzz::check(programs == before);
            continue;
        }
        fuzz::check(programs.size() == n);
        fuzz::check(std::all_of(programs.begin(), programs.end(),
                                [](const UnitParams& program) { return program.used == 0; }));
        // A presets file is a Plus system file: where the system reader takes it, both agree.
        const SystemFileReadResult file = readSystemFile(bytes);
        if (file.ok() && !file.system->empty() && !file.system->holdsAmpUnits()) {
            const ProcessorUnit& unit = *file.system->units()[0]->processor();
            for (std::size_t k = 0; k < n; ++k) {
                UnitParams expected = unit.programs[k];
                expected.used = 0;
                fuzz::check(programs[k] == expected);
            }
        }
    }
    return 0;
}
