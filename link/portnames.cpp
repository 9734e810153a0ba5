#include "link/portnames.h"

#include <QDir>
#include <QRegularExpression>

#include <algorithm>

PortPlatform currentPortPlatform() {
#if defined(Q_OS_WIN)
    return PortPlatform::Windows;
#elif defined(Q_OS_MACOS)
    return PortPlatform::MacOS;
#else
    return PortPlatform::Linux;
#endif
}

QStringList macAdapterDevices(const QStringList &devEntries) {
    QStringList adapters;
    QStringList modems;
    for (const QString &name : devEntries) {
        if (name.startsWith(QLatin1String("cu.usbserial")) ||
            name.startsWith(QLatin1String("cu.wchusbserial")) ||
            name.startsWith(QLatin1String("cu.SLAB_USBtoUART")))
            adapters << name;
        else if (name.startsWith(QLatin1String("cu.usbmodem")))
            modems << name;
    }
    std::sort(adapters.begin(), adapters.end());
    std::sort(modems.begin(), modems.end());
    QStringList paths;
    for (const QString &name : adapters + modems)
        paths << QStringLiteral("/dev/") + name;
    return paths;
}

QString portDevice(int number, PortPlatform platform, const QStringList &devEntries) {
    if (number < 1 || number > kPortNumbers)
        return QString();
    switch (platform) {
    case PortPlatform::Windows:
        return QStringLiteral("COM%1").arg(number);
    case PortPlatform::Linux:
        if (number <= 4)
            return QStringLiteral("/dev/ttyUSB%1").arg(number - 1);
        if (number <= 6)
            return QStringLiteral("/dev/ttyACM%1").arg(number - 5);
        return QStringLiteral("/dev/ttyS%1").arg(number - 7);
    case PortPlatform::MacOS:
        return macAdapterDevices(devEntries).value(number - 1);
    }
    return QString();
}

QString portDevice(int number) {
    const PortPlatform platform = currentPortPlatform();
    QStringList entries;
    if (platform == PortPlatform::MacOS && number >= 1 && number <= kPortNumbers)
        entries = QDir(QStringLiteral("/dev")).entryList(QDir::System | QDir::Files);
    return portDevice(number, platform, entries);
}

int portNumberOfName(const QString &name) {
    if (name.size() != 4 || !name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
        return 0;
    const int digit = name.at(3).digitValue();
    return digit >= 1 && digit <= kPortNumbers ? digit : 0;
}

QString windowsPortName(const QString &typed) {
    // "COM12" or "\\.\COM12"; another device as "\\.\NAME".
    static const QRegularExpression com(QStringLiteral(R"(^(?:\\\\\.\\)?COM([0-9]{1,3})$)"),
                                        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression device(QStringLiteral(R"(^\\\\\.\\[A-Za-z][A-Za-z0-9_]*$)"));
    const QString text = typed.trimmed();
    const QRegularExpressionMatch match = com.match(text);
    if (match.hasMatch()) {
        const int number = match.captured(1).toInt();
        return number >= 1 && number <= 255 ? QStringLiteral("COM%1").arg(number) : QString();
    }
    return device.match(text).hasMatch() ? text : QString();
}
