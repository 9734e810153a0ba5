#include "dialogs/optionalfunctiondialog.h"

#include "dialogs/autodialgrid.h"
#include "dialogs/dialogcaptions.h"
#include "dialogs/dialogvalues.h"
#include "dialogs/fieldcontrols.h"
#include "dialogs/inputrules.h"
#include "editor/filteredlineedit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

FilteredLineEdit *textBox(const char *name, const TextRule &rule, QWidget *parent) {
    auto *box = new FilteredLineEdit(rule, parent);
    box->setObjectName(QLatin1String(name));
    return box;
}

// The up/down control beside a scan time box, as the radio's programming
// windows have always had it: 0 at the top and 300 at the bottom, so the
// down arrow adds a second and the up arrow takes one away.
QScrollBar *secondsScroll(const char *name, QWidget *parent) {
    auto *scroll = new QScrollBar(Qt::Vertical, parent);
    scroll->setObjectName(QLatin1String(name));
    scroll->setRange(0, kScanSecondsMax);
    scroll->setSingleStep(1);
    scroll->setPageStep(10);
    return scroll;
}

QWidget *withScroll(FilteredLineEdit *text, QScrollBar *scroll, QWidget *parent) {
    auto *box = new QWidget(parent);
    auto *row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(text, 1);
    scroll->setFixedHeight(text->sizeHint().height());
    row->addWidget(scroll);
    return box;
}

} // namespace

Form5::Form5(EditorState &state, QWidget *parent)
    : OptionDialog(QStringLiteral("Form5"), parent), m_state(state) {
    buildScanFrame();
    buildVoxFrame();
    buildHiddenControls();

    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);
    Command2 = new QPushButton(this);
    Command2->setObjectName(QStringLiteral("Command2"));
    connect(Command1, &QPushButton::clicked, this, &Form5::storeAndHide);
    connect(Command2, &QPushButton::clicked, this, &QDialog::reject);

    auto *frames = new QHBoxLayout;
    frames->addWidget(Frame2);
    frames->addWidget(Frame1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addWidget(HiddenGroup);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    HiddenGroup->setVisible(false);

    followScroll(VScroll1, Text5);
    followScroll(VScroll2, Text6);
    connect(mfgrid1, &AutoDialGrid::codeEdited, this, [this](int row) {
        if (mfgrid1->code(row).size() > kAutoDialMaxDigits)
            emit autoDialCodeTooLong();
    });

    // Load step: the lists get their items, then the stored values.
    for (QComboBox *combo : findChildren<QComboBox *>())
        combo->addItems(dialogListItems(objectName(), combo->objectName(), 0));
    loadFromStore();
}

