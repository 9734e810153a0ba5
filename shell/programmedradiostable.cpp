#include "shell/programmedradiostable.h"

#include "model/bands.h"
#include "shell/radiooutcome.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHeaderView>

namespace {
// Each row keeps its outcome, to be said again in another language.
constexpr int kOutcomeRole = Qt::UserRole;
} // namespace

ProgrammedRadiosTable::ProgrammedRadiosTable(QWidget *parent)
    : QTableWidget(0, ColumnCount, parent) {
    setObjectName(QStringLiteral("programRadiosList"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    verticalHeader()->hide();
    setWordWrap(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    horizontalHeader()->setStretchLastSection(true);
    for (int c = 0; c < ColumnCount; ++c)
        setHorizontalHeaderItem(c, new QTableWidgetItem);
    retranslate();
}

QColor ProgrammedRadiosTable::failureColour() {
    return QColor(0xFF, 0xB8, 0xB8);
}

void ProgrammedRadiosTable::addRadio(int number, const QString &port, const RadioRecord &r) {
    const int row = rowCount();
    insertRow(row);
    const QString cells[ColumnCount] = {QString::number(number),
                                        r.when.toString(QStringLiteral("HH:mm:ss")),
                                        QDir::toNativeSeparators(port),
                                        r.band >= 0 ? bandText(r.band) : QString(),
                                        r.model,
                                        radioOutcomeText(r.outcome),
                                        QFileInfo(r.backup).fileName()};
    const bool failed = isRadioFailure(r.outcome);
    for (int c = 0; c < ColumnCount; ++c) {
        auto *cell = new QTableWidgetItem(cells[c]);
        if (failed) {
            cell->setBackground(failureColour());
            cell->setForeground(QColor(0x80, 0x00, 0x00));
        }
        setItem(row, c, cell);
    }
    item(row, Number)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item(row, Time)->setToolTip(r.when.toString(Qt::ISODate));
    item(row, Outcome)->setData(kOutcomeRole, int(r.outcome));
    if (!r.message.isEmpty())
        item(row, Outcome)->setToolTip(r.message);
    item(row, Backup)->setToolTip(QDir::toNativeSeparators(r.backup));
    if (failed) {
        QFont bold = item(row, Outcome)->font();
        bold.setBold(true);
        item(row, Outcome)->setFont(bold);
    }
    scrollToItem(item(row, Number));
}

void ProgrammedRadiosTable::retranslate() {
    const QString headers[ColumnCount] = {tr("No."),   tr("Time"),    tr("Port"),  tr("Band"),
                                          tr("Model"), tr("Outcome"), tr("Backup")};
    for (int c = 0; c < ColumnCount; ++c)
        horizontalHeaderItem(c)->setText(headers[c]);
    for (int row = 0; row < rowCount(); ++row)
        if (QTableWidgetItem *cell = item(row, Outcome))
            cell->setText(radioOutcomeText(RadioOutcome(cell->data(kOutcomeRole).toInt())));
}

void ProgrammedRadiosTable::changeEvent(QEvent *event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
