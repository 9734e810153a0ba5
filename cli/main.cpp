// vq740-cli: the program's data file and radio functions for scripts.
#include "cli/cli.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace {

const char kUsage[] =
    "Usage:\n"
    "  vq740-cli [--lang zh|en] convert IN OUT\n"
    "      Converts between data files (.dat) and the JSON form (.json).\n"
    "  vq740-cli [--lang zh|en] read --port PORT -o OUT.DAT [--trace FILE]\n"
    "      Reads the radio and saves what it holds (a .json name saves the JSON form).\n"
    "  vq740-cli [--lang zh|en] write --port PORT IN.DAT [--band-override] [--debug-write]\n"
    "            [--trace FILE]\n"
    "      Writes a data file (or JSON form) to the radio. --band-override writes to a\n"
    "      radio of another band; --debug-write also writes the power levels block.\n"
    "      --trace FILE keeps every byte of the exchange in FILE, for support.\n"
    "\n"
    "PORT is COM1 to COM8 (on Linux COM1-COM4 = /dev/ttyUSB0-3, COM5-COM6 =\n"
    "/dev/ttyACM0-1, COM7-COM8 = /dev/ttyS0-1) or a device path.\n"
    "\n"
    "Exit status: 0 success, 1 communication error, 2 band refused,\n"
    "3 port cannot be opened, 4 unusable input file, 64 usage error,\n"
    "73 output file cannot be written.\n";

} // namespace

void printError(const QString &text) {
    QTextStream err(stderr);
    err << text << Qt::endl;
}

void printLine(const QString &text) {
    QTextStream out(stdout);
    out << text << Qt::endl;
}

FileKind fileKindOf(const QString &path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("dat"))
        return FileKind::Dat;
    if (suffix == QLatin1String("json"))
        return FileKind::Json;
    return FileKind::Unknown;
}

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    CliContext ctx;
    QString command;
    const QStringList all = app.arguments().mid(1);
    for (int i = 0; i < all.size(); ++i) {
        const QString a = all.at(i);
        if (a == QLatin1String("--lang") || a.startsWith(QLatin1String("--lang="))) {
            const QString value =
                a.contains(QLatin1Char('=')) ? a.section(QLatin1Char('='), 1) : all.value(++i);
            if (value == QLatin1String("zh"))
                ctx.language = 0;
            else if (value == QLatin1String("en"))
                ctx.language = 1;
            else {
                printError(QStringLiteral("--lang takes zh or en"));
                return ExitStatus::Usage;
            }
        } else if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            std::fputs(kUsage, stdout);
            return ExitStatus::Success;
        } else if (command.isEmpty()) {
            command = a;
        } else {
            ctx.args << a;
        }
    }
    if (command == QLatin1String("convert"))
        return runConvert(ctx);
    if (command == QLatin1String("read"))
        return runRead(ctx);
    if (command == QLatin1String("write"))
        return runWrite(ctx);
    std::fputs(kUsage, stderr);
    return ExitStatus::Usage;
}
