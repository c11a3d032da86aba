#include "platform/paintercanvas.h"
#include "platform/printerservice.h"
#include "platform/recordingcanvas.h"
#include "platform/systemprinterset.h"
#include "support/recordingprinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace platform;

namespace {

constexpr double PointsPerMm = 72.0 / 25.4;

struct PdfWord {
    int page = 0;
    QString text;
    double xMm = 0;
    double yMm = 0; // top of the word's box from the top of the page
};

// The words of a PDF as pdftotext places them.
QList<PdfWord> readPdfWords(const QString &fileName)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), { QStringLiteral("-bbox"), fileName, QStringLiteral("-") });
    process.waitForFinished(30000);
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    static const QRegularExpression token(QStringLiteral(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="[\d.]+" yMax="[\d.]+">([^<]*)</word>)re"));
    QList<PdfWord> words;
    int page = 0;
    for (auto it = token.globalMatch(html); it.hasNext();) {
        const auto match = it.next();
        if (match.captured(0) == QLatin1String("<page ")) {
            ++page;
            continue;
        }
        words.append({ page, match.captured(3), match.captured(1).toDouble() / PointsPerMm,
            match.captured(2).toDouble() / PointsPerMm });
    }
    return words;
}

CanvasFont fontOf(const QString &name, int height, FontStyles style = {})
{
    CanvasFont font;
    font.name = name;
    font.height = height;
    font.style = style;
    return font;
}

int widthIn(const CanvasFont &font, const QString &text)
{
    RecordingCanvas canvas;
    canvas.setFont(font);
    return canvas.textWidth(text);
}

TEST(PrintCanvasTest, WindowsFontNamesMeasureWithTheLiberationFonts)
{
    const QString text = QStringLiteral("Ursprungszeugnis Nr. 4711 – Größe €");
    EXPECT_EQ(printFontFamily(QStringLiteral("arial")), "Liberation Sans");
    EXPECT_EQ(printFontFamily(QStringLiteral("Arial Narrow")), "Nimbus Sans Narrow");
    EXPECT_EQ(printFontFamily(QStringLiteral("Verdana")), "Verdana");

    struct Case {
        QString windowsName;
        QString liberationName;
    };
    const QList<Case> cases = { { "Arial", "Liberation Sans" }, { "Courier New", "Liberation Mono" },
        { "Times New Roman", "Liberation Serif" } };
    for (const auto &c : cases) {
        for (const FontStyles style : { FontStyles(), FontStyles(FontStyle::Bold) }) {
            EXPECT_EQ(
                widthIn(fontOf(c.windowsName, -350, style), text), widthIn(fontOf(c.liberationName, -350, style), text))
                << c.windowsName.toStdString();
        }
    }
    EXPECT_NE(widthIn(fontOf("Arial", -350), text), widthIn(fontOf("Times New Roman", -350), text));
    EXPECT_GT(widthIn(fontOf("Arial", -350, FontStyle::Bold), text), widthIn(fontOf("Arial", -350), text));
    // Liberation Mono advances 1229/2048 em a character, as Courier New does.
    EXPECT_EQ(widthIn(fontOf("Courier New", -100), "iiiiiiiiii"), 600);
}

TEST(PrintCanvasTest, FontHeightsAreCharacterOrCellHeights)
{
    RecordingCanvas canvas;
    // Liberation Sans: ascent 1854 + descent 434 of 2048 units a character height.
    canvas.setFont(fontOf("Arial", -2048));
    EXPECT_EQ(canvas.textHeight("x"), 2288);
    canvas.setFontHeight(2288);
    EXPECT_EQ(canvas.textHeight("x"), 2288);
    EXPECT_NEAR(canvas.textWidth("Zoll"), widthIn(fontOf("Arial", -2048), "Zoll"), 1);
    canvas.setFontHeight(0);
    EXPECT_EQ(canvas.textWidth("Zoll"), widthIn(fontOf("Arial", -DefaultCharacterHeight), "Zoll"));
    EXPECT_EQ(canvas.textWidth(""), 0);
}

