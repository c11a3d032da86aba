#include "masterdata/listprint.h"
#include "masterdata/articles.h"
#include "masterdata/codetables.h"
#include "masterdata/countries.h"
#include "masterdata/customers.h"
#include "masterdata/forwarders.h"
#include "masterdata/goodsnumbers.h"
#include "masterdata/packagekinds.h"
#include "masterdata/preferenceclauses.h"
#include "masterdatafixture.h"

#include "platform/recordingcanvas.h"
#include "platform/schemaregistry.h"

#include <QStatusBar>

using namespace masterdata;
using platform::CanvasCall;
using platform::FontStyle;

namespace {

// A distinct key for record i that fits the key field (digits and letters
// for short text keys).
QVariant keyFor(const platform::FieldDef &field, int i)
{
    if (field.type != platform::FieldType::String)
        return i + 1;
    return QString::number(i + 1, 36).toUpper().rightJustified(field.size, QLatin1Char('0'));
}

void fill(const QString &tableName, int records)
{
    platform::Table table(platform::Alias::Data, tableName);
    table.open();
    table.emptyTable();
    const platform::TableSchema schema = table.schema();
    const QString key = schema.primaryKeyFields().value(0, schema.fieldAt(0).name);
    const platform::FieldDef field = schema.fieldAt(schema.fieldIndex(key));
    for (int i = 0; i < records; ++i) {
        table.append();
        table.setValue(key, keyFor(field, i));
        table.post();
    }
}

// How often each job drew the text.
QVector<int> countPerJob(const platform::RecordingCanvas &canvas, const QString &text)
{
    QVector<int> counts;
    for (const auto &job : canvas.jobs()) {
        int count = 0;
        for (const CanvasCall &call : canvas.texts(job.number))
            count += call.text == text ? 1 : 0;
        counts.append(count);
    }
    return counts;
}

struct Drawn {
    CanvasCall::Kind kind;
    int x, y, x2, y2;
    QString text;
    QString font;
    int height;
    int style;
    bool operator==(const Drawn &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Drawn &d)
{
    return out << int(d.kind) << " (" << d.x << ", " << d.y << ")-(" << d.x2 << ", " << d.y2 << ") \""
               << d.text.toStdString() << "\" " << d.font.toStdString() << " " << d.height << " " << d.style;
}

QVector<Drawn> drawnInJob(const platform::RecordingCanvas &canvas, int job)
{
    QVector<Drawn> drawn;
    for (const CanvasCall &c : canvas.calls()) {
        if (c.job != job || c.kind == CanvasCall::Kind::BeginDoc || c.kind == CanvasCall::Kind::EndDoc)
            continue;
        if (c.kind == CanvasCall::Kind::Text)
            drawn.append({ c.kind, c.x, c.y, c.x, c.y, c.text, c.font.name, c.font.height, int(c.font.style) });
        else
            drawn.append({ c.kind, c.x, c.y, c.x2, c.y2, {}, {}, 0, 0 });
    }
    return drawn;
}

// Text widths as the printer measures them.
int widthOf(const QString &text, const QString &font, int height, platform::FontStyles style)
{
    platform::RecordingCanvas measure;
    measure.setFont({ font, height, style, 0, Qt::black });
    return measure.textWidth(text);
}

const QString Courier = QStringLiteral("Courier New");

} // namespace

class ListPrintTest : public MasterDataTest
{
protected:
    // Prints the list answering the sheet question with OK.
    void printWithOk(const ListLayout &layout)
    {
        dialogs.answer(platform::DialogAnswer::Ok);
        ListPrintWindow window(layout);
        window.print();
    }
};

TEST_F(ListPrintTest, SheetQuestionAndSheetsFollowTheRecordsPerSheetOfEachList)
{
    const QString one = QStringLiteral("Bitte legen Sie 1 leeres Blatt \rin den Drucker ein! ");
    auto several
        = [](int n) { return QStringLiteral("Bitte legen Sie %1 leere Blätter \rin den Drucker ein! ").arg(n); };
    struct Case {
        const char *list;
        ListLayout (*layout)();
        const char *blockCaption;
        int records;
        QString question;
        QVector<int> blocksPerSheet;
    };
    const QVector<Case> cases = {
        { "customs offices", customsOfficeListLayout, "Zollstelle         :", 17, one, { 17 } },
        { "customs offices", customsOfficeListLayout, "Zollstelle         :", 18, several(2), { 17, 1 } },
        { "customs offices", customsOfficeListLayout, "Zollstelle         :", 0, several(0), {} },
        { "countries", countryListLayout, "Land-Nr. :", 17, one, { 17 } },
        { "countries", countryListLayout, "Land-Nr. :", 18, several(2), { 17, 1 } },
        { "delivery terms", deliveryTermListLayout, "Lieferbedingung :", 40, one, { 40 } },
        { "delivery terms", deliveryTermListLayout, "Lieferbedingung :", 41, several(2), { 40, 1 } },
        { "delivery terms", deliveryTermListLayout, "Lieferbedingung :", 80, several(2), { 40, 40 } },
        { "business types", businessTypeListLayout, "Geschäftsart :", 41, several(2), { 40, 1 } },
        { "origin clauses", originClauseListLayout, "Nummer    :", 3, several(2), { 2, 1 } },
        { "transport modes", transportModeListLayout, "Verkehrszweig :", 10, several(2), { 9, 1 } },
        { "declaration procedures", declarationProcedureListLayout, "Nummer    :", 18, several(2), { 17, 1 } },
        { "box-37 procedures", box37ProcedureListLayout, "Nummmer   :", 17, one, { 17 } },
        { "preference clauses", preferenceClauseListLayout, "Präferenz :", 7, several(2), { 6, 1 } },
        { "package kinds", packageKindListLayout, "Packart :", 8, several(2), { 7, 1 } },
        { "forwarders", forwarderListLayout, "Spediteur-Nr.   :", 10, several(2), { 5, 5 } },
        { "shipping addresses", shippingAddressListLayout, "Nummer :", 8, several(2), { 7, 1 } },
        // Ports and federal states ask a fixed question; all federal states
        // go on one sheet.
        { "ports", portListLayout, "Nummer. :", 5, several(3), { 5 } },
        { "ports", portListLayout, "Nummer. :", 0, several(3), {} },
        { "federal states", federalStateListLayout, "Nummer :", 50, one, { 50 } },
        { "customers", customerListLayout, "Kunden-Nr. :", 5, one, { 5 } },
        { "customers", customerListLayout, "Kunden-Nr. :", 6, several(2), { 5, 1 } },
        { "goods numbers", goodsNumberListLayout, "Warennummer   :", 9, several(3), { 4, 4, 1 } },
        { "articles", articleListLayout, "Artikelnr.            : ", 7, several(2), { 5, 2 } },
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.list) + " " + std::to_string(c.records));
        const ListLayout layout = c.layout();
        fill(layout.table, c.records);
        printers.canvas().clear();
        dialogs.clear();
        printWithOk(layout);
        ASSERT_EQ(dialogs.calls().size(), 1);
        EXPECT_EQ(dialogs.lastCall().kind, platform::DialogKind::Confirmation);
        EXPECT_EQ(dialogs.lastCall().buttons, platform::DialogButtons::OkCancel);
        EXPECT_EQ(dialogs.lastCall().text, c.question);
        EXPECT_EQ(countPerJob(printers.canvas(), QString::fromUtf8(c.blockCaption)), c.blocksPerSheet);
        int page = 0;
        for (const auto &job : printers.canvas().jobs()) {
            EXPECT_EQ(job.title, layout.jobTitle);
            EXPECT_TRUE(job.ended);
            EXPECT_EQ(job.pages, 1);
            EXPECT_EQ(printers.canvas().texts(job.number).at(2).text, QStringLiteral("Seite : %1").arg(++page));
        }
    }
}

