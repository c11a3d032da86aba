#pragma once

#include "masterdata/masterdatatables.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/schemaregistry.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "shell/mainstate.h"
#include "shell/parameterrecord.h"
#include "shell/printsettings.h"
#include "shell/users.h"
#include "support/modaldialog.h"
#include "support/recordingprinters.h"
#include "support/testprogramdirectory.h"
#include "transport/deliverynotetables.h"
#include "transport/packinglisttables.h"
#include "transport/transporttables.h"

#include <QDialog>
#include <QLocale>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <memory>

// A fresh data directory with the master and transport tables, the scripted
// dialogs service and recording printers (203 x 289 mm printable).
class TransportTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        masterdata::registerMasterdataTables();
        shell::registerUserTables();
        transport::registerTransportTables();
        shell::resetMainState();
        platform::setWorkstationLocale(QLocale(QLocale::German, QLocale::Germany));
        directory = std::make_unique<testsupport::TestProgramDirectory>();
    }

    void TearDown() override { directory.reset(); }

    static void insert(const QString &table, const QVariantMap &values) { testsupport::insertRecord(table, values); }

    static void addHead(const QString &table, const QString &numberField, int number, const QVariantMap &values = {})
    {
        QVariantMap record = values;
        record.insert(numberField, number);
        insert(table, record);
    }

    // A packing-list line numbered as given.
    static void addLine(int number, const QString &lineNumber, const QVariantMap &values = {})
    {
        QVariantMap record = values;
        record.insert(QStringLiteral("belegnr"), number);
        record.insert(QStringLiteral("auftrnr"), lineNumber);
        insert(transport::PackingListTables::Lines, record);
    }

    static void addNotePosition(int number, int pos, const QVariantMap &values = {})
    {
        QVariantMap record = values;
        record.insert(QStringLiteral("BelegNr"), number);
        record.insert(QStringLiteral("Pos"), pos);
        insert(transport::DeliveryNoteTables::Positions, record);
    }

    static QString stored(const QString &table, const QVariantList &key, const QString &field)
    {
        platform::Table t(platform::Alias::Data, table);
        t.open();
        if (!t.findKey(key))
            return QStringLiteral("<none>");
        return t.fieldByName(field).asString();
    }

    // The values of a field of a document's lines in their order.
    static QStringList lineColumn(const QString &table, int number, const QString &field)
    {
        platform::Table t(platform::Alias::Data, table);
        t.open();
        t.setFilter({ platform::FilterCondition::equal(t.fieldDef(0).name, number) });
        t.setFiltered(true);
        QStringList values;
        for (t.first(); !t.eof(); t.next())
            values.append(t.fieldByName(field).asString());
        return values;
    }

    static int count(const QString &table)
    {
        platform::Table t(platform::Alias::Data, table);
        t.open();
        return t.recordCount();
    }

    static void setParameter(const QString &field, const QVariant &value) { testsupport::setParameter(field, value); }

    std::unique_ptr<testsupport::TestProgramDirectory> directory;
    platform::ScriptedDialogService dialogs;
    platform::DialogServiceGuard guard { dialogs };
    testsupport::RecordingPrinters printers;
};
