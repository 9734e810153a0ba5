// The device chosen by its path in the Communication port menu (a device
// item, Other port... or Find my cable), kept per user with QSettings: the
// parameter file has room only for the port numbers 0 to 8, and keeps the
// last COM number chosen meanwhile. Beside it, a further language chosen in
// the Languages menu: the parameter file has only the flags 0 (Chinese) and
// 1 (English).
#pragma once

#include <QString>

class DeviceSetting {
public:
    // The user's settings of the program (the organisation and application
    // names main() sets: on Linux ~/.config/VQ-740/vq740.conf).
    DeviceSetting() = default;
    // A settings file of its own (INI form), for tests.
    explicit DeviceSetting(const QString &file) : m_file(file) {}

    // The remembered device, or empty.
    QString load() const;
    // Remembers a device; empty forgets it.
    void save(const QString &device) const;

    static QString key() { return QStringLiteral("Communication port/device"); }

    // The language chosen beyond Chinese and English (its code, "de"), kept
    // beside the parameter file's language flag 1; empty for English.
    QString furtherLanguage() const;
    void saveFurtherLanguage(const QString &code) const;
    static QString languageKey() { return QStringLiteral("Language/further"); }

private:
    QString m_file;
};
