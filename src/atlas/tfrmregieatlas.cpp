#include "atlas/tfrmregieatlas.h"

#include "atlas/atlastables.h"
#include "atlas/declarationtables.h"
#include "atlas/exportunit.h"
#include "atlas/tfrmatlasaemain.h"
#include "atlas/tfrmexportauswahl.h"
#include "platform/database.h"
#include "platform/databaseerror.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/query.h"
#include "platform/table.h"
#include "shell/documentroutines.h"
#include "shell/parameterrecord.h"

#include <QAction>
#include <QToolButton>

namespace atlas {

using platform::Table;
using shell::TemplateNumber;

shell::DocumentRegister *frmRegieAtlas = nullptr;

namespace {

const QString NeuFailed
    = QStringLiteral("Bei der Übernahme der Daten aus dem Master-Formular ist ein Fehleraufgetreten!");
const QString CopyFailed = QStringLiteral("Beim kopieren der Daten ist ein Fehler aufgetreten!");

QString messageOf(const std::exception &error)
{
    if (const auto *databaseError = dynamic_cast<const platform::DatabaseError *>(&error))
        return databaseError->message();
    return QString::fromUtf8(error.what());
}

} // namespace

const shell::DocumentKind &atlasKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = ParameterCode;
        k.registerClass = QStringLiteral("TfrmRegieAtlas");
        k.caption = QStringLiteral("Regiezentrum: Atlas AE");
        k.headTable = Tables::Kopf;
        k.headComponent = QStringLiteral("tbKopf");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { Fields::BelegNr, QString(), 10 },
            { QStringLiteral("Datum"), QString(), 12 },
            { QStringLiteral("EMP_Name"), QStringLiteral("Empfänger"), 54 },
        };
        k.navigationHints = { QStringLiteral("Erste Ausfuhrmeldung"), QStringLiteral("Vorherige Ausfuhrmeldung"),
            QStringLiteral("Nächste Ausfuhrmeldung"), QStringLiteral("Letzte Ausfuhrmeldung") };
        k.statusNumberPrefix = QStringLiteral("BelegNr: ");
        k.statusTemplateText = QStringLiteral("Master-Formular");
        k.searchNameField = QStringLiteral("EMP_Name");
        k.searchNameCaseSensitive = true;
        k.proposalSetBackAfterCopy = true;
        k.parameterRefreshesTable = true;
        k.hoverHighlight = true;
        k.instance = &frmRegieAtlas;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new TfrmAtlasAEMain(static_cast<TfrmRegieAtlas &>(documentRegister), parent);
        };
        return k;
    }();
    return kind;
}

TfrmRegieAtlas::TfrmRegieAtlas(QWidget *parent)
    : shell::DocumentRegister(atlasKind(), parent)
{
    // The head is the register's own head table, standing on the template.
    m_tables = new DeclarationTables(&head(), this);
    ensureTemplateItem();
    m_tables->open();
    head().first();

    SpeedButton7->hide();
    Drucken1->setVisible(false);
    SpeedButtonAtlasExport = addCommandButton(QStringLiteral("SpeedButtonAtlasExport"), QStringLiteral("&Atlas Export"),
        [this] { SpeedButtonAtlasExportClick(); });
}

TfrmRegieAtlas::~TfrmRegieAtlas() = default;

void TfrmRegieAtlas::ShowRegister(QWidget *parent)
{
    TfrmRegieAtlas window(parent);
    window.exec();
}

Table &TfrmRegieAtlas::tbWarenPos()
{
    return *m_tables->tbWarenPos;
}

Table &TfrmRegieAtlas::tbVerschluss()
{
    return *m_tables->tbVerschluss;
}

Table &TfrmRegieAtlas::tbRoute()
{
    return *m_tables->tbRoute;
}

Table &TfrmRegieAtlas::tbVorpapier()
{
    return *m_tables->tbVorpapier;
}

Table &TfrmRegieAtlas::tbPackSt()
{
    return *m_tables->tbPackSt;
}

Table &TfrmRegieAtlas::tbContainer()
{
    return *m_tables->tbContainer;
}

Table &TfrmRegieAtlas::tbUnterlage()
{
    return *m_tables->tbUnterlage;
}

void TfrmRegieAtlas::ensureTemplateItem()
{
    // New goods items take the template item's values: the template keeps one.
    const QString count
        = shell::QueryScalar(QStringLiteral("SELECT COUNT(*) FROM AtlasWare WHERE BelegNr = ?"), { TemplateNumber });
    if (count.toInt() > 0)
        return;
    auto items = shell::openSecondView(head(), Tables::Ware);
    items->append();
    items->setValue(Fields::BelegNr, TemplateNumber);
    items->setValue(Fields::Pos, 1);
    items->post();
}

