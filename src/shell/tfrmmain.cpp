#include "shell/tfrmmain.h"

#include "platform/clock.h"
#include "platform/database.h"
#include "platform/databaseerror.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/registry.h"
#include "platform/reportedcall.h"
#include "platform/session.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/drawingroutines.h"
#include "shell/failedsave.h"
#include "shell/installation.h"
#include "shell/mainstate.h"
#include "shell/options.h"
#include "shell/printsettings.h"
#include "shell/settings.h"
#include "shell/tabout.h"
#include "shell/tfrmbenutzer.h"
#include "shell/tfrmdata1.h"
#include "shell/tfrmoptionen.h"
#include "shell/tfrmparameter.h"
#include "shell/tfrmupdatedatabases.h"
#include "shell/tmmtimer.h"
#include "shell/tpassworddlg.h"
#include "shell/tpathdialog.h"
#include "shell/users.h"
#include "shell/windowfactories.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QScopeGuard>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include <algorithm>

namespace shell {

TfrmMain *frmMain = nullptr;

namespace {

const QString InstallationKey = QStringLiteral("Software\\Brenix");
const QString PaymentOrderKey = QStringLiteral("Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quendora.exe");
const QString CannotStartText = QStringLiteral(
    "Das Programm kann nicht gestartet werden!\rBitte starten Sie das Programm manuell aus dem Startmenü!");
const QString PathDialogTitle = QStringLiteral("Pfad der Datenbanken auswählen!");

// Vendor links of the right panel: caption, status text, target.
struct Link {
    const char *caption;
    const char *status;
    const char *target;
};
const Link links[] = {
    { "www.brenix.example", "Homepage von Brenix GmbH", "https://www.brenix.example/" },
    { "support@brenix.example", "E-Mail an den Support", "mailto:support@brenix.example" },
};

QString withSeparator(QString directory)
{
    if (!directory.isEmpty() && !directory.endsWith(QLatin1Char('/')) && !directory.endsWith(QLatin1Char('\\')))
        directory += QLatin1Char('/');
    return directory;
}

bool kindAvailable(const KindEntry &kind)
{
    auto anyIn = [](MenuGroup group) {
        return std::any_of(kindTable().begin(), kindTable().end(),
            [group](const KindEntry &k) { return k.parcelMenu.group == group && hasWindowFactory(k.key); });
    };
    switch (kind.action) {
    case KindAction::Register:
        return hasWindowFactory(kind.key);
    case KindAction::ParcelCardMenu:
        return anyIn(MenuGroup::ParcelCard);
    case KindAction::ParcelServicesMenu:
        return anyIn(MenuGroup::ParcelServices);
    case KindAction::None:
        return false;
    }
    return false;
}

QVector<const KindEntry *> kindsIn(MenuGroup group, MenuPlace KindEntry::*place)
{
    QVector<const KindEntry *> result;
    for (const auto &kind : kindTable())
        if ((kind.*place).group == group)
            result.append(&kind);
    std::sort(result.begin(), result.end(),
        [place](const KindEntry *a, const KindEntry *b) { return (a->*place).order < (b->*place).order; });
    return result;
}

QString &applicationTitleText()
{
    static QString title = TfrmMain::Title;
    return title;
}

} // namespace

QString TfrmMain::applicationTitle()
{
    return applicationTitleText();
}

TfrmMain::TfrmMain(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(Title);
    if (!frmMain)
        frmMain = this;
    buildMenus();
    buildCentralWidget();
    m_clockLabel = new QLabel(this);
    m_clockLabel->setObjectName(QStringLiteral("clockPanel"));
    m_clockLabel->setMinimumWidth(150);
    statusBar()->addPermanentWidget(m_clockLabel);
    MMTimer1 = new TMMTimer(this);
    MMTimer1->setObjectName(QStringLiteral("MMTimer1"));
    MMTimer1->OnTimer = [this](QObject *, uint) { showClock(); };
    MMTimer1->setEnabled(false);
    MMTimer1->setResolution(1);
    MMTimer1->setInterval(1000);
    MMTimer1->setPeriodic(true);
    updateEnabledStates();
}

TfrmMain::~TfrmMain()
{
    if (frmMain == this)
        frmMain = nullptr;
}

QAction *TfrmMain::action(const QString &objectName) const
{
    return findChild<QAction *>(objectName);
}

void TfrmMain::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto addEntry = [this](QMenu *menu, const QString &name, const QString &text, const QString &hint) {
        QAction *a = menu->addAction(text);
        a->setObjectName(name);
        a->setStatusTip(hint);
        return a;
    };
    auto kindEntry
        = [this](QMenu *menu, const KindEntry *kind, const MenuPlace &place, QHash<QString, QAction *> &into) {
              QAction *a = menu->addAction(place.text);
              a->setStatusTip(place.hint);
              a->setObjectName(QStringLiteral("kind_") + kind->key);
              const QString key = kind->key;
              connect(a, &QAction::triggered, this, platform::reported(this, [this, key] { openKind(key); }));
              into.insert(key, a);
              return a;
          };

