#include "shell/linkcaptions.h"

#include "image/systemreason.h"
#include "model/texts.h"

#include <QFileInfo>

using vq740::translate;

QString linkCaption(LinkCaption caption, qint16 language) {
    const TextLanguage scope(language);
    switch (caption) {
    case LinkCaption::OtherPortTitle:
        return translate("LinkWindows", "Other port");
    case LinkCaption::OtherPortLabel:
        return translate("LinkWindows", "Serial &device:");
    case LinkCaption::OtherPortHint:
#ifdef Q_OS_WIN
        return translate("LinkWindows", "For example COM12");
#else
        return translate(
            "LinkWindows",
            "For example /dev/ttyUSB4, /dev/serial/by-id/..., /dev/rfcomm0 (Bluetooth) "
            "or /dev/pts/3 (simulated radio)");
#endif
    case LinkCaption::TraceTitle:
        return translate("LinkWindows", "Serial trace");
    case LinkCaption::TraceEmpty:
        return translate("LinkWindows",
                         "No exchange with the radio yet. After a read or a write, every byte sent "
                         "and received is listed here.");
    case LinkCaption::TraceSave:
        return translate("LinkWindows", "&Save...");
    case LinkCaption::TraceSaveTitle:
        return translate("LinkWindows", "Save the serial trace");
    case LinkCaption::TraceFileFilter:
        return translate("LinkWindows", "Text files (*.txt)");
    case LinkCaption::Ok:
        return translate("LinkWindows", "OK");
    case LinkCaption::Cancel:
        return translate("LinkWindows", "Cancel");
    case LinkCaption::Close:
        return translate("LinkWindows", "&Close");
    }
    return QString();
}

QString traceSaveFailedText(const QString &path, const QString &reason, qint16 language) {
    const TextLanguage scope(language);
    return translate("LinkWindows", "The serial trace could not be saved as %1: %2")
        .arg(path, systemReasonText(reason, language));
}

QString traceFileName(const QString &path) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".txt");
}
