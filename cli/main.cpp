// vq740-cli: the program's file conversions and radio transfers for
// scripts. Options common to every command: --lang, --help, --version.
#include "cli/cli.h"

#include "image/statefile.h"
#include "model/texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace {

QList<CliCommand> commands() {
    return {convertCommand(), readCommand(), writeCommand(), printCommand(), programCommand()};
}

QCommandLineOption languageOption() {
    return QCommandLineOption(QStringLiteral("lang"),
                              QStringLiteral("Messages in Chinese (zh) or English (en); "
                                             "without it, Chinese where LANG is zh_*."),
                              QStringLiteral("zh|en"));
}

QCommandLineOption helpOption() {
    return QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                              QStringLiteral("Shows this help and ends."));
}

QCommandLineOption versionOption() {
    return QCommandLineOption(QStringLiteral("version"),
                              QStringLiteral("Shows the version and ends."));
}

void addCommonOptions(QCommandLineParser &parser) {
    parser.addOption(languageOption());
    parser.addOption(helpOption());
    parser.addOption(versionOption());
}

QString overview() {
    QString text = QStringLiteral("Usage: vq740-cli [--lang zh|en] COMMAND [options] ...\n\n"
                                  "Commands:\n");
    for (const CliCommand &c : commands())
        text += QStringLiteral("  %1 %2\n").arg(c.name, c.synopsis);
    text += QStringLiteral(
        "\n`vq740-cli COMMAND --help` describes a command.\n"
        "\n"
        "PORT is COM1 to COM8 (on Linux COM1-COM4 = /dev/ttyUSB0-3, COM5-COM6 =\n"
        "/dev/ttyACM0-1, COM7-COM8 = /dev/ttyS0-1) or a device path.\n"
        "\n"
        "Exit status: 0 success, 1 communication error, 2 band refused,\n"
        "3 port cannot be opened, 4 unusable input file, 5 the radio read back after\n"
        "a write differs from what was written, 64 usage error, 73 output file (or\n"
        "backup) cannot be written.\n");
    return text;
}

QString commandHelp(const CliCommand &command, const QCommandLineParser &parser) {
    // The parser lists the options; the usage line and the description are
    // the command's own.
    QString options = parser.helpText();
    options = options.mid(options.indexOf(QLatin1String("Options:")));
    return QStringLiteral("Usage: vq740-cli %1 %2\n\n%3\n\n%4")
        .arg(command.name, command.synopsis, command.description, options);
}

void printOut(const QString &text) {
    QTextStream(stdout) << text;
}

QString version() {
    return QStringLiteral("vq740-cli %1\n").arg(QStringLiteral(VQ740_VERSION));
}

// The language of the environment's locale for messages: the first of
// LC_ALL, LC_MESSAGES and LANG that is set, as the C library takes them. A
// Chinese locale (zh, zh_CN.UTF-8, zh_TW, ...) gives Chinese, any other
// English.
qint16 languageOfEnvironment() {
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = qEnvironmentVariable(name);
        if (!value.isEmpty())
            return value.startsWith(QLatin1String("zh")) ? 0 : 1;
    }
    return 1;
}

// Takes --lang from a parsed command line, which wins over the environment;
// false for a value other than zh or en.
bool takeLanguage(const QCommandLineParser &parser, CliContext &ctx) {
    if (!parser.isSet(QStringLiteral("lang")))
        return true;
    const QString value = parser.value(QStringLiteral("lang"));
    if (value == QLatin1String("zh"))
        ctx.language = 0;
    else if (value == QLatin1String("en"))
        ctx.language = 1;
    else
        return false;
    return true;
}

} // namespace

void printError(const QString &text) {
    QTextStream err(stderr);
    err << text << Qt::endl;
}

void printLine(const QString &text) {
    QTextStream out(stdout);
    out << text << Qt::endl;
}

int usageError(const CliCommand &command, const QString &error) {
    if (!error.isEmpty())
        printError(QStringLiteral("%1: %2").arg(command.name, error));
    printError(QStringLiteral("Usage: vq740-cli %1 %2").arg(command.name, command.synopsis));
    return ExitStatus::Usage;
}

