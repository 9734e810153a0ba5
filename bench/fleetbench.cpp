// Programming radios one after another: the time a programming line takes
// per radio against the time the radio's bytes need on the wire at 9600
// baud (the goal: within 1.02 x, the line adding nothing of its own), and
// four lines on four simulated radios at once against one line alone (the
// goal: within 1.05 x, no line waiting on another). Each simulated radio
// runs paced in a thread of its own, as a radio on its own cable would.
//
//   fleetbench [RADIOS]
#include "simradio.h"

#include "link/programmingline.h"
#include "model/editorstate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

template <typename F> void onSimThread(SimRadio *sim, F f) {
    QMetaObject::invokeMethod(sim, f, Qt::BlockingQueuedConnection);
}

struct Bench {
    std::shared_ptr<QThread> thread;
    SimRadio *sim = nullptr;
};

Bench openSim() {
    Bench b;
    b.thread = std::make_shared<QThread>();
    b.sim = new SimRadio;
    b.sim->options.pace = true;
    b.sim->moveToThread(b.thread.get());
    QObject::connect(b.thread.get(), &QThread::finished, b.sim, &QObject::deleteLater);
    b.thread->start();
    bool opened = false;
    onSimThread(b.sim, [&] { opened = b.sim->open(); });
    if (!opened)
        b.sim = nullptr;
    return b;
}

qint64 wireBytes(SimRadio *sim) {
    qint64 n = 0;
    onSimThread(sim, [&] { n = sim->bytesFromProgram() + sim->bytesToProgram(); });
    return n;
}

struct Figures {
    double wallMs = 0;
    double wireMs = 0; // of the busiest line
    bool ok = true;
};

// Programs `radios` radios on each of the benches at once.
Figures program(const QList<Bench *> &benches, int radios) {
    EditorState master;
    master.language = 1;
    master.loadStartUpValues();
    master.channels.setCell(1, ColRxFrequency, QStringLiteral("446.00625"));
    master.channels.setCell(1, ColTxFrequency, QStringLiteral("446.00625"));
    QTemporaryDir backups;
    QList<std::shared_ptr<ProgrammingLine>> lines;
    QList<qint64> before;
    QEventLoop loop;
    int running = 0;
    Figures f;
    for (Bench *b : benches) {
        auto line = std::make_shared<ProgrammingLine>(master, b->sim->devicePath(),
                                                      BackupStore(backups.path()));
        ProgrammingLine *raw = line.get();
        QObject::connect(raw, &ProgrammingLine::confirmationNeeded, raw,
                         [raw] { raw->confirm(true); });
        QObject::connect(raw, &ProgrammingLine::radioFinished, raw,
                         [&, raw, radios](const RadioRecord &r) {
                             f.ok = f.ok && r.outcome == RadioOutcome::Done;
                             if (r.number < radios && f.ok)
                                 raw->start();
                             else if (--running == 0)
                                 loop.quit();
                         });
        lines << line;
        before << wireBytes(b->sim);
    }
    QElapsedTimer clock;
    clock.start();
    for (const auto &line : lines) {
        ++running;
        line->start();
    }
    loop.exec();
    f.wallMs = clock.nsecsElapsed() / 1e6;
    // The end byte of the last session is on its way: let it arrive.
    QThread::msleep(20);
    for (int i = 0; i < benches.size(); ++i) {
        const qint64 bytes = wireBytes(benches.at(i)->sim) - before.at(i);
        f.wireMs = std::max(f.wireMs, bytes * 10 * 1000.0 / 9600.0);
    }
    return f;
}

} // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const int radios = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    std::vector<Bench> benches;
    for (int i = 0; i < 4; ++i) {
        benches.push_back(openSim());
        if (!benches.back().sim) {
            std::fprintf(stderr, "cannot create a pseudo-terminal\n");
            return 1;
        }
    }
    const Figures one = program({&benches[0]}, radios);
    std::printf("one line, %d radios: wire %.1f ms, wall %.1f ms, ratio %.3f (goal <= 1.02)\n",
                radios, one.wireMs, one.wallMs, one.wallMs / one.wireMs);
    const Figures four = program({&benches[0], &benches[1], &benches[2], &benches[3]}, radios);
    std::printf("four lines at once, %d radios each: wall %.1f ms, %.3f x one line (goal <= "
                "1.05)\n",
                radios, four.wallMs, four.wallMs / one.wallMs);
    for (Bench &b : benches) {
        b.thread->quit();
        b.thread->wait();
    }
    return one.ok && four.ok ? 0 : 1;
}