TEST_F(ListPrintTest, CancelledSheetQuestionPrintsNothingAndKeepsTheWindowOpen)
{
    fill(Tables::CustomsOffices, 3);
    dialogs.answer(platform::DialogAnswer::Cancel);
    ListPrintWindow window(customsOfficeListLayout());
    window.show();
    window.print();
    EXPECT_EQ(printers.canvas().jobCount(), 0);
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ListPrintTest, CustomsOfficeSheetIsDrawnAtTheLayoutPositions)
{
    for (int i = 1; i <= 18; ++i)
        insert(Tables::CustomsOffices,
            { { "Zollst", QStringLiteral("DE%1").arg(i, 4, 10, QLatin1Char('0')) }, { "Art", "ZA" },
                { "Ort", QStringLiteral("Ort %1").arg(i) }, { "Tart", "3" } });
    printWithOk(customsOfficeListLayout());
    ASSERT_EQ(printers.canvas().jobCount(), 2);

    // Printable area 203 x 289 mm: 35 from the left and 40 from the top of A4
    // cannot be reached; y grows upwards.
    const int mx = 35;
    const int my = 40;
    const int bold = int(platform::FontStyles(FontStyle::Bold));
    const int underline = int(platform::FontStyles(FontStyle::Underline));
    const int left = 150 + widthOf("Art der Zollstelle : ", Courier, -40, FontStyle::Bold);
    const int right = 950 + widthOf("Transportart : ", Courier, -40, FontStyle::Bold);
    const int title = 1050 - widthOf("Zollstellen", "Arial", -60, FontStyle::Bold) / 2;
    auto text = [&](int x, int y, const QString &t, const QString &font, int height, int style) {
        return Drawn { CanvasCall::Kind::Text, x - mx, -y + my, x - mx, -y + my, t, font, height, style };
    };
    const QVector<Drawn> expected = {
        { CanvasCall::Kind::Text, 0, 0, 0, 0, " ", Courier, -40, 0 },
        text(title, 50, "Zollstellen", "Arial", -60, bold),
        text(1700, 50, "Seite : 2", Courier, -40, 0),
        text(150, 50, "05.03.2024", Courier, -40, 0),
        { CanvasCall::Kind::Rectangle, 100 - mx, -150 + my, 2020 - mx, -2700 + my, {}, {}, 0, 0 },
        text(150, 200, "Zollstelle         :", Courier, -40, underline),
        text(left, 200, "DE0018", Courier, -40, bold),
        text(150, 242, "Art der Zollstelle :", Courier, -40, underline),
        text(left, 242, "ZA", Courier, -40, bold),
        text(950, 200, "Ort          :", Courier, -40, underline),
        text(right, 200, "Ort 18", Courier, -40, bold),
        text(950, 242, "Transportart :", Courier, -40, underline),
        text(right, 242, "3", Courier, -40, bold),
        { CanvasCall::Kind::Line, 100 - mx, -300 + my, 2020 - mx, -300 + my, {}, {}, 0, 0 },
    };
    const QVector<Drawn> drawn = drawnInJob(printers.canvas(), 2);
    ASSERT_EQ(drawn.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        EXPECT_EQ(drawn.at(i), expected.at(i)) << "call " << i;

    // The seventeenth block of the first sheet lies 16 steps of 150 lower.
    const QVector<Drawn> first = drawnInJob(printers.canvas(), 1);
    EXPECT_TRUE(first.contains(text(left, 200 + 16 * 150, "DE0017", Courier, -40, bold)));
    EXPECT_TRUE(first.contains(text(1700, 50, "Seite : 1", Courier, -40, 0)));

    // The same list printed again gives the same sheets.
    printWithOk(customsOfficeListLayout());
    ASSERT_EQ(printers.canvas().jobCount(), 4);
    EXPECT_EQ(drawnInJob(printers.canvas(), 3), first);
    EXPECT_EQ(drawnInJob(printers.canvas(), 4), drawn);
}

TEST_F(ListPrintTest, ValuesStandBesideTheirOwnCaptions)
{
    insert(Tables::TransportModes, { { "Vkzweig", "3" }, { "Bez1", "Straßenverkehr" }, { "Bez2", "LKW" } });
    insert(Tables::Forwarders, { { "nummer", 4 }, { "name1", "Spedition Nord" }, { "land", "999" } });
    insert(Tables::ShippingAddresses, { { "nummer", 2 }, { "name1", "Lager Süd" }, { "land", "999" } });
    insert(Tables::ShippingAddresses, { { "nummer", 3 }, { "name1", "Lager Ost" }, { "land", "004" } });
    insert(Tables::Countries, { { "Land", "004" }, { "Bez", "Deutschland" }, { "Lkz", "DE" } });
    const int mx = 35;
    const int my = 40;
    auto valueAt = [&](int job, int x, int y, const QString &reference) {
        return printers.canvas().textAt(x + widthOf(reference, Courier, -40, FontStyle::Bold) - mx, -y + my, job);
    };

    printWithOk(transportModeListLayout());
    EXPECT_EQ(valueAt(1, 150, 250, "Verkehrszweig : "), "LKW") << "the kind of transport under \"Transportart\"";
    EXPECT_EQ(valueAt(1, 1000, 250, "Bezeichnung : "), "Straßenverkehr") << "the designation under \"Bezeichnung\"";

    printWithOk(forwarderListLayout());
    EXPECT_EQ(valueAt(2, 150, 584, "Land            :"), "") << "a country code that is not in the table";
    EXPECT_EQ(valueAt(2, 150, 260, "Anschrift       :"), "Spedition Nord");

    printWithOk(shippingAddressListLayout());
    EXPECT_EQ(valueAt(3, 900, 426, "Ansprechpartner : "), "");
    EXPECT_EQ(valueAt(3, 900, 426 + 360, "Ansprechpartner : "), "Deutschland");
    EXPECT_EQ(printers.canvas().textAt(150 - mx, -(300 + 360) + my, 3), "Lager Ost");
}

TEST_F(ListPrintTest, PackageKindListNamesTheLanguagesOfTheParameterRecord)
{
    ASSERT_TRUE(platform::SchemaRegistry::instance().contains("S_PARAME.DB"));
    platform::Table parameter(platform::Alias::Data, "S_PARAME.DB");
    parameter.open();
    parameter.edit();
    const QStringList names = { "Deutsch", "Englisch", "Französisch", "Spanisch", "Portugisisch" };
    for (int i = 0; i < 5; ++i)
        parameter.setValue(QStringLiteral("Sprache%1").arg(i + 1), names.at(i));
    parameter.post();
    insert(Tables::PackageKinds,
        { { "packart", "KI" }, { "bez", "Kiste" }, { "s", "Caja" }, { "p", "Caixa" }, { "laenge", 120 } });

    printWithOk(packageKindListLayout());
    const int mx = 35;
    const int my = 40;
    const int valueX = 900 + widthOf("123456789012345 : ", Courier, -40, FontStyle::Bold) - mx;
    EXPECT_EQ(printers.canvas().textAt(900 - mx, -410 + my), "Spanisch :");
    EXPECT_EQ(printers.canvas().textAt(valueX, -410 + my), "Caja");
    EXPECT_EQ(printers.canvas().textAt(900 - mx, -452 + my), "Portugisisch :");
    EXPECT_EQ(printers.canvas().textAt(valueX, -452 + my), "Caixa");
    EXPECT_EQ(
        printers.canvas().textAt(150 + widthOf("Packart: ", Courier, -40, FontStyle::Bold) - mx, -242 + my), "120")
        << "dimensions as whole numbers";
}

TEST_F(ListPrintTest, PrinterSetupChoosesThePrinterOfTheList)
{
    ListPrintWindow window(countryListLayout());
    EXPECT_EQ(window.statusBar()->currentMessage(), "Drucker: Drucker 1");
    dialogs.answerIndex(1);
    window.setupPrinter();
    EXPECT_EQ(window.statusBar()->currentMessage(), "Drucker: Drucker 2");
    EXPECT_EQ(window.windowTitle(), "Druck \"Länder\"");
}
