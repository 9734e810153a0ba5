// Channel rows on the clipboard: tab-separated text with a header row of the
// table's column captions (pastes as cells into a spreadsheet), and the
// program's own exact form. Paste puts rows into the channels from a first
// channel on, through the channel table's entry rules.
#pragma once

#include "model/editorstate.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The media type of the program's own form on the clipboard.
extern const char kChannelsMimeType[]; // "application/x-vq740-channels"

struct ChannelClip {
    QString text;           // TSV: header row, then one row per channel, CRLF
    QByteArray privateData; // the exact channels (JSON)
};

// The rows (channels 1-16, in any order; taken in ascending order) as text
// in the language of the state and in the program's own form.
ChannelClip copyChannels(const EditorState &state, const QList<int> &rows);

struct PasteResult {
    bool ok = false;
    QString message;  // why the paste is refused, naming channel and column
    EditorState next; // the state with the pasted channels, when ok
    int firstRow = 0; // the channels pasted into
    int lastRow = 0;
};

// Pastes from channel `firstRow` on. The program's own form is used when
// given, otherwise the text. Text rows of 9 cells start with the channel
// number (ignored); shorter rows start with the RX frequency. A header row
// in either language is skipped. Every cell goes through the entry rules:
// frequencies within the band limits, rounded and snapped; empty cells get
// the new-channel defaults (TX = RX, tones Off, High, Off, Wide, Yes); an
// empty RX frequency empties the channel. A bad cell refuses the whole paste.
PasteResult pasteChannels(const EditorState &state, int firstRow, const QString &text,
                          const QByteArray &privateData = QByteArray());

// The state with the given channels emptied (Cut and Delete).
EditorState stateWithoutChannels(const EditorState &state, const QList<int> &rows);
