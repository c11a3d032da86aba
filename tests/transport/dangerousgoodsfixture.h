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
#include "shell/users.h"
#include "support/documentfixture.h"
#include "transport/dangerousgoodstables.h"

#include <QVariantMap>

#include <gtest/gtest.h>

#include <memory>

// A fresh data directory with the master tables and the dangerous-goods
// tables and rows, the scripted dialogs service and recording printers
// (203 x 289 mm printable: a form position (x, y) lands at (x - 35, 40 - y)).
class DangerousGoodsTest : public testsupport::DocumentTest
{
protected:
    DangerousGoodsTest()
        : DocumentTest(transport::registerDangerousGoodsTables)
    {
    }

    void SetUp() override
    {
        DocumentTest::SetUp();
        shell::prepareDataDirectory(directory->session());
        transport::addDangerousGoodsRows(directory->session());
    }

    void restart()
    {
        printers.canvas().clear();
        DocumentTest::restart();
    }

    static void addLines(int number, int count)
    {
        for (int pos = 1; pos <= count; ++pos) {
            testsupport::insertRecord(transport::DangerousGoodsTables::ShippersLines,
                { { "BelegNr", number }, { "Pos", pos }, { "S9", QString("UN%1").arg(pos) } });
        }
    }

    static QStringList linesOf(int number)
    {
        platform::Table t(platform::Alias::Data, transport::DangerousGoodsTables::ShippersLines);
        t.open();
        QStringList lines;
        for (t.first(); !t.eof(); t.next()) {
            if (t.fieldByName("BelegNr").asInteger() == number)
                lines << t.fieldByName("Pos").asString() + ":" + t.fieldByName("S9").asString();
        }
        return lines;
    }

    // The user's print row, copied from the data directory's master copy.
    static void setPrintRow(const QString &name, const QString &schnittst, int copies = 1)
    {
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        shell::addMissingPrintRow(rows, name, QStringLiteral("-1"));
        rows.edit();
        rows.fieldByName(QStringLiteral("schnittst")).setAsString(schnittst);
        rows.fieldByName(QStringLiteral("Anzahl_Kopien")).setAsInteger(copies);
        rows.post();
    }

    static void setCorrection(const QString &row, const QString &field, int value)
    {
        platform::Table corrections(platform::Alias::Data, shell::FieldCorrectionsTable);
        corrections.open();
        ASSERT_TRUE(corrections.findKey({ row })) << row.toStdString();
        corrections.edit();
        corrections.fieldByName(field).setAsInteger(value);
        corrections.post();
    }
};
