// A one-line text box that lets in only the characters a key filter accepts,
// whether typed, pasted, dropped or committed by an input method. Keys that
// are no characters (cursor keys, Delete, Backspace) work as usual.
#pragma once

#include <QLineEdit>

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    using KeyFilter = bool (*)(QChar);

    explicit FilteredLineEdit(KeyFilter filter, QWidget *parent = nullptr);

    // The characters of `text` the filter accepts, in order.
    QString filtered(const QString &text) const;

    // Pastes the clipboard text without the characters the filter refuses.
    void pasteFiltered();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    int refusedCount(const QString &text) const;

    KeyFilter m_filter;
};
