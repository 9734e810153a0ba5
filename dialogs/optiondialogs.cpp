#include "dialogs/optiondialogs.h"

#include "dialogs/aboutbox.h"
#include "dialogs/debugdialog.h"
#include "dialogs/embeddeddialog.h"
#include "dialogs/inputrules.h"
#include "dialogs/keysdialog.h"
#include "dialogs/optionalfunctiondialog.h"
#include "dialogs/testfrequencydialog.h"
#include "model/editorstate.h"
#include "model/messageport.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace {

// Shows a message in a plain message box when the main window has not
// given the dialogs its own.
class PlainMessageBox : public MessagePort {
public:
    explicit PlainMessageBox(QWidget *owner) : m_owner(owner) {}

    int show(const QString &text, quint32 flags, const QString &title) override {
        QMessageBox box(m_owner);
        box.setWindowTitle(title.isEmpty() ? applicationTitle() : title);
        box.setText(text);
        switch (flags & 0x70) {
        case MsgStyle::IconStop:
            box.setIcon(QMessageBox::Critical);
            break;
        case MsgStyle::IconQuestion:
            box.setIcon(QMessageBox::Question);
            break;
        case MsgStyle::IconExclamation:
            box.setIcon(QMessageBox::Warning);
            break;
        case MsgStyle::IconInformation:
            box.setIcon(QMessageBox::Information);
            break;
        default:
            break;
        }
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgResult::Ok;
    }

private:
    QPointer<QWidget> m_owner;
};

} // namespace

struct OptionDialogs::Private {
    Private(EditorState &s, QWidget *o) : state(s), owner(o), plainBox(o) {}

    EditorState &state;
    QWidget *owner;
    QPointer<Form2> form2;
    QPointer<Form4> form4;
    QPointer<Form5> form5;
    QPointer<Form6> form6;
    QPointer<Form7> form7;
    QPointer<frmAbout> about;
    bool loaded = false;
    qint16 language = 0;
    PlainMessageBox plainBox;
    MessagePort *port = nullptr;

    // In the order the dialogs are loaded and captioned.
    QList<OptionDialog *> dialogs() const {
        QList<OptionDialog *> all;
        for (OptionDialog *dialog :
             std::initializer_list<OptionDialog *>{form2, form4, form5, form6, form7, about})
            if (dialog)
                all << dialog;
        return all;
    }
};

OptionDialogs::OptionDialogs(EditorState &state, QWidget *owner)
    : QObject(owner), d(new Private(state, owner)) {
    d->language = state.language;
    // When the program ends the dialogs close normally.
    if (QCoreApplication *app = QCoreApplication::instance()) {
        connect(app, &QCoreApplication::aboutToQuit, this, [this] {
            for (OptionDialog *dialog : d->dialogs())
                dialog->allowClose();
        });
    }
}

OptionDialogs::~OptionDialogs() {
    for (OptionDialog *dialog : d->dialogs()) {
        dialog->allowClose();
        dialog->close();
        delete dialog;
    }
    delete d;
}

void OptionDialogs::SetLanguageText(qint16 language) {
    d->language = language;
    const bool loading = !d->loaded;
    d->loaded = true;
    // Setting a caption on a dialog that is not loaded yet loads it, hidden.
    if (loading) {
        d->form2 = new Form2(d->state.store, d->state.debugWriteMode, d->owner);
        connect(d->form2, &Form2::gestureCaptionClicked, this, &OptionDialogs::debugGestureClicked);
    }
    d->form2->applyLanguage(language);
    if (loading)
        d->form4 = new Form4(d->state.store, d->owner);
    d->form4->applyLanguage(language);
    if (loading) {
        d->form5 = new Form5(d->state, d->owner);
        connect(d->form5, &Form5::autoDialCodeTooLong, this, [this] {
            MessagePort *port = d->port ? d->port : &d->plainBox;
            port->show(autoDialTooLongMessage(), MsgStyle::IconStop, QString());
        });
    }
    d->form5->applyLanguage(language);
    if (loading)
        d->form6 = new Form6(d->state.store, d->owner);
    d->form6->applyLanguage(language);
    if (loading)
        d->form7 = new Form7(d->state, d->owner);
    d->form7->applyLanguage(language);
    if (loading)
        d->about = new frmAbout(d->owner);
    d->about->applyLanguage(language);
    if (loading)
        for (OptionDialog *dialog : d->dialogs())
            connect(dialog, &QDialog::accepted, this, &OptionDialogs::settingsStored);
}

void OptionDialogs::refreshAfterDecode() {
    if (!d->loaded)
        return; // the load step will read the store
    d->form2->loadFromStore();
    d->form4->loadFromStore();
    d->form5->loadFromStore();
    d->form6->loadFromStore();
    d->form7->loadFromStore();
}

namespace {
void showLoaded(OptionDialog *dialog) {
    if (dialog)
        dialog->showModeless();
}
} // namespace

void OptionDialogs::showOptionalFunction() {
    if (!d->loaded)
        SetLanguageText(d->language);
    showLoaded(d->form5);
}

void OptionDialogs::showKeys() {
    if (!d->loaded)
        SetLanguageText(d->language);
    showLoaded(d->form6);
}

void OptionDialogs::showEmbedded() {
    if (!d->loaded)
        SetLanguageText(d->language);
    showLoaded(d->form7);
}

void OptionDialogs::showDebug() {
    if (!d->loaded)
        SetLanguageText(d->language);
    showLoaded(d->form2);
}

void OptionDialogs::showTestFrequency() {
    if (!d->loaded)
        SetLanguageText(d->language);
    showLoaded(d->form4);
}

void OptionDialogs::showAbout() {
    if (!d->loaded)
        SetLanguageText(d->language);
    showLoaded(d->about);
}

void OptionDialogs::setPowerSlidersEnabled(bool enabled) {
    // The dialog is loaded for this if it is not.
    if (!d->loaded)
        SetLanguageText(d->language);
    if (d->form2)
        d->form2->setSlidersEnabled(enabled);
}

void OptionDialogs::setMessagePort(MessagePort *port) {
    d->port = port;
}
