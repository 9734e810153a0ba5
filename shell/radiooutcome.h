// What became of a programmed radio, as the Program radios window, the
// Journal window and `vq740-cli program` say it in the language of the
// moment; and the outcome a journal line names.
#pragma once

#include "link/programmingline.h"

#include <QString>

// "written and checked", "refused: other band", "failed: no answer", ...
QString radioOutcomeText(RadioOutcome outcome);

// The outcome of a journal's outcome word (outcomeWord()); false for a word
// the program does not know.
bool radioOutcomeOfWord(const QString &word, RadioOutcome *outcome);

// A radio that did not take the master for a reason of its own, the port's
// or the cable's. A radio the user stopped at its change list is no failure;
// neither counts as done.
bool isRadioFailure(RadioOutcome outcome);
