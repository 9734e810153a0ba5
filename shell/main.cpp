#include "image/backups.h"
#include "shell/form1.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vq740"));
    QApplication::setOrganizationName(QStringLiteral("VQ-740"));
    // Backups older than the retention period go at every start.
    BackupStore().prune();
    Form1 window;
    QObject::connect(&window, &Form1::unloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    return app.exec();
}
