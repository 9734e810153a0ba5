// One port of the Program radios window: its programming line, Start and
// Retry, what the line is doing, and the change list that the first radio
// (and a radio unlike it) shows before it is written, in the preview of the
// single write.
//
// Radios are numbered by the window across all its ports; a radio tried
// again keeps its number.
#pragma once

#include "link/programmingline.h"

#include <QGroupBox>
#include <QHash>
#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class WritePreviewWindow;

class RadioLineGroup : public QGroupBox {
    Q_OBJECT
public:
    // The number the window gives its next radio.
    using Numberer = std::function<int()>;
    // The main window's language flag, for the change list.
    using LanguageFlag = std::function<qint16()>;

    RadioLineGroup(const QString &device, const QString &label, Numberer numberer,
                   LanguageFlag language, QWidget *parent);
    ~RadioLineGroup() override;

    QString device() const { return m_device; }
    ProgrammingLine *line() const { return m_line.get(); }
    bool busy() const;
    // The master the line writes, as the journal names it, and its SHA-256
    // (empty: no line yet).
    QString masterName() const { return m_masterName; }
    QString masterDigest() const { return m_digest; }
    // A new line for another master, replacing the old one (not while it
    // runs): its first radio shows the change list again.
    void setLine(std::unique_ptr<ProgrammingLine> line, const QString &masterName,
                 const QString &digest);

    // Starts the next radio, or tries the failed one again; the window
    // decides whether it may (startRequested).
    void requestStart(bool retry);

    QPushButton *startButton() const { return cmdStart; }
    QPushButton *retryButton() const { return cmdRetry; }
    WritePreviewWindow *preview() const { return m_preview; }

    void retranslate();

signals:
    void startRequested(RadioLineGroup *group, bool retry);
    void radioFinished(RadioLineGroup *group, int number, const RadioRecord &record);

protected:
    void changeEvent(QEvent *event) override;

private:
    enum class Phase { Waiting, Running, Asking, Ended };
    void radioStarted(int lineNumber);
    void showChanges();
    void lineFinished(const RadioRecord &record);
    void showState();
    void captionPreview();

    QString m_device;
    Numberer m_numberer;
    LanguageFlag m_language;
    std::unique_ptr<ProgrammingLine> m_line;
    QString m_masterName;
    QString m_digest;
    QHash<int, int> m_numbers; // the line's number of a radio -> the window's

    Phase m_phase = Phase::Waiting;
    int m_number = 0; // the window's number of the radio being or last programmed
    RadioOutcome m_outcome = RadioOutcome::Done;

    QLabel *lblLast;
    QLabel *lblPrompt;
    QPushButton *cmdStart;
    QPushButton *cmdRetry;
    WritePreviewWindow *m_preview;
};
