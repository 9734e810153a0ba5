// Band selection: the frequency range chosen with the band selector Combo1.
// The selected position sets the band limits; a change away from the
// accepted band empties the channel table after a confirmation.
#pragma once

#include "model/bands.h"

struct EditorState;
class MessagePort;

enum class BandChange {
    Unchanged, // the selected position is the accepted band: nothing asked
    Accepted,  // confirmed: the new band is accepted, all channels emptied
    Refused,   // not confirmed: the accepted band is selected again
};

// The selection of the band selector changed to `position` (by the user or
// the program). Sets the selected position, asks through `port` when it
// differs from the accepted band (OK/Cancel, question icon, Cancel as the
// default, system-modal) and on OK accepts it and empties all channels. On
// any other answer the accepted band is selected again; the selector must
// then show state.bandPosition.
BandChange BandSelectionChanged(EditorState &state, int position, MessagePort &port);

// Selects a band without a question: the accepted band first, then the
// selection (decoding and the read session adopt the radio's range so).
void adoptBand(EditorState &state, int position);

// The band limits of the selected range, in whole MHz.
BandLimits currentBandLimits(const EditorState &state);
