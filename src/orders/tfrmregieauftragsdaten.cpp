#include "orders/tfrmregieauftragsdaten.h"

#include "orders/orderdocuments.h"
#include "orders/ordertables.h"
#include "orders/tfrmauftr_d.h"
#include "orders/tfrmauftrag.h"
#include "orders/tfrmrechnungimport.h"
#include "platform/clock.h"
#include "platform/database.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/query.h"
#include "platform/table.h"
#include "shell/documentroutines.h"
#include "shell/failedsave.h"
#include "shell/parameterrecord.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmsuche.h"

#include <QAction>
#include <QMenu>
#include <QToolButton>

#include <memory>

namespace orders {

using platform::Table;

shell::DocumentRegister *frmRegieAuftragsdaten = nullptr;

namespace {

const QString NumberField = QStringLiteral("Belegnr");

shell::DocumentEntryWindow *createOrderWindow(shell::DocumentRegister &documentRegister, QWidget *parent)
{
    return new TfrmAuftrag(static_cast<TfrmRegieAuftragsdaten &>(documentRegister), parent);
}

// Posts a table still being edited; a failed post (the failed-save message
// has been shown) drops the change, so that the register can close.
void postOrDrop(platform::DataSet &dataSet)
{
    if (!dataSet.isActive() || !dataSet.isEditing())
        return;
    try {
        dataSet.post();
    } catch (const platform::AbortException &) {
        dataSet.cancel();
    } catch (const std::exception &) {
        dataSet.cancel();
        throw;
    }
}

void cancelPending(platform::DataSet &dataSet)
{
    shell::cancelIfEditing(dataSet);
}

// A view of the table of its own, unaffected by the register's link and position.
std::unique_ptr<Table> ownView(const Table &table, const QString &name)
{
    return shell::openSecondView(table, name);
}

QVector<QVariant> recordValues(const platform::DataSet &dataSet)
{
    QVector<QVariant> values;
    values.reserve(dataSet.fieldCount());
    for (int i = 0; i < dataSet.fieldCount(); ++i)
        values.append(dataSet.value(i));
    return values;
}

// The template line (2000000000, 1) of a detail table, appended when missing.
void ensureTemplateLine(const Table &table, const QString &name)
{
    auto view = ownView(table, name);
    if (view->findKey({ shell::TemplateNumber, 1 }))
        return;
    view->append();
    view->field(0).setAsInteger(shell::TemplateNumber);
    view->field(1).setAsInteger(1);
    view->post();
}

// Every line of the source order into the target order, gaps in the
// numbering included.
void copyLines(const Table &like, const QString &name, int source, int target)
{
    shell::copyDocumentLines(*ownView(like, name), source, target);
}

void deleteAll(Table &lines)
{
    while (!lines.isEmpty()) {
        lines.first();
        lines.deleteRecord();
    }
}

} // namespace

shell::DocumentKind orderKind()
{
    shell::DocumentKind kind;
    kind.code = QStringLiteral("8");
    kind.registerClass = QStringLiteral("TfrmRegieAuftragsdaten");
    kind.caption = QStringLiteral("Regiezentrum: Rechnung");
    kind.headTable = Tables::Orders;
    kind.headComponent = QStringLiteral("tbRechnung");
    kind.numberField = NumberField;
    kind.positionTable = Tables::Positions;
    kind.positionComponent = QStringLiteral("tbArtikel");
    kind.positionLinkField = NumberField;
    kind.parameter = shell::parameterFieldsFor(kind.code);
    kind.columns = {
        { NumberField, QStringLiteral("BelegNr."), 10 },
        { QStringLiteral("aufnr"), QStringLiteral("Auftrags-Nr."), 20 },
        { QStringLiteral("Redatum"), QStringLiteral("Datum"), 10 },
        { QStringLiteral("AnzPos"), QStringLiteral("Positionen"), 10 },
        { QStringLiteral("AnzPack"), QStringLiteral("Packdaten"), 10 },
        { QStringLiteral("kunde1"), QStringLiteral("Name"), 40 },
        { QStringLiteral("Waehrung"), QStringLiteral("Waehrung"), 8 },
    };
    kind.navigationHints = { QStringLiteral("Erste Rechnung"), QStringLiteral("Vorherige Rechnung"),
        QStringLiteral("Nächste Rechnung"), QStringLiteral("Letzte Rechnung") };
    kind.statusNumberPrefix = QStringLiteral("BelegNr.: ");
    kind.statusTemplateText = QStringLiteral("BelegNr.: Master-Formular");
    kind.printCaptionPrefix = QStringLiteral("Druck Auftrag - Belegnummer: ");
    kind.searchNameField = QStringLiteral("kunde1");
    kind.storesCurrentNumberOnClose = true;
    kind.setsCurrentNumberBeforeOpening = true;
    kind.positionsCountField = QStringLiteral("AnzPos");
    kind.positionOneOnClose = false; // the register adds order 1 with all its lines itself
    kind.instance = &frmRegieAuftragsdaten;
    kind.createEntryWindow = createOrderWindow;
    kind.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) -> shell::DocumentPrintWindow * {
        return new TfrmAuftr_d(parent);
    };
    return kind;
}

