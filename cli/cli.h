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
inline QString tr2(const CliContext &ctx, const QString &chinese, const QString &english)
{
    return ctx.language == 0 ? chinese : english;
}

// File kinds by extension, case-insensitive.
enum class FileKind { Unknown, Dat, Json };
FileKind fileKindOf(const QString &path);

int runConvert(CliContext &ctx);