TEST(PrintCanvasTest, RecordingCanvasKeepsJobsPagesAndState)
{
    RecordingCanvas canvas(QSize(200, 287));
    EXPECT_EQ(canvas.printableWidthMm(), 200);
    EXPECT_EQ(canvas.printableHeightMm(), 287);
    EXPECT_THROW(canvas.textOut(0, 0, "x"), PrintError) << "drawing needs a job";
    EXPECT_THROW(canvas.endDoc(), PrintError);
    canvas.abort(); // nothing running: nothing happens
    EXPECT_EQ(canvas.jobCount(), 0);

    canvas.setPrinterName("Laser");
    canvas.beginDoc("Export / Versand: EUR 1");
    EXPECT_THROW(canvas.beginDoc("zweiter"), PrintError);
    canvas.setFont(fontOf("Courier New", -40, FontStyle::Bold));
    canvas.textOut(280, -410, "Absender");
    canvas.newPage();
    canvas.moveTo(10, -20);
    canvas.lineTo(30, -20);
    canvas.setBrushNone();
    canvas.rectangle(0, 0, 100, -50);
    canvas.drawPicture(0, 0, 100, -100, QImage(4, 4, QImage::Format_RGB32));
    canvas.endDoc();
    canvas.beginDoc("Abgebrochen");
    canvas.abort();

    ASSERT_EQ(canvas.jobCount(), 2);
    EXPECT_EQ(canvas.jobs().at(0).title, "Export / Versand: EUR 1");
    EXPECT_EQ(canvas.jobs().at(0).printer, "Laser");
    EXPECT_EQ(canvas.pageCount(1), 2);
    EXPECT_TRUE(canvas.jobs().at(0).ended);
    EXPECT_TRUE(canvas.jobs().at(1).aborted);
    EXPECT_FALSE(canvas.printing());

    const CanvasCall *text = canvas.findText("Absender");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->x, 280);
    EXPECT_EQ(text->y, -410);
    EXPECT_EQ(text->font, fontOf("Courier New", -40, FontStyle::Bold));
    EXPECT_EQ(text->job, 1);
    EXPECT_EQ(text->page, 1);
    EXPECT_EQ(canvas.textAt(280, -410), "Absender");

    QList<CanvasCall::Kind> kinds;
    for (const auto &call : canvas.calls())
        kinds.append(call.kind);
    using K = CanvasCall::Kind;
    EXPECT_EQ(kinds,
        (QList<K> {
            K::BeginDoc, K::Text, K::NewPage, K::Line, K::Rectangle, K::Picture, K::EndDoc, K::BeginDoc, K::Abort }));
    const CanvasCall &line = canvas.calls().at(3);
    EXPECT_EQ(QList<int>({ line.x, line.y, line.x2, line.y2, line.page }), QList<int>({ 10, -20, 30, -20, 2 }));
    EXPECT_TRUE(canvas.calls().at(4).brush.none);
}

