// Construction and layout of the main window: its menus built from its own
// items and the parts' items in their places, the toolbar, the panels, the
// channel table with its in-place editors, the keyboard order and the parts.
#include "shell/form1.h"

#include "model/texts.h"

#include "editor/celleditors.h"
#include "editor/channelgrid.h"
#include "model/bands.h"
#include "shell/channelcommandspart.h"
#include "shell/filedialogs.h"
#include "shell/fleetpart.h"
#include "shell/functionspanel.h"
#include "shell/localizedmsgbox.h"
#include "shell/radiolinkpart.h"
#include "shell/writepart.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QProgressBar>
#include <QShortcut>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace {
template <typename T> T *named(T *object, const char *name) {
    object->setObjectName(QString::fromLatin1(name));
    return object;
}
} // namespace

Form1::Form1(QWidget *parent) : Form1(ParameterFile::standard(), parent) {}

Form1::Form1(const ParameterFile &parameterFile, QWidget *parent)
    : Form1(parameterFile, DeviceSetting(), parent) {}

Form1::Form1(const ParameterFile &parameterFile, const DeviceSetting &deviceSetting,
             QWidget *parent)
    : QMainWindow(parent), m_parameterFile(parameterFile), m_modes(m_state),
      m_deviceSetting(deviceSetting) {
    setObjectName(QStringLiteral("Form1"));
    m_port = std::make_unique<LocalizedMessagePort>(this, m_state.language);
    m_ownChooser = std::make_unique<DataFileDialogs>(this, m_state.language);
    m_chooser = m_ownChooser.get();
    m_urlOpener = [](const QUrl &url) { return QDesktopServices::openUrl(url); };

    buildMenus();
    buildToolbar();
    buildPanels();
    buildParts();
    fillMenus();
    connectExchange();
    load();
    buildHistory();
}

Form1::~Form1() {
    // An editor left open must not store into the editor state while the
    // window is taken apart.
    finishCellEditing(false);
    m_commands->stopHistory();
    m_link->shutDown();
}

void Form1::buildMenus() {
    // The menus, and the window's own items; fillMenus() puts them in their
    // places among the parts' items.
    QMenuBar *bar = menuBar();
    auto item = [this](QMenu *menu, const char *name, void (Form1::*slot)()) {
        QAction *action = named(new QAction(menu), name);
        if (slot)
            connect(action, &QAction::triggered, this, slot);
        return action;
    };

    mnuFile = named(bar->addMenu(QString()), "mnuFile");
    mnuNew = item(mnuFile, "mnuNew", &Form1::commandNew);
    mnuOpen = item(mnuFile, "mnuOpen", &Form1::commandOpen);
    mnuAssave = item(mnuFile, "mnuAssave", &Form1::commandSave);
    mnuQuit = item(mnuFile, "mnuQuit", nullptr);
    connect(mnuQuit, &QAction::triggered, this, &Form1::close);
    mnuEdit = named(bar->addMenu(QString()), "mnuEdit");
    mnupro = named(bar->addMenu(QString()), "mnupro");
    mnudtmf = item(mnupro, "mnudtmf", nullptr);
    Key_enactment = item(mnupro, "Key_enactment", nullptr);
    mnusetin = item(mnupro, "mnusetin", nullptr);
    mnudebug = item(mnupro, "mnudebug", nullptr);
    mnutestfre = item(mnupro, "mnutestfre", nullptr);
    mnudtmf->setVisible(false);
    Key_enactment->setVisible(false);

    mnuset = named(bar->addMenu(QString()), "mnuset");
    mnulock = item(mnuset, "mnulock", nullptr);
    mnulock->setCheckable(true);
    connect(mnulock, &QAction::triggered, this, [this](bool checked) { applyLock(checked); });

    mnucom = named(bar->addMenu(QString()), "mnucom");
    mnuLanguage = named(bar->addMenu(QString()), "mnuLanguage");
    mnuChinese = item(mnuLanguage, "mnuChinese", &Form1::commandChinese);
    mnuEnglish = item(mnuLanguage, "mnuEnglish", &Form1::commandEnglish);
    // Every further translation built in, by the name it gives itself.
    for (const QString &code : Texts::languages()) {
        if (code == Texts::chinese() || code == Texts::english())
            continue;
        auto *action = new QAction(Texts::nativeName(code), this);
        action->setObjectName(QStringLiteral("mnuLanguage_") + code);
        connect(action, &QAction::triggered, this, [this, code] { commandLanguage(code); });
        m_furtherLanguageItems << action;
    }

    mnuhelp = named(bar->addMenu(QString()), "mnuhelp");
    mnumainhelp = item(mnuhelp, "mnumainhelp", &Form1::commandHelp);
    mnumainhelp->setVisible(false);
    mnuabout = item(mnuhelp, "mnuabout", nullptr);

    // The help topic item is hidden, but F1 opens the help all the same.
    auto *f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setObjectName(QStringLiteral("helpShortcut"));
    f1->setContext(Qt::ApplicationShortcut);
    connect(f1, &QShortcut::activated, this, &Form1::commandHelp);
}

