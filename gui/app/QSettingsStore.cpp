#include "gui/app/QSettingsStore.h"

#include "gui/app/EditorInfo.h"

namespace kelo::gui {

namespace {
const QString kOptionsGroup = QStringLiteral("Options/");

QString key(const std::string& name) {
    return kOptionsGroup + QString::fromStdString(name);
}
} // namespace

QSettingsStore::QSettingsStore()
    : m_settings(std::make_unique<QSettings>(kOrganisationName, kApplicationName)) {}

QSettingsStore::QSettingsStore(const QString& iniPath)
    : m_settings(std::make_unique<QSettings>(iniPath, QSettings::IniFormat)) {}

std::optional<int> QSettingsStore::readInt(const std::string& name) const {
    const QVariant value = m_settings->value(key(name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return number;
}

std::optional<std::string> QSettingsStore::readString(const std::string& name) const {
    const QVariant value = m_settings->value(key(name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

bool QSettingsStore::writeInt(const std::string& name, int value) {
    return write(name, value);
}

bool QSettingsStore::writeString(const std::string& name, const std::string& value) {
    return write(name, QString::fromStdString(value));
}

bool QSettingsStore::write(const std::string& name, const QVariant& value) {
    if (!m_settings->isWritable()) {
        return false;
    }
    m_settings->setValue(key(name), value);
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

} // namespace kelo::gui
