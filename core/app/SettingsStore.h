#pragma once

#include <map>
#include <optional>
#include <string>

namespace kelo {

/// Where the general settings live: named integer and string values of one section ("Options").
/// The editor puts this on QSettings; the command-line tool and the tests use MemorySettingsStore.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    /// @return the stored integer, or nothing when the value is missing or not an integer.
    virtual std::optional<int> readInt(const std::string& name) const = 0;
    /// @return the stored string, or nothing when the value is missing.
    virtual std::optional<std::string> readString(const std::string& name) const = 0;
    /// @return false when the value could not be written.
    virtual bool writeInt(const std::string& name, int value) = 0;
    /// @return false when the value could not be written.
    virtual bool writeString(const std::string& name, const std::string& value) = 0;
};

/// A store held in memory; writes can be made to fail for tests of the error paths.
class MemorySettingsStore : public SettingsStore {
public:
    std::optional<int> readInt(const std::string& name) const override;
    std::optional<std::string> readString(const std::string& name) const override;
    bool writeInt(const std::string& name, int value) override;
    bool writeString(const std::string& name, const std::string& value) override;

    /// While set, every write fails and changes nothing.
    void setFailWrites(bool fail) { m_failWrites = fail; }
    bool contains(const std::string& name) const;

private:
    std::map<std::string, int> m_ints;
    std::map<std::string, std::string> m_strings;
    bool m_failWrites = false;
};

} // namespace kelo
