// The channel list document laid out on A4 pages: printed on any paged
// device (a printer, the print preview) or written as PDF. Needs QtGui and a
// QGuiApplication, but no widgets.
#pragma once

#include <QByteArray>
#include <QString>

class QPagedPaintDevice;

// Lays out the HTML document and prints it on the device, page by page.
void printChannelList(const QString &html, QPagedPaintDevice *device);

// The document as the bytes of a PDF file, titled `title`.
QByteArray channelListPdf(const QString &html, const QString &title);
