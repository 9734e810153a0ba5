#include "dialogs/embeddeddialog.h"

#include "dialogs/fieldcontrols.h"
#include "dialogs/inputrules.h"
#include "editor/filteredlineedit.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
FilteredLineEdit *lineBox(const char *name, QWidget *parent) {
    auto *box = new FilteredLineEdit(TextRules::embeddedLine(), parent);
    box->setObjectName(QLatin1String(name));
    // Room for the 32 characters a line holds.
    box->setMinimumWidth(box->fontMetrics().horizontalAdvance(QString(34, QLatin1Char('W'))));
    return box;
}
} // namespace

Form7::Form7(EditorState &state, QWidget *parent)
    : OptionDialog(QStringLiteral("Form7"), parent), m_state(state) {
    Text1 = lineBox("Text1", this);
    Text2 = lineBox("Text2", this);
    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Text1);
    layout->addWidget(Text2);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Command1, &QPushButton::clicked, this, &Form7::storeAndHide);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    // Load step.
    loadFromStore();
}

void Form7::loadFromStore() {
    loadFieldControls(this, m_state);
}

void Form7::storeAndHide() {
    storeFieldControls(this, m_state);
    accept();
}
