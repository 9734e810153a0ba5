// Cut, Copy, Paste and Delete on whole channels of Grid1, through the
// clipboard; each change of the channels is one step.
#include "shell/channelcommandspart.h"

#include "editor/channelgrid.h"
#include "interop/channelclipboard.h"
#include "model/editorstate.h"
#include "model/messageport.h"
#include "shell/editorwindow.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

void ChannelCommandsPart::updateEditCommands() {
    const bool unlocked = !m_editor.editLock();
    const bool rows = !m_grid.selectedChannels().isEmpty();
    mnuCut->setEnabled(unlocked && rows);
    mnuDelete->setEnabled(unlocked && rows);
    mnuPaste->setEnabled(unlocked);
    mnuImport->setEnabled(unlocked);
}

QList<int> ChannelCommandsPart::channelsForCopy() const {
    QList<int> rows = m_grid.selectedChannels();
    if (rows.isEmpty() && m_grid.currentChannel())
        rows << m_grid.currentChannel();
    return rows;
}

void ChannelCommandsPart::commandCopy() {
    m_editor.finishCellEditing(true);
    const QList<int> rows = channelsForCopy();
    if (rows.isEmpty())
        return;
    const ChannelClip clip = copyChannels(m_state, rows);
    auto *mime = new QMimeData;
    mime->setText(clip.text);
    mime->setData(QString::fromLatin1(kChannelsMimeType), clip.privateData);
    QGuiApplication::clipboard()->setMimeData(mime);
}

void ChannelCommandsPart::commandCut() {
    if (m_editor.editLock() || m_grid.selectedChannels().isEmpty())
        return;
    commandCopy();
    applyEditorChange(QStringLiteral("Cut"),
                      stateWithoutChannels(m_state, m_grid.selectedChannels()));
}

void ChannelCommandsPart::commandDelete() {
    if (m_editor.editLock())
        return;
    m_editor.finishCellEditing(true);
    const QList<int> rows = m_grid.selectedChannels();
    if (rows.isEmpty())
        return;
    applyEditorChange(QStringLiteral("Delete"), stateWithoutChannels(m_state, rows));
    m_grid.selectChannels(rows.first(), rows.last());
}

void ChannelCommandsPart::commandPaste() {
    if (m_editor.editLock())
        return;
    m_editor.finishCellEditing(true);
    const QList<int> rows = m_grid.selectedChannels();
    const int first =
        !rows.isEmpty() ? rows.first() : (m_grid.currentChannel() ? m_grid.currentChannel() : 1);
    const QMimeData *mime = QGuiApplication::clipboard()->mimeData();
    const QString privateType = QString::fromLatin1(kChannelsMimeType);
    const PasteResult result = pasteChannels(
        m_state, first, mime ? mime->text() : QString(),
        mime && mime->hasFormat(privateType) ? mime->data(privateType) : QByteArray());
    if (!result.ok) {
        m_port.show(result.message, MsgStyle::IconExclamation, QString());
        return;
    }
    applyEditorChange(QStringLiteral("Paste"), result.next);
    m_grid.selectChannels(result.firstRow, result.lastRow);
}
