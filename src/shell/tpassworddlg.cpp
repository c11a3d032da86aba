#include "shell/tpassworddlg.h"

#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/germantext.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/mainstate.h"
#include "shell/settings.h"
#include "shell/users.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace shell {

TPasswordDlg::TPasswordDlg(QWidget *parent)
    : QDialog(parent)
    , m_users(new platform::Table(platform::Alias::Data, UserTableName, this))
{
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(QStringLiteral("Zugangsberechtigung"));
    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Benutzer:"), this), 0, 0);
    cbbxBenutzer = new QComboBox(this);
    cbbxBenutzer->setObjectName(QStringLiteral("cbbxBenutzer"));
    cbbxBenutzer->setEditable(false);
    // Room for the longest short name the user table holds.
    cbbxBenutzer->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    cbbxBenutzer->setMinimumContentsLength(20);
    layout->addWidget(cbbxBenutzer, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Paßwort:"), this), 1, 0);
    Password = new QLineEdit(this);
    Password->setObjectName(QStringLiteral("Password"));
    Password->setMaxLength(20);
    Password->setEchoMode(QLineEdit::Password);
    layout->addWidget(Password, 1, 1);
    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setAutoDefault(false);
    OKBtn->setFlat(!(Windows2000OrLater && mainState().XP_Themes));
    layout->addWidget(OKBtn, 2, 0, 1, 2, Qt::AlignCenter);
    connect(OKBtn, &QPushButton::clicked, this, platform::reported(this, &TPasswordDlg::OKBtnClick));
    connect(Password, &QLineEdit::returnPressed, this, platform::reported(this, &TPasswordDlg::OKBtnClick));
    m_users->open();
}

TPasswordDlg::~TPasswordDlg() = default;

QString TPasswordDlg::currentKurzname() const
{
    return m_users->isEmpty() ? QString() : m_users->value(QStringLiteral("Kurzname")).toString();
}

int TPasswordDlg::currentUserNr() const
{
    return m_users->isEmpty() ? 0 : m_users->value(QStringLiteral("UserNr")).toInt();
}

void TPasswordDlg::showEvent(QShowEvent *event)
{
    platform::runReported(this, [&] {
        QDialog::showEvent(event);
        if (event->spontaneous())
            return;
        cbbxBenutzer->clear();
        for (m_users->first(); !m_users->eof(); m_users->next())
            cbbxBenutzer->addItem(m_users->value(QStringLiteral("Kurzname")).toString());
        m_users->first();
        cbbxBenutzer->setCurrentIndex(cbbxBenutzer->count() > 0 ? 0 : -1);
        m_tries = 1;
        Password->setFocus();
        // Centred on the screen: the main window is not shown yet.
        adjustSize();
        if (const QScreen *screen = this->screen())
            move(screen->availableGeometry().center() - rect().center());
    });
}

void TPasswordDlg::keyPressEvent(QKeyEvent *event)
{
    platform::runReported(this, [&] {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            // Enter outside the password edit does not close the dialog.
            event->accept();
            return;
        }
        QDialog::keyPressEvent(event);
    });
}

void TPasswordDlg::OKBtnClick()
{
    // A short name that is not found leaves the table where it stands.
    m_users->findKey({ cbbxBenutzer->currentText() });
    const QString stored = m_users->isEmpty() ? QString() : m_users->value(QStringLiteral("Passwort")).toString();
    // Only as much of the typed text as the field can hold was ever stored.
    const int stores = m_users->fieldByName(QStringLiteral("Passwort")).size();
    if (platform::upperCase(stored) == platform::upperCase(Password->text().left(stores))) {
        accept();
        return;
    }
    ++m_tries;
    platform::dialogs().information(QStringLiteral("Das Paßwort ist falsch !!!"));
    if (m_tries < 4) {
        Password->setFocus();
        return;
    }
    platform::dialogs().information(QStringLiteral("Sie haben keine Zugangsberechtigung !!!"));
    reject();
}

} // namespace shell
