// What the read and write commands share: their options, a message port
// that prints, the progress line, running one session to its end, and the
// whole write (backup read, change list, write, read back).
#include "cli/cli.h"

#include "image/backups.h"
#include "link/clonesession.h"
#include "link/linktexts.h"
#include "link/portchooser.h"
#include "link/portnames.h"
#include "link/serialtrace.h"
#include "link/systemserialport.h"
#include "link/writeflow.h"
#include "model/editorstate.h"
#include "model/messageport.h"
#include "model/texts.h"
#include "shell/writetexts.h"

#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>

#include <cstdio>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using vq740::translate;

namespace {

// Messages are printed; the only question (the band question of band
// override mode) is answered Yes, as --band-override asked.
class PrintingMessagePort : public MessagePort {
public:
    int show(const QString &text, quint32 flags, const QString &) override {
        if ((flags & 0xF) == MsgStyle::YesNo) {
            printError(text + QLatin1Char(' ') +
                       translate("RadioLinkCommand", "Yes", "the answer to the band question") +
                       QStringLiteral(" (--band-override)"));
            return MsgResult::Yes;
        }
        printError(text);
        return MsgResult::Ok;
    }
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
    void restart(int total) {
        m_total = total;
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

void addBackupOption(QCommandLineParser &parser) {
    parser.addOption(
        QCommandLineOption(QStringLiteral("backup-dir"),
                           QStringLiteral("Where backups of the radio go (default: %1).")
                               .arg(QDir::toNativeSeparators(BackupStore::standardFolder())),
                           QStringLiteral("DIR")));
}

QString backupFolderOf(const QCommandLineParser &parser) {
    const QString folder = parser.value(QStringLiteral("backup-dir"));
    return folder.isEmpty() ? BackupStore::standardFolder() : folder;
}

namespace {

// The serial port, the message port, the port choice and the session of one
// command, with the progress line.
class CliRadio {
public:
    CliRadio(const CliContext &ctx, EditorState &state, const QString &portName)
        : m_ctx(ctx), m_chooser(m_port, m_messages),
          m_session(state, m_port, m_chooser, m_messages) {
        m_port.setTrace(&m_trace);
        const int number = portNumberOfName(portName);
        if (number > 0)
            m_chooser.setRememberedPort(number);
        else
            m_chooser.setDevicePath(portName);
        QObject::connect(&m_session, &CloneSession::progressValueChanged,
                         [this](int value) { m_progress.show(value); });
        QObject::connect(&m_session, &CloneSession::portLost, [this](const QString &reason) {
            m_progress.end();
            printError(reason);
        });
        QObject::connect(&m_session, &CloneSession::modelFrameActivated, [this] {
            // A new session: a read ends at 17 acknowledgements of 25 (425),
            // a write at 460.
            m_progress.end();
            m_progress.restart(m_session.kind() == QLatin1Char('R')
                                   ? 17 * CloneSession::kReadProgressStep
                                   : CloneSession::kProgressMaximum);
        });
    }

    CloneSession &session() { return m_session; }

    // After a session that did not start: the program's own message is out,
    // with what the system says.
    int notOpened() { return ExitStatus::PortNotOpen; }

    // Writes the serial trace when --trace asked for it, whatever happened:
    // a failure is what it is for. A trace that cannot be written turns a
    // success into status 73.
    int withTrace(int status) {
        QString error;
        if (!m_ctx.tracePath.isEmpty() &&
            !saveTextFile(m_ctx.tracePath, m_trace.text(m_ctx.language), &error)) {
            printError(QStringLiteral("%1: %2").arg(m_ctx.tracePath, error));
            if (status == ExitStatus::Success)
                status = ExitStatus::CannotWriteOutput;
        }
        return status;
    }

    // Runs the event loop until `done` is set.
    void wait(const bool &done) {
        while (!done)
            m_loop.exec();
        m_progress.end();
        // After a time-out the port is still open: let the end byte leave.
        m_port.close();
    }
    void wake() { m_loop.quit(); }

private:
    const CliContext &m_ctx;
    SerialTrace m_trace; // outlives the port that records into it
    SystemSerialPort m_port;
    PrintingMessagePort m_messages;
    PortChooser m_chooser;
    CloneSession m_session;
    ProgressLine m_progress{CloneSession::kProgressMaximum,
                            linkText(LinkText::Communicating, m_ctx.language)};
    QEventLoop m_loop;
};

int statusOfSession(SessionOutcome outcome) {
    switch (outcome) {
    case SessionOutcome::Success:
        return ExitStatus::Success;
    case SessionOutcome::BandRefused:
    case SessionOutcome::Declined:
        return ExitStatus::BandRefused;
    case SessionOutcome::TimedOut:
        break;
    }
    return ExitStatus::CommunicationError;
}

} // namespace

namespace {

int runSession(CliRadio &radio, SessionKind kind, RadioRead *read) {
    CloneSession &session = radio.session();
    bool done = false;
    SessionOutcome outcome = SessionOutcome::TimedOut;
    QObject::connect(&session, &CloneSession::finished, [&](SessionOutcome o) {
        outcome = o;
        done = true;
        radio.wake();
    });
    const bool reading = kind == SessionKind::Read;
    if (!(reading ? session.startRead() : session.startWrite()))
        return radio.notOpened();
    radio.wait(done);
    const int status = statusOfSession(outcome);
    if (status == ExitStatus::Success) {
        printLine(session.statusText());
        if (read) {
            read->image = session.readImage();
            read->band = session.identifiedBand();
        }
    } else if (status == ExitStatus::BandRefused) {
        printError(session.statusText());
    }
    return status;
}

int runFlow(CliRadio &radio, const CliContext &ctx, EditorState &state,
            const WriteOptions &options) {
    WriteFlow flow(state, radio.session());
    flow.setBackupStore(BackupStore(options.backupFolder));
    flow.setVerify(options.verify);
    flow.setDryRun(options.dryRun);
    bool done = false;
    WriteFlowOutcome outcome = WriteFlowOutcome::TimedOut;
    const auto printPreview = [&] {
        printLine(previewSummary(flow.changes(), ctx.language));
        for (const QString &line : changeTexts(flow.changes(), ctx.language))
            printLine(QStringLiteral("  ") + line);
        const QString warning = translate("RadioLinkCommand", "Warning: ");
        for (const QString &line : warningTexts(flow, state.bandOverrideMode, ctx.language))
            (options.dryRun ? printLine : printError)(warning + line);
    };
    QObject::connect(&flow, &WriteFlow::previewReady, [&] {
        printPreview();
        // Identical contents are written only when asked for.
        if (flow.changes().isEmpty() && !options.force)
            flow.cancel();
        else
            flow.write();
    });
    QObject::connect(&flow, &WriteFlow::finished, [&](WriteFlowOutcome o) {
        outcome = o;
        done = true;
        radio.wake();
    });
    if (!flow.start())
        return radio.notOpened();
    radio.wait(done);

    const QString text = writeOutcomeText(flow, outcome, ctx.language);
    switch (outcome) {
    case WriteFlowOutcome::Verified:
    case WriteFlowOutcome::Written:
    case WriteFlowOutcome::Cancelled:
        printLine(text);
        return ExitStatus::Success;
    case WriteFlowOutcome::DryRun:
        printPreview();
        printLine(text);
        return ExitStatus::Success;
    case WriteFlowOutcome::VerifyFailed:
        printError(text);
        for (const QString &line : changeTexts(flow.differences(), ctx.language))
            printError(QStringLiteral("  ") + line);
        printError(translate("RadioLinkCommand", "The backup taken before the write: %1")
                       .arg(QDir::toNativeSeparators(flow.backup().path)));
        return ExitStatus::VerifyFailed;
    case WriteFlowOutcome::BackupFailed:
        printError(text);
        return ExitStatus::CannotWriteOutput;
    case WriteFlowOutcome::BandRefused:
    case WriteFlowOutcome::Declined:
        printError(radio.session().statusText());
        return ExitStatus::BandRefused;
    case WriteFlowOutcome::NotStarted:
        printError(text);
        return radio.notOpened();
    case WriteFlowOutcome::TimedOut:
        printError(text);
        break;
    }
    return ExitStatus::CommunicationError;
}

} // namespace

int runRadioSession(const CliContext &ctx, EditorState &state, const QString &portName,
                    SessionKind kind, RadioRead *read) {
    CliRadio radio(ctx, state, portName);
    return radio.withTrace(runSession(radio, kind, read));
}

int runWriteFlow(const CliContext &ctx, EditorState &state, const QString &portName,
                 const WriteOptions &options) {
    CliRadio radio(ctx, state, portName);
    return radio.withTrace(runFlow(radio, ctx, state, options));
}
