// vq740-cli write --port PORT IN [--band-override] [--debug-write]
// [--backup-dir DIR] [--no-verify] [--dry-run] [--force]: start fresh, open
// a data file (or JSON form), and write it to the radio: the radio's old
// contents are read and kept as a backup first, the change list printed,
// and the radio read back after the write and compared.
#include "cli/cli.h"

#include "image/backups.h"
#include "image/statefile.h"
#include "model/editorstate.h"

#include <QCommandLineParser>

CliCommand writeCommand() {
    CliCommand command;
    command.name = QStringLiteral("write");
    command.synopsis =
        QStringLiteral("--port PORT IN.DAT [--band-override] [--debug-write] "
                       "[--backup-dir DIR] [--no-verify] [--dry-run] [--force] [--trace FILE]");
    command.description = QStringLiteral(
        "Opens IN (a data file, or the JSON form for a name ending in .json), starting\n"
        "from the program's start-up values, and writes it to the radio on PORT. First\n"
        "the radio is read and what it held is saved as a backup (nothing is written\n"
        "when the backup cannot be saved: exit status 73), and the changes are printed;\n"
        "after the write the radio is read back and compared (exit status 5 when it\n"
        "differs). A radio of another band than the file's gets nothing (exit status 2).\n"
        "A radio that already holds exactly this is not written unless --force.");
    command.addOptions = [](QCommandLineParser &parser) {
        addPortOption(parser);
        parser.addOption(QCommandLineOption(QStringLiteral("band-override"),
                                            QStringLiteral("Writes to a radio of another band.")));
        parser.addOption(
            QCommandLineOption(QStringLiteral("debug-write"),
                               QStringLiteral("Also writes the block of the TX power levels.")));
        addBackupOption(parser);
        parser.addOption(QCommandLineOption(
            QStringLiteral("verify"),
            QStringLiteral("Reads the radio back after the write and compares (the default).")));
        parser.addOption(QCommandLineOption(QStringLiteral("no-verify"),
                                            QStringLiteral("Does not read the radio back.")));
        parser.addOption(QCommandLineOption(
            QStringLiteral("dry-run"),
            QStringLiteral("Reads the radio and prints the changes; writes nothing.")));
        parser.addOption(QCommandLineOption(
            QStringLiteral("force"),
            QStringLiteral("Writes also when the radio already holds exactly this.")));
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
        if (parser.isSet(QStringLiteral("verify")) && parser.isSet(QStringLiteral("no-verify")))
            return usageError(command,
                              QStringLiteral("--verify and --no-verify exclude each other"));

        WriteOptions options;
        options.backupFolder = backupFolderOf(parser);
        options.verify = !parser.isSet(QStringLiteral("no-verify"));
        options.dryRun = parser.isSet(QStringLiteral("dry-run"));
        options.force = parser.isSet(QStringLiteral("force"));
        // Backups older than the retention period go first.
        BackupStore(options.backupFolder).prune();

        EditorState state;
        state.language = ctx.language;
        state.loadStartUpValues();
        const int loaded = loadInput(ctx, files.first(), state);
        if (loaded != ExitStatus::Success)
            return loaded;
        // Opening a file switches debug write mode off; the options come after.
        state.bandOverrideMode = parser.isSet(QStringLiteral("band-override"));
        state.debugWriteMode = parser.isSet(QStringLiteral("debug-write"));
        ctx.tracePath = parser.value(QStringLiteral("trace"));
        return runWriteFlow(ctx, state, port, options);
    };
    return command;
}