    // Formulare
    QMenu *forms = bar->addMenu(QStringLiteral("&Formulare   "));
    forms->menuAction()->setStatusTip(QStringLiteral("Formular - Bearbeitung"));
    const struct {
        MenuGroup group;
        const char *text;
    } formGroups[] = { { MenuGroup::Versand, "&Versand - Papiere" }, { MenuGroup::Export, "&Export - Papiere" },
        { MenuGroup::Import, "&Import - Papiere" } };
    for (const auto &g : formGroups) {
        QMenu *sub = forms->addMenu(QString::fromUtf8(g.text));
        for (const KindEntry *kind : kindsIn(g.group, &KindEntry::menu)) {
            kindEntry(sub, kind, kind->menu, m_menuActions);
            if (kind->key == QLatin1String("Paketkarte")) {
                QMenu *couriers = sub->addMenu(QStringLiteral("Paket&dienste"));
                for (const KindEntry *courier : kindsIn(MenuGroup::Paketdienste, &KindEntry::menu))
                    kindEntry(couriers, courier, courier->menu, m_menuActions);
            }
        }
    }

    m_paymentOrderAction = bar->addAction(QStringLiteral("&Zahlungsauftrag   "));
    m_paymentOrderAction->setObjectName(QStringLiteral("Zahlungsauftrag"));
    m_paymentOrderAction->setVisible(false);
    connect(m_paymentOrderAction, &QAction::triggered, this, platform::reported(this, &TfrmMain::Zahlungsauftrag));

    auto windowEntry = [this](QMenu *menu, const WindowEntry &w) {
        if (w.separatorBefore)
            menu->addSeparator();
        QAction *a = menu->addAction(w.text);
        a->setObjectName(QStringLiteral("window_") + w.key);
        a->setStatusTip(w.hint);
        const QString key = w.key;
        connect(a, &QAction::triggered, this, platform::reported(this, [this, key] { openWindow(key); }));
        m_windowActions.insert(key, a);
    };

    QMenu *master = bar->addMenu(QStringLiteral("&Stammdaten   "));
    master->menuAction()->setStatusTip(QStringLiteral("Stammdaten Bearbeitung"));
    QMenu *tables = bar->addMenu(QStringLiteral("&Tabellen   "));
    tables->menuAction()->setStatusTip(QStringLiteral("Tabellen Bearbeitung"));
    QMenu *sadTables = nullptr;
    for (const auto &w : windowTable()) {
        if (w.menu == WindowMenu::Stammdaten) {
            windowEntry(master, w);
        } else if (w.menu == WindowMenu::Tabellen) {
            windowEntry(tables, w);
        } else if (w.menu == WindowMenu::Einheitspapiere) {
            if (!sadTables)
                sadTables = tables->addMenu(QStringLiteral("Einheitspapiere"));
            windowEntry(sadTables, w);
        }
    }
    // "Einheitspapiere" stands second among the tables.
    if (sadTables && tables->actions().size() > 2) {
        tables->removeAction(sadTables->menuAction());
        tables->insertAction(tables->actions().at(1), sadTables->menuAction());
    }

    QMenu *services = bar->addMenu(QStringLiteral("&Dienste   "));
    services->menuAction()->setStatusTip(QStringLiteral("Dienste "));
    connect(addEntry(services, QStringLiteral("Benutzer"), QStringLiteral("&Benutzer"),
                QStringLiteral("Benutzer - Verwaltung")),
        &QAction::triggered, this, platform::reported(this, &TfrmMain::Benutzer));
    services->addSeparator();
    connect(addEntry(services, QStringLiteral("Parameter"), QStringLiteral("&Parameter"),
                QStringLiteral("Parameter - Verwaltung")),
        &QAction::triggered, this, platform::reported(this, &TfrmMain::Parameter));
    connect(addEntry(services, QStringLiteral("Reorganisation"), QStringLiteral("&Reorganisation"),
                QStringLiteral("Wiederherstellung von defekten Datenbanken")),
        &QAction::triggered, this, platform::reported(this, &TfrmMain::Reorganisation));
    for (const auto &w : windowTable())
        if (w.menu == WindowMenu::Dienste)
            windowEntry(services, w);
    // The languages window writes the names into the language table when it closes.
    if (QAction *languages = m_windowActions.value(QStringLiteral("Tfrmsprachen"))) {
        disconnect(languages, &QAction::triggered, this, nullptr);
        connect(languages, &QAction::triggered, this, platform::reported(this, &TfrmMain::Sprachen));
    }
    services->addSeparator();
    connect(addEntry(services, QStringLiteral("Optionen"), QStringLiteral("&Optionen"), QString()), &QAction::triggered,
        this, platform::reported(this, &TfrmMain::Optionen));
    services->addSeparator();
    connect(addEntry(
                services, QStringLiteral("TabellenOnline"), QStringLiteral("Tabellen Online aktualisieren"), QString()),
        &QAction::triggered, this, platform::reported(this, &TfrmMain::TabellenOnlineAktualisieren));

