#include "image/statefile.h"

#include "image/datafile.h"
#include "image/filewriter.h"
#include "image/imagecodec.h"
#include "image/jsonform.h"
#include "image/systemreason.h"
#include "model/editorstate.h"
#include "model/texts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using vq740::translate;

StateFileKind stateFileKindOf(const QString &path, StateFileKind other) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("dat"))
        return StateFileKind::DataFile;
    if (suffix == QLatin1String("json"))
        return StateFileKind::Json;
    return other;
}

StateFileStatus loadStateFile(const QString &path, EditorState &state, StateFileKind other) {
    StateFileStatus status;
    switch (stateFileKindOf(path, other)) {
    case StateFileKind::Unknown:
        status.error = StateFileError::UnknownKind;
        return status;
    case StateFileKind::DataFile: {
        DataFileError error = DataFileError::None;
        const QString image = readDataFile(path, &error);
        if (error == DataFileError::CannotRead)
            status.error = StateFileError::CannotRead;
        else if (error != DataFileError::None || !DecodeImage(state, image))
            status.error = StateFileError::TooShort;
        return status;
    }
    case StateFileKind::Json: {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            status.error = StateFileError::CannotRead;
            status.detail = file.errorString();
            return status;
        }
        const QByteArray json = file.readAll();
        if (file.error() != QFileDevice::NoError) {
            status.error = StateFileError::CannotRead;
            status.detail = file.errorString();
            return status;
        }
        if (!stateFromJson(json, state, &status.detail))
            status.error = StateFileError::BadContent;
        return status;
    }
    }
    return status;
}

StateFileStatus saveStateFile(const QString &path, const EditorState &state, StateFileKind other) {
    StateFileStatus status;
    QByteArray bytes;
    switch (stateFileKindOf(path, other)) {
    case StateFileKind::Unknown:
        status.error = StateFileError::UnknownKind;
        return status;
    case StateFileKind::DataFile:
        bytes = bytesFromImage(EncodeImage(state));
        break;
    case StateFileKind::Json:
        bytes = stateToJson(state);
        break;
    }
    if (!writeWholeFile(path, bytes, &status.detail))
        status.error = StateFileError::CannotWrite;
    return status;
}

QString stateFileMessage(const StateFileStatus &status, const QString &path, qint16 language) {
    const TextLanguage scope(language);
    const QString name = QDir::toNativeSeparators(path);
    switch (status.error) {
    case StateFileError::None:
        return QString();
    case StateFileError::UnknownKind:
        return translate("StateFile",
                         "The file %1 is of an unknown kind: its name must end in .dat "
                         "or .json.")
            .arg(name);
    case StateFileError::CannotRead:
        return translate("StateFile", "The file %1 cannot be read.").arg(name);
    case StateFileError::TooShort:
        return translate("StateFile", "The file %1 is too short to be a data file.").arg(name);
    case StateFileError::BadContent:
        return translate("StateFile", "The file %1 cannot be used: %2").arg(name, status.detail);
    case StateFileError::CannotWrite: {
        // A failed write leaves the old file as it was: a file there now was
        // there before; otherwise nothing at all was written.
        const bool oldFileKept = QFileInfo::exists(path);
        const QString detail = systemReasonText(status.detail, language);
        const QString reason =
            detail.isEmpty()
                ? QString()
                : translate("StateFile", " (%1)", "the system's reason, after the file's name")
                      .arg(detail);
        return (oldFileKept
                    ? translate("StateFile",
                                "The file %1 cannot be written%2; the old file is unchanged.")
                    : translate("StateFile",
                                "The file %1 cannot be written%2; nothing was written."))
            .arg(name, reason);
    }
    }
    return QString();
}
