#include "dialogs/fieldcontrols.h"

#include "dialogs/autodialgrid.h"
#include "dialogs/dialogvalues.h"
#include "model/settingfields.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

namespace {

// The fields of a window, with the control that shows each.
template <typename Visit> void forEachControl(QWidget *window, Visit visit) {
    const QString name = window->objectName();
    for (int i = 0; i < settingFieldCount(); ++i) {
        const SettingField &f = settingFieldAt(i);
        if (name != QLatin1String(f.window))
            continue;
        if (QWidget *control = window->findChild<QWidget *>(QLatin1String(f.control)))
            visit(f, control);
    }
}

} // namespace

void loadFieldControls(QWidget *window, const EditorState &state) {
    forEachControl(window, [&state](const SettingField &f, QWidget *control) {
        loadFieldControl(f, control, state);
    });
}

void storeFieldControls(QWidget *window, EditorState &state) {
    forEachControl(window, [&state](const SettingField &f, QWidget *control) {
        storeFieldControl(f, control, state);
    });
}

void loadFieldControl(const SettingField &f, QWidget *control, const EditorState &state) {
    switch (f.controlKind) {
    case FieldControl::ListIndex:
    case FieldControl::ListNumber:
        if (auto *list = qobject_cast<QComboBox *>(control)) {
            const int first = f.controlKind == FieldControl::ListNumber ? f.min : 0;
            list->setCurrentIndex(listSelection(numberValue(f, state) - first, list->count()));
        }
        break;
    case FieldControl::Check:
        if (auto *box = qobject_cast<QCheckBox *>(control))
            box->setChecked(numberValue(f, state) != 0);
        break;
    case FieldControl::Text:
        if (auto *box = qobject_cast<QLineEdit *>(control))
            box->setText(textValue(f, state));
        break;
    case FieldControl::Rows:
        if (auto *grid = qobject_cast<AutoDialGrid *>(control))
            for (int k = 0; k < f.count; ++k)
                grid->setCode(k, textValue(f, state, k));
        break;
    case FieldControl::None:
    case FieldControl::Slider:
        break;
    }
}

void storeFieldControl(const SettingField &f, QWidget *control, EditorState &state) {
    switch (f.controlKind) {
    case FieldControl::ListIndex:
        if (auto *list = qobject_cast<QComboBox *>(control))
            setNumberValue(f, state, list->currentIndex());
        break;
    case FieldControl::ListNumber:
        // A list without selection leaves the number as it was.
        if (auto *list = qobject_cast<QComboBox *>(control); list && list->currentIndex() >= 0)
            setNumberValue(f, state, list->currentIndex() + f.min);
        break;
    case FieldControl::Check:
        if (auto *box = qobject_cast<QCheckBox *>(control))
            setNumberValue(f, state, box->isChecked() ? 1 : 0);
        break;
    case FieldControl::Text:
        if (auto *box = qobject_cast<QLineEdit *>(control))
            setTextValue(f, state, 0, box->text());
        break;
    case FieldControl::Rows:
        if (auto *grid = qobject_cast<AutoDialGrid *>(control))
            for (int k = 0; k < f.count; ++k)
                setTextValue(f, state, k, grid->code(k));
        break;
    case FieldControl::None:
    case FieldControl::Slider:
        break;
    }
}
