// The settings of the main window's Functions Setting panel: the rows of the
// settings table whose window is Form1, from the top of the panel down. The
// panel, its keyboard order and the printed channel list take them from here.
#pragma once

#include <QList>
#include <QString>

struct SettingField;

// Voice Notice, Time-out Timer, TOT Pre-Alert, Squelch Level, Battery Save
// and Beep, in the table's order.
QList<const SettingField *> functionPanelFields();

// The label that captions a setting in the panel ("Label4" for Voice
// Notice): the control its caption names.
QString functionCaptionLabel(const SettingField &field);

// The items of a setting's list: one for each value from 0 to the largest
// (the Time-out Timer's -1 is the list without selection).
int functionListItems(const SettingField &field);

// Whether the panel shows the setting: TOT Pre-Alert is kept with the
// others, but its caption and list stay hidden and it is not printed.
bool functionShown(const SettingField &field);
