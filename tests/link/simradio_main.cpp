// vq740-simradio: the simulated radio as a program, for trying the tool and
// its command line by hand. Prints the device to open, then answers until
// interrupted or, with --once, until the first end byte.
//
//   vq740-simradio [--pace] [--pieces N] [--close-after N] [--silent]
//                  [--band HEX] [--memory FILE.DAT] [--once]
//                  [--drop-block HEX] [--change-byte HEX]
#include "simradio.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    SimRadio sim;
    bool once = false;
    const QStringList args = app.arguments().mid(1);
    for (int i = 0; i < args.size(); ++i) {
        const QString a = args.at(i);
        if (a == QLatin1String("--pace"))
            sim.options.pace = true;
        else if (a == QLatin1String("--pieces"))
            sim.options.pieceSize = args.value(++i).toInt();
        else if (a == QLatin1String("--close-after"))
            sim.options.closeAfterReplies = args.value(++i).toInt();
        else if (a == QLatin1String("--silent"))
            sim.model.faults.silent = true;
        else if (a == QLatin1String("--drop-block"))
            sim.model.faults.droppedWriteBlock = args.value(++i).toInt(nullptr, 16);
        else if (a == QLatin1String("--change-byte"))
            sim.model.faults.changedWriteByte = args.value(++i).toInt(nullptr, 16);
        else if (a == QLatin1String("--once"))
            once = true;
        else if (a == QLatin1String("--band"))
            sim.model.identification[5] = char(args.value(++i).toInt(nullptr, 16));
        else if (a == QLatin1String("--memory")) {
            QFile f(args.value(++i));
            if (!f.open(QIODevice::ReadOnly))
                return 4;
            const QByteArray bytes = f.readAll().left(0x400);
            sim.model.memory.replace(0x10, bytes.size(), bytes);
        } else {
            QTextStream(stderr) << "unknown option " << a << Qt::endl;
            return 64;
        }
    }
    if (!sim.open())
        return 1;
    QTextStream(stdout) << sim.devicePath() << Qt::endl;
    QObject::connect(&sim, &SimRadio::farEndClosed, &app, &QCoreApplication::quit);
    if (once)
        QObject::connect(&sim, &SimRadio::endReceived, &app, &QCoreApplication::quit);
    return app.exec();
}
