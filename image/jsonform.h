// The JSON form of the editor state: everything encoding reads, with the
// settings named by their English names and language-neutral values. It is
// lossless: loading the JSON of a state and encoding gives the same image as
// encoding the state itself.
#pragma once

#include "model/editorstate.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>

extern const char kJsonFormatName[]; // "VQ-740 editor state"
constexpr int kJsonFormatVersion = 1;

QByteArray stateToJson(const EditorState &state);

// Loads a JSON form over the state. Fields that are absent keep the value
// the state has. On a bad value nothing is changed and `error` names the
// field and says what is wrong with it.
bool stateFromJson(const QByteArray &json, EditorState &state, QString *error);

// One channel of the form's "Channels" list (language-neutral texts), and
// the same read back into row `row` of a table in the given language. A
// bad value changes nothing and `error` names the field.
QJsonObject channelToJson(const ChannelTable &table, int row);
bool channelFromJson(const QJsonValue &value, int row, qint16 language, ChannelTable &table,
                     QString *error);
