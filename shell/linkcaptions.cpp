#include "shell/linkcaptions.h"

#include "image/systemreason.h"

#include <QFileInfo>

QString linkCaption(LinkCaption caption, qint16 language) {
    const auto pick = [language](const char *chinese, const char *english) {
        return QString::fromUtf8(language == 0 ? chinese : english);
    };
    switch (caption) {
    case LinkCaption::OtherPortTitle:
        return pick("其它端口", "Other port");
    case LinkCaption::OtherPortLabel:
        return pick("串口设备(&D)：", "Serial &device:");
    case LinkCaption::OtherPortHint:
#ifdef Q_OS_WIN
        return pick("例如 COM12", "For example COM12");
#else
        return pick("例如 /dev/ttyUSB4、/dev/serial/by-id/…、/dev/rfcomm0（蓝牙）或 "
                    "/dev/pts/3（模拟对讲机）",
                    "For example /dev/ttyUSB4, /dev/serial/by-id/..., /dev/rfcomm0 (Bluetooth) "
                    "or /dev/pts/3 (simulated radio)");
#endif
    case LinkCaption::TraceTitle:
        return pick("串口记录", "Serial trace");
    case LinkCaption::TraceEmpty:
        return pick("还没有与对讲机通信过。读频或写频后，这里会列出收发的每个字节。",
                    "No exchange with the radio yet. After a read or a write, every byte sent "
                    "and received is listed here.");
    case LinkCaption::TraceSave:
        return pick("保存(&S)...", "&Save...");
    case LinkCaption::TraceSaveTitle:
        return pick("保存串口记录", "Save the serial trace");
    case LinkCaption::TraceFileFilter:
        return pick("文本文件 (*.txt)", "Text files (*.txt)");
    case LinkCaption::Ok:
        return pick("确定", "OK");
    case LinkCaption::Cancel:
        return pick("取消", "Cancel");
    case LinkCaption::Close:
        return pick("关闭(&C)", "&Close");
    }
    return QString();
}

QString traceSaveFailedText(const QString &path, const QString &reason, qint16 language) {
    if (language == 0)
        return QStringLiteral("无法把串口记录保存为 %1：%2").arg(path, systemReasonText(reason, 0));
    return QStringLiteral("The serial trace could not be saved as %1: %2").arg(path, reason);
}

QString traceFileName(const QString &path) {
    if (path.isEmpty() || !QFileInfo(path).suffix().isEmpty())
        return path;
    return path + QStringLiteral(".txt");
}
