#include "image/datafile.h"

#include "image/imagecodec.h"
#include "model/layout.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {
// Open reads this many bytes; decoding uses the first 848 of them.
constexpr qint64 kReadLength = 850;
} // namespace

QString readDataFile(const QString &path, DataFileError *error) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = DataFileError::CannotRead;
        return QString();
    }
    const QByteArray bytes = file.read(kReadLength);
    if (bytes.size() < Layout::kDecodedSize) {
        *error = file.error() != QFileDevice::NoError ? DataFileError::CannotRead
                                                      : DataFileError::TooShort;
        return QString();
    }
    *error = DataFileError::None;
    return imageFromBytes(bytes);
}

bool writeDataFile(const QString &path, const QString &image, DataFileError *error) {
    QSaveFile file(path);
    const QByteArray bytes = bytesFromImage(image);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = DataFileError::CannotWrite;
        return false;
    }
    *error = DataFileError::None;
    return true;
}

QString dataFileErrorMessage(DataFileError error, const QString &path, qint16 language) {
    const QString name = QDir::toNativeSeparators(path);
    const bool zh = language == 0;
    switch (error) {
    case DataFileError::None:
        return QString();
    case DataFileError::CannotRead:
        return zh ? QStringLiteral("无法读取文件 %1。").arg(name)
                  : QStringLiteral("The file %1 cannot be read.").arg(name);
    case DataFileError::TooShort:
        return zh ? QStringLiteral("文件 %1 太短，不是有效的数据文件。").arg(name)
                  : QStringLiteral("The file %1 is too short to be a data file.").arg(name);
    case DataFileError::CannotWrite:
        return zh ? QStringLiteral("无法写入文件 %1，原文件未改动。").arg(name)
                  : QStringLiteral("The file %1 cannot be written; the old file is unchanged.")
                        .arg(name);
    }
    return QString();
}