    QMenu *end = bar->addMenu(QStringLiteral("&Ende   "));
    connect(addEntry(end, QStringLiteral("Ende"), QStringLiteral("&Ende"), QStringLiteral("Beendet das Programm")),
        &QAction::triggered, this, &QWidget::close);

    QMenu *help = bar->addMenu(QStringLiteral("&Hilfe   "));
    connect(addEntry(help, QStringLiteral("Handbuch"), QStringLiteral("&Handbuch"), QString()), &QAction::triggered,
        this, platform::reported(this, &TfrmMain::Handbuch));
    // The old help file cannot be shown here: its contents are in the manual.
    connect(addEntry(help, QStringLiteral("Inhalt"), QStringLiteral("&Inhalt"), QStringLiteral("Ruft die Hilfe auf")),
        &QAction::triggered, this, platform::reported(this, &TfrmMain::Handbuch));
    help->addSeparator();
    connect(addEntry(help, QStringLiteral("Info"), QStringLiteral("I&nfo"),
                QStringLiteral("Info von Tarvelo Export / Versand")),
        &QAction::triggered, this, platform::reported(this, &TfrmMain::Info));

    // Right-click menu
    m_popup = new QMenu(this);
    m_popup->setObjectName(QStringLiteral("PopupMenu1"));
    const struct {
        MenuGroup group;
        const char *text;
        const char *hint;
    } popupGroups[] = { { MenuGroup::Versand, "Versand - Papiere", "Versand-Papiere erfassen" },
        { MenuGroup::Export, "Export - Papiere", "Export - Papiere erfassen" },
        { MenuGroup::Import, "Import - Papiere", "Import - Papiere erfassen" } };
    for (const auto &g : popupGroups) {
        QMenu *sub = m_popup->addMenu(QString::fromUtf8(g.text));
        sub->menuAction()->setStatusTip(QString::fromUtf8(g.hint));
        for (const KindEntry *kind : kindsIn(g.group, &KindEntry::popup)) {
            kindEntry(sub, kind, kind->popup, m_popupActions);
            if (kind->key == QLatin1String("Paketkarte")) {
                QMenu *couriers = sub->addMenu(QStringLiteral("Paket&dienste"));
                couriers->menuAction()->setStatusTip(QStringLiteral("Paketdienste erfassen"));
                for (const KindEntry *courier : kindsIn(MenuGroup::Paketdienste, &KindEntry::popup))
                    kindEntry(couriers, courier, courier->popup, m_popupActions);
            }
        }
    }
    connect(addEntry(m_popup, QStringLiteral("Beenden"), QStringLiteral("Beenden"), QStringLiteral("Programm beenden")),
        &QAction::triggered, this, &QWidget::close);
    m_popup->addSeparator();
    addEntry(m_popup, QStringLiteral("Abbrechen"), QStringLiteral("Abbrechen"), QStringLiteral("Schließt dieses Menü"));
    connect(m_popup, &QMenu::aboutToShow, this, platform::reported(this, &TfrmMain::updateEnabledStates));

    m_parcelServicesMenu = buildParcelMenu(MenuGroup::ParcelServices);
    m_parcelCardMenu = buildParcelMenu(MenuGroup::ParcelCard);
    for (QMenu *menu : bar->findChildren<QMenu *>())
        connect(menu, &QMenu::aboutToShow, this, platform::reported(this, &TfrmMain::updateEnabledStates));
}

QMenu *TfrmMain::buildParcelMenu(MenuGroup group)
{
    auto *menu = new QMenu(this);
    for (const KindEntry *kind : kindsIn(group, &KindEntry::parcelMenu)) {
        QAction *a = menu->addAction(kind->parcelMenu.text);
        a->setStatusTip(kind->parcelMenu.hint);
        a->setObjectName(QStringLiteral("parcel_") + kind->key);
        const QString key = kind->key;
        connect(a, &QAction::triggered, this, platform::reported(this, [this, key] { openKind(key); }));
        m_parcelActions.insert(key, a);
    }
    return menu;
}

