// Import, Export, Print and Export PDF of the channels; an applied import
// is one step.
#include "shell/channelcommandspart.h"

#include "model/editorstate.h"
#include "print/channellistprinter.h"
#include "shell/captiontable.h"
#include "shell/editorwindow.h"
#include "shell/interopcommands.h"
#include "shell/interopdialogs.h"
#include "shell/printcaptions.h"

#include <QDate>
#include <QPrintPreviewDialog>
#include <QPrinter>

void ChannelCommandsPart::commandImport() {
    if (m_editor.editLock())
        return;
    // As with Open, an editor stays open while the questions are asked; an
    // applied import replaces the table and closes it.
    EditorState next;
    if (importCommand(m_state, *m_chooser, m_port, *m_prompts, &next) == FileOutcome::Done)
        applyEditorChange(QStringLiteral("Import"), next);
}

void ChannelCommandsPart::commandExport() {
    m_editor.finishCellEditing(true);
    exportCommand(m_state, *m_chooser, m_port);
}

void ChannelCommandsPart::commandExportPdf() {
    m_editor.finishCellEditing(true);
    exportPdfCommand(m_state, *m_chooser, m_port, *m_prompts, channelListPdf);
}

void ChannelCommandsPart::commandPrint() {
    m_editor.finishCellEditing(true);
    ChannelListOptions options;
    options.date = QDate::currentDate();
    if (!m_prompts->askPrintOptions(&options))
        return;
    const QString html = channelListDocument(m_state, options);
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(channelListTitle(m_state.language));
    QPrintPreviewDialog preview(&printer, m_window);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(captionText(QStringLiteral("PrintOptions"), m_state.language));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [html](QPrinter *device) { printChannelList(html, device); });
    presentDialog(preview);
}
