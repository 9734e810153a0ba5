// The captions of the option dialogs and the About box, and the items of
// their lists: English source texts the translations turn into the language
// (context: the dialog's name; "Dialogs" for OK and Cancel). The rows of the caption table are
// applied in the order given here: Debug Parameters, Test Frequency,
// Optional Function, Keys Set, Embedded Information, About box.
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <QtGlobal>

// A source text with the words that tell it apart from a text of the same
// context that reads alike in English (QT_TRANSLATE_NOOP3 gives one).
struct CaptionSource {
    const char *text;
    const char *disambiguation;
};

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
    QString same;                         // a caption that reads the same in every language
    const char *context;                  // else: the translation context (the window's name)
    const char *source;                   // and the text in English, as the code has it
    const char *disambiguation;           // (see CaptionSource)
    QString (*argument)(qint16 language); // or a text made in a language

    // The text in the language of the moment, or for a language flag (0
    // Chinese, any other the language of the moment or English).
    QString text() const;
    QString text(qint16 language) const;
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
