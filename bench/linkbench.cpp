// Clone session speed: a read and a write over the real serial port against
// the simulated radio paced at 9600 baud (in its own thread), each compared
// with the time its bytes need on the wire (10 bits per byte, both
// directions). A ratio of 1.00 means the program adds no delay of its own.
// Each round runs once with the serial trace the program keeps and once
// without, so the cost of the trace shows beside the ratio.
//
//   linkbench [ROUNDS]
#include "simradio.h"

#include "link/clonesession.h"
#include "link/portchooser.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"
#include "model/editorstate.h"
#include "model/messageport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QThread>

#include <algorithm>
#include <cstdio>

namespace {

class SilentMessages : public MessagePort {
public:
    int show(const QString &text, quint32, const QString &) override {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
        return MsgResult::Yes;
    }
};

template <typename F> void onSimThread(SimRadio *sim, F f) {
    QMetaObject::invokeMethod(sim, f, Qt::BlockingQueuedConnection);
}

struct Figures {
    double wallMs = 0;
    double wireMs = 0;
    qint64 bytes = 0;
    bool ok = false;
};

Figures runOnce(SimRadio *sim, SessionKind kind, bool traced) {
    qint64 before = 0;
    onSimThread(sim, [&] { before = sim->bytesFromProgram() + sim->bytesToProgram(); });
    int endsBefore = 0;
    onSimThread(sim, [&] { endsBefore = sim->model.endBytes; });

    EditorState state;
    state.language = 1;
    state.loadStartUpValues();
    SystemSerialPort port;
    SerialTrace trace;
    if (traced)
        port.setTrace(&trace);
    SilentMessages messages;
    PortChooser chooser(port, messages);
    chooser.setDevicePath(sim->devicePath());
    CloneSession session(state, port, chooser, messages);
    QEventLoop loop;
    Figures f;
    QObject::connect(&session, &CloneSession::finished, [&](SessionOutcome o) {
        f.ok = o == SessionOutcome::Success;
        loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    const bool started = kind == SessionKind::Read ? session.startRead() : session.startWrite();
    if (!started)
        return f;
    loop.exec();
    f.wallMs = clock.nsecsElapsed() / 1e6;

    // Let the end byte arrive before counting.
    for (int i = 0; i < 200; ++i) {
        int ends = 0;
        onSimThread(sim, [&] { ends = sim->model.endBytes; });
        if (ends > endsBefore)
            break;
        QThread::msleep(5);
    }
    qint64 after = 0;
    onSimThread(sim, [&] { after = sim->bytesFromProgram() + sim->bytesToProgram(); });
    f.bytes = after - before;
    f.wireMs = f.bytes * 10 * 1000.0 / 9600.0;
    return f;
}

// What recording a write costs by itself, free of the machine's scheduling:
// the bytes of a write session (the handshake, 46 blocks of 20 bytes sent
// one by one, each answered by one byte) recorded many times over.
double traceMicrosecondsPerWrite() {
    constexpr int kRounds = 2000;
    SerialTrace trace;
    QElapsedTimer clock;
    clock.start();
    for (int round = 0; round < kRounds; ++round) {
        trace.beginSession(TraceSessionKind::Write, QStringLiteral("/dev/pts/0"));
        trace.mark(TraceEventKind::Opened, QStringLiteral("/dev/pts/0"));
        for (const char c : QByteArrayLiteral("PROGRAM"))
            trace.sent(quint8(c));
        trace.received(QByteArrayLiteral("\x06"));
        trace.sent(0x02);
        trace.received(QByteArrayLiteral("K7403\x33\xF8\xFF"));
        trace.sent(0x06);
        for (int block = 0; block < 47; ++block) {
            trace.received(QByteArrayLiteral("\x06"));
            for (int i = 0; i < 20; ++i)
                trace.sent(quint8(i));
        }
        trace.sent(0x45);
        trace.mark(TraceEventKind::Closed);
        trace.mark(TraceEventKind::Ended, QStringLiteral("Write frequency success!"));
    }
    return clock.nsecsElapsed() / 1000.0 / kRounds;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 3;

    QThread thread;
    auto *sim = new SimRadio;
    sim->options.pace = true;
    sim->moveToThread(&thread);
    QObject::connect(&thread, &QThread::finished, sim, &QObject::deleteLater);
    thread.start();
    bool opened = false;
    onSimThread(sim, [&] { opened = sim->open(); });
    if (!opened) {
        std::fprintf(stderr, "cannot create a pseudo-terminal\n");
        return 1;
    }

    int status = 0;
    for (SessionKind kind : {SessionKind::Read, SessionKind::Write}) {
        const char *name = kind == SessionKind::Read ? "read" : "write";
        QList<double> ratios[2]; // without and with the trace
        for (int r = 0; r < rounds && status == 0; ++r) {
            for (bool traced : {false, true}) {
                const Figures f = runOnce(sim, kind, traced);
                if (!f.ok) {
                    std::fprintf(stderr, "%s: session failed\n", name);
                    status = 1;
                    break;
                }
                ratios[traced] << f.wallMs / f.wireMs;
                std::printf("%-5s round %d %-8s %lld bytes, wire %.1f ms, wall %.1f ms, "
                            "ratio %.3f\n",
                            name, r + 1, traced ? "traced:" : "untraced:", f.bytes, f.wireMs,
                            f.wallMs, f.wallMs / f.wireMs);
            }
        }
        for (bool traced : {false, true}) {
            QList<double> &list = ratios[traced];
            if (list.isEmpty())
                continue;
            std::sort(list.begin(), list.end());
            std::printf("%-5s median ratio %.3f %s (goal <= 1.02)\n", name,
                        list.at(list.size() / 2), traced ? "with the trace" : "without the trace");
        }
    }
    const double traceUs = traceMicrosecondsPerWrite();
    std::printf("trace: recording a write session takes %.1f us, %.5f of its wire time\n", traceUs,
                traceUs / (986 * 10 * 1e6 / 9600.0));
    onSimThread(sim, [&] { sim->closeFarEnd(); });
    thread.quit();
    thread.wait();
    return status;
}
