// vq740-cli read --port PORT -o OUT: start fresh, Read From Radio, and save
// what was read as a data file (or as the JSON form for a .json name).
#include "cli/cli.h"

#include "image/datafile.h"
#include "image/imagecodec.h"
#include "image/jsonform.h"
#include "link/clonesession.h"
#include "model/editorstate.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace {

const char kReadUsage[] = "Usage: vq740-cli read --port PORT -o OUT.DAT [--trace FILE]";

bool save(const QString &path, const EditorState &state) {
    if (fileKindOf(path) == FileKind::Json) {
        QSaveFile file(path);
        const QByteArray json = stateToJson(state);
        return file.open(QIODevice::WriteOnly) && file.write(json) == json.size() && file.commit();
    }
    DataFileError error = DataFileError::None;
    return writeDataFile(path, EncodeImage(state), &error);
}

} // namespace

int runRead(CliContext &ctx) {
    RadioOptions options;
    QString error;
    if (!parseRadioOptions(
            ctx.args, {QStringLiteral("--port"), QStringLiteral("-o"), QStringLiteral("--trace")},
            &options, &error) ||
        options.port.isEmpty() || options.output.isEmpty() || !options.positional.isEmpty()) {
        if (!error.isEmpty())
            printError(QStringLiteral("read: %1").arg(error));
        printError(QString::fromLatin1(kReadUsage));
        return ExitStatus::Usage;
    }
    // Refuse an output that can never be written before talking to the radio.
    const QFileInfo out(options.output);
    if (out.isDir() || !QFileInfo(out.absolutePath()).isDir()) {
        printError(dataFileErrorMessage(DataFileError::CannotWrite, options.output, ctx.language));
        return ExitStatus::CannotWriteOutput;
    }

    EditorState state;
    state.language = ctx.language;
    state.loadStartUpValues();
    const int status = runRadioSession(ctx, state, options.port, SessionKind::Read, options.trace);
    if (status != ExitStatus::Success)
        return status;
    if (!save(options.output, state)) {
        printError(dataFileErrorMessage(DataFileError::CannotWrite, options.output, ctx.language));
        return ExitStatus::CannotWriteOutput;
    }
    return ExitStatus::Success;
}
