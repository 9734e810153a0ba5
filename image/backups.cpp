#include "image/backups.h"

#include "image/filewriter.h"
#include "image/imagecodec.h"
#include "image/systemreason.h"
#include "model/bands.h"
#include "model/texts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#include <algorithm>

using vq740::translate;

namespace {

const QLatin1String kUnknownBand("unknown-band");
const QLatin1String kTimeFormat("yyyy-MM-dd_HHmmss");

QString bandWord(int bandPosition) {
    const QString text = bandText(bandPosition);
    return text.isEmpty() ? QString(kUnknownBand) : text;
}

// Makes QStandardPaths answer for the desktop program for one call, so
// that the command-line tool (which names itself vq740-cli) finds the same
// folder.
class ProgramIdentity {
public:
    ProgramIdentity()
        : m_application(QCoreApplication::applicationName()),
          m_organisation(QCoreApplication::organizationName()) {
        set(QStringLiteral("vq740"), QStringLiteral("VQ-740"));
    }
    ~ProgramIdentity() { set(m_application, m_organisation); }

private:
    static void set(const QString &application, const QString &organisation) {
        if (QCoreApplication::applicationName() != application)
            QCoreApplication::setApplicationName(application);
        if (QCoreApplication::organizationName() != organisation)
            QCoreApplication::setOrganizationName(organisation);
    }
    QString m_application;
    QString m_organisation;
};

} // namespace

QString backupKindWord(BackupKind kind) {
    return kind == BackupKind::Read ? QStringLiteral("read") : QStringLiteral("before-write");
}

QString unknownBandWord() {
    return kUnknownBand;
}

QString BackupStore::standardFolder() {
    const ProgramIdentity identity;
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("backups"));
}

BackupStore::BackupStore(const QString &folder, int retentionDays)
    : m_folder(folder), m_retentionDays(retentionDays) {}

QString BackupStore::fileName(const QDateTime &when, BackupKind kind, int bandPosition,
                              int sequence) {
    QString name = when.toString(kTimeFormat) + QLatin1Char('_') + backupKindWord(kind) +
                   QLatin1Char('_') + bandWord(bandPosition);
    if (sequence > 1)
        name += QLatin1Char('-') + QString::number(sequence);
    return name + QStringLiteral(".DAT");
}

bool BackupStore::parseFileName(const QString &name, BackupEntry *entry) {
    static const QRegularExpression pattern(QStringLiteral(
        "^(\\d{4}-\\d{2}-\\d{2}_\\d{6})_(read|before-write)_([0-9]{3}-[0-9]{3}MHz|unknown-band)"
        "(?:-[0-9]+)?\\.DAT$"));
    const QRegularExpressionMatch m = pattern.match(name);
    if (!m.hasMatch())
        return false;
    const QDateTime when = QDateTime::fromString(m.captured(1), kTimeFormat);
    if (!when.isValid())
        return false;
    const QString band = m.captured(3);
    if (band != kUnknownBand && bandPositionOfText(band) < 0)
        return false;
    if (entry) {
        entry->when = when;
        entry->kind =
            m.captured(2) == QLatin1String("read") ? BackupKind::Read : BackupKind::BeforeWrite;
        entry->band = band;
    }
    return true;
}

BackupSaveResult BackupStore::save(const QString &image, BackupKind kind, int bandPosition,
                                   const QDateTime &when) const {
    BackupSaveResult result;
    QDir dir(m_folder);
    int sequence = 1;
    do {
        result.path = dir.filePath(fileName(when, kind, bandPosition, sequence++));
    } while (QFileInfo::exists(result.path));
    if (!QDir().mkpath(m_folder)) {
        result.reason =
            QStringLiteral("the folder %1 cannot be made").arg(QDir::toNativeSeparators(m_folder));
        return result;
    }
    result.ok = writeWholeFile(result.path, bytesFromImage(image), &result.reason);
    return result;
}

QList<BackupEntry> BackupStore::list() const {
    QList<BackupEntry> entries;
    const QDir dir(m_folder);
    for (const QFileInfo &info : dir.entryInfoList(QDir::Files)) {
        BackupEntry entry;
        if (!parseFileName(info.fileName(), &entry))
            continue;
        entry.path = info.absoluteFilePath();
        entries << entry;
    }
    std::sort(entries.begin(), entries.end(), [](const BackupEntry &a, const BackupEntry &b) {
        if (a.when != b.when)
            return a.when > b.when;
        return a.path > b.path;
    });
    return entries;
}

bool BackupStore::holds(const QString &path) const {
    if (path.isEmpty())
        return false;
    const QFileInfo file(path);
    return parseFileName(file.fileName(), nullptr) &&
           file.absoluteDir() == QDir(QFileInfo(m_folder).absoluteFilePath());
}

int BackupStore::prune(const QDateTime &now) const {
    const QDateTime oldest = now.addDays(-m_retentionDays);
    int removed = 0;
    for (const BackupEntry &entry : list())
        if (entry.when < oldest && QFile::remove(entry.path))
            ++removed;
    return removed;
}

QString backupFailureMessage(const BackupSaveResult &result, bool beforeWrite, qint16 language) {
    const QString name = QDir::toNativeSeparators(result.path);
    const QString reason = systemReasonText(result.reason, language);
    const TextLanguage scope(language);
    const QString text =
        translate("Backups", "The backup %1 cannot be written (%2).").arg(name, reason);
    return beforeWrite ? text + translate("Backups", " Nothing was written to the radio.") : text;
}
