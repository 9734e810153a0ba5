// The system's reason for a failed file or device operation, in the
// program's language. In a language that names a reason the program knows
// (Chinese), its name comes first, followed by the system's own text in
// brackets ("权限不足（Permission denied）"), so that the exact words stay
// there for a search or a support request; in English the system's text is
// shown as it is. A reason the program does not know is the system's text
// alone. The names are the translations' texts of the context
// "SystemReason".
//
// Shared by the serial port's messages and the messages of files that
// cannot be saved.
#pragma once

#include <QFileDevice>
#include <QString>
#include <QtGlobal>

// The reason of a failure with the error number (errno) the system gave,
// and its text; an empty text stands for the system's wording of the
// number. Language: a language flag as TextLanguage takes it (0 Chinese).
QString systemReasonText(int errorNumber, const QString &systemText, qint16 language);

// The same where only the system's text was kept (a save's reason, as
// QFile::errorString() gives it): the error number is the one whose
// wording the text is or ends with.
QString systemReasonText(const QString &systemText, qint16 language);

// The same where only a file's error kind is known (QFile::error()).
QString systemReasonText(QFileDevice::FileError error, const QString &systemText, qint16 language);
