#include "shell/tfrmbenutzer.h"

#include "platform/datacombobox.h"
#include "platform/dataedit.h"
#include "platform/datasetmodel.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/germantext.h"
#include "platform/reportedcall.h"
#include "platform/session.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/failedsave.h"
#include "shell/mainstate.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmmain.h"
#include "shell/tfrmsuche.h"
#include "shell/twheeldbgrid.h"
#include "shell/users.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace shell {

namespace {

const QString AdministratorUpper = QStringLiteral("SYSTEMVERWALTER");
// The record whose names nobody may change.
const QString ProtectedName = QStringLiteral("Nilo");

bool isAdministrator(const QVariant &function)
{
    return platform::upperCase(function.toString()) == AdministratorUpper;
}

} // namespace

TfrmBenutzer::TfrmBenutzer(QWidget *parent)
    : QDialog(parent)
    , m_users(new platform::Table(platform::Alias::Data, UserTableName, this))
{
    setObjectName(QStringLiteral("frmBenutzer"));
    setWindowTitle(QStringLiteral("Benutzerverwaltung"));
    const MainState &state = mainState();
    QPalette background = palette();
    background.setColor(QPalette::Window, state.HinterGrundFarbe);
    setPalette(background);
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    dbgrBenutzer = new TWheelDBGrid(this);
    dbgrBenutzer->setObjectName(QStringLiteral("dbgrBenutzer"));
    m_model = new platform::DataSetModel(m_users,
        { { QStringLiteral("Kurzname"), QStringLiteral("Kurzname"), 140 },
            { QStringLiteral("Name"), QStringLiteral("Name"), 0 },
            { QStringLiteral("Vorname"), QStringLiteral("Vorname"), 0 },
            { QStringLiteral("Telefon"), QStringLiteral("Telefon"), 0 },
            { QStringLiteral("UnserZeichen"), QStringLiteral("Unser Zeichen"), 0 } },
        this);
    layout->addWidget(dbgrBenutzer, 1);

    auto *fields = new QGridLayout;
    auto addEdit = [&](const QString &field, const QString &caption, int row) {
        auto *label = new QLabel(caption, this);
        label->setFont(state.StammdatenAnzeigeFont);
        auto *edit = new platform::DataEdit(this);
        edit->setObjectName(QStringLiteral("ed") + field);
        edit->setFont(state.EingabeFelderFont);
        edit->bind(m_users, field);
        fields->addWidget(label, row, 0);
        fields->addWidget(edit, row, 1);
        return edit;
    };
    edKurzname = addEdit(QStringLiteral("Kurzname"), QStringLiteral("Kurzname"), 0);
    edName = addEdit(QStringLiteral("Name"), QStringLiteral("Name"), 1);
    edVorname = addEdit(QStringLiteral("Vorname"), QStringLiteral("Vorname"), 2);
    edTelefon = addEdit(QStringLiteral("Telefon"), QStringLiteral("Telefon"), 3);
    edUnserZeichen = addEdit(QStringLiteral("UnserZeichen"), QStringLiteral("Unser Zeichen"), 4);
    edPasswort = addEdit(QStringLiteral("Passwort"), QStringLiteral("Passwort"), 5);
    auto *functionLabel = new QLabel(QStringLiteral("Funktion"), this);
    functionLabel->setFont(state.StammdatenAnzeigeFont);
    cbFunktion = new platform::DataComboBox(this);
    cbFunktion->setObjectName(QStringLiteral("cbFunktion"));
    cbFunktion->addItems({ UserFunction, AdministratorFunction });
    cbFunktion->bind(m_users, QStringLiteral("Funktion"));
    fields->addWidget(functionLabel, 6, 0);
    fields->addWidget(cbFunktion, 6, 1);
    layout->addLayout(fields);
    for (QWidget *edit : { edKurzname, edName, edVorname, edPasswort })
        edit->installEventFilter(this);
    // The login compares no more than the field holds: a longer password is
    // refused here instead of being cut without a word.
    connect(edPasswort, &QLineEdit::inputRejected, this, platform::reported(this, [this] {
        if (edPasswort->maxLength() < 32767)
            platform::dialogs().error(
                QStringLiteral("Das Paßwort darf höchstens %1 Zeichen lang sein!").arg(edPasswort->maxLength()));
    }));

    auto *buttons = new QHBoxLayout;
    auto addButton = [&](const QString &name, const QString &hint, QStyle::StandardPixmap icon, const QString &text,
                         void (TfrmBenutzer::*action)()) {
        auto *button = new QToolButton(this);
        button->setObjectName(name);
        button->setToolTip(hint);
        if (text.isEmpty())
            button->setIcon(style()->standardIcon(icon));
        else
            button->setText(text);
        button->setAutoRaise(!(Windows2000OrLater && state.XP_Themes));
        connect(button, &QToolButton::clicked, this, action);
        buttons->addWidget(button);
        return button;
    };
    btnFirst = addButton(QStringLiteral("btnFirst"), QStringLiteral("Erster Benutzer"), QStyle::SP_MediaSkipBackward,
        {}, &TfrmBenutzer::First);
    btnPrior = addButton(QStringLiteral("btnPrior"), QStringLiteral("Vorheriger Benutzer"),
        QStyle::SP_MediaSeekBackward, {}, &TfrmBenutzer::Prior);
    btnNext = addButton(QStringLiteral("btnNext"), QStringLiteral("Nächster Benutzer"), QStyle::SP_MediaSeekForward, {},
        &TfrmBenutzer::Next);
    btnLast = addButton(QStringLiteral("btnLast"), QStringLiteral("Letzter Benutzer"), QStyle::SP_MediaSkipForward, {},
        &TfrmBenutzer::Last);
    btnAdd = addButton(QStringLiteral("btnAdd"), QStringLiteral("Benutzer hinzufügen"), QStyle::SP_FileIcon,
        QStringLiteral("+"), &TfrmBenutzer::Add);
    btnDelete = addButton(QStringLiteral("btnDelete"), QStringLiteral("Aktuellen Benutzer löschen"),
        QStyle::SP_TrashIcon, QStringLiteral("-"), &TfrmBenutzer::Delete);
    btnEdit = addButton(QStringLiteral("btnEdit"), QStringLiteral("Aktuellen Benutzer bearbeiten"),
        QStyle::SP_FileDialogDetailedView, QStringLiteral("Bearbeiten"), &TfrmBenutzer::Edit);
    btnSearch = addButton(QStringLiteral("btnSearch"), QStringLiteral("Suchen nach Name"), QStyle::SP_FileIcon,
        QStringLiteral("Suche"), &TfrmBenutzer::Search);
    btnClose
        = addButton(QStringLiteral("btnClose"), QStringLiteral("Schließen"), QStyle::SP_DialogCloseButton, {}, nullptr);
    disconnect(btnClose, &QToolButton::clicked, this, nullptr);
    connect(btnClose, &QToolButton::clicked, this, &QDialog::reject);
    layout->addLayout(buttons);
    resize(640, 480);

    // Every insert: the next number, then the directory.
    m_users->beforeInsert = [this](platform::DataSet &) { m_newNumber = nextUserNumber(); };
    m_users->afterInsert = [this](platform::DataSet &ds) {
        ds.setValue(QStringLiteral("UserNr"), m_newNumber);
        if (!createUserDirectory(m_newNumber, platform::Session::current().aliasPath(platform::Alias::Data)))
            platform::dialogs().error(UserDirectoryFailedMessage);
    };
    m_users->afterPost = [this](platform::DataSet &) { m_posted = true; };
    watchFailedSaves(*m_users);
    auto failed = m_users->onPostError;
    m_users->onPostError = [this, failed](platform::DataSet &ds, const platform::DatabaseError &error) {
        const platform::DataAction action = failed(ds, error);
        edKurzname->setFocus();
        return action;
    };
    m_users->afterScroll = [this](platform::DataSet &) { updateButtons(); };

    m_users->open();
    dbgrBenutzer->setModel(m_model);
    if (administratorCount() == 0) {
        m_users->append();
        m_users->setValue(QStringLiteral("Kurzname"), AdministratorFunction);
        m_users->setValue(QStringLiteral("Funktion"), AdministratorFunction);
        m_users->post();
    }
    if (!m_users->isEmpty()) {
        const bool found = m_users->findKey({ state.Kurzname });
        m_restricted = !found || !isAdministrator(m_users->value(QStringLiteral("Funktion")));
    }
    if (m_restricted) {
        for (QWidget *w : { static_cast<QWidget *>(cbFunktion), static_cast<QWidget *>(dbgrBenutzer),
                 static_cast<QWidget *>(btnFirst), static_cast<QWidget *>(btnPrior), static_cast<QWidget *>(btnNext),
                 static_cast<QWidget *>(btnLast), static_cast<QWidget *>(btnAdd), static_cast<QWidget *>(btnDelete),
                 static_cast<QWidget *>(btnEdit) })
            w->setEnabled(false);
    }
    updateButtons();
}

