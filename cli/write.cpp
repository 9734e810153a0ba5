// vq740-cli write --port PORT IN [--band-override] [--debug-write]: start
// fresh, open a data file (or JSON form), Write To Radio.
#include "cli/cli.h"

#include "image/statefile.h"
#include "link/clonesession.h"
#include "model/editorstate.h"

#include <QCommandLineParser>

CliCommand writeCommand() {
    CliCommand command;
    command.name = QStringLiteral("write");
    command.synopsis =
        QStringLiteral("--port PORT IN.DAT [--band-override] [--debug-write] [--trace FILE]");
    command.description = QStringLiteral(
        "Opens IN (a data file, or the JSON form for a name ending in .json), starting\n"
        "from the program's start-up values, and writes it to the radio on PORT. A radio\n"
        "of another band than the file's gets nothing (exit status 2).");
    command.addOptions = [](QCommandLineParser &parser) {
        addPortOption(parser);
        parser.addOption(QCommandLineOption(QStringLiteral("band-override"),
                                            QStringLiteral("Writes to a radio of another band.")));
        parser.addOption(
            QCommandLineOption(QStringLiteral("debug-write"),
                               QStringLiteral("Also writes the block of the TX power levels.")));
        parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("The file to write."));
    };
    command.run = [command](CliContext &ctx, const QCommandLineParser &parser) {
        const QString port = parser.value(QStringLiteral("port"));
        const QStringList files = parser.positionalArguments();
        if (port.isEmpty())
            return usageError(command, QStringLiteral("--port is needed"));
        if (files.size() != 1)
            return usageError(command, QStringLiteral("takes one file"));
        if (stateFileKindOf(files.first()) == StateFileKind::Unknown)
            return usageError(
                command, QStringLiteral("%1: files must end in .dat or .json").arg(files.first()));

        EditorState state;
        state.language = ctx.language;
        state.loadStartUpValues();
        const int loaded = loadInput(ctx, files.first(), state);
        if (loaded != ExitStatus::Success)
            return loaded;
        // Opening a file switches debug write mode off; the options come after.
        state.bandOverrideMode = parser.isSet(QStringLiteral("band-override"));
        state.debugWriteMode = parser.isSet(QStringLiteral("debug-write"));
        return runRadioSession(ctx, state, port, SessionKind::Write,
                               parser.value(QStringLiteral("trace")));
    };
    return command;
}
