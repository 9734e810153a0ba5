// The printable channel list: a title, the range, the date, the channels as
// the channel table shows them in the state's language, and the function
// settings, as an HTML document that QTextDocument lays out and that a
// browser shows as well.
#pragma once

#include <QDate>
#include <QList>
#include <QString>

struct EditorState;

// One function setting as the main window shows it: its caption and the
// text of its selected list entry.
struct SettingLine {
    QString label;
    QString value;
};

struct ChannelListOptions {
    bool omitEmpty = false; // leave out channels not in use
    QDate date;             // printed under the title
};

// The document title in the language (a flag as TextLanguage takes it, 0
// Chinese): "VQ-740 Channel List" in English.
QString channelListTitle(qint16 language);

QString channelListHtml(const EditorState &state, const QList<SettingLine> &settings,
                        const ChannelListOptions &options);
