#include "dialogs/testfrequencygrid.h"

#include "editor/plainheaderview.h"
#include "model/settingsstore.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QStyledItemDelegate>

namespace {

// The cell editor: a plain line edit whose text, once the edit is done,
// goes through the test frequency rules together with the rest of its row.
class TestFrequencyDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &) const override {
        auto *editor = new QLineEdit(parent);
        editor->setAlignment(Qt::AlignCenter);
        editor->setFrame(false);
        return editor;
    }

    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override {
        const QString typed = static_cast<QLineEdit *>(editor)->text();
        const QModelIndex rx = model->index(index.row(), TestFrequencyGrid::ColRx);
        const QModelIndex tx = model->index(index.row(), TestFrequencyGrid::ColTx);
        const TestFrequencyRow before{model->data(rx).toString(), model->data(tx).toString()};
        const TestFrequencyRow after = index.column() == TestFrequencyGrid::ColRx
                                           ? afterRxEdit(before, typed)
                                           : afterTxEdit(before, typed);
        model->setData(rx, after.rx);
        model->setData(tx, after.tx);
    }
};

QTableWidgetItem *centredItem(const QString &text, bool editable) {
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignCenter);
    if (!editable)
        item->setFlags(Qt::ItemIsEnabled);
    return item;
}

} // namespace

TestFrequencyGrid::TestFrequencyGrid(QWidget *parent)
    : QTableWidget(kTestFrequencyRows, 3, parent) {
    setObjectName(QStringLiteral("mfgrid1"));
    setItemDelegate(new TestFrequencyDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                    QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(true);
    verticalHeader()->hide();
    setHorizontalHeader(new PlainHeaderView(this));
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    for (int c = 0; c < 3; ++c)
        setHorizontalHeaderItem(c, centredItem(QString(), false));
    const QBrush fixed = palette().brush(QPalette::Button);
    for (int r = 0; r < kTestFrequencyRows; ++r) {
        QTableWidgetItem *number =
            centredItem(QStringLiteral("%1").arg(r + 1, 2, 10, QLatin1Char('0')), false);
        number->setBackground(fixed);
        setItem(r, ColChannel, number);
        setItem(r, ColRx, centredItem(QString(), true));
        setItem(r, ColTx, centredItem(QString(), true));
    }

    // Column widths and row heights of the original grid (850, 1330 and
    // 1330 twips wide, 300 twips high), widened where the font needs it.
    const QFontMetrics fm = fontMetrics();
    const int numberWidth = qMax(57, fm.horizontalAdvance(QStringLiteral("Channel")) + 20);
    const int frequencyWidth = qMax(89, fm.horizontalAdvance(QStringLiteral("RX Frequency")) + 24);
    setColumnWidth(ColChannel, numberWidth);
    setColumnWidth(ColRx, frequencyWidth);
    setColumnWidth(ColTx, frequencyWidth);
    const int rowHeight = qMax(20, fm.height() + 8);
    verticalHeader()->setDefaultSectionSize(rowHeight);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setFixedHeight(rowHeight + 4);
    const int frame = 2 * frameWidth();
    setMinimumWidth(numberWidth + 2 * frequencyWidth + frame + 1);
    setMinimumHeight(rowHeight + 4 + kTestFrequencyRows * rowHeight + frame + 1);

    // A click starts editing the clicked cell at once.
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &index) {
        if (state() != EditingState)
            edit(index, AllEditTriggers, nullptr);
    });
}

TestFrequencyRow TestFrequencyGrid::rowTexts(int row) const {
    return TestFrequencyRow{item(row, ColRx)->text(), item(row, ColTx)->text()};
}

void TestFrequencyGrid::setRowTexts(int row, const TestFrequencyRow &texts) {
    item(row, ColRx)->setText(texts.rx);
    item(row, ColTx)->setText(texts.tx);
}

void TestFrequencyGrid::finishEditing() {
    if (state() != EditingState)
        return;
    QWidget *editor = indexWidget(currentIndex());
    if (!editor) {
        editor = QApplication::focusWidget();
        if (!editor || !isAncestorOf(editor))
            return;
    }
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
}

bool TestFrequencyGrid::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) {
    if (index.isValid() && index.column() == ColTx && !txEditAllowed(rowTexts(index.row())))
        return false;
    return QTableWidget::edit(index, trigger, event);
}
