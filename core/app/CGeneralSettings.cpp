#include "core/app/CGeneralSettings.h"

#include "core/units/TextConvert.h"

namespace kelo {

namespace {

/// Reads an integer value into field when it is stored and lies in [low, high]; an out-of-range value
/// puts the field back to its default.
void readRanged(const SettingsStore& store, const char* name, std::int32_t& field, int low, int high,
                std::int32_t fallback) {
    if (auto value = store.readInt(name)) {
        field = (*value >= low && *value <= high) ? *value : fallback;
    }
}

/// Number of characters of a UTF-8 text (continuation bytes do not count).
std::size_t utf8Length(const std::string& text) {
    std::size_t count = 0;
    for (unsigned char byte : text) {
        if ((byte & 0xC0U) != 0x80U) {
            ++count;
        }
    }
    return count;
}

} // namespace

CGeneralSettings& CGeneralSettings::operator=(const CGeneralSettings& snapshot) {
    if (this != &snapshot) {
        const auto present = portPresent;
        autoLoad = snapshot.autoLoad;
        reserved = snapshot.reserved;
        edit = snapshot.edit;
        link = snapshot.link;
        port = snapshot.port;
        baudRate = snapshot.baudRate;
        lock = snapshot.lock;
        lockPassword = snapshot.lockPassword;
        midiPort = snapshot.midiPort;
        portPresent = present;
    }
    return *this;
}

bool CGeneralSettings::Load(const SettingsStore& store, const PortProbe& probe) {
    const CGeneralSettings defaults;
    namespace k = settings_keys;
    readRanged(store, k::kPort, port, 0, kPortCount - 1, defaults.port);
    readRanged(store, k::kBaudRate, baudRate, 0, kBaudRateCount - 1, defaults.baudRate);
    readRanged(store, k::kAutoLoad, autoLoad, 0, 1, defaults.autoLoad);
    if (auto value = store.readInt(k::kEdit)) {
        edit = *value;
    }
    readRanged(store, k::kLink, link, 0, 1, defaults.link);
    for (int index = 0; index < kPortCount; ++index) {
        portPresent[static_cast<std::size_t>(index)] = (probe && probe(index)) ? 1 : 0;
    }
    readRanged(store, k::kLock, lock, 0, 2, defaults.lock);
    if (auto value = store.readString(k::kLockPassword)) {
        // Text that is not UTF-8 has no character count to check (stray continuation bytes count as
        // none), so it is refused like an over-long password.
        const bool valid = utf8ToUtf16(*value) && utf8Length(*value) <= kMaxLockPasswordLength;
        lockPassword = valid ? *value : defaults.lockPassword;
    }
    if (auto value = store.readInt(k::kMidiPort)) {
        midiPort = *value;
    }
    return true;
}

bool CGeneralSettings::Save(SettingsStore& store) const {
    namespace k = settings_keys;
    bool ok = true;
    ok = store.writeInt(k::kPort, port) && ok;
    ok = store.writeInt(k::kBaudRate, baudRate) && ok;
    ok = store.writeInt(k::kAutoLoad, autoLoad) && ok;
    ok = store.writeInt(k::kEdit, edit) && ok;
    ok = store.writeInt(k::kLink, link) && ok;
    ok = store.writeInt(k::kLock, lock) && ok;
    ok = store.writeString(k::kLockPassword, lockPassword) && ok;
    ok = store.writeInt(k::kMidiPort, midiPort) && ok;
    return ok;
}

} // namespace kelo