TfrmBenutzer::~TfrmBenutzer()
{
    m_users->afterScroll = nullptr;
    m_users->beforeInsert = nullptr;
    m_users->afterInsert = nullptr;
}

int TfrmBenutzer::administratorCount()
{
    // Counted over the whole table, whatever a search filter shows.
    platform::Table all(platform::Alias::Data, UserTableName);
    all.open();
    int count = 0;
    for (all.first(); !all.eof(); all.next())
        count += isAdministrator(all.value(QStringLiteral("Funktion"))) ? 1 : 0;
    return count;
}

void TfrmBenutzer::updateButtons()
{
    if (m_restricted)
        return;
    const bool atEnd = m_users->eof() || (m_users->recNo() == m_users->recordCount());
    const bool atStart = m_users->bof() || m_users->recNo() <= 1;
    btnFirst->setEnabled(!atStart);
    btnPrior->setEnabled(!atStart);
    btnNext->setEnabled(!atEnd);
    btnLast->setEnabled(!atEnd);
    if (atStart && atEnd) {
        btnFirst->setEnabled(true);
        btnPrior->setEnabled(true);
        btnNext->setEnabled(true);
        btnLast->setEnabled(true);
    }
}

bool TfrmBenutzer::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        if (event->type() == QEvent::FocusIn && !m_warning
            && m_users->value(QStringLiteral("Kurzname")).toString() == ProtectedName) {
            m_warning = true;
            platform::dialogs().error(QStringLiteral("Sie dürfen den Namen des Systemverwalters nicht ändern"));
            edTelefon->setFocus();
            m_warning = false;
            return true;
        }
        return QDialog::eventFilter(watched, event);
    });
}

