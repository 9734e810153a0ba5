// vq740-cli write --port PORT IN [--band-override] [--debug-write]: start
// fresh, open a data file (or JSON form), Write To Radio.
#include "cli/cli.h"

#include "image/datafile.h"
#include "image/imagecodec.h"
#include "image/jsonform.h"
#include "link/clonesession.h"
#include "model/editorstate.h"

#include <QFile>

namespace {

const char kWriteUsage[] =
    "Usage: vq740-cli write --port PORT IN.DAT [--band-override] [--debug-write] [--trace FILE]";

bool load(const CliContext &ctx, const QString &path, EditorState &state) {
    if (fileKindOf(path) == FileKind::Json) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            printError(dataFileErrorMessage(DataFileError::CannotRead, path, ctx.language));
            return false;
        }
        QString error;
        if (!stateFromJson(file.readAll(), state, &error)) {
            printError(QStringLiteral("%1: %2").arg(path, error));
            return false;
        }
        return true;
    }
    DataFileError error = DataFileError::None;
    const QString image = readDataFile(path, &error);
    if (error != DataFileError::None || !DecodeImage(state, image)) {
        printError(dataFileErrorMessage(
            error == DataFileError::None ? DataFileError::TooShort : error, path, ctx.language));
        return false;
    }
    return true;
}

} // namespace

int runWrite(CliContext &ctx) {
    RadioOptions options;
    QString error;
    const QStringList allowed{QStringLiteral("--port"), QStringLiteral("--band-override"),
                              QStringLiteral("--debug-write"), QStringLiteral("--trace")};
    if (!parseRadioOptions(ctx.args, allowed, &options, &error) || options.port.isEmpty() ||
        options.positional.size() != 1) {
        if (!error.isEmpty())
            printError(QStringLiteral("write: %1").arg(error));
        printError(QString::fromLatin1(kWriteUsage));
        return ExitStatus::Usage;
    }

    EditorState state;
    state.language = ctx.language;
    state.loadStartUpValues();
    if (!load(ctx, options.positional.first(), state))
        return ExitStatus::UnusableInput;
    // Opening a file switches debug write mode off; the options come after.
    state.bandOverrideMode = options.bandOverride;
    state.debugWriteMode = options.debugWrite;
    return runRadioSession(ctx, state, options.port, SessionKind::Write, options.trace);
}
