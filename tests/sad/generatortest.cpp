#include "sadfixture.h"

#include "courier/couriertables.h"
#include "courier/courierwindows.h"
#include "origin/originwindows.h"
#include "origin/tfrmregieeur1.h"
#include "platform/localformat.h"
#include "sad/documentgenerator.h"
#include "sad/exporttargets.h"
#include "sad/tfrmeinheit.h"
#include "sad/tfrmregieae.h"
#include "sad/tfrmregiet1_t2.h"
#include "shell/documentregister.h"
#include "shell/windowfactories.h"
#include "support/modaldialog.h"

#include <QMenu>

using namespace sad;
using platform::TableSchema;

namespace {

// Target kinds whose registers come with later work, declared here with
// the fields the generator writes, on the shared register.
struct TestKind {
    const char *key;
    TableSchema head;
    std::optional<TableSchema> items;
};

TableSchema schema(const char *file)
{
    return TableSchema(QLatin1String(file), platform::Alias::Data);
}

QVector<TestKind> testKinds()
{
    const auto s = [](const char *name) { return QLatin1String(name); };
    QVector<TestKind> kinds;
    TableSchema cmr = schema("CMR.DB");
    cmr.integer(s("BELEGNR"))
        .date(s("DATUM"))
        .strings(s("C2_"), 1, 5, 35)
        .strings(s("C1_"), 1, 5, 35)
        .primaryKey({ s("BELEGNR") });
    TableSchema cmrItems = schema("Cmrfolg.DB");
    cmrItems.integer(s("BelegNr"))
        .integer(s("Pos"))
        .string(s("C6"), 45)
        .string(s("C10"), 9)
        .string(s("C11"), 9)
        .primaryKey({ s("BelegNr"), s("Pos") });
    kinds.append({ "CMR", cmr, cmrItems });
    TableSchema parcel = schema("B_PACKET.DB");
    parcel.integer(s("Belegnr"))
        .string(s("Datum"), 10)
        .strings(s("An_"), 1, 4, 30)
        .strings(s("Von_"), 1, 4, 30)
        .strings(s("Bez_"), 1, 6, 30)
        .strings(s("Ur_"), 1, 6, 10)
        .strings(s("Zoll_"), 1, 6, 10);
    for (int i = 1; i <= 6; ++i)
        parcel.floating(QStringLiteral("Netto_%1").arg(i)).floating(QStringLiteral("Wert_%1").arg(i));
    parcel.primaryKey({ s("Belegnr") });
    kinds.append({ "Paket", parcel, {} });
    TableSchema order = schema("VERSAN.DB");
    order.integer(s("BELEGNR"))
        .date(s("DATUM"))
        .integer(s("S12_1"))
        .strings(s("S11_"), 1, 5, 35)
        .strings(s("S1_"), 1, 5, 35)
        .floating(s("S25_1"))
        .floating(s("S27_1"))
        .floating(s("S28_1"))
        .primaryKey({ s("BELEGNR") });
    TableSchema orderItems = schema("VPOS.DB");
    orderItems.integer(s("BELEGNR"))
        .integer(s("POS"))
        .date(s("DATUM"))
        .floating(s("S19"))
        .floating(s("S23"))
        .floating(s("S24"))
        .string(s("S20"), 10)
        .string(s("S22"), 23)
        .primaryKey({ s("BELEGNR"), s("POS") });
    kinds.append({ "Versandauftrag", order, orderItems });
    TableSchema tnt = schema("B_PDIEN2.DB");
    tnt.integer(s("Belegnr"))
        .string(s("Datum"), 10)
        .strings(s("TNT2_"), 1, 4, 40)
        .string(s("TNT1_1"), 9)
        .strings(s("TNT1_"), 2, 4, 40)
        .primaryKey({ s("Belegnr") });
    kinds.append({ "TNTWorldWide", tnt, {} });
    return kinds;
}

class GeneratorTest : public SadTest
{
protected:
    void SetUp() override
    {
        for (const TestKind &kind : testKinds()) {
            platform::SchemaRegistry::instance().add(kind.head);
            if (kind.items)
                platform::SchemaRegistry::instance().add(*kind.items);
        }
        courier::registerCourierTables();
        SadTest::SetUp();
        courier::registerCourierWindows();
        platform::setWorkstationLocale(QLocale(QLocale::German, QLocale::Germany));
        origin::registerOriginWindows();
        shell::registerDocumentKind(
            QStringLiteral("T1_T2"), [](QWidget *parent) { return new TfrmRegieT1_T2(parent); });
        for (const TestKind &kind : testKinds()) {
            shell::DocumentKind k;
            k.code = QStringLiteral("3");
            k.registerClass = QStringLiteral("TestRegister") + QLatin1String(kind.key);
            k.headTable = kind.head.tableName();
            k.numberField = kind.head.fieldAt(0).name;
            k.parameter = shell::parameterFieldsFor(k.code);
            if (kind.items) {
                k.positionTable = kind.items->tableName();
                k.positionLinkField = kind.items->fieldAt(0).name;
            }
            shell::registerDocumentKind(
                QLatin1String(kind.key), [k](QWidget *parent) { return new shell::DocumentRegister(k, parent); });
        }
    }

