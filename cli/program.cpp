// vq740-cli program MASTER --port PORT [--port PORT ...] [--count N]
// [--no-wait] [--journal FILE] [--backup-dir DIR]: programs one radio after
// another with the master, on every port given at once, each radio by the
// whole verified write, each recorded in the journal.
#include "cli/cli.h"

#include "image/imagecodec.h"
#include "image/statefile.h"
#include "image/writechecks.h"
#include "link/programmingline.h"
#include "model/bands.h"
#include "model/editorstate.h"
#include "model/texts.h"
#include "shell/journal.h"
#include "shell/programmingmaster.h"
#include "shell/radiooutcome.h"
#include "shell/writetexts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QPointer>

#include <iostream>
#include <memory>
#include <string>
#include <thread>

namespace {

using vq740::translate;

// Lines typed on standard input, handed to the event loop as they come. The
// reading thread blocks in the read; it is left to end with the process.
class InputLines : public QObject {
    Q_OBJECT
public:
    InputLines() {
        QPointer<InputLines> self(this);
        std::thread([self] {
            std::string line;
            while (std::getline(std::cin, line)) {
                const QString text = QString::fromLocal8Bit(line.c_str()).trimmed();
                QMetaObject::invokeMethod(
                    QCoreApplication::instance(),
                    [self, text] {
                        if (self)
                            emit self->lineTyped(text);
                    },
                    Qt::QueuedConnection);
            }
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [self] {
                    if (self)
                        emit self->ended();
                },
                Qt::QueuedConnection);
        }).detach();
    }
signals:
    void lineTyped(const QString &text);
    void ended();
};

struct Options {
    QString masterPath;
    QString masterDigest;
    int count = 0; // radios per port; 0 = until q
    bool wait = true;
    Journal journal;
};

// One port's loop: the line, where it stands, and what it has done.
struct PortLoop {
    std::unique_ptr<ProgrammingLine> line;
    bool waiting = false; // for Enter before its next radio
    bool finished = false;
};

class ProgramRun : public QObject {
public:
    ProgramRun(const Options &options, const EditorState &master, const QStringList &ports,
               const BackupStore &backups)
        : m_options(options), m_master(master) {
        for (const QString &port : ports) {
            auto loop = std::make_shared<PortLoop>();
            loop->line = std::make_unique<ProgrammingLine>(master, port, backups);
            ProgrammingLine *line = loop->line.get();
            connect(line, &ProgrammingLine::confirmationNeeded, this,
                    [this, line] { showChanges(*line); });
            connect(line, &ProgrammingLine::radioFinished, this,
                    [this, loop](const RadioRecord &r) { radioFinished(*loop, r); });
            m_loops << loop;
        }
    }

    int run() {
        if (m_options.wait) {
            m_input = std::make_unique<InputLines>();
            connect(m_input.get(), &InputLines::lineTyped, this, &ProgramRun::lineTyped);
            connect(m_input.get(), &InputLines::ended, this,
                    [this] { lineTyped(QStringLiteral("q")); });
        }
        for (const auto &loop : m_loops)
            next(*loop);
        while (!allFinished())
            m_loop.exec();
        return summary();
    }

private:
    static QString portTag(const ProgrammingLine &line) {
        return QStringLiteral("[%1] ").arg(line.port());
    }

    // Starts the loop's next radio, or asks for it first.
    void next(PortLoop &loop) {
        const ProgrammingLine &line = *loop.line;
        const bool again = line.lastFailed() && m_options.wait;
        if (m_stopping || (!again && m_options.count > 0 && line.nextNumber() > m_options.count)) {
            finish(loop);
            return;
        }
        if (!m_options.wait) {
            loop.line->start();
            return;
        }
        const int number = again ? line.records().last().number : line.nextNumber();
        QString prompt;
        if (again)
            prompt =
                translate("ProgramCommand",
                          "connect radio %1 again and press Enter to try it again; n for the next "
                          "radio; q to stop")
                    .arg(number);
        else if (m_options.count > 0)
            prompt =
                translate("ProgramCommand", "connect radio %1 of %2 and press Enter; q to stop")
                    .arg(number)
                    .arg(m_options.count);
        else
            prompt = translate("ProgramCommand", "connect radio %1 and press Enter; q to stop")
                         .arg(number);
        printLine(portTag(line) + prompt);
        loop.waiting = true;
        m_waiting << &loop;
        takeTyped();
    }

    // Lines typed are taken in order, each by the port that has waited
    // longest; one typed while no port waits is kept for the next to ask.
    // q (or the end of the input) stops every port once its radio is done.
    void lineTyped(const QString &text) {
        m_typed << text;
        takeTyped();
    }

