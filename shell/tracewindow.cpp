#include "shell/tracewindow.h"

#include "link/serialtrace.h"
#include "model/messageport.h"
#include "shell/linkcaptions.h"

#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

TraceWindow::TraceWindow(SerialTrace &trace, MessagePort &messages, const qint16 &language,
                         QWidget *parent)
    : QDialog(parent), m_trace(trace), m_messages(messages), m_language(language) {
    setObjectName(QStringLiteral("frmTrace"));
    setModal(false);
    txtTrace = new QPlainTextEdit(this);
    txtTrace->setObjectName(QStringLiteral("txtTrace"));
    txtTrace->setReadOnly(true);
    txtTrace->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtTrace->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    cmdSave = new QPushButton(this);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdClose = new QPushButton(this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    connect(cmdSave, &QPushButton::clicked, this, &TraceWindow::save);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    // Marks come at the start and end of exchanges, not with every byte.
    connect(&m_trace, &SerialTrace::changed, this, [this] {
        if (isVisible())
            refresh();
    });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(txtTrace, 1);
    layout->addLayout(buttons);
    const int width = QFontMetrics(txtTrace->font()).horizontalAdvance(QLatin1Char('0')) * 108;
    resize(width, width * 2 / 3);
    retranslate();
}

void TraceWindow::setPathChooser(PathChooser chooser) {
    m_chooser = std::move(chooser);
}

void TraceWindow::retranslate() {
    setWindowTitle(linkCaption(LinkCaption::TraceTitle, m_language));
    cmdSave->setText(linkCaption(LinkCaption::TraceSave, m_language));
    cmdClose->setText(linkCaption(LinkCaption::Close, m_language));
    refresh();
}

void TraceWindow::refresh() {
    const bool atEnd =
        txtTrace->verticalScrollBar()->value() == txtTrace->verticalScrollBar()->maximum();
    txtTrace->setPlainText(m_trace.isEmpty() ? linkCaption(LinkCaption::TraceEmpty, m_language)
                                             : m_trace.text(m_language));
    // Following the newest lines unless the user scrolled back.
    if (atEnd)
        txtTrace->verticalScrollBar()->setValue(txtTrace->verticalScrollBar()->maximum());
}

void TraceWindow::showEvent(QShowEvent *event) {
    retranslate();
    QDialog::showEvent(event);
}

bool TraceWindow::save() {
    const QString suggested = m_lastPath.isEmpty()
                                  ? QDir::home().filePath(QStringLiteral("vq740-trace.txt"))
                                  : m_lastPath;
    QString path;
    if (m_chooser) {
        path = m_chooser(suggested);
    } else {
        path = QFileDialog::getSaveFileName(
            this, linkCaption(LinkCaption::TraceSaveTitle, m_language), suggested,
            linkCaption(LinkCaption::TraceFileFilter, m_language));
    }
    path = traceFileName(path);
    if (path.isEmpty())
        return false;
    QString error;
    if (!saveTextFile(path, m_trace.text(m_language), &error)) {
        m_messages.show(traceSaveFailedText(QDir::toNativeSeparators(path), error, m_language),
                        MsgStyle::IconExclamation, QString());
        return false;
    }
    m_lastPath = path;
    return true;
}
