#include "shell/filedialogs.h"
#include "model/texts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

using vq740::translate;

QString DataFileDialogs::startFolder() const {
    return m_lastFolder.isEmpty() ? QDir::homePath() : m_lastFolder;
}

void DataFileDialogs::remember(const QString &path) {
    if (!path.isEmpty())
        m_lastFolder = QFileInfo(path).absolutePath();
}

QString DataFileDialogs::openPath(const QString &filter) {
    const TextLanguage scope(m_language);
    QFileDialog dialog(m_owner, translate("FileDialogs", "Open"), startFolder(), filter);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString path = dialog.selectedFiles().first();
    remember(path);
    return path;
}

QString DataFileDialogs::savePath(const QString &filter) {
    return askSavePath(filter, QStringLiteral("DAT"));
}

QString DataFileDialogs::exportPath(const QString &filter, const QString &suffix) {
    return askSavePath(filter, suffix);
}

QString DataFileDialogs::askSavePath(const QString &filter, const QString &suffix) {
    const TextLanguage scope(m_language);
    QFileDialog dialog(m_owner, translate("FileDialogs", "Save"), startFolder(), filter);
    dialog.setObjectName(QStringLiteral("CommonDialog1"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    QString path = dialog.selectedFiles().first();
    remember(path);
    return path;
}