void TfrmBenutzer::First()
{
    m_users->first();
}

void TfrmBenutzer::Prior()
{
    if (!m_users->bof())
        m_users->prior();
}

void TfrmBenutzer::Next()
{
    if (!m_users->eof())
        m_users->next();
}

void TfrmBenutzer::Last()
{
    m_users->last();
}

void TfrmBenutzer::Add()
{
    m_users->insert();
    edKurzname->setFocus();
}

void TfrmBenutzer::Edit()
{
    m_users->edit();
    edKurzname->setFocus();
}

void TfrmBenutzer::Delete()
{
    const QString question = QStringLiteral("Möchten Sie diesen Benutzer löschen");
    if (!m_users->isEmpty()) {
        if (!m_twoAdministrators && isAdministrator(m_users->value(QStringLiteral("Funktion")))) {
            platform::dialogs().error(QStringLiteral("Sie können den Systemverwalter nicht löschen"));
        } else if (platform::dialogs().confirmation(question, platform::DialogButtons::YesNo)
            == platform::DialogAnswer::Yes) {
            m_users->deleteRecord();
        }
    }
    if (platform::dialogs().confirmation(QStringLiteral("Nach dieser Änderung müssen Sie das Programm \rneu Starten um "
                                                        "Fehler zu vermeiden!\rJetzt Beenden?"),
            platform::DialogButtons::YesNo, platform::DialogService::standardCaption(platform::DialogKind::Warning))
        == platform::DialogAnswer::Yes) {
        if (frmMain)
            frmMain->terminateProgram();
        else
            QCoreApplication::exit(0);
        QDialog::done(QDialog::Rejected);
    }
}

void TfrmBenutzer::Search()
{
    const QString current = m_users->value(QStringLiteral("Kurzname")).toString();
    TfrmSuche dialog(this);
    dialog.setDataSet(m_users, m_model->columns());
    dialog.RadioGroup1->setItems({ QStringLiteral("Kurzname"), QStringLiteral("Name") });
    dialog.setSearchRoutine([this](TfrmSuche &d) { SuchenRoutine(d); });
    if (dialog.exec() != QDialog::Accepted)
        return; // a filter set by "Suchen" stays
    const QString chosen = m_users->value(QStringLiteral("Kurzname")).toString();
    m_users->setIndexName(QString());
    m_users->clearFilter();
    m_users->setFiltered(false);
    m_users->findKey({ chosen.isEmpty() ? current : chosen });
}

void TfrmBenutzer::SuchenRoutine(TfrmSuche &dialog)
{
    const QString text = dialog.searchText();
    if (text.isEmpty())
        return;
    const QString field = dialog.searchKey() == 1 ? QStringLiteral("Name") : QStringLiteral("Kurzname");
    m_users->setFilter({ nameSearchCondition(field, text) });
    m_users->setFiltered(true);
}

void TfrmBenutzer::done(int result)
{
    if (m_users->isEditing())
        m_users->post();
    if (administratorCount() >= 2) {
        platform::dialogs().error(QStringLiteral("Sie können nur einen Systemverwalter anlegen!"));
        m_twoAdministrators = true;
        return;
    }
    if (m_posted)
        platform::dialogs().information(
            QStringLiteral("Bitte beachten Sie, dass Änderungen erst nach einem Programm-Neustart wirksam werden!"));
    m_users->close();
    QDialog::done(result);
}

} // namespace shell
