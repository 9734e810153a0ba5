#include "shell/journalwindow.h"

#include "shell/journal.h"
#include "shell/programmedradiostable.h"
#include "shell/radiooutcome.h"

#include <QDateTime>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {
template <typename T> T *named(T *object, const char *name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// The fields of a journal line, in the order of Journal::header().
enum Field { Time, Master, Digest, Port, Band, Model, Outcome, Backup, FieldCount };

// The SHA-256 as the table shows it: its first 12 digits.
constexpr int kShortDigest = 12;
} // namespace

JournalWindow::JournalWindow(QWidget *parent)
    : QWidget(parent, Qt::Window), lblJournalFile(named(new QLabel(this), "lblJournalFile")),
      JournalPath(named(new QLabel(this), "JournalPath")),
      lblNoJournal(named(new QLabel(this), "lblNoJournal")),
      journalList(named(new QTableWidget(0, FieldCount, this), "journalList")),
      cmdRefreshJournal(named(new QPushButton(this), "cmdRefreshJournal")),
      cmdOpenJournalFolder(named(new QPushButton(this), "cmdOpenJournalFolder")),
      cmdCloseJournal(named(new QPushButton(this), "cmdCloseJournal")) {
    setObjectName(QStringLiteral("JournalWindow"));
    JournalPath->setTextInteractionFlags(Qt::TextSelectableByMouse);
    JournalPath->setWordWrap(true);
    journalList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    journalList->setSelectionBehavior(QAbstractItemView::SelectRows);
    journalList->verticalHeader()->hide();
    journalList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Whole paths rather than cut ones: the list scrolls sideways.
    journalList->setWordWrap(false);
    journalList->horizontalHeader()->setStretchLastSection(false);
    for (int c = 0; c < FieldCount; ++c)
        journalList->setHorizontalHeaderItem(c, new QTableWidgetItem);

    auto *file = new QHBoxLayout;
    file->addWidget(lblJournalFile);
    file->addWidget(JournalPath, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdRefreshJournal);
    buttons->addWidget(cmdOpenJournalFolder);
    buttons->addStretch();
    buttons->addWidget(cmdCloseJournal);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(file);
    layout->addWidget(journalList, 1);
    layout->addWidget(lblNoJournal);
    layout->addLayout(buttons);

    connect(cmdRefreshJournal, &QPushButton::clicked, this, &JournalWindow::refresh);
    connect(cmdOpenJournalFolder, &QPushButton::clicked, this,
            [this] { emit openFolderRequested(QFileInfo(m_path).absolutePath()); });
    connect(cmdCloseJournal, &QPushButton::clicked, this, &QWidget::close);
    retranslate();
    resize(960, 480);
}

void JournalWindow::showJournal(const QString &path) {
    m_path = path;
    refresh();
    show();
    raise();
    activateWindow();
}

void JournalWindow::refresh() {
    m_lines = Journal(m_path).lines();
    // Oldest first: the journal is appended in time order, but a clock set
    // back or two programs at once can leave it otherwise.
    std::stable_sort(m_lines.begin(), m_lines.end(),
                     [](const QStringList &a, const QStringList &b) {
                         return QDateTime::fromString(a.at(Time), Qt::ISODate) <
                                QDateTime::fromString(b.at(Time), Qt::ISODate);
                     });
    fill();
    journalList->scrollToBottom();
}

void JournalWindow::fill() {
    JournalPath->setText(QDir::toNativeSeparators(m_path));
    journalList->setRowCount(int(m_lines.size()));
    for (int row = 0; row < m_lines.size(); ++row) {
        const QStringList &line = m_lines.at(row);
        RadioOutcome outcome = RadioOutcome::Done;
        const bool known = radioOutcomeOfWord(line.at(Outcome), &outcome);
        const QDateTime when = QDateTime::fromString(line.at(Time), Qt::ISODate);
        QStringList cells = line;
        if (when.isValid())
            cells[Time] = when.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        if (cells.at(Digest).size() > kShortDigest)
            cells[Digest] = cells.at(Digest).left(kShortDigest) + QStringLiteral("\u2026");
        if (known)
            cells[Outcome] = radioOutcomeText(outcome);
        cells[Backup] = QFileInfo(line.at(Backup)).fileName();
        const bool failed = known && isRadioFailure(outcome);
        for (int c = 0; c < FieldCount; ++c) {
            auto *cell = new QTableWidgetItem(cells.at(c));
            cell->setToolTip(line.at(c));
            if (failed)
                cell->setBackground(ProgrammedRadiosTable::failureColour());
            journalList->setItem(row, c, cell);
        }
    }
    lblNoJournal->setVisible(m_lines.isEmpty());
}

void JournalWindow::retranslate() {
    setWindowTitle(tr("Journal"));
    lblJournalFile->setText(tr("Journal file:"));
    lblNoJournal->setText(tr("No radio has been programmed yet."));
    const QString headers[FieldCount] = {tr("Time"), tr("Master"), tr("SHA-256"), tr("Port"),
                                         tr("Band"), tr("Model"),  tr("Outcome"), tr("Backup")};
    for (int c = 0; c < FieldCount; ++c)
        journalList->horizontalHeaderItem(c)->setText(headers[c]);
    cmdRefreshJournal->setText(tr("Refresh"));
    cmdOpenJournalFolder->setText(tr("Open folder"));
    cmdCloseJournal->setText(tr("Close"));
    fill();
}

void JournalWindow::changeEvent(QEvent *event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
