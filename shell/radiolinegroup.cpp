#include "shell/radiolinegroup.h"

#include "shell/captiontable.h"
#include "shell/radiooutcome.h"
#include "shell/writepreviewwindow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
template <typename T> T *named(T *object, const char *name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}
} // namespace

RadioLineGroup::RadioLineGroup(const QString &device, const QString &label, Numberer numberer,
                               LanguageFlag language, QWidget *parent)
    : QGroupBox(label, parent), m_device(device), m_numberer(std::move(numberer)),
      m_language(std::move(language)), lblLast(named(new QLabel(this), "lblLineLast")),
      lblPrompt(named(new QLabel(this), "lblLinePrompt")),
      cmdStart(named(new QPushButton(this), "cmdStartRadio")),
      cmdRetry(named(new QPushButton(this), "cmdRetryRadio")),
      m_preview(new WritePreviewWindow(this)) {
    setObjectName(QStringLiteral("programRadiosLine"));
    setToolTip(device);
    lblLast->setWordWrap(true);
    lblPrompt->setWordWrap(true);
    m_preview->setObjectName(QStringLiteral("frmProgramPreview"));
    connect(m_preview, &WritePreviewWindow::writeChosen, this, [this] {
        if (m_line)
            m_line->confirm(true);
    });
    connect(m_preview, &WritePreviewWindow::cancelChosen, this, [this] {
        if (m_line)
            m_line->confirm(false);
    });
    connect(cmdStart, &QPushButton::clicked, this, [this] { requestStart(false); });
    connect(cmdRetry, &QPushButton::clicked, this, [this] { requestStart(true); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdStart);
    buttons->addWidget(cmdRetry);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblLast);
    layout->addWidget(lblPrompt);
    layout->addLayout(buttons);
    retranslate();
}

RadioLineGroup::~RadioLineGroup() {
    // The preview goes with the group: an answer it gives as it closes has
    // no line to go to.
    disconnect(m_preview, nullptr, this, nullptr);
}

bool RadioLineGroup::busy() const {
    return m_line && m_line->busy();
}

void RadioLineGroup::setLine(std::unique_ptr<ProgrammingLine> line, const QString &masterName,
                             const QString &digest) {
    if (busy())
        return;
    m_line = std::move(line);
    m_masterName = masterName;
    m_digest = digest;
    m_numbers.clear();
    ProgrammingLine *l = m_line.get();
    connect(l, &ProgrammingLine::radioStarted, this, &RadioLineGroup::radioStarted);
    connect(l, &ProgrammingLine::confirmationNeeded, this, &RadioLineGroup::showChanges);
    connect(l, &ProgrammingLine::radioFinished, this, &RadioLineGroup::lineFinished);
    showState();
}

void RadioLineGroup::requestStart(bool retry) {
    if (busy() || (retry && !(m_line && m_line->lastFailed())))
        return;
    emit startRequested(this, retry);
}

void RadioLineGroup::radioStarted(int lineNumber) {
    // A radio tried again keeps the number it had.
    if (!m_numbers.contains(lineNumber))
        m_numbers.insert(lineNumber, m_numberer());
    m_number = m_numbers.value(lineNumber);
    m_phase = Phase::Running;
    showState();
}

void RadioLineGroup::showChanges() {
    m_phase = Phase::Asking;
    showState();
    m_preview->showPreview(m_line->flow(), false, m_language());
    captionPreview();
}

void RadioLineGroup::lineFinished(const RadioRecord &record) {
    m_phase = Phase::Ended;
    m_outcome = record.outcome;
    showState();
    emit radioFinished(this, m_number, record);
}

void RadioLineGroup::showState() {
    const bool running = busy();
    cmdStart->setEnabled(!running);
    cmdRetry->setEnabled(!running && m_line && m_line->lastFailed());
    QString last;
    QString prompt = tr("Connect the next radio and press Start (Enter).");
    bool failed = false;
    switch (m_phase) {
    case Phase::Waiting:
        break;
    case Phase::Running:
        last = tr("Radio %1: being programmed...").arg(m_number);
        prompt = tr("Leave the radio connected until it is done.");
        break;
    case Phase::Asking:
        last = tr("Radio %1: look at the changes, then choose Write or Cancel.").arg(m_number);
        prompt = tr("Leave the radio connected until it is done.");
        break;
    case Phase::Ended:
        last = tr("Radio %1: %2.").arg(m_number).arg(radioOutcomeText(m_outcome));
        failed = isRadioFailure(m_outcome);
        if (m_outcome != RadioOutcome::Done)
            prompt = tr("Connect radio %1 again and press Retry, or connect the next radio and "
                        "press Start (Enter).")
                         .arg(m_number);
        break;
    }
    lblLast->setText(last);
    lblLast->setVisible(!last.isEmpty());
    lblLast->setStyleSheet(failed ? QStringLiteral("color: #b00000; font-weight: bold;")
                                  : QString());
    lblPrompt->setText(prompt);
}

void RadioLineGroup::captionPreview() {
    // The preview of the single write, captioned as the main window
    // captions its own.
    const qint16 language = m_language();
    m_preview->setWindowTitle(
        QStringLiteral("%1 \u2014 %2")
            .arg(captionOf(QStringLiteral("frmWritePreview"), language), title()));
    for (int c = 0; c < m_preview->list()->columnCount(); ++c)
        if (QTableWidgetItem *header = m_preview->list()->horizontalHeaderItem(c))
            header->setText(
                captionText(QStringLiteral("PreviewList"), language, CaptionKind::TableHeader, c));
    for (const char *name : {"lblWarnings", "cmdWrite", "cmdWriteAnyway", "cmdCancelWrite"}) {
        const QString control = QString::fromLatin1(name);
        const QString text = captionOf(control, language);
        if (auto *label = m_preview->findChild<QLabel *>(control))
            label->setText(text);
        else if (auto *button = m_preview->findChild<QPushButton *>(control))
            button->setText(text);
    }
}

void RadioLineGroup::retranslate() {
    cmdStart->setText(tr("Start"));
    cmdRetry->setText(tr("Retry"));
    cmdRetry->setToolTip(tr("Programs the radio that failed again, under its number."));
    showState();
    captionPreview();
}

void RadioLineGroup::changeEvent(QEvent *event) {
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::LanguageChange)
        retranslate();
}
