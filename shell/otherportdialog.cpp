#include "shell/otherportdialog.h"

#include "link/portdevices.h"
#include "model/messageport.h"
#include "shell/linkcaptions.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

OtherPortDialog::OtherPortDialog(MessagePort &messages, const qint16 &language, QWidget *parent)
    : QDialog(parent), m_messages(messages), m_language(language) {
    setObjectName(QStringLiteral("frmOtherPort"));
    setWindowModality(Qt::WindowModal);
    lblDevice = new QLabel(this);
    lblDevice->setObjectName(QStringLiteral("lblDevice"));
    txtDevice = new QLineEdit(this);
    txtDevice->setObjectName(QStringLiteral("txtDevice"));
    lblDevice->setBuddy(txtDevice);
    lblHint = new QLabel(this);
    lblHint->setObjectName(QStringLiteral("lblHint"));
    lblHint->setWordWrap(true);
    lblHint->setEnabled(false);
    auto *buttons = new QDialogButtonBox(this);
    cmdOK = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &OtherPortDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblDevice);
    layout->addWidget(txtDevice);
    layout->addWidget(lblHint);
    layout->addWidget(buttons);
    txtDevice->setMinimumWidth(txtDevice->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 48);
    retranslate();
}

void OtherPortDialog::retranslate() {
    setWindowTitle(linkCaption(LinkCaption::OtherPortTitle, m_language));
    lblDevice->setText(linkCaption(LinkCaption::OtherPortLabel, m_language));
    lblHint->setText(linkCaption(LinkCaption::OtherPortHint, m_language));
    cmdOK->setText(linkCaption(LinkCaption::Ok, m_language));
    cmdCancel->setText(linkCaption(LinkCaption::Cancel, m_language));
}

void OtherPortDialog::ask(const QString &device) {
    retranslate();
    txtDevice->setText(device);
    txtDevice->selectAll();
    txtDevice->setFocus(Qt::OtherFocusReason);
    open();
}

void OtherPortDialog::accept() {
    const QString typed = txtDevice->text().trimmed();
    const DevicePathProblem problem = checkDevicePath(typed);
    if (problem != DevicePathProblem::None) {
        m_messages.show(devicePathProblemText(problem, typed, m_language),
                        MsgStyle::IconExclamation, QString());
        txtDevice->setFocus(Qt::OtherFocusReason);
        txtDevice->selectAll();
        return;
    }
    QDialog::accept();
    emit deviceChosen(typedDevice(typed));
}
