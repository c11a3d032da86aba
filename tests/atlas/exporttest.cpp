#include "atlasfixture.h"

#include "atlas/handoverwriter.h"
#include "platform/databaseerror.h"
#include "platform/inifile.h"
#include "shell/application.h"
#include "shell/reportedcall.h"
#include "shell/settings.h"

#include <QFileInfo>
#include <QXmlStreamReader>

namespace {

const QString DeclarationFile = QStringLiteral("expDat_20240315_143005.xml");
const QString SupplementaryFile = QStringLiteral("expEnt_20240315_143005.xml");

void setCustomerNumber(const QString &number)
{
    platform::IniFile ini(shell::ProgramDirectory() + shell::IniFileName);
    ini.writeString(shell::IniSection, QStringLiteral("Atlas_KundenNr"), number);
    ASSERT_TRUE(ini.save());
}

// The names of the child elements of the first element of that name.
QStringList childNames(const QByteArray &xml, const QString &parent)
{
    QXmlStreamReader reader(xml);
    QStringList names;
    int depth = -1;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement()) {
            if (depth < 0 && reader.name() == parent)
                depth = 0;
            else if (depth >= 0 && ++depth == 1)
                names.append(reader.name().toString());
        } else if (reader.isEndElement() && depth >= 0) {
            if (depth == 0)
                break;
            --depth;
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return names;
}

// The texts of every element of that name, in document order.
QStringList texts(const QByteArray &xml, const QString &name)
{
    QXmlStreamReader reader(xml);
    QStringList result;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == name)
            result.append(reader.readElementText(QXmlStreamReader::SkipChildElements));
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return result;
}

int count(const QByteArray &xml, const QString &name)
{
    QXmlStreamReader reader(xml);
    int n = 0;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == name)
            ++n;
    }
    return n;
}

} // namespace

