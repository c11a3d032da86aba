#pragma once

#include "masterdata/masterdatatables.h"
#include "platform/field.h"
#include "platform/fieldvalue.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/mainstate.h"
#include "support/recordingprinters.h"
#include "support/testprogramdirectory.h"

#include <QStringList>
#include <QVariantMap>
#include <QVector>

#include <gtest/gtest.h>

#include <memory>

// Every record of a table in the order of the given fields, each field as
// text.
inline QVector<QStringList> snapshot(const QString &table, const QString &order)
{
    platform::Table t(platform::Alias::Data, table);
    t.setIndexFieldNames(order);
    t.open();
    QVector<QStringList> rows;
    for (int r = 0; r < t.recordCount(); ++r) {
        const QVector<QVariant> values = t.rowAt(r);
        QStringList texts;
        for (int i = 0; i < t.fieldCount(); ++i)
            texts.append(platform::valueToText(t.fieldDef(i).type, values.at(i)));
        rows.append(texts);
    }
    return rows;
}

// A fresh data directory with the master tables, the scripted dialogs
// service and recording printers.
class MasterDataTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        masterdata::registerMasterdataTables();
        shell::resetMainState();
        directory = std::make_unique<testsupport::TestProgramDirectory>();
    }

    void TearDown() override { directory.reset(); }

    // Appends one record with the values given by field name.
    static void insert(const QString &table, const QVariantMap &values) { testsupport::insertRecord(table, values); }

    // The values of one field of every record in the table's current order.
    static QStringList column(platform::DataSet &set, const QString &field)
    {
        QStringList values;
        const int index = set.fieldIndex(field);
        for (int i = 0; i < set.recordCount(); ++i)
            values.append(set.rowAt(i).value(index).toString());
        return values;
    }

    std::unique_ptr<testsupport::TestProgramDirectory> directory;
    platform::ScriptedDialogService dialogs;
    platform::DialogServiceGuard guard { dialogs };
    testsupport::RecordingPrinters printers;
};
