// vq740-cli convert IN OUT: open a data file or JSON form as the program
// would after starting, and save it in the other (or the same) form.
#include "cli/cli.h"

#include "image/datafile.h"
#include "image/imagecodec.h"
#include "image/jsonform.h"
#include "model/editorstate.h"

#include <QFile>
#include <QSaveFile>

namespace {

int load(CliContext &ctx, const QString &path, FileKind kind, EditorState &state) {
    if (kind == FileKind::Dat) {
        DataFileError error = DataFileError::None;
        const QString image = readDataFile(path, &error);
        if (error != DataFileError::None || !DecodeImage(state, image)) {
            printError(dataFileErrorMessage(error, path, ctx.language));
            return ExitStatus::UnusableInput;
        }
        return ExitStatus::Success;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        printError(dataFileErrorMessage(DataFileError::CannotRead, path, ctx.language));
        return ExitStatus::UnusableInput;
    }
    QString error;
    if (!stateFromJson(file.readAll(), state, &error)) {
        printError(QStringLiteral("%1: %2").arg(path, error));
        return ExitStatus::UnusableInput;
    }
    return ExitStatus::Success;
}

int save(CliContext &ctx, const QString &path, FileKind kind, const EditorState &state) {
    bool ok = false;
    if (kind == FileKind::Dat) {
        DataFileError error = DataFileError::None;
        ok = writeDataFile(path, EncodeImage(state), &error);
    } else {
        QSaveFile file(path);
        const QByteArray json = stateToJson(state);
        ok = file.open(QIODevice::WriteOnly) && file.write(json) == json.size() && file.commit();
    }
    if (!ok) {
        printError(dataFileErrorMessage(DataFileError::CannotWrite, path, ctx.language));
        return ExitStatus::CannotWriteOutput;
    }
    return ExitStatus::Success;
}

} // namespace

int runConvert(CliContext &ctx) {
    if (ctx.args.size() != 2) {
        printError(QStringLiteral("Usage: vq740-cli convert IN OUT"));
        return ExitStatus::Usage;
    }
    const QString in = ctx.args.at(0);
    const QString out = ctx.args.at(1);
    const FileKind inKind = fileKindOf(in);
    const FileKind outKind = fileKindOf(out);
    if (inKind == FileKind::Unknown || outKind == FileKind::Unknown) {
        printError(QStringLiteral("convert: files must end in .dat or .json"));
        return ExitStatus::Usage;
    }
    EditorState state;
    state.language = ctx.language;
    state.loadStartUpValues();
    const int loaded = load(ctx, in, inKind, state);
    if (loaded != ExitStatus::Success)
        return loaded;
    return save(ctx, out, outKind, state);
}
