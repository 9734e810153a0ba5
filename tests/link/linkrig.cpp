#include "linkrig.h"

#include "tests/support/imagebuilder.h"

LinkRig::LinkRig(qint16 language)
    : state(startUpState(language)), chooser(port, messages),
      session(state, port, chooser, messages) {
    chooser.setDevicePath(QStringLiteral("/dev/fake0"));
    QObject::connect(&session, &CloneSession::finished,
                     [this](SessionOutcome outcome) { outcomes << outcome; });
    QObject::connect(&session, &CloneSession::progressValueChanged,
                     [this](int value) { progressValues << value; });
    QObject::connect(&session, &CloneSession::imageDecoded, [this] { ++decodedCount; });
}

void LinkRig::pump() {
    for (;;) {
        const QByteArray out = port.takeWritten();
        if (out.isEmpty())
            return;
        for (const QByteArray &reply : radio.feed(out))
            port.deliver(reply);
    }
}

void LinkRig::loadRadio(const QByteArray &imageBytes) {
    radio.memory.replace(0x10, imageBytes.size(), imageBytes);
}

QList<int> writeAddresses(bool debugWriteMode) {
    QList<int> addresses;
    for (int a = 0x0010; a <= 0x0170; a += 0x10)
        addresses << a;
    if (debugWriteMode)
        addresses << 0x0180;
    addresses << 0x01B8;
    for (int a = 0x0200; a <= 0x0350; a += 0x10)
        addresses << a;
    return addresses;
}

namespace {
QByteArray frame(std::initializer_list<int> bytes) {
    QByteArray f;
    for (int b : bytes)
        f.append(static_cast<char>(b));
    return f;
}
} // namespace

QList<QByteArray> expectedWriteFrames(const QByteArray &image, const QList<int> &addresses) {
    QList<QByteArray> frames{"PROGRAM", frame({0x02}), frame({0x06})};
    for (int a : addresses)
        frames << frame({0x57, a >> 8, a & 0xFF, 0x10}) + image.mid(a - 0x10, 16);
    frames << frame({0x45});
    return frames;
}

QList<QByteArray> expectedReadFrames() {
    QList<QByteArray> frames{"PROGRAM", frame({0x02}), frame({0x06})};
    for (int a = 0x0010; a <= 0x03D0; a += 0x40)
        frames << frame({0x52, a >> 8, a & 0xFF, 0x40}) << frame({0x06});
    frames << frame({0x45});
    return frames;
}
