// The captions of the main window: every fixed text of Form1 by its control,
// as an English source text that the translations turn into the language of
// the moment, in the order SetLanguageText applies them.
#pragma once

#include "dialogs/dialogcaptions.h"

#include <QString>
#include <QVector>
#include <QtGlobal>

enum class CaptionKind {
    WindowTitle, // the window's title
    Caption,     // text of a menu, menu item, frame, label or button; title of a window
    ToolTip,     // tool tip of toolbar button `index` (1-based)
    GridHeader,  // header cell of Grid1, column `index`
    ListItem,    // text of item `index` of a list
    TableHeader, // header cell `index` of another table of the window
};

struct CaptionRow {
    QString control; // objectName of the control
    CaptionKind kind;
    int index;                             // button, column or item; 0 where not used
    const char *context;                   // the translation context of the text
    const char *source;                    // the text in English, as the code has it
    const char *disambiguation = nullptr;  // see CaptionSource
    int number = -1;                       // a numbered item: the number for %1
    QString (*argument)(qint16) = nullptr; // a text for %1, made in a language

    // The text in the language of the moment, or for a language flag
    // (0 Chinese, any other the language of the moment or English).
    QString text() const;
    QString text(qint16 language) const;
};

const QVector<CaptionRow> &mainWindowCaptions();

// The text of one row of the table (empty when there is none).
QString captionText(const QString &control, qint16 language,
                    CaptionKind kind = CaptionKind::Caption, int index = 0);

// The item texts of a list of the main window in every language (Chinese
// first), for laying it out wide enough for any.
QStringList listItemTexts(const QString &control);

// The port items "COM1(&1)" to "COM8(&8)" are not in the table: they read
// the same in both languages.
QString portItemCaption(int port);

// The caption of a control (a menu item made while the program runs).
QString captionOf(const QString &control, qint16 language);

// The program's title for a language (the main window's title).
QString mainWindowTitle(qint16 language);

// The kind of a backup as the Backups window shows it: "Read" or
// "Before write" (`beforeWrite`).
QString backupKindCaption(bool beforeWrite, qint16 language);

// The band of a backup as the Backups window shows it: the range
// ("400-470MHz"), or for a band code outside the table "unknown-band", in
// Chinese 未知频段.
QString backupBandCaption(const QString &band, qint16 language);