void Form1::fillMenus() {
    mnuFile->addActions({mnuNew, mnuOpen, mnuAssave});
    mnuFile->addActions(m_commands->fileItems());
    mnuFile->addAction(m_write->backupsItem());
    mnuFile->addAction(m_fleet->journalItem());
    mnuFile->addSeparator();
    mnuFile->addAction(mnuQuit);

    // The Edit menu: Undo and Redo, then the commands on whole channels of
    // Grid1.
    mnuEdit->addActions(m_commands->historyItems());
    mnuEdit->addSeparator();
    mnuEdit->addActions(m_commands->channelItems());

    mnupro->addActions({m_link->readItem(), m_link->writeItem(), m_fleet->programRadiosItem()});
    mnupro->addSeparator();
    mnupro->addActions({mnudtmf, Key_enactment, mnusetin, mnudebug, mnutestfre});
    mnuset->addAction(mnulock);
    m_link->fillPortMenu(mnucom);
    mnuLanguage->addActions({mnuChinese, mnuEnglish});
    mnuLanguage->addActions(m_furtherLanguageItems);
    mnuhelp->addActions({mnumainhelp, m_link->traceItem(), mnuabout});
}

void Form1::buildToolbar() {
    Toolbar1 = named(addToolBar(QString()), "Toolbar1");
    Toolbar1->setMovable(false);
    Toolbar1->setFloatable(false);
    Toolbar1->setToolButtonStyle(Qt::ToolButtonIconOnly);
    Toolbar1->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    struct Button {
        const char *key;
        QStyle::StandardPixmap icon;
    };
    const Button buttons[9] = {
        {nullptr, QStyle::SP_CustomBase},      {"new", QStyle::SP_FileIcon},
        {"open", QStyle::SP_DialogOpenButton}, {"save", QStyle::SP_DialogSaveButton},
        {nullptr, QStyle::SP_CustomBase},      {"read", QStyle::SP_ArrowDown},
        {"write", QStyle::SP_ArrowUp},         {"TAnMa", QStyle::SP_MessageBoxCritical},
        {"Anma", QStyle::SP_MessageBoxWarning}};
    for (int i = 1; i <= 8; ++i) {
        // Buttons 7 and 8 carry no text at all, so that they show no tip.
        const QString text = i >= 7 ? QString() : QString::fromLatin1(buttons[i].key);
        QAction *action = i == 4
                              ? Toolbar1->addSeparator()
                              : Toolbar1->addAction(style()->standardIcon(buttons[i].icon), text);
        action->setObjectName(QStringLiteral("Toolbar1_%1").arg(i));
        if (buttons[i].key)
            action->setProperty("key", QString::fromLatin1(buttons[i].key));
        m_buttons[i] = action;
    }
    connect(m_buttons[1], &QAction::triggered, this, &Form1::commandNew);
    connect(m_buttons[2], &QAction::triggered, this, &Form1::commandOpen);
    connect(m_buttons[3], &QAction::triggered, this, &Form1::commandSave);
    connect(m_buttons[7], &QAction::triggered, this, &Form1::debugWriteButtonClicked);
    connect(m_buttons[8], &QAction::triggered, this, &Form1::bandOverrideButtonClicked);
    // Buttons 7 and 8 show only in their service modes and carry no tip.
    m_buttons[7]->setVisible(false);
    m_buttons[8]->setVisible(false);
}

