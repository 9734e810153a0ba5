// The platform's open and save dialogs behind the FileChooser interface.
#pragma once

#include "shell/filecommands.h"

#include <QString>
#include <QtGlobal>

class QWidget;

class DataFileDialogs : public FileChooser {
public:
    // `language` is the program's language flag, read at each call for the
    // dialogs' titles.
    DataFileDialogs(QWidget *owner, const qint16 &language)
        : m_owner(owner), m_language(language) {}

    // An existing file; the dialog refuses names of files that do not exist.
    QString openPath(const QString &filter) override;
    // A file name; a name typed without extension gets ".DAT". The dialog
    // asks nothing about existing files: the Save command does.
    QString savePath(const QString &filter) override;
    // A file name for an export; a name typed without extension gets `suffix`.
    QString exportPath(const QString &filter, const QString &suffix) override;

private:
    QString askSavePath(const QString &filter, const QString &suffix);
    QString startFolder() const;
    void remember(const QString &path);

    QWidget *m_owner;
    const qint16 &m_language;
    QString m_lastFolder;
};
