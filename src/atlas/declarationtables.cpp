#include "atlas/declarationtables.h"

#include "atlas/atlastables.h"
#include "platform/database.h"
#include "platform/query.h"
#include "platform/session.h"
#include "platform/table.h"

#include <QScopeGuard>

#include <algorithm>

namespace atlas {

using platform::Table;
using namespace Fields;

namespace {

Table *makeTable(const QString &file, const QString &componentName, QObject *parent)
{
    auto *table = new Table(platform::Alias::Data, file, parent);
    table->setObjectName(componentName);
    return table;
}

// The highest Pos among the entries of the list's owner, 0 for none.
int highestPos(Table &list)
{
    const int field = list.fieldIndex(Pos);
    const int count = list.recordCount();
    int highest = 0;
    for (int i = 0; i < count; ++i)
        highest = std::max(highest, list.rowAt(i).value(field).toInt());
    return highest;
}

} // namespace

DeclarationTables::DeclarationTables(QObject *parent)
    : DeclarationTables(nullptr, parent)
{
}

DeclarationTables::DeclarationTables(Table *head, QObject *parent)
    : QObject(parent)
    , tbKopf(head ? head : makeTable(Tables::Kopf, QStringLiteral("tbKopf"), this))
    , tbWarenPos(makeTable(Tables::Ware, QStringLiteral("tbWarenPos"), this))
    , tbVerschluss(makeTable(Tables::Verschluss, QStringLiteral("tbVerschluss"), this))
    , tbRoute(makeTable(Tables::Route, QStringLiteral("tbRoute"), this))
    , tbVorpapier(makeTable(Tables::Vorpapier, QStringLiteral("tbVorpapier"), this))
    , tbPackSt(makeTable(Tables::Packst, QStringLiteral("tbPackSt"), this))
    , tbContainer(makeTable(Tables::Container, QStringLiteral("tbContainer"), this))
    , tbUnterlage(makeTable(Tables::Unterlage, QStringLiteral("tbUnterlage"), this))
    , m_ownsHead(head == nullptr)
{
    for (Table *list : { tbWarenPos, tbVerschluss, tbRoute }) {
        list->setIndexFieldNames(QStringLiteral("BelegNr;Pos"));
        list->setMasterSource(tbKopf, BelegNr);
    }
    for (Table *list : itemLists()) {
        list->setIndexFieldNames(QStringLiteral("BelegNr;WarenPos;Pos"));
        list->setMasterSource(tbWarenPos, QStringLiteral("BelegNr;Pos"), QStringLiteral("BelegNr;WarenPos"));
    }
    for (Table *list : { tbWarenPos, tbVerschluss, tbRoute })
        connectNumbering(list, false);
    for (Table *list : itemLists())
        connectNumbering(list, true);
    connectItemDeletion();
}

DeclarationTables::~DeclarationTables() = default;

void DeclarationTables::setSession(platform::Session *session)
{
    for (Table *table : { tbWarenPos, tbVerschluss, tbRoute, tbVorpapier, tbPackSt, tbContainer, tbUnterlage })
        table->setSession(session);
    if (m_ownsHead)
        tbKopf->setSession(session);
}

QVector<Table *> DeclarationTables::lists() const
{
    return { tbWarenPos, tbVerschluss, tbRoute, tbVorpapier, tbPackSt, tbContainer, tbUnterlage };
}

QVector<Table *> DeclarationTables::itemLists() const
{
    return { tbVorpapier, tbPackSt, tbContainer, tbUnterlage };
}

void DeclarationTables::open()
{
    createRouteTableIfMissing(tbKopf->session());
    for (Table *table : { tbKopf, tbVerschluss, tbRoute, tbWarenPos, tbVorpapier, tbPackSt, tbUnterlage, tbContainer })
        table->open();
}

void DeclarationTables::close()
{
    for (Table *table : { tbContainer, tbUnterlage, tbPackSt, tbVorpapier, tbWarenPos, tbRoute, tbVerschluss })
        table->close();
    if (m_ownsHead)
        tbKopf->close();
}

void DeclarationTables::connectNumbering(Table *list, bool perItem)
{
    // A list with gaps (an older copy) must not collide: the next number is
    // one above the highest, which is the count + 1 while there are none.
    list->beforeInsert
        = [this](platform::DataSet &dataSet) { m_nextPos = highestPos(static_cast<Table &>(dataSet)) + 1; };
    list->afterInsert = [this, perItem](platform::DataSet &dataSet) {
        if (dataSet.state() != platform::DataSetState::Insert)
            return;
        dataSet.setValue(BelegNr, tbKopf->value(BelegNr));
        if (perItem)
            dataSet.setValue(WarenPos, tbWarenPos->value(Pos));
        dataSet.setValue(Pos, m_nextPos);
    };
    if (list != tbWarenPos)
        list->afterDelete = [this](platform::DataSet &dataSet) { renumber(static_cast<Table &>(dataSet), false); };
}

void DeclarationTables::connectItemDeletion()
{
    // One transaction from the first list entry to the last renumbered item:
    // a failure anywhere leaves the declaration as it was.
    tbWarenPos->beforeDelete = [this](platform::DataSet &) {
        // An entry of the item still being edited goes with the item.
        for (Table *list : itemLists()) {
            if (list->isEditing())
                list->cancel();
        }
        platform::Database &db = tbWarenPos->database();
        db.transaction();
        m_deletingItem = true;
        try {
            deleteItemLists(tbWarenPos->value(BelegNr).toInt(), tbWarenPos->value(Pos).toInt());
        } catch (...) {
            m_deletingItem = false;
            db.rollback();
            throw;
        }
    };
    tbWarenPos->onDeleteError = [this](platform::DataSet &, const platform::DatabaseError &) {
        if (m_deletingItem) {
            m_deletingItem = false;
            tbWarenPos->database().rollback();
        }
        return platform::DataAction::Fail;
    };
    tbWarenPos->afterDelete = [this](platform::DataSet &) {
        platform::Database &db = tbWarenPos->database();
        if (!m_deletingItem) {
            renumber(*tbWarenPos, true);
            return;
        }
        m_deletingItem = false;
        try {
            renumber(*tbWarenPos, true);
        } catch (...) {
            db.rollback();
            throw;
        }
        db.commit();
    };
}

void DeclarationTables::deleteItemLists(int number, int item)
{
    runOnItemLists(QStringLiteral("DELETE FROM %1 WHERE BelegNr = ? AND WarenPos = ?"), { number, item });
}

void DeclarationTables::moveItemLists(int number, int from, int to)
{
    runOnItemLists(
        QStringLiteral("UPDATE %1 SET WarenPos = ? WHERE BelegNr = ? AND WarenPos = ?"), { to, number, from });
}

void DeclarationTables::runOnItemLists(const QString &statement, const QVariantList &values)
{
    for (Table *list : itemLists()) {
        platform::Query query(platform::Alias::Data, statement.arg(list->schema().tableName()));
        query.setSession(&list->session());
        for (const QVariant &value : values)
            query.addBindValue(value);
        query.execSql();
    }
}

void DeclarationTables::renumber(Table &list, bool movesItemLists)
{
    if (list.isEmpty())
        return;
    const platform::Bookmark current = list.bookmark();
    list.disableControls();
    auto back = qScopeGuard([&list, &current] {
        if (list.bookmarkValid(current))
            list.gotoBookmark(current);
        list.enableControls();
    });
    // Going up, each entry only ever takes a smaller number that is free.
    int expected = 1;
    for (list.first(); !list.eof(); list.next(), ++expected) {
        const int pos = list.value(Pos).toInt();
        if (pos == expected)
            continue;
        if (movesItemLists)
            moveItemLists(list.value(BelegNr).toInt(), pos, expected);
        list.edit();
        list.setValue(Pos, expected);
        list.post();
    }
}

} // namespace atlas
