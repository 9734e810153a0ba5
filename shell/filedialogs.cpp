#include "shell/filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

QString DataFileDialogs::startFolder() const {
    return m_lastFolder.isEmpty() ? QDir::homePath() : m_lastFolder;
}

void DataFileDialogs::remember(const QString &path) {
    if (!path.isEmpty())
        m_lastFolder = QFileInfo(path).absolutePath();
}

QString DataFileDialogs::openPath(const QString &filter) {
    QFileDialog dialog(m_owner, m_language == 0 ? QStringLiteral("打开") : QStringLiteral("Open"),
                       startFolder(), filter);
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
    QFileDialog dialog(m_owner, m_language == 0 ? QStringLiteral("保存") : QStringLiteral("Save"),
                       startFolder(), filter);
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
