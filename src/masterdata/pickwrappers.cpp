#include "masterdata/pickwrappers.h"

#include "masterdata/articles.h"
#include "masterdata/countries.h"
#include "masterdata/customers.h"
#include "masterdata/goodsnumbers.h"
#include "masterdata/packagekinds.h"
#include "masterdata/picklists.h"
#include "masterdata/procedurecodes.h"
#include "masterdata/supportingdocuments.h"
#include "shell/tfrmdatetime.h"

namespace masterdata {

namespace {

bool chosen(QString &value, const QString &returned)
{
    value = returned;
    return !value.isEmpty();
}

} // namespace

bool PickCountry(const QString &keyField, QString &value, const QString &startValue, QWidget *parent)
{
    return chosen(value, TfrmLnder_e::SelectCountry(keyField, startValue, parent));
}

bool PickBusinessType(QString &value, QWidget *parent)
{
    return chosen(value, TfrmGesch_e::SelectBusinessType(value, parent));
}

bool PickFederalState(QString &value, QWidget *parent)
{
    return chosen(value, TfrmLnderbrd_e::SelectFederalState(value, parent));
}

bool PickProcedureCode1(QString &value, QWidget *parent)
{
    return chosen(value, TfrmEinh_Verfahren1::SelectProcedureCode(value, parent));
}

bool PickProcedureCode2(QString &value, QWidget *parent)
{
    return chosen(value, TfrmEinh_Verfahren2::SelectProcedureCode(value, parent));
}

bool PickPackageKind(QString &value, QWidget *parent)
{
    return chosen(value, TfrmPackst::SelectPackageKind(value, parent));
}

bool PickArticleText(QString &value, QWidget *parent)
{
    return chosen(value, TfrmArtikel::SelectArticleText(parent));
}

bool PickGoodsNumber(TGoodsNumberRecord &record, QWidget *parent)
{
    return TfrmWare::SelectGoodsNumber(record, parent);
}

bool PickDeliveryTerm(QString &value, QWidget *parent)
{
    return chosen(value, TfrmLiefer_e::SelectDeliveryTerm({}, parent));
}

bool PickTransportMode(QString &value, const QString &startValue, QWidget *parent)
{
    return chosen(value, TfrmVerzw_e::SelectTransportMode(startValue, parent));
}

bool PickCustomer(TPartyAddress &record, QWidget *parent)
{
    return TfrmKunden::SelectCustomer(record, parent);
}

bool PickDocument(TDocumentCodeRecord &record, QWidget *parent)
{
    return TfrmUnterlagen::SelectDocument(record, parent);
}

void PickDate(QString &value, const QDate &startDate)
{
    value = shell::SelectDate(startDate);
}

bool PickDateTime(QString &dateText, QString &timeText)
{
    return shell::SelectDateTime(dateText, timeText);
}

} // namespace masterdata
