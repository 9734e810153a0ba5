// A plain main window shown until the full editor window is in place.
#pragma once

#include <QMainWindow>

class PlaceholderWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit PlaceholderWindow(QWidget *parent = nullptr);
};
