#pragma once

#include "intrastat/intrastattables.h"
#include "masterdata/masterdatatables.h"
#include "orders/ordertables.h"
#include "platform/field.h"
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

#include <QDialog>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <memory>

// A fresh data directory with the master, order and Intrastat tables, the
// scripted dialogs service and recording printers (203 x 289 mm printable).
class IntrastatTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        masterdata::registerMasterdataTables();
        shell::registerUserTables();
        orders::registerOrderTables();
        intrastat::registerIntrastatTables();
        shell::resetMainState();
        directory = std::make_unique<testsupport::TestProgramDirectory>();
    }

    void TearDown() override { directory.reset(); }

    static void insert(const QString &table, const QVariantMap &values) { testsupport::insertRecord(table, values); }

    // A declaration head with its number and values.
    static void addHead(const QString &table, int number, const QVariantMap &values = {})
    {
        QVariantMap record = values;
        record.insert(QStringLiteral("belegnr"), number);
        insert(table, record);
    }

    static void addPosition(const QString &table, int number, int pos, const QVariantMap &values = {})
    {
        QVariantMap record = values;
        record.insert(QStringLiteral("belegnr"), number);
        record.insert(QStringLiteral("Pos"), pos);
        insert(table, record);
    }

    static QString stored(const QString &table, const QVariantList &key, const QString &field)
    {
        platform::Table t(platform::Alias::Data, table);
        t.open();
        if (!t.findKey(key))
            return QStringLiteral("<none>");
        return t.fieldByName(field).asString();
    }

    // The values of a field of a declaration's positions in position order.
    static QStringList positionColumn(const QString &table, int number, const QString &field)
    {
        platform::Table t(platform::Alias::Data, table);
        t.open();
        t.setRange({ number }, { number });
        QStringList values;
        for (t.first(); !t.eof(); t.next())
            values.append(t.fieldByName(field).asString());
        return values;
    }

    static void setParameter(const QString &field, const QVariant &value) { testsupport::setParameter(field, value); }

    // Closes the next modal window with the given result after reading it.
    static void closeNextModal(const std::function<void(QDialog *)> &read = {}, int result = QDialog::Rejected)
    {
        testsupport::onNextModal([read, result](QDialog *dialog) {
            if (read)
                read(dialog);
            if (result == QDialog::Rejected)
                dialog->reject();
            else
                dialog->done(result);
        });
    }

    std::unique_ptr<testsupport::TestProgramDirectory> directory;
    platform::ScriptedDialogService dialogs;
    platform::DialogServiceGuard guard { dialogs };
    testsupport::RecordingPrinters printers;
};
