#include "shell/setlanguagetext.h"

#include "dialogs/optiondialogs.h"
#include "editor/channelgrid.h"
#include "model/texts.h"
#include "shell/captiontable.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTableWidget>

namespace {
void setCaption(QWidget &form, const QString &control, const QString &text) {
    QObject *object = form.findChild<QObject *>(control);
    if (auto *menu = qobject_cast<QMenu *>(object))
        menu->setTitle(text);
    else if (auto *action = qobject_cast<QAction *>(object))
        action->setText(text);
    else if (auto *frame = qobject_cast<QGroupBox *>(object))
        frame->setTitle(text);
    else if (auto *label = qobject_cast<QLabel *>(object))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(object))
        button->setText(text);
    else if (auto *window = qobject_cast<QWidget *>(object); window && window->isWindow())
        window->setWindowTitle(text);
}

void setTableHeader(QWidget &form, const QString &control, int column, const QString &text) {
    auto *table = form.findChild<QTableWidget *>(control);
    if (!table || column >= table->columnCount())
        return;
    if (!table->horizontalHeaderItem(column))
        table->setHorizontalHeaderItem(column, new QTableWidgetItem);
    table->horizontalHeaderItem(column)->setText(text);
}

void setListItem(QWidget &form, const QString &control, int index, const QString &text) {
    // The in-place editors of the channel table may not exist yet; a list
    // that is missing or too short is left alone.
    const auto combos = form.findChildren<QComboBox *>(control);
    for (QComboBox *combo : combos)
        if (index < combo->count())
            combo->setItemText(index, text);
}
} // namespace

void SetLanguageText(QWidget &form, OptionDialogs &dialogs, qint16 language) {
    // The texts of the language catalogue follow the window's language.
    Texts::setLanguage(languageOfFlag(language));
    auto *grid = form.findChild<ChannelGrid *>(QStringLiteral("Grid1"));
    for (const CaptionRow &row : mainWindowCaptions()) {
        const QString &text = row.text(language);
        switch (row.kind) {
        case CaptionKind::WindowTitle:
            form.setWindowTitle(text);
            break;
        case CaptionKind::Caption:
            setCaption(form, row.control, text);
            break;
        case CaptionKind::ToolTip:
            // Toolbar1_1 to Toolbar1_8.
            if (auto *button = form.findChild<QAction *>(
                    QStringLiteral("%1_%2").arg(row.control).arg(row.index)))
                button->setToolTip(text);
            break;
        case CaptionKind::GridHeader:
            grid->setHeaderText(row.index, text);
            break;
        case CaptionKind::ListItem:
            setListItem(form, row.control, row.index, text);
            break;
        case CaptionKind::TableHeader:
            setTableHeader(form, row.control, row.index, text);
            break;
        }
    }
    grid->setLanguage(language);
    dialogs.SetLanguageText(language);
}
