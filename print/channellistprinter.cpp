#include "print/channellistprinter.h"

#include <QBuffer>
#include <QFont>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

namespace {
// A face that has the Latin and the Chinese texts; Qt falls back to any
// other installed face for a missing character.
QFont documentFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Sans SC"),
                      QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Microsoft YaHei"),
                      QStringLiteral("PingFang SC"), QStringLiteral("sans-serif")});
    font.setPointSize(10);
    return font;
}
} // namespace

void printChannelList(const QString &html, QPagedPaintDevice *device) {
    QTextDocument document;
    document.setDefaultFont(documentFont());
    document.setHtml(html);
    document.print(device);
}

QByteArray channelListPdf(const QString &html, const QString &title) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("VQ-740 Software"));
        writer.setPageSize(QPageSize(QPageSize::A4));
        writer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
        writer.setResolution(300);
        printChannelList(html, &writer);
    }
    buffer.close();
    return bytes;
}
