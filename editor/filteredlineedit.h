// A one-line text box that applies a TextRule to every typed key, to
// pasted and dropped text and to text from an input method, so that
// nothing the rule refuses ever gets in.
#pragma once

#include "editor/textrule.h"

#include <QLineEdit>

class FilteredLineEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit FilteredLineEdit(const TextRule &rule, QWidget *parent = nullptr);

    const TextRule &rule() const { return m_rule; }

    // Inserts what the rule keeps of `text` at the cursor (or over the
    // selection), as a paste does.
    void insertFiltered(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    LineState lineState() const;
    void pasteFiltered();

    TextRule m_rule;
};
