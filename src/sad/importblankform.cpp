#include "sad/importblankform.h"

#include "sad/blankform.h"

namespace sad {

namespace {

QString s(const char *text)
{
    return QString::fromUtf8(text);
}

// A run of letters "X" marking a box the import declaration leaves empty;
// black on these forms.
FormPrimitive blackX(int letters, int x, int y)
{
    FormPrimitive p = xRun(letters, x, y);
    p.color = Qt::black;
    return p;
}

FormPrimitive bold(const QString &text, int x, int y, int height)
{
    return title(text, x, y, height);
}

// The boxes of the first sheet with their numbers and captions.
QVector<FormBox> firstSheetBoxes()
{
    const auto b = [](const char *number, int x1, int y1, int x2, int y2, QStringList captions) {
        return FormBox { s(number), x1, y1, x2, y2, std::move(captions) };
    };
    return {
        b("A", 1450, 30, 2030, 190, { s("BESTIMMUNGSSTELLE") }),
        b("2", 220, 100, 1140, 350, { s("Versender / Ausführer"), s("Nr.") }),
        b("8", 220, 350, 1140, 610, { s("Empfänger"), s("Nr.") }),
        b("14", 220, 610, 1140, 780, { s("Anmelder / Vertreter"), s("Nr.") }),
        b("18", 220, 780, 1030, 870, { s("Kennz. und Staatszugehörigkeit des Beförderungsmittels bei der Ankunft") }),
        b("19", 1030, 780, 1140, 870, { s("Ctr.") }),
        b("21", 220, 870, 1140, 955, { s("Kennz. und Staatszuge. des grenzüber. aktiven Beförderungsmittels") }),
        b("25", 220, 955, 450, 1040, { s("Verkehrszweig an"), s("der Grenze") }),
        b("26", 450, 955, 680, 1040, { s("Inländerischer Ver-"), s("kehrszweig") }),
        b("27", 680, 955, 1140, 1040, { s("Entladeort") }),
        b("29", 220, 1040, 680, 1110, { s("Eingangszollstelle") }),
        b("30", 680, 1040, 1140, 1110, { s("Warenort") }),
        b("3", 1140, 190, 1300, 280, { s("Vordrucke") }),
        b("4", 1300, 190, 1450, 280, { s("Ladelisten") }),
        b("5", 1140, 280, 1300, 360, { s("Positionen") }),
        b("6", 1300, 280, 1500, 360, { s("Packst. insge.") }),
        b("7", 1500, 280, 2030, 360, { s("Bezugsnummer") }),
        b("9", 1140, 360, 2030, 520, { s("Verantwortlicher für den Zahlungsverkehr"), s("Nr.") }),
        b("10", 1140, 520, 1300, 610, { s("Letztes Her-"), s("kunfts-"), s("land") }),
        b("11", 1300, 520, 1500, 610, { s("Hand./Erz.-"), s("land") }),
        b("12", 1500, 520, 1910, 610, { s("Angaben zum Wert") }),
        b("13", 1910, 520, 2030, 610, { s("G.L.P.") }),
        b("15", 1140, 610, 1600, 700, { s("Versendungs-/Ausfuhrland") }),
        b("15", 1600, 610, 1800, 700, { s("Vers./Ausf.L.Code") }),
        b("17", 1800, 610, 2030, 700, { s("Bestimm.L.Code") }),
        b("16", 1140, 700, 1600, 780, { s("Ursprungsland") }),
        b("17", 1600, 700, 2030, 780, { s("Bestimmungsland") }),
        b("20", 1140, 780, 2030, 870, { s("Lieferbedingung") }),
        b("22", 1140, 870, 1600, 955, { s("Währung u. in Rechn. gestel. Gesamtbetr.") }),
        b("23", 1600, 870, 1840, 955, { s("Umrechnungskurs") }),
        b("24", 1840, 870, 2030, 955, { s("Art des"), s("Geschäfts") }),
        b("28", 1140, 955, 2030, 1110, { s("Finanz- und Bankangaben") }),
        b("31", 60, 1110, 1380, 1480, { s("Packstücke"), s("und Waren-"), s("bezeich-"), s("nung") }),
        b("32", 1240, 1110, 1380, 1200, { s("Positions-"), s("Nr.") }),
        b("33", 1380, 1110, 2030, 1200, { s("Warennummer") }),
        b("34", 1380, 1200, 1600, 1280, { s("Urspr.land.Code") }),
        b("35", 1600, 1200, 1890, 1280, { s("Rohmasse (kg)") }),
        b("36", 1890, 1200, 2030, 1280, { s("Präferenz") }),
        b("37", 1380, 1280, 1600, 1370, { s("VERFAHREN") }),
        b("38", 1600, 1280, 1890, 1370, { s("Eigenmasse (kg)") }),
        b("39", 1890, 1280, 2030, 1370, { s("Kontingent") }),
        b("40", 1380, 1370, 2030, 1460, { s("Summarische Anmeldung/Vorpapier") }),
        b("41", 1380, 1460, 1670, 1540, { s("Besondere Maßeinheit") }),
        b("42", 1670, 1460, 1910, 1540, { s("Artikelpreis") }),
        b("43", 1910, 1460, 2030, 1540, { s("B.M.") }),
        b("45", 1670, 1540, 2030, 1620, { s("Code B.V."), s("Berichtigung") }),
        b("46", 1670, 1620, 2030, 1700, { s("Statistischer Wert") }),
        b("47", 60, 1700, 1130, 2130, { s("Abgaben-"), s("berechnung") }),
        b("48", 1130, 1700, 1590, 1790, { s("Zahlungsaufschub") }),
        b("49", 1590, 1700, 2030, 1790, { s("Bezeichnung des Lagers") }),
        b("B", 1130, 1790, 2030, 2130, { s("ANGABEN FÜR VERBUCHUNGSZWECKE") }),
        b("50", 220, 2130, 1450, 2390,
            { s("Hauptverpflichteter"), s("Nr."), s("Unterschrift"), s("vertreten durch"), s("Ort und Datum:") }),
        // Boxes 51 and 52 carry their captions in the narrow strip (below).
        b("51", 60, 2390, 1450, 2470, {}),
        b("52", 60, 2470, 1440, 2550, {}),
        b("53", 1440, 2470, 2030, 2550, { s("Bestimmungsstelle (und Land)") }),
        b("J", 60, 2550, 1360, 2900, { s("PRÜFUNG DURCH DIE BESTIMMUNGSSTELLE") }),
        b("54", 1360, 2550, 2030, 2900, { s("Ort und Datum:"), s("Unterschrift und Name des Anmelders/Vertreters:") }),
    };
}

struct FirstSheetCopy {
    QString title;
    int titleY = 900;
    QString number;
};

// The three copies of the item part of a continuation sheet, k-th 590 lower.
FormDrawing continuationItemBlock(int k)
{
    const int dy = 590 * k;
    FormDrawing d;
    d << line(60, 260 + dy, 60, 850 + dy) << line(220, 260 + dy, 220, 640 + dy) << line(60, 640 + dy, 1380, 640 + dy);
    d << line(1380, 260 + dy, 1380, 850 + dy) << line(1240, 260 + dy, 1240, 340 + dy)
      << line(1240, 340 + dy, 2050, 340 + dy) << line(1380, 430 + dy, 2050, 430 + dy)
      << line(1380, 510 + dy, 2050, 510 + dy) << line(1380, 600 + dy, 2050, 600 + dy)
      << line(1690, 690 + dy, 2050, 690 + dy) << line(1690, 600 + dy, 1690, 850 + dy)
      << line(1608, 340 + dy, 1608, 510 + dy) << line(1895, 340 + dy, 1895, 510 + dy)
      << line(1920, 600 + dy, 1920, 690 + dy);
    d << frame(1380, 430 + dy, 1608, 510 + dy, 4);
    d << dots(1380, 770 + dy, 39) << dots(1380, 774 + dy, 10, true);
    d << line(60, 850 + dy, 2050, 850 + dy, 4);
    const struct {
        const char *number;
        int x;
        int y;
    } numbers[] = { { "31", 70, 270 }, { "32", 1253, 270 }, { "33", 1390, 270 }, { "34", 1390, 350 },
        { "35", 1618, 350 }, { "36", 1905, 350 }, { "37", 1390, 440 }, { "38", 1618, 440 }, { "39", 1905, 440 },
        { "40", 1390, 520 }, { "41", 1390, 610 }, { "42", 1700, 610 }, { "43", 1930, 610 }, { "44", 70, 650 },
        { "45", 1780, 700 }, { "46", 1700, 780 } };
    for (const auto &n : numbers)
        d << title(s(n.number), n.x, n.y + dy);
    d << caption(s("Packstücke"), 70, 300 + dy) << caption(s("und Waren-"), 70, 325 + dy)
      << caption(s("bezeich-"), 70, 350 + dy) << caption(s("nung"), 70, 375 + dy);
    d << caption(s("Zeichen und Nummern - Container Nr. - Anzahl und Art"), 240, 270 + dy);
    d << caption(s("Positions-"), 1280, 270 + dy) << caption(s("Warennummer"), 1430, 270 + dy)
      << caption(s("Urspr.land.Code"), 1420, 350 + dy) << caption(s("Rohmasse (kg)"), 1650, 350 + dy)
      << caption(s("Präferenz"), 1935, 350 + dy) << caption(s("VERFAHREN"), 1420, 440 + dy)
      << caption(s("Eigenmasse (kg)"), 1650, 440 + dy) << caption(s("Kontingent"), 1935, 440 + dy)
      << caption(s("Summarische Anmeldung/Vorpapier"), 1420, 520 + dy)
      << caption(s("Besondere Maßeinheit"), 1420, 610 + dy) << caption(s("Artikelpreis"), 1730, 610 + dy)
      << caption(s("B.M."), 1960, 610 + dy) << caption(s("Code B.V."), 1810, 700 + dy)
      << caption(s("Statistischer Wert"), 1730, 780 + dy);
    const char *box44[]
        = { "Besondere", "Vermerke/", "Vorgelegte", "Unterlagen/", "Bescheini-", "gungen u. Ge-", "nehmigungen" };
    int y = 675;
    for (const char *text : box44) {
        d << caption(s(text), 70, y + dy);
        y += 25;
    }
    d << blackX(2, 1540, 390 + dy) << blackX(10, 1700, 650 + dy) << blackX(1, 1930, 650 + dy)
      << blackX(10, 1810, 735 + dy) << blackX(3, 1710, 735 + dy);
    return d;
}

} // namespace

FormDrawing importFirstSheetForm(int copy)
{
    FormDrawing d;
    // The sheet, the left strip and the copy column.
    d << frame(60, 30, 2030, 2900);
    d << line(140, 100, 140, 1110) << line(235, 1130, 235, 2550);
    d << frame(140, 100, 220, 1110, 4) << line(140, 180, 220, 180, 4) << line(140, 1030, 290, 1030, 4);
    d << frame(1140, 60, 1450, 190, 4) << line(1230, 90, 1230, 190) << line(1300, 90, 1300, 190);
    d << boxesDrawing(firstSheetBoxes());
    d << frame(1140, 520, 1910, 610) << frame(1380, 1280, 1600, 1370, 4);
    // Box 44 below box 31, its tick square and code column.
    d << frame(60, 1480, 1670, 1700) << frame(250, 1490, 300, 1530) << line(1380, 1480, 1380, 1700);
    d << title(s("44"), 70, 1485);
    const char *box44[]
        = { "Besondere", "Vermerke/", "Vorgelegte", "Unterlagen/", "Bescheini-", "gungen u. Ge-", "nehmigungen" };
    int y = 1510;
    for (const char *text : box44) {
        d << caption(s(text), 70, y);
        y += 30;
    }
    d << caption(s("Code"), 1385, 1625);
    d << caption(s("Zeichen und Nummern - Container Nr. - Anzahl und Art"), 245, 1115);
    d << caption(s("a"), 1610, 640) << caption(s("b"), 1740, 640) << caption(s("a"), 1810, 640)
      << caption(s("b"), 1950, 640) << caption(s("a"), 1390, 1240) << caption(s("b"), 1520, 1240);
    // Box 47's duty table.
    d << frame(235, 1760, 1130, 2080);
    for (const int x : { 320, 570, 820 })
        d << line(x, 1720, x, 2080);
    d << line(1080, 1720, 1080, 2130);
    d << caption(s("Art"), 240, 1725) << caption(s("Bemessungsgrundlage"), 330, 1725) << caption(s("Satz"), 580, 1725)
      << caption(s("Betrag"), 830, 1725) << caption(s("ZA"), 1085, 1725) << caption(s("Summe:"), 240, 2090);
    // The captions of boxes 51 and 52 in the strip, small enough for its height.
    d << caption(s("Vorgesehene"), 100, 2393, 17) << caption(s("Durchgangs-"), 100, 2412, 17)
      << caption(s("zollstellen"), 100, 2431, 17) << caption(s("(und Land)"), 100, 2450, 17);
    d << caption(s("Sicherheit"), 100, 2473, 17) << caption(s("nich gültig für"), 100, 2492, 17)
      << caption(s("Code"), 1365, 2473, 17);
    // Box 51's parts and box C.
    for (const int x : { 520, 830, 1140, 1440 })
        d << line(x, 2400, x, 2470);
    d << title(s("C"), 1460, 2140) << caption(s("ABGANGSSTELLE"), 1490, 2140) << line(1750, 2400, 1750, 2470);
    d << line(1360, 2470, 1360, 2550, 4);
    // Separators from the left edge.
    d << line(60, 1110, 140, 1110) << line(60, 1480, 1380, 1480) << line(60, 1700, 2030, 1700)
      << line(60, 2130, 1450, 2130) << line(60, 2290, 235, 2290) << line(60, 2470, 2030, 2470)
      << line(60, 2550, 2030, 2550);
    d << dashes(1450, 2130, 29) << dashes(1450, 2390, 29) << dashes(1440, 2140, 13, true);
    d << dots(1140, 1030, 112) << dots(1370, 1620, 39) << dots(1030, 985, 6, true) << dots(1370, 1624, 10, true);
    // The copy's title and number.
    static const FirstSheetCopy copies[] = {
        { s("Exemplar für das Bestimmungsland"), 900, s("6") },
        { s("Exemplar für die Statisktik - Bestimmungsland"), 970, s("7") },
        { s("Exemplar für den Empfänger"), 900, s("8") },
    };
    if (copy >= 1 && copy <= 3) {
        const FirstSheetCopy &c = copies[copy - 1];
        d << rotated(c.title, 160, c.titleY, 35, 270);
        d << bold(c.number, 170, 120, 50) << bold(c.number, 170, 1040, 50);
        if (copy == 2)
            d << bold(s("Einfuhranmeldung"), 1170, 1850, 50) << bold(s("Muster 1e AHStat (97)"), 1170, 1930, 30);
    }
    d << bold(s("EUROPÄISCHE GEMEINSCHAFT"), 150, 55, 35) << bold(s("1   A N M E L D U N G"), 1160, 70, 25);
    d << bold(s("Hinsichtlich aller angemeldeten Waren zum vollen Vorsteuerabzug berechtigt."), 310, 1495, 28);
    d << bold(s("0737"), 70, 2880, 22)
      << caption(s("Einheitspapier (Bestimmung - Eingang/Einfuhr) - III B1 - (2002)"), 130, 2880);
    // The boxes the import declaration leaves empty.
    d << blackX(5, 1310, 140) << blackX(5, 1310, 230) << blackX(7, 1310, 310) << blackX(30, 1150, 430)
      << blackX(3, 1150, 570) << blackX(15, 1510, 570) << blackX(4, 1920, 570) << blackX(2, 1750, 650)
      << blackX(17, 1605, 740) << blackX(30, 1150, 980) << blackX(2, 1540, 1240) << blackX(10, 1690, 1490)
      << blackX(1, 1930, 1490) << blackX(3, 1690, 1575) << blackX(10, 1780, 1575) << blackX(45, 250, 2230);
    for (const int x : { 245, 540, 840, 1150, 1460, 1765 })
        d << blackX(9, x, 2430);
    d << blackX(37, 245, 2505) << blackX(2, 1380, 2505) << blackX(19, 1460, 2505);
    return d;
}

FormDrawing importContinuationForm(int copy)
{
    FormDrawing d;
    d << frame(220, 90, 1150, 260) << frame(240, 140, 260, 180) << line(60, 260, 2050, 260);
    d << frame(1150, 60, 1461, 180, 4) << line(1240, 90, 1240, 180) << line(1290, 90, 1290, 180);
    d << frame(1315, 187, 1457, 255, 10);
    d << bold(s("EUROPÄISCHE GEMEINSCHAFT"), 220, 55, 35) << bold(s("C"), 1200, 135, 35)
      << bold(s("BIS"), 1402, 135, 35) << bold(s("1   A N M E L D U N G"), 1160, 65, 25);
    d << title(s("8"), 250, 100) << title(s("3"), 1160, 190) << title(s("A"), 1470, 55);
    d << caption(s("Empfänger"), 270, 100) << caption(s("Nr."), 600, 100) << caption(s("Vordrucke"), 1180, 190)
      << caption(s("BESTIMMUNGSSTELLE"), 1490, 55);
    d << blackX(5, 1300, 140);
    if (copy >= 1 && copy <= 3) {
        const QString number = QString::number(copy + 5);
        d << bold(number, 1565, 2570, 50) << bold(number, 1370, 200, 40);
        switch (copy) {
        case 1:
            d << bold(s("Exemplar für das"), 1710, 2560, 30) << bold(s("Bestimmungsland"), 1710, 2600, 30);
            break;
        case 2:
            d << bold(s("Exemplar für die Statistik"), 1650, 2560, 30) << bold(s("Bestimmungsland"), 1710, 2600, 30)
              << bold(s("Ergänzungsblatts"), 1485, 90, 30) << bold(s("Muster 1e AHStat (97)"), 1485, 150, 30);
            break;
        default:
            d << bold(s("Exemplar für den"), 1710, 2560, 30) << bold(s("Empfänger"), 1760, 2600, 30);
            break;
        }
    }
    for (int k = 0; k < 3; ++k)
        d << continuationItemBlock(k);
    // The foot: two duty tables side by side, below them the third and the
    // summary box.
    for (const int y : { 2080, 2420, 2510 })
        d << line(220, y, 2050, y);
    d << line(220, 2850, 1545, 2850) << line(220, 2890, 1545, 2890);
    d << line(60, 2460, 2050, 2460, 4) << line(1140, 2040, 1140, 2890, 4);
    for (const int x : { 220, 320, 570, 830, 1090, 1240, 1500, 1750, 1990 })
        d << line(x, 2040, x, 2460);
    for (const int x : { 220, 320, 570, 830, 1090, 1240, 1500, 1545 })
        d << line(x, 2470, x, 2890);
    d << title(s("47"), 70, 2040) << title(s("ZUSAMMENFASSUNG"), 1620, 2475) << title(s("C"), 1560, 2700)
      << title(s("0738"), 70, 2895);
    d << caption(s("Abgaben-"), 100, 2040) << caption(s("berechnung"), 100, 2065);
    const struct {
        const char *text;
        int x;
    } upper[] = { { "Art", 240 }, { "Bemessungsgrundlage", 330 }, { "Satz", 590 }, { "Betrag", 850 }, { "ZA", 1100 },
        { "Art", 1150 }, { "Bemessungsgrundlage", 1250 }, { "Satz", 1510 }, { "Betrag", 1760 }, { "ZA", 1995 } },
      lower[] = { { "Art", 240 }, { "Bemessungsgrundlage", 330 }, { "Satz", 590 }, { "Betrag", 850 }, { "ZA", 1100 },
          { "Art", 1150 }, { "Betrag", 1250 }, { "ZA", 1510 } };
    for (const auto &head : upper)
        d << caption(s(head.text), head.x, 2045);
    for (const auto &head : lower)
        d << caption(s(head.text), head.x, 2475);
    d << caption(s("Summe erste Position:"), 330, 2430) << caption(s("Summe zweite Position:"), 1250, 2430)
      << caption(s("Summe dritte Position:"), 330, 2860) << caption(s("G.S."), 1150, 2860)
      << caption(s("ABGANSSTELLE"), 1585, 2700)
      << caption(s("Ergänzungsvordruck zum Vordruck 0737 +- III B 1 - (1997)"), 140, 2895);
    d << frame(1550, 2515, 1600, 2680, 10);
    d << dashes(1620, 2680, 22) << dashes(1545, 2680, 13, true);
    d << filledPolygon({ { 1560, 2487 }, { 1580, 2479 }, { 1580, 2485 }, { 1610, 2485 }, { 1610, 2489 }, { 1580, 2489 },
        { 1580, 2495 } });
    return d;
}

FormDrawing importBackSheet1()
{
    FormDrawing d;
    d << frame(80, 90, 1910, 2420) << line(80, 130, 1910, 130) << line(80, 1280, 1910, 1280);
    d << bold(s("J"), 110, 100, 20) << caption(s("PRÜFUNG DURCH DIE BESTIMMUNGSSTELLE"), 140, 100, 20);
    return d;
}

FormDrawing importBackSheet3()
{
    const struct {
        int x;
        int y;
        const char *text;
    } lines[] = {
        { 470, 550, "I. Verwendung des Vordrucks" },
        { 490, 630, "Das Exemplar Nr. 6 des Einheitspapiers ist als Zollanmeldung für die Zollstelle bestimmt. Das" },
        { 490, 665,
            "Exemplar Nr. 7 ist als Einfuhranmeldung statistischer Anmeldeschein für die Außenhandelsstatistik" },
        { 490, 700, "der Bundesrepublik Deutschland. Es wird von der Anmeldestelle dem Statistischen Bundesamt über-" },
        { 490, 735,
            "sandt. Das Exemplar Nr. 8 ist für den Beteiligten bestimmt. Es wird ggf. nach Bescheinigung druch" },
        { 490, 770, "die Zollstelle dem Empfänger/Einführer zurückgegeben." },
        { 460, 900, "II. Ausfüllen des Vordrucks" },
        { 490, 990, "Eine Anmeldung für die Bestimmung (Eingang/Einfuhr) - Exemplare Nrn. 6, 7 und 8 - darf nur" },
        { 490, 1025, "Waren für einen Ausstellungspflichtigen aus einem Versendungsland - bei Verwendung des" },
        { 490, 1060,
            "Vordrucks EU oder IM auch nur aus einem Handelsland (Einkaufsland) - umfassen, die gleichzeitig" },
        { 490, 1095,
            "bei einer Anmeldestelle anzumelden, über eine Eingangszollstelle eingegeangen und für ein Zielland" },
        { 490, 1130, "bestimmt sind; bei dem Eingang/der Einfuhr von See in einen deutschen Hafen, sofern die Waren" },
        { 490, 1165, "dort anzumelden sind, außerdem nur Waren, die mit einem Schiff eingegangen sind." },
        { 490, 1250, "Die einzelnen Bemerkungen zumausfüllen des Vordrucks sind in Titel II des Merkblatts zum" },
        { 490, 1285, "Einheitspapier (Vordruck 0791, abgedruckt in der Vorschriftensammlung Bundesfinanzverwaltung -" },
        { 490, 1320, "VSF Z 3455) enthalten. Die mit einer druchgehenden x-Linie gekennzeichneten Felder brauchen" },
        { 490, 1355, "nicht ausgefüllt zu werden." },
        { 490, 1460, "Die Hinweise nach § 13 Abs. 3 Bundesdatenschutzgesetz und nach demGesetz über die Statistik" },
        { 490, 1495, "für Bundeszwecke sind dem Titel I Abschnitt D des Merkblatts zum Einheitspapier zu entnehmen." },
    };
    FormDrawing d;
    d << bold(s("Anleitung zur Verwendung und zum Ausfüllen des Vordrucks"), 460, 420, 30);
    for (const auto &l : lines)
        d << caption(s(l.text), l.x, l.y, 30);
    return d;
}

void drawImportFirstSheet(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int copy)
{
    drawForm(canvas, offsets, importFirstSheetForm(copy));
}

void drawImportContinuationSheet(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets, int copy)
{
    drawForm(canvas, offsets, importContinuationForm(copy));
}

void drawImportBackSheet1(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets)
{
    drawForm(canvas, offsets, importBackSheet1());
}

void drawImportBackSheet3(platform::PrintCanvas &canvas, const shell::PageOffsets &offsets)
{
    drawForm(canvas, offsets, importBackSheet3());
}

} // namespace sad
