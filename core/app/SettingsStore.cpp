#include "core/app/SettingsStore.h"

namespace kelo {

std::optional<int> MemorySettingsStore::readInt(const std::string& name) const {
    auto found = m_ints.find(name);
    if (found == m_ints.end()) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<std::string> MemorySettingsStore::readString(const std::string& name) const {
    auto found = m_strings.find(name);
    if (found == m_strings.end()) {
        return std::nullopt;
    }
    return found->second;
}

bool MemorySettingsStore::writeInt(const std::string& name, int value) {
    if (m_failWrites) {
        return false;
    }
    m_ints[name] = value;
    return true;
}

bool MemorySettingsStore::writeString(const std::string& name, const std::string& value) {
    if (m_failWrites) {
        return false;
    }
    m_strings[name] = value;
    return true;
}

bool MemorySettingsStore::contains(const std::string& name) const {
    return m_ints.contains(name) || m_strings.contains(name);
}

} // namespace kelo
