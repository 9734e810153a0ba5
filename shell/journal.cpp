#include "shell/journal.h"

#include "image/backups.h"
#include "image/filewriter.h"
#include "interop/csvtext.h"
#include "model/bands.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

JournalEntry journalEntryOf(const RadioRecord &r, const QString &port, const QString &masterPath,
                            const QString &masterSha256) {
    JournalEntry e;
    e.when = r.when;
    e.master = masterPath;
    e.masterSha256 = masterSha256;
    e.port = port;
    e.band = r.band >= 0 ? bandText(r.band) : QString();
    e.model = r.model;
    e.outcome = r.outcome;
    e.backup = r.backup;
    return e;
}

QString Journal::standardPath() {
    return QFileInfo(BackupStore::standardFolder()).dir().filePath(QStringLiteral("journal.csv"));
}

QStringList Journal::header() {
    return {QStringLiteral("time"),    QStringLiteral("master"), QStringLiteral("master_sha256"),
            QStringLiteral("port"),    QStringLiteral("band"),   QStringLiteral("model"),
            QStringLiteral("outcome"), QStringLiteral("backup")};
}

QStringList Journal::fields(const JournalEntry &e) {
    return {e.when.toString(Qt::ISODate),
            QDir::toNativeSeparators(e.master),
            e.masterSha256,
            e.port,
            e.band,
            e.model,
            outcomeWord(e.outcome),
            QDir::toNativeSeparators(e.backup)};
}

bool Journal::append(const JournalEntry &entry, QString *reason) const {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    QString text;
    // A new file, or one whose every line a crash cut short, starts with the
    // header; a last line without its line end is ended first, so that this
    // line stands whole on its own.
    const QFileInfo info(m_path);
    if (!info.exists() || info.size() == 0) {
        text += csvRecordText(header()) + QStringLiteral("\r\n");
    } else {
        QFile existing(m_path);
        if (existing.open(QIODevice::ReadOnly) && existing.seek(existing.size() - 1) &&
            existing.read(1) != "\n")
            text += QStringLiteral("\r\n");
    }
    text += csvRecordText(fields(entry)) + QStringLiteral("\r\n");
    return appendToFile(m_path, text.toUtf8(), reason);
}

QList<QStringList> Journal::lines() const {
    QFile file(m_path);
    QList<QStringList> lines;
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    QByteArray bytes = file.readAll();
    // A line a crash cut short has no line end: it is left out.
    bytes.truncate(bytes.lastIndexOf('\n') + 1);
    const QList<CsvRecord> records = readCsvRecords(QString::fromUtf8(bytes));
    for (const CsvRecord &r : records) {
        // A line a crash cut short and a later append ended holds fewer
        // fields: it is no radio's line.
        if (r.fields.size() != header().size() || r.fields == header())
            continue;
        lines << r.fields;
    }
    return lines;
}

QString masterDigest(const QByteArray &bytes) {
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
}