class HandOverFileTest : public AtlasTest
{
protected:
    // Declaration 17: every text field of the head holds its own name, so
    // that the file shows where each element comes from; two goods items,
    // the first with all four lists, the second with none; two seals, two
    // route countries. Declaration 18 has no items and another client.
    void addFixture()
    {
        const auto *head = platform::SchemaRegistry::instance().find(atlas::Tables::Kopf);
        QVariantMap values;
        int number = 0;
        for (const platform::FieldDef &field : head->fields()) {
            if (field.type == platform::FieldType::String)
                values.insert(field.name, field.name);
            else
                values.insert(field.name, number++ % 3);
        }
        values.insert(QStringLiteral("Datum"), QStringLiteral("15.03.2024"));
        values.insert(QStringLiteral("IdMandantenNr"), QStringLiteral("4711"));
        values.insert(QStringLiteral("Art1"), QStringLiteral("EX"));
        values.insert(QStringLiteral("Art2"), QStringLiteral("eu"));
        values.insert(QStringLiteral("Art3"), QStringLiteral("AM"));
        values.insert(QStringLiteral("Container"), QStringLiteral("j"));
        values.insert(QStringLiteral("VershlussArt"), QStringLiteral("r"));
        values.insert(QStringLiteral("Vermerk"), QStringLiteral("Kisten & Fässer <zerbrechlich>\x01 \"oben\""));
        values.insert(QStringLiteral("EMP_Name"), QStringLiteral("Müller & Söhne"));
        addHead(17, values);

        addItem(17, 1,
            { { QStringLiteral("WarenNr"), QStringLiteral("84713000") },
                { QStringLiteral("WarenNr_TARIC"), QStringLiteral("00") },
                { QStringLiteral("WarenBez"), QStringLiteral("Schrauben & Muttern\r\naus <Stahl>") },
                { QStringLiteral("Eigenmasse"), QStringLiteral("10") },
                { QStringLiteral("Rohmasse"), QStringLiteral("12,5") },
                { QStringLiteral("Verfahren_angemeldet"), QStringLiteral("1000") },
                { QStringLiteral("Verfahren_weiteres"), QStringLiteral("000") },
                { QStringLiteral("Menge"), QStringLiteral("3") }, { QStringLiteral("Wert"), QStringLiteral("1500") },
                { QStringLiteral("Bundesland"), QStringLiteral("09") },
                { QStringLiteral("Vorpapier_Typ"), QStringLiteral("N380") } });
        addItem(17, 2,
            { { QStringLiteral("WarenNr"), QStringLiteral("73181510") },
                { QStringLiteral("WarenBez"), QStringLiteral("Ersatzteile") },
                { QStringLiteral("Rohmasse"), QStringLiteral("1.000") },
                { QStringLiteral("Verfahren_angemeldet"), QStringLiteral("10") } });
        addItemEntry(atlas::Tables::Vorpapier, 17, 1, 1,
            { { QStringLiteral("Typ"), QStringLiteral("380") },
                { QStringLiteral("Referenz"), QStringLiteral("RE-2024/17") },
                { QStringLiteral("Zusatz"), QStringLiteral("vom 1.3.") } });
        addItemEntry(atlas::Tables::Packst, 17, 1, 1,
            { { QStringLiteral("Anzahl"), QStringLiteral("2") },
                { QStringLiteral("Verpackungsart"), QStringLiteral("CT") },
                { QStringLiteral("ZeichenNummern"), QStringLiteral("A 1-2") } });
        addItemEntry(atlas::Tables::Packst, 17, 1, 2,
            { { QStringLiteral("Anzahl"), QStringLiteral("1") }, { QStringLiteral("Nummer"), QStringLiteral("7") },
                { QStringLiteral("Verpackungsart"), QStringLiteral("PX") },
                { QStringLiteral("ZeichenNummern"), QStringLiteral("B 3") } });
        addItemEntry(
            atlas::Tables::Container, 17, 1, 1, { { QStringLiteral("Nummer"), QStringLiteral("MSKU1234565") } });
        addItemEntry(atlas::Tables::Unterlage, 17, 1, 1,
            { { QStringLiteral("Quali"), QStringLiteral("U") }, { QStringLiteral("Typ"), QStringLiteral("N954") },
                { QStringLiteral("Referenz"), QStringLiteral("EUR.1 A 123") },
                { QStringLiteral("Zusatz"), QStringLiteral("Original") },
                { QStringLiteral("DatumAusstellung"), QStringLiteral("20240301") },
                { QStringLiteral("DatumGueltigEnde"), QStringLiteral("20240831") } });
        addHeadEntry(atlas::Tables::Verschluss, 17, 1, QStringLiteral("Zeichen"), QStringLiteral("Z-1"));
        addHeadEntry(atlas::Tables::Verschluss, 17, 2, QStringLiteral("Zeichen"), QStringLiteral("Z-2"));
        addHeadEntry(atlas::Tables::Route, 17, 1, QStringLiteral("Land"), QStringLiteral("AT"));
        addHeadEntry(atlas::Tables::Route, 17, 2, QStringLiteral("Land"), QStringLiteral("CH"));

        addHead(18,
            { { QStringLiteral("Datum"), QStringLiteral("14.03.2024") },
                { QStringLiteral("IdMandantenNr"), QStringLiteral("9999") },
                { QStringLiteral("Art2"), QStringLiteral("EX") },
                { QStringLiteral("Container"), QStringLiteral("N") } });
        addHeadEntry(atlas::Tables::Route, 18, 1, QStringLiteral("Land"), QStringLiteral("FR"));
    }

    // The file an export wrote, compared with its golden file (written
    // anew when ATLAS_UPDATE_GOLDEN is set).
    void expectGolden(const QString &written, const QString &golden)
    {
        const QByteArray bytes = readFile(atlas::handOverFolder() + written);
        ASSERT_FALSE(bytes.isEmpty()) << written.toStdString();
        const QString goldenPath = QStringLiteral(ATLAS_TEST_DATA "/") + golden;
        if (qEnvironmentVariableIsSet("ATLAS_UPDATE_GOLDEN"))
            writeFile(goldenPath, bytes);
        EXPECT_EQ(bytes.toStdString(), readFile(goldenPath).toStdString()) << golden.toStdString();
    }

    QByteArray document(const atlas::HandOverLayout &layout, const QList<int> &numbers)
    {
        QStringList marks;
        QVariantList values;
        for (int number : numbers) {
            marks.append(QStringLiteral("?"));
            values.append(number);
        }
        const auto heads = atlas::SourceRows::read(platform::Session::current(),
            QStringLiteral("SELECT * FROM AtlasKopf WHERE BelegNr IN (%1) ORDER BY BelegNr")
                .arg(marks.join(QLatin1Char(','))),
            values);
        atlas::HandOverWriter writer(layout, platform::Session::current());
        return writer.document(heads);
    }
};

