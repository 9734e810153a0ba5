#include "dialogs/keysdialog.h"

#include "dialogs/dialogcaptions.h"
#include "dialogs/dialogvalues.h"
#include "dialogs/keypictures.h"
#include "model/settingsstore.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

Form6::Form6(SettingsStore &store, QWidget *parent)
    : OptionDialog(QStringLiteral("Form6"), parent), m_store(store) {
    Picture1 = keyPicture(HighlightedKey::PF1);
    Picture2 = keyPicture(HighlightedKey::PF2);

    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Label2 = new QLabel(this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Combo2 = new QComboBox(this);
    Combo2->setObjectName(QStringLiteral("Combo2"));
    Combo1->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Combo2->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    Label1->setBuddy(Combo1);
    Label2->setBuddy(Combo2);
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(keyPicture(HighlightedKey::None));
    Image1->setFixedSize(kKeyPictureWidth, kKeyPictureHeight);
    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto *keys = new QGridLayout;
    keys->addWidget(Label1, 0, 0);
    keys->addWidget(Combo1, 0, 1);
    keys->addWidget(Label2, 1, 0);
    keys->addWidget(Combo2, 1, 1);
    keys->setRowStretch(2, 1);
    keys->setColumnMinimumWidth(1, 200);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *right = new QVBoxLayout;
    right->addLayout(keys, 1);
    right->addLayout(buttons);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Image1);
    layout->addSpacing(8);
    layout->addLayout(right, 1);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    Combo1->installEventFilter(this);
    Combo2->installEventFilter(this);
    connect(Command1, &QPushButton::clicked, this, &Form6::storeAndHide);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    // Load step.
    Combo1->addItems(dialogListItems(objectName(), Combo1->objectName(), 0));
    Combo2->addItems(dialogListItems(objectName(), Combo2->objectName(), 0));
    loadFromStore();
}

void Form6::loadFromStore() {
    Combo1->setCurrentIndex(keyListIndex(m_store.pf1));
    Combo2->setCurrentIndex(keyListIndex(m_store.pf2));
}

void Form6::storeAndHide() {
    m_store.pf1 = Combo1->currentIndex();
    m_store.pf2 = Combo2->currentIndex();
    accept();
}

bool Form6::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == Combo1)
            Image1->setPixmap(Picture1);
        else if (watched == Combo2)
            Image1->setPixmap(Picture2);
    }
    return OptionDialog::eventFilter(watched, event);
}
