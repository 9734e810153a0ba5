// What the window and the command line say about a write: the change list
// of the preview, the warnings, the outcome of the whole write (the line
// that stays on screen) and the message of a failed check, in Chinese
// (language flag 0) or English (any other value).
#pragma once

#include "image/imagechanges.h"
#include "image/writechecks.h"
#include "link/writeflow.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// The name of a channel column in a change list: "RX frequency",
// "RX QT/DQT", ... "Scan Add".
QString channelFieldName(int column, qint16 language);

// "CH 03": the channel as the change list names it.
QString channelLabel(int channel, qint16 language);

// A value as the change list shows it: the text, or "(empty)".
QString shownValue(const QString &text, qint16 language);

// The name of a setting of the settings table in a change list: the
// caption its window shows ("Squelch Level", "VOX Gain Level"), with the
// entry's number for a setting of several ("Auto-dial Memory 3").
QString settingName(int field, int entry, qint16 language);
// A setting's value as its window shows it: the list item, the text, the
// number; bytes decoding would not apply are shown as bytes.
QString settingValueText(int field, int number, const QString &text, bool valid,
                         const QByteArray &bytes, qint16 language);

// One change: the field, the old and the new value.
struct ChangeLine {
    QString field;
    QString before;
    QString after;
};
QList<ChangeLine> changeLines(const ImageChanges &changes, qint16 language);
// The same as lines of text, "CH 03 RX frequency: 446.00625 -> 446.01250".
QStringList changeTexts(const ImageChanges &changes, qint16 language);

// One warning; `dataBand` is the band position of the data to be written,
// `bandOverride` whether a band difference will be asked about.
QString warningText(const WriteWarning &warning, int dataBand, bool bandOverride, qint16 language);
QStringList warningTexts(const WriteFlow &flow, bool bandOverride, qint16 language);

// The heading of the preview: how many changes, or that the radio already
// holds exactly this.
QString previewSummary(const ImageChanges &changes, qint16 language);

// The line that stays on screen after a write.
QString writeOutcomeText(const WriteFlow &flow, WriteFlowOutcome outcome, qint16 language);

// The message after a failed check: what differs, and the question whether
// to write the backup back (Yes / No).
QString verifyFailureMessage(const WriteFlow &flow, qint16 language);

// The question whether to write the backup taken before the write back to
// the radio, naming the file.
QString restoreQuestion(const WriteFlow &flow, qint16 language);

// The line that stays on screen after a read, naming its backup.
QString readOutcomeText(const BackupSaveResult &backup, qint16 language);
