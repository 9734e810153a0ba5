#include "link/cablefinder.h"

#include "link/linktexts.h"

#include <QEventLoop>
#include <QTimer>

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
    switch (text) {
    case CableText::Unplug:
        return inLanguage(
            language,
            "查找写频线（第 1 步，共 2 步）：请从计算机上拔下写频线（如果已插上），然后按“确定”。",
            "Find my cable, step 1 of 2: unplug the programming cable from the computer "
            "(if it is plugged in), then press OK.");
    case CableText::PlugIn:
        return inLanguage(
            language,
            "查找写频线（第 2 步，共 2 步）：请把写频线插到计算机上，稍等片刻，然后按“确定”。",
            "Find my cable, step 2 of 2: plug the programming cable into the computer, "
            "wait a moment, then press OK.");
    case CableText::None:
        return inLanguage(
            language,
            "没有出现新的串口设备。请检查写频线是否插好；若写频线的驱动程序未安装，"
            "系统不会为它建立设备。",
            "No new serial device appeared. Check that the cable is plugged in all the "
            "way; a cable whose driver is not installed gets no device from the system.");
    }
    return QString();
}

QString cableFoundText(const QList<SerialDeviceInfo> &appeared, qint16 language) {
    if (appeared.isEmpty())
        return cableText(CableText::None, language);
    QStringList names;
    for (const SerialDeviceInfo &info : appeared)
        names << deviceItemLabel(info);
    const QString first = appeared.first().device;
    if (appeared.size() == 1)
        return inLanguage(language, "写频线在 %1。\n\n按“确定”使用该串口。",
                          "The cable is on %1.\n\nPress OK to use this port.")
            .arg(names.first());
    return inLanguage(language, "出现了多个设备：%1。\n\n按“确定”使用 %2。",
                      "Several devices appeared: %1.\n\nPress OK to use %2.")
        .arg(names.join(QStringLiteral(", ")), first);
}
