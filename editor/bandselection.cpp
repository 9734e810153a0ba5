#include "editor/bandselection.h"

#include "model/editorstate.h"
#include "model/messageport.h"

BandChange BandSelectionChanged(EditorState &state, int position, MessagePort &port) {
    if (position < 0 || position >= kBandCount)
        return BandChange::Unchanged;
    state.bandPosition = position;
    if (position == state.acceptedBand)
        return BandChange::Unchanged;
    const bool zh = state.language == 0;
    const int answer =
        port.show(zh ? QStringLiteral("改变频段将清除频道列表，确定吗？")
                     : QStringLiteral("Change frequency channel list will remove, sure?"),
                  MsgStyle::OkCancel | MsgStyle::IconQuestion | MsgStyle::DefaultButton2 |
                      MsgStyle::SystemModal,
                  zh ? QStringLiteral("注意！") : QStringLiteral("Attention!"));
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
