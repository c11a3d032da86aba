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

using testsupport::snapshot;

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
