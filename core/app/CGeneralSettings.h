#pragma once

#include "core/app/SettingsStore.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace kelo {

/// Edit lock levels of the "Lock" page.
enum class LockLevel : std::int32_t { FullEdit = 0, PartialLock = 1, TotalLock = 2 };

/// Number of serial ports the settings know: "COM1".."COM4".
inline constexpr int kPortCount = 4;
/// Number of line speeds: index 0..6 = 9600, 14400, 19200, 38400, 56000, 57600, 115200 bit/s.
inline constexpr int kBaudRateCount = 7;
/// Longest lock password the Lock page accepts.
inline constexpr std::size_t kMaxLockPasswordLength = 7;

/// Tells whether the serial port with index 0..3 is present on this machine.
using PortProbe = std::function<bool(int port)>;

/// The process-wide general settings: serial port and line speed, automatic reopening of the most
/// recent file, system linking, and the edit lock with its password.
///
/// There is one instance for the whole program; everyone else takes copies. Copying takes every field;
/// assigning a copy back replaces every field except the port-present flags, which only Load() sets.
struct CGeneralSettings {
    std::int32_t autoLoad = 0;
    std::int32_t reserved = 0; ///< copied with the object, never stored
    std::int32_t edit = 0;
    std::int32_t link = 0;
    std::int32_t port = 0;                                        ///< 0..3 = COM1..COM4
    std::int32_t baudRate = 0;                                    ///< 0..6, see kBaudRateCount
    std::array<std::int32_t, kPortCount> portPresent{1, 1, 1, 1}; ///< never stored
    std::int32_t lock = 0;                                        ///< a LockLevel
    std::string lockPassword; ///< at most kMaxLockPasswordLength characters, UTF-8
    std::int32_t midiPort = 0;

    CGeneralSettings() = default;
    CGeneralSettings(const CGeneralSettings&) = default;
    /// Replaces every field but the port-present flags.
    CGeneralSettings& operator=(const CGeneralSettings& snapshot);

    /// Reads the stored values over the current ones (a missing value leaves its field unchanged) and
    /// asks the probe which ports are present. A stored value outside its range (port 7, baud index 12,
    /// lock 9, a password longer than 7 characters or not UTF-8) is ignored and its default is used
    /// instead.
    /// @return always true.
    bool Load(const SettingsStore& store, const PortProbe& probe);

    /// Writes every stored value.
    /// @return true only when every write succeeded.
    bool Save(SettingsStore& store) const;

    LockLevel lockLevel() const { return static_cast<LockLevel>(lock); }
};

/// Settings value names, section "Options".
namespace settings_keys {
inline constexpr const char* kPort = "Port";
inline constexpr const char* kBaudRate = "BaudRate";
inline constexpr const char* kAutoLoad = "AutoLoad";
inline constexpr const char* kEdit = "Edit";
inline constexpr const char* kLink = "Link";
inline constexpr const char* kLock = "Lock";
inline constexpr const char* kLockPassword = "LockPassword";
inline constexpr const char* kMidiPort = "IdMidiPort";
} // namespace settings_keys

} // namespace kelo
