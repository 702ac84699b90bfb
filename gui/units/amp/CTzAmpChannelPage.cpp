#include "gui/units/amp/CTzAmpChannelPage.h"

namespace kelo::gui {

CTzAmpChannelPage::CTzAmpChannelPage(CSystemDoc* document, std::uint32_t unitKey, int channel)
    : CUnitPage(document, unitKey), m_channel(channel == 1 ? 1 : 0) {}

std::optional<PageChannel> CTzAmpChannelPage::pageChannel() const {
    return PageChannel{GangGroup::Channels, static_cast<std::uint8_t>(m_channel)};
}

FieldRef CTzAmpChannelPage::ref(Field field, int band) const {
    return FieldRef{field, static_cast<std::uint8_t>(m_channel), static_cast<std::uint8_t>(band)};
}

std::function<std::optional<FieldRef>(int)> CTzAmpChannelPage::fieldMap(std::vector<Field> fields,
                                                                        int band) const {
    return [this, fields = std::move(fields), band](int field) -> std::optional<FieldRef> {
        if (field < 0 || static_cast<std::size_t>(field) >= fields.size()) {
            return std::nullopt;
        }
        return ref(fields[static_cast<std::size_t>(field)], band);
    };
}

} // namespace kelo::gui
