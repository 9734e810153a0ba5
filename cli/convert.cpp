// vq740-cli convert IN OUT: open a data file or JSON form as the program
// would after starting, and save it in the other (or the same) form.
#include "cli/cli.h"

#include "image/statefile.h"
#include "model/editorstate.h"

#include <QCommandLineParser>

CliCommand convertCommand() {
    CliCommand command;
    command.name = QStringLiteral("convert");
    command.synopsis = QStringLiteral("IN OUT");
    command.description = QStringLiteral(
        "Converts between data files (.dat) and the JSON form (.json), by extension in\n"
        "any case. IN is opened as the program opens a file right after starting, and\n"
        "saved as OUT; nothing is written when the command fails.");
    command.addOptions = [](QCommandLineParser &parser) {
        parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("The file to open."));
        parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The file to write."));
    };
    command.run = [command](CliContext &ctx, const QCommandLineParser &parser) {
        const QStringList files = parser.positionalArguments();
        if (files.size() != 2)
            return usageError(command, QStringLiteral("takes two files"));
        for (const QString &file : files)
            if (stateFileKindOf(file) == StateFileKind::Unknown)
                return usageError(command,
                                  QStringLiteral("%1: files must end in .dat or .json").arg(file));
        EditorState state;
        state.language = ctx.language;
        state.loadStartUpValues();
        const int loaded = loadInput(ctx, files.at(0), state);
        if (loaded != ExitStatus::Success)
            return loaded;
        return saveOutput(ctx, files.at(1), state);
    };
    return command;
}