    void TearDown() override
    {
        for (const TestKind &kind : testKinds())
            shell::unregisterDocumentKind(QLatin1String(kind.key));
        shell::unregisterDocumentKind(QStringLiteral("EUR1"));
        shell::unregisterDocumentKind(QStringLiteral("EUR2"));
        shell::unregisterDocumentKind(QStringLiteral("ATR"));
        shell::unregisterDocumentKind(QStringLiteral("UZ"));
        shell::unregisterDocumentKind(QStringLiteral("FedEx"));
        shell::unregisterDocumentKind(QStringLiteral("UPS"));
        shell::unregisterDocumentKind(QStringLiteral("T1_T2"));
        SadTest::TearDown();
    }

    // A declaration with its goods items, read as the entry window hands it over.
    static SourceDocument declaration(int number)
    {
        TfrmRegieAE documentRegister;
        EXPECT_TRUE(documentRegister.head().findKey({ number }));
        SourceDocument source = readSourceDocument(documentRegister.head(), documentRegister.tbEinfol());
        documentRegister.reject();
        return source;
    }

    static int count(const QString &table, const QString &numberField, int number)
    {
        platform::Table t(platform::Alias::Data, table);
        t.open();
        int n = 0;
        for (t.first(); !t.eof(); t.next())
            n += t.fieldByName(numberField).asInteger() == number ? 1 : 0;
        return n;
    }

    // Generates and closes the target's entry window, if one opens.
    bool generate(const QString &kindKey, const SourceDocument &source, QString *opened = nullptr)
    {
        const GeneratorTarget *target = exportDeclarationTarget(kindKey);
        EXPECT_NE(target, nullptr) << kindKey.toStdString();
        // Of the targets here the origin documents, FedEx, UPS and the transit
        // declaration have an entry window.
        if (QStringList({ "EUR1", "ATR", "UZ", "FedEx", "UPS", "T1_T2" }).contains(kindKey)) {
            testsupport::onNextModal([opened](QDialog *dialog) {
                if (opened)
                    *opened = dialog->objectName();
                dialog->close();
            });
        }
        return generateDocument(*target, source, nullptr);
    }
};

} // namespace