TEST(PrinterServiceTest, RecordingPrintersStandInForTheSystemsPrinters)
{
    auto &service = PrinterService::instance();
    {
        testsupport::RecordingPrinters printers({ "Laser", "Tinte" }, QSize(203, 289), 1);
        EXPECT_EQ(service.printerNames(), QStringList({ "Laser", "Tinte" }));
        EXPECT_EQ(service.currentIndex(), 1) << "the set's default printer is current";

        struct Case {
            int index;
            bool accepted;
            int current;
        };
        const QList<Case> cases = { { 0, true, 0 }, { 2, false, 0 }, { -1, false, 0 }, { 1, true, 1 } };
        for (const auto &c : cases) {
            EXPECT_EQ(service.setCurrentIndex(c.index), c.accepted) << c.index;
            EXPECT_EQ(service.currentIndex(), c.current) << c.index;
        }
        EXPECT_EQ(service.currentPrinterName(), "Tinte");
        EXPECT_EQ(service.printerName(5), "");
        EXPECT_EQ(service.horzSize(), 203);
        EXPECT_EQ(service.vertSize(), 289);

        PrintCanvas &canvas = service.beginJob("Export / Versand: EUR 1");
        EXPECT_TRUE(service.printing());
        EXPECT_THROW(service.beginJob("noch einer"), PrintError);
        canvas.textOut(245, -140, "Muster GmbH");
        canvas.endDoc();
        EXPECT_FALSE(service.printing());
        service.setCurrentIndex(0);
        service.beginJob("Export / Versand: EUR 1").endDoc();
        service.beginJob("Abbrechen");
        service.abortJob();
        EXPECT_FALSE(service.printing());

        ASSERT_EQ(printers.canvas().jobCount(), 3);
        EXPECT_TRUE(printers.canvas().jobs().at(2).aborted);
        EXPECT_EQ(printers.canvas().jobs().at(0).printer, "Tinte");
        EXPECT_EQ(printers.canvas().jobs().at(1).printer, "Laser");
        EXPECT_EQ(printers.canvas().textAt(245, -140, 1), "Muster GmbH");
    }
    {
        testsupport::RecordingPrinters none(QStringList {});
        EXPECT_EQ(service.currentIndex(), -1);
        EXPECT_EQ(service.horzSize(), 0);
        EXPECT_FALSE(service.printing());
        EXPECT_THROW(service.beginJob("x"), PrintError);
    }
    EXPECT_EQ(service.printerNames().first(), SystemPrinterSet::PdfPrinterName)
        << "afterwards the system's printers, the PDF printer at its fixed place first";
}

TEST(PrinterServiceTest, PdfFileNamesCarryKindNumberAndTimeAndStayWithin255Bytes)
{
    QTemporaryDir dir;
    const QDateTime time(QDate(2024, 3, 5), QTime(14, 3, 9));
    struct Case {
        QString title;
        QString label;
        QString name; // empty: only checked for its length
    };
    const QList<Case> cases = {
        { "Export / Versand: EUR 1", "Nr. 5 EUR RÜCKSEITE", "EUR 1 Nr. 5 EUR RÜCKSEITE_20240305_140309.pdf" },
        { "Liste", "", "Liste_20240305_140309.pdf" },
        { "Export / Versand: ", "Nr. 7", "Export Versand Nr. 7_20240305_140309.pdf" },
        { "Shipper`s Declaration - BelegNr.: 8", "Nr. 8",
            "Shipper`s Declaration - BelegNr. Nr. 8_20240305_140309.pdf" },
        { "", "", "Druckauftrag_20240305_140309.pdf" },
        { "Export / Versand: " + QString(300, QChar(u'Ü')), "Nr. 1", "" },
        { QString::fromUtf8("Export / Versand: \xf0\x9f\x98\x80").repeated(40), "", "" },
        { QString(400, 'x'), "Nr. 1", "" },
    };
    for (const Case &c : cases) {
        const QString path = SystemPrinterSet::pdfJobFileName(dir.path(), c.title, time, c.label);
        const QString name = QFileInfo(path).fileName();
        if (!c.name.isEmpty()) {
            EXPECT_EQ(name, c.name);
        }
        EXPECT_LE(name.toUtf8().size(), 255) << name.left(20).toStdString();
        EXPECT_TRUE(name.endsWith("_20240305_140309.pdf")) << name.right(30).toStdString();
        EXPECT_EQ(QString::fromUtf8(name.toUtf8()), name) << "cut between characters";
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << "the file system takes the name";
        file.close();
        const QString second
            = QFileInfo(SystemPrinterSet::pdfJobFileName(dir.path(), c.title, time, c.label)).fileName();
        EXPECT_LE(second.toUtf8().size(), 255) << "also with a running number";
        EXPECT_NE(second, name);
    }
}

