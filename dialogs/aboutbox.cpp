#include "dialogs/aboutbox.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

QPixmap aboutLogo() {
    QPixmap pixmap(71, 70);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // A blue disc with radio waves and the letters VQ.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 51, 153));
    p.drawEllipse(QRectF(2, 2, 66, 66));
    p.setPen(QPen(QColor(255, 255, 255, 200), 3, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        const qreal r = 8 + i * 7;
        p.drawArc(QRectF(50 - r, 18 - r, 2 * r, 2 * r), -200 * 16, 70 * 16);
    }
    QFont f = p.font();
    f.setPixelSize(24);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(2, 26, 66, 34), Qt::AlignCenter, QStringLiteral("VQ"));
    p.end();
    return pixmap;
}

namespace {

QLabel *aboutLabel(const char *name, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

QFrame *line(const char *name, QWidget *parent) {
    auto *frame = new QFrame(parent);
    frame->setObjectName(QLatin1String(name));
    frame->setFrameShape(QFrame::HLine);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : OptionDialog(QStringLiteral("frmAbout"), parent) {
    setWindowTitle(QStringLiteral("Help"));

    Image2 = aboutLabel("Image2", this);
    Image2->setPixmap(aboutLogo());
    Image2->setFixedSize(71, 70);
    lblTitle = aboutLabel("lblTitle", this);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    QPalette darkBlue = lblTitle->palette();
    darkBlue.setColor(QPalette::WindowText, QColor(0, 0, 128));
    lblTitle->setPalette(darkBlue);
    lblVersion = aboutLabel("lblVersion", this);
    Label2 = aboutLabel("Label2", this);
    Label3 = aboutLabel("Label3", this);
    lblHelp = aboutLabel("lblHelp", this);
    lblDescription = aboutLabel("lblDescription", this);
    Label1 = aboutLabel("Label1", this);
    Line1_0 = line("Line1_0", this);
    Line1_1 = line("Line1_1", this);
    cmdOK = new QPushButton(this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);

    auto *texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(6);
    texts->addWidget(Label2);
    texts->addWidget(Label3);
    texts->addSpacing(6);
    texts->addWidget(lblHelp);
    auto *top = new QHBoxLayout;
    top->addWidget(Image2, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Label1, 1);
    buttons->addWidget(cmdOK);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Line1_0);
    layout->addWidget(lblDescription);
    layout->addWidget(Line1_1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumWidth(360);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}
