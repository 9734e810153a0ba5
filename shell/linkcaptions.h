// Captions and messages of the windows of the serial link: Other port...
// and the serial trace, in Chinese and English.
#pragma once

#include <QString>
#include <QtGlobal>

enum class LinkCaption {
    OtherPortTitle,  // the Other port window's title
    OtherPortLabel,  // the label of the device field
    OtherPortHint,   // examples of device paths
    TraceTitle,      // the serial trace window's title
    TraceEmpty,      // shown while nothing has been recorded
    TraceSave,       // the Save button
    TraceSaveTitle,  // the title of the save dialog
    TraceFileFilter, // the file type of the save dialog
    Ok,
    Cancel,
    Close,
};

// 0 Chinese, anything else English.
QString linkCaption(LinkCaption caption, qint16 language);

// The message when a trace cannot be saved: the file and the system's reason.
QString traceSaveFailedText(const QString &path, const QString &reason, qint16 language);

// The file a trace is saved as: ".txt" is added to a name typed without an
// extension.
QString traceFileName(const QString &path);