void TfrmMain::buildCentralWidget()
{
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("Panel"));
    central->setAutoFillBackground(true);
    QPalette white = central->palette();
    white.setColor(QPalette::Window, Qt::white);
    central->setPalette(white);
    auto *outer = new QHBoxLayout(central);
    auto *columns = new QHBoxLayout;
    outer->addLayout(columns, 1);
    const struct {
        ButtonColumn column;
        const char *heading;
    } headings[] = { { ButtonColumn::Versand, "Versand" }, { ButtonColumn::Export, "Export" },
        { ButtonColumn::Import, "Import" } };
    for (const auto &h : headings) {
        auto *column = new QVBoxLayout;
        column->setSpacing(1);
        auto *heading = new QLabel(QString::fromLatin1(h.heading), central);
        QFont headingFont = heading->font();
        headingFont.setBold(true);
        headingFont.setPointSize(headingFont.pointSize() + 2);
        heading->setFont(headingFont);
        heading->setStyleSheet(QStringLiteral("color: grey"));
        column->addWidget(heading);
        QVector<const KindEntry *> kinds;
        for (const auto &kind : kindTable())
            if (kind.button.column == h.column)
                kinds.append(&kind);
        std::sort(kinds.begin(), kinds.end(),
            [](const KindEntry *a, const KindEntry *b) { return a->button.order < b->button.order; });
        for (const KindEntry *kind : kinds) {
            auto *button = new QToolButton(central);
            button->setObjectName(QStringLiteral("button_") + kind->key);
            button->setText(kind->button.caption);
            button->setToolTip(kind->button.tooltip);
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            button->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
            button->setIconSize(QSize(16, 16));
            button->setAutoRaise(true);
            button->setVisible(kind->button.visible);
            button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
            button->installEventFilter(this);
            const QString key = kind->key;
            connect(button, &QToolButton::clicked, this, platform::reported(this, [this, key] { openKind(key); }));
            m_buttons.insert(key, button);
            m_buttonStatus.insert(button, kind->button.status);
            if (kind->button.visible)
                column->addWidget(button);
        }
        column->addStretch(1);
        columns->addLayout(column);
    }

    auto *panel = new QFrame(central);
    panel->setObjectName(QStringLiteral("Panel2"));
    panel->setFixedWidth(189);
    panel->setFrameShape(QFrame::StyledPanel);
    auto *panelLayout = new QVBoxLayout(panel);
    auto *picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("Image1"));
    QPixmap pixmap(170, 170);
    pixmap.fill(Qt::white);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QLinearGradient gradient(0, 0, 170, 170);
        gradient.setColorAt(0, QColor(0x1f, 0x4e, 0x8c));
        gradient.setColorAt(1, QColor(0x7f, 0xa7, 0xd8));
        painter.setBrush(gradient);
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(5, 5, 160, 160), 12, 12);
        painter.setPen(Qt::white);
        QFont f = font();
        f.setBold(true);
        f.setPointSize(14);
        painter.setFont(f);
        painter.drawText(QRectF(5, 5, 160, 160), Qt::AlignCenter, QStringLiteral("Tarvelo\nExport\nVersand"));
    }
    picture->setPixmap(pixmap);
    panelLayout->addWidget(picture, 0, Qt::AlignHCenter);
    for (const auto &link : links) {
        auto *label = new QLabel(QString::fromUtf8(link.caption), panel);
        label->setCursor(Qt::PointingHandCursor);
        label->setProperty("linkTarget", QString::fromLatin1(link.target));
        label->setProperty("statusText", QString::fromUtf8(link.status));
        label->setStyleSheet(QStringLiteral("color: blue"));
        label->installEventFilter(this);
        panelLayout->addWidget(label);
        m_links.append(label);
    }
    panelLayout->addStretch(1);
    outer->addWidget(panel);
    central->installEventFilter(this);
    central->setMouseTracking(true);
    setCentralWidget(central);
    resize(795, 460 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

void TfrmMain::applyRaisedButtonRule()
{
    const bool raised = Windows2000OrLater && mainState().XP_Themes;
    for (QToolButton *button : std::as_const(m_buttons))
        button->setAutoRaise(!raised);
}

void TfrmMain::resetHover()
{
    for (QToolButton *button : std::as_const(m_buttons)) {
        QFont f = button->font();
        f.setUnderline(false);
        button->setFont(f);
        button->setStyleSheet(QString());
    }
    for (QLabel *label : std::as_const(m_links)) {
        QFont f = label->font();
        f.setUnderline(false);
        label->setFont(f);
    }
    statusBar()->clearMessage();
}

bool TfrmMain::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (auto *button = qobject_cast<QToolButton *>(watched); button && m_buttonStatus.contains(button)) {
            if (event->type() == QEvent::Enter && button->isEnabled()) {
                resetHover();
                QFont f = button->font();
                f.setUnderline(true);
                button->setFont(f);
                button->setStyleSheet(QStringLiteral("color: blue"));
                statusBar()->showMessage(m_buttonStatus.value(button));
            } else if (event->type() == QEvent::Leave) {
                resetHover();
            }
        } else if (auto *label = qobject_cast<QLabel *>(watched); label && m_links.contains(label)) {
            if (event->type() == QEvent::Enter) {
                resetHover();
                QFont f = label->font();
                f.setUnderline(true);
                label->setFont(f);
                statusBar()->showMessage(label->property("statusText").toString());
            } else if (event->type() == QEvent::Leave) {
                resetHover();
            } else if (event->type() == QEvent::MouseButtonRelease) {
                shellOpen(label->property("linkTarget").toString());
                return true;
            }
        }
        return QMainWindow::eventFilter(watched, event);
    });
}

