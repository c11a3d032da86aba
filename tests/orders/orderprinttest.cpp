#include "orderfixture.h"

#include "orders/orderprinttexts.h"
#include "orders/tfrmauftr_d.h"
#include "platform/printcanvas.h"
#include "platform/recordingcanvas.h"
#include "shell/printoffsets.h"
#include "shell/printsettings.h"
#include "shell/radiogroup.h"
#include "support/recordingprinters.h"

#include <QCheckBox>
#include <QImage>

using namespace orders;
using platform::CanvasCall;

namespace {

// A text the print drew, at its place on the sheet.
struct Drawn {
    QString text;
    int x;
    int y;
    int job;
};

class OrderPrintTest : public OrderTest
{
protected:
    void SetUp() override
    {
        OrderTest::SetUp();
        fillOrderPrintTexts(directory->session());
        platform::Table rows(platform::Alias::User, shell::PrintSettingsTable);
        rows.open();
        shell::createPrintRow(rows, OrderPrintRow, QStringLiteral("0"));
        writePicture("Logo.Bmp");
        setParameter("Kopf1", "Muster Maschinen GmbH");
        setParameter("Fuss1", "Fußzeile 1");
    }

    void writePicture(const QString &name)
    {
        QImage image(8, 8, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(directory->filePath(name), "BMP"));
    }

    static void addOrder(int number, QVariantMap values, int positions)
    {
        values.insert("Belegnr", number);
        values.insert("Redatum", QDate(2026, 12, 11));
        if (!values.contains("sprache"))
            values.insert("sprache", "D");
        if (!values.contains("proforma"))
            values.insert("proforma", "N");
        insert(Tables::Orders, values);
        for (int n = 1; n <= positions; ++n)
            insert(Tables::Positions,
                { { "Belegnr", number }, { "Pos", n }, { "bez1", QStringLiteral("Artikel %1").arg(n) }, { "anzahl", 2 },
                    { "einzpreis", 1234.5 }, { "quersum", 2469.0 }, { "waren", "84713000" }, { "urland", "DE" } });
    }

    // Prints the order with the choice given (-1: none) and returns the
    // texts drawn, at sheet positions.
    QVector<Drawn> print(int number, int choice, bool goodsNumbers = false)
    {
        TfrmAuftr_d window;
        EXPECT_TRUE(window.findDocument(number));
        window.show();
        window.layoutGroup()->setItemIndex(choice);
        window.CheckBox1->setChecked(goodsNumbers);
        window.printDocument();
        window.hide();
        return drawn();
    }

    QVector<Drawn> drawn()
    {
        const shell::PageOffsets offsets = shell::PageOffsets::compute(203, 289, 0, 0);
        QVector<Drawn> texts;
        for (const CanvasCall &call : printers.canvas().calls()) {
            if (call.kind == CanvasCall::Kind::Text && call.text != QLatin1String(" "))
                texts.append({ call.text, call.x + offsets.xoff, -call.y - offsets.yoff, call.job });
        }
        return texts;
    }

    QVector<CanvasCall> lines()
    {
        QVector<CanvasCall> found;
        for (const CanvasCall &call : printers.canvas().calls()) {
            if (call.kind == CanvasCall::Kind::Line)
                found.append(call);
        }
        return found;
    }

    static const Drawn *find(const QVector<Drawn> &texts, const QString &text, int job = 0)
    {
        for (const Drawn &d : texts) {
            if (d.text == text && (job == 0 || d.job == job))
                return &d;
        }
        return nullptr;
    }

