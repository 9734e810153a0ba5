// vq740: the desktop program. `vq740 [FILE]` opens the main window, and the
// data file FILE in it when one is given; --help and --version print their
// text and end without opening a window (nor needing a display).
#include "image/backups.h"
#include "shell/form1.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFont>
#include <QIcon>
#include <QTimer>

#include <cstdio>

namespace {
void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("vq740"));
    QCoreApplication::setOrganizationName(QStringLiteral("VQ-740"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VQ740_VERSION));
}

void describeCommandLine(QCommandLineParser &parser) {
    parser.setApplicationDescription(
        QStringLiteral("VQ-740 Radio Software: reads, edits and writes the channels and settings "
                       "of a VQ-740 radio."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(QCommandLineOption(QStringLiteral("port"),
                                        QStringLiteral("The serial device to use for this run "
                                                       "(as Other port... would choose it)."),
                                        QStringLiteral("DEVICE")));
    parser.addPositionalArgument(QStringLiteral("FILE"),
                                 QStringLiteral("A data file (.DAT) to open at start."),
                                 QStringLiteral("[FILE]"));
}

// --help and --version only print, so they are answered before a display
// is looked for.
bool asksForTextOnly(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "--")
            return false;
        if (argument == "-h" || argument == "--help" || argument == "-?" ||
            argument == "--help-all" || argument == "-v" || argument == "--version")
            return true;
    }
    return false;
}
} // namespace

int main(int argc, char *argv[]) {
    if (asksForTextOnly(argc, argv)) {
        QCoreApplication app(argc, argv);
        nameApplication();
        QCommandLineParser parser;
        describeCommandLine(parser);
        parser.process(app); // prints and ends the program
        return 0;
    }

    QApplication app(argc, argv);
    nameApplication();
#ifdef Q_OS_WIN
    // Chinese captions in the faces Windows has for Simplified Chinese,
    // wherever the interface's face (Segoe UI) has no Chinese: Microsoft
    // YaHei UI (Windows 8 on), Microsoft YaHei (Windows Vista on), SimSun
    // (every Windows).
    QFont::insertSubstitutions(QApplication::font().family(),
                               {QStringLiteral("Microsoft YaHei UI"),
                                QStringLiteral("Microsoft YaHei"), QStringLiteral("SimSun")});
#endif
    // The installed desktop entry and icon (named after the desktop id):
    // window managers match the window with its entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(VQ740_DESKTOP_ID));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(VQ740_DESKTOP_ID)));
    QCommandLineParser parser;
    describeCommandLine(parser);
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs("vq740: give at most one data file\n", stderr);
        return 1;
    }

    // Backups older than the retention period go at every start.
    BackupStore().prune();

    Form1 window;
    QObject::connect(&window, &Form1::unloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    if (!files.isEmpty()) {
        // Once the window is up, so that a message about the file has its
        // owner on screen.
        const QString &file = files.first();
        QTimer::singleShot(0, &window, [&window, file] { window.openFile(file); });
    }
    // vq740 --port DEVICE: that device is chosen at start (for this run).
    if (parser.isSet(QStringLiteral("port"))) {
        const QString device = parser.value(QStringLiteral("port"));
        QTimer::singleShot(0, &window, [&window, device] { window.chooseStartDevice(device); });
    }
    return app.exec();
}
