#pragma once

#include "core/app/SettingsStore.h"

#include <QSettings>

#include <memory>

namespace kelo::gui {

/// The general settings' store on QSettings: organisation "VREN", application "Kelo Editor", group
/// "Options". Integers are stored as integers, the password as a string.
class QSettingsStore : public SettingsStore {
public:
    /// Opens the user's settings of the editor.
    QSettingsStore();
    /// Opens the settings file at iniPath instead (used by tools and tests that keep their own file).
    explicit QSettingsStore(const QString& iniPath);

    std::optional<int> readInt(const std::string& name) const override;
    std::optional<std::string> readString(const std::string& name) const override;
    bool writeInt(const std::string& name, int value) override;
    bool writeString(const std::string& name, const std::string& value) override;

private:
    bool write(const std::string& name, const QVariant& value);

    std::unique_ptr<QSettings> m_settings;
};

} // namespace kelo::gui
