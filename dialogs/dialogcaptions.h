// The captions of the option dialogs and the About box in Chinese and in
// English, and the items of their lists. The rows of the caption table are
// applied in the order given here: Debug Parameters, Test Frequency,
// Optional Function, Keys Set, Embedded Information, About box.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

struct DialogCaption {
    enum Kind {
        WindowTitle, // the window's title; `control` is empty
        Text,        // caption of a label, frame, check box or button
        GridHeader,  // header cell `index` of a grid
        ListItem,    // item `index` of a list
    };
    QString window;  // objectName of the dialog: Form2, Form4, ... frmAbout
    QString control; // objectName of the control
    Kind kind;
    int index;
    QString chinese;
    QString english;

    // Language flag 0 shows Chinese, every other value English.
    QString text(qint16 language) const { return language == 0 ? chinese : english; }
};

// Every row of the dialogs' caption table, in the order of application.
const QVector<DialogCaption> &dialogCaptionTable();

// All items of a list of a dialog in the given language, as the list is
// filled when its dialog is loaded. Lists the caption table relabels give
// the same texts as the table; the others are the same in both languages.
// An unknown list gives an empty list.
QStringList dialogListItems(const QString &window, const QString &control, qint16 language);

// The maker's name, as the About box's credit line and the main window's
// copyright line give it.
QString makerName(qint16 language);
