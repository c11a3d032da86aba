#include "shell/tfrmdata1.h"

#include "platform/database.h"
#include "platform/session.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/failedsave.h"

namespace shell {

TfrmData1 *frmData1 = nullptr;

namespace {

platform::Table *openIfPresent(QObject *owner, const QString &objectName, const QString &fileName)
{
    platform::Database &db = platform::Session::current().database(platform::Alias::Data);
    if (!db.tableExists(platform::TableSchema::tableNameOf(fileName)))
        return nullptr;
    auto *table = new platform::Table(platform::Alias::Data, fileName, owner);
    table->setObjectName(objectName);
    table->setFilterCaseInsensitive(true);
    watchFailedSaves(*table);
    table->open();
    return table;
}

} // namespace

TfrmData1::TfrmData1(QObject *parent)
    : QObject(parent)
{
    setObjectName(QStringLiteral("frmData1"));
    tbKunden = openIfPresent(this, QStringLiteral("tbKunden"), QStringLiteral("S_KUNDEN.DB"));
    tbPackst = openIfPresent(this, QStringLiteral("tbPackst"), QStringLiteral("S_PACKST.DB"));
    tbWare = openIfPresent(this, QStringLiteral("tbWare"), QStringLiteral("S_WARENN.DB"));
    tbSpedit = openIfPresent(this, QStringLiteral("tbSpedit"), QStringLiteral("S_SPEDIT.DB"));
    tbVersand = openIfPresent(this, QStringLiteral("tbVersand"), QStringLiteral("S_VERSAN.DB"));
    tbLand = openIfPresent(this, QStringLiteral("tbLand"), QStringLiteral("S_LANDBZ.DB"));
    if (!frmData1)
        frmData1 = this;
}

TfrmData1::~TfrmData1()
{
    if (frmData1 == this)
        frmData1 = nullptr;
}

} // namespace shell