bool TfrmMain::event(QEvent *event)
{
    // Menu hints stay away while a window opened from here is showing.
    if (event->type() == QEvent::StatusTip && !m_autoHints)
        return true;
    return QMainWindow::event(event);
}

void TfrmMain::paintEvent(QPaintEvent *event)
{
    QMainWindow::paintEvent(event);
    if (Windows2000OrLater)
        return;
    for (QToolButton *button : std::as_const(m_buttons))
        if (button->isVisible())
            PaintButtonShadow(centralWidget(), button, Qt::black, 3);
}

void TfrmMain::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            focusNextChild();
            return;
        }
        QMainWindow::keyPressEvent(event);
    });
}

void TfrmMain::contextMenuEvent(QContextMenuEvent *event)
{
    platform::runReported(this, [&] {
        updateEnabledStates();
        m_popup->popup(event->globalPos());
    });
}

void TfrmMain::updateEnabledStates()
{
    for (const auto &kind : kindTable()) {
        const bool enabled = kindAvailable(kind);
        for (auto *map : { &m_menuActions, &m_popupActions, &m_parcelActions })
            if (QAction *a = map->value(kind.key))
                a->setEnabled(enabled);
        if (QToolButton *button = m_buttons.value(kind.key))
            button->setEnabled(enabled);
    }
    for (auto it = m_windowActions.cbegin(); it != m_windowActions.cend(); ++it)
        it.value()->setEnabled(hasWindowFactory(it.key()));
}

void TfrmMain::openKind(const QString &key)
{
    const KindEntry *kind = findKind(key);
    if (!kind || !kindAvailable(*kind))
        return;
    if (kind->action == KindAction::ParcelCardMenu) {
        m_parcelCardMenu->popup(QCursor::pos());
        return;
    }
    if (kind->action == KindAction::ParcelServicesMenu) {
        m_autoHints = true;
        m_parcelServicesMenu->popup(QCursor::pos());
        return;
    }
    openWindowWith(key, true);
}

void TfrmMain::openWindow(const QString &key)
{
    openWindowWith(key, true);
}

void TfrmMain::openWindowWith(const QString &key, bool hintsOff)
{
    const WindowFactory factory = windowFactory(key);
    if (!factory)
        return;
    if (hintsOff)
        m_autoHints = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    bool cursorSet = true;
    auto restore = qScopeGuard([&] {
        if (cursorSet)
            QApplication::restoreOverrideCursor();
        m_autoHints = true;
    });
    std::unique_ptr<QDialog> window(factory(this));
    QApplication::restoreOverrideCursor();
    cursorSet = false;
    if (window)
        window->exec();
}

// Start-up

void TfrmMain::copyInstallationValues()
{
    const platform::Registry machine(platform::Registry::Root::LocalMachine);
    if (!machine.keyExists(InstallationKey))
        return;
    platform::Registry user(platform::Registry::Root::CurrentUser);
    for (const char *name : { "DatenBankPfad", "ProgrammPfad", "Upgedated" }) {
        const QString value = QString::fromLatin1(name);
        if (!user.valueExists(InstallationKey, value))
            user.writeString(InstallationKey, value, machine.readString(InstallationKey, value));
    }
}

