// One channel record of the memory image: 16 bytes, channel c at
// (c - 1) * 16.
//
//   byte   0  1  2  3   4  5  6  7   8  9   10 11   12     13      14  15
//        +-----------+-----------+------+------+------+-------+----+----+
//        |    RX     |    TX     |  RX  |  TX  | BCLO | power | FC | FF |
//        | frequency | frequency | tone | tone |      | /band |    |    |
//        +-----------+-----------+------+------+------+-------+----+----+
//         BCD, least significant    words, low
//         byte first; FFFFFFFF =    byte first;
//         none (RX none: the        FFFF = no tone
//         whole channel is empty)
//
//   BCLO byte (12):        7 6 5 4 3 2 1 0
//                          1 1 1 1 B 0 0 0    B: busy-channel lock-out, 1 Carrier, 0 Off
//   power/band byte (13):  1 1 P W 0 0 0 0    P: 1 High, 0 Low power; W: 1 Wide, 0 Narrow
//
// An empty channel is FFFFFFFF FFFFFFFF FFFF FFFF F8 F0 FC FF.
#pragma once

#include <QByteArray>
#include <QtGlobal>

class ChannelRecord {
public:
    static constexpr int kSize = 16;
    static constexpr int kRxFrequency = 0;
    static constexpr int kTxFrequency = 4;
    static constexpr int kRxTone = 8;
    static constexpr int kTxTone = 10;
    static constexpr int kBcloByte = 12;
    static constexpr int kPowerBandByte = 13;
    static constexpr int kFixedFC = 14;
    static constexpr int kFixedFF = 15;

    static constexpr uchar kBcloFixedBits = 0xF0;
    static constexpr uchar kBcloBit = 0x08;
    static constexpr uchar kPowerBandFixedBits = 0xC0;
    static constexpr uchar kHighPowerBit = 0x20;
    static constexpr uchar kWideBit = 0x10;

    // A view of the 16 bytes at `bytes`; they must outlive the view.
    explicit ChannelRecord(const uchar *bytes) : m_bytes(bytes) {}

    // No RX frequency: the channel is not in use.
    bool isEmpty() const { return isBlank(kRxFrequency); }
    bool hasTxFrequency() const { return !isBlank(kTxFrequency); }
    const uchar *rxFrequency() const { return m_bytes + kRxFrequency; }
    const uchar *txFrequency() const { return m_bytes + kTxFrequency; }
    quint16 rxTone() const { return word(kRxTone); }
    quint16 txTone() const { return word(kTxTone); }
    bool bclo() const { return m_bytes[kBcloByte] & kBcloBit; }
    bool highPower() const { return m_bytes[kPowerBandByte] & kHighPowerBit; }
    bool wide() const { return m_bytes[kPowerBandByte] & kWideBit; }

    // The 16 bytes of a record from its fields; frequencies are four BCD
    // bytes each.
    static QByteArray make(const QByteArray &rx, const QByteArray &tx, quint16 rxTone,
                           quint16 txTone, bool bclo, bool highPower, bool wide);

private:
    bool isBlank(int at) const {
        return m_bytes[at] == 0xFF && m_bytes[at + 1] == 0xFF && m_bytes[at + 2] == 0xFF &&
               m_bytes[at + 3] == 0xFF;
    }
    quint16 word(int at) const { return quint16(m_bytes[at] | (m_bytes[at + 1] << 8)); }

    const uchar *m_bytes;
};
