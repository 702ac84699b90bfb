#pragma once

#include "core/comm/engine/CommEngine.h"
#include "core/units/Unit.h"

namespace kelo {

/// Sends a unit's ganging flags as they stand in its record (unit-wide block 0x35, index 255:
/// parameter 0x0F input ganging, 0x10 output ganging; the amplifier has the one flag, sent as 0x0F).
/// The engine sends only to a connected unit.
void SendGangingFlags(CommEngine& engine, Family family, const Unit& unit);

} // namespace kelo
