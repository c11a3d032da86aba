#include "masterdata/masterdatawindows.h"

#include "masterdata/articles.h"
#include "masterdata/codetables.h"
#include "masterdata/companydata.h"
#include "masterdata/countries.h"
#include "masterdata/customers.h"
#include "masterdata/forwarders.h"
#include "masterdata/goodsnumbers.h"
#include "masterdata/languages.h"
#include "masterdata/packagekinds.h"
#include "masterdata/paymentterms.h"
#include "masterdata/picklists.h"
#include "masterdata/preferenceclauses.h"
#include "masterdata/procedurecodes.h"
#include "masterdata/supportingdocuments.h"
#include "masterdata/translations.h"
#include "shell/windowfactories.h"

#include <functional>

namespace masterdata {

namespace {

struct WindowMaker {
    QString className;
    std::function<QDialog *(QWidget *)> create;
};

const QVector<WindowMaker> &makers()
{
    static const QVector<WindowMaker> list = [] {
        QVector<WindowMaker> result = {
            { QStringLiteral("TfrmKunden"), [](QWidget *p) -> QDialog * { return new TfrmKunden(p); } },
            { QStringLiteral("TfrmWare"), [](QWidget *p) -> QDialog * { return new TfrmWare(p); } },
            { QStringLiteral("TfrmArtikel"), [](QWidget *p) -> QDialog * { return new TfrmArtikel(p); } },
            { QStringLiteral("TfrmLnder"), [](QWidget *p) -> QDialog * { return new TfrmLnder(p); } },
            { QStringLiteral("TfrmEinh_Verfahren1"),
                [](QWidget *p) -> QDialog * { return new TfrmEinh_Verfahren1(p); } },
            { QStringLiteral("TfrmEinh_Verfahren2"),
                [](QWidget *p) -> QDialog * { return new TfrmEinh_Verfahren2(p); } },
            { QStringLiteral("TfrmPraef"), [](QWidget *p) -> QDialog * { return new TfrmPraef(p); } },
            { QStringLiteral("TfrmPackst"), [](QWidget *p) -> QDialog * { return new TfrmPackst(p); } },
            { QStringLiteral("TfrmSpedit"), [](QWidget *p) -> QDialog * { return new TfrmSpedit(p); } },
            { QStringLiteral("TfrmVersand"), [](QWidget *p) -> QDialog * { return new TfrmVersand(p); } },
            { QStringLiteral("TfrmZahlung"), [](QWidget *p) -> QDialog * { return new TfrmZahlung(p); } },
            { QStringLiteral("TfrmKlausel"), [](QWidget *p) -> QDialog * { return new TfrmKlausel(p); } },
            // The menu keeps the table: no pick buttons.
            { QStringLiteral("TfrmUnterlagen"), [](QWidget *p) -> QDialog * { return new TfrmUnterlagen(p); } },
        };
        for (const CodeTable &table : codeTables()) {
            auto definition = table.definition;
            result.append({ table.className,
                [definition](QWidget *p) -> QDialog * { return new MasterDataWindow(definition(), p); } });
        }
        return result;
    }();
    return list;
}

} // namespace

QDialog *createMasterDataWindow(const QString &className, QWidget *parent)
{
    for (const WindowMaker &maker : makers()) {
        if (maker.className == className)
            return maker.create(parent);
    }
    return nullptr;
}

QStringList masterDataWindowClasses()
{
    QStringList names;
    for (const WindowMaker &maker : makers())
        names.append(maker.className);
    return names;
}

void registerMasterdataWindows()
{
    for (const WindowMaker &maker : makers())
        shell::registerWindowFactory(maker.className, maker.create);
    // The services menu's windows on the parameter record and the print texts.
    shell::registerWindowFactory(QStringLiteral("TfrmAuftr_de"), [](QWidget *p) { return new TfrmAuftr_de(p); });
    shell::registerWindowFactory(QStringLiteral("Tfrmsprachen"), [](QWidget *p) { return new Tfrmsprachen(p); });
    shell::registerWindowFactory(
        QStringLiteral("Tfrmuebersetzungen"), [](QWidget *p) { return new Tfrmuebersetzungen(p); });
    shell::registerPickFunction(QStringLiteral("TfrmVerf_e"), pickProcedureForOptions);
    shell::registerPickFunction(QStringLiteral("TfrmGesch_e"), pickBusinessTypeForOptions);
}

} // namespace masterdata
