#pragma once

#include "masterdata/masterdatatables.h"
#include "platform/field.h"
#include "platform/schemaregistry.h"
#include "platform/scripteddialogservice.h"
#include "platform/table.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"
#include "shell/parameterrecord.h"
#include "shell/printsettings.h"
#include "support/recordingprinters.h"
#include "support/testprogramdirectory.h"

#include <QVariantMap>

#include <gtest/gtest.h>

#include <memory>

namespace testsupport {

// A fresh data directory with the master tables and the tables a document
// family registers, the scripted dialogs service and recording printers
// (203 x 289 mm printable).
class DocumentTest : public ::testing::Test
{
protected:
    explicit DocumentTest(void (*registerTables)())
        : m_registerTables(registerTables)
    {
    }

    void SetUp() override
    {
        masterdata::registerMasterdataTables();
        m_registerTables();
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

    // Appends a record: field 0 := number, then the values by field name.
    static void addRecord(const QString &table, int number, const QVariantMap &values = {})
    {
        QVariantMap record = values;
        record.insert(platform::SchemaRegistry::instance().find(table)->fieldAt(0).name, number);
        testsupport::insertRecord(table, record);
    }

    static QString stored(const QString &table, int number, const QString &field)
    {
        platform::Table t(platform::Alias::Data, table);
        t.open();
        if (!t.findKey({ number }))
            return QStringLiteral("<none>");
        return t.fieldByName(field).asString();
    }

    static void setParameter(const QString &field, const QVariant &value) { testsupport::setParameter(field, value); }

    static QString parameterValue(const QString &field) { return testsupport::parameterValue(field); }

    // A row of the user's print settings.
    static void addPrintRow(const QString &name, const QString &schnittst = QStringLiteral("0"), int spalte = 0,
        int zeile = 0, int copies = 1)
    {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        rows.append();
        rows.fieldByName(QStringLiteral("name")).setAsString(name);
        rows.fieldByName(QStringLiteral("schnittst")).setAsString(schnittst);
        rows.fieldByName(QStringLiteral("spalte")).setAsInteger(spalte);
        rows.fieldByName(QStringLiteral("zeile")).setAsInteger(zeile);
        rows.fieldByName(QStringLiteral("Anzahl_Kopien")).setAsInteger(copies);
        rows.post();
    }

    static QString printRowValue(const QString &name, const QString &field)
    {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        if (!rows.findKey({ name }))
            return QStringLiteral("<none>");
        return rows.fieldByName(field).asString();
    }

    std::unique_ptr<testsupport::TestProgramDirectory> directory;
    platform::ScriptedDialogService dialogs;
    platform::DialogServiceGuard guard { dialogs };
    testsupport::RecordingPrinters printers;

private:
    void (*m_registerTables)();
};

} // namespace testsupport
