#include "radiomodel.h"

RadioModel::RadioModel()
    : identification(identificationOf("K7403", 0x33)), memory(kMemorySize, '\xFF') {}

QByteArray RadioModel::identificationOf(const char *model, quint8 bandCode, quint8 seventh,
                                        quint8 eighth) {
    QByteArray id(model);
    id.append(static_cast<char>(bandCode));
    id.append(static_cast<char>(seventh));
    id.append(static_cast<char>(eighth));
    return id;
}

void RadioModel::reply(const QByteArray &frame, QList<QByteArray> &out) {
    if (faults.silent || (faults.stopAfterReplies >= 0 && replies >= faults.stopAfterReplies))
        return;
    out << frame;
    ++replies;
}

QList<QByteArray> RadioModel::feed(const QByteArray &bytes) {
    QList<QByteArray> out;
    m_buffer += bytes;
    while (!m_buffer.isEmpty()) {
        const quint8 c = static_cast<quint8>(m_buffer.at(0));
        if (c == 'P') {
            if (m_buffer.size() < 7 && QByteArray("PROGRAM").startsWith(m_buffer))
                break; // the rest of the request is still on its way
            if (m_buffer.startsWith("PROGRAM")) {
                frames << m_buffer.left(7);
                m_buffer.remove(0, 7);
                if (++programRequests > faults.ignoredProgramRequests) {
                    m_state = State::AwaitMode;
                    reply(QByteArray(1, '\x06'), out);
                }
                continue;
            }
        }
        int length = 1;
        if (m_state == State::Transfer && (c == 'R' || c == 'W')) {
            if (m_buffer.size() < 4)
                break;
            length = c == 'R' ? 4 : 4 + static_cast<quint8>(m_buffer.at(3));
            if (m_buffer.size() < length)
                break;
        }
        const QByteArray frame = m_buffer.left(length);
        m_buffer.remove(0, length);
        frames << frame;
        if (c == 0x45) {
            ++endBytes;
            m_state = State::Idle;
            continue;
        }
        switch (m_state) {
        case State::Idle:
            break;
        case State::AwaitMode:
        case State::AwaitIdentAck:
            if (c == 0x02) {
                reply(identification, out);
                m_state = State::AwaitIdentAck;
            } else if (c == 0x06 && m_state == State::AwaitIdentAck) {
                reply(QByteArray(1, '\x06'), out);
                m_state = State::Transfer;
            }
            break;
        case State::Transfer: {
            if (c == 0x06) {
                reply(QByteArray(1, '\x06'), out);
                break;
            }
            if (frame.size() < 4)
                break; // a byte the radio does not understand
            const int address = (quint8(frame.at(1)) << 8) | quint8(frame.at(2));
            const int count = quint8(frame.at(3));
            if (c == 'R') {
                const int echoed = address + faults.readAddressOffset;
                QByteArray data(1, 'W');
                data.append(static_cast<char>((echoed >> 8) & 0xFF));
                data.append(static_cast<char>(echoed & 0xFF));
                data.append(static_cast<char>(count));
                QByteArray block = memory.mid(address, count);
                block.append(QByteArray(count - block.size(), '\xFF'));
                reply(data + block, out);
            } else if (c == 'W') {
                for (int i = 0; i < count && address + i < memory.size(); ++i) {
                    if (address == faults.droppedWriteBlock)
                        break;
                    const char byte = frame.at(4 + i);
                    memory[address + i] =
                        address + i == faults.changedWriteByte ? char(byte ^ 1) : byte;
                }
                reply(QByteArray(1, '\x06'), out);
            }
            break;
        }
        }
    }
    return out;
}
