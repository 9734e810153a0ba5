#include "shell/functionfields.h"

#include "model/settingfields.h"

QList<const SettingField *> functionPanelFields() {
    QList<const SettingField *> fields;
    for (int i = 0; i < settingFieldCount(); ++i) {
        const SettingField &field = settingFieldAt(i);
        if (QLatin1String(field.window) == QLatin1String("Form1"))
            fields << &field;
    }
    return fields;
}

QString functionCaptionLabel(const SettingField &field) {
    // "Form1/Label4": the window, then the control.
    return QString::fromLatin1(field.caption).section(QLatin1Char('/'), 1);
}

int functionListItems(const SettingField &field) {
    return field.max + 1;
}

bool functionShown(const SettingField &field) {
    return QLatin1String(field.name) != QLatin1String("TOT Pre-Alert");
}
