// Texts of the channel table cells that depend on the language flag: the
// Off caption of the tone columns and the two items of each option column.
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

// The caption of column 0 to 8 in the header row of the channel table
// ("CH", "RX frequency", "QT/DQT", ...); both tone columns read "QT/DQT".
QString columnCaption(int column, qint16 language);

// Item 0 or 1 of the option list of column 5 (Power), 6 (BCLO), 7 (W/N) or
// 8 (Scan Add) in the given language.
QString optionText(int column, int item, qint16 language);
