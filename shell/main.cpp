#include "shell/form1.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vq740"));
    QApplication::setOrganizationName(QStringLiteral("VQ-740"));
    Form1 window;
    QObject::connect(&window, &Form1::unloaded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window.show();
    // vq740 --port DEVICE: that device is chosen at start (for this run).
    const QStringList args = app.arguments();
    const int port = args.indexOf(QStringLiteral("--port"));
    if (port > 0 && port + 1 < args.size())
        QTimer::singleShot(0, &window, [&window, device = args.at(port + 1)] {
            window.chooseStartDevice(device);
        });
    return app.exec();
}