TfrmRegieAuftragsdaten::TfrmRegieAuftragsdaten(QWidget *parent)
    : DocumentRegister(orderKind(), parent)
{
    Table &orders = head();
    const auto openDetail = [this, &orders](const QString &name, const QString &component) {
        auto *table = new Table(platform::Alias::Data, name, this);
        table->setObjectName(component);
        shell::watchFailedSaves(*table);
        table->afterOpen = [name](platform::DataSet &set) { ensureTemplateLine(static_cast<Table &>(set), name); };
        table->setMasterSource(&orders, NumberField, NumberField);
        table->open();
        return table;
    };
    m_texte = openDetail(Tables::SumLines, QStringLiteral("tbTexte"));
    m_pack = openDetail(Tables::Packages, QStringLiteral("tbPack"));
    recountPackages();
    orders.first();

    SpeedButton13 = addCommandButton(QStringLiteral("SpeedButton13"), QStringLiteral("&Daten-Import"), [this] {
        showInvoiceImport(this);
        head().refresh();
        positions()->refresh();
        // Packages do not travel: imported orders have none.
        recountPackages();
    });
    const OrderRegisterCommand intrastat = orderRegisterCommand(QStringLiteral("SpeedButton14"));
    SpeedButton14 = addCommandButton(QStringLiteral("SpeedButton14"), QStringLiteral("&Intrastat"), [this, intrastat] {
        if (intrastat)
            intrastat(*this);
    });
    // "Daten-Import" follows "&Parameter" in the popup menu without a line between.
    DatenImport1 = new QAction(QStringLiteral("Daten-Import"), PopupMenu1);
    DatenImport1->setObjectName(QStringLiteral("DatenImport1"));
    const auto actions = PopupMenu1->actions();
    PopupMenu1->insertAction(actions.value(actions.indexOf(Parameter1) + 1), DatenImport1);
    connect(DatenImport1, &QAction::triggered, SpeedButton13, &QToolButton::click);
    // The monthly Intrastat declarations come with their library.
    SpeedButton14->setEnabled(bool(intrastat));
}

TfrmRegieAuftragsdaten::~TfrmRegieAuftragsdaten() = default;

void TfrmRegieAuftragsdaten::recountPackages()
{
    // The database keeps every order's package count from now on; all
    // orders are counted only where it did not do so yet.
    platform::CountLink link;
    link.headTable = platform::TableSchema::tableNameOf(Tables::Orders);
    link.keyField = NumberField;
    link.countField = QStringLiteral("AnzPack");
    link.detailTable = platform::TableSchema::tableNameOf(Tables::Packages);
    link.linkField = NumberField;
    if (head().database().keepCountCurrent(link))
        head().refresh();
}

void TfrmRegieAuftragsdaten::storePackageCount()
{
    Table &orders = head();
    if (orders.isEmpty())
        return;
    const int count = platform::queryScalar(
        QStringLiteral("SELECT COUNT(*) FROM \"PACK\" WHERE \"Belegnr\" = ?"), { currentNumber() })
                          .toInt();
    orders.edit();
    orders.fieldByName(QStringLiteral("AnzPack")).setAsInteger(count);
    orders.post();
}

void TfrmRegieAuftragsdaten::bbtAendernClick()
{
    DocumentRegister::bbtAendernClick();
    storePackageCount();
}

