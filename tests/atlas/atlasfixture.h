#pragma once

#include "atlas/atlastables.h"
#include "atlas/exportunit.h"
#include "platform/clock.h"
#include "platform/database.h"
#include "platform/schemaregistry.h"
#include "platform/scripteddialogservice.h"
#include "platform/session.h"
#include "platform/table.h"
#include "support/testprogramdirectory.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

#include <gtest/gtest.h>

#include <memory>

// A fresh data directory with the ATLAS tables, the scripted dialogs
// service, a user data folder of its own (XDG_DATA_HOME in a temporary
// folder, never the real home) and the clock at 15 March 2024 14:30:05.
class AtlasTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        atlas::registerAtlasTables();
        directory = std::make_unique<testsupport::TestProgramDirectory>();
        m_previousDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.path()));
        platform::Clock::setFixed(QDateTime(QDate(2024, 3, 15), QTime(14, 30, 5)));
    }

    void TearDown() override
    {
        platform::Clock::setFixed(QDateTime(QDate(2024, 3, 5), QTime(14, 3, 9)));
        if (m_previousDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_previousDataHome);
        directory.reset();
    }

    // The ATLAS client's import folder, which the program never creates.
    QString createImportFolder()
    {
        QDir().mkpath(atlas::handOverFolder());
        return atlas::handOverFolder();
    }

    // Appends a row with the values as given, bypassing the field widths,
    // so that a file shows exactly what was stored.
    static void insertRow(const QString &table, const QVariantMap &values)
    {
        platform::Database &db = platform::Session::current().database(platform::Alias::Data);
        QStringList names;
        QStringList marks;
        QVariantList bound;
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            names.append(db.quote(it.key()));
            marks.append(QStringLiteral("?"));
            bound.append(it.value());
        }
        db.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                    .arg(platform::TableSchema::tableNameOf(table), names.join(QLatin1Char(',')),
                        marks.join(QLatin1Char(','))),
            bound);
    }

    static void addHead(int number, const QVariantMap &values = {})
    {
        QVariantMap row = values;
        row.insert(QStringLiteral("BelegNr"), number);
        insertRow(atlas::Tables::Kopf, row);
    }

    static void addItem(int number, int pos, const QVariantMap &values = {})
    {
        QVariantMap row = values;
        row.insert(QStringLiteral("BelegNr"), number);
        row.insert(QStringLiteral("Pos"), pos);
        insertRow(atlas::Tables::Ware, row);
    }

    static void addHeadEntry(const QString &table, int number, int pos, const QString &field, const QString &value)
    {
        insertRow(table, { { QStringLiteral("BelegNr"), number }, { QStringLiteral("Pos"), pos }, { field, value } });
    }

    static void addItemEntry(const QString &table, int number, int item, int pos, const QVariantMap &values = {})
    {
        QVariantMap row = values;
        row.insert(QStringLiteral("BelegNr"), number);
        row.insert(QStringLiteral("WarenPos"), item);
        row.insert(QStringLiteral("Pos"), pos);
        insertRow(table, row);
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    std::unique_ptr<testsupport::TestProgramDirectory> directory;
    QTemporaryDir dataHome;
    platform::ScriptedDialogService dialogs;
    platform::DialogServiceGuard guard { dialogs };

private:
    QByteArray m_previousDataHome;
};
