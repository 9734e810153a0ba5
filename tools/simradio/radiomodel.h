// The radio's side of the clone exchange: answers the program's frames as
// the program expects a radio to, with a memory that reads return and
// writes change, and fault modes for the failures a real radio or cable
// shows. Pure logic: the in-memory tests pump it by hand, the simulated
// radio on a pseudo-terminal drives it from the wire.
#pragma once

#include <QByteArray>
#include <QList>

struct RadioFaults {
    bool silent = false;            // never answers
    int ignoredProgramRequests = 0; // 1: answers only the second "PROGRAM"
    int stopAfterReplies = -1;      // goes silent after this many replies
    int readAddressOffset = 0;      // read data names another address
    int droppedWriteBlock = -1;     // the write block at this address: acknowledged, not kept
    int changedWriteByte = -1;      // the byte written here is kept with its low bit flipped
};

class RadioModel {
public:
    static constexpr int kMemorySize = 0x800; // byte n is radio address n

    RadioModel();

    RadioFaults faults;
    QByteArray identification; // model identity, band code, 2 more bytes
    QByteArray memory;

    // Feeds bytes from the program and returns the reply frames, in order.
    QList<QByteArray> feed(const QByteArray &bytes);

    // What the radio has seen: every frame from the program, in order
    // (unrecognised bytes one by one).
    QList<QByteArray> frames;
    int programRequests = 0;
    int replies = 0;
    int endBytes = 0;

    // An identification of a model, a band code and two trailing bytes.
    static QByteArray identificationOf(const char *model, quint8 bandCode, quint8 seventh = 0xF8,
                                       quint8 eighth = 0xFF);

private:
    enum class State { Idle, AwaitMode, AwaitIdentAck, Transfer };
    void reply(const QByteArray &frame, QList<QByteArray> &out);
    State m_state = State::Idle;
    QByteArray m_buffer;
};