TEST_F(GeneratorTest, EveryTargetTakesTheItemsItsFormHolds)
{
    addDeclaration(30, { { "datum", QDate(2024, 3, 5) }, { "f8_1", "Zeder GmbH" }, { "f2_1", "Export AG" } });
    for (int position = 1; position <= 30; ++position)
        addItem(30, position,
            { { "f31_1", "2 Karton" }, { "f31_2", QStringLiteral("Ware %1").arg(position) }, { "f35_1", "10" },
                { "f38", "8" } });
    const SourceDocument source = declaration(30);
    ASSERT_EQ(source.items.size(), 30);
    const struct {
        const char *key;
        QString table;
        QString numberField;
        QString lastLine; // a head line: the field of the last item taken
        QString beyond; // the field after it, empty
        int items; // an items table: items written
        const char *message;
    } cases[] = {
        { "EUR1", "EUR1.DB", "Belegnr", "Eintrag25_1", "", 0, "7 Positionen wurden nicht übernommen" },
        { "ATR", "ATR.DB", "Belegnr", "Eintrag25_1", "", 0, "7 Positionen wurden nicht übernommen" },
        { "UZ", "URSPRUNG.DB", "Belegnr", "Eintrag25_1", "", 0, "5 Positionen wurden nicht übernommen" },
        { "Paket", "B_PACKET.DB", "Belegnr", "Bez_6", "", 0, "24 Positionen wurden nicht übernommen" },
        { "CMR", "Cmrfolg.DB", "BelegNr", "", "", 30, nullptr },
        { "T1_T2", "AUSFOLG.DB", "belegnr", "", "", 30, nullptr },
        { "Versandauftrag", "VPOS.DB", "BELEGNR", "", "", 30, nullptr },
    };
    for (const auto &c : cases) {
        dialogs.clear();
        EXPECT_TRUE(generate(c.key, source)) << c.key;
        if (c.items > 0) {
            EXPECT_EQ(count(c.table, c.numberField, 30), c.items) << c.key;
        } else {
            EXPECT_NE(stored(c.table, { 30 }, c.lastLine), "") << c.key;
        }
        if (c.message) {
            ASSERT_FALSE(dialogs.calls().isEmpty()) << c.key;
            EXPECT_TRUE(dialogs.lastCall().text.startsWith(QString::fromUtf8(c.message)))
                << c.key << ": " << dialogs.lastCall().text.toStdString();
        } else {
            EXPECT_TRUE(dialogs.calls().isEmpty()) << c.key;
        }
    }
    EXPECT_EQ(stored("EUR1.DB", { 30 }, "Eintrag3_1"), "1. 2 Karton Ware 1");
    EXPECT_EQ(stored("EUR1.DB", { 30 }, "Eintrag25_1"), "23. 2 Karton Ware 23");
    EXPECT_EQ(stored("EUR1.DB", { 30 }, "we3_1"), "Zeder GmbH");
    EXPECT_EQ(stored("EUR1.DB", { 30 }, "Datum"), "05.03.2024");
    EXPECT_EQ(stored("URSPRUNG.DB", { 30 }, "Eintrag1_1"), "1. 2 Karton Ware 1");
    EXPECT_EQ(stored("ATR.DB", { 30 }, "Empfaenger_1"), "Zeder GmbH");
    EXPECT_EQ(stored("ATR.DB", { 30 }, "Absender_1"), "Export AG");
    EXPECT_EQ(stored("URSPRUNG.DB", { 30 }, "We2_1"), "Zeder GmbH");
    EXPECT_EQ(stored("AUSFOLG.DB", { 30, 30 }, "f31_2"), "Ware 30");
    EXPECT_EQ(stored("Cmrfolg.DB", { 30, 1 }, "C6"), "2 Karton Ware 1");
    EXPECT_EQ(stored("VERSAN.DB", { 30 }, "S25_1"), "60") << "the packages summed";
    EXPECT_EQ(stored("VERSAN.DB", { 30 }, "S28_1"), "300");
}

