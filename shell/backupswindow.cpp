#include "shell/backupswindow.h"

#include "shell/captiontable.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
template <typename T> T *named(T *object, const char *name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}
} // namespace

BackupsWindow::BackupsWindow(QWidget *parent)
    : QDialog(parent), lblBackupFolder(named(new QLabel(this), "lblBackupFolder")),
      FolderPath(named(new QLabel(this), "FolderPath")),
      lblNoBackups(named(new QLabel(this), "lblNoBackups")),
      BackupList(named(new QTableWidget(0, 3, this), "BackupList")),
      cmdOpenBackup(named(new QPushButton(this), "cmdOpenBackup")),
      cmdCloseBackups(named(new QPushButton(this), "cmdCloseBackups")) {
    setObjectName(QStringLiteral("frmBackups"));
    setWindowModality(Qt::WindowModal);
    FolderPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FolderPath->setWordWrap(true);
    BackupList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BackupList->setSelectionBehavior(QAbstractItemView::SelectRows);
    BackupList->setSelectionMode(QAbstractItemView::SingleSelection);
    BackupList->verticalHeader()->hide();
    BackupList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    BackupList->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < 3; ++c)
        BackupList->setHorizontalHeaderItem(c, new QTableWidgetItem);
    // Enter in the list opens, as the Open button does.
    BackupList->installEventFilter(this);

    auto *folder = new QHBoxLayout;
    folder->addWidget(lblBackupFolder);
    folder->addWidget(FolderPath, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOpenBackup);
    buttons->addWidget(cmdCloseBackups);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(folder);
    layout->addWidget(BackupList, 1);
    layout->addWidget(lblNoBackups);
    layout->addLayout(buttons);

    cmdOpenBackup->setDefault(true);
    connect(cmdOpenBackup, &QPushButton::clicked, this, &BackupsWindow::openSelected);
    connect(cmdCloseBackups, &QPushButton::clicked, this, &QDialog::reject);
    connect(BackupList, &QTableWidget::cellDoubleClicked, this, &BackupsWindow::openSelected);
    connect(BackupList, &QTableWidget::itemSelectionChanged, this,
            [this] { cmdOpenBackup->setEnabled(!selectedPath().isEmpty()); });
    resize(560, 400);
}

void BackupsWindow::showBackups(const BackupStore &store, qint16 language) {
    m_store = store;
    refresh(language);
    if (BackupList->rowCount() > 0)
        BackupList->selectRow(0);
    open();
    BackupList->setFocus(Qt::OtherFocusReason);
}

void BackupsWindow::refresh(qint16 language) {
    const QString selected = selectedPath();
    m_entries = m_store.list();
    FolderPath->setText(QDir::toNativeSeparators(m_store.folder()));
    BackupList->setRowCount(int(m_entries.size()));
    for (int row = 0; row < m_entries.size(); ++row) {
        const BackupEntry &e = m_entries.at(row);
        const QString cells[3] = {e.when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                                  backupKindCaption(e.kind == BackupKind::BeforeWrite, language),
                                  backupBandCaption(e.band, language)};
        for (int column = 0; column < 3; ++column) {
            auto *item = new QTableWidgetItem(cells[column]);
            item->setToolTip(QDir::toNativeSeparators(e.path));
            BackupList->setItem(row, column, item);
        }
        if (e.path == selected)
            BackupList->selectRow(row);
    }
    lblNoBackups->setVisible(m_entries.isEmpty());
    cmdOpenBackup->setEnabled(!selectedPath().isEmpty());
}

QString BackupsWindow::selectedPath() const {
    const int row = BackupList->currentRow();
    if (row < 0 || row >= m_entries.size() || BackupList->selectedItems().isEmpty())
        return QString();
    return m_entries.at(row).path;
}

void BackupsWindow::openSelected() {
    const QString path = selectedPath();
    if (path.isEmpty())
        return;
    // The owner puts the window away once the backup is open.
    emit openRequested(path);
}

bool BackupsWindow::eventFilter(QObject *watched, QEvent *event) {
    if (watched == BackupList && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
