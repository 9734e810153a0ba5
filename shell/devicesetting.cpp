#include "shell/devicesetting.h"

#include <QSettings>

#include <memory>

namespace {
std::unique_ptr<QSettings> open(const QString &file) {
    if (file.isEmpty())
        return std::make_unique<QSettings>();
    return std::make_unique<QSettings>(file, QSettings::IniFormat);
}
} // namespace

QString DeviceSetting::load() const {
    return open(m_file)->value(key()).toString();
}

namespace {
void store(const QString &file, const QString &key, const QString &value) {
    const auto settings = open(file);
    if (value.isEmpty())
        settings->remove(key);
    else
        settings->setValue(key, value);
    settings->sync();
}
} // namespace

void DeviceSetting::save(const QString &device) const {
    store(m_file, key(), device);
}

QString DeviceSetting::furtherLanguage() const {
    return open(m_file)->value(languageKey()).toString();
}

void DeviceSetting::saveFurtherLanguage(const QString &code) const {
    store(m_file, languageKey(), code);
}
