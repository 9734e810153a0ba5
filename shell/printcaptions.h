// The texts of the printed channel list that come from the main window's
// caption table: the Functions Setting captions and their list entries.
#pragma once

#include "interop/channellist.h"

#include <QList>
#include <QtGlobal>

struct EditorState;

// The settings the Functions Setting panel shows (Voice Notice, Time-out
// Timer, Squelch Level, Battery Save and Beep) with the texts of their
// selected entries, as the window shows them.
QList<SettingLine> functionSettingLines(const EditorState &state, qint16 language);

// The channel list document of the state in its language.
QString channelListDocument(const EditorState &state, const ChannelListOptions &options);
