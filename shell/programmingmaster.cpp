#include "shell/programmingmaster.h"

#include "image/imagecodec.h"
#include "shell/journal.h"

#include <QDir>
#include <QFileInfo>

bool isMasterError(const WriteWarning &warning) {
    return warning.kind != WriteWarningKind::ToneWithoutTx &&
           warning.kind != WriteWarningKind::BandMismatch &&
           warning.kind != WriteWarningKind::UnknownBand;
}

ProgrammingMaster programmingMaster(const EditorState &state, const QString &name) {
    ProgrammingMaster master;
    master.state = state;
    master.state.bandOverrideMode = false;
    master.state.debugWriteMode = false;
    master.name = name;
    master.digest = masterDigest(bytesFromImage(EncodeImage(master.state)));
    for (const WriteWarning &w : checkBeforeWrite(master.state, master.state.bandPosition))
        (isMasterError(w) ? master.errors : master.warnings) << w;
    return master;
}

QString editorMasterName(const QString &filePath) {
    return QStringLiteral("editor: ") +
           (filePath.isEmpty() ? QStringLiteral("untitled") : QDir::toNativeSeparators(filePath));
}

StateFileStatus loadMasterFile(const QString &path, qint16 language, ProgrammingMaster *master) {
    EditorState state;
    state.language = language;
    state.loadStartUpValues();
    StateFileStatus status = loadStateFile(path, state, StateFileKind::DataFile);
    if (status.ok())
        *master = programmingMaster(state, QFileInfo(path).absoluteFilePath());
    return status;
}
