#include "editor/bandselection.h"

#include "model/editorstate.h"
#include "model/messageport.h"
#include "model/texts.h"

using vq740::translate;

BandChange BandSelectionChanged(EditorState &state, int position, MessagePort &port) {
    if (position < 0 || position >= kBandCount)
        return BandChange::Unchanged;
    state.bandPosition = position;
    if (position == state.acceptedBand)
        return BandChange::Unchanged;
    const TextLanguage scope(state.language);
    const int answer =
        port.show(translate("BandSelection", "Change frequency channel list will remove, sure?"),
                  MsgStyle::OkCancel | MsgStyle::IconQuestion | MsgStyle::DefaultButton2 |
                      MsgStyle::SystemModal,
                  translate("BandSelection", "Attention!"));
    if (answer == MsgResult::Ok) {
        state.acceptedBand = position;
        state.channels.ClearGrid();
        return BandChange::Accepted;
    }
    state.bandPosition = state.acceptedBand;
    return BandChange::Refused;
}

void adoptBand(EditorState &state, int position) {
    if (position < 0 || position >= kBandCount)
        return;
    state.acceptedBand = position;
    state.bandPosition = position;
}

BandLimits currentBandLimits(const EditorState &state) {
    return bandLimitsOfText(bandText(state.bandPosition));
}
