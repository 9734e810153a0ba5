#include "shell/writepreviewwindow.h"

#include "link/writeflow.h"
#include "shell/writetexts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
template <typename T> T *named(T *object, const char *name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}
} // namespace

WritePreviewWindow::WritePreviewWindow(QWidget *parent)
    : QDialog(parent), lblSummary(named(new QLabel(this), "lblSummary")),
      PreviewList(named(new QTableWidget(0, 3, this), "PreviewList")),
      lblWarnings(named(new QLabel(this), "lblWarnings")),
      WarningList(named(new QListWidget(this), "WarningList")),
      cmdWrite(named(new QPushButton(this), "cmdWrite")),
      cmdWriteAnyway(named(new QPushButton(this), "cmdWriteAnyway")),
      cmdCancelWrite(named(new QPushButton(this), "cmdCancelWrite")) {
    setObjectName(QStringLiteral("frmWritePreview"));
    setWindowModality(Qt::WindowModal);
    lblSummary->setWordWrap(true);
    PreviewList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    PreviewList->setSelectionBehavior(QAbstractItemView::SelectRows);
    PreviewList->verticalHeader()->hide();
    PreviewList->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    PreviewList->horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < 3; ++c)
        PreviewList->setHorizontalHeaderItem(c, new QTableWidgetItem);
    QPalette warningColours = WarningList->palette();
    warningColours.setColor(QPalette::Text, QColor(0xB0, 0x00, 0x00));
    WarningList->setPalette(warningColours);
    WarningList->setMaximumHeight(WarningList->fontMetrics().height() * 6);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdWrite);
    buttons->addWidget(cmdWriteAnyway);
    buttons->addWidget(cmdCancelWrite);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblSummary);
    layout->addWidget(PreviewList, 1);
    layout->addWidget(lblWarnings);
    layout->addWidget(WarningList);
    layout->addLayout(buttons);

    connect(cmdWrite, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdWriteAnyway, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdCancelWrite, &QPushButton::clicked, this, &QDialog::reject);
    connect(this, &QDialog::finished, this, [this](int result) {
        if (result == QDialog::Accepted)
            emit writeChosen();
        else
            emit cancelChosen();
    });
    resize(720, 480);
}

void WritePreviewWindow::showPreview(const WriteFlow &flow, bool bandOverride, qint16 language) {
    const ImageChanges &changes = flow.changes();
    lblSummary->setText(previewSummary(changes, language));
    const QList<ChangeLine> lines = changeLines(changes, language);
    PreviewList->setRowCount(int(lines.size()));
    for (int row = 0; row < lines.size(); ++row) {
        const QString cells[3] = {lines[row].field, lines[row].before, lines[row].after};
        for (int column = 0; column < 3; ++column)
            PreviewList->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
    PreviewList->setVisible(!lines.isEmpty());

    const QStringList warnings = warningTexts(flow, bandOverride, language);
    WarningList->clear();
    WarningList->addItems(warnings);
    lblWarnings->setVisible(!warnings.isEmpty());
    WarningList->setVisible(!warnings.isEmpty());

    // Nothing to change: only an explicit "Write anyway" writes. With
    // warnings, Enter cancels rather than writes.
    const bool identical = changes.isEmpty();
    cmdWrite->setVisible(!identical);
    cmdWriteAnyway->setVisible(identical);
    QPushButton *byDefault = identical || !warnings.isEmpty() ? cmdCancelWrite : cmdWrite;
    for (QPushButton *button : {cmdWrite, cmdWriteAnyway, cmdCancelWrite}) {
        button->setAutoDefault(button == byDefault);
        button->setDefault(button == byDefault);
    }
    open();
    byDefault->setFocus(Qt::OtherFocusReason);
}