void Form1::buildPanels() {
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("centralWidget"));
    setCentralWidget(central);

    Frame1 = named(new QGroupBox(central), "Frame1");
    Label3 = named(new QLabel(Frame1), "Label3");
    Combo1 = named(new QComboBox(Frame1), "Combo1");
    for (int i = 0; i < kBandCount; ++i)
        Combo1->addItem(bandText(i));
    Label3->setBuddy(Combo1);
    auto *modelLayout = new QHBoxLayout(Frame1);
    modelLayout->addWidget(Label3);
    modelLayout->addWidget(Combo1, 1);

    Frame2 = new FunctionsPanel(m_state, central);
    connect(Frame2, &FunctionsPanel::settingsChanged, this,
            [this] { recordEdit(QStringLiteral("function settings")); });
    // Three captions of the panel make the band override gesture.
    connect(Frame2, &FunctionsPanel::captionClicked, this, &Form1::panelCaptionClicked);

    Grid1 = new ChannelGrid(m_state.channels, central);
    buildCellEditors();
    setKeyboardOrder();

    ProgressBar1 = named(new QProgressBar(central), "ProgressBar1");
    ProgressBar1->setTextVisible(false);
    Label = named(new QLabel(central), "Label");
    QFont statusFont = Label->font();
    statusFont.setBold(true);
    Label->setFont(statusFont);
    Label->hide();
    lblHelpHint = named(new QLabel(central), "lblHelpHint");
    Label2 = named(new QLabel(central), "Label2");
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label2->setEnabled(false);

    auto *left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Frame2, 1);
    auto *top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(Grid1, 1);
    auto *indicators = new QHBoxLayout;
    indicators->addWidget(Label);
    indicators->addWidget(lblHelpHint);
    indicators->addWidget(ProgressBar1, 1);
    indicators->addStretch();
    indicators->addWidget(Label2);
    auto *indicatorRow = new QWidget(central);
    indicatorRow->setLayout(indicators);
    indicators->setContentsMargins(0, 0, 0, 0);
    // The row keeps its height while the indicators come and go.
    indicatorRow->setMinimumHeight(
        std::max(ProgressBar1->sizeHint().height(), Label->sizeHint().height()));
    auto *outer = new QVBoxLayout(central);
    outer->addLayout(top, 1);
    outer->addWidget(indicatorRow);
}

void Form1::buildCellEditors() {
    // The editors live in the grid's viewport: they are clipped to the
    // grid, disabled with it by the lock, and found by SetLanguageText
    // through their names like every other list of the window.
    QWidget *host = Grid1->viewport();
    ChannelGrid *grid = Grid1;
    const auto cellRect = [grid, host](int row, int column) {
        const QRect cell = grid->cellRect(row, column);
        return QRect(grid->viewport()->mapTo(host, cell.topLeft()), cell.size());
    };
    m_editors = new CellEditors(m_state, m_port.get(), host, cellRect, Grid1);
    connect(Grid1, &ChannelGrid::openRequested, m_editors, &CellEditors::requestOpen);
    connect(Grid1, &ChannelGrid::gridClick, m_editors,
            [this](int row, int column) { m_editors->gridClick(row, column); });
    connect(Grid1, &ChannelGrid::cellGeometryChanged, m_editors, &CellEditors::followCell);
    connect(m_editors, &CellEditors::currentCellChanged, Grid1, &ChannelGrid::selectCell);
    connect(m_editors, &CellEditors::channelChanged, Grid1, &ChannelGrid::refreshRow);
}

void Form1::setKeyboardOrder() {
    // Range, the Functions Setting lists from the top down, then the
    // channel table; Tab from the table goes round to Range again.
    QList<QWidget *> order{Combo1};
    for (QComboBox *list : Frame2->lists())
        order << list;
    order << Grid1;
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void Form1::buildParts() {
    m_link = std::make_unique<RadioLinkPart>(m_state, *m_port, m_deviceSetting,
                                             static_cast<EditorWindow &>(*this), this);
    m_write = std::make_unique<WritePart>(m_state, *m_port, *m_link,
                                          static_cast<EditorWindow &>(*this), this);
    m_commands = std::make_unique<ChannelCommandsPart>(m_state, *m_port, *Grid1,
                                                       static_cast<EditorWindow &>(*this), this);
    m_commands->setFileChooser(m_chooser);
    m_fleet = std::make_unique<FleetPart>(
        m_state, *m_link, *m_write, static_cast<EditorWindow &>(*this),
        [this](const QUrl &url) { return m_urlOpener && m_urlOpener(url); }, this);
    m_fleet->setFileChooser(m_chooser);
    connect(m_buttons[5], &QAction::triggered, m_link.get(), &RadioLinkPart::commandRead);
    connect(m_buttons[6], &QAction::triggered, m_link.get(), &RadioLinkPart::commandWrite);
    // After the window's own language handlers: the parts follow too.
    for (QAction *language : QList<QAction *>{mnuChinese, mnuEnglish} + m_furtherLanguageItems)
        connect(language, &QAction::triggered, this, &Form1::retranslateParts);
}
