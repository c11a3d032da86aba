#include "sad/blankform.h"

#include "platform/printcanvas.h"

#include <cmath>
#include <optional>

namespace sad {

namespace {

const QColor Watermark(0xC0, 0xC0, 0xC0);

FormBox box(const QString &number, int x1, int y1, int x2, int y2, const QStringList &captions = {})
{
    return FormBox { number, x1, y1, x2, y2, captions };
}

// The boxes of the first sheet 0733.
const QVector<FormBox> &firstSheetBoxes()
{
    static const QVector<FormBox> boxes = {
        // Upper part, left column
        box(QStringLiteral("2"), 220, 95, 1145, 345,
            { QStringLiteral("Versender / Ausführer"), QStringLiteral("Nr.") }),
        box(QStringLiteral("8"), 220, 345, 1145, 600, { QStringLiteral("Empfänger"), QStringLiteral("Nr.") }),
        box(QStringLiteral("14"), 220, 600, 1145, 790,
            { QStringLiteral("Anmelder / Vertreter"), QStringLiteral("Nr.") }),
        box(QStringLiteral("18"), 220, 790, 1030, 870,
            { QStringLiteral("Kennzeichen und Staatszugehörigkeit des Beförderungsmittels beim Abgang") }),
        box(QStringLiteral("19"), 1030, 790, 1145, 870, { QStringLiteral("Ctr.") }),
        box(QStringLiteral("21"), 220, 870, 1145, 950,
            { QStringLiteral("Kennz. und Staatszuge. des grenzüber. aktiven Beförderungsmittels") }),
        box(QStringLiteral("25"), 220, 950, 440, 1040,
            { QStringLiteral("Verkehrszweig an"), QStringLiteral("der Grenze") }),
        box(QStringLiteral("26"), 440, 950, 660, 1040,
            { QStringLiteral("Inländerischer Ver-"), QStringLiteral("kehrszweig") }),
        box(QStringLiteral("27"), 660, 950, 1145, 1040, { QStringLiteral("Ladeort") }),
        box(QStringLiteral("29"), 220, 1040, 800, 1110, { QStringLiteral("Ausgangszollstelle") }),
        box(QStringLiteral("30"), 800, 1040, 1145, 1110, { QStringLiteral("Warenort") }),
        // Upper part, right column
        box(QStringLiteral("3"), 1145, 180, 1300, 270, { QStringLiteral("Vordrucke") }),
        box(QStringLiteral("4"), 1300, 180, 1450, 270, { QStringLiteral("Ladeliste") }),
        box(QStringLiteral("5"), 1145, 270, 1370, 350, { QStringLiteral("Positionen") }),
        box(QStringLiteral("6"), 1370, 270, 1500, 350, { QStringLiteral("Packst. insge.") }),
        box(QStringLiteral("7"), 1500, 270, 2040, 350, { QStringLiteral("Bezugsnummer") }),
        box(QStringLiteral("9"), 1145, 350, 2040, 520,
            { QStringLiteral("Verantwortlicher für den Zahlungsverkehr"), QStringLiteral("Nr.") }),
        box(QStringLiteral("10"), 1145, 520, 1300, 600, { QStringLiteral("Erstes Best."), QStringLiteral("land") }),
        box(QStringLiteral("11"), 1300, 520, 1450, 600, { QStringLiteral("Handels-"), QStringLiteral("land") }),
        box(QStringLiteral("13"), 1450, 520, 2040, 600, { QStringLiteral("G.L.P.") }),
        box(QStringLiteral("15"), 1145, 600, 1600, 690, { QStringLiteral("Versendungs-/Ausfuhrland") }),
        box(QStringLiteral("15"), 1600, 600, 1800, 690,
            { QStringLiteral("Vers./Ausf.L.Code"), QStringLiteral("a      b") }),
        box(QStringLiteral("17"), 1800, 600, 2040, 690,
            { QStringLiteral("Bestimm.L.Code"), QStringLiteral("a      b") }),
        box(QStringLiteral("16"), 1145, 690, 1590, 790, { QStringLiteral("Ursprungsland") }),
        box(QStringLiteral("17"), 1590, 690, 2040, 790, { QStringLiteral("Bestimmungsland") }),
        box(QStringLiteral("20"), 1145, 790, 2040, 870, { QStringLiteral("Lieferbedingung") }),
        box(QStringLiteral("22"), 1145, 870, 1600, 950, { QStringLiteral("Währung u. in Rechn. gestel. Gesamtbetr.") }),
        box(QStringLiteral("23"), 1600, 870, 1830, 950, { QStringLiteral("Umrechnungskurs") }),
        box(QStringLiteral("24"), 1830, 870, 2040, 950, { QStringLiteral("Art des"), QStringLiteral("Geschäfts") }),
        box(QStringLiteral("28"), 1145, 950, 2040, 1110, { QStringLiteral("Finanz- und Bankangaben") }),
        // Item part
        box(QStringLiteral("31"), 60, 1110, 1250, 1480,
            { QStringLiteral("Packstücke"), QStringLiteral("und Waren-"), QStringLiteral("bezeich-"),
                QStringLiteral("nung") }),
        box(QStringLiteral("32"), 1250, 1110, 1370, 1200, { QStringLiteral("Positions-"), QStringLiteral("Nr.") }),
        box(QStringLiteral("33"), 1370, 1110, 2040, 1200, { QStringLiteral("Warennummer") }),
        box(QStringLiteral("34"), 1370, 1200, 1600, 1285,
            { QStringLiteral("Urspr.land.Code"), QStringLiteral("a      b") }),
        box(QStringLiteral("35"), 1600, 1200, 1830, 1285, { QStringLiteral("Rohmasse (kg)") }),
        box(QStringLiteral("37"), 1370, 1285, 1600, 1370, { QStringLiteral("VERFAHREN") }),
        box(QStringLiteral("38"), 1600, 1285, 1830, 1370, { QStringLiteral("Eigenmasse (kg)") }),
        box(QStringLiteral("39"), 1830, 1285, 2040, 1370, { QStringLiteral("Kontingent") }),
        box(QStringLiteral("40"), 1370, 1370, 2040, 1470, { QStringLiteral("Summarische Anmeldung/Vorpapier") }),
        box(QStringLiteral("41"), 1370, 1470, 1680, 1540, { QStringLiteral("Besondere Maßeinheit") }),
        box(QStringLiteral("44"), 60, 1480, 1680, 1705,
            { QStringLiteral("Besondere"), QStringLiteral("Vermerke/"), QStringLiteral("Vorgelegte"),
                QStringLiteral("Unterlagen/"), QStringLiteral("Bescheini-"), QStringLiteral("gungen u. Ge-"),
                QStringLiteral("nehmigungen") }),
        box(QStringLiteral("45"), 1680, 1540, 2040, 1620, { QStringLiteral("Code B.V.") }),
        box(QStringLiteral("46"), 1680, 1620, 2040, 1705, { QStringLiteral("Statistischer Wert") }),
        // Lower part
        box(QStringLiteral("47"), 60, 1705, 1130, 2140, { QStringLiteral("Abgaben-"), QStringLiteral("berechnung") }),
        box(QStringLiteral("48"), 1130, 1705, 1590, 1830, { QStringLiteral("Zahlungsaufschub") }),
        box(QStringLiteral("49"), 1590, 1705, 2040, 1830, { QStringLiteral("Bezeichnung des Lagers") }),
        box(QStringLiteral("B"), 1130, 1830, 2040, 2140, { QStringLiteral("ANGABEN FÜR VERBUCHUNGSZWECKE") }),
        box(QStringLiteral("50"), 60, 2140, 1450, 2300,
            { QStringLiteral("Hauptverpflichteter"), QStringLiteral("Nr."), QStringLiteral("Unterschrift"),
                QStringLiteral("vertreten durch"), QStringLiteral("Ort und Datum:") }),
        box(QStringLiteral("51"), 60, 2300, 2040, 2475,
            { QStringLiteral("Vorgesehene"), QStringLiteral("Durchgangs-"), QStringLiteral("zollstellen"),
                QStringLiteral("(und Land)") }),
        box(QStringLiteral("52"), 60, 2475, 1370, 2560,
            { QStringLiteral("Sicherheit"), QStringLiteral("nich gültig für"), QStringLiteral("Code") }),
        box(QStringLiteral("53"), 1370, 2475, 2040, 2560, { QStringLiteral("Bestimmungsstelle (und Land)") }),
        box(QStringLiteral("D"), 60, 2560, 1370, 2900,
            { QStringLiteral("PRÜFUNG DURCH DIE ABGANGSSTELLE"), QStringLiteral("Ergebnis:"),
                QStringLiteral("Angebrachte Verschlüsse: Anzahl:"), QStringLiteral("Zeichen:"),
                QStringLiteral("Frist (letzter Tag):"), QStringLiteral("Unterschift"), QStringLiteral("Stempel:") }),
        box(QStringLiteral("54"), 1370, 2560, 2040, 2900,
            { QStringLiteral("Ort und Datum:"), QStringLiteral("Unterschrift und Name des Anmelders/Vertreters:") }),
    };
    return boxes;
}

// The heavy strokes and dashed, dotted outlines of the first sheet.
FormDrawing firstSheetLines()
{
    FormDrawing d;
    d << frame(60, 20, 2040, 2900);
    d << frame(140, 97, 220, 1110, 5) << line(140, 180, 220, 180, 5) << line(140, 1030, 290, 1030, 5);
    d << frame(1145, 60, 1450, 180, 5) << line(1240, 60, 1240, 180) << line(1290, 60, 1290, 180);
    d << frame(1370, 1285, 1600, 1370, 5);
    d << line(60, 1110, 140, 1110) << line(60, 1480, 1370, 1480) << line(60, 1705, 2040, 1705)
      << line(60, 2140, 1450, 2140) << line(60, 2300, 220, 2300) << line(60, 2475, 2040, 2475)
      << line(60, 2560, 2040, 2560);
    // The tax lines of box 47.
    d << frame(220, 1765, 1130, 2090);
    for (const int x : { 320, 570, 825, 1080 })
        d << line(x, 1765, x, 2090);
    d << line(220, 1805, 1130, 1805) << line(220, 2040, 1130, 2040);
    // Box 51's columns.
    for (const int x : { 520, 830, 1140, 1450, 1750 })
        d << line(x, 2400, x, 2475);
    d << line(220, 2400, 2040, 2400);
    // Box C outlined with dashes.
    d << dashes(1450, 2140, 29) << dashes(1450, 2390, 29) << dashes(1450, 2140, 13, true);
    // Dotted parts: box 28's lower line, the code part of box 44.
    d << dots(1145, 1030, 112) << dots(1370, 1620, 39) << dots(1370, 1624, 10, true);
    // Heavy edges of the small code boxes.
    const int strokes[][4] = { { 1145, 270, 1145, 350 }, { 1370, 270, 1370, 350 }, { 1500, 270, 1500, 350 },
        { 1600, 600, 1600, 690 }, { 1700, 640, 1700, 690 }, { 1800, 600, 1800, 690 }, { 1920, 640, 1920, 690 },
        { 1250, 1110, 1250, 1200 }, { 1370, 1110, 1370, 1200 }, { 1250, 1200, 1370, 1200 }, { 1370, 1200, 1600, 1200 },
        { 1480, 1240, 1480, 1285 }, { 1600, 1200, 1600, 1285 }, { 1830, 1200, 1830, 1285 }, { 1600, 1285, 1830, 1285 },
        { 1830, 1285, 1830, 1370 }, { 1680, 1540, 1680, 1705 }, { 1680, 1540, 2040, 1540 }, { 1680, 1620, 2040, 1620 },
        { 1370, 2475, 1370, 2560 }, { 1370, 2475, 2040, 2475 }, { 1030, 790, 1030, 870 }, { 1830, 870, 1830, 950 },
        { 1600, 870, 1600, 950 }, { 1300, 180, 1300, 270 }, { 1300, 520, 1300, 600 }, { 1450, 520, 1450, 600 },
        { 1145, 600, 1145, 690 }, { 1590, 690, 1590, 790 }, { 440, 950, 440, 1040 }, { 660, 950, 660, 1040 },
        { 800, 1040, 800, 1110 }, { 1940, 870, 1940, 950 }, { 1370, 1470, 1680, 1470 }, { 1370, 1370, 2040, 1370 },
        { 1590, 1705, 1590, 1830 }, { 1130, 1705, 1130, 1830 }, { 1130, 1830, 2040, 1830 }, { 1145, 180, 1450, 180 } };
    for (const auto &s : strokes)
        d << line(s[0], s[1], s[2], s[3], 5);
    return d;
}

// Grey runs across the parts the export declaration leaves empty.
FormDrawing firstSheetXRuns()
{
    const int runs[][3] = { { 3, 1300, 130 }, { 5, 1320, 220 }, { 4, 1390, 310 }, { 37, 1160, 440 }, { 4, 1160, 555 },
        { 16, 1480, 555 }, { 12, 1160, 650 }, { 2, 1620, 650 }, { 2, 1720, 650 }, { 2, 1940, 650 }, { 12, 1160, 740 },
        { 30, 230, 830 }, { 2, 1080, 830 }, { 9, 1850, 830 }, { 8, 1610, 905 }, { 12, 670, 995 }, { 6, 870, 995 },
        { 37, 1160, 990 }, { 12, 810, 1075 }, { 2, 160, 1075 }, { 6, 1900, 1150 }, { 8, 1840, 1325 },
        { 13, 1690, 1575 }, { 35, 230, 1870 }, { 16, 1140, 1765 }, { 7, 230, 2430 }, { 10, 530, 2430 },
        { 10, 840, 2430 }, { 10, 1150, 2430 }, { 10, 1460, 2430 }, { 9, 1760, 2430 }, { 28, 230, 2515 },
        { 3, 1110, 2515 }, { 22, 1390, 2515 } };
    FormDrawing d;
    for (const auto &run : runs)
        d << xRun(run[0], run[1], run[2]);
    return d;
}

struct CopyTexts {
    QString title; // rotated copy title
    QString number;
    QStringList large; // the large text(s) of box B
    int largeHeight = 50;
    bool smallTexts = true;
};

std::optional<CopyTexts> firstSheetCopyTexts(int copy)
{
    const QString exportCountry = QStringLiteral("Exemplar für das Versendungs-/Ausfuhrland");
    switch (copy) {
    case 1:
        return CopyTexts { exportCountry, QStringLiteral("1"), { QStringLiteral("Ausfuhranmeldung") } };
    case 2:
        return CopyTexts { QStringLiteral("Exemplar für die Statistik - Versendungs-/Ausfuhrland"), QStringLiteral("2"),
            { QStringLiteral("Ausfuhranmeldung") } };
    case 3:
        return CopyTexts { QStringLiteral("Exemplar für den Versender/Ausführer"), QStringLiteral("3"),
            { QStringLiteral("Durchschrift der Ausfuhranmeldung") } };
    case 4:
        return CopyTexts { QStringLiteral("Exemplar für den Versender/Ausführer"), QStringLiteral("3"),
            { QStringLiteral("Kopie für"), QStringLiteral("Aussteller") }, 100, false };
    default:
        return std::nullopt;
    }
}

} // namespace

bool MainStampOptions::complete() const
{
    return !zollamt1.isEmpty() && !zollamt2.isEmpty() && !zollamtAn1.isEmpty() && !zollamtAn2.isEmpty()
        && !zollamtNr.isEmpty();
}

FormDrawing boxesDrawing(const QVector<FormBox> &boxes)
{
    FormDrawing d;
    for (const FormBox &b : boxes) {
        d << frame(b.x1, b.y1, b.x2, b.y2);
        const bool strip = b.x1 == 60 && b.x2 > 220;
        // Boxes with a caption strip carry number and captions in the strip.
        const int numberX = b.x1 + 10;
        d << title(b.number, numberX, b.y1 + 5, b.numberHeight);
        int captionX = strip ? b.x1 + 10 : b.x1 + 10 + 20 * int(b.number.size()) + 10;
        int captionY = strip ? b.y1 + 35 : b.y1 + 5;
        for (const QString &text : b.captions) {
            d << caption(text, captionX, captionY, b.captionHeight);
            // Several captions stand one below the other.
            captionY += 25;
        }
    }
    return d;
}

FormDrawing exportFirstSheetForm(int copy)
{
    FormDrawing d = firstSheetLines();
    d << boxesDrawing(firstSheetBoxes());
    d << frame(1450, 30, 2040, 270);
    d << title(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 150, 55, 30);
    d << title(QStringLiteral("1   A N M E L D U N G"), 1160, 70, 25);
    // Box C's caption stands clear of the emergency procedure's block.
    d << title(QStringLiteral("C"), 1460, 2145) << caption(QStringLiteral("ABGANGSSTELLE"), 1460, 2175);
    d << title(QStringLiteral("0733"), 70, 2880)
      << caption(QStringLiteral("Einheitspapier (Versendung/Ausfuhr) - III B1 - (2007)"), 130, 2880);
    // Box 47's column heads and sum line.
    d << caption(QStringLiteral("Art"), 240, 1775) << caption(QStringLiteral("Bemessungsgrundlage"), 340, 1775)
      << caption(QStringLiteral("Satz"), 590, 1775) << caption(QStringLiteral("Betrag"), 845, 1775)
      << caption(QStringLiteral("ZA"), 1090, 1775) << caption(QStringLiteral("Summe:"), 240, 2050);
    if (const std::optional<CopyTexts> texts = firstSheetCopyTexts(copy)) {
        d << rotated(texts->title, 160, 980, 35, 270);
        d << title(texts->number, 170, 120, 50) << title(texts->number, 170, 1040, 50);
        if (texts->large.size() == 1) {
            d << title(texts->large.first(), 1170, 1850, texts->largeHeight);
        } else {
            d << title(texts->large.at(0), 1170, 1850, texts->largeHeight)
              << title(texts->large.at(1), 1170, 1980, texts->largeHeight);
        }
        if (texts->smallTexts) {
            d << title(QStringLiteral("Zollstelle der ergänzenden Anmeldung"), 1170, 1930, 30)
              << title(QStringLiteral("Bezeichnung:"), 1170, 1980, 30)
              << title(QStringLiteral("Anschrift:"), 1170, 2030, 30);
        }
    }
    d << firstSheetXRuns();
    return d;
}

FormDrawing formNumberDrawing(const QString &letters, const QString &digits)
{
    FormDrawing d;
    d << spaced(QStringLiteral("Nr"), 660, 50, 37);
    if (!letters.isEmpty())
        d << spaced(letters, 762, 50, 37);
    if (!digits.isEmpty())
        d << spaced(digits, 889, 50, 37);
    return d;
}

FormDrawing customsOfficeStamp(const MainStampOptions &o)
{
    FormDrawing d;
    d << frame(1450, 30, 2000, 270, 6);
    d << line(1450, 110, 2000, 110, 3) << line(1450, 190, 2000, 190, 3) << line(1575, 30, 1575, 110, 3)
      << line(1750, 110, 1750, 190, 3) << line(1845, 190, 1845, 270, 3);
    d << centredOn(QStringLiteral("DE"), 1513, 70, 50);
    d << centred(o.zollamt1, 1575, 2000, 40, 25) << centred(o.zollamt2, 1575, 2000, 75, 25);
    d << centred(o.zollamtAn1, 1450, 1845, 200, 25) << centred(o.zollamtAn2, 1450, 1845, 235, 25);
    d << centred(o.zollamtNr, 1845, 2000, 210, 35);
    return d;
}

FormDrawing exportContinuationForm(int copy)
{
    FormDrawing d;
    // Head
    d << frame(220, 90, 1150, 260) << line(60, 260, 2050, 260);
    d << frame(1150, 60, 1461, 180, 4) << line(1240, 60, 1240, 180) << line(1290, 60, 1290, 180);
    d << frame(1315, 187, 1457, 255, 10);
    d << spaced(QStringLiteral("Nr"), 660, 50, 37);
    d << title(QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 220, 55, 27);
    d << title(QStringLiteral("C"), 1200, 135, 35) << title(QStringLiteral("BIS"), 1402, 135, 35);
    d << title(QStringLiteral("1   A N M E L D U N G"), 1160, 65, 25);
    d << title(QStringLiteral("2"), 230, 95) << caption(QStringLiteral("Versender / Ausführer"), 260, 95)
      << caption(QStringLiteral("Nr."), 620, 95);
    d << title(QStringLiteral("3"), 1160, 185) << caption(QStringLiteral("Vordrucke"), 1185, 185);
    d << title(QStringLiteral("A"), 1480, 200) << caption(QStringLiteral("VERSENDUNGS-/AUSFUHRZOLLSTELLE"), 1510, 200);
    // The run of box 1 is black on the continuation sheet.
    FormPrimitive box1 = caption(QStringLiteral("XXXXX"), 1300, 140, 30);
    d << box1;
    // Three item blocks
    for (int k = 0; k < 3; ++k) {
        const int dy = 590 * k;
        d << frame(220, 260 + dy, 1380, 640 + dy) << frame(1245, 260 + dy, 1325, 340 + dy);
        d << frame(1380, 260 + dy, 2050, 345 + dy) << frame(1380, 345 + dy, 2050, 430 + dy);
        d << frame(1380, 430 + dy, 1608, 510 + dy, 5) << frame(1608, 430 + dy, 2050, 510 + dy);
        d << frame(1380, 510 + dy, 2050, 600 + dy) << frame(1380, 600 + dy, 1690, 690 + dy);
        // Box 44 runs below box 31 and under box 41 to the boxes 45 and 46.
        d << line(220, 650 + dy, 1380, 650 + dy) << line(1380, 690 + dy, 1690, 690 + dy)
          << line(220, 640 + dy, 220, 850 + dy) << line(1690, 600 + dy, 1690, 850 + dy);
        d << frame(1690, 600 + dy, 2050, 760 + dy) << frame(1690, 760 + dy, 2050, 850 + dy);
        d << line(60, 850 + dy, 2050, 850 + dy);
        d << title(QStringLiteral("31"), 70, 270 + dy) << caption(QStringLiteral("Packstücke"), 70, 300 + dy)
          << caption(QStringLiteral("und Waren-"), 70, 325 + dy) << caption(QStringLiteral("bezeich-"), 70, 350 + dy)
          << caption(QStringLiteral("nung"), 70, 375 + dy);
        d << caption(QStringLiteral("Zeichen und Nummern - Container Nr. - Anzahl und Art"), 230, 265 + dy);
        d << title(QStringLiteral("32"), 1250, 265 + dy) << title(QStringLiteral("33"), 1390, 265 + dy)
          << caption(QStringLiteral("Warennummer"), 1430, 265 + dy);
        d << title(QStringLiteral("34"), 1390, 350 + dy) << caption(QStringLiteral("Urspr.land.Code"), 1430, 350 + dy)
          << title(QStringLiteral("35"), 1610, 350 + dy) << caption(QStringLiteral("Rohmasse (kg)"), 1650, 350 + dy);
        d << title(QStringLiteral("37"), 1390, 435 + dy) << caption(QStringLiteral("VERFAHREN"), 1430, 435 + dy)
          << title(QStringLiteral("38"), 1620, 435 + dy) << caption(QStringLiteral("Eigenmasse (kg)"), 1660, 435 + dy);
        d << title(QStringLiteral("39"), 1830, 435 + dy);
        d << title(QStringLiteral("40"), 1390, 515 + dy)
          << caption(QStringLiteral("Summarische Anmeldung/Vorpapier"), 1430, 515 + dy);
        d << title(QStringLiteral("41"), 1390, 605 + dy)
          << caption(QStringLiteral("Besondere Maßeinheit"), 1430, 605 + dy);
        d << title(QStringLiteral("44"), 70, 655 + dy) << caption(QStringLiteral("Besondere"), 70, 685 + dy)
          << caption(QStringLiteral("Vermerke"), 70, 710 + dy);
        d << title(QStringLiteral("45"), 1700, 605 + dy) << caption(QStringLiteral("Code B.V."), 1740, 605 + dy);
        d << title(QStringLiteral("46"), 1700, 765 + dy)
          << caption(QStringLiteral("Statistischer Wert"), 1740, 765 + dy);
        d << xRun(4, 1945, 300 + dy) << xRun(5, 1920, 475 + dy) << xRun(3, 1710, 735 + dy);
    }
    // Foot: box 47 as two tax columns
    for (const int y : { 2080, 2420, 2460, 2510 })
        d << line(220, y, 1990, y);
    for (const int x : { 220, 320, 570, 830, 1090, 1140, 1240, 1500, 1750, 1990 })
        d << line(x, 2030, x, 2420);
    d << title(QStringLiteral("47"), 70, 2040) << title(QStringLiteral("ZUSAMMENFASSUNG"), 70, 2430)
      << title(QStringLiteral("C"), 1560, 2440) << title(QStringLiteral("0734"), 70, 2880);
    for (const int x : { 230, 1150 }) {
        d << caption(QStringLiteral("Art"), x + 10, 2045)
          << caption(QStringLiteral("Bemessungsgrundlage"), x + 110, 2045)
          << caption(QStringLiteral("Satz"), x + 360, 2045) << caption(QStringLiteral("Betrag"), x + 610, 2045)
          << caption(QStringLiteral("ZA"), x + 860, 2045);
    }
    d << caption(QStringLiteral("Art"), 240, 2475) << caption(QStringLiteral("Betrag"), 340, 2475)
      << caption(QStringLiteral("ZA"), 590, 2475);
    d << caption(QStringLiteral("Summe erste Position:"), 330, 2425)
      << caption(QStringLiteral("Summe zweite Position:"), 830, 2425)
      << caption(QStringLiteral("Summe dritte Position:"), 1250, 2425) << caption(QStringLiteral("G.S."), 830, 2475)
      << caption(QStringLiteral("ABGANSSTELLE"), 1620, 2445)
      << caption(QStringLiteral("Ergänzungsblatt zu den Vordrucken 0733 und 0761 - III B1 - (2007)"), 130, 2880);
    d << xRun(32, 230, 2250) << xRun(32, 1160, 2250) << xRun(32, 230, 2680) << xRun(14, 1160, 2680);
    d << frame(1550, 2515, 1600, 2680, 10) << dashes(1620, 2680, 21) << dashes(1545, 2680, 13, true);
    d << filledPolygon({ { 1560, 2487 }, { 1580, 2479 }, { 1580, 2485 }, { 1610, 2485 }, { 1610, 2489 }, { 1580, 2489 },
        { 1580, 2495 } });
    // Copy texts
    struct ContinuationTexts {
        QString number;
        QStringList heading;
        QVector<std::pair<QString, QPoint>> foot;
    };
    std::optional<ContinuationTexts> texts;
    const QString exportCountry = QStringLiteral("Versendungs-/Ausfuhrland");
    switch (copy) {
    case 1:
        texts = ContinuationTexts { QStringLiteral("1"), { QStringLiteral("Ergänzungsblatt") },
            { { QStringLiteral("Exemplar für das"), { 1710, 2560 } }, { exportCountry, { 1640, 2600 } } } };
        break;
    case 2:
        texts = ContinuationTexts { QStringLiteral("2"), { QStringLiteral("Ergänzungsblatt") },
            { { QStringLiteral("Exemplar für die Statistik -"), { 1640, 2560 } }, { exportCountry, { 1640, 2600 } } } };
        d << title(QStringLiteral("Anlage zu Muster 4 e AHStat"), 1485, 150, 22);
        break;
    case 3:
    case 4:
        texts = ContinuationTexts { QStringLiteral("3"),
            { QStringLiteral("Durchschrift des"), QStringLiteral("Ergänzungsblatts") },
            { { QStringLiteral("Exemplar für den"), { 1680, 2560 } },
                { QStringLiteral("Versender/Ausführer"), { 1640, 2600 } } } };
        break;
    default:
        break;
    }
    if (texts) {
        d << title(texts->number, 1565, 2570, 50) << title(texts->number, 1370, 200, 40);
        for (int i = 0; i < texts->heading.size(); ++i)
            d << title(texts->heading.at(i), 1485, i == 0 ? 90 : 150, 30);
        for (const auto &[text, at] : texts->foot)
            d << title(text, at.x(), at.y(), 30);
    }
    if (copy == 4) {
        for (int i = 1; i <= 20; ++i)
            d << rotated(QStringLiteral("Kopie für Aussteller"), 500 + i, 1850 + i / 2, 125, -25, Watermark);
        d << rotated(QStringLiteral("Kopie für Aussteller"), 502, 1852, 125, -25, Qt::white);
    }
    return d;
}

FormDrawing exportBackSheet1()
{
    FormDrawing d;
    d << frame(80, 90, 1910, 2420) << line(80, 130, 1910, 130) << line(80, 1280, 1910, 1280);
    d << title(QStringLiteral("E"), 110, 100, 20)
      << caption(QStringLiteral("PRÜFUNG DURCH DIE VERSENDUNGS-/AUSFUHRZOLLSTELLE"), 140, 100, 20);
    return d;
}

FormDrawing exportBackSheet4()
{
    FormDrawing d;
    d << title(
        QStringLiteral("Anleitung zur Verwendung und zum Ausfüllen des Vordrucks \"Ausfuhranmeldung\""), 460, 320, 30);
    d << caption(QStringLiteral("I. Verwendung des Vordrucks"), 470, 430, 30);
    const QStringList use = {
        QStringLiteral("Der Vordruck dient der Anmeldung von Waren zur Ausfuhr aus dem Zollgebiet"),
        QStringLiteral("der Gemeinschaft. Die Exemplare 1 und 2 verbleiben bei der Ausfuhrzollstelle,"),
        QStringLiteral("das Exemplar 3 erhält der Ausführer zurück."),
    };
    int y = 510;
    for (const QString &text : use) {
        d << caption(text, 490, y, 30);
        y += 35;
    }
    d << caption(QStringLiteral("II. Ausfüllen des Vordrucks"), 460, 770, 30);
    // The first paragraph of section II carries bold words within its lines.
    y = 850;
    const auto mixed = [&d](const QVector<std::pair<QString, bool>> &parts, int lineY) {
        int x = 490;
        for (const auto &[text, bold] : parts) {
            d << (bold ? title(text, x, lineY, 30) : caption(text, x, lineY, 30));
            platform::CanvasFont font;
            font.height = -30;
            font.style = bold ? platform::FontStyles(platform::FontStyle::Bold) : platform::FontStyles();
            x += int(std::lround(platform::CanvasFontMetrics(font).width(text)));
        }
    };
    mixed({ { QStringLiteral("Der Vordrucksatz ist mit "), false }, { QStringLiteral("einem"), true },
              { QStringLiteral(" Schreibgerät in "), false }, { QStringLiteral("einen"), true },
              { QStringLiteral(" Arbeitsgang auszufüllen;"), false } },
        y);
    y += 35;
    mixed({ { QStringLiteral("für "), false }, { QStringLiteral("ein"), true },
              { QStringLiteral(" Durchschreiben muss jedes Exemplar lesbar sein."), false } },
        y);
    y += 70;
    const QStringList body = {
        QStringLiteral("Die Angaben sind in deutscher Sprache in Maschinenschrift oder mit Druckern"),
        QStringLiteral("zu machen. Felder, die nicht benötigt werden, bleiben frei."),
        QString(),
        QStringLiteral("Feld 1: In das erste Unterfeld ist \"EX\" einzutragen, in das zweite der Code"),
        QStringLiteral("des Verfahrens."),
        QString(),
        QStringLiteral("Feld 2: Name und vollständige Anschrift des Versenders/Ausführers."),
        QString(),
        QStringLiteral("Feld 8: Name und vollständige Anschrift des Empfängers."),
        QString(),
        QStringLiteral("Feld 14: Name und Anschrift des Anmelders oder seines Vertreters."),
        QString(),
        QStringLiteral("Feld 17a: Code des Bestimmungslandes."),
        QString(),
        QStringLiteral("Feld 31: Zeichen, Nummern, Anzahl und Art der Packstücke sowie die"),
        QStringLiteral("handelsübliche Bezeichnung der Waren."),
        QString(),
        QStringLiteral("Feld 33: Die Warennummer des Warenverzeichnisses für die Außenhandelsstatistik."),
        QString(),
        QStringLiteral("Feld 44: Besondere Vermerke, vorgelegte Unterlagen, Bescheinigungen und"),
        QStringLiteral("Genehmigungen."),
        QString(),
        QStringLiteral("Feld 54: Ort und Datum, Unterschrift und Name des Anmelders oder seines Vertreters."),
    };
    for (const QString &text : body) {
        if (!text.isEmpty())
            d << caption(text, 490, y, 30);
        y += 35;
    }
    return d;
}

void drawExportFirstSheet(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int copy,
    const QString &numberLetters, const QString &numberDigits, const MainStampOptions &stamp)
{
    FormDrawing d = formNumberDrawing(numberLetters, numberDigits);
    // The stamp fills box A; without it the box keeps its caption.
    if (stamp.complete())
        d << customsOfficeStamp(stamp);
    else
        d << title(QStringLiteral("A"), 1460, 240)
          << caption(QStringLiteral("VERSENDUNGS-/AUSFUHRZOLLSTELLE"), 1500, 240);
    d << exportFirstSheetForm(copy);
    drawForm(canvas, offsets, d);
}

void drawExportContinuationSheet(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int copy)
{
    drawForm(canvas, offsets, exportContinuationForm(copy));
}

void drawExportBackSheet1(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets)
{
    drawForm(canvas, offsets, exportBackSheet1());
}

void drawExportBackSheet4(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets)
{
    drawForm(canvas, offsets, exportBackSheet4());
}

} // namespace sad
