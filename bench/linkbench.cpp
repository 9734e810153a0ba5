// Clone session speed: a read, a write, and a whole Write To Radio (backup
// read, write, read back) over the real serial port against the simulated
// radio paced at 9600 baud (in its own thread), each compared with the time
// its bytes need on the wire (10 bits per byte, both directions). A ratio of
// 1.00 means the program adds no delay of its own. The port records the
// serial trace, as the program's always does, and the cost of recording a
// whole write is measured on its own.
//
//   linkbench [ROUNDS]
#include "simradio.h"

#include "link/clonesession.h"
#include "link/portchooser.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"
#include "link/writeflow.h"
#include "model/editorstate.h"
#include "model/messageport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
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

// What a run is: one session, or the whole write with its reads.
enum class Run { Read, Write, WriteFlow };

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

Figures runOnce(SimRadio *sim, Run run) {
    qint64 before = 0;
    onSimThread(sim, [&] { before = sim->bytesFromProgram() + sim->bytesToProgram(); });
    int endsBefore = 0;
    onSimThread(sim, [&] { endsBefore = sim->model.endBytes; });

    EditorState state;
    state.language = 1;
    state.loadStartUpValues();
    SerialTrace trace;
    SystemSerialPort port;
    port.setTrace(&trace);
    SilentMessages messages;
    PortChooser chooser(port, messages);
    chooser.setDevicePath(sim->devicePath());
    CloneSession session(state, port, chooser, messages);
    QTemporaryDir backups;
    WriteFlow flow(state, session);
    flow.setBackupStore(BackupStore(backups.path()));
    QEventLoop loop;
    Figures f;
    if (run == Run::WriteFlow) {
        // The preview is answered at once: the time is the program's.
        QObject::connect(&flow, &WriteFlow::previewReady, &flow, &WriteFlow::write);
        QObject::connect(&flow, &WriteFlow::finished, [&](WriteFlowOutcome o) {
            f.ok = o == WriteFlowOutcome::Verified;
            loop.quit();
        });
    } else {
        QObject::connect(&session, &CloneSession::finished, [&](SessionOutcome o) {
            f.ok = o == SessionOutcome::Success;
            loop.quit();
        });
    }
    QElapsedTimer clock;
    clock.start();
    const bool started = run == Run::Read    ? session.startRead()
                         : run == Run::Write ? session.startWrite()
                                             : flow.start();
    if (!started)
        return f;
    loop.exec();
    f.wallMs = clock.nsecsElapsed() / 1e6;

    // Let the end byte arrive before counting.
    const int sessions = run == Run::WriteFlow ? 3 : 1;
    for (int i = 0; i < 200; ++i) {
        int ends = 0;
        onSimThread(sim, [&] { ends = sim->model.endBytes; });
        if (ends >= endsBefore + sessions)
            break;
        QThread::msleep(5);
    }
    qint64 after = 0;
    onSimThread(sim, [&] { after = sim->bytesFromProgram() + sim->bytesToProgram(); });
    f.bytes = after - before;
    f.wireMs = f.bytes * 10 * 1000.0 / 9600.0;
    return f;
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
    for (Run kind : {Run::Read, Run::Write, Run::WriteFlow}) {
        const char *name = kind == Run::Read ? "read" : kind == Run::Write ? "write" : "flow";
        const double goal = kind == Run::WriteFlow ? 1.05 : 1.02;
        QList<double> ratios;
        for (int r = 0; r < rounds; ++r) {
            const Figures f = runOnce(sim, kind);
            if (!f.ok) {
                std::fprintf(stderr, "%s: session failed\n", name);
                status = 1;
                break;
            }
            ratios << f.wallMs / f.wireMs;
            std::printf("%-5s round %d: %lld bytes, wire %.1f ms, wall %.1f ms, ratio %.3f\n", name,
                        r + 1, f.bytes, f.wireMs, f.wallMs, f.wallMs / f.wireMs);
        }
        if (!ratios.isEmpty()) {
            std::sort(ratios.begin(), ratios.end());
            std::printf("%-5s median ratio %.3f, worst %.3f (goal <= %.2f)\n", name,
                        ratios.at(ratios.size() / 2), ratios.last(), goal);
        }
    }
    onSimThread(sim, [&] { sim->closeFarEnd(); });
    thread.quit();
    thread.wait();
    const double traceUs = traceMicrosecondsPerWrite();
    std::printf("trace: recording a write session takes %.1f us, %.5f of its wire time\n", traceUs,
                traceUs / (986 * 10 * 1e6 / 9600.0));
    return status;
}
