// Shared pieces of the vq740-cli commands: exit statuses, the commands'
// table entry, printing, and loading and saving state files.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <memory>

class QCoreApplication;

class QCommandLineParser;
struct EditorState;
struct StateFileStatus;
enum class SessionKind;

namespace ExitStatus {
constexpr int Success = 0;
constexpr int CommunicationError = 1;
constexpr int BandRefused = 2;
constexpr int PortNotOpen = 3;
constexpr int UnusableInput = 4;
constexpr int VerifyFailed = 5;
constexpr int Usage = 64;
constexpr int CannotWriteOutput = 73;
} // namespace ExitStatus

struct CliContext {
    // 0 Chinese, 1 English: --lang, else the environment's locale.
    qint16 language = 1;
    QString tracePath; // --trace: the serial trace of the exchange goes here
};

// One command of the tool: its name, what it takes, what it does, the
// options it adds to the common ones, and how it runs once its command line
// has been parsed. One source file per command makes its entry.
struct CliCommand {
    QString name;
    QString synopsis;    // the arguments after the name, for the usage line
    QString description; // one paragraph for --help
    std::function<void(QCommandLineParser &)> addOptions;
    std::function<int(CliContext &, const QCommandLineParser &)> run;
    bool needsGui = false; // lays out pages: runs in a QGuiApplication
};

CliCommand convertCommand();
CliCommand readCommand();
CliCommand writeCommand();
CliCommand printCommand();
CliCommand programCommand();

// The application a command that lays out pages runs in: a QGuiApplication,
// on the offscreen platform when there is no display.
std::unique_ptr<QCoreApplication> makePrintApplication(int &argc, char **argv);

// Prints a line on standard error / standard output.
void printError(const QString &text);
void printLine(const QString &text);

// Reports a usage error of a command: the error, then its usage line.
int usageError(const CliCommand &command, const QString &error);

// The exit status of a failed load or save of a state file.
int exitStatusOf(const StateFileStatus &status);

// Loads a state file (data file or JSON form, by extension) over the state
// and saves one; on failure the message is printed and the exit status
// returned, otherwise Success.
int loadInput(const CliContext &ctx, const QString &path, EditorState &state);
int saveOutput(const CliContext &ctx, const QString &path, const EditorState &state);

// The --port option of the read and write commands.
void addPortOption(QCommandLineParser &parser);

// What a read brought: the radio's memory (hex text) and its band (-1 for a
// code outside the table).
struct RadioRead {
    QString image;
    int band = -1;
};

// Runs one read or write session on the editor state over the named port,
// printing the program's messages, a progress line on a terminal, and what
// the system says when the port cannot be opened. Returns the exit status;
// after a successful read, `read` (when given) holds what came.
int runRadioSession(const CliContext &ctx, EditorState &state, const QString &port,
                    SessionKind kind, RadioRead *read = nullptr);

struct WriteOptions {
    QString backupFolder; // where the backup of the radio's old contents goes
    bool verify = true;   // read the radio back and compare
    bool dryRun = false;  // print the change list, write nothing
    bool force = false;   // write also when the radio holds the same
};

// The whole write of the editor state: the backup read, the change list
// (printed), the write and the read back. Returns the exit status: 5 when
// the read back differs, 73 when the backup cannot be saved.
int runWriteFlow(const CliContext &ctx, EditorState &state, const QString &port,
                 const WriteOptions &options);

// The --backup-dir option of the read and write commands, and the folder it
// names (the per-user folder when it is not given).
void addBackupOption(QCommandLineParser &parser);
QString backupFolderOf(const QCommandLineParser &parser);
