// Shared pieces of the vq740-cli commands.
#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace ExitStatus {
constexpr int Success = 0;
constexpr int CommunicationError = 1;
constexpr int BandRefused = 2;
constexpr int PortNotOpen = 3;
constexpr int UnusableInput = 4;
constexpr int CannotWriteOutput = 73;
constexpr int Usage = 64;
} // namespace ExitStatus

struct CliContext {
    qint16 language = 1; // 1 English, 0 Chinese (--lang zh)
    QStringList args;    // the command's own arguments, options removed
};

// Prints a line on standard error / standard output.
void printError(const QString &text);
void printLine(const QString &text);

// Picks the Chinese or English wording by the context's language.
inline QString tr2(const CliContext &ctx, const QString &chinese, const QString &english) {
    return ctx.language == 0 ? chinese : english;
}

// File kinds by extension, case-insensitive.
enum class FileKind { Unknown, Dat, Json };
FileKind fileKindOf(const QString &path);

int runConvert(CliContext &ctx);

// Radio transfers: vq740-cli read / write.
int runRead(CliContext &ctx);
int runWrite(CliContext &ctx);

struct EditorState;
enum class SessionKind;

// Options of the read and write commands.
struct RadioOptions {
    QString port;           // --port: COM1..COM8 or a device path
    QString output;         // -o / --output (read)
    QStringList positional; // the input file (write)
    QString trace;          // --trace: the serial trace is written here
    bool bandOverride = false;
    bool debugWrite = false;
};

// Parses the command's arguments; `allowed` lists the options it takes
// ("--port", "-o", "--band-override", "--debug-write"). Returns false with
// a message on an unknown or incomplete option.
bool parseRadioOptions(const QStringList &args, const QStringList &allowed, RadioOptions *options,
                       QString *error);

// Runs one read or write session on the editor state over the named port,
// printing the program's messages, a progress line on a terminal, and what
// the system says when the port cannot be opened; with a `tracePath`, writes
// the serial trace of the session there. Returns the exit status.
int runRadioSession(const CliContext &ctx, EditorState &state, const QString &port,
                    SessionKind kind, const QString &tracePath = QString());
