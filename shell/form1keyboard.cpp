// Keyboard and layout comfort of the main window: the tab order of its
// controls and the widths of the Functions Setting lists.
#include "shell/form1.h"

#include "editor/channelgrid.h"
#include "shell/captiontable.h"

#include <QComboBox>
#include <QFontMetrics>

void Form1::setKeyboardOrder() {
    // Range, the Functions Setting lists from top to bottom, then the
    // channel table; Tab from the table goes round to Range again.
    QWidget *order[] = {Combo1, Combo2, Combo3, Combo4, Combo9, Combo6, Combo7, Grid1};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form1::fitFunctionLists() {
    // Each list is as wide as its longest item in either language, so that
    // no item is cut short after a switch and the panel keeps its width.
    // The list measures the items it shows itself (style, frame, arrow);
    // the difference to the widest text of the other language is added.
    for (QComboBox *combo : {Combo2, Combo3, Combo4, Combo9, Combo6, Combo7}) {
        const QFontMetrics metrics = combo->fontMetrics();
        int shown = 0;
        for (int i = 0; i < combo->count(); ++i)
            shown = std::max(shown, metrics.horizontalAdvance(combo->itemText(i)));
        int widest = shown;
        for (const QString &text : listItemTexts(combo->objectName()))
            widest = std::max(widest, metrics.horizontalAdvance(text));
        combo->setMinimumWidth(combo->sizeHint().width() + widest - shown);
    }
}
