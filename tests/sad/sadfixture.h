#pragma once

#include "masterdata/masterdatatables.h"
#include "origin/origintables.h"
#include "platform/field.h"
#include "platform/schemaregistry.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "sad/sadtables.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/parameterrecord.h"
#include "support/testprogramdirectory.h"

#include <QVariantMap>

#include <gtest/gtest.h>

#include <memory>

// A fresh data directory with the master tables, the origin documents and
// the tables of the single administrative document, and the scripted
// dialogs service.
class SadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        masterdata::registerMasterdataTables();
        origin::registerOriginTables();
        sad::registerSadTables();
        shell::resetMainState();
        directory = std::make_unique<testsupport::TestProgramDirectory>();
    }

    void TearDown() override { directory.reset(); }

    // A fresh program directory for the next case of a table.
    void restart()
    {
        TearDown();
        dialogs.clear();
        SetUp();
    }

    // An export declaration head with the values by field name.
    static void addDeclaration(int number, const QVariantMap &values = {})
    {
        QVariantMap record = values;
        record.insert(QStringLiteral("belegnr"), number);
        testsupport::insertRecord(sad::Tables::Einheit, record);
    }

    // A goods item of a declaration.
    static void addItem(int number, int item, const QVariantMap &values = {})
    {
        QVariantMap record = values;
        record.insert(QStringLiteral("belegnr"), number);
        record.insert(QStringLiteral("pos"), item);
        testsupport::insertRecord(sad::Tables::Einfolg, record);
    }

    // A row of any declaration table; the key values go into the table's
    // first fields, whatever their spelling.
    static void addKeyed(const QString &table, const QVariantList &key, const QVariantMap &values = {})
    {
        QVariantMap record = values;
        {
            platform::Table t(platform::Alias::Data, table);
            t.open();
            for (int i = 0; i < key.size(); ++i)
                record.insert(t.field(i).fieldName(), key.at(i));
        }
        testsupport::insertRecord(table, record);
    }

    // The item numbers of a document in an item table keyed on (number, item).
    static QList<int> itemNumbers(const QString &table, int number)
    {
        platform::Table t(platform::Alias::Data, table);
        t.open();
        QList<int> numbers;
        for (t.first(); !t.eof(); t.next()) {
            if (t.field(0).asInteger() == number)
                numbers.append(t.field(1).asInteger());
        }
        return numbers;
    }

    static QString stored(const QString &table, const QVariantList &key, const QString &field)
    {
        platform::Table t(platform::Alias::Data, table);
        t.open();
        if (!t.findKey(key))
            return QStringLiteral("<none>");
        return t.fieldByName(field).asString();
    }

    static QString head(int number, const QString &field) { return stored(sad::Tables::Einheit, { number }, field); }
    static QString item(int number, int position, const QString &field)
    {
        return stored(sad::Tables::Einfolg, { number, position }, field);
    }

    // The item numbers of a declaration in key order.
    static QList<int> items(int number)
    {
        platform::Table t(platform::Alias::Data, sad::Tables::Einfolg);
        t.open();
        QList<int> numbers;
        for (t.first(); !t.eof(); t.next()) {
            if (t.fieldByName(QStringLiteral("belegnr")).asInteger() == number)
                numbers.append(t.fieldByName(QStringLiteral("pos")).asInteger());
        }
        return numbers;
    }

    static void setParameter(const QString &field, const QVariant &value) { testsupport::setParameter(field, value); }

    static QString parameterValue(const QString &field) { return testsupport::parameterValue(field); }

    std::unique_ptr<testsupport::TestProgramDirectory> directory;
    platform::ScriptedDialogService dialogs;
    platform::DialogServiceGuard guard { dialogs };
};
