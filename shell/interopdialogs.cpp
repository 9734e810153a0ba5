#include "shell/interopdialogs.h"

#include "shell/captiontable.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
DialogPresenter &presenter() {
    static DialogPresenter p;
    return p;
}

template <typename T> T *named(T *widget, const char *name, qint16 language) {
    widget->setObjectName(QString::fromLatin1(name));
    const QString text = captionText(QString::fromLatin1(name), language);
    if constexpr (std::is_base_of_v<QDialog, T>)
        widget->setWindowTitle(text);
    else
        widget->setText(text);
    return widget;
}

// OK and Cancel (or OK alone) in the program's language.
QDialogButtonBox *buttons(QDialog *dialog, qint16 language, bool withCancel) {
    auto *box = new QDialogButtonBox(dialog);
    box->setObjectName(QStringLiteral("buttons"));
    QPushButton *ok = box->addButton(captionText(QStringLiteral("btnOk"), language),
                                     QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("btnOk"));
    ok->setDefault(true);
    if (withCancel) {
        QPushButton *cancel = box->addButton(captionText(QStringLiteral("btnCancel"), language),
                                             QDialogButtonBox::RejectRole);
        cancel->setObjectName(QStringLiteral("btnCancel"));
    }
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}
} // namespace

void setDialogPresenter(DialogPresenter p) {
    presenter() = std::move(p);
}

int presentDialog(QDialog &dialog) {
    return presenter() ? presenter()(dialog) : dialog.exec();
}

bool InteropDialogs::askPlacement(Placement *placement) {
    QDialog dialog(m_owner);
    named(&dialog, "ImportPlacement", m_language);
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(named(new QLabel(&dialog), "lblPlacement", m_language));
    auto *byLocation = named(new QRadioButton(&dialog), "optByLocation", m_language);
    auto *sequential = named(new QRadioButton(&dialog), "optSequential", m_language);
    (m_lastPlacement == Placement::Sequential ? sequential : byLocation)->setChecked(true);
    layout->addWidget(byLocation);
    layout->addWidget(sequential);
    layout->addWidget(buttons(&dialog, m_language, true));
    if (presentDialog(dialog) != QDialog::Accepted)
        return false;
    m_lastPlacement = sequential->isChecked() ? Placement::Sequential : Placement::ByLocation;
    *placement = m_lastPlacement;
    return true;
}

bool InteropDialogs::confirmImport(const ChirpImport &import) {
    QDialog dialog(m_owner);
    named(&dialog, "ImportReport", m_language);
    auto *layout = new QVBoxLayout(&dialog);
    auto *summary =
        new QLabel(import.usable ? importSummary(import, m_language) : import.problem, &dialog);
    summary->setObjectName(QStringLiteral("lblSummary"));
    summary->setWordWrap(true);
    layout->addWidget(summary);
    auto *report = new QPlainTextEdit(importReportText(import, m_language), &dialog);
    report->setObjectName(QStringLiteral("txtReport"));
    report->setReadOnly(true);
    report->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    report->setMinimumSize(560, 260);
    layout->addWidget(report, 1);
    layout->addWidget(named(new QLabel(&dialog),
                            import.usable ? "lblImportApply" : "lblImportUnusable", m_language));
    layout->addWidget(buttons(&dialog, m_language, import.usable));
    return presentDialog(dialog) == QDialog::Accepted && import.usable;
}

bool InteropDialogs::askPrintOptions(ChannelListOptions *options) {
    QDialog dialog(m_owner);
    named(&dialog, "PrintOptions", m_language);
    auto *layout = new QVBoxLayout(&dialog);
    auto *omit = named(new QCheckBox(&dialog), "chkOmitEmpty", m_language);
    omit->setChecked(m_lastOmitEmpty);
    layout->addWidget(omit);
    layout->addWidget(buttons(&dialog, m_language, true));
    if (presentDialog(dialog) != QDialog::Accepted)
        return false;
    m_lastOmitEmpty = omit->isChecked();
    options->omitEmpty = m_lastOmitEmpty;
    return true;
}
