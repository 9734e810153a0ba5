#include "dialogs/debugdialog.h"

#include "dialogs/dialogvalues.h"
#include "model/settingsstore.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

QSlider *powerSlider(const char *name, QWidget *parent) {
    auto *slider = new QSlider(Qt::Horizontal, parent);
    slider->setObjectName(QLatin1String(name));
    slider->setRange(0, kPowerSliderMax);
    slider->setSingleStep(1);
    slider->setPageStep(5);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(5);
    slider->setMinimumWidth(220);
    return slider;
}

QLabel *namedLabel(const char *name, QWidget *parent) {
    auto *label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    return label;
}

// One power frame: "Low" end, slider, "High" end, and the value label.
QGroupBox *powerFrame(const char *name, QLabel *low, QSlider *slider, QLabel *high, QLabel *value,
                      QWidget *parent) {
    auto *frame = new QGroupBox(parent);
    frame->setObjectName(QLatin1String(name));
    auto *row = new QHBoxLayout(frame);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row->addWidget(low);
    row->addWidget(slider, 1);
    row->addWidget(high);
    row->addSpacing(12);
    row->addWidget(value);
    return frame;
}

} // namespace

Form2::Form2(SettingsStore &store, bool debugWriteMode, QWidget *parent)
    : OptionDialog(QStringLiteral("Form2"), parent), m_store(store) {
    Slider1 = powerSlider("Slider1", this);
    Slider3 = powerSlider("Slider3", this);
    Lblpower1 = namedLabel("Lblpower1", this);
    Lblpower3 = namedLabel("Lblpower3", this);
    Label3 = namedLabel("Label3", this);
    Label8 = namedLabel("Label8", this);
    Label6 = namedLabel("Label6", this);
    Label7 = namedLabel("Label7", this);
    Frame1 = powerFrame("Frame1", Label3, Slider1, Label8, Lblpower1, this);
    Frame2 = powerFrame("Frame2", Label6, Slider3, Label7, Lblpower3, this);
    Command1 = new QPushButton(this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(Command1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Slider1, &QSlider::valueChanged, this,
            [this] { sliderChanged(Slider1, Lblpower1, &m_highMoved); });
    connect(Slider3, &QSlider::valueChanged, this,
            [this] { sliderChanged(Slider3, Lblpower3, &m_lowMoved); });
    connect(Command1, &QPushButton::clicked, this, &Form2::storeAndHide);
    Label3->installEventFilter(this);
    Label7->installEventFilter(this);

    // Load step.
    setSlidersEnabled(debugWriteMode);
    loadFromStore();
}

void Form2::loadFromStore() {
    m_loading = true;
    Slider1->setValue(powerSliderPosition(m_store.txHighPower));
    Slider3->setValue(powerSliderPosition(m_store.txLowPower));
    m_loading = false;
    // The labels show the true levels, also when a slider has no room for it.
    Lblpower1->setText(QString::number(m_store.txHighPower));
    Lblpower3->setText(QString::number(m_store.txLowPower));
    m_highMoved = false;
    m_lowMoved = false;
}

void Form2::setSlidersEnabled(bool enabled) {
    Slider1->setEnabled(enabled);
    Slider3->setEnabled(enabled);
}

void Form2::sliderChanged(QSlider *slider, QLabel *valueLabel, bool *moved) {
    if (m_loading)
        return;
    *moved = true;
    valueLabel->setText(QString::number(slider->value()));
}

void Form2::storeAndHide() {
    m_store.txHighPower = powerLevelOnOk(m_store.txHighPower, Slider1->value(), m_highMoved);
    m_store.txLowPower = powerLevelOnOk(m_store.txLowPower, Slider3->value(), m_lowMoved);
    m_highMoved = false;
    m_lowMoved = false;
    accept();
}

bool Form2::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (watched == Label3)
            emit gestureCaptionClicked(0);
        else if (watched == Label7)
            emit gestureCaptionClicked(1);
    }
    return OptionDialog::eventFilter(watched, event);
}
