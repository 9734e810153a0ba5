// vq740-cli convert IN OUT: open a data file, JSON form or CHIRP CSV file as
// the program would after starting, and save it as a data file, JSON form or
// CHIRP CSV file.
#include "cli/cli.h"

#include "image/statefile.h"
#include "interop/chirpfiles.h"
#include "model/bands.h"
#include "model/editorstate.h"

#include <QCommandLineParser>

namespace {
bool knownKind(const QString &path) {
    return stateFileKindOf(path) != StateFileKind::Unknown || isChirpCsvPath(path);
}

// The range of --band: "136-174MHz" or "136-174".
int bandOfOption(const QString &value) {
    int position = bandPositionOfText(value);
    if (position < 0)
        position = bandPositionOfText(value + QStringLiteral("MHz"));
    return position;
}

int importInput(const CliContext &ctx, const QCommandLineParser &parser, const QString &path,
                EditorState &state) {
    ImportOptions options;
    options.language = ctx.language;
    options.bandPosition = state.bandPosition;
    options.placement = parser.value(QStringLiteral("placement")) == QLatin1String("sequential")
                            ? Placement::Sequential
                            : Placement::ByLocation;
    StateFileStatus status;
    const ChirpImport import = importChirpFile(path, options, &status);
    if (!status.ok()) {
        printError(stateFileMessage(status, path, ctx.language));
        return exitStatusOf(status);
    }
    printError(importReportText(import, ctx.language));
    if (!import.usable)
        return ExitStatus::UnusableInput;
    state = stateWithImport(state, import);
    return ExitStatus::Success;
}

int exportOutput(const CliContext &ctx, const QString &path, const EditorState &state) {
    ChirpExport result;
    const StateFileStatus status = exportChirpFile(path, state, &result);
    for (const QString &line : result.warnings + result.notes)
        printError(line);
    if (!status.ok())
        printError(stateFileMessage(status, path, ctx.language));
    return exitStatusOf(status);
}
} // namespace

CliCommand convertCommand() {
    CliCommand command;
    command.name = QStringLiteral("convert");
    command.synopsis = QStringLiteral("IN OUT [--placement location|sequential] [--band RANGE]");
    command.description = QStringLiteral(
        "Converts between data files (.dat), the JSON form (.json) and CHIRP CSV files\n"
        "(.csv), by extension in any case. IN is opened as the program opens a file right\n"
        "after starting, and saved as OUT; nothing is written when the command fails.\n"
        "A CSV input is imported into the start-up state against the range of --band\n"
        "(default 400-470MHz); its report goes to standard error, and the input cannot\n"
        "be used (status 4) when no row fits. A CSV output is CHIRP's 21-column form;\n"
        "its warnings go to standard error.");
    command.addOptions = [](QCommandLineParser &parser) {
        parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("The file to open."));
        parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The file to write."));
        parser.addOption(QCommandLineOption(
            QStringLiteral("placement"),
            QStringLiteral("CSV input: place rows by their Location 1-16 (location, the "
                           "default) or take the first 16 rows that fit (sequential)."),
            QStringLiteral("location|sequential")));
        parser.addOption(QCommandLineOption(
            QStringLiteral("band"),
            QStringLiteral("CSV input: the range the channels must lie in, e.g. 136-174MHz "
                           "(default 400-470MHz)."),
            QStringLiteral("RANGE")));
    };
    command.run = [command](CliContext &ctx, const QCommandLineParser &parser) {
        const QStringList files = parser.positionalArguments();
        if (files.size() != 2)
            return usageError(command, QStringLiteral("takes two files"));
        for (const QString &file : files)
            if (!knownKind(file))
                return usageError(
                    command, QStringLiteral("%1: files must end in .dat, .json or .csv").arg(file));
        const bool csvIn = isChirpCsvPath(files.at(0));
        const QString placement = parser.value(QStringLiteral("placement"));
        if (parser.isSet(QStringLiteral("placement")) && placement != QLatin1String("location") &&
            placement != QLatin1String("sequential"))
            return usageError(command, QStringLiteral("--placement takes location or sequential"));
        int band = 0;
        if (parser.isSet(QStringLiteral("band"))) {
            band = bandOfOption(parser.value(QStringLiteral("band")));
            if (band < 0) {
                QStringList ranges;
                for (int i = 0; i < kBandCount; ++i)
                    ranges << bandText(i);
                return usageError(command, QStringLiteral("--band takes one of %1")
                                               .arg(ranges.join(QStringLiteral(", "))));
            }
        }
        if (!csvIn &&
            (parser.isSet(QStringLiteral("placement")) || parser.isSet(QStringLiteral("band"))))
            return usageError(command,
                              QStringLiteral("--placement and --band are for a .csv input"));
        EditorState state;
        state.language = ctx.language;
        state.loadStartUpValues();
        state.bandPosition = state.acceptedBand = band;
        const int loaded = csvIn ? importInput(ctx, parser, files.at(0), state)
                                 : loadInput(ctx, files.at(0), state);
        if (loaded != ExitStatus::Success)
            return loaded;
        if (isChirpCsvPath(files.at(1)))
            return exportOutput(ctx, files.at(1), state);
        return saveOutput(ctx, files.at(1), state);
    };
    return command;
}
