#include "shell/functionspanel.h"

#include "dialogs/fieldcontrols.h"
#include "model/settingfields.h"
#include "shell/captiontable.h"
#include "shell/functionfields.h"

#include <QComboBox>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalBlocker>

FunctionsPanel::FunctionsPanel(EditorState &state, QWidget *parent)
    : QGroupBox(parent), m_state(state) {
    setObjectName(QStringLiteral("Frame2"));
    auto *panel = new QGridLayout(this);
    int row = 0;
    for (const SettingField *field : functionPanelFields()) {
        auto *label = new QLabel(this);
        label->setObjectName(functionCaptionLabel(*field));
        auto *combo = new QComboBox(this);
        combo->setObjectName(QString::fromLatin1(field->control));
        // The item texts arrive with each language; the list grows to the
        // longest of them, so "Chinese" is never cut short after a switch.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        for (int i = 0; i < functionListItems(*field); ++i)
            combo->addItem(QString());
        if (!functionShown(*field)) {
            label->hide();
            combo->hide();
        }
        label->setBuddy(combo);
        panel->addWidget(label, row, 0);
        panel->addWidget(combo, row, 1);
        connect(combo, &QComboBox::currentIndexChanged, this, &FunctionsPanel::storeLists);
        label->installEventFilter(this);
        m_rows.append({field, combo});
        ++row;
    }
    panel->setColumnStretch(1, 1);
    panel->setRowStretch(row, 1);
}

QList<QComboBox *> FunctionsPanel::lists() const {
    QList<QComboBox *> combos;
    for (const auto &row : m_rows)
        combos << row.second;
    return combos;
}

void FunctionsPanel::refresh() {
    for (const auto &[field, combo] : std::as_const(m_rows)) {
        const QSignalBlocker block(combo);
        loadFieldControl(*field, combo, m_state);
    }
}

void FunctionsPanel::storeLists() {
    for (const auto &[field, combo] : std::as_const(m_rows))
        storeFieldControl(*field, combo, m_state);
    emit settingsChanged();
}

void FunctionsPanel::fitLists() {
    // The list measures the items it shows itself (style, frame, arrow);
    // the difference to the widest text of the other language is added.
    for (const auto &row : std::as_const(m_rows)) {
        QComboBox *combo = row.second;
        const QFontMetrics metrics = combo->fontMetrics();
        int shown = 0;
        for (int i = 0; i < combo->count(); ++i)
            shown = std::max(shown, metrics.horizontalAdvance(combo->itemText(i)));
        int widest = shown;
        for (const QString &text : listItemTexts(combo->objectName()))
            widest = std::max(widest, metrics.horizontalAdvance(text));
        combo->setMinimumWidth(combo->sizeHint().width() + widest - shown);
    }
}

bool FunctionsPanel::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        emit captionClicked(watched->objectName());
    return QGroupBox::eventFilter(watched, event);
}
