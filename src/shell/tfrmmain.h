#pragma once

#include "shell/kindtable.h"

#include <QDateTime>
#include <QHash>
#include <QMainWindow>

#include <memory>

class QAction;
class QLabel;
class QMenu;
class QToolButton;

namespace platform {
class Table;
}

namespace shell {

class TfrmData1;
class TMMTimer;

// The main window: start-up (FormCreate), the user's directory and the
// clock when shown (FormShow), the closing question and the options written
// back (FormCloseQuery, FormClose); in between the launch pad of every
// register, master-data window and service of the program.
class TfrmMain : public QMainWindow
{
    Q_OBJECT
public:
    static inline const QString Title = QStringLiteral("Tarvelo Export / Versand");

    explicit TfrmMain(QWidget *parent = nullptr);
    ~TfrmMain() override;

    // The start-up. False when the program must end: the data directory was
    // not chosen or the login failed; nothing further is then opened.
    bool FormCreate();
    // Creates the shared data module (after FormCreate).
    void createDataModule();
    TfrmData1 *dataModule() const { return m_data.get(); }

    // The window's own parameter table (S_PARAME.DB); null when the data
    // directory has none.
    platform::Table *tbParameter() const { return m_parameter; }
    const QString &majorVersion() const { return m_majorVersion; }
    // The program's title: Title, a blank and the major version once the
    // start-up has read it.
    static QString applicationTitle();
    // Whether the program ends without the closing steps (online update,
    // failed login, restart after a change of users).
    bool isTerminating() const { return m_terminating; }
    // Ends the program at once: no question, no options written.
    void terminateProgram();

    // Sort orders of the master-data lists, kept in Export.ini.
    int StammSortRead(const QString &key) const;
    void StammSortWrite(const QString &key, int value) const;

    // The entries of a kind, for the dispatcher and its tests.
    QAction *menuAction(const QString &key) const { return m_menuActions.value(key); }
    QAction *popupAction(const QString &key) const { return m_popupActions.value(key); }
    QAction *parcelAction(const QString &key) const { return m_parcelActions.value(key); }
    QToolButton *toolButton(const QString &key) const { return m_buttons.value(key); }
    QAction *windowAction(const QString &key) const { return m_windowActions.value(key); }
    QAction *action(const QString &objectName) const;
    QMenu *popupMenu() const { return m_popup; }

    // Opens the register of a kind (create, show modally, free).
    void openKind(const QString &key);
    // Opens a window of the master-data, table and services menus.
    void openWindow(const QString &key);
    // Enables each entry whose window can be opened.
    void updateEnabledStates();

    // Status panel 1: "Dienstag den 05. März 2024, 14:03:09", in German
    // whatever the system's language.
    static QString clockText(const QDateTime &time);
    QString clockPanelText() const;
    QString statusPanelText() const;
    void showClock();

    // Start-up step 1: the installation values under "Software\Brenix" of
    // the machine-wide store copied to the user's store where missing.
    static void copyInstallationValues();
    // The payment-order program found through its App Paths entry; empty
    // when it is not installed.
    static QString paymentOrderProgram();
    // The texts of the shell's failures by result code.
    static QString shellErrorText(int result);
    // Opens a file or address through the desktop; false after the error
    // box of the result.
    static bool shellOpen(const QString &target);

    // Menu commands.
    void Handbuch();
    void Reorganisation();
    void TabellenOnlineAktualisieren();
    void Zahlungsauftrag();
    void Benutzer();
    void Optionen();
    void Parameter();
    void Sprachen();
    void Info();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void buildMenus();
    void buildCentralWidget();
    QMenu *buildParcelMenu(MenuGroup group);
    void FormShow();
    bool FormCloseQuery();
    void FormClose();
    bool runUpdateStep();
    bool login();
    void openParameterTable();
    void applyRaisedButtonRule();
    void resetHover();
    void openWindowWith(const QString &key, bool hintsOff);

    QHash<QString, QAction *> m_menuActions;
    QHash<QString, QAction *> m_popupActions;
    QHash<QString, QAction *> m_parcelActions;
    QHash<QString, QAction *> m_windowActions;
    QHash<QString, QToolButton *> m_buttons;
    QHash<QToolButton *, QString> m_buttonStatus;
    QMenu *m_popup = nullptr;
    QMenu *m_parcelServicesMenu = nullptr;
    QMenu *m_parcelCardMenu = nullptr;
    QAction *m_paymentOrderAction = nullptr;
    QLabel *m_clockLabel = nullptr;
    QVector<QLabel *> m_links;
    TMMTimer *MMTimer1 = nullptr;
    platform::Table *m_parameter = nullptr;
    std::unique_ptr<TfrmData1> m_data;
    QString m_majorVersion;
    bool m_autoHints = true;
    bool m_shown = false;
    bool m_terminating = false;
    bool m_closing = false;
};

// The program-wide instance.
extern TfrmMain *frmMain;

} // namespace shell