TEST(PrinterServiceTest, PdfPrinterWritesEachJobAsAFileInTheUserDirectory)
{
    QTemporaryDir dir;
    const QString pdfDirectory = dir.filePath("User1");
    PrinterService::setPdfDirectory(pdfDirectory);
    auto &service = PrinterService::instance();
    service.install(nullptr);
    ASSERT_TRUE(service.setCurrentIndex(SystemPrinterSet::PdfPrinterIndex));
    EXPECT_EQ(service.currentPrinterName(), "PDF-Datei");
    EXPECT_EQ(service.horzSize(), 210);
    EXPECT_EQ(service.vertSize(), 297);

    for (int copy = 0; copy < 2; ++copy) {
        PrintCanvas &canvas = service.beginJob("Export / Versand: EUR 1");
        canvas.textOut(0, 0, " ");
        canvas.textOut(280, -410, "Kopie");
        canvas.endDoc();
    }
    PrintCanvas &aborted = service.beginJob("Export / Versand: EUR 1");
    aborted.textOut(280, -410, "verworfen");
    aborted.abort();

    // The test clock stands at 05.03.2024 14:03:09.
    const QStringList files = QDir(pdfDirectory).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(files, QStringList({ "EUR 1_20240305_140309.pdf", "EUR 1_20240305_140309_2.pdf" }))
        << "named after the kind and the time";
    EXPECT_EQ(readPdfWords(QDir(pdfDirectory).filePath(files.value(0))).value(0).text, "Kopie");
    EXPECT_EQ(PrinterService::takeWrittenPdfFiles(),
        QStringList({ QDir(pdfDirectory).filePath(files.value(0)), QDir(pdfDirectory).filePath(files.value(1)) }))
        << "the aborted job wrote nothing";
    EXPECT_TRUE(PrinterService::takeWrittenPdfFiles().isEmpty());

    PrinterService::setPdfDirectory(QString());
    service.install(nullptr);
}

TEST(PainterCanvasTest, TextLandsWhereTheCanvasPutsItInThePdf)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("druck.pdf");
    PainterCanvas canvas(PainterCanvas::createPdfPrinter(file));

    struct Case {
        CanvasFont font;
        int x;
        int y;
        QString text;
        int page;
    };
    const QList<Case> cases = {
        { fontOf("Arial", -35), 280, -410, "Absender", 1 },
        { fontOf("Courier New", -40, FontStyle::Bold), 1230, -980, "Deutschland", 1 },
        { fontOf("Times New Roman", -60, FontStyle::Italic | FontStyle::Underline), 50, -2800, "Unterschrift", 1 },
        { fontOf("Arial", 50), 1600, -100, "Zellenhöhe", 1 },
        { fontOf("Arial", -35), 700, -1500, "Rückseite", 2 },
    };
    canvas.beginDoc("Probe");
    for (const auto &c : cases) {
        if (c.page > canvas.pageNumber())
            canvas.newPage();
        canvas.setFont(c.font);
        canvas.textOut(c.x, c.y, c.text);
    }
    canvas.setFont(fontOf("Arial", -40));
    canvas.setFontAngle(900);
    canvas.textOut(1000, -2000, "Senkrecht");
    canvas.setFontAngle(0);
    canvas.setPenWidth(5);
    canvas.rectangle(100, -100, 2000, -2900);
    canvas.setBrushColor(Qt::lightGray);
    canvas.ellipse(200, -200, 400, -300);
    canvas.fillRect(500, -200, 600, -300);
    QImage logo(20, 10, QImage::Format_RGB32);
    logo.fill(Qt::blue);
    canvas.drawPicture(1500, -200, 1700, -300, logo);
    canvas.endDoc();

    EXPECT_EQ(canvas.printableWidthMm(), 210);
    EXPECT_EQ(canvas.lastOutputFile(), file);
    const QList<PdfWord> words = readPdfWords(file);
    for (const auto &c : cases) {
        const auto found = std::find_if(words.begin(), words.end(), [&](const PdfWord &w) { return w.text == c.text; });
        ASSERT_NE(found, words.end()) << c.text.toStdString();
        EXPECT_EQ(found->page, c.page) << c.text.toStdString();
        EXPECT_NEAR(found->xMm, c.x / 10.0, 0.5) << c.text.toStdString();
        EXPECT_NEAR(found->yMm, -c.y / 10.0, 0.5) << c.text.toStdString();
    }
    const auto rotated
        = std::find_if(words.begin(), words.end(), [](const PdfWord &w) { return w.text == "Senkrecht"; });
    ASSERT_NE(rotated, words.end());
    // Turned counter-clockwise about its top-left corner: it rises from there.
    EXPECT_LT(rotated->yMm, 200.0 - 10.0);
    EXPECT_NEAR(rotated->xMm, 100.0, 5.0);
}

