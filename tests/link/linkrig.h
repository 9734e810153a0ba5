// A clone session wired to an in-memory port and a radio model, for tests
// that drive the exchange and the timer ticks by hand.
#pragma once

#include "fakeserialport.h"
#include "radiomodel.h"
#include "tests/support/recordingmessageport.h"

#include "link/clonesession.h"
#include "link/portchooser.h"
#include "model/editorstate.h"

#include <QList>

struct LinkRig {
    explicit LinkRig(qint16 language = 1);

    EditorState state;
    FakeSerialPort port;
    RecordingMessagePort messages;
    PortChooser chooser;
    CloneSession session;
    RadioModel radio;

    QList<SessionOutcome> outcomes;
    QList<int> progressValues;
    int decodedCount = 0;

    // Lets the radio answer what the program has written, each reply in a
    // notification of its own, until the exchange rests.
    void pump();
    // The radio's memory filled with these image bytes at 0x0010 on.
    void loadRadio(const QByteArray &imageBytes);
};

// Frames of a write session as the radio must see them: PROGRAM, 02, 06,
// then one block per address with the image bytes for it, then the end byte.
QList<QByteArray> expectedWriteFrames(const QByteArray &image, const QList<int> &addresses);

// Frames of a read session: PROGRAM, 02, 06, then per block the read request
// and the acknowledgement of its data, then the end byte.
QList<QByteArray> expectedReadFrames();

// The block addresses of a write: 0x0010-0x0170, 0x0180 in debug write
// mode, 0x01B8, 0x0200-0x0350.
QList<int> writeAddresses(bool debugWriteMode);
