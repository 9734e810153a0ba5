#include "image/datafile.h"

#include "image/imagecodec.h"
#include "model/layout.h"

#include <QFile>

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
