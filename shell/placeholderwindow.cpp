#include "shell/placeholderwindow.h"

#include <QLabel>

PlaceholderWindow::PlaceholderWindow(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QStringLiteral("VQ-740 Radio Software V1.20"));
    setCentralWidget(new QLabel(QStringLiteral("VQ-740 Radio Software V1.20"), this));
    resize(640, 480);
}
