// Start-up benchmark of the main window: the time from launching a process
// to the main window's first paint, and the resident memory once the window
// is idle. Run it under the display to measure, for example
//   xvfb-run -a build/default/bench/vq740-startupbench
// It starts itself several times as a child (with --child); each child
// builds the real main window exactly as the program does, reports when it
// is painted and, after a second of idling, its resident memory.
#include "shell/form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {
constexpr int kRuns = 7;

long residentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            std::printf("visible\n");
            std::fflush(stdout);
            QTimer::singleShot(1000, [] {
                std::printf("rss %ld\n", residentKiB());
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

int child(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir folder;
    Form1 window(ParameterFile(folder.path(), folder.filePath(QStringLiteral("config"))));
    FirstPaint firstPaint;
    window.centralWidget()->installEventFilter(&firstPaint);
    window.show();
    return app.exec();
}

double median(QList<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

int launcher(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    QList<double> seconds;
    QList<double> mebibytes;
    for (int run = 0; run < kRuns; ++run) {
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
        double visibleAt = -1;
        QByteArray pending;
        while (process.state() != QProcess::NotRunning || process.bytesAvailable()) {
            if (!process.waitForReadyRead(10000) && process.state() == QProcess::NotRunning &&
                !process.bytesAvailable())
                break;
            pending += process.readAll();
            int end;
            while ((end = pending.indexOf('\n')) >= 0) {
                const QByteArray line = pending.left(end);
                pending.remove(0, end + 1);
                if (line == "visible")
                    visibleAt = clock.nsecsElapsed() / 1e9;
                else if (line.startsWith("rss "))
                    mebibytes << line.mid(4).toLong() / 1024.0;
            }
        }
        process.waitForFinished(10000);
        if (visibleAt < 0) {
            std::fprintf(stderr, "run %d: the window was never painted\n", run + 1);
            return 1;
        }
        seconds << visibleAt;
        std::printf("run %d: visible after %.3f s, resident %.1f MiB\n", run + 1, visibleAt,
                    mebibytes.isEmpty() ? -1.0 : mebibytes.last());
    }
    std::printf("launch to visible main window: median %.3f s, worst %.3f s (goal 0.200 s)\n",
                median(seconds), *std::max_element(seconds.begin(), seconds.end()));
    if (!mebibytes.isEmpty())
        std::printf("resident memory when idle: median %.1f MiB, worst %.1f MiB (goal 50 MiB)\n",
                    median(mebibytes), *std::max_element(mebibytes.begin(), mebibytes.end()));
    return 0;
}
} // namespace

int main(int argc, char *argv[]) {
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "--child") == 0)
            return child(argc, argv);
    return launcher(argc, argv);
}