TEST_F(HandOverFileTest, TheThreeFilesMatchTheirGoldenFiles)
{
    addFixture();
    createImportFolder();
    setCustomerNumber(QStringLiteral("K-0815"));

    atlas::ExportDeclaration(17);
    expectGolden(DeclarationFile, QStringLiteral("expDat_single.xml"));

    QFile::remove(atlas::handOverFolder() + DeclarationFile);
    atlas::ExportDeclarations({ { 18, 17 } });
    expectGolden(DeclarationFile, QStringLiteral("expDat_several.xml"));

    atlas::ExportSupplementaryDeclaration(17);
    expectGolden(SupplementaryFile, QStringLiteral("expEnt_supplementary.xml"));

    EXPECT_EQ(dialogs.texts(), QStringList(3, atlas::ExportTexts::Exported));
}

TEST_F(HandOverFileTest, EveryElementIsWrittenInItsPlace)
{
    addFixture();
    const QByteArray single = document(atlas::declarationLayout(), { 17 });
    EXPECT_TRUE(single.startsWith("<?xml version=\"1.0\" standalone=\"yes\"?>"));
    EXPECT_EQ(childNames(single, QStringLiteral("NewDataSet")),
        QStringList({ "version", "idPartnerNummer", "idKundenNummer", "idMandantenNummer", "ExpDatKopf" }));
    const QStringList head = childNames(single, QStringLiteral("ExpDatKopf"));
    ASSERT_EQ(head.size(), 129);
    const struct {
        int position; // counted from 1
        const char *name;
    } heads[] = { { 17, "gesamtRohmasse" }, { 50, "gestEnde" }, { 51, "ausfIdentArt" }, { 63, "ausfApTelefonNummer" },
        { 64, "anmIdentArt" }, { 77, "vaIdentArt" }, { 90, "suIdentArt" }, { 101, "suApTelefaxNummer" },
        { 103, "empfIdentArt" }, { 111, "endvIdentArt" }, { 118, "endvLand" }, { 124, "expDatVerschlussList" },
        { 129, "expDatWareList" } };
    for (const auto &spot : heads)
        EXPECT_EQ(head.at(spot.position - 1), QString::fromLatin1(spot.name)) << spot.position;
    EXPECT_EQ(childNames(single, QStringLiteral("ExpDatWare")).size(), 53);
    EXPECT_EQ(childNames(single, QStringLiteral("ExpDatUnterlage")).size(), 11);
    EXPECT_EQ(texts(single, QStringLiteral("suApTelefaxNummer")), QStringList({ "SUB_Felefax" }));
    EXPECT_EQ(texts(single, QStringLiteral("endvOrt")), QStringList({ "END_Ort", "", "" }));
    // Escaped, and read back unchanged; the line break of the item text kept
    // (a reader takes CR LF as one line feed).
    EXPECT_TRUE(single.contains("<warenbezeichnung>Schrauben &amp; Muttern\r\naus &lt;Stahl&gt;</warenbezeichnung>"));
    EXPECT_EQ(texts(single, QStringLiteral("warenbezeichnung")),
        QStringList({ "Schrauben & Muttern\naus <Stahl>", "Ersatzteile" }));
    EXPECT_EQ(texts(single, QStringLiteral("gesamtRohmasse")), QStringList({ "1012,5" }));
    EXPECT_EQ(texts(single, QStringLiteral("refNrVorsystem")),
        QStringList({ "17", "17_vers1", "17_vers2", "17_Rout1", "17_Rout2", "17_1", "17_vorp1", "17_pack1", "17_pack2",
            "17_cont1", "17_unterl1", "17_2" }));
    // The second item has empty lists, every one of them written.
    EXPECT_EQ(count(single, QStringLiteral("expDatPackstueckList")), 2);

    const QByteArray several = document(atlas::severalDeclarationsLayout(), { 17, 18 });
    EXPECT_EQ(count(several, QStringLiteral("version")), 0);
    EXPECT_EQ(count(several, QStringLiteral("ExpDatBefoerdRoute")), 0);
    EXPECT_EQ(texts(several, QStringLiteral("idMandantenNummer")), QStringList({ "4711" }));
    EXPECT_EQ(childNames(several, QStringLiteral("ExpDatKopf")).size(), 75);
    EXPECT_EQ(childNames(several, QStringLiteral("ExpDatWare")).size(), 23);
    EXPECT_EQ(texts(several, QStringLiteral("anzahlPositionen")), QStringList({ "2", "0" }));
    EXPECT_EQ(texts(several, QStringLiteral("gesamtRohmasse")), QStringList({ "1012,5", "" }));
    EXPECT_EQ(texts(several, QStringLiteral("expDatWareList")).constLast(), QString());
    // A package's nummer is its own Pos, not the field Nummer.
    EXPECT_EQ(texts(several, QStringLiteral("nummer")), QStringList({ "1", "2", "MSKU1234565" }));

    const QByteArray supplementary = document(atlas::supplementaryLayout(), { 17 });
    EXPECT_EQ(childNames(supplementary, QStringLiteral("ExpEntKopf")).size(), 27);
    EXPECT_EQ(childNames(supplementary, QStringLiteral("ExpEntWare")).size(), 12);
    EXPECT_EQ(texts(supplementary, QStringLiteral("bin")), QStringList({ "" }));
    EXPECT_EQ(texts(supplementary, QStringLiteral("posNr")), QStringList({ "1", "2" }));
}