    void takeTyped() {
        while (!m_typed.isEmpty() && !m_waiting.isEmpty()) {
            const QString text = m_typed.takeFirst();
            if (text.compare(QLatin1String("q"), Qt::CaseInsensitive) == 0) {
                stopAll();
                return;
            }
            PortLoop *loop = m_waiting.takeFirst();
            loop->waiting = false;
            if (loop->line->lastFailed() &&
                text.compare(QLatin1String("n"), Qt::CaseInsensitive) != 0)
                loop->line->retry();
            else if (m_options.count > 0 && loop->line->nextNumber() > m_options.count)
                finish(*loop);
            else
                loop->line->start();
        }
    }

    void stopAll() {
        m_stopping = true;
        for (PortLoop *loop : m_waiting)
            finish(*loop);
        m_waiting.clear();
    }

    void showChanges(ProgrammingLine &line) {
        const qint16 language = m_master.language;
        printLine(portTag(line) + previewSummary(line.flow().changes(), language));
        for (const QString &text : changeTexts(line.flow().changes(), language))
            printLine(QStringLiteral("  ") + text);
        for (const QString &text : warningTexts(line.flow(), false, language))
            printError(portTag(line) + translate("ProgramCommand", "Warning: ") + text);
        // The command line asks nothing: the first radio shows what changes.
        line.confirm(true);
    }

    void radioFinished(PortLoop &loop, const RadioRecord &r) {
        const ProgrammingLine &line = *loop.line;
        const JournalEntry e =
            journalEntryOf(r, line.port(), m_options.masterPath, m_options.masterDigest);
        QString reason;
        if (!m_options.journal.append(e, &reason)) {
            printError(translate("ProgramCommand", "The journal %1 cannot be written (%2).")
                           .arg(QDir::toNativeSeparators(m_options.journal.path()), reason));
            m_journalFailed = true;
        }
        QString text = translate("ProgramCommand", "radio %1: %2 %3 %4 %5")
                           .arg(r.number)
                           .arg(r.when.toString(QStringLiteral("HH:mm:ss")),
                                e.band.isEmpty() ? QStringLiteral("-") : e.band,
                                r.model.isEmpty() ? QStringLiteral("-") : r.model,
                                radioOutcomeText(r.outcome));
        if (!r.backup.isEmpty())
            text +=
                translate("ProgramCommand", ", backup %1").arg(QDir::toNativeSeparators(r.backup));
        if (r.outcome == RadioOutcome::Done)
            printLine(portTag(line) + text);
        else
            printError(portTag(line) + text +
                       (r.message.isEmpty() ? QString() : QStringLiteral(": ") + r.message));
        // Without waiting, a port whose radio failed goes no further: the
        // script that connects the radios must look at it.
        if (!m_options.wait && r.outcome != RadioOutcome::Done) {
            finish(loop);
            return;
        }
        next(loop);
    }

    void finish(PortLoop &loop) {
        loop.finished = true;
        loop.waiting = false;
        m_loop.quit();
    }

    bool allFinished() const {
        for (const auto &loop : m_loops)
            if (!loop->finished || loop->line->busy())
                return false;
        return true;
    }

    int summary() const {
        int done = 0;
        int total = 0;
        bool differs = false;
        bool silent = false;
        bool refused = false;
        bool backup = false;
        for (const auto &loop : m_loops) {
            const ProgrammingLine &line = *loop->line;
            done += line.doneCount();
            total += int(line.records().size());
            for (const RadioRecord &r : line.records()) {
                differs |= r.outcome == RadioOutcome::CheckDiffers;
                silent |=
                    r.outcome == RadioOutcome::NoAnswer || r.outcome == RadioOutcome::NotOpened;
                refused |= r.outcome == RadioOutcome::RefusedBand;
                backup |= r.outcome == RadioOutcome::BackupFailed;
            }
            printLine(portTag(line) +
                      translate("ProgramCommand", "%1 of %2 radio(s) written and checked")
                          .arg(line.doneCount())
                          .arg(line.records().size()));
        }
        printLine(translate("ProgramCommand", "Radios written and checked: %1 of %2.")
                      .arg(done)
                      .arg(total));
        if (differs)
            return ExitStatus::VerifyFailed;
        if (silent)
            return ExitStatus::CommunicationError;
        if (refused)
            return ExitStatus::BandRefused;
        if (backup || m_journalFailed)
            return ExitStatus::CannotWriteOutput;
        // Fewer radios than asked for (stopped with q) is no failure; none
        // at all is.
        return done == total && total > 0 ? ExitStatus::Success : ExitStatus::CommunicationError;
    }

    Options m_options;
    EditorState m_master;
    QList<std::shared_ptr<PortLoop>> m_loops;
    QList<PortLoop *> m_waiting;
    QStringList m_typed;
    std::unique_ptr<InputLines> m_input;
    bool m_stopping = false;
    bool m_journalFailed = false;
    QEventLoop m_loop;
};

} // namespace

