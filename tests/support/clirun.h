// Runs the command-line tool for a test while this process's event loop
// goes on, so that a simulated radio living in the test keeps answering.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QString>
#include <QStringList>

struct CliRun {
    int status = -1; // the exit status; -1 when it crashed or was stopped
    QString out;
    QString err;
};

// `dataHome`, when given, is the per-user data folder of the tool
// (XDG_DATA_HOME), so that its default backup folder is the test's own;
// `input` is what it reads on standard input. The tool's messages follow the
// locale: it runs with LANG `locale` (English messages unless it is a
// Chinese one), whatever the locale of the tests.
inline CliRun runCliProgram(const QString &program, const QStringList &args,
                            const QString &dataHome = QString(),
                            const QByteArray &input = QByteArray(),
                            const QString &locale = QStringLiteral("C.UTF-8")) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!dataHome.isEmpty())
        env.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
    env.remove(QStringLiteral("LC_ALL"));
    env.remove(QStringLiteral("LC_MESSAGES"));
    env.insert(QStringLiteral("LANG"), locale);
    p.setProcessEnvironment(env);
    QSignalSpy finished(&p, &QProcess::finished);
    p.start(program, args);
    p.write(input);
    p.closeWriteChannel();
    if (!finished.wait(20000)) {
        p.kill();
        p.waitForFinished();
    }
    // Windows ends the tool's lines with CR LF: compared as LF.
    const auto text = [](const QByteArray &bytes) {
        return QString::fromUtf8(bytes).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    };
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            text(p.readAllStandardOutput()), text(p.readAllStandardError())};
}
