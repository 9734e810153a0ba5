// The caption table of the main window: every fixed text of Form1 in
// Simplified Chinese and English, in the order SetLanguageText applies it.
#pragma once

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
    int index; // button, column or item; 0 where not used
    QString chinese;
    QString english;

    // The Chinese text for flag 0, the English one for every other value.
    const QString &text(qint16 language) const { return language == 0 ? chinese : english; }
};

const QVector<CaptionRow> &mainWindowCaptions();

// The text of one row of the table (empty when there is none).
QString captionText(const QString &control, qint16 language,
                    CaptionKind kind = CaptionKind::Caption, int index = 0);

// The item texts of a list of the main window in both languages (Chinese
// first), for laying it out wide enough for either.
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