CliCommand programCommand() {
    CliCommand command;
    command.name = QStringLiteral("program");
    command.synopsis = QStringLiteral("MASTER.DAT --port PORT [--port PORT ...] [--count N] "
                                      "[--no-wait] [--journal FILE] [--backup-dir DIR]");
    command.description = QStringLiteral(
        "Programs one radio after another with MASTER (a data file, or the JSON form for a\n"
        "name ending in .json), on every PORT given at once. Before each radio it waits\n"
        "for Enter on standard input (q stops; after a failure Enter tries that radio\n"
        "again and n goes on to the next); --no-wait goes straight on. Each radio gets\n"
        "the whole verified write: read and kept as a backup, written, read back and\n"
        "compared; the first radio's changes are printed. A master the radio could not\n"
        "hold as it is is refused before the first radio (exit status 4). Every radio\n"
        "is recorded in the journal (one CSV line: time, master and its SHA-256, port,\n"
        "band, model, outcome, backup). Exit status: 0 when every radio was written and\n"
        "checked, 5 when a check differed, 1 on communication failures, 2 when a radio\n"
        "of another band was refused.");
    command.addOptions = [](QCommandLineParser &parser) {
        parser.addOption(QCommandLineOption(QStringLiteral("port"),
                                            QStringLiteral("COM1 to COM8 or a device path; "
                                                           "more than once for several cables."),
                                            QStringLiteral("PORT")));
        parser.addOption(QCommandLineOption(QStringLiteral("count"),
                                            QStringLiteral("Radios to program on each port."),
                                            QStringLiteral("N")));
        parser.addOption(QCommandLineOption(
            QStringLiteral("no-wait"),
            QStringLiteral("Programs the next radio without waiting for Enter; needs --count N.")));
        parser.addOption(
            QCommandLineOption(QStringLiteral("journal"),
                               QStringLiteral("The journal to append to (default: %1).")
                                   .arg(QDir::toNativeSeparators(Journal::standardPath())),
                               QStringLiteral("FILE")));
        addBackupOption(parser);
        parser.addPositionalArgument(QStringLiteral("MASTER"),
                                     QStringLiteral("The file to write into every radio."));
    };
    command.run = [command](CliContext &ctx, const QCommandLineParser &parser) {
        QStringList ports = parser.values(QStringLiteral("port"));
        const QStringList files = parser.positionalArguments();
        if (ports.isEmpty())
            return usageError(command, QStringLiteral("--port is needed"));
        if (ports.removeDuplicates() > 0)
            return usageError(command, QStringLiteral("a port is given twice"));
        if (files.size() != 1)
            return usageError(command, QStringLiteral("takes one master file"));
        if (stateFileKindOf(files.first()) == StateFileKind::Unknown)
            return usageError(
                command, QStringLiteral("%1: files must end in .dat or .json").arg(files.first()));
        Options options;
        if (parser.isSet(QStringLiteral("count"))) {
            bool ok = false;
            options.count = parser.value(QStringLiteral("count")).toInt(&ok);
            if (!ok || options.count < 1)
                return usageError(command, QStringLiteral("--count takes a number from 1"));
        }
        options.wait = !parser.isSet(QStringLiteral("no-wait"));
        if (!options.wait && options.count == 0)
            return usageError(command, QStringLiteral("--no-wait needs --count"));
        if (parser.isSet(QStringLiteral("journal")))
            options.journal = Journal(parser.value(QStringLiteral("journal")));

        EditorState master;
        master.language = ctx.language;
        master.loadStartUpValues();
        const int loaded = loadInput(ctx, files.first(), master);
        if (loaded != ExitStatus::Success)
            return loaded;
        master.bandOverrideMode = false;
        master.debugWriteMode = false;
        // The master is checked before any radio: what a radio cannot hold
        // as the master has it would go wrong in every one of them.
        bool errors = false;
        for (const WriteWarning &w : checkBeforeWrite(master, master.bandPosition)) {
            const QString text = warningText(w, master.bandPosition, false, ctx.language);
            if (isMasterError(w)) {
                printError(translate("ProgramCommand", "Error in the master: ") + text);
                errors = true;
            } else {
                printError(translate("ProgramCommand", "Warning: ") + text);
            }
        }
        if (errors) {
            printError(
                translate("ProgramCommand", "No radio was programmed: mend the master first."));
            return int(ExitStatus::UnusableInput);
        }
        options.masterPath = QFileInfo(files.first()).absoluteFilePath();
        options.masterDigest = masterDigest(bytesFromImage(EncodeImage(master)));
        ProgramRun run(options, master, ports, BackupStore(backupFolderOf(parser)));
        return run.run();
    };
    return command;
}

#include "program.moc"
