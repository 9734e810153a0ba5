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

void DeviceSetting::save(const QString &device) const {
    const auto settings = open(m_file);
    if (device.isEmpty())
        settings->remove(key());
    else
        settings->setValue(key(), device);
    settings->sync();
}
