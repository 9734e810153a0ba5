#include "image/channelrecord.h"

QByteArray ChannelRecord::make(const QByteArray &rx, const QByteArray &tx, quint16 rxTone,
                               quint16 txTone, bool bclo, bool highPower, bool wide) {
    QByteArray r(kSize, char(0xFF));
    r.replace(kRxFrequency, 4, rx.left(4));
    r.replace(kTxFrequency, 4, tx.left(4));
    r[kRxTone] = char(rxTone & 0xFF);
    r[kRxTone + 1] = char(rxTone >> 8);
    r[kTxTone] = char(txTone & 0xFF);
    r[kTxTone + 1] = char(txTone >> 8);
    r[kBcloByte] = char(kBcloFixedBits | (bclo ? kBcloBit : 0));
    r[kPowerBandByte] =
        char(kPowerBandFixedBits | (highPower ? kHighPowerBit : 0) | (wide ? kWideBit : 0));
    r[kFixedFC] = char(0xFC);
    r[kFixedFF] = char(0xFF);
    return r;
}