bool TfrmMain::FormCreate()
{
    copyInstallationValues();
    MainState &state = mainState();
    state.ProgrammPfad = ProgramDirectory();
    Windows2000OrLater = IsWindows2000OrLater();

    state.DatenBankPfad = IniReadString(QStringLiteral("DatenBankPfad"), QString());
    // A server that does not answer ends the program before anything is made.
    if (!dataServerAnswers(state.DatenBankPfad))
        return false;
    if (!isDataDirectory(state.DatenBankPfad)) {
        TPathDialog dialog;
        dialog.Title = PathDialogTitle;
        dialog.FileName = dataDirectoryMarker();
        dialog.Path = QFileInfo::exists(state.DatenBankPfad) ? state.DatenBankPfad : ProgramDirectory();
        if (!dialog.Execute(this))
            return false;
        state.DatenBankPfad = dialog.Path;
        IniWriteString(QStringLiteral("DatenBankPfad"), state.DatenBankPfad);
        IniWriteString(QStringLiteral("ProgrammPfad"), ProgramDirectory());
        QDir::setCurrent(ProgramDirectory());
    }

    platform::Session &session = platform::Session::current();
    session.setAliasPath(platform::Alias::Data, state.DatenBankPfad);
    prepareDataDirectory(session);

    if (QFileInfo::exists(ProgramDirectory() + UpdateListFileName) && runUpdateStep())
        QFile::remove(ProgramDirectory() + UpdateListFileName);

    quint16 major = 0, minor = 0, release = 0, build = 0;
    m_majorVersion.clear();
    if (ReadFileVersion(QCoreApplication::applicationFilePath(), major, minor, release, build))
        m_majorVersion = QString::number(major);
    applicationTitleText() = Title + QLatin1Char(' ') + m_majorVersion;

    OptionenLesen();
    applyRaisedButtonRule();

    if (!login())
        return false;

    openParameterTable();
    CurrentDocumentNumber = 1;
    setWindowTitle(Title + QLatin1Char(' ') + m_majorVersion);
    m_paymentOrderAction->setVisible(!paymentOrderProgram().isEmpty());
    return true;
}

bool TfrmMain::runUpdateStep()
{
    const QString directory
        = withSeparator(IniReadString(QStringLiteral("DatenBankPfad"), ProgramDirectory() + QStringLiteral("Data/")));
    for (const char *suffix : { "XG0", "YG0", "XG1", "YG1", "XG2", "YG2", "XG3", "YG3" }) {
        const QString file = directory + QStringLiteral("S_WARENN.") + QString::fromLatin1(suffix);
        if (QFileInfo::exists(file))
            QFile::remove(file);
    }
    try {
        platform::Database &db = platform::Session::current().database(platform::Alias::Data);
        if (db.tableExists(QStringLiteral("S_WARENN"))) {
            platform::Table goods(platform::Alias::Data, QStringLiteral("S_WARENN.DB"));
            goods.open();
            goods.addIndex(QStringLiteral("iLand"), { QStringLiteral("Land") }, true);
            goods.addIndex(QStringLiteral("ibez"), { QStringLiteral("bez1") }, true);
            goods.addIndex(QStringLiteral("iware"), { QStringLiteral("waren") }, true);
            goods.addIndex(QStringLiteral("iFind"),
                { QStringLiteral("waren"), QStringLiteral("bez1"), QStringLiteral("bez2"), QStringLiteral("bez3"),
                    QStringLiteral("bez4"), QStringLiteral("bez5"), QStringLiteral("land") },
                true);
        }
    } catch (const platform::DatabaseError &error) {
        // The update goes on; the login follows in any case.
        platform::dialogs().error(error.message());
    }
    TfrmUpdateDataBases update(platform::Session::current().aliasPath(platform::Alias::Data), this);
    return update.exec() == QDialog::Accepted;
}

bool TfrmMain::login()
{
    MainState &state = mainState();
    TPasswordDlg dialog(this);
    if (state.AutomatischAnmelden) {
        dialog.users().findKey({ state.AnmeldeNamen });
    } else if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    state.Kurzname = dialog.currentKurzname();
    state.UserNr = dialog.currentUserNr();
    return true;
}

void TfrmMain::openParameterTable()
{
    platform::Database &db = platform::Session::current().database(platform::Alias::Data);
    if (!db.tableExists(QStringLiteral("S_PARAME"))) {
        mainState().tbParameter = nullptr;
        return;
    }
    if (!m_parameter) {
        m_parameter = new platform::Table(platform::Alias::Data, QStringLiteral("S_PARAME.DB"), this);
        m_parameter->setObjectName(QStringLiteral("tbParameter"));
    }
    if (!m_parameter->isActive())
        m_parameter->open();
    mainState().tbParameter = m_parameter;
}

void TfrmMain::createDataModule()
{
    m_data = std::make_unique<TfrmData1>();
}

void TfrmMain::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        QMainWindow::showEvent(event);
        if (!event->spontaneous())
            FormShow();
    });
}

void TfrmMain::FormShow()
{
    const QString directory = userDirectory(mainState().UserNr);
    platform::Session &session = platform::Session::current();
    if (!createUserDirectory(mainState().UserNr, session.aliasPath(platform::Alias::Data)))
        platform::dialogs().error(UserDirectoryFailedMessage);
    platform::Session::current().setAliasPath(platform::Alias::User, directory);
    platform::Session::current().database(platform::Alias::User);
    // Print rows of an older version still count the printers in the old order.
    platform::runReported(this, [] { adoptOldPrinterOrder(); });
    showClock();
    MMTimer1->setEnabled(true);
    openParameterTable();
    updateEnabledStates();
    m_shown = true;
}

