#include "interop/chirpfiles.h"

#include "image/filewriter.h"

#include <QFile>
#include <QFileInfo>

bool isChirpCsvPath(const QString &path) {
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

ChirpImport importChirpFile(const QString &path, const ImportOptions &options,
                            StateFileStatus *status) {
    *status = StateFileStatus();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        status->error = StateFileError::CannotRead;
        status->detail = file.errorString();
        return ChirpImport();
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        status->error = StateFileError::CannotRead;
        status->detail = file.errorString();
        return ChirpImport();
    }
    return importChirpCsv(bytes, options);
}

StateFileStatus exportChirpFile(const QString &path, const EditorState &state,
                                ChirpExport *result) {
    const ChirpExport out = exportChirpCsv(state);
    if (result)
        *result = out;
    StateFileStatus status;
    if (!writeWholeFile(path, out.bytes, &status.detail))
        status.error = StateFileError::CannotWrite;
    return status;
}
