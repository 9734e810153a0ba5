#include "print/channellistprinter.h"

#include "print/printface.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QTextOption>

void printChannelList(const QString &html, QPagedPaintDevice *device) {
    QTextDocument document;
    document.setDefaultFont(channelListFont());
    // Lines break between words only: a caption too wide for its column
    // widens the column rather than breaking inside a word.
    QTextOption wrapping = document.defaultTextOption();
    wrapping.setWrapMode(QTextOption::WordWrap);
    document.setDefaultTextOption(wrapping);
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
