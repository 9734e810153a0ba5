// vq740-cli read --port PORT -o OUT: start fresh, Read From Radio, and save
// what was read as a data file (or as the JSON form for a .json name).
#include "cli/cli.h"

#include "image/statefile.h"
#include "link/clonesession.h"
#include "model/editorstate.h"

#include <QCommandLineParser>
#include <QFileInfo>

CliCommand readCommand() {
    CliCommand command;
    command.name = QStringLiteral("read");
    command.synopsis = QStringLiteral("--port PORT -o OUT.DAT [--trace FILE]");
    command.description = QStringLiteral(
        "Reads the radio on PORT, starting from the program's start-up values, and saves\n"
        "what it read as OUT: a data file, or the JSON form for a name ending in .json.\n"
        "OUT is written only when the read succeeded.");
    command.addOptions = [](QCommandLineParser &parser) {
        addPortOption(parser);
        parser.addOption(QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                                            QStringLiteral("The file to save what was read in."),
                                            QStringLiteral("OUT")));
    };
    command.run = [command](CliContext &ctx, const QCommandLineParser &parser) {
        const QString port = parser.value(QStringLiteral("port"));
        const QString output = parser.value(QStringLiteral("output"));
        if (port.isEmpty())
            return usageError(command, QStringLiteral("--port is needed"));
        if (output.isEmpty())
            return usageError(command, QStringLiteral("-o is needed"));
        if (!parser.positionalArguments().isEmpty())
            return usageError(command, QStringLiteral("takes no file names besides -o"));
        if (stateFileKindOf(output) == StateFileKind::Unknown)
            return usageError(command,
                              QStringLiteral("%1: files must end in .dat or .json").arg(output));
        // Refuse an output that can never be written before talking to the radio.
        const QFileInfo out(output);
        if (out.isDir() || !QFileInfo(out.absolutePath()).isDir()) {
            const StateFileStatus status{StateFileError::CannotWrite, QString()};
            printError(stateFileMessage(status, output, ctx.language));
            return exitStatusOf(status);
        }

        EditorState state;
        state.language = ctx.language;
        state.loadStartUpValues();
        const int status = runRadioSession(ctx, state, port, SessionKind::Read,
                                           parser.value(QStringLiteral("trace")));
        if (status != ExitStatus::Success)
            return status;
        return saveOutput(ctx, output, state);
    };
    return command;
}
