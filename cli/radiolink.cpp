// What the read and write commands share: their options, a message port
// that prints, the progress line, and running one session to its end.
#include "cli/cli.h"

#include "link/clonesession.h"
#include "link/linktexts.h"
#include "link/portchooser.h"
#include "link/portnames.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"
#include "model/editorstate.h"
#include "model/messageport.h"

#include <QCommandLineParser>
#include <QEventLoop>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Messages are printed; the only question (the band question of band
// override mode) is answered Yes, as --band-override asked.
class PrintingMessagePort : public MessagePort {
public:
    explicit PrintingMessagePort(const CliContext &ctx) : m_ctx(ctx) {}
    int show(const QString &text, quint32 flags, const QString &) override {
        if ((flags & 0xF) == MsgStyle::YesNo) {
            printError(text + QLatin1Char(' ') +
                       tr2(m_ctx, QStringLiteral("是"), QStringLiteral("Yes")) +
                       QStringLiteral(" (--band-override)"));
            return MsgResult::Yes;
        }
        printError(text);
        return MsgResult::Ok;
    }

private:
    const CliContext &m_ctx;
};

// "It's communicating, please wait...... [#####     ]  50%" on one
// terminal line, redrawn as the progress value changes.
class ProgressLine {
public:
    ProgressLine(int total, const QString &label) : m_total(total), m_label(label) {
#ifdef Q_OS_UNIX
        m_enabled = ::isatty(STDERR_FILENO) == 1;
#endif
    }
    void show(int value) {
        if (!m_enabled)
            return;
        const int percent = qBound(0, value * 100 / m_total, 100);
        const int bar = percent / 5;
        const QString line =
            QStringLiteral("\r%1 [%2%3] %4%")
                .arg(m_label, QString(bar, QLatin1Char('#')), QString(20 - bar, QLatin1Char(' ')))
                .arg(percent, 3);
        std::fputs(line.toLocal8Bit().constData(), stderr);
        std::fflush(stderr);
        m_drawn = true;
    }
    void end() {
        if (m_drawn)
            std::fputs("\n", stderr);
        m_drawn = false;
    }

private:
    bool m_enabled = false;
    bool m_drawn = false;
    int m_total;
    QString m_label;
};

} // namespace

void addPortOption(QCommandLineParser &parser) {
    parser.addOption(QCommandLineOption(QStringLiteral("port"),
                                        QStringLiteral("COM1 to COM8 or a device path."),
                                        QStringLiteral("PORT")));
    parser.addOption(QCommandLineOption(
        QStringLiteral("trace"),
        QStringLiteral("Writes every byte of the exchange, with times, to FILE (for support)."),
        QStringLiteral("FILE")));
}

int runRadioSession(const CliContext &ctx, EditorState &state, const QString &portName,
                    SessionKind kind, const QString &tracePath) {
    SystemSerialPort port;
    SerialTrace trace;
    port.setTrace(&trace);
    PrintingMessagePort messages(ctx);
    PortChooser chooser(port, messages);
    const int number = portNumberOfName(portName);
    if (number > 0)
        chooser.setRememberedPort(number);
    else
        chooser.setDevicePath(portName);

    CloneSession session(state, port, chooser, messages);
    const bool reading = kind == SessionKind::Read;
    // A read ends at 17 acknowledgements of 25 (425); a write at 460.
    ProgressLine progress(reading ? 17 * CloneSession::kReadProgressStep
                                  : CloneSession::kProgressMaximum,
                          linkText(LinkText::Communicating, ctx.language));
    QEventLoop loop;
    bool done = false;
    SessionOutcome outcome = SessionOutcome::TimedOut;
    QObject::connect(&session, &CloneSession::finished, [&](SessionOutcome o) {
        outcome = o;
        done = true;
        loop.quit();
    });
    QObject::connect(&session, &CloneSession::progressValueChanged,
                     [&](int value) { progress.show(value); });
    QObject::connect(&session, &CloneSession::portLost, [&](const QString &reason) {
        progress.end();
        printError(reason);
    });

    const bool started = reading ? session.startRead() : session.startWrite();
    if (started && !done)
        loop.exec();
    progress.end();
    // After a time-out the port is still open: let the end byte leave.
    port.close();
    int status = ExitStatus::CommunicationError;
    if (!started) {
        status = ExitStatus::PortNotOpen; // the message is out, with the system's reason
    } else if (outcome == SessionOutcome::Success) {
        printLine(session.statusText());
        status = ExitStatus::Success;
    } else if (outcome != SessionOutcome::TimedOut) {
        printError(session.statusText());
        status = ExitStatus::BandRefused;
    }
    // The trace is written whatever happened: a failure is what it is for.
    QString traceError;
    if (!tracePath.isEmpty() && !saveTextFile(tracePath, trace.text(ctx.language), &traceError)) {
        printError(QStringLiteral("%1: %2").arg(tracePath, traceError));
        if (status == ExitStatus::Success)
            status = ExitStatus::CannotWriteOutput;
    }
    return status;
}
