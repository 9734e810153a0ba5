// The windows of the Import and Print commands behind InteropPrompts: the
// placement question, the import report with OK (apply) and Cancel, and the
// options of a printed channel list. Each is a modal dialog made when it is
// needed, in the language of the moment, its texts from the caption table.
#pragma once

#include "shell/interopcommands.h"

#include <QtGlobal>

#include <functional>

class QDialog;
class QWidget;

// The step that shows a finished dialog and returns its result
// (QDialog::Accepted or Rejected). Tests replace it to look at the dialog
// and answer through its own controls.
using DialogPresenter = std::function<int(QDialog &dialog)>;
void setDialogPresenter(DialogPresenter presenter); // empty: exec()
// Shows a dialog through the presenter.
int presentDialog(QDialog &dialog);

class InteropDialogs : public InteropPrompts {
public:
    InteropDialogs(QWidget *owner, const qint16 &language) : m_owner(owner), m_language(language) {}

    bool askPlacement(Placement *placement) override;
    bool confirmImport(const ChirpImport &import) override;
    bool askPrintOptions(ChannelListOptions *options) override;

private:
    QWidget *m_owner;
    const qint16 &m_language;
    Placement m_lastPlacement = Placement::ByLocation;
    bool m_lastOmitEmpty = false;
};