int TfrmRegieAtlas::FindFreeAtlasNumber()
{
    const int number = firstFreeNumber(std::max(1, storedProposal()));
    storeProposal(number);
    return number;
}

bool TfrmRegieAtlas::CopyAtlasDeclaration(int source, int target)
{
    Table &kopf = head();
    try {
        platform::Transaction transaction(kopf.database());
        if (!shell::CopyRecord(kopf, source, target))
            throw platform::DatabaseError(
                QStringLiteral("Die Ausfuhranmeldung %1 konnte nicht als %2 angelegt werden.").arg(source).arg(target));
        // The export declaration made from the source stays the source's.
        kopf.edit();
        kopf.fieldByName(QStringLiteral("BelegNrAE")).clear();
        kopf.post();
        for (Table *list : { m_tables->tbVerschluss, m_tables->tbWarenPos, m_tables->tbVorpapier, m_tables->tbPackSt,
                 m_tables->tbContainer, m_tables->tbUnterlage })
            shell::copyDocumentLines(*list, source, target);
        transaction.commit();
    } catch (const std::exception &error) {
        shell::cancelIfEditing(kopf);
        kopf.refresh();
        kopf.findKey({ source });
        platform::dialogs().information(messageOf(error));
        return false;
    }
    for (Table *list : m_tables->lists())
        list->refresh();
    return true;
}

void TfrmRegieAtlas::RefreshAtlasTables()
{
    if (!parameter().isEditing())
        parameter().refresh();
    if (!head().isEditing())
        head().refresh();
    for (Table *list : m_tables->lists()) {
        if (!list->isEditing())
            list->refresh();
    }
}

void TfrmRegieAtlas::PostAtlasTables()
{
    shell::PostIfEditing(head());
    for (Table *list : { m_tables->tbRoute, m_tables->tbVerschluss, m_tables->tbWarenPos, m_tables->tbContainer,
             m_tables->tbUnterlage, m_tables->tbPackSt, m_tables->tbVorpapier })
        shell::PostIfEditing(*list);
}

QString TfrmRegieAtlas::RouteCountryName(const QString &code)
{
    if (code.isEmpty())
        return {};
    try {
        return shell::QueryScalar(QStringLiteral("SELECT Bez FROM S_LANDBZ WHERE Lkz = ?"), { code });
    } catch (const std::exception &) {
        return {};
    }
}

void TfrmRegieAtlas::bbtNeuClick()
{
    const int number = FindFreeAtlasNumber();
    if (number >= TemplateNumber)
        return;
    if (!CopyAtlasDeclaration(TemplateNumber, number)) {
        platform::dialogs().error(NeuFailed);
        return;
    }
    head().edit();
    head().fieldByName(QStringLiteral("Art3")).setAsString(QStringLiteral("AM"));
    head().post();
    bbtAendernClick();
}

void TfrmRegieAtlas::bbtKopierenClick()
{
    RefreshAtlasTables();
    shell::DocumentRegister::bbtKopierenClick();
}

bool TfrmRegieAtlas::copyDocument(int source, int target)
{
    if (CopyAtlasDeclaration(source, target))
        return true;
    platform::dialogs().error(CopyFailed);
    return false;
}

void TfrmRegieAtlas::deleteDetails()
{
    // Seals, route, goods items and the items' lists go with the head.
    const int number = currentNumber();
    {
        platform::Transaction transaction(head().database());
        for (Table *list : { m_tables->tbVerschluss, m_tables->tbRoute, m_tables->tbVorpapier, m_tables->tbPackSt,
                 m_tables->tbContainer, m_tables->tbUnterlage, m_tables->tbWarenPos }) {
            shell::cancelIfEditing(*list);
            auto query = shell::CreateDataQuery(
                QStringLiteral("DELETE FROM %1 WHERE BelegNr = ?").arg(list->schema().tableName()));
            query->addBindValue(number);
            query->execSql();
        }
        transaction.commit();
    }
    for (Table *list : m_tables->lists())
        list->refresh();
}

void TfrmRegieAtlas::bbtSuchenClick()
{
    RefreshAtlasTables();
    shell::DocumentRegister::bbtSuchenClick();
}

void TfrmRegieAtlas::SpeedButtonAtlasExportClick()
{
    PostAtlasTables();
    DeclarationSelection selection;
    if (!TfrmExportAuswahl::SelectDeclarations(selection, this) || selection.numbers.isEmpty())
        return;
    ExportDeclarations(selection);
}

void TfrmRegieAtlas::FormClose()
{
    PostAtlasTables();
    m_tables->close();
    shell::DocumentRegister::FormClose();
}

} // namespace atlas
