// Texts of the channel table in a language (flag 0 Chinese, any other the
// language of the moment or English): the Off caption of the tone columns,
// the items of each option column and the names of the columns, the table
// of columns (model/channelcolumns.h) giving their source texts, context
// "ChannelColumns" (captions, items) and "ChangeList" (names).
#pragma once

#include <QString>
#include <QtGlobal>

// The Off caption, item 0 of the tone list ("Off").
QString offCaption(qint16 language);

// True when a tone cell holds Off in any language.
bool isOffText(const QString &text);

// The caption of a column in the header row of the channel table ("CH",
// "RX frequency", "QT/DQT", ...); both tone columns read "QT/DQT".
QString columnCaption(int column, qint16 language);

// The name of a column in a change list: in English its key in the JSON
// form ("RX QT/DQT"), translated with the side for a tone column.
QString columnName(int column, qint16 language);

// Item 0 or 1 of the option list of an option column (Power, BCLO, W/N,
// Scan Add) in the given language; empty for any other column.
QString optionText(int column, int item, qint16 language);