    testsupport::RecordingPrinters printers;
};

TEST_F(OrderPrintTest, RowsFillThePageAndTheNextPageRepeatsTheFrame)
{
    addOrder(1, { { "kunde1", "Kunde AG" }, { "zabed1", "30 Tage netto" } }, 37);
    insert(Tables::SumLines,
        { { "Belegnr", 1 }, { "Pos", 1 }, { "ken", "Endsumme" }, { "bez1", "Endsumme" }, { "quersum", "91.353,00" } });
    const QVector<Drawn> texts = print(1, Invoice);

    ASSERT_EQ(printers.canvas().jobCount(), 2) << "each page a job of its own";
    for (const auto &job : printers.canvas().jobs())
        EXPECT_EQ(job.title, "Export / Versand: Auftragsdaten");
    const Drawn *first = find(texts, "Artikel 1");
    const Drawn *last = find(texts, "Artikel 36");
    const Drawn *next = find(texts, "Artikel 37");
    ASSERT_TRUE(first && last && next);
    EXPECT_EQ((QVector<int> { first->y, first->job, last->y, last->job }), (QVector<int> { 1300, 1, 2455, 1 }));
    EXPECT_EQ((QVector<int> { next->y, next->job }), (QVector<int> { 1300, 2 }));
    EXPECT_EQ(first->x, 310);

    for (int job : { 1, 2 }) {
        for (const char *frame : { "Muster Maschinen GmbH", "Kunde AG", "Rechnung", "Fußzeile 1", "Pos." })
            EXPECT_TRUE(find(texts, frame, job)) << frame << " on page " << job;
    }
    EXPECT_FALSE(find(texts, "- 1 -"));
    const Drawn *pageNumber = find(texts, "- 2 -");
    ASSERT_TRUE(pageNumber);
    EXPECT_EQ((QVector<int> { pageNumber->x, pageNumber->y, pageNumber->job }), (QVector<int> { 930, 2870, 2 }));
    const Drawn *sum = find(texts, "91.353,00");
    ASSERT_TRUE(sum);
    EXPECT_EQ((QVector<int> { sum->y, sum->job }), (QVector<int> { 1300 + 33, 2 }));
}

TEST_F(OrderPrintTest, TitleAndLabelsFollowChoiceLanguageAndProforma)
{
    struct Case {
        const char *language;
        const char *proforma;
        int choice;
        QString title; // at (230, 1140); empty: none
        QString numberLabel; // label 5 at (1200, 570)
    };
    const QVector<Case> cases = {
        { "D", "N", Invoice, "Rechnung", "Beleg-Nr." },
        { "e", "N", Invoice, "Invoice", "Document No." },
        { "E", "J", Invoice, "PROFORMA - RECHNUNG / PROFORMA - INVOICE", "Document No." },
        { "D", "X", Invoice, "", "Beleg-Nr." },
        { "F", "N", OrderConfirmation, "Confirmation de commande", "N° de document" },
        { "S", "N", DeliveryNote, "Albarán", "N.º de documento" },
        { "P", "N", CreditNote, "Nota de crédito", "N.º do documento" },
        { "Q", "N", Invoice, "", "" },
    };
    int number = 0;
    for (const Case &c : cases) {
        ++number;
        addOrder(number, { { "sprache", c.language }, { "proforma", c.proforma } }, 1);
        printers.canvas().clear();
        const QVector<Drawn> texts = print(number, c.choice);
        QString title;
        QString numberLabel;
        for (const Drawn &d : texts) {
            if (d.x == 230 && d.y == 1140)
                title = d.text;
            if (d.x == 1200 && d.y == 570)
                numberLabel = d.text;
        }
        EXPECT_EQ(title, c.title) << c.language << c.proforma << c.choice;
        EXPECT_EQ(numberLabel, c.numberLabel) << c.language;
        EXPECT_TRUE(find(texts, "Ust-ID")) << "fixed in every language";
    }
}

TEST_F(OrderPrintTest, DeliveryNoteLeavesOutPricesSumsAndPaymentTerms)
{
    addOrder(1, { { "zabed1", "30 Tage netto" }, { "mark1", "Markierung A" } }, 1);
    insert(Tables::SumLines,
        { { "Belegnr", 1 }, { "Pos", 1 }, { "ken", "Endsumme" }, { "bez1", "Endsumme" }, { "quersum", "2.469,00" } });
    insert(Tables::Packages,
        { { "Belegnr", 1 }, { "Pos", 1 }, { "Bez", "Kiste" }, { "M3", 1.5 }, { "Brutto", 1250.25 },
            { "Netto", 1000.0 } });
    const QVector<Drawn> delivery = print(1, DeliveryNote, true);
    for (const char *absent : { "1.234,50", "2.469,00", "Endsumme", "30 Tage netto  ", "Zahlungsbedingungen" })
        EXPECT_FALSE(find(delivery, absent)) << absent;
    for (const char *present :
        { "Kiste", "1,500", "1.250,3", "1.000,0", "Markierung A", "(Stat. Waren-Nr.: 84713000  Uspr.-Land: DE)" })
        EXPECT_TRUE(find(delivery, present)) << present;

    // Below the position and its goods-number row: 30 and the heading's 50.
    ASSERT_TRUE(find(delivery, "Kiste") && find(delivery, "Markierung A"));
    EXPECT_EQ(find(delivery, "Kiste")->y, 1300 + 2 * 33 + 30 + 50);
    EXPECT_EQ(find(delivery, "Markierung A")->y, 1300 + 3 * 33 + 30 + 50 + 30);

    printers.canvas().clear();
    const QVector<Drawn> invoice = print(1, Invoice);
    for (const char *present : { "1.234,50", "2.469,00", "30 Tage netto  ", "Zahlungsbedingungen" })
        EXPECT_TRUE(find(invoice, present)) << present;
    EXPECT_FALSE(find(invoice, "(Stat. Waren-Nr.: 84713000  Uspr.-Land: DE)"));
}

TEST_F(OrderPrintTest, SenderLineMovesTheAddressAndThePictureShortensTheFooterRule)
{
    addOrder(1, { { "kunde1", "Kunde AG" } }, 1);
    const auto footerRuleEnd = [this] {
        const shell::PageOffsets offsets = shell::PageOffsets::compute(203, 289, 0, 0);
        for (const CanvasCall &call : lines()) {
            if (-call.y - offsets.yoff == 2700)
                return call.x2 + offsets.xoff;
        }
        return -1;
    };
    QVector<Drawn> texts = print(1, Invoice);
    EXPECT_EQ(find(texts, "Kunde AG")->y, 570);
    EXPECT_EQ(footerRuleEnd(), 1900);

    setParameter("Kopf5", "Zweite Absenderzeile");
    writePicture("Bild.bmp");
    printers.canvas().clear();
    texts = print(1, Invoice);
    EXPECT_EQ(find(texts, "Kunde AG")->y, 590);
    EXPECT_EQ(footerRuleEnd(), 1600);
}

TEST_F(OrderPrintTest, NoChoiceOrNoLogoPrintsNothing)
{
    addOrder(1, {}, 3);
    print(1, -1);
    EXPECT_EQ(dialogs.texts(), QStringList({ "Sie müssen eines der drei Möglichkeiten anwählen!" }));
    EXPECT_EQ(printers.canvas().jobCount(), 0);

    QFile::remove(directory->filePath("Logo.Bmp"));
    dialogs.clear();
    print(1, Invoice);
    ASSERT_EQ(dialogs.texts().size(), 1);
    EXPECT_TRUE(dialogs.texts().first().contains("Logo.Bmp"));
    EXPECT_EQ(printers.canvas().jobCount(), 0) << "an unreadable logo prints no page";
}

TEST_F(OrderPrintTest, TranslationsComeOnceInRoleOrder)
{
    const QStringList keys = column(masterdata::Tables::Translations, "Bezeichnung");
    ASSERT_EQ(keys.size(), OrderPrintLabelCount);
    QStringList sorted = keys;
    sorted.sort();
    EXPECT_EQ(keys, sorted);
    const QStringList german = orderPrintLabels("d");
    EXPECT_EQ(german.at(23), "Rechnung");
    EXPECT_EQ(german.at(32), "Zahlungsbedingungen");
    for (const QString &text : german)
        EXPECT_LE(text.size(), 20) << text.toStdString();

    // A table that holds rows keeps them as they are.
    insert(masterdata::Tables::Translations, { { "Bezeichnung", "99 eigene" }, { "a", "Eigen" } });
    fillOrderPrintTexts(directory->session());
    EXPECT_EQ(column(masterdata::Tables::Translations, "Bezeichnung").size(), OrderPrintLabelCount + 1);
}

} // namespace
