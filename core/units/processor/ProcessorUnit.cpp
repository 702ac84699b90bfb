#include "core/units/processor/ProcessorUnit.h"

namespace kelo {

void resetAsNewUnit(ProcessorUnit& unit, const UnitParams& factory0) {
    unit.live.loadProgram(factory0);
    unit.live.currentProgram() = 0;
    for (UnitParams& program : unit.programs) {
        program = factory0;
        program.used = 0;
    }
}

} // namespace kelo