TEST(PainterCanvasTest, OrientationTurnsThePrintableAreaAndTheSheetOfEachJob)
{
    // The recording canvas swaps its printable size and notes each job's
    // orientation; the printer service sets it on the current printer.
    testsupport::RecordingPrinters printers({ "Laser" }, QSize(203, 289));
    auto &service = PrinterService::instance();
    EXPECT_EQ(service.orientation(), PageOrientation::Portrait);
    service.setOrientation(PageOrientation::Landscape);
    EXPECT_EQ(service.horzSize(), 289);
    EXPECT_EQ(service.vertSize(), 203);
    service.beginJob("quer");
    EXPECT_THROW(service.setOrientation(PageOrientation::Portrait), PrintError) << "not within a job";
    service.canvas().endDoc();
    service.setOrientation(PageOrientation::Portrait);
    service.beginJob("hoch").endDoc();
    ASSERT_EQ(printers.canvas().jobCount(), 2);
    EXPECT_EQ(printers.canvas().jobs().at(0).orientation, PageOrientation::Landscape);
    EXPECT_EQ(printers.canvas().jobs().at(1).orientation, PageOrientation::Portrait);
    EXPECT_EQ(service.horzSize(), 203);

    // The PDF printer: a landscape job is a landscape sheet, the next
    // portrait job a portrait one.
    QTemporaryDir dir;
    PainterCanvas canvas(PainterCanvas::createPdfPrinter(dir.filePath("quer.pdf")));
    canvas.setOrientation(PageOrientation::Landscape);
    EXPECT_EQ(canvas.printableWidthMm(), 297);
    EXPECT_EQ(canvas.printableHeightMm(), 210);
    canvas.beginDoc("Quer");
    canvas.textOut(2500, -100, "rechts");
    canvas.endDoc();
    const QList<PdfWord> words = readPdfWords(dir.filePath("quer.pdf"));
    ASSERT_EQ(words.size(), 1);
    EXPECT_NEAR(words.at(0).xMm, 250.0, 0.5) << "beyond the width of a portrait sheet";
    canvas.setOrientation(PageOrientation::Portrait);
    EXPECT_EQ(canvas.printableWidthMm(), 210);
}

TEST(PainterCanvasTest, AnAbortedJobWritesNothingAndAFailingFileIsReported)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("abbruch.pdf");
    PainterCanvas canvas(PainterCanvas::createPdfPrinter(file));
    canvas.beginDoc("Abbruch");
    canvas.textOut(100, -100, "weg");
    canvas.abort();
    EXPECT_FALSE(QFileInfo::exists(file));

    QFile blocker(dir.filePath("belegt"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    PainterCanvas blocked(PainterCanvas::createPdfPrinter(dir.filePath("belegt/datei.pdf")));
    blocked.beginDoc("Fehler");
    blocked.textOut(100, -100, "x");
    EXPECT_THROW(blocked.endDoc(), PrintError);
    EXPECT_FALSE(blocked.printing());
}

} // namespace
