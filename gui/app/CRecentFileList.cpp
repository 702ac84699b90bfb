#include "gui/app/CRecentFileList.h"

#include "gui/app/EditorInfo.h"

#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace kelo::gui {

namespace {
const QString kGroup = QStringLiteral("Recent File List");

std::unique_ptr<QSettings> openSettings(const QString& iniPath) {
    if (iniPath.isEmpty()) {
        return std::make_unique<QSettings>(kOrganisationName, kApplicationName);
    }
    return std::make_unique<QSettings>(iniPath, QSettings::IniFormat);
}

QString canonical(const QString& path) {
    const QFileInfo info(path);
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}
} // namespace

void CRecentFileList::add(const QString& path) {
    if (path.isEmpty()) {
        return;
    }
    const QString entry = canonical(path);
    m_paths.removeAll(entry);
    m_paths.prepend(entry);
    while (m_paths.size() > kSize) {
        m_paths.removeLast();
    }
}

void CRecentFileList::remove(const QString& path) {
    m_paths.removeAll(path);
    m_paths.removeAll(canonical(path));
}

void CRecentFileList::load(const QString& iniPath) {
    const auto settings = openSettings(iniPath);
    m_paths.clear();
    settings->beginGroup(kGroup);
    for (int i = 1; i <= kSize; ++i) {
        const QString entry = settings->value(QStringLiteral("File%1").arg(i)).toString();
        if (!entry.isEmpty()) {
            m_paths.append(entry);
        }
    }
}

bool CRecentFileList::save(const QString& iniPath) const {
    const auto settings = openSettings(iniPath);
    if (!settings->isWritable()) {
        return false;
    }
    settings->remove(kGroup);
    settings->beginGroup(kGroup);
    for (int i = 0; i < m_paths.size(); ++i) {
        settings->setValue(QStringLiteral("File%1").arg(i + 1), m_paths.at(i));
    }
    settings->endGroup();
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace kelo::gui
