#pragma once

#include <QString>
#include <QStringList>

namespace kelo::gui {

/// The most recently opened or saved system files, most recent first, at most eight. Kept in the
/// editor's settings beside "Options", in the group "Recent File List" ("File1".."File8").
class CRecentFileList {
public:
    static constexpr int kSize = 8;

    const QStringList& paths() const { return m_paths; }
    /// Puts path first, dropping an older entry of the same file and the ninth entry.
    void add(const QString& path);
    void remove(const QString& path);

    /// Reads the list; entries that are empty are skipped.
    void load(const QString& iniPath = {});
    /// @return false when the settings could not be written.
    bool save(const QString& iniPath = {}) const;

private:
    QStringList m_paths;
};

} // namespace kelo::gui
