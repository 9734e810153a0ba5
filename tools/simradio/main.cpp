// vq740-simradio: the simulated radio as a program, for trying the program
// and its command line without a radio. Prints the device to open, then
// answers until interrupted or, with --once, until the first end byte.
#include "simradio.h"

#include "image/imagecodec.h"
#include "model/editorstate.h"
#include "model/hexhelpers.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char kUsage[] =
    "Usage: vq740-simradio [OPTIONS]\n"
    "\n"
    "A simulated VQ-740 radio on a pseudo-terminal. Prints the device to give\n"
    "the program (Communication port > Other port..., or vq740 --port DEVICE,\n"
    "or vq740-cli --port DEVICE), then answers reads and writes until it is\n"
    "stopped (Ctrl+C).\n"
    "\n"
    "Options:\n"
    "  --sample          start with a few example channels (otherwise empty)\n"
    "  --memory FILE     start with the radio memory of a data file (.DAT)\n"
    "  --band HEX        band code the radio reports (33 400-470MHz, 21 200-260,\n"
    "                    43 400-430, 63 370-390, 53 350-370, 01 136-174,\n"
    "                    73 600-720); default 33\n"
    "  --pace            bytes take their real time at 9600 baud\n"
    "  --pieces N        replies leave in pieces of N bytes\n"
    "  --silent          never answer (the program reports a time-out)\n"
    "  --close-after N   hang up after N replies, as when a cable is pulled\n"
    "  --stale HEX       send these bytes at once, as a radio still answering an\n"
    "                    exchange that was cut short (e.g. 06, or a data frame)\n"
    "  --drop-block HEX  acknowledge the write block at radio address HEX but\n"
    "                    do not keep it (a write the read back must catch)\n"
    "  --change-byte HEX keep the byte written at radio address HEX with its\n"
    "                    low bit flipped\n"
    "  --log FILE        keep every byte on the wire in FILE, as a serial trace\n"
    "                    (rewritten after each exchange and at the end)\n"
    "  --once            stop after the first exchange (the first end byte)\n"
    "  --help            show this text\n"
    "\n"
    "Exit status: 0 stopped, 1 no pseudo-terminal, 4 the memory file cannot be\n"
    "read, 64 wrong command line.\n";

// A few channels of the 400-470MHz range, as a program would write them.
QByteArray sampleMemory() {
    EditorState state;
    state.language = 1;
    state.loadStartUpValues();
    const char *channels[][4] = {{"446.00625", "Off", "446.00625", "Off"},
                                 {"446.01875", "88.5", "446.01875", "88.5"},
                                 {"433.50000", "D023N", "433.50000", "D023N"},
                                 {"462.56250", "Off", "467.56250", "100.0"}};
    int row = 1;
    for (const auto &ch : channels) {
        ChannelTable &t = state.channels;
        t.setCell(row, ColRxFrequency, QLatin1String(ch[0]));
        t.setCell(row, ColRxTone, QLatin1String(ch[1]));
        t.setCell(row, ColTxFrequency, QLatin1String(ch[2]));
        t.setCell(row, ColTxTone, QLatin1String(ch[3]));
        for (int c = 0; c < kColumnCount; ++c)
            if (isOptionColumn(c))
                t.setOption(row, c, 1, state.language);
        ++row;
    }
    return bytesFromImage(EncodeImage(state));
}

// SIGINT and SIGTERM end the event loop, so the log is written at the end.
int g_signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char c = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_signalPipe[1], &c, 1);
}

int usageError(const QString &text) {
    QTextStream(stderr) << text << Qt::endl << "Try vq740-simradio --help" << Qt::endl;
    return 64;
}

