// The Program radios window's master: the editor's contents or a data
// file, taken, checked and shown with its name, its SHA-256 and what the
// radio could not hold.
#include "shell/programradioswindow.h"

#include "shell/writetexts.h"

#include <QDir>
#include <QLabel>
#include <QRadioButton>

void ProgramRadiosWindow::chooseMasterFile() {
    const QString path = m_host.chooseMasterFile();
    if (path.isEmpty())
        return;
    m_masterFile = path;
    ProgrammingMaster master;
    m_fileStatus = loadMasterFile(path, m_host.languageFlag(), &master);
    if (m_fileStatus.ok())
        m_fileMaster = master;
    else
        m_fileMaster.reset();
    setSource(Source::File);
}

void ProgramRadiosWindow::setSource(Source source) {
    m_source = source;
    optEditorMaster->setChecked(source == Source::Editor);
    optFileMaster->setChecked(source == Source::File);
    showMaster();
}

std::optional<ProgrammingMaster> ProgramRadiosWindow::takeMaster() {
    if (m_source == Source::Editor)
        return m_host.editorMaster();
    return m_fileMaster;
}

void ProgramRadiosWindow::showMaster() {
    m_master = takeMaster();
    showMasterText();
}

void ProgramRadiosWindow::showMasterText() {
    const qint16 language = m_host.languageFlag();
    QStringList check;
    bool errors = false;
    if (!m_master && m_source == Source::Editor) {
        lblMaster->clear();
    } else if (!m_master) {
        lblMaster->setText(m_masterFile.isEmpty()
                               ? tr("No master file chosen.")
                               : tr("Master: %1").arg(QDir::toNativeSeparators(m_masterFile)));
        check << (m_masterFile.isEmpty() ? tr("Choose the master file with Master file....")
                                         : stateFileMessage(m_fileStatus, m_masterFile, language));
        errors = !m_masterFile.isEmpty();
    } else {
        const ProgrammingMaster &m = *m_master;
        lblMaster->setText(tr("Master: %1").arg(m.name) + QStringLiteral("\nSHA-256: ") + m.digest);
        if (!m.usable()) {
            errors = true;
            check << tr("The radio cannot hold this master as it is; no radio is programmed "
                        "until it is mended:");
            for (const WriteWarning &w : m.errors)
                check << QStringLiteral("\u2022 ") +
                             warningText(w, m.state.bandPosition, false, language);
        } else {
            check << tr("The master can be written as it is.");
        }
        if (!m.warnings.isEmpty()) {
            check << tr("Note:");
            for (const WriteWarning &w : m.warnings)
                check << QStringLiteral("\u2022 ") +
                             warningText(w, m.state.bandPosition, false, language);
        }
    }
    lblMasterCheck->setText(check.join(QLatin1Char('\n')));
    lblMasterCheck->setStyleSheet(errors ? QStringLiteral("color: #b00000;") : QString());
}