QString TfrmMain::clockText(const QDateTime &time)
{
    static const char *const days[]
        = { "Montag", "Dienstag", "Mittwoch", "Donnerstag", "Freitag", "Samstag", "Sonntag" };
    static const char *const months[] = { "Januar", "Februar", "März", "April", "Mai", "Juni", "Juli", "August",
        "September", "Oktober", "November", "Dezember" };
    const QDate date = time.date();
    return QStringLiteral("%1 den %2. %3 %4, %5")
        .arg(QString::fromUtf8(days[date.dayOfWeek() - 1]))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf8(months[date.month() - 1]))
        .arg(date.year())
        .arg(time.time().toString(QStringLiteral("HH:mm:ss")));
}

void TfrmMain::showClock()
{
    m_clockLabel->setText(clockText(platform::Clock::now()));
}

QString TfrmMain::clockPanelText() const
{
    return m_clockLabel->text();
}

QString TfrmMain::statusPanelText() const
{
    return statusBar()->currentMessage();
}

int TfrmMain::StammSortRead(const QString &key) const
{
    return shell::StammSortRead(key);
}

void TfrmMain::StammSortWrite(const QString &key, int value) const
{
    shell::StammSortWrite(key, value);
}

// Closing

void TfrmMain::terminateProgram()
{
    m_terminating = true;
    close();
    QCoreApplication::exit(0);
}

bool TfrmMain::FormCloseQuery()
{
    if (mainState().AutomatischAbmelden)
        return true;
    return platform::dialogs().confirmation(
               QStringLiteral("Möchten Sie das Programm wirklich beenden ?"), platform::DialogButtons::YesNo)
        == platform::DialogAnswer::Yes;
}

void TfrmMain::FormClose()
{
    OptionenSpeichern();
    MMTimer1->setEnabled(false);
    m_data.reset();
}

void TfrmMain::closeEvent(QCloseEvent *event)
{
    if (m_terminating || m_closing) {
        event->accept();
        return;
    }
    // A failure on the way is reported and keeps the program open.
    const bool closing = platform::runReported(this, [this] {
        if (!FormCloseQuery())
            return;
        m_closing = true;
        FormClose();
    });
    if (closing && m_closing)
        event->accept();
    else
        event->ignore();
}

// External programs and services

QString TfrmMain::shellErrorText(int result)
{
    switch (result) {
    case 0:
        return QStringLiteral("Zuwenig Speicher, ausführbare Datei war zerstört, Relokationswerte waren ungültig !");
    case 2:
        return QStringLiteral("Datei wurde nicht gefunden !");
    case 3:
        return QStringLiteral("Verzeichniss wurde nicht gefunden !");
    case 5:
        return QStringLiteral(
            "Fehler beim gemeinsamen Zugriff im Netzwerk !\roder Fehler beim Zugriff auf eine gesperrte Datei !");
    case 6:
        return QStringLiteral("Bibliothek erforderte seperate Datensegmente für jeden Task an !");
    case 8:
        return QStringLiteral("Zuwenig Arbeitspeicher, um diese Anwendung auszuführen !");
    case 10:
        return QStringLiteral("Ungültige Windows-Version !");
    case 11:
        return QStringLiteral(
            "Ungültige ausführbare Datei. Entweder keine Windows-Anwendung\roder Fehler in Anwendung !");
    case 12:
        return QStringLiteral("Diese Anwendung erfordert ein anderes Bettriebssystem !");
    case 13:
        return QStringLiteral("Anwendung für MS-DOS 4.0 oder kleiner !");
    case 14:
        return QStringLiteral("Typ der auszuführenden Datei unbekannt !");
    case 15:
        return QStringLiteral("Versuch, eine Real-Time-Anwendung zu starten !");
    case 19:
        return QStringLiteral("Versuch , eine komprimierte ausführbare Datei zu laden\rDie Datei muß Dekomprimiert "
                              "werden, bevor sie geladen werden kann !");
    case 20:
        return QStringLiteral("Ungültige dynamische Linkbibliothek (DLL). Eine \rder DLLs, die benötigt wurde, um "
                              "die Anwendung auszuführen\rwar beschädigt oder wurde nicht gefunden !");
    default:
        return QString();
    }
}

bool TfrmMain::shellOpen(const QString &target)
{
    int result = 42; // above 32: opened
    QUrl url;
    if (target.contains(QLatin1String("://")) || target.startsWith(QLatin1String("mailto:"))) {
        url = QUrl(target);
    } else if (!QFileInfo::exists(target)) {
        result = 2;
    } else {
        url = QUrl::fromLocalFile(target);
    }
    // No program is registered for the kind of target.
    if (result > 32 && !QDesktopServices::openUrl(url))
        result = 31;
    if (result > 32)
        return true;
    platform::dialogs().error(shellErrorText(result));
    return false;
}