TEST_F(HandOverFileTest, ValuesAreTransformedAsTheClientExpectsThem)
{
    const struct {
        const char *field;
        const char *stored; // nullptr: null
        const char *element;
        const char *written;
    } cases[] = {
        { "Container", "J", "container", "1" },
        { "Container", "j", "container", "1" },
        { "Container", "N", "container", "0" },
        { "Container", " ", "container", "0" },
        { "Container", nullptr, "container", "0" },
        { "Art1", "EX", "artAnmeldungUeberf", "ex" },
        { "Art2", "a", "artAnmeldungAusfuhr", "A" },
        { "Art2", "ä", "artAnmeldungAusfuhr", "ä" },
        { "Art3", "aM", "artAnmeldungVerfahren", "aM" },
        { "VershlussArt", "p", "versArt", "P" },
        { "Verfahren_angemeldet", "1000", "verfAngemeld", "10" },
        { "Verfahren_angemeldet", "1000", "verfVoran", "00" },
        { "Verfahren_angemeldet", "10", "verfAngemeld", "10" },
        { "Verfahren_angemeldet", "10", "verfVoran", "" },
        { "Verfahren_angemeldet", "1", "verfAngemeld", "1" },
        { "Verfahren_angemeldet", "100", "verfVoran", "0" },
        { "Vermerk", "Zeile\x01\x0b\x1f Ende\t!", "vermerk", "Zeile Ende\t!" },
        { "RegistrierNummer", " 12 ", "regNrFremdsystem", " 12 " },
    };
    int number = 1;
    for (const auto &c : cases) {
        const QString field = QString::fromUtf8(c.field);
        const QVariant stored = c.stored ? QVariant(QString::fromUtf8(c.stored)) : QVariant();
        const bool itemField = field == QLatin1String("Verfahren_angemeldet");
        addHead(number, itemField ? QVariantMap() : QVariantMap { { field, stored } });
        if (itemField)
            addItem(number, 1, { { field, stored } });
        const QByteArray xml = document(atlas::declarationLayout(), { number });
        const QStringList written = texts(xml, QString::fromLatin1(c.element));
        ASSERT_FALSE(written.isEmpty()) << c.element;
        EXPECT_EQ(written.constFirst(), QString::fromUtf8(c.written))
            << c.field << " = " << (c.stored ? c.stored : "null");
        ++number;
    }
}

TEST_F(HandOverFileTest, TheFileIsNamedByTheClockAndReplacedOnlyAfterTheWarning)
{
    addHead(5, { { QStringLiteral("IdMandantenNr"), QStringLiteral("1") } });
    createImportFolder();
    const QString path = atlas::handOverFolder() + DeclarationFile;
    EXPECT_EQ(atlas::handOverFileName(QStringLiteral("expDat_")), path);

    atlas::ExportDeclaration(5);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(dialogs.texts(), QStringList({ atlas::ExportTexts::Exported }));
    // Without the setting Atlas_KundenNr the customer number stays empty.
    EXPECT_TRUE(readFile(path).contains("<idKundenNummer/>"));

    // A second export within the same second: No keeps the first file.
    writeFile(path, "first");
    dialogs.clear();
    dialogs.answer(platform::DialogAnswer::No);
    atlas::ExportDeclaration(5);
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().at(0).kind, platform::DialogKind::Confirmation);
    EXPECT_EQ(dialogs.calls().at(0).text.split(QStringLiteral("\r\n")),
        QStringList({ "Es wurden bereits Datenmsätze exportiert, die noch nicht in Atlas importiert wurden!",
            "Wenn Sie fortsetzen, werden die Daten überschrieben.", "Forstsetzen?" }));
    EXPECT_EQ(readFile(path), QByteArray("first"));

    dialogs.clear();
    dialogs.answer(platform::DialogAnswer::Yes);
    atlas::ExportDeclaration(5);
    EXPECT_TRUE(readFile(path).contains("<refNrVorsystem>5</refNrVorsystem>"));
    EXPECT_EQ(dialogs.texts().constLast(), atlas::ExportTexts::Exported);
}

