#include "link/cablefinder.h"

#include "link/linktexts.h"
#include "model/texts.h"

#include <QEventLoop>
#include <QTimer>

using vq740::translate;

void CableFinder::noteUnplugged() {
    m_unplugged = m_enumerator.devices();
}

QList<SerialDeviceInfo> CableFinder::appeared() {
    return appearedDevices(m_unplugged, m_enumerator.devices());
}

QList<SerialDeviceInfo> CableFinder::waitForAppeared(int polls, int intervalMs) {
    QList<SerialDeviceInfo> found = appeared();
    for (int poll = 0; found.isEmpty() && poll < polls; ++poll) {
        QEventLoop loop;
        QTimer::singleShot(intervalMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
        found = appeared();
    }
    return found;
}

QString cableText(CableText text, qint16 language) {
    const TextLanguage scope(language);
    switch (text) {
    case CableText::Unplug:
        return translate(
            "CableFinder",
            "Find my cable, step 1 of 2: unplug the programming cable from the computer "
            "(if it is plugged in), then press OK.");
    case CableText::PlugIn:
        return translate(
            "CableFinder",
            "Find my cable, step 2 of 2: plug the programming cable into the computer, "
            "wait a moment, then press OK.");
    case CableText::None:
        return translate(
            "CableFinder",
            "No new serial device appeared. Check that the cable is plugged in all the "
            "way; a cable whose driver is not installed gets no device from the system.");
    }
    return QString();
}

QString cableFoundText(const QList<SerialDeviceInfo> &appeared, qint16 language) {
    const TextLanguage scope(language);
    if (appeared.isEmpty())
        return cableText(CableText::None, language);
    QStringList names;
    for (const SerialDeviceInfo &info : appeared)
        names << deviceItemLabel(info);
    const QString first = appeared.first().device;
    if (appeared.size() == 1)
        return translate("CableFinder", "The cable is on %1.\n\nPress OK to use this port.")
            .arg(names.first());
    return translate("CableFinder", "Several devices appeared: %1.\n\nPress OK to use %2.")
        .arg(names.join(QStringLiteral(", ")), first);
}