QComboBox *Form5::list(const char *name) {
    auto *combo = new QComboBox(this);
    combo->setObjectName(QLatin1String(name));
    combo->setMaxVisibleItems(16);
    // Wide enough for the longest item in either language.
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QLabel *Form5::label(const char *name, const QString &text) {
    auto *l = new QLabel(text, this);
    l->setObjectName(QLatin1String(name));
    return l;
}

void Form5::buildScanFrame() {
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Label14 = label("Label14");
    Combo11 = list("Combo11");
    Label15 = label("Label15");
    Combo12 = list("Combo12");
    Label17 = label("Label17");
    Combo13 = list("Combo13");
    Label16 = label("Label16");
    Combo14 = list("Combo14");
    Label18 = label("Label18");
    Combo15 = list("Combo15");
    Label19 = label("Label19");
    Text5 = textBox("Text5", TextRules::scanSeconds(), this);
    VScroll1 = secondsScroll("VScroll1", this);
    Label20 = label("Label20");
    Text6 = textBox("Text6", TextRules::scanSeconds(), this);
    VScroll2 = secondsScroll("VScroll2", this);

    auto *grid = new QGridLayout(Frame2);
    const QList<QPair<QLabel *, QWidget *>> rows{
        {Label14, Combo11},
        {Label15, Combo12},
        {Label17, Combo13},
        {Label16, Combo14},
        {Label18, Combo15},
        {Label19, withScroll(Text5, VScroll1, this)},
        {Label20, withScroll(Text6, VScroll2, this)},
    };
    for (int r = 0; r < rows.size(); ++r) {
        rows[r].first->setBuddy(rows[r].second);
        grid->addWidget(rows[r].first, r, 0);
        grid->addWidget(rows[r].second, r, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(rows.size(), 1);
}

void Form5::buildVoxFrame() {
    Frame1 = new QGroupBox(QStringLiteral("VOX"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Label8 = label("Label8");
    Combo6 = list("Combo6");
    Label10 = label("Label10");
    Combo7 = list("Combo7");
    Label9 = label("Label9");
    Combo8 = list("Combo8");
    Label7 = label("Label7");
    Combo9 = list("Combo9");
    Check3 = new QCheckBox(this);
    Check3->setObjectName(QStringLiteral("Check3"));
    Check4 = new QCheckBox(this);
    Check4->setObjectName(QStringLiteral("Check4"));

    auto *grid = new QGridLayout(Frame1);
    const QList<QPair<QLabel *, QComboBox *>> rows{
        {Label8, Combo6}, {Label10, Combo7}, {Label9, Combo8}, {Label7, Combo9}};
    for (int r = 0; r < rows.size(); ++r) {
        rows[r].first->setBuddy(rows[r].second);
        grid->addWidget(rows[r].first, r, 0);
        grid->addWidget(rows[r].second, r, 1);
    }
    grid->addWidget(Check3, 4, 0, 1, 2);
    grid->addWidget(Check4, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(6, 1);
}

void Form5::buildHiddenControls() {
    HiddenGroup = new QWidget(this);
    HiddenGroup->setObjectName(QStringLiteral("HiddenGroup"));

    // PTT ID group; every caption, here and in the DTMF frame, comes from
    // the caption table.
    Label4 = label("Label4");
    Combo4 = list("Combo4");
    Label2 = label("Label2");
    Text3 = textBox("Text3", TextRules::pttIdCode(), this);
    Label3 = label("Label3");
    Text4 = textBox("Text4", TextRules::pttIdCode(), this);
    Label1 = label("Label1");
    Text1 = textBox("Text1", TextRules::idCode(), this);
    Label11 = label("Label11");
    Combo10 = list("Combo10");
    auto *ptt = new QGridLayout;
    const QList<QPair<QLabel *, QWidget *>> pttRows{
        {Label4, Combo4}, {Label2, Text3}, {Label3, Text4}, {Label1, Text1}, {Label11, Combo10}};
    for (int r = 0; r < pttRows.size(); ++r) {
        ptt->addWidget(pttRows[r].first, r, 0);
        ptt->addWidget(pttRows[r].second, r, 1);
    }

    // DTMF frame.
    Frame3 = new QGroupBox(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Combo0 = list("Combo0");
    Combo16 = list("Combo16");
    Combo18 = list("Combo18");
    Combo17 = list("Combo17");
    Combo19 = list("Combo19");
    Combo20 = list("Combo20");
    Combo21 = list("Combo21");
    Combo22 = list("Combo22");
    auto *dtmf = new QGridLayout(Frame3);
    const QList<QComboBox *> dtmfRows{Combo0,  Combo16, Combo18, Combo17,
                                      Combo19, Combo20, Combo21, Combo22};
    for (int r = 0; r < dtmfRows.size(); ++r) {
        const QByteArray name = "Label" + QByteArray::number(21 + r);
        dtmf->addWidget(label(name.constData()), r, 0);
        dtmf->addWidget(dtmfRows[r], r, 1);
    }

    mfgrid1 = new AutoDialGrid(this);

    auto *layout = new QHBoxLayout(HiddenGroup);
    layout->addLayout(ptt);
    layout->addWidget(Frame3);
    layout->addWidget(mfgrid1);
}

void Form5::followScroll(QScrollBar *scroll, FilteredLineEdit *text) {
    // The scroll control steps from the seconds in the box; the box shows
    // the seconds the scroll control was moved to.
    connect(scroll, &QScrollBar::valueChanged, this, [this, text](int value) {
        if (!m_syncing)
            text->setText(QString::number(value));
    });
    connect(text, &QLineEdit::textChanged, this, [this, scroll](const QString &t) {
        m_syncing = true;
        scroll->setValue(scanSecondsOfText(t));
        m_syncing = false;
    });
}

void Form5::loadFromStore() {
    loadFieldControls(this, m_state);
}

void Form5::storeAndHide() {
    storeFieldControls(this, m_state);
    accept();
}
