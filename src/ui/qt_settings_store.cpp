#include "ui/qt_settings_store.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

#include "ui/cp1252.h"

namespace tarnwick::ui {

namespace {

std::unique_ptr<QSettings> open_settings(const QString& root, const QString& folder) {
#ifdef Q_OS_WIN
    if (folder.isEmpty())
        return std::make_unique<QSettings>("HKEY_CURRENT_USER\\" + root, QSettings::NativeFormat);
#endif
    QString dir = folder.isEmpty()
                      ? QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                            "/Tarnwick"
                      : folder;
    QDir().mkpath(dir);
    QString name = root.section(QLatin1Char('\\'), -1);
    return std::make_unique<QSettings>(dir + "/" + name + ".ini", QSettings::IniFormat);
}

QString key(const std::string& section, const std::string& name) {
    return from_cp1252(section) + "/" + from_cp1252(name);
}

}  // namespace

QtSettingsStore::QtSettingsStore(const QString& root, const QString& folder)
    : settings_(open_settings(root, folder)) {}

QtSettingsStore::~QtSettingsStore() { settings_->sync(); }

std::string QtSettingsStore::read_string(const std::string& section, const std::string& name,
                                         const std::string& fallback) {
    QVariant v = settings_->value(key(section, name));
    if (!v.isValid()) return fallback;
    return to_cp1252(v.toString());
}

void QtSettingsStore::write_string(const std::string& section, const std::string& name,
                                   const std::string& value) {
    settings_->setValue(key(section, name), from_cp1252(value));
}

void QtSettingsStore::delete_key(const std::string& section) {
    settings_->remove(from_cp1252(section));
}

void QtSettingsStore::sync() { settings_->sync(); }

}  // namespace tarnwick::ui
