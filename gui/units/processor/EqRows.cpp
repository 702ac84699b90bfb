#include "gui/units/processor/EqRows.h"

#include "gui/panels/CEqBandRow.h"

namespace kelo::gui {

std::optional<FieldRef> eqRowField(bool input, std::uint8_t channel, std::uint8_t band, int rowField) {
    Field field = Field::InputEqType;
    switch (rowField) {
    case CEqBandRow::Type:
        field = input ? Field::InputEqType : Field::OutputEqType;
        break;
    case CEqBandRow::Frequency:
        field = input ? Field::InputEqFrequency : Field::OutputEqFrequency;
        break;
    case CEqBandRow::Bandwidth:
        field = input ? Field::InputEqBandwidth : Field::OutputEqBandwidth;
        break;
    case CEqBandRow::Gain:
        field = input ? Field::InputEqGain : Field::OutputEqGain;
        break;
    case CEqBandRow::Flat:
        field = input ? Field::InputEqFlat : Field::OutputEqFlat;
        break;
    default:
        return std::nullopt;
    }
    return FieldRef{field, channel, band};
}

} // namespace kelo::gui