TEST_F(GeneratorTest, TheTransitDeclarationTakesEveryLineOfEveryItem)
{
    addDeclaration(32, { { "datum", QDate(2024, 3, 5) }, { "f8_1", "Zeder GmbH" }, { "f29", "DE004400" } });
    for (int position = 1; position <= 30; ++position) {
        QVariantMap values;
        for (int line = 1; line <= 9; ++line)
            values.insert(QStringLiteral("f31_%1").arg(line), QStringLiteral("%1/31.%2").arg(position).arg(line));
        for (int line = 1; line <= 5; ++line)
            values.insert(QStringLiteral("f44_%1").arg(line), QStringLiteral("%1/44.%2").arg(position).arg(line));
        addItem(32, position, values);
    }
    EXPECT_TRUE(generate(QStringLiteral("T1_T2"), declaration(32)));
    EXPECT_EQ(count("AUSFOLG.DB", "belegnr", 32), 30);
    for (int position : { 1, 30 }) {
        for (int line = 1; line <= 9; ++line)
            EXPECT_EQ(stored("AUSFOLG.DB", { 32, position }, QStringLiteral("f31_%1").arg(line)),
                QStringLiteral("%1/31.%2").arg(position).arg(line));
        for (int line = 1; line <= 5; ++line)
            EXPECT_EQ(stored("AUSFOLG.DB", { 32, position }, QStringLiteral("f44_%1").arg(line)),
                QStringLiteral("%1/44.%2").arg(position).arg(line));
    }
    EXPECT_EQ(stored("AUSFUHR.DB", { 32 }, "f8_1"), "Zeder GmbH");
}

TEST_F(GeneratorTest, TextsAreCutToTheTargetsFieldsAndDatesWrittenAsText)
{
    addDeclaration(31,
        { { "datum", QDate(2024, 3, 5) }, { "f2_1", "Exportgesellschaft mbH" }, { "f8_1", "Zeder" },
            { "f17_2", "Vereinigte Arabische E." } });
    addItem(31, 1, { { "f31_2", "Schrauben" }, { "f35_1", "12,5" }, { "f38", "10,5" }, { "f46", "1.234,50" } });
    const SourceDocument source = declaration(31);
    for (const char *key : { "TNTWorldWide", "EUR1", "Paket", "CMR", "Versandauftrag" })
        EXPECT_TRUE(generate(QLatin1String(key), source)) << key;
    EXPECT_EQ(stored("B_PDIEN2.DB", { 31 }, "TNT1_1"), "Exportges");
    EXPECT_EQ(stored("B_PDIEN2.DB", { 31 }, "Datum"), "05.03.2024");
    EXPECT_EQ(stored("EUR1.DB", { 31 }, "we5_1"), "Vereinigte Arabi");
    EXPECT_EQ(stored("B_PACKET.DB", { 31 }, "Netto_1"), "12,5") << "the gross mass in the program's format";
    EXPECT_EQ(stored("B_PACKET.DB", { 31 }, "Wert_1"), "1234,5");
    EXPECT_EQ(stored("Cmrfolg.DB", { 31, 1 }, "C6"), "0  Schrauben") << "no packages: 0 and two blanks";
    EXPECT_EQ(stored("VPOS.DB", { 31, 1 }, "S19"), "0");
    EXPECT_EQ(stored("VPOS.DB", { 31, 1 }, "S24"), "13") << "12,5 read as a number, rounded";
    EXPECT_EQ(stored("VPOS.DB", { 31, 1 }, "S23"), "11");
    EXPECT_EQ(stored("VERSAN.DB", { 31 }, "S28_1"), "12,5");
}

TEST_F(GeneratorTest, AnExistingDocumentIsKeptOrReplacedAsAnswered)
{
    testsupport::insertRecord("EUR1.DB", { { "Belegnr", 32 }, { "we3_1", "Alter Empfänger" } });
    addDeclaration(32, { { "f8_1", "Neuer Empfänger" } });
    const SourceDocument source = declaration(32);
    dialogs.answer(platform::DialogAnswer::No);
    QString opened;
    EXPECT_FALSE(generate("EUR1", source, &opened));
    EXPECT_EQ(dialogs.lastCall().text, "Sie haben diese Belegnummer bereits vergeben!\rÜberschreiben?");
    EXPECT_EQ(opened, "frmEur1") << "the existing document opens";
    EXPECT_EQ(stored("EUR1.DB", { 32 }, "we3_1"), "Alter Empfänger");
    dialogs.answer(platform::DialogAnswer::Yes);
    opened.clear();
    EXPECT_TRUE(generate("EUR1", source, &opened));
    EXPECT_EQ(opened, "frmEur1");
    EXPECT_EQ(stored("EUR1.DB", { 32 }, "we3_1"), "Neuer Empfänger");
}