int exitStatusOf(const StateFileStatus &status) {
    switch (status.error) {
    case StateFileError::None:
        return ExitStatus::Success;
    case StateFileError::UnknownKind:
        return ExitStatus::Usage;
    case StateFileError::CannotRead:
    case StateFileError::TooShort:
    case StateFileError::BadContent:
        return ExitStatus::UnusableInput;
    case StateFileError::CannotWrite:
        return ExitStatus::CannotWriteOutput;
    }
    return ExitStatus::Usage;
}

int loadInput(const CliContext &ctx, const QString &path, EditorState &state) {
    const StateFileStatus status = loadStateFile(path, state);
    if (!status.ok())
        printError(stateFileMessage(status, path, ctx.language));
    return exitStatusOf(status);
}

int saveOutput(const CliContext &ctx, const QString &path, const EditorState &state) {
    const StateFileStatus status = saveStateFile(path, state);
    if (!status.ok())
        printError(stateFileMessage(status, path, ctx.language));
    return exitStatusOf(status);
}

namespace {

// The command named on the command line, found before the application
// exists: the first argument that is neither an option nor the value of
// --lang.
QString commandNameOf(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--lang")) {
            ++i;
            continue;
        }
        if (!arg.startsWith(QLatin1Char('-')))
            return arg;
    }
    return QString();
}

} // namespace

int main(int argc, char *argv[]) {
#ifdef Q_OS_WIN
    // The tool writes UTF-8 (its Chinese messages too): a console window
    // shows it as such, whatever its code page.
    SetConsoleOutputCP(CP_UTF8);
#endif
    bool needsGui = false;
    const QString name = commandNameOf(argc, argv);
    for (const CliCommand &command : commands())
        needsGui = needsGui || (command.name == name && command.needsGui);
    // Only the commands that lay out pages load QtGui's platform.
    const std::unique_ptr<QCoreApplication> app =
        needsGui ? makePrintApplication(argc, argv)
                 : std::make_unique<QCoreApplication>(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vq740-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VQ740_VERSION));
    const QStringList arguments = QCoreApplication::arguments();

    // The common options may come before the command; everything from the
    // command on is the command's.
    QCommandLineParser common;
    addCommonOptions(common);
    common.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    CliContext ctx;
    ctx.language = languageOfEnvironment();
    if (!common.parse(arguments)) {
        printError(common.errorText());
        std::fputs(overview().toLocal8Bit().constData(), stderr);
        return ExitStatus::Usage;
    }
    if (!takeLanguage(common, ctx)) {
        printError(QStringLiteral("--lang takes zh or en"));
        return ExitStatus::Usage;
    }
    const QStringList rest = common.positionalArguments();
    if (rest.isEmpty() || common.isSet(QStringLiteral("help")) ||
        common.isSet(QStringLiteral("version"))) {
        if (common.isSet(QStringLiteral("version"))) {
            printOut(version());
            return ExitStatus::Success;
        }
        if (common.isSet(QStringLiteral("help"))) {
            printOut(overview());
            return ExitStatus::Success;
        }
        std::fputs(overview().toLocal8Bit().constData(), stderr);
        return ExitStatus::Usage;
    }

    for (const CliCommand &command : commands()) {
        if (command.name != rest.first())
            continue;
        QCommandLineParser parser;
        addCommonOptions(parser);
        command.addOptions(parser);
        if (!parser.parse(QStringList{arguments.first()} + rest.mid(1)))
            return usageError(command, parser.errorText());
        if (parser.isSet(QStringLiteral("help"))) {
            printOut(commandHelp(command, parser));
            return ExitStatus::Success;
        }
        if (parser.isSet(QStringLiteral("version"))) {
            printOut(version());
            return ExitStatus::Success;
        }
        if (!takeLanguage(parser, ctx)) {
            printError(QStringLiteral("--lang takes zh or en"));
            return ExitStatus::Usage;
        }
        Texts::setLanguage(languageOfFlag(ctx.language));
        return command.run(ctx, parser);
    }
    printError(QStringLiteral("unknown command %1").arg(rest.first()));
    std::fputs(overview().toLocal8Bit().constData(), stderr);
    return ExitStatus::Usage;
}
