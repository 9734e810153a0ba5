// The option dialogs and the About box as the main window sees them: created
// hidden with the first caption application, shown modeless, only hidden
// afterwards, and refreshed after every decode.
#pragma once

#include <QObject>
#include <QtGlobal>

class MessagePort;
class QWidget;
struct EditorState;

class OptionDialogs : public QObject {
    Q_OBJECT
public:
    // `owner` is the main window; the dialogs stay on top of it.
    OptionDialogs(EditorState &state, QWidget *owner);
    ~OptionDialogs() override;

    // Applies the dialogs' captions for the language flag, in the order
    // Debug Parameters, Test Frequency, Optional Function, Keys Set,
    // Embedded Information, About box. The first call creates the dialogs,
    // hidden, in that order, each running its load step from the state.
    void SetLanguageText(qint16 language);

    // After a decode: the dialogs show the values just decoded.
    void refreshAfterDecode();

    void showOptionalFunction(); // Form5, command mnudtmf
    void showKeys();             // Form6, command Key_enactment
    void showEmbedded();         // Form7, command mnusetin
    void showDebug();            // Form2, command mnudebug
    void showTestFrequency();    // Form4, command mnutestfre
    void showAbout();            // frmAbout, command mnuabout

    // Debug write mode entered or left: the two TX power sliders follow.
    void setPowerSlidersEnabled(bool enabled);

    // Where the dialogs' messages go (the main window's localised message
    // box). Without one, a plain message box is shown. Not owned.
    void setMessagePort(MessagePort *port);

signals:
    // A click on one of the two captions of the Debug Parameters dialog
    // that make the debug write mode gesture; `which` is 0 or 1.
    void debugGestureClicked(int which);
    // OK in one of the option dialogs stored its values.
    void settingsStored();

private:
    struct Private;
    Private *d = nullptr;
};
