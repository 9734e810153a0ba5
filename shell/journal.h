// The programming journal: one line for every radio programmed, by the
// Program radios window or `vq740-cli program`, in a CSV file in the
// per-user data folder (journal.csv beside the backups):
//
//   time,master,master_sha256,port,band,model,outcome,backup
//   2026-12-09T14:38:55,/home/ann/club.DAT,9f2c...,/dev/ttyUSB0,400-470MHz,K7403,written and
//   checked,/home/ann/.local/share/VQ-740/vq740/backups/...DAT
//
// Lines are only ever appended, each with one write of the whole line that
// is flushed to the disk before the next radio: a crash leaves every earlier
// line whole, and at worst a last line cut short, which the next append ends
// and a reader leaves out. The file is never rewritten.
#pragma once

#include "link/programmingline.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

struct JournalEntry {
    QDateTime when;
    QString master;       // the master file, or the name of the window's contents
    QString masterSha256; // of the 848 bytes written as the master
    QString port;
    QString band;  // the radio's band text, or empty before it answered
    QString model; // the radio's model identity ("K7403"), or empty
    RadioOutcome outcome = RadioOutcome::Done;
    QString backup; // the backup of what the radio held, or empty
};

// The journal's line for a radio a programming line has finished.
JournalEntry journalEntryOf(const RadioRecord &record, const QString &port,
                            const QString &masterPath, const QString &masterSha256);

class Journal {
public:
    // journal.csv in the per-user data folder the backups share.
    static QString standardPath();

    explicit Journal(const QString &path = standardPath()) : m_path(path) {}
    QString path() const { return m_path; }

    // Appends one line (and the header line to a new file). False, with the
    // system's reason, when it cannot be written.
    bool append(const JournalEntry &entry, QString *reason = nullptr) const;

    // The lines whole in the file, the header left out, as fields.
    QList<QStringList> lines() const;

    static QStringList header();
    static QStringList fields(const JournalEntry &entry);

private:
    QString m_path;
};

// The SHA-256 of a master's bytes, in lower-case hexadecimal.
QString masterDigest(const QByteArray &bytes);
