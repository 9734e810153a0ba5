// vq740-cli read --port PORT -o OUT [--backup-dir DIR]: start fresh, Read
// From Radio, keep what was read as a backup (as the window does with every
// read), and save it as a data file (or as the JSON form for a .json name).
#include "cli/cli.h"

#include "image/backups.h"
#include "image/statefile.h"
#include "link/clonesession.h"
#include "model/editorstate.h"
#include "model/texts.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

using vq740::translate;

CliCommand readCommand() {
    CliCommand command;
    command.name = QStringLiteral("read");
    command.synopsis = QStringLiteral("--port PORT -o OUT.DAT [--backup-dir DIR] [--trace FILE]");
    command.description = QStringLiteral(
        "Reads the radio on PORT, starting from the program's start-up values, and saves\n"
        "what it read as OUT: a data file, or the JSON form for a name ending in .json.\n"
        "OUT is written only when the read succeeded. The radio's memory as read is also\n"
        "kept as a backup (exit status 73 when the backup or OUT cannot be written).");
    command.addOptions = [](QCommandLineParser &parser) {
        addPortOption(parser);
        parser.addOption(QCommandLineOption({QStringLiteral("o"), QStringLiteral("output")},
                                            QStringLiteral("The file to save what was read in."),
                                            QStringLiteral("OUT")));
        addBackupOption(parser);
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
        RadioRead read;
        ctx.tracePath = parser.value(QStringLiteral("trace"));
        const int status = runRadioSession(ctx, state, port, SessionKind::Read, &read);
        if (status != ExitStatus::Success)
            return status;
        const BackupSaveResult backup =
            BackupStore(backupFolderOf(parser)).save(read.image, BackupKind::Read, read.band);
        if (backup.ok)
            printLine(
                translate("ReadCommand", "Backup: %1").arg(QDir::toNativeSeparators(backup.path)));
        else
            printError(backupFailureMessage(backup, false, ctx.language));
        const int saved = saveOutput(ctx, output, state);
        if (saved != ExitStatus::Success || !backup.ok)
            return ExitStatus::CannotWriteOutput;
        return saved;
    };
    return command;
}