TEST_F(HandOverFileTest, NothingIsWrittenWhenTheExportCannotBeDone)
{
    addHead(5);
    addItem(5, 1, { { QStringLiteral("Rohmasse"), QStringLiteral("12,5") } });
    addItem(5, 2, { { QStringLiteral("Rohmasse"), QStringLiteral("12 kg") } });
    addHead(6);

    // No import folder: the save fails into the error handling, no success.
    const QString path = atlas::handOverFolder() + DeclarationFile;
    QStringList reported;
    const auto previous = shell::Application::setExceptionHandler(
        [&reported](const shell::CrashReport &report) { reported.append(report.message); });
    EXPECT_FALSE(shell::runReported(nullptr, [] { atlas::ExportDeclaration(6); }));
    shell::Application::setExceptionHandler(previous);
    ASSERT_EQ(reported.size(), 1);
    EXPECT_TRUE(reported.at(0).startsWith(QStringLiteral("Die Datei \"%1").arg(path))) << reported.at(0).toStdString();
    EXPECT_TRUE(dialogs.calls().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(atlas::handOverFolder()));

    createImportFolder();
    // A number that no longer exists.
    atlas::ExportDeclaration(99);
    atlas::ExportSupplementaryDeclaration(99);
    atlas::ExportDeclarations({ { 98, 99 } });
    EXPECT_EQ(dialogs.calls(platform::DialogKind::Error).size(), 3);
    EXPECT_EQ(dialogs.texts(), QStringList(3, atlas::ExportTexts::NotFound));

    // A gross mass that is no number stops the export, naming it.
    dialogs.clear();
    atlas::ExportDeclaration(5);
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().at(0).kind, platform::DialogKind::Error);
    EXPECT_EQ(dialogs.calls().at(0).text,
        "Die Rohmasse \"12 kg\" der Warenposition 2 der Ausfuhranmeldung 5 ist keine Zahl.\r"
        "Die Daten wurden nicht exportiert.");
    EXPECT_FALSE(QFileInfo::exists(path));
    EXPECT_TRUE(QDir(atlas::handOverFolder()).isEmpty());
}

TEST_F(HandOverFileTest, QueryValueGivesTheFirstFieldOrAnEmptyText)
{
    addHead(5, { { QStringLiteral("Bin"), QStringLiteral("B-5") } });
    addItem(5, 1);
    EXPECT_EQ(
        atlas::QueryValue(QStringLiteral("SELECT Bin FROM AtlasKopf.DB WHERE BelegNr = ?"), { 5 }).toString(), "B-5");
    EXPECT_EQ(atlas::QueryValue(QStringLiteral("SELECT Count(*) FROM AtlasWare WHERE BelegNr = ?"), { 5 }).toInt(), 1);
    const QVariant none = atlas::QueryValue(QStringLiteral("SELECT Bin FROM AtlasKopf WHERE BelegNr = ?"), { 6 });
    EXPECT_EQ(none.typeId(), QMetaType::QString);
    EXPECT_TRUE(none.toString().isEmpty());
    EXPECT_TRUE(atlas::QueryValue(QStringLiteral("SELECT SUM(Pos) FROM AtlasWare WHERE BelegNr = ?"), { 6 })
                    .toString()
                    .isEmpty());
    EXPECT_THROW(atlas::QueryValue(QStringLiteral("SELECT Nichts FROM AtlasKopf")), platform::DatabaseError);
}

TEST(DeclarationSelection, WhereTextReadsAsTheClerksChoice)
{
    EXPECT_EQ(atlas::DeclarationSelection({ { 5 } }).whereText(), "BelegNr = 5");
    EXPECT_EQ(atlas::DeclarationSelection({ { 3, 5, 9 } }).whereText(), "BelegNr in (3, 5, 9)");
    EXPECT_EQ(atlas::DeclarationSelection().whereText(), QString());
}
