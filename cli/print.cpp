// vq740-cli print IN OUT.pdf|OUT.html: the printable channel list of a data
// file or JSON form, as the window's Export PDF writes it, or as HTML.
#include "cli/cli.h"

#include "image/filewriter.h"
#include "image/statefile.h"
#include "interop/channellist.h"
#include "model/editorstate.h"
#include "print/channellistprinter.h"
#include "shell/printcaptions.h"

#include <QCommandLineParser>
#include <QDate>
#include <QFileInfo>
#include <QGuiApplication>

namespace {
QString suffixOf(const QString &path) {
    return QFileInfo(path).suffix().toLower();
}
} // namespace

std::unique_ptr<QCoreApplication> makePrintApplication(int &argc, char **argv) {
    // Laying out a PDF needs fonts, so a QGuiApplication; without a display
    // it runs on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

CliCommand printCommand() {
    CliCommand command;
    command.name = QStringLiteral("print");
    command.synopsis = QStringLiteral("IN OUT.pdf|OUT.html [--omit-empty]");
    command.needsGui = true;
    command.description = QStringLiteral(
        "Writes the printable channel list of IN (a data file or JSON form) as a PDF\n"
        "file (A4) or as HTML, by the extension of OUT: the title, the range, today's\n"
        "date, the 16 channels as the channel table shows them and the function\n"
        "settings, in the language of the messages (see --lang). Needs no display.");
    command.addOptions = [](QCommandLineParser &parser) {
        parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("The file to open."));
        parser.addPositionalArgument(QStringLiteral("OUT"),
                                     QStringLiteral("The .pdf or .html file to write."));
        parser.addOption(QCommandLineOption(QStringLiteral("omit-empty"),
                                            QStringLiteral("Leaves out channels not in use.")));
    };
    command.run = [command](CliContext &ctx, const QCommandLineParser &parser) {
        const QStringList files = parser.positionalArguments();
        if (files.size() != 2)
            return usageError(command, QStringLiteral("takes two files"));
        if (stateFileKindOf(files.at(0)) == StateFileKind::Unknown)
            return usageError(command,
                              QStringLiteral("%1: IN must end in .dat or .json").arg(files.at(0)));
        const QString kind = suffixOf(files.at(1));
        if (kind != QLatin1String("pdf") && kind != QLatin1String("html") &&
            kind != QLatin1String("htm"))
            return usageError(command,
                              QStringLiteral("%1: OUT must end in .pdf or .html").arg(files.at(1)));
        EditorState state;
        state.language = ctx.language;
        state.loadStartUpValues();
        const int loaded = loadInput(ctx, files.at(0), state);
        if (loaded != ExitStatus::Success)
            return loaded;
        ChannelListOptions options;
        options.omitEmpty = parser.isSet(QStringLiteral("omit-empty"));
        options.date = QDate::currentDate();
        const QString html = channelListDocument(state, options);
        const QByteArray bytes = kind == QLatin1String("pdf")
                                     ? channelListPdf(html, channelListTitle(state.language))
                                     : html.toUtf8();
        StateFileStatus status;
        if (!writeWholeFile(files.at(1), bytes, &status.detail)) {
            status.error = StateFileError::CannotWrite;
            printError(stateFileMessage(status, files.at(1), ctx.language));
        }
        return exitStatusOf(status);
    };
    return command;
}
