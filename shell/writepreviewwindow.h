// The preview before a write (frmWritePreview): after the radio has been
// read, what the write will change, item by item with the radio's old value
// and the new one, the warnings, and Write / Cancel. When the radio already
// holds exactly this, the window says so and offers "Write anyway" instead.
// Window-modal; Escape and the close box cancel.
#pragma once

#include <QDialog>
#include <QtGlobal>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class WriteFlow;

class WritePreviewWindow : public QDialog {
    Q_OBJECT
public:
    explicit WritePreviewWindow(QWidget *parent);

    // Fills the window from the flow's preview and shows it; the captions
    // come from the caption table, the rows in the language given.
    void showPreview(const WriteFlow &flow, bool bandOverride, qint16 language);

    QLabel *summary() const { return lblSummary; }
    QTableWidget *list() const { return PreviewList; }
    QListWidget *warnings() const { return WarningList; }
    QPushButton *writeButton() const { return cmdWrite; }
    QPushButton *writeAnywayButton() const { return cmdWriteAnyway; }
    QPushButton *cancelButton() const { return cmdCancelWrite; }

signals:
    void writeChosen();
    void cancelChosen();

private:
    QLabel *lblSummary;
    QTableWidget *PreviewList;
    QLabel *lblWarnings;
    QListWidget *WarningList;
    QPushButton *cmdWrite;
    QPushButton *cmdWriteAnyway;
    QPushButton *cmdCancelWrite;
};
