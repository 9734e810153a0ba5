// Help > Serial trace: the bytes of the last exchanges with the radio, with
// their times and directions, in a read-only text view; Save writes them to
// a text file for support, Close puts the window away. Modeless, like the
// option dialogs: the main window stays usable, and the view follows the
// trace as exchanges begin and end.
#pragma once

#include <QDialog>
#include <functional>

class MessagePort;
class QPlainTextEdit;
class QPushButton;
class SerialTrace;

class TraceWindow : public QDialog {
    Q_OBJECT
public:
    // `language` is the program's language flag, read whenever the window
    // shows its texts.
    TraceWindow(SerialTrace &trace, MessagePort &messages, const qint16 &language,
                QWidget *parent = nullptr);

    // The file the Save button writes; an empty answer saves nothing.
    // Replaceable for tests (empty function: the platform's save dialog).
    using PathChooser = std::function<QString(const QString &suggested)>;
    void setPathChooser(PathChooser chooser);

    // The captions and the text in the current language.
    void retranslate();
    // The text of the trace as it stands.
    void refresh();
    // Save: asks for a file and writes the trace there (QSaveFile); a file
    // that cannot be written is reported with its name. True when written.
    bool save();

protected:
    void showEvent(QShowEvent *event) override;

private:
    SerialTrace &m_trace;
    MessagePort &m_messages;
    const qint16 &m_language;
    PathChooser m_chooser;
    QString m_lastPath;
    QPlainTextEdit *txtTrace;
    QPushButton *cmdSave;
    QPushButton *cmdClose;
};
