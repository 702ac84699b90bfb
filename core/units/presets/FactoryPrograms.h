#pragma once

#include "core/family/Family.h"
#include "core/units/processor/ProcessorUnit.h"
#include "core/units/processor/UnitParams.h"

#include <array>
#include <atomic>
#include <filesystem>
#include <functional>
#include <mutex>
#include <span>
#include <string_view>
#include <vector>

namespace kelo {

/// The factory program tables of the processor families: ten programs for the 2-in/6-out family, one
/// for the Plus family, taken from "tz48plus.prs" beside the running program (a Plus system file of one
/// unit whose user programs 1..N supply factory programs 0..N-1).
///
/// Each table is filled once, the first time it is asked for. When the file is missing, cannot be
/// opened or is too short to hold one unit, the table gets the built-in default configuration and the
/// family's message goes to the message hook, once per table: at the first use of the table while a
/// hook is installed, so a table loaded before the hook (a simulated line built first) still has its
/// message told. The core shows nothing itself; the editor installs a hook that shows a message box.
/// Thread-safe.
/// The amplifier's single factory program is built in code: ampFactoryProgram() (units/amp/AmpUnit.h).
class FactoryPrograms {
public:
    using MessageHook = std::function<void(std::string_view message)>;

    static constexpr std::string_view kFileName = "tz48plus.prs";

    /// Tables looked up in the given folder.
    explicit FactoryPrograms(std::filesystem::path folder, MessageHook hook = {});

    /// The process-wide tables, looked up in the folder of the running program.
    static FactoryPrograms& shared();

    /// Replaces the hook (the editor installs its message box at start-up).
    void setMessageHook(MessageHook hook);

    /// Number of factory programs of a family: 10 (Tz48), 1 (Tz48P), 1 (TzAmp).
    static std::size_t count(Family family);

    /// The processor family's table, loading it on first use. Empty for TzAmp.
    const std::vector<UnitParams>& table(Family family);

    /// A copy of factory program k; k beyond the table gives its last entry.
    UnitParams program(Family family, std::size_t k);

    /// The message shown when the file is missing, for a processor family.
    static std::string_view missingFileMessage(Family family);

    /// The built-in default configuration, entries 0..n-1 (n at most 10).
    static std::vector<UnitParams> defaultConfiguration(std::size_t n);

    /// Reads the first n user programs of the presets file at path into programs (used flags 0).
    /// Only a regular file within the system-file size bound is read.
    /// @return false when the file is missing, unreadable, not a regular file, too large or too short;
    ///         programs is then unchanged.
    static bool ReadPresetFile(const std::filesystem::path& path, std::size_t n,
                               std::vector<UnitParams>& programs);

    /// ReadPresetFile() over the file's bytes: the magic and count are skipped unchecked, the first unit
    /// body supplies the programs. @return false when the bytes end before that body does.
    static bool readPresetBytes(std::span<const std::uint8_t> bytes, std::size_t n,
                                std::vector<UnitParams>& programs);

private:
    struct Table {
        std::once_flag loaded;
        std::vector<UnitParams> programs;
        bool missing = false;              ///< the default configuration stands in for the file
        std::atomic<bool> reported{false}; ///< the missing file's message went to a hook
    };

    Table& tableOf(Family family);
    void load(Family family, Table& table);
    /// Tells the hook, once, that the table's file was missing.
    void reportMissing(Family family, Table& table);

    std::filesystem::path m_folder;
    std::mutex m_hookMutex; // guards m_hook
    MessageHook m_hook;
    Table m_tz48;
    Table m_tz48p;
};

/// The folder of the running program (from /proc/self/exe); the current folder when that is unknown.
std::filesystem::path programFolder();

/// A processor unit as the editor constructs it for a family (Tz48 or Tz48P): named "Tz48" or
/// "Tz48 Plus", live program part and all 64 programs copies of factory program 0, current program 0.
ProcessorUnit makeProcessorUnit(Family family, FactoryPrograms& programs = FactoryPrograms::shared());

} // namespace kelo