QString TfrmMain::paymentOrderProgram()
{
    const platform::Registry user(platform::Registry::Root::CurrentUser);
    const QString path = user.readString(PaymentOrderKey, QStringLiteral("Path"));
    if (path.isEmpty())
        return QString();
    const QString program = withSeparator(path) + QStringLiteral("Quendora.exe");
    return QFileInfo::exists(program) ? program : QString();
}

void TfrmMain::Handbuch()
{
    shellOpen(manualFile(QCoreApplication::applicationDirPath()));
}

void TfrmMain::Reorganisation()
{
    // The external program repairs tables that nobody holds open.
    if (m_parameter)
        m_parameter->close();
    m_data.reset();
    QString directory = ProgramDirectory();
    const QString program = QStringLiteral("Reorganisation.exe");
    if (!QFileInfo::exists(directory + program)) {
        directory = withSeparator(IniReadString(QStringLiteral("ReorgPfad"), ProgramDirectory()));
        if (!QFileInfo::exists(directory + program)) {
            TPathDialog dialog;
            dialog.Title = PathDialogTitle;
            dialog.FileName = program;
            dialog.Path = ProgramDirectory();
            if (!dialog.Execute(this)) {
                terminateProgram();
                return;
            }
            directory = withSeparator(dialog.Path);
            IniWriteString(QStringLiteral("ReorgPfad"), directory);
            QDir::setCurrent(ProgramDirectory());
        }
    }
    QProcess process;
    process.setProgram(directory + program);
    process.setWorkingDirectory(QDir::cleanPath(directory));
    process.start();
    if (process.waitForStarted())
        process.waitForFinished(-1);
    else
        platform::dialogs().warning(CannotStartText);
    openParameterTable();
    createDataModule();
}

void TfrmMain::TabellenOnlineAktualisieren()
{
    platform::dialogs().information(
        QStringLiteral("Bitte warten Sie mit der Aktualisierung bis das Programm beendet ist.\r\nSollten Sie im Besitz "
                       "einer Mehrplatz-Version sein, so müssen alle das Programm beenden\r\nbevor die Aktualisierung "
                       "gestartet wird!"));
    QProcess::startDetached(ProgramDirectory() + QStringLiteral("TarveloUpdate.exe"), {}, ProgramDirectory());
    terminateProgram();
}

void TfrmMain::Zahlungsauftrag()
{
    const QString program = paymentOrderProgram();
    QProcess process;
    process.setProgram(program);
    process.setArguments({ QStringLiteral("-AVE") });
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    process.start();
    if (program.isEmpty() || !process.waitForStarted())
        platform::dialogs().warning(CannotStartText);
    else
        process.waitForFinished(-1);
}

void TfrmMain::Benutzer()
{
    m_autoHints = false;
    auto restore = qScopeGuard([this] { m_autoHints = true; });
    TfrmBenutzer window(this);
    window.exec();
}

void TfrmMain::Optionen()
{
    TfrmOptionen window(this);
    window.exec();
}

void TfrmMain::Parameter()
{
    if (!m_parameter)
        return;
    m_autoHints = false;
    auto restore = qScopeGuard([this] { m_autoHints = true; });
    runVatParameterDialog(*m_parameter, this);
}

void TfrmMain::Sprachen()
{
    const WindowFactory factory = windowFactory(QStringLiteral("Tfrmsprachen"));
    if (!factory)
        return;
    std::unique_ptr<QDialog> window(factory(this));
    if (!window)
        return;
    const bool confirmed = window->exec() == QDialog::Accepted;
    if (!m_parameter)
        return;
    if (!confirmed) {
        if (m_parameter->isEditing())
            m_parameter->cancel();
        return;
    }
    if (m_parameter->isEditing())
        m_parameter->post();
    platform::Table languages(platform::Alias::Data, QStringLiteral("S_SPRACH.DB"));
    languages.setObjectName(QStringLiteral("Table1"));
    watchFailedSaves(languages);
    languages.open();
    languages.first();
    // Fewer than five rows: the last row takes the later names in turn.
    for (int i = 1; i <= 5 && !languages.isEmpty(); ++i) {
        languages.edit();
        languages.fieldByName(QStringLiteral("Sprache"))
            .setAsString(m_parameter->value(QStringLiteral("Sprache%1").arg(i)).toString());
        languages.post();
        if (i < 5)
            languages.next();
    }
    languages.first();
}

void TfrmMain::Info()
{
    TAboutBox box(this);
    box.exec();
}

} // namespace shell
