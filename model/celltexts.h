// Texts of the channel table that depend on the language flag: the Off
// caption of the tone columns, the items of each option column and the
// names of the columns, as the table of columns (model/channelcolumns.h)
// gives them.
#pragma once

#include <QString>
#include <QtGlobal>

// Language flag: 0 Chinese, every other value shows English captions.
inline bool isChinese(qint16 language) {
    return language == 0;
}

// The Off caption, item 0 of the tone list: "关闭" or "Off".
QString offCaption(qint16 language);

// True when a tone cell holds Off in either language.
bool isOffText(const QString &text);

// The caption of a column in the header row of the channel table ("CH",
// "RX frequency", "QT/DQT", ...); both tone columns read "QT/DQT".
QString columnCaption(int column, qint16 language);

// The name of a column in a change list: in English its key in the JSON
// form ("RX QT/DQT"), in Chinese its caption, with the side for a tone
// column ("接收亚音频").
QString columnName(int column, qint16 language);

// Item 0 or 1 of the option list of an option column (Power, BCLO, W/N,
// Scan Add) in the given language; empty for any other column.
QString optionText(int column, int item, qint16 language);
