// What every option dialog and the About box share: created once and
// hidden, never destroyed while the program runs. The close box only hides
// the window; when the program ends the window closes normally.
#pragma once

#include <QDialog>
#include <QPoint>
#include <QtGlobal>
#include <optional>

class OptionDialog : public QDialog {
    Q_OBJECT
public:
    OptionDialog(const QString &name, QWidget *parent);

    // Writes this dialog's rows of the caption table for the language flag.
    virtual void applyLanguage(qint16 language);

    // From now on a close really closes (the program is ending).
    void allowClose() { m_closeAllowed = true; }

    // Shows the dialog modeless and brings it to the front: the first time
    // beside the main window (not over the channel table), afterwards where
    // the user left it, for the rest of the run.
    void showModeless();

protected:
    void closeEvent(QCloseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void placeBesideOwner();

    bool m_closeAllowed = false;
    std::optional<QPoint> m_place; // where it was last hidden
};

// Applies the caption table's rows of `window` (found by its objectName)
// to its controls, found by their objectNames.
void applyDialogCaptions(QWidget *window, qint16 language);
