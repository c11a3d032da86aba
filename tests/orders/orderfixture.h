#pragma once

#include "masterdata/masterdatatables.h"
#include "orders/ordertables.h"
#include "platform/field.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "shell/mainstate.h"
#include "shell/users.h"
#include "support/testprogramdirectory.h"

#include <QVariantMap>

#include <gtest/gtest.h>

#include <memory>

// A fresh data directory with the order and master tables and the scripted
// dialogs service.
class OrderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        masterdata::registerMasterdataTables();
        shell::registerUserTables();
        orders::registerOrderTables();
        shell::resetMainState();
        directory = std::make_unique<testsupport::TestProgramDirectory>();
    }

    void TearDown() override { directory.reset(); }

    // Appends one record with the values given by field name.
    static void insert(const QString &table, const QVariantMap &values)
    {
        testsupport::insertRecord(table, values);
    }

    static void setParameter(const QString &field, const QVariant &value) { testsupport::setParameter(field, value); }

    // The values of one field of every record of the table, in key order,
    // of one order (or all rows when number is 0).
    static QStringList column(const QString &table, const QString &field, int number = 0)
    {
        platform::Table t(platform::Alias::Data, table);
        t.open();
        if (number != 0)
            t.setRange({ number }, { number });
        QStringList values;
        const int index = t.fieldIndex(field);
        for (int i = 0; i < t.recordCount(); ++i)
            values.append(t.rowAt(i).value(index).toString());
        return values;
    }

    static int count(const QString &table, int number)
    {
        platform::Table t(platform::Alias::Data, table);
        t.open();
        t.setRange({ number }, { number });
        return t.recordCount();
    }

    std::unique_ptr<testsupport::TestProgramDirectory> directory;
    platform::ScriptedDialogService dialogs;
    platform::DialogServiceGuard guard { dialogs };
};