bool number(const QString &text, int *value) {
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= 0;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    SimRadio sim;
    bool once = false;
    QString logPath;
    QByteArray stale;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString &a = args.at(i);
        const bool takesValue =
            a == QLatin1String("--pieces") || a == QLatin1String("--close-after") ||
            a == QLatin1String("--band") || a == QLatin1String("--memory") ||
            a == QLatin1String("--log") || a == QLatin1String("--drop-block") ||
            a == QLatin1String("--change-byte") || a == QLatin1String("--stale");
        if (takesValue && i + 1 >= args.size())
            return usageError(QStringLiteral("%1 needs a value").arg(a));
        const QString value = takesValue ? args.at(++i) : QString();
        if (a == QLatin1String("--help") || a == QLatin1String("-h")) {
            QTextStream(stdout) << kUsage;
            return 0;
        } else if (a == QLatin1String("--pace")) {
            sim.options.pace = true;
        } else if (a == QLatin1String("--pieces")) {
            if (!number(value, &sim.options.pieceSize) || sim.options.pieceSize == 0)
                return usageError(QStringLiteral("--pieces takes a number above 0"));
        } else if (a == QLatin1String("--close-after")) {
            if (!number(value, &sim.options.closeAfterReplies))
                return usageError(QStringLiteral("--close-after takes a number"));
        } else if (a == QLatin1String("--silent")) {
            sim.model.faults.silent = true;
        } else if (a == QLatin1String("--drop-block") || a == QLatin1String("--change-byte")) {
            bool ok = false;
            const int address = value.toInt(&ok, 16);
            if (!ok || address < 0 || address > 0xFFFF)
                return usageError(
                    QStringLiteral("%1 takes a hexadecimal address such as 0020").arg(a));
            (a == QLatin1String("--drop-block") ? sim.model.faults.droppedWriteBlock
                                                : sim.model.faults.changedWriteByte) = address;
        } else if (a == QLatin1String("--once")) {
            once = true;
        } else if (a == QLatin1String("--band")) {
            bool ok = false;
            const int code = value.toInt(&ok, 16);
            if (!ok || code < 0 || code > 0xFF)
                return usageError(QStringLiteral("--band takes a hexadecimal byte such as 33"));
            sim.model.identification[5] = char(code);
        } else if (a == QLatin1String("--sample")) {
            const QByteArray bytes = sampleMemory();
            sim.model.memory.replace(0x10, bytes.size(), bytes);
        } else if (a == QLatin1String("--memory")) {
            QFile f(value);
            if (!f.open(QIODevice::ReadOnly)) {
                QTextStream(stderr) << value << ": " << f.errorString() << Qt::endl;
                return 4;
            }
            const QByteArray bytes = f.readAll().left(0x400);
            sim.model.memory.replace(0x10, bytes.size(), bytes);
        } else if (a == QLatin1String("--log")) {
            logPath = value;
        } else if (a == QLatin1String("--stale")) {
            static const QRegularExpression hexBytes(QStringLiteral("^([0-9A-Fa-f]{2})+$"));
            if (!hexBytes.match(value).hasMatch())
                return usageError(QStringLiteral("--stale takes bytes in hexadecimal such as 06"));
            stale = QByteArray::fromHex(value.toLatin1());
        } else {
            return usageError(QStringLiteral("unknown option %1").arg(a));
        }
    }
    if (!sim.open()) {
        QTextStream(stderr) << "cannot create a pseudo-terminal" << Qt::endl;
        return 1;
    }
    const auto writeLog = [&] {
        QString error;
        if (!logPath.isEmpty() && !saveTextFile(logPath, sim.wireLog.text(1), &error))
            QTextStream(stderr) << logPath << ": " << error << Qt::endl;
    };
    QObject::connect(&sim, &SimRadio::endReceived, &app, writeLog);
    QObject::connect(&sim, &SimRadio::farEndClosed, &app, &QCoreApplication::quit);
    if (once)
        QObject::connect(&sim, &SimRadio::endReceived, &app, &QCoreApplication::quit,
                         Qt::QueuedConnection);
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, g_signalPipe) == 0) {
        auto *notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
        std::signal(SIGINT, onSignal);
        std::signal(SIGTERM, onSignal);
    }
    sim.sendUnasked(stale);
    QTextStream(stdout) << sim.devicePath() << Qt::endl;
    const int status = app.exec();
    writeLog();
    return status;
}
