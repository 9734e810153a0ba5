// Automatic backups: every successful read of a radio, and what a radio
// held before each write, kept as data files in the per-user data folder
// ("backups" under the program's QStandardPaths::AppDataLocation), named
// for the date and time, the kind and the band:
//
//   2026-12-08_143855_read_400-470MHz.DAT
//   2026-12-08_144210_before-write_136-174MHz.DAT
//
// A second backup within the same second gets "-2", "-3", ... before the
// extension; an existing file is never replaced. The file holds the
// radio's memory exactly as read (1024 bytes from address 0x0010), which
// Open takes like any data file. Files of other names in the folder are
// left alone: they are neither listed nor pruned.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QtGlobal>

enum class BackupKind {
    Read,        // a read from the radio
    BeforeWrite, // what the radio held just before a write
};

struct BackupEntry {
    QString path;
    QDateTime when; // local time, from the name
    BackupKind kind = BackupKind::Read;
    QString band; // the band text of the name ("400-470MHz"), or "unknown-band"
};

struct BackupSaveResult {
    bool ok = false;
    QString path;   // the file written, or the one that could not be
    QString reason; // what the system said when it failed
};

class BackupStore {
public:
    static constexpr int kDefaultRetentionDays = 365;

    // The folder the window and the command-line tool share:
    // QStandardPaths::AppDataLocation of the program (organisation "VQ-740",
    // application "vq740", whichever of the two programs asks) + "/backups".
    static QString standardFolder();

    explicit BackupStore(const QString &folder = standardFolder(),
                         int retentionDays = kDefaultRetentionDays);

    QString folder() const { return m_folder; }
    int retentionDays() const { return m_retentionDays; }

    // Saves the image (hex text) as a new backup, creating the folder when
    // it is missing. The band is the radio's band position (-1 when the
    // radio reported a code outside the table).
    BackupSaveResult save(const QString &image, BackupKind kind, int bandPosition,
                          const QDateTime &when = QDateTime::currentDateTime()) const;

    // The backups in the folder, newest first.
    QList<BackupEntry> list() const;

    // Whether `path` names a backup of this store: a file in its folder
    // with a backup's name.
    bool holds(const QString &path) const;

    // Removes the backups whose date in the name lies more than the
    // retention period before `now`. Returns how many went. Failures to
    // remove are left for the next start.
    int prune(const QDateTime &now = QDateTime::currentDateTime()) const;

    // The name of a backup, and a name read back (false for a name this
    // program does not give).
    static QString fileName(const QDateTime &when, BackupKind kind, int bandPosition,
                            int sequence = 1);
    static bool parseFileName(const QString &name, BackupEntry *entry);

private:
    QString m_folder;
    int m_retentionDays;
};

// The kind's word in a file name ("read", "before-write").
QString backupKindWord(BackupKind kind);

// The band's word in the name of a backup of a radio that reported a band
// code outside the table ("unknown-band").
QString unknownBandWord();

// The message for a backup that could not be written, naming the file and
// the system's reason, in the language given (0 Chinese, otherwise
// English). `beforeWrite`: the message also says the write did not start.
QString backupFailureMessage(const BackupSaveResult &result, bool beforeWrite, qint16 language);
