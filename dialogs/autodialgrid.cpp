#include "dialogs/autodialgrid.h"

#include "dialogs/inputrules.h"
#include "editor/filteredlineedit.h"
#include "editor/plainheaderview.h"
#include "model/settingsstore.h"

#include <QHeaderView>
#include <QStyledItemDelegate>

namespace {

class AutoDialDelegate : public QStyledItemDelegate {
public:
    explicit AutoDialDelegate(AutoDialGrid *grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &) const override {
        auto *editor = new FilteredLineEdit(TextRules::autoDialCell(), parent);
        editor->setFrame(false);
        return editor;
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override {
        model->setData(index, static_cast<QLineEdit *>(editor)->text());
        const int row = index.row();
        QMetaObject::invokeMethod(
            m_grid, [grid = m_grid, row] { emit grid->codeEdited(row); }, Qt::QueuedConnection);
    }

private:
    AutoDialGrid *m_grid;
};

} // namespace

AutoDialGrid::AutoDialGrid(QWidget *parent) : QTableWidget(kAutoDialCodes, 2, parent) {
    setObjectName(QStringLiteral("mfgrid1"));
    setItemDelegate(new AutoDialDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    verticalHeader()->hide();
    // The captions of the header come from the caption table.
    setHorizontalHeaderItem(0, new QTableWidgetItem());
    setHorizontalHeaderItem(1, new QTableWidgetItem());
    setHorizontalHeader(new PlainHeaderView(this));
    horizontalHeader()->setStretchLastSection(true);
    for (int r = 0; r < kAutoDialCodes; ++r) {
        auto *number = new QTableWidgetItem(QString::number(r + 1));
        number->setFlags(Qt::ItemIsEnabled);
        number->setTextAlignment(Qt::AlignCenter);
        setItem(r, 0, number);
        setItem(r, 1, new QTableWidgetItem);
    }
}

QString AutoDialGrid::code(int row) const {
    return item(row, 1)->text();
}

void AutoDialGrid::setCode(int row, const QString &code) {
    item(row, 1)->setText(code);
}
