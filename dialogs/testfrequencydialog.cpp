#include "dialogs/testfrequencydialog.h"

#include "dialogs/testfrequencygrid.h"
#include "model/settingsstore.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QPushButton *plainButton(const char *name, QWidget *parent) {
    auto *button = new QPushButton(parent);
    button->setObjectName(QLatin1String(name));
    // Enter finishes a cell edit; it must not press a button as well.
    button->setAutoDefault(false);
    return button;
}
} // namespace

Form4::Form4(SettingsStore &store, QWidget *parent)
    : OptionDialog(QStringLiteral("Form4"), parent), m_store(store) {
    mfgrid1 = new TestFrequencyGrid(this);
    Command1 = plainButton("Command1", this);
    Command2 = plainButton("Command2", this);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(mfgrid1, 1);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &Form4::storeAndHide);
    connect(Command2, &QPushButton::clicked, this, &Form4::cancel);

    // Load step.
    loadFromStore();
}

void Form4::loadFromStore() {
    for (int r = 0; r < kTestFrequencyRows; ++r)
        mfgrid1->setRowTexts(r, TestFrequencyRow{m_store.testRx[r], m_store.testTx[r]});
}

void Form4::storeAndHide() {
    mfgrid1->finishEditing();
    for (int r = 0; r < kTestFrequencyRows; ++r) {
        const TestFrequencyRow row = mfgrid1->rowTexts(r);
        m_store.testRx[r] = row.rx;
        m_store.testTx[r] = row.tx;
    }
    accept();
}

void Form4::cancel() {
    mfgrid1->finishEditing();
    reject();
}
