#pragma once

#include <QObject>
#include <QVariantList>
#include <QVector>

namespace platform {
class Session;
class Table;
}

namespace atlas {

// The eight open tables of the electronic export declaration as the register
// owns them, with the rules every window that edits them relies on:
//
// - the goods items, seals and route follow the current head, the previous
//   documents, packages, containers and supporting documents follow the
//   current goods item;
// - a new entry of a list takes the head's number, in a list of an item the
//   item's Pos as WarenPos, and the next number of its owner as Pos;
// - after an entry is deleted the rest of its owner's entries are numbered
//   1, 2, 3 ... again;
// - deleting a goods item deletes its four lists first; when the remaining
//   items are numbered again, their lists move with them to the new number,
//   all in the one transaction of the deletion.
//
// The component names are those the entry and list windows bind to.
class DeclarationTables : public QObject
{
    Q_OBJECT
public:
    explicit DeclarationTables(QObject *parent = nullptr);
    // The lists follow a head table of the caller's (the register's own),
    // which the caller opens and closes.
    DeclarationTables(platform::Table *head, QObject *parent);
    ~DeclarationTables() override;

    void setSession(platform::Session *session);

    // Creates the route table when the data directory lacks it, then opens
    // head, seals, route, goods items, previous documents, packages,
    // supporting documents and containers, in this order.
    void open();
    void close();

    platform::Table *tbKopf;
    platform::Table *tbWarenPos;
    platform::Table *tbVerschluss;
    platform::Table *tbRoute;
    platform::Table *tbVorpapier;
    platform::Table *tbPackSt;
    platform::Table *tbContainer;
    platform::Table *tbUnterlage;

    // The seven lists, head lists first.
    QVector<platform::Table *> lists() const;
    // The four lists of a goods item, in the order a deletion empties them.
    QVector<platform::Table *> itemLists() const;

private:
    void connectNumbering(platform::Table *list, bool perItem);
    void connectItemDeletion();
    void renumber(platform::Table &list, bool movesItemLists);
    void moveItemLists(int number, int from, int to);
    void deleteItemLists(int number, int item);
    // Runs the statement ("%1" the table) on each of the four item lists.
    void runOnItemLists(const QString &statement, const QVariantList &values);

    int m_nextPos = 0; // the number remembered before an insertion
    bool m_ownsHead = true;
    bool m_deletingItem = false;
};

} // namespace atlas
