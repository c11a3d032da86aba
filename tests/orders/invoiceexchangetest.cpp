#include "orderfixture.h"

#include "masterdata/delimitedtext.h"
#include "masterdata/masterdataexchange.h"
#include "masterdata/tfrmdatenbank.h"
#include "orders/invoiceexchange.h"
#include "orders/tfrmrechnungimport.h"
#include "orders/tfrmregieauftragsdaten.h"
#include "platform/fieldvalue.h"
#include "platform/query.h"
#include "platform/schemaregistry.h"
#include "shell/documentroutines.h"
#include "shell/settings.h"
#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

using namespace orders;
using masterdata::ExchangeFormat;
using platform::DialogKind;
using shell::TemplateNumber;

namespace {

using Rows = QVector<QStringList>;

QVector<platform::FieldDef> fieldsOf(const QString &table)
{
    return platform::SchemaRegistry::instance().find(table)->fields();
}

// Every record of the table in key order, each field as text.
Rows rows(const QString &table)
{
    return testsupport::snapshot(table);
}

// A delimited line of the table's fields in table order from the values
// given by name, text fields enclosed; `count` values (all when -1).
QString line(const QString &table, const QVariantMap &values, int count = -1)
{
    const QVector<platform::FieldDef> fields = fieldsOf(table);
    QStringList texts;
    for (int i = 0; i < (count < 0 ? fields.size() : count); ++i) {
        const platform::FieldDef &field = fields.at(i);
        const QString text = values.value(field.name).toString();
        texts.append(platform::isTextType(field.type) ? masterdata::delimitedValue(text, u'"') : text);
    }
    return texts.join(u';');
}

QString header(const QString &table, const QStringList &renamed = {}, const QStringList &further = {})
{
    QStringList names;
    for (const platform::FieldDef &field : fieldsOf(table))
        names.append(masterdata::delimitedValue(field.name, u'"'));
    for (int i = 0; i < renamed.size(); ++i)
        names[i] = masterdata::delimitedValue(renamed.at(i), u'"');
    for (const QString &name : further)
        names.append(masterdata::delimitedValue(name, u'"'));
    return names.join(u';');
}

} // namespace

class InvoiceExchangeTest : public OrderTest
{
protected:
    QString path(const QString &name) const { return files.filePath(name); }

