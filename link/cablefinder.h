// Find my cable: the user unplugs the programming cable, the program notes
// the serial devices present, the user plugs the cable in, and the device
// that appeared is the cable's. The steps are the window's (message boxes);
// this holds the comparison and its texts.
#pragma once

#include "link/portdevices.h"

#include <QList>
#include <QString>
#include <QtGlobal>

class CableFinder {
public:
    explicit CableFinder(PortEnumerator &enumerator) : m_enumerator(enumerator) {}

    // The cable is unplugged: the devices present now are not the cable.
    void noteUnplugged();
    // The devices present now that were not there when the cable was
    // unplugged.
    QList<SerialDeviceInfo> appeared();
    // Asks up to `polls` more times, `intervalMs` apart (running the event
    // loop meanwhile), until a device has appeared: a system needs a moment
    // to name a cable just plugged in.
    QList<SerialDeviceInfo> waitForAppeared(int polls, int intervalMs);

private:
    PortEnumerator &m_enumerator;
    QList<SerialDeviceInfo> m_unplugged;
};

enum class CableText {
    Unplug, // step 1
    PlugIn, // step 2
    None,   // nothing appeared
};
// 0 Chinese, anything else English.
QString cableText(CableText text, qint16 language);
// The device found and the question whether to use it; with more than one
// device, all are named and the first is offered.
QString cableFoundText(const QList<SerialDeviceInfo> &appeared, qint16 language);
