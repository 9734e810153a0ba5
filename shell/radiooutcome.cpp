#include "shell/radiooutcome.h"

#include "model/texts.h"

namespace {
constexpr RadioOutcome kOutcomes[] = {
    RadioOutcome::Done,         RadioOutcome::RefusedBand, RadioOutcome::NoAnswer,
    RadioOutcome::CheckDiffers, RadioOutcome::NotOpened,   RadioOutcome::BackupFailed,
    RadioOutcome::Stopped,
};
} // namespace

QString radioOutcomeText(RadioOutcome outcome) {
    using vq740::translate;
    switch (outcome) {
    case RadioOutcome::Done:
        return translate("RadioOutcome", "written and checked");
    case RadioOutcome::RefusedBand:
        return translate("RadioOutcome", "refused: other band");
    case RadioOutcome::NoAnswer:
        return translate("RadioOutcome", "failed: no answer");
    case RadioOutcome::CheckDiffers:
        return translate("RadioOutcome", "failed: check differs");
    case RadioOutcome::NotOpened:
        return translate("RadioOutcome", "failed: port not opened");
    case RadioOutcome::BackupFailed:
        return translate("RadioOutcome", "failed: backup not saved");
    case RadioOutcome::Stopped:
        return translate("RadioOutcome", "stopped before the write");
    }
    return QString();
}

bool radioOutcomeOfWord(const QString &word, RadioOutcome *outcome) {
    for (RadioOutcome o : kOutcomes)
        if (outcomeWord(o) == word) {
            *outcome = o;
            return true;
        }
    return false;
}

bool isRadioFailure(RadioOutcome outcome) {
    return outcome != RadioOutcome::Done && outcome != RadioOutcome::Stopped;
}