    void writeFile(const QString &name, const QStringList &lines)
    {
        QFile out(path(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }

    static void addOrder(int number, const QString &name = {})
    {
        insert(Tables::Orders,
            { { "Belegnr", number }, { "Redatum", QDate(2026, 3, number % 28 + 1) }, { "kunde1", name } });
    }

    // A window on the chooser's format with the delimiter '"' and the
    // separator ';'.
    struct Windows {
        masterdata::TfrmDatenbank chooser;
        TfrmRechnungimport window { &chooser };
        explicit Windows(ExchangeFormat format = ExchangeFormat::DelimitedText)
        {
            chooser.setFormat(int(format));
            chooser.separatorBox()->setEditText(QStringLiteral(";"));
            chooser.delimiterBox()->setEditText(QStringLiteral("\""));
            window.openTables();
        }
    };

    // Opens the pair and imports it from the start number given.
    void import(const QString &heads, const QString &positions, const QString &start,
        ExchangeFormat format = ExchangeFormat::DelimitedText)
    {
        Windows windows(format);
        dialogs.answerText(path(heads));
        dialogs.answerText(path(positions));
        windows.window.openDatabase();
        dialogs.answerText(start);
        windows.window.importData();
    }

    QTemporaryDir files;
};

TEST_F(InvoiceExchangeTest, HeadsTakeTheFreeNumbersFromTheStartAndBringTheirPositions)
{
    for (int number : { 1, 2, 3, 4, 5, 8 })
        addOrder(number, QString("Bestand %1").arg(number));
    addOrder(TemplateNumber);
    // A further field after the table's fields is allowed and left out; a
    // position line cut short leaves the rest of its fields empty.
    writeFile("heads.txt",
        { header(Tables::Orders, {}, { "Extra" }),
            line(Tables::Orders, { { "Belegnr", 100 }, { "Redatum", "01.02.2026" }, { "kunde1", "Erste" } }) + ";x",
            line(Tables::Orders, { { "Belegnr", 300 }, { "Redatum", "02.02.2026 10:30:00" }, { "kunde1", "Zweite" } }),
            line(Tables::Orders, { { "Belegnr", 200 }, { "Redatum", "03.02.2026" }, { "kunde1", "Dritte" } }) });
    writeFile("positions.txt",
        { header(Tables::Positions),
            line(Tables::Positions, { { "Belegnr", 200 }, { "Pos", 1 }, { "bez1", "B-eins" }, { "anzahl", 3 } }),
            line(
                Tables::Positions, { { "Belegnr", 100 }, { "Pos", 1 }, { "bez1", "A-eins" }, { "einzpreis", "12,5" } }),
            line(Tables::Positions, { { "Belegnr", 999 }, { "Pos", 1 }, { "bez1", "ohne Kopf" } }),
            line(Tables::Positions, { { "Belegnr", 100 }, { "Pos", 2 }, { "bez1", "A-zwei" } }, 3) });

    import("heads.txt", "positions.txt", "1");

    // The proposal is the order before the template.
    const QVector<platform::DialogCall> inputs = dialogs.calls(DialogKind::Input);
    ASSERT_EQ(inputs.size(), 1);
    EXPECT_EQ(inputs.first().text, "Rechnungen Importieren ab BelegNr.");
    EXPECT_EQ(inputs.first().preset, "8");
    EXPECT_TRUE(dialogs.calls(DialogKind::Error).isEmpty()) << dialogs.texts().join(" | ").toStdString();

    EXPECT_EQ(column(Tables::Orders, "Belegnr"),
        QStringList({ "1", "2", "3", "4", "5", "6", "7", "8", "9", QString::number(TemplateNumber) }));
    EXPECT_EQ(column(Tables::Orders, "kunde1", 6), QStringList { "Erste" });
    EXPECT_EQ(column(Tables::Orders, "kunde1", 7), QStringList { "Zweite" });
    EXPECT_EQ(column(Tables::Orders, "kunde1", 9), QStringList { "Dritte" });
    EXPECT_EQ(column(Tables::Orders, "Redatum", 7), QStringList { "2026-02-02" });
    EXPECT_EQ(column(Tables::Positions, "bez1", 6), QStringList({ "A-eins", "A-zwei" }));
    EXPECT_EQ(column(Tables::Positions, "einzpreis", 6), QStringList({ "12.5", "" }));
    EXPECT_EQ(count(Tables::Positions, 7), 0); // a head without positions comes alone
    EXPECT_EQ(column(Tables::Positions, "bez1", 9), QStringList { "B-eins" });
    EXPECT_EQ(column(Tables::Positions, "anzahl", 9), QStringList { "3" });
    EXPECT_EQ(rows(Tables::Positions).size(), 3); // the position without head stays out
}

TEST_F(InvoiceExchangeTest, AFailedImportLeavesBothTablesAsTheyWere)
{
    addOrder(1, "Bestand");
    insert(Tables::Positions, { { "Belegnr", 1 }, { "Pos", 1 }, { "bez1", "bleibt" } });
    addOrder(TemplateNumber);
    const QString good = line(Tables::Orders, { { "Belegnr", 10 }, { "Redatum", "01.02.2026" }, { "kunde1", "A" } });
    const QString positions = line(Tables::Positions, { { "Belegnr", 10 }, { "Pos", 1 }, { "bez1", "P" } });
    const QString structure = QStringLiteral("Die Struktur Ihrer Datenbank entspricht nicht\r               der "
                                             "Vorgabe-Struktur!");
    struct Case {
        const char *what;
        QStringList heads;
        QStringList positions;
        QString start;
        QString message; // the beginning of the one error shown
    };
    const QVector<Case> cases = {
        { "a wrong field name", { header(Tables::Orders, { "Nummer" }), good },
            { header(Tables::Positions), positions }, "1", structure },
        { "a position file with fewer fields", { header(Tables::Orders), good },
            { header(Tables::Positions).section(u';', 0, 5), positions }, "1", structure },
        { "a bad date in the third head",
            { header(Tables::Orders), good, good,
                line(Tables::Orders, { { "Belegnr", 11 }, { "Redatum", "31.02.2026" } }) },
            { header(Tables::Positions), positions }, "1", "" },
        { "a head number that is no number",
            { header(Tables::Orders), good, line(Tables::Orders, { { "Belegnr", "zehn" } }) },
            { header(Tables::Positions), positions }, "1", "Die Rechnung 2 hat keine gültige BelegNr." },
        { "two positions of one order with one line number", { header(Tables::Orders), good },
            { header(Tables::Positions), positions, positions }, "1", "" },
        { "a start number that is no number", { header(Tables::Orders), good },
            { header(Tables::Positions), positions }, "1a", "Sie haben keine gültige BelegNr. eingegeben!" },
        { "a start number of 0", { header(Tables::Orders), good }, { header(Tables::Positions), positions }, "0",
            "Sie haben keine gültige BelegNr. eingegeben!" },
        { "the template's number", { header(Tables::Orders), good }, { header(Tables::Positions), positions },
            QString::number(TemplateNumber), "Sie haben keine gültige BelegNr. eingegeben!" },
        { "a second head that would take the template's number", { header(Tables::Orders), good, good },
            { header(Tables::Positions), positions }, QString::number(TemplateNumber - 1),
            "Sie haben keine gültige BelegNr. eingegeben!" },
    };
    const Rows ordersBefore = rows(Tables::Orders);
    const Rows positionsBefore = rows(Tables::Positions);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        dialogs.clear();
        writeFile("heads.txt", c.heads);
        writeFile("positions.txt", c.positions);
        import("heads.txt", "positions.txt", c.start);
        const QVector<platform::DialogCall> errors = dialogs.calls(DialogKind::Error);
        ASSERT_EQ(errors.size(), 1);
        EXPECT_TRUE(errors.first().text.startsWith(c.message)) << errors.first().text.toStdString();
        EXPECT_EQ(rows(Tables::Orders), ordersBefore);
        EXPECT_EQ(rows(Tables::Positions), positionsBefore);
    }
}

TEST_F(InvoiceExchangeTest, AnExportedPairImportsUnchanged)
{
    insert(Tables::Orders,
        { { "Belegnr", 1 }, { "Redatum", QDate(2026, 5, 17) }, { "ReMwst", 19.0 }, { "kunde1", "Müller & Söhne; GmbH" },
            { "kunde2", "Sagt \"Grüß Gott\"" }, { "kunde3", "O'Neill, Smith" }, { "aufnr", "\"" },
            { "zabed1", "Zahlbar in 30 Tagen, 2 % Skonto" }, { "Waehrung", "CHF" } });
    insert(Tables::Positions,
        { { "Belegnr", 1 }, { "Pos", 1 }, { "bez1", "Schrauben \"M8\"; verzinkt" }, { "anzahl", 250 },
            { "einzpreis", 0.125 }, { "netto", 12.5 }, { "urland", "DE" }, { "Praefberech", true } });
    insert(Tables::Positions, { { "Belegnr", 1 }, { "Pos", 3 }, { "bez1", "Öse, groß" }, { "BesMassEinheit", true } });
    addOrder(TemplateNumber);
    insert(Tables::Positions, { { "Belegnr", TemplateNumber }, { "Pos", 1 }, { "bez1", "Vorlage" } });

    for (ExchangeFormat format : { ExchangeFormat::DelimitedText, ExchangeFormat::Paradox, ExchangeFormat::DBase }) {
        SCOPED_TRACE(int(format));
        dialogs.clear();
        const QString extension = format == ExchangeFormat::Paradox ? ".DB"
            : format == ExchangeFormat::DBase                       ? ".DBF"
                                                                    : ".TXT";
        const QString heads = path("rechnung" + QString::number(int(format)) + extension);
        const QString positions = path("artikel" + QString::number(int(format)) + extension);
        {
            Windows windows(format);
            dialogs.answerText(heads);
            dialogs.answerText(positions);
            windows.window.exportData();
            const QVector<platform::DialogCall> saves = dialogs.calls(DialogKind::SaveFile);
            ASSERT_EQ(saves.size(), 2);
            EXPECT_EQ(saves.at(0).caption, "Speichern unter   *Rechnung*");
            EXPECT_EQ(saves.at(1).caption, "Speichern unter   *Artikel*");
            // A table file is shown below with its name.
            EXPECT_EQ(windows.window.headFileGrid()->isHidden(), format == ExchangeFormat::DelimitedText);
            if (format != ExchangeFormat::DelimitedText) {
                EXPECT_EQ(windows.window.tbImport2().recordCount(), 3);
            }
        }
        const Rows ordersBefore = rows(Tables::Orders);
        const Rows positionsBefore = rows(Tables::Positions);
        // The pair into an empty installation: the same numbers from 1.
        {
            platform::Table orders(platform::Alias::Data, Tables::Orders);
            orders.emptyTable();
            platform::Table lines(platform::Alias::Data, Tables::Positions);
            lines.emptyTable();
        }
        import(QFileInfo(heads).fileName(), QFileInfo(positions).fileName(), "1", format);
        EXPECT_TRUE(dialogs.calls(DialogKind::Error).isEmpty()) << dialogs.texts().join(" | ").toStdString();
        // The template came as order 2 and is put back.
        platform::Query(platform::Alias::Data, "UPDATE RECHNUNG SET Belegnr = 2000000000 WHERE Belegnr = 2").execSql();
        platform::Query(platform::Alias::Data, "UPDATE ARTIKE SET Belegnr = 2000000000 WHERE Belegnr = 2").execSql();
        EXPECT_EQ(rows(Tables::Orders), ordersBefore);
        EXPECT_EQ(rows(Tables::Positions), positionsBefore);
    }
    // Delimiters inside texts are doubled in the file.
    QFile written(path("rechnung3.TXT"));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(QString::fromLatin1(written.readAll()).contains("\"Sagt \"\"Gr"));
}

TEST_F(InvoiceExchangeTest, OpeningAndExportingNeedAFormat)
{
    addOrder(TemplateNumber);
    Windows windows(ExchangeFormat::None);
    dialogs.answerCancel();
    windows.window.openDatabase();
    windows.window.exportData();
    EXPECT_EQ(dialogs.texts(),
        QStringList({ "Es wurde kein Datenbank-Format gewählt", "Öffnen   *Rechnung*",
            "Es wurde kein Datenbank-Format gewählt" }));
    // Only the template: the proposal is its number.
    EXPECT_EQ(proposedStartNumber(), QString::number(TemplateNumber));
}

TEST_F(InvoiceExchangeTest, TheRegistersDatenImportOpensTheWindowWithTheStoredFormat)
{
    shell::IniWriteString("Rechnung-Import", "3");
    TfrmRegieAuftragsdaten orderRegister;
    ASSERT_TRUE(orderRegister.SpeedButton13->isEnabled());
    ASSERT_TRUE(orderRegister.DatenImport1->isEnabled());
    QString caption;
    bool tablesOpen = false;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *window = qobject_cast<TfrmRechnungimport *>(dialog);
        if (!window) {
            dialog->reject();
            FAIL() << "the import window";
        }
        caption = window->windowTitle();
        tablesOpen = window->tbRechnung().isActive() && window->tbArtikel().isActive();
        window->reject();
    });
    orderRegister.SpeedButton13->click();
    EXPECT_EQ(caption, "Stammdaten Import !          * Rechnung *");
    EXPECT_TRUE(tablesOpen);
    EXPECT_EQ(shell::IniReadString("Rechnung-Import", "-1"), "3");
}