TEST_F(GeneratorTest, AFailureAfterTheDeletionLeavesTheOldDocument)
{
    testsupport::insertRecord("VERSAN.DB", { { "BELEGNR", 33 }, { "S11_1", "Alt" } });
    testsupport::insertRecord("VPOS.DB", { { "BELEGNR", 33 }, { "POS", 1 }, { "S22", "Alte Ware" } });
    addDeclaration(33, { { "f8_0", "K-17" }, { "f8_1", "Neu" } });
    addItem(33, 1, { { "f31_2", "Neue Ware" } });
    const SourceDocument source = declaration(33);
    dialogs.answer(platform::DialogAnswer::Yes);
    QString opened;
    EXPECT_FALSE(generate("Versandauftrag", source, &opened));
    EXPECT_EQ(dialogs.lastCall().kind, platform::DialogKind::Error);
    EXPECT_TRUE(dialogs.lastCall().text.contains("K-17")) << dialogs.lastCall().text.toStdString();
    EXPECT_EQ(opened, "") << "nothing opens";
    EXPECT_EQ(stored("VERSAN.DB", { 33 }, "S11_1"), "Alt");
    EXPECT_EQ(stored("VPOS.DB", { 33, 1 }, "S22"), "Alte Ware");
}

TEST_F(GeneratorTest, TheCourierWaybillsAreMadeOfTheDeclaration)
{
    addDeclaration(34,
        { { "datum", QDate(2024, 3, 5) }, { "f8_1", "Zeder GmbH" }, { "f8_4", "Bahnhofstrasse 5" },
            { "f2_1", "Export AG" } });
    QString opened;
    EXPECT_TRUE(generate("UPS", declaration(34), &opened));
    EXPECT_EQ(opened, "frmups");
    EXPECT_EQ(stored("B_UPS.DB", { 34 }, "U2_5"), "Zeder GmbH");
    EXPECT_EQ(stored("B_UPS.DB", { 34 }, "U2_8"), "Bahnhofstrasse 5");
    EXPECT_EQ(stored("B_UPS.DB", { 34 }, "U1_5"), "Export AG");
    EXPECT_EQ(stored("B_UPS.DB", { 34 }, "Datum"), "05.03.2024");
    // FedEx: the waybill of the number from the template, nothing taken over.
    opened.clear();
    EXPECT_TRUE(generate("FedEx", declaration(34), &opened));
    EXPECT_NE(opened, "");
    EXPECT_NE(stored("FEDEX.DB", { 34 }, "Belegnr"), "<none>");
    EXPECT_EQ(stored("FEDEX.DB", { 34 }, "F3_3"), "");
}

TEST_F(GeneratorTest, WechselnOffersTheKindsThatHaveARegister)
{
    shell::unregisterDocumentKind(QStringLiteral("UPS"));
    addDeclaration(35);
    TfrmRegieAE documentRegister;
    ASSERT_TRUE(documentRegister.head().findKey({ 35 }));
    TfrmEinheit window(documentRegister);
    QStringList enabled;
    QStringList disabled;
    for (QAction *submenu : window.mnuWechseln->actions()) {
        for (QAction *action : submenu->menu()->actions())
            (action->isEnabled() ? enabled : disabled).append(action->text());
    }
    EXPECT_TRUE(enabled.contains("EUR &1"));
    EXPECT_TRUE(disabled.contains("&UPS"));
    EXPECT_EQ(enabled.size() + disabled.size(), 13);
}
