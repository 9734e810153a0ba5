// The main window's Import, Export, Print and Export PDF commands and its
// Edit menu. Rules live in the core (interop/, shell/interopcommands); every
// change of the channels goes through applyEditorChange as one step.
#include "shell/form1.h"

#include "editor/celleditors.h"
#include "editor/channelgrid.h"
#include "interop/channelclipboard.h"
#include "print/channellistprinter.h"
#include "shell/captiontable.h"
#include "shell/interopcommands.h"
#include "shell/interopdialogs.h"
#include "shell/localizedmsgbox.h"
#include "shell/printcaptions.h"

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QPrintPreviewDialog>
#include <QPrinter>

void Form1::buildEditMenu() {
    // Ctrl+X, Ctrl+C, Ctrl+V and Delete belong to the channel table: they
    // act while it (or an editor over its cells, which takes its own
    // copy and paste keys first) has the focus, never in the lists of the
    // Functions Setting panel.
    const std::pair<QAction *, QKeySequence> keys[] = {{mnuCut, QKeySequence::Cut},
                                                       {mnuCopy, QKeySequence::Copy},
                                                       {mnuPaste, QKeySequence::Paste},
                                                       {mnuDelete, QKeySequence(Qt::Key_Delete)}};
    for (const auto &[action, key] : keys) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        Grid1->addAction(action);
    }
    connect(Grid1, &ChannelGrid::channelSelectionChanged, this, &Form1::updateEditCommands);
    updateEditCommands();
}

QList<int> Form1::channelsForCopy() const {
    QList<int> rows = Grid1->selectedChannels();
    if (rows.isEmpty() && Grid1->currentChannel())
        rows << Grid1->currentChannel();
    return rows;
}

void Form1::updateEditCommands() {
    const bool unlocked = !editLock();
    const bool rows = !Grid1->selectedChannels().isEmpty();
    mnuCut->setEnabled(unlocked && rows);
    mnuDelete->setEnabled(unlocked && rows);
    mnuPaste->setEnabled(unlocked);
    mnuImport->setEnabled(unlocked);
}

void Form1::commandImport() {
    if (editLock())
        return;
    // As with Open, an editor stays open while the questions are asked; an
    // applied import replaces the table and closes it.
    EditorState next;
    if (importCommand(m_state, *m_chooser, *m_port, *m_prompts, &next) == FileOutcome::Done)
        applyEditorChange(QStringLiteral("Import"), next);
}

void Form1::commandExport() {
    finishCellEditing(true);
    exportCommand(m_state, *m_chooser, *m_port);
}

void Form1::commandExportPdf() {
    finishCellEditing(true);
    exportPdfCommand(m_state, *m_chooser, *m_port, *m_prompts, channelListPdf);
}

void Form1::commandPrint() {
    finishCellEditing(true);
    ChannelListOptions options;
    options.date = QDate::currentDate();
    if (!m_prompts->askPrintOptions(&options))
        return;
    const QString html = channelListDocument(m_state, options);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(channelListTitle(m_state.language));
    QPrintPreviewDialog preview(&printer, this);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(captionText(QStringLiteral("PrintOptions"), m_state.language));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [html](QPrinter *device) { printChannelList(html, device); });
    presentDialog(preview);
}

void Form1::commandCopy() {
    finishCellEditing(true);
    const QList<int> rows = channelsForCopy();
    if (rows.isEmpty())
        return;
    const ChannelClip clip = copyChannels(m_state, rows);
    auto *mime = new QMimeData;
    mime->setText(clip.text);
    mime->setData(QString::fromLatin1(kChannelsMimeType), clip.privateData);
    QGuiApplication::clipboard()->setMimeData(mime);
}

void Form1::commandCut() {
    if (editLock() || Grid1->selectedChannels().isEmpty())
        return;
    commandCopy();
    applyEditorChange(QStringLiteral("Cut"),
                      stateWithoutChannels(m_state, Grid1->selectedChannels()));
}

void Form1::commandDelete() {
    if (editLock())
        return;
    finishCellEditing(true);
    const QList<int> rows = Grid1->selectedChannels();
    if (rows.isEmpty())
        return;
    applyEditorChange(QStringLiteral("Delete"), stateWithoutChannels(m_state, rows));
    Grid1->selectChannels(rows.first(), rows.last());
}

void Form1::commandPaste() {
    if (editLock())
        return;
    finishCellEditing(true);
    const QList<int> rows = Grid1->selectedChannels();
    const int first =
        !rows.isEmpty() ? rows.first() : (Grid1->currentChannel() ? Grid1->currentChannel() : 1);
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    const QString privateType = QString::fromLatin1(kChannelsMimeType);
    const PasteResult result = pasteChannels(
        m_state, first, mime ? mime->text() : QString(),
        mime && mime->hasFormat(privateType) ? mime->data(privateType) : QByteArray());
    if (!result.ok) {
        m_port->show(result.message, MsgStyle::IconExclamation, QString());
        return;
    }
    applyEditorChange(QStringLiteral("Paste"), result.next);
    Grid1->selectChannels(result.firstRow, result.lastRow);
}
