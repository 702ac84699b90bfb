// The general settings read from a store that holds arbitrary text under every name: whatever is stored,
// every field ends inside its range, a missing or refused value leaves its field as it was or at its
// default, and what is saved reads back unchanged.
#include "core/app/CGeneralSettings.h"
#include "core/units/TextConvert.h"
#include "fuzz/FuzzLine.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <charconv>
#include <map>

namespace {

using namespace kelo;

/// A store holding text only, as a settings file or registry edited by hand does: a value reads as an
/// integer only when the whole text is one.
class TextStore final : public SettingsStore {
public:
    std::optional<int> readInt(const std::string& name) const override {
        const auto it = m_values.find(name);
        if (it == m_values.end()) {
            return std::nullopt;
        }
        int value = 0;
        const std::string& text = it->second;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size()) {
            return std::nullopt;
        }
        return value;
    }
    std::optional<std::string> readString(const std::string& name) const override {
        const auto it = m_values.find(name);
        return it == m_values.end() ? std::nullopt : std::optional<std::string>(it->second);
    }
    bool writeInt(const std::string& name, int value) override {
        m_values[name] = std::to_string(value);
        return true;
    }
    bool writeString(const std::string& name, const std::string& value) override {
        m_values[name] = value;
        return true;
    }
    std::map<std::string, std::string> m_values;
};

std::size_t codePoints(const std::string& text) {
    const std::optional<std::u16string> wide = utf8ToUtf16(text);
    fuzz::check(wide.has_value());
    std::size_t count = 0;
    for (char16_t unit : *wide) {
        count += (unit & 0xFC00U) == 0xDC00U ? 0 : 1;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    TextStore store;
    namespace k = settings_keys;
    for (const char* name : {k::kPort, k::kBaudRate, k::kAutoLoad, k::kEdit, k::kLink, k::kLock,
                             k::kLockPassword, k::kMidiPort}) {
        if (input.ConsumeBool()) {
            store.m_values[name] = input.ConsumeRandomLengthString(40);
        }
    }
    const std::uint8_t present = input.ConsumeIntegral<std::uint8_t>();

    CGeneralSettings settings;
    settings.port = 2;
    settings.baudRate = 5;
    settings.lock = 1;
    settings.lockPassword = "abc";
    const CGeneralSettings before = settings;
    fuzz::check(settings.Load(store, [present](int port) { return ((present >> port) & 1U) != 0; }));

    fuzz::check(settings.port >= 0 && settings.port < kPortCount);
    fuzz::check(settings.baudRate >= 0 && settings.baudRate < kBaudRateCount);
    fuzz::check(settings.autoLoad == 0 || settings.autoLoad == 1);
    fuzz::check(settings.link == 0 || settings.link == 1);
    fuzz::check(settings.lock >= 0 && settings.lock <= 2);
    fuzz::check(codePoints(settings.lockPassword) <= kMaxLockPasswordLength);
    for (int port = 0; port < kPortCount; ++port) {
        fuzz::check(settings.portPresent[static_cast<std::size_t>(port)] == ((present >> port) & 1U));
    }
    if (!store.readInt(k::kPort)) {
        fuzz::check(settings.port == before.port);
    }
    if (!store.readString(k::kLockPassword)) {
        fuzz::check(settings.lockPassword == before.lockPassword);
    }

    TextStore saved;
    fuzz::check(settings.Save(saved));
    CGeneralSettings reread;
    reread.Load(saved, {});
    fuzz::check(reread.port == settings.port && reread.baudRate == settings.baudRate &&
                reread.autoLoad == settings.autoLoad && reread.edit == settings.edit &&
                reread.link == settings.link && reread.lock == settings.lock &&
                reread.lockPassword == settings.lockPassword && reread.midiPort == settings.midiPort);
    return 0;
}