bool TfrmRegieAuftragsdaten::createDocument(int number)
{
    Table &orders = head();
    try {
        QVector<QVariant> templateValues;
        {
            auto view = ownView(orders, Tables::Orders);
            if (view->findKey({ shell::TemplateNumber }))
                templateValues = recordValues(*view);
        }
        orders.append();
        for (int i = 2; i < templateValues.size(); ++i)
            orders.setValue(i, templateValues.at(i));
        orders.field(0).setAsInteger(number);
        shell::setTodayInto(orders, 1);
        orders.fieldByName(QStringLiteral("aufnr")).clear();
        orders.fieldByName(QStringLiteral("vedatum")).setAsString(platform::formatDate(platform::Clock::today()));
        // A new order has no lines yet.
        orders.fieldByName(QStringLiteral("AnzPos")).setAsInteger(0);
        orders.fieldByName(QStringLiteral("AnzPack")).setAsInteger(0);
        orders.post();
        return true;
    } catch (const platform::AbortException &) {
        // The failed-save message has been shown.
        cancelPending(orders);
    } catch (const platform::DatabaseError &error) {
        cancelPending(orders);
        platform::dialogs().error(error.message());
    } catch (const std::exception &error) {
        cancelPending(orders);
        platform::dialogs().error(QString::fromUtf8(error.what()));
    }
    return false;
}

bool TfrmRegieAuftragsdaten::copyDocument(int source, int target)
{
    Table &orders = head();
    try {
        {
            platform::Transaction transaction(orders.database());
            QVector<QVariant> values;
            {
                auto view = ownView(orders, Tables::Orders);
                if (!view->findKey({ source }))
                    return false;
                values = recordValues(*view);
            }
            orders.append();
            for (int i = 1; i < values.size(); ++i)
                orders.setValue(i, values.at(i));
            orders.field(0).setAsInteger(target);
            shell::setTodayInto(orders, 1);
            orders.fieldByName(QStringLiteral("ReMwst"))
                .setAsFloat(parameter().fieldByName(QStringLiteral("Mwst")).asFloat());
            orders.post();
            for (const QString &name : { Tables::Positions, Tables::SumLines, Tables::Packages })
                copyLines(orders, name, source, target);
            transaction.commit();
        }
        for (Table *lines : { positions(), m_texte, m_pack })
            lines->refresh();
        orders.findKey({ target });
        return true;
    } catch (const platform::AbortException &) {
        cancelPending(orders);
    } catch (const platform::DatabaseError &error) {
        cancelPending(orders);
        platform::dialogs().error(error.message());
    } catch (const std::exception &error) {
        cancelPending(orders);
        platform::dialogs().error(QString::fromUtf8(error.what()));
    }
    // Nothing of the copy was kept.
    orders.refresh();
    return false;
}

void TfrmRegieAuftragsdaten::deleteDetails()
{
    deleteAll(*m_pack);
    deleteAll(*m_texte);
    deleteAll(*positions());
}

void TfrmRegieAuftragsdaten::prepareSearch(shell::TfrmSuche &dialog)
{
    dialog.RadioGroup1->setItems(
        { QStringLiteral("Beleg-Nr."), QStringLiteral("Auftrags-Nr.."), QStringLiteral("Empfänger") });
    dialog.setSearchRoutine([this](shell::TfrmSuche &d) { SuchenRoutine(d); });
}

void TfrmRegieAuftragsdaten::SuchenRoutine(shell::TfrmSuche &dialog)
{
    const QString text = dialog.searchText();
    if (text.isEmpty())
        return;
    Table &orders = head();
    switch (dialog.searchKey()) {
    case 0:
        orders.setFilter({ shell::numberSearchCondition(NumberField, text) });
        break;
    case 1:
        orders.setFilter({ shell::nameSearchCondition(QStringLiteral("aufnr"), text) });
        break;
    case 2:
        orders.setFilter({ shell::nameSearchCondition(QStringLiteral("kunde1"), text) });
        break;
    default:
        return;
    }
    orders.setFiltered(true);
}

void TfrmRegieAuftragsdaten::FormClose()
{
    Table &orders = head();
    postOrDrop(*positions());
    postOrDrop(*m_texte);
    postOrDrop(*m_pack);
    postOrDrop(orders);
    const int current = currentNumber();
    orders.cancelRange();
    if (isTemplate() && orders.countUpTo(2) <= 1) {
        // The register never holds the template alone after a close: order
        // 1 with one empty position, sum line and package.
        orders.append();
        orders.field(0).setAsInteger(1);
        shell::setTodayInto(orders, 1);
        orders.fieldByName(QStringLiteral("ReMwst"))
            .setAsFloat(parameter().fieldByName(QStringLiteral("Mwst")).asFloat());
        postOrDrop(orders);
        for (Table *lines : { positions(), m_texte, m_pack }) {
            if (lines->isEmpty()) {
                lines->append();
                lines->field(0).setAsInteger(1);
                lines->field(1).setAsInteger(1);
                postOrDrop(*lines);
            }
        }
    }
    m_texte->close();
    m_pack->close();
    DocumentRegister::FormClose();
    shell::CurrentDocumentNumber = current;
}

} // namespace orders
