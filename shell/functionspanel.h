// Frame2, the Functions Setting panel of the main window: a caption and a
// list for each setting of functionPanelFields(), from the top down. The
// lists show and store the editor state with the field controls of the
// option dialogs.
#pragma once

#include <QGroupBox>
#include <QList>
#include <QString>

#include <utility>

class QComboBox;
struct EditorState;
struct SettingField;

class FunctionsPanel : public QGroupBox {
    Q_OBJECT
public:
    FunctionsPanel(EditorState &state, QWidget *parent);

    // The lists from the top down (Combo2, Combo3, Combo4, Combo9, Combo6,
    // Combo7), the hidden TOT Pre-Alert list among them.
    QList<QComboBox *> lists() const;
    // The lists show the editor state; nothing is stored meanwhile.
    void refresh();
    // Each list is as wide as its longest item in either language, so that
    // no item is cut short after a switch and the panel keeps its width.
    void fitLists();

signals:
    // The user picked another entry of a list; the settings are stored.
    void settingsChanged();
    // A caption of the panel was pressed with the left button (its name,
    // "Label4" ...).
    void captionClicked(const QString &caption);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void storeLists();

    EditorState &m_state;
    QList<std::pair<const SettingField *, QComboBox *>> m_rows;
};
