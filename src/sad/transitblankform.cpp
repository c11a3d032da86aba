#include "sad/transitblankform.h"

#include <QRect>
#include <QStringList>

#include <tuple>

namespace sad {

namespace {

const QColor Blue = Qt::blue;
const QColor Silver = QColor(192, 192, 192);

// Texts one below the other from y on, step apart.
void texts(FormDrawing &d, const QStringList &lines, int x, int y, int step, int height = 22, bool bold = false)
{
    for (const QString &t : lines) {
        d << (bold ? title(t, x, y, height) : caption(t, x, y, height));
        y += step;
    }
}

void bold(FormDrawing &d, const QString &t, int x, int y, int height = 22)
{
    d << title(t, x, y, height);
}

void regular(FormDrawing &d, const QString &t, int x, int y, int height = 22)
{
    d << caption(t, x, y, height);
}

void colouredTitle(FormDrawing &d, const QString &t, int x, int y, int height, const QColor &colour)
{
    FormPrimitive p = title(t, x, y, height);
    p.color = colour;
    d << p;
}

// The vertical copy title of a sheet in the left strip.
void copyTitle(FormDrawing &d, int sheet)
{
    static const struct {
        const char *text;
        int y;
    } titles[] = {
        { "Exemplar für das Versendungs-/Ausfuhrland", 920 },
        { "Exemplar für die Bestimmungstelle", 840 },
        { "Exemplar für die Bestimmungstelle", 840 },
        { "Rückschein - Gemeinschaftliches Versandverfahren", 960 },
        { "Rückschein - Gemeinschaftliches Versandverfahren", 960 },
        { "Kopie für Aussteller", 750 },
    };
    const auto &t = titles[qBound(1, sheet, 6) - 1];
    d << DrawRotatedText(QString::fromUtf8(t.text), 160, t.y, 90);
}

void mainHeader(FormDrawing &d)
{
    bold(d, QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 150, 55, 35);
    regular(d, QStringLiteral("1   A N M E L D U N G"), 1160, 70, 25);
}

// The EWG - EFTA line of sheet 3.
void ewgEftaLine(FormDrawing &d)
{
    d << frame(130, 2820, 1000, 2860, 2);
    bold(d, QStringLiteral("Zusätzliches Exemplar 4 nach Art. 12 Übereinkommen EWG - EFTA gVV"), 140, 2825, 25);
}

// Box 44's captions on the main fronts.
void box44Captions(FormDrawing &d)
{
    regular(d, QStringLiteral("Besondere"), 100, 1490);
    texts(d,
        { QStringLiteral("Vermerke/"), QStringLiteral("Vorgelegte"), QStringLiteral("Unterlagen/"),
            QStringLiteral("Bescheini-"), QStringLiteral("gungen u. Ge-") },
        80, 1520, 30);
    regular(d, QStringLiteral("nehmigungen"), 80, 1670);
}

void box31Captions(FormDrawing &d)
{
    texts(d,
        { QStringLiteral("Packstücke"), QStringLiteral("und Waren-"), QStringLiteral("bezeich-"),
            QStringLiteral("nung") },
        100, 1120, 30);
    regular(d, QStringLiteral("Zeichen und Nummern - Container Nr. - Anzahl und Art"), 250, 1120);
}

void boxes51And52Captions(FormDrawing &d)
{
    regular(d, QStringLiteral("Vorgesehene"), 100, 2310);
    texts(d, { QStringLiteral("Durchgangs-"), QStringLiteral("zollstellen"), QStringLiteral("(und Land)") }, 80, 2340,
        30);
    regular(d, QStringLiteral("Sicherheit"), 100, 2480);
    regular(d, QStringLiteral("nich gültig für"), 80, 2510);
}

} // namespace

FormPrimitive DrawRotatedText(const QString &text, int x, int y, int angle, int height)
{
    return rotated(text, x, y, height, angle);
}

namespace {

FormDrawing fullMainFront(int sheet)
{
    FormDrawing d;
    // The grid.
    for (const auto &r : { QRect(QPoint(220, 100), QPoint(1140, 350)), QRect(QPoint(220, 350), QPoint(1140, 610)),
             QRect(QPoint(220, 610), QPoint(1140, 780)), QRect(QPoint(220, 860), QPoint(1590, 940)),
             QRect(QPoint(220, 940), QPoint(1140, 1030)), QRect(QPoint(220, 1030), QPoint(1140, 1110)),
             QRect(QPoint(1140, 520), QPoint(1910, 610)), QRect(QPoint(1140, 690), QPoint(1590, 780)),
             QRect(QPoint(1380, 1450), QPoint(1670, 1530)), QRect(QPoint(235, 1760), QPoint(1130, 2080)),
             QRect(QPoint(240, 150), QPoint(260, 190)) })
        d << frame(r.left(), r.top(), r.right(), r.bottom());
    for (const int y : { 1700, 2470, 2550 })
        d << line(60, y, 2030, y);
    d << line(1140, 1110, 2030, 1110);
    for (const int x : { 235, 1380, 1600, 1900 })
        d << line(x, 1110, x, 1480);
    d << line(60, 1110, 60, 2880) << line(2030, 60, 2030, 2550) << line(1140, 190, 2030, 190)
      << line(1140, 270, 2030, 270) << line(1140, 350, 2030, 350) << line(1140, 780, 2030, 780)
      << line(1140, 860, 2030, 860) << line(1140, 940, 2030, 940) << line(1140, 1030, 2030, 1030)
      << line(1300, 190, 1300, 350) << line(1500, 270, 1500, 350) << line(1600, 610, 1600, 940)
      << line(1830, 610, 1830, 940) << line(235, 1480, 1380, 1480) << line(1380, 1200, 2030, 1200)
      << line(1380, 1280, 2030, 1280) << line(1380, 1370, 2030, 1370) << line(1380, 1530, 2030, 1530)
      << line(1600, 1620, 2030, 1620) << line(1140, 1700, 1140, 2080) << line(1600, 1700, 1600, 2080)
      << line(1140, 2080, 2030, 2080) << line(235, 2140, 1440, 2140) << line(235, 2300, 1440, 2300)
      << line(235, 2390, 1440, 2390) << line(1360, 2470, 1360, 2550) << line(1370, 2550, 1370, 2880)
      << line(60, 2880, 2030, 2880);
    // Heavy outlines.
    d << frame(140, 100, 220, 1110, 4) << line(140, 180, 220, 180, 4) << line(140, 1030, 220, 1030, 4)
      << frame(1140, 60, 1450, 190, 4) << frame(1380, 1280, 1600, 1370, 4);
    // Box A, box C and the dotted lines.
    d << line(1450, 30, 1450, 270) << dashes(1450, 2130, 29) << dashes(1450, 2390, 29) << dashes(1440, 2140, 13, true)
      << dots(1140, 1030, 112) << dots(1370, 1620, 39) << dots(1030, 985, 6, true) << dots(1370, 1624, 10, true);
    copyTitle(d, sheet);
    if (sheet == 1) {
        bold(d, QStringLiteral("1"), 170, 120, 50);
        bold(d, QStringLiteral("1"), 170, 1040, 50);
        bold(d, QStringLiteral("Versandanmeldung"), 1170, 1850, 80);
    } else {
        colouredTitle(d, QStringLiteral("Kopie für"), 1170, 1850, 120, Silver);
        colouredTitle(d, QStringLiteral("Aussteller"), 1170, 1980, 120, Silver);
    }
    mainHeader(d);
    const struct {
        const char *number;
        int x;
        int y;
    } numbers[] = { { "2", 250, 110 }, { "3", 1150, 200 }, { "4", 1310, 200 }, { "5", 1150, 275 }, { "6", 1310, 275 },
        { "7", 1520, 275 }, { "8", 250, 360 }, { "9", 1150, 360 }, { "10", 1150, 530 }, { "11", 1330, 530 },
        { "13", 1920, 530 }, { "14", 230, 615 }, { "15", 1150, 615 }, { "15", 1610, 615 }, { "17", 1845, 615 },
        { "16", 1150, 700 }, { "17", 1605, 700 }, { "18", 230, 790 }, { "19", 1050, 790 }, { "20", 1150, 790 },
        { "21", 230, 870 }, { "22", 1150, 870 }, { "23", 1600, 870 }, { "24", 1840, 870 }, { "25", 230, 950 },
        { "26", 460, 950 }, { "27", 700, 950 }, { "28", 1150, 950 }, { "29", 230, 1040 }, { "30", 700, 1040 },
        { "31", 70, 1120 }, { "32", 1250, 1120 }, { "33", 1385, 1120 }, { "34", 1385, 1210 }, { "35", 1610, 1210 },
        { "37", 1385, 1295 }, { "38", 1610, 1295 }, { "39", 1905, 1295 }, { "40", 1385, 1380 }, { "41", 1385, 1460 },
        { "44", 70, 1490 }, { "46", 1690, 1630 }, { "47", 70, 1710 }, { "48", 1150, 1710 }, { "49", 1605, 1710 },
        { "50", 250, 2150 }, { "51", 70, 2310 }, { "52", 70, 2480 }, { "53", 1460, 2480 }, { "54", 1380, 2570 },
        { "A", 1460, 55 }, { "B", 1150, 1800 }, { "C", 1450, 2150 }, { "D", 70, 2570 }, { "0735", 70, 2880 } };
    for (const auto &n : numbers)
        bold(d, QString::fromUtf8(n.number), n.x, n.y);
    // Titles on their number's line, a little to the right.
    const struct {
        const char *text;
        int x;
        int y;
    } titles[] = { { "Versender / Ausführer", 280, 110 }, { "Nr.", 600, 110 }, { "Vordrucke", 1170, 200 },
        { "Ladeliste", 1330, 200 }, { "Positionen", 1170, 275 }, { "Packst. insge.", 1330, 275 },
        { "Bezugsnummer", 1545, 275 }, { "Empfänger", 280, 360 }, { "Nr.", 600, 360 },
        { "Verantwortlicher für den Zahlungsverkehr", 1170, 360 }, { "Nr.", 1630, 360 }, { "Erstes Best.", 1180, 530 },
        { "land", 1260, 570 }, { "Handels-", 1360, 530 }, { "land", 1430, 570 }, { "G.L.P.", 1950, 530 },
        { "Anmelder / Vertreter", 270, 615 }, { "Nr.", 600, 615 }, { "Versendungs-/Ausfuhrland", 1180, 615 },
        { "Vers./Ausf.L.Code", 1640, 615 }, { "Bestimm.L.Code", 1870, 615 }, { "Ursprungsland", 1180, 700 },
        { "Bestimmungsland", 1640, 700 },
        { "Kennzeichen und Staatszugehörigkeit des Beförderungsmittels beim Abgang", 270, 790 }, { "Ctr.", 1080, 790 },
        { "Lieferbedingung", 1180, 790 },
        { "Kennz. und Staatszuge. des grenzüber. aktiven Beförderungsmittels", 270, 870 },
        { "Währung u. in Rechn. gestel. Gesamtbetr.", 1180, 870 }, { "Umrechnungskurs", 1630, 870 },
        { "Art des", 1870, 870 }, { "Geschäfts", 1935, 910 }, { "Verkehrszweig an", 270, 950 },
        { "der Grenze", 310, 980 }, { "Inländerischer Ver-", 490, 950 }, { "kehrszweig", 550, 980 },
        { "Ladeort", 730, 950 }, { "Finanz- und Bankangaben", 1180, 950 }, { "Ausgangszollstelle", 270, 1040 },
        { "Warenort", 740, 1040 }, { "Positions-", 1280, 1120 }, { "Nr.", 1330, 1165 }, { "Warennummer", 1415, 1120 },
        { "Urspr.land.Code", 1415, 1210 }, { "Rohmasse (kg)", 1640, 1210 }, { "VERFAHREN", 1415, 1295 },
        { "Eigenmasse (kg)", 1640, 1295 }, { "Kontingent", 1935, 1295 },
        { "Summarische Anmeldung/Vorpapier", 1415, 1380 }, { "Besondere Maßeinheit", 1415, 1460 },
        { "Code B.V.", 1665, 1550 }, { "Statistischer Wert", 1720, 1630 }, { "Abgaben-", 100, 1710 },
        { "berechnung", 100, 1740 }, { "Art", 240, 1720 }, { "Bemessungsgrundlage", 330, 1720 }, { "Satz", 590, 1720 },
        { "Betrag", 850, 1720 }, { "ZA", 1090, 1720 }, { "Summe:", 590, 2100 }, { "Zahlungsaufschub", 1180, 1710 },
        { "Bezeichnung des Lagers", 1635, 1710 }, { "Hauptverpflichteter", 285, 2150 }, { "Nr.", 600, 2150 },
        { "Unterschrift", 1150, 2150 }, { "vertreten durch", 250, 2310 }, { "Ort und Datum:", 250, 2360 },
        { "Code", 1370, 2480 }, { "Bestimmungsstelle (und Land)", 1490, 2480 }, { "Ort und Datum:", 1410, 2570 },
        { "Unterschrift und Name des Anmelders/Vertreters:", 1410, 2640 },
        { "VERSENDUNGS-/AUSFUHRZOLLSTELLE", 1485, 55 }, { "ANGABEN FÜR VERBUCHUNGSZWECKE", 1175, 1800 },
        { "ABGANGSSTELLE", 1480, 2150 }, { "PRÜFUNG DURCH DIE ABGANGSSTELLE", 100, 2570 }, { "Stempel:", 1140, 2570 },
        { "a", 1600, 660 }, { "b", 1725, 660 }, { "a", 1835, 660 }, { "b", 1945, 660 }, { "a", 1385, 1250 },
        { "b", 1495, 1250 } };
    for (const auto &t : titles)
        regular(d, QString::fromUtf8(t.text), t.x, t.y);
    box31Captions(d);
    box44Captions(d);
    boxes51And52Captions(d);
    texts(d,
        { QStringLiteral("Ergebnis:"), QStringLiteral("Angebrachte Verschlüsse: Anzahl:"), QString(),
            QStringLiteral("Frist (letzter Tag):"), QStringLiteral("Unterschift") },
        100, 2610, 40);
    regular(d, QStringLiteral("Zeichen:"), 160, 2690);
    regular(d,
        QStringLiteral("Einheitspapier (gemeinschaftliches/gemeinsames Versandverfahren - gVV -) - III B1 - (2002)"),
        130, 2880);
    return d;
}

FormDrawing reducedMainFront(int sheet)
{
    FormDrawing d;
    const auto across = [&d](int y, int x1, int x2) { d << line(x1, y, x2, y); };
    across(100, 220, 1140);
    across(270, 1140, 2030);
    across(350, 220, 2030);
    across(600, 220, 1600);
    across(690, 1140, 2030);
    across(770, 220, 1140);
    across(770, 1600, 2030);
    across(850, 220, 940);
    across(930, 220, 1040);
    across(1020, 300, 460);
    across(1020, 690, 1140);
    across(1110, 60, 2030);
    across(1190, 1320, 1900);
    across(1270, 1600, 1900);
    across(1360, 1370, 2030);
    across(1450, 1370, 2030);
    across(1490, 60, 1370);
    across(1530, 1370, 1770);
    across(1700, 60, 2030);
    for (const int y : { 1740, 1780, 1820 })
        across(y, 235, 2030);
    across(1860, 60, 2030);
    across(2120, 60, 1470);
    across(2290, 60, 235);
    across(2380, 235, 1470);
    across(2460, 60, 2030);
    across(2540, 60, 2030);
    d << line(235, 1120, 235, 2540) << line(1140, 100, 1140, 1110) << line(1370, 1110, 1370, 1700)
      << line(1600, 1110, 1600, 1700) << line(1130, 1700, 1130, 2120) << line(1360, 2540, 1360, 2880)
      << line(60, 1110, 60, 2880) << line(2030, 60, 2030, 2540);
    for (const int x : { 530, 830, 1130, 1440, 1750 })
        d << line(x, 2390, x, 2460);
    d << frame(140, 100, 220, 1110, 4) << frame(1140, 60, 1450, 190, 4) << frame(295, 1780, 345, 1820, 4)
      << frame(1220, 1780, 1270, 1820, 4);
    copyTitle(d, sheet);
    const bool destination = sheet <= 3;
    if (destination) {
        if (sheet == 3)
            ewgEftaLine(d);
        bold(d, QStringLiteral("4"), 160, sheet == 2 ? 110 : 120, 50);
        bold(d, QStringLiteral("4"), 160, 1040, 50);
        bold(d, QStringLiteral("WICHTIGER HINWEIS"), 1150, 380, 25);
        bold(d, QStringLiteral("A"), 1460, 55);
        bold(d, QStringLiteral("54"), 1380, 2560);
        regular(d, QStringLiteral("VERSENDUNGS-/AUSFUHRZOLLSTELLE"), 1485, 55);
        regular(d, QStringLiteral("Ort und Datum:"), 1410, 2560);
        regular(d, QStringLiteral("Unterschrift und Name des Anmelders/Vertreters:"), 1410, 2640);
        texts(d,
            { QStringLiteral("Wird dieses Exemplar ausschließlich zum NACHWEIS DES GEMEINSCHAFTSCHARAKTERS VON"),
                QStringLiteral("NICHT IM GEMEINSCHAFTLICHEN VERSANDVERFAHREN BEFÖRDERTEN WAREN verwendet,"),
                QStringLiteral(
                    "so sind zu diesem Zwecke nur die Angaben in den Feldern 1, 2, 3, 5, 14, 31, 32, 35, 54 imf"),
                QStringLiteral("gegebenenfalls 4, 33, 38, 40 und 44 erforderlich") },
            1150, 420, 40, 20);
    } else {
        bold(d, QStringLiteral("5"), 160, 120, 50);
        bold(d, QStringLiteral("5"), 160, 1040, 50);
        if (sheet == 4) {
            texts(d,
                { QStringLiteral("Zentralstelle Zollversand"), QStringLiteral("D-59067 Hamm"),
                    QStringLiteral("Bundesrepublik Deutschland") },
                1190, 940, 55, 50, true);
        } else {
            colouredTitle(d, QStringLiteral("ALTERNATIV-NACHWEIS"), 1190, 940, 70, Blue);
            colouredTitle(d, QStringLiteral("für den Hauptverpflichteten"), 1190, 1030, 65, Blue);
        }
        static const char *const returnTo[4][4] = {
            { "Tilbagesendes til:", "Zurücksenden an:", "Palautetaan:", "Odoslat do:" },
            { "", "Return to:", "Tilbakesendes til:", "Odeslat do:" },
            { "Renvoyer à:", "Rinviare a:", "Endursendist til:", "Odesta´c do:" },
            { "Terugzenden aan:", "Devolver a:", "Âtersendast till:", "Visszaküldendö:" },
        };
        const int xs[] = { 1190, 1420, 1640, 1870 };
        for (int row = 0; row < 4; ++row) {
            for (int col = 0; col < 4; ++col) {
                const QString t = QString::fromUtf8(returnTo[row][col]);
                if (!t.isEmpty())
                    regular(d, t, xs[col], 780 + 40 * row);
            }
        }
    }
    mainHeader(d);
    const struct {
        const char *number;
        int x;
        int y;
    } numbers[] = { { "2", 250, 110 }, { "3", 1150, 200 }, { "4", 1310, 200 }, { "5", 1150, 275 }, { "6", 1310, 275 },
        { "8", 250, 360 }, { "14", 230, 605 }, { "15", 1150, 605 }, { "17", 1605, 700 }, { "18", 230, 780 },
        { "19", 1050, 780 }, { "21", 230, 860 }, { "25", 230, 940 }, { "27", 700, 940 }, { "31", 70, 1120 },
        { "32", 1245, 1120 }, { "33", 1385, 1120 }, { "35", 1610, 1200 }, { "38", 1610, 1280 }, { "40", 1385, 1370 },
        { "44", 70, 1490 }, { "50", 250, 2130 }, { "51", 70, 2310 }, { "52", 70, 2480 }, { "53", 1460, 2470 },
        { "C", 1450, 2130 }, { "D", 70, 2560 }, { "0735", 70, 2880 }, { "55", 70, 1710 }, { "F", 70, 1870 } };
    for (const auto &n : numbers)
        bold(d, QString::fromUtf8(n.number), n.x, n.y);
    const struct {
        const char *text;
        int x;
        int y;
    } titles[] = { { "Versender / Ausführer", 270, 110 }, { "Nr.", 600, 110 }, { "Vordrucke", 1170, 200 },
        { "Ladeliste", 1330, 200 }, { "Positionen", 1170, 275 }, { "Packst. insge.", 1330, 275 },
        { "Empfänger", 270, 360 }, { "Nr.", 600, 360 }, { "Anmelder / Vertreter", 270, 605 }, { "Nr.", 600, 605 },
        { "Versendungs-/Ausfuhrland", 1190, 605 }, { "Bestimmungsland", 1640, 700 },
        { "Kennzeichen und Staatszugehörigkeit des Beförderungsmittels beim Abgang", 270, 780 }, { "Ctr.", 1080, 780 },
        { "Kennz. und Staatszuge. des grenzüber. aktiven Beförderungsmittels", 270, 860 },
        { "Verkehrszweig an", 270, 940 }, { "der Grenze", 310, 970 }, { "Ladeort", 730, 940 },
        { "Positions-", 1270, 1120 }, { "Nr.", 1330, 1160 }, { "Warennummer", 1415, 1120 },
        { "Rohmasse (kg)", 1640, 1200 }, { "Eigenmasse (kg)", 1640, 1280 },
        { "Summarische Anmeldung/Vorpapier", 1415, 1370 }, { "Code B.V.", 1660, 1540 },
        { "Hauptverpflichteter", 285, 2130 }, { "Nr.", 600, 2130 }, { "Unterschrift", 1150, 2130 },
        { "ABGANGSSTELLE", 1480, 2130 }, { "vertreten durch", 250, 2310 }, { "Ort und Datum:", 250, 2350 },
        { "Code", 1370, 2470 }, { "Bestimmungsstelle (und Land)", 1490, 2470 },
        { "PRÜFUNG DURCH DIE ABGANGSSTELLE", 100, 2560 }, { "Stempel:", 1140, 2560 }, { "Umla-", 100, 1710 },
        { "dungen", 80, 1740 }, { "SICHTVER-", 100, 1870 }, { "MERK DER", 80, 1900 } };
    for (const auto &t : titles)
        regular(d, QString::fromUtf8(t.text), t.x, t.y);
    texts(d, { QStringLiteral("ZUSTÄN-"), QStringLiteral("DIGEN"), QStringLiteral("BEHÖR-"), QStringLiteral("DEN") },
        80, 1930, 30);
    box31Captions(d);
    box44Captions(d);
    boxes51And52Captions(d);
    texts(d,
        { QStringLiteral("Ergebnis:"), QStringLiteral("Angebrachte Verschlüsse: Anzahl:"), QString(),
            QStringLiteral("Frist (letzter Tag):"), QStringLiteral("Unterschift") },
        100, 2600, 40);
    regular(d, QStringLiteral("Zeichen:"), 160, 2680);
    for (const int x : { 245, 1150 }) {
        regular(d, QStringLiteral("Ort und Land:"), x, 1710);
        regular(d, QStringLiteral("Kennz. und Staatsz. d. n. Bef.mittels:"), x, 1750);
        regular(d, QStringLiteral("Ctr."), x, 1790);
        regular(d, QStringLiteral("(1) Einzutragen ist 1 wenn JA oder 0 wenn NEIN."), x, 1830);
        regular(d, QStringLiteral("Neue Verschlüsse: Anzahl:"), x, 1870);
        regular(d, QStringLiteral("Unterschrift:"), x, 1910);
    }
    for (const auto &[x, zeichen, stempel] : { std::tuple { 360, 720, 800 }, std::tuple { 1280, 1640, 1720 } }) {
        regular(d, QStringLiteral("(1) Kenz. d. neuen Containers:"), x, 1790);
        regular(d, QStringLiteral("Zeichen:"), zeichen, 1870);
        regular(d, QStringLiteral("Stempel:"), stempel, 1910);
    }
    regular(
        d, QStringLiteral("Einheitspapier (gemeinschaftliches Versandverfahren - gVV -) - III B1 - (2002)"), 130, 2880);
    return d;
}

// The item block k of a continuation front.
void continuationBlock(FormDrawing &d, int k, bool full)
{
    const int dy = 590 * k;
    d << line(60, 850 + dy, 2050, 850 + dy) << line(220, 260 + dy, 220, 850 + dy)
      << line(1380, 260 + dy, 1380, 850 + dy) << line(1380, 340 + dy, 2050, 340 + dy)
      << line(1380, 430 + dy, 2050, 430 + dy) << line(1380, 510 + dy, 2050, 510 + dy)
      << line(1380, 600 + dy, 2050, 600 + dy) << line(60, 640 + dy, 1380, 640 + dy)
      << line(1600, 340 + dy, 1600, 510 + dy) << line(1660, 680 + dy, 2050, 680 + dy)
      << line(1240, 260 + dy, 1240, 340 + dy);
    if (full)
        d << frame(1380, 430 + dy, 1608, 510 + dy, 4);
    bold(d, QStringLiteral("31"), 70, 270 + dy);
    texts(d,
        { QStringLiteral("Packstücke"), QStringLiteral("und Waren-"), QStringLiteral("bezeich-"),
            QStringLiteral("nung") },
        100, 270 + dy, 25);
    regular(d, QStringLiteral("Zeichen und Nummern - Container Nr. - Anzahl und Art"), 230, 270 + dy);
    bold(d, QStringLiteral("32"), 1253, 270 + dy);
    regular(d, QStringLiteral("Positions-"), 1280, 270 + dy);
    regular(d, QStringLiteral("Nr."), 1330, 300 + dy);
    bold(d, QStringLiteral("33"), 1390, 270 + dy);
    regular(d, QStringLiteral("Warennummer"), 1420, 270 + dy);
    bold(d, QStringLiteral("35"), 1618, 350 + dy);
    regular(d, QStringLiteral("Rohmasse (kg)"), 1645, 350 + dy);
    bold(d, QStringLiteral("38"), 1618, 440 + dy);
    regular(d, QStringLiteral("Eigenmasse (kg)"), 1645, 440 + dy);
    bold(d, QStringLiteral("40"), 1390, 520 + dy);
    regular(d, QStringLiteral("Summarische Anmeldung/Vorpapier"), 1420, 520 + dy);
    bold(d, QStringLiteral("44"), 70, 650 + dy);
    regular(d, QStringLiteral("Besondere"), 100, 650 + dy);
    texts(d,
        { QStringLiteral("Vermerke/"), QStringLiteral("Vorgelegte"), QStringLiteral("Unterlagen/"),
            QStringLiteral("Bescheini-"), QStringLiteral("gungen u. Ge-"), QStringLiteral("nehmigungen") },
        80, 675 + dy, 25);
    if (full) {
        regular(d, QStringLiteral("Code B.V."), 1675, 700 + dy);
        const struct {
            const char *number;
            const char *text;
            int x;
            int y;
        } extra[] = { { "34", "Urspr.land.Code", 1390, 350 }, { "37", "VERFAHREN", 1390, 440 },
            { "39", "Kontingent", 1905, 440 }, { "41", "Besondere Maßeinheit", 1390, 610 } };
        for (const auto &e : extra) {
            bold(d, QString::fromUtf8(e.number), e.x, e.y + dy);
            regular(d, QString::fromUtf8(e.text), e.x + 30, e.y + dy);
        }
        bold(d, QStringLiteral("46"), 1700, 780 + dy);
        regular(d, QStringLiteral("Statistischer Wert"), 1725, 780 + dy);
        regular(d, QStringLiteral("a"), 1385, 400 + dy);
        regular(d, QStringLiteral("b"), 1495, 400 + dy);
    } else {
        regular(d, QStringLiteral("Code B.V."), 1665, 690 + dy);
    }
}

// The heavy bar at box C with its dashes, "C" and the office.
void continuationBoxC(FormDrawing &d)
{
    d << frame(1550, 2515, 1600, 2680, 10) << dashes(1620, 2680, 22) << dashes(1545, 2680, 5, true);
    bold(d, QStringLiteral("C"), 1560, 2700);
    regular(d, QStringLiteral("ABGANSSTELLE"), 1585, 2700);
}

FormDrawing continuationFront(int sheet)
{
    const bool full = sheet == 1 || sheet == 6;
    FormDrawing d;
    d << frame(220, 90, 1150, 260) << frame(240, 140, 260, 180) << line(60, 260, 2050, 260)
      << frame(1150, 60, 1461, 180, 4) << frame(1315, 187, 1457, 255, 10);
    bold(d, QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"), 220, 55, 35);
    bold(d, QStringLiteral("C"), 1200, 135, 35);
    bold(d, QStringLiteral("BIS"), 1402, 135, 35);
    regular(d, QStringLiteral("1   A N M E L D U N G"), 1160, 65, 25);
    bold(d, QStringLiteral("2"), 250, 100);
    regular(d, QStringLiteral("Versender / Ausführer"), 270, 100);
    regular(d, QStringLiteral("Nr."), 600, 100);
    bold(d, QStringLiteral("3"), 1160, 190);
    regular(d, QStringLiteral("Vordrucke"), 1180, 190);
    if (full || sheet <= 3) {
        bold(d, QStringLiteral("A"), 1470, 55);
        regular(d, QStringLiteral("VERSENDUNGS-/AUSFUHRZOLLSTELLE"), 1490, 55);
    }
    for (int k = 0; k < 3; ++k)
        continuationBlock(d, k, full);
    if (full) {
        for (const int y : { 2080, 2420, 2510, 2850, 2890 })
            d << line(60, y, 2050, y);
        d << line(60, 2460, 2050, 2460, 4);
        for (const int x : { 220, 320, 570, 830, 1090, 1240, 1500, 1750, 1990 })
            d << line(x, 2080, x, 2420);
        d << line(1140, 2080, 1140, 2890, 4);
        bold(d, QStringLiteral("47"), 70, 2040);
        regular(d, QStringLiteral("Abgaben-"), 100, 2040);
        regular(d, QStringLiteral("berechnung"), 100, 2065);
        const struct {
            const char *text;
            int x;
        } heads[] = { { "Art", 240 }, { "Bemessungsgrundlage", 330 }, { "Satz", 590 }, { "Betrag", 850 },
            { "ZA", 1100 }, { "Art", 1150 }, { "Bemessungsgrundlage", 1250 }, { "Satz", 1510 }, { "Betrag", 1760 },
            { "ZA", 1995 } };
        for (const auto &h : heads)
            regular(d, QString::fromUtf8(h.text), h.x, 2045);
        const struct {
            const char *text;
            int x;
        } lower[] = { { "Art", 240 }, { "Bemessungsgrundlage", 330 }, { "Satz", 590 }, { "Betrag", 850 },
            { "ZA", 1100 }, { "Art", 1150 }, { "Betrag", 1250 }, { "ZA", 1510 } };
        for (const auto &h : lower)
            regular(d, QString::fromUtf8(h.text), h.x, 2475);
        regular(d, QStringLiteral("Summe erste Position:"), 330, 2430);
        regular(d, QStringLiteral("Summe zweite Position:"), 1250, 2430);
        regular(d, QStringLiteral("Summe dritte Position:"), 330, 2860);
        regular(d, QStringLiteral("G.S.:"), 1150, 2860);
        bold(d, QStringLiteral("ZUSAMMENFASSUNG"), 1620, 2475);
        d << filledPolygon({ { 1560, 2487 }, { 1580, 2479 }, { 1580, 2485 }, { 1610, 2485 }, { 1610, 2489 },
            { 1580, 2489 }, { 1580, 2495 } });
        continuationBoxC(d);
        if (sheet == 1) {
            bold(d, QStringLiteral("1"), 1565, 2570, 50);
            bold(d, QStringLiteral("1"), 1370, 200, 40);
            bold(d, QStringLiteral("Exemplar für das"), 1710, 2560, 30);
            bold(d, QStringLiteral("Versendungs-/Ausfuhrland"), 1640, 2600, 30);
            bold(d, QStringLiteral("0736"), 70, 2895);
            regular(d, QStringLiteral("Ergänzungsblatt zum Vordruck 0735 + - III B1 - (2002)"), 140, 2895);
        } else {
            bold(d, QStringLiteral("Kopie für den Aussteller"), 1640, 2580, 35);
        }
        return d;
    }
    d << line(1600, 2512, 2050, 2512, 4);
    continuationBoxC(d);
    bold(d, QStringLiteral("0736"), 70, 2880);
    regular(d, QStringLiteral("Ergänzungsblatt zum Vordruck 0735 + - III B1 - (2002)"), 140, 2880);
    if (sheet <= 3) {
        bold(d, QStringLiteral("4"), 1565, 2570, 50);
        bold(d, QStringLiteral("4"), 1370, 200, 40);
        bold(d, QStringLiteral("Exemplar für die"), 1710, 2560, 30);
        bold(d, QStringLiteral("Bestimmungsstelle"), 1680, 2600, 30);
        if (sheet == 3)
            ewgEftaLine(d);
    } else {
        bold(d, QStringLiteral("5"), 1565, 2570, 50);
        bold(d, QStringLiteral("5"), 1370, 200, 40);
        bold(d, QStringLiteral("Rückschein -"), 1690, 2550, 30);
        bold(d, QStringLiteral("Gemeinschaftliches"), 1640, 2585, 30);
        bold(d, QStringLiteral("Versandverfahren"), 1660, 2620, 30);
        if (sheet == 5) {
            colouredTitle(d, QStringLiteral("ALTERNATIV-NACHWEIS"), 1190, 2100, 70, Blue);
            colouredTitle(d, QStringLiteral("für den Hauptverpflichteten"), 1190, 2175, 65, Blue);
        }
    }
    return d;
}

// Boxes 56, G and I of the backs of sheets 2 to 5.
void boxes56GAndI(FormDrawing &d)
{
    bold(d, QStringLiteral("56"), 100, 100);
    bold(d, QStringLiteral("G"), 1250, 100);
    bold(d, QStringLiteral("I"), 100, 1920);
    regular(d, QStringLiteral("Andere Ereignisse während der Beförderung"), 140, 100);
    regular(d, QStringLiteral("Sachverhalt und getroffene Maßnahmen"), 140, 130);
    regular(d, QStringLiteral("SICHTVERMERK DER ZUSTÄNDIGEN BEHÖRDEN"), 1290, 100);
    regular(d, QStringLiteral("PRÜFUNG DURCH DIE BESTIMMUNGSSTELLE (GEMEINSCHAFTLICHES VERSANDVERFAHREN)"), 140, 1920);
    texts(d, { QStringLiteral("Ankunftstag:"), QStringLiteral("Prüfung der Verschlüsse:") }, 140, 1970, 40);
    regular(d, QStringLiteral("Bemerkungen:"), 140, 2090);
    texts(d,
        { QStringLiteral("Exemplar Nr. 5 zurückgesandt"), QStringLiteral("am"), QStringLiteral("nach Eintragung unter"),
            QStringLiteral("Nr.") },
        1250, 1970, 40);
    regular(d, QStringLiteral("Unterschrift:"), 1250, 2180);
    regular(d, QStringLiteral("Stempel:"), 1670, 2180);
}

} // namespace

FormDrawing transitMainFront(int sheet)
{
    return sheet == 1 || sheet == 6 ? fullMainFront(sheet) : reducedMainFront(sheet);
}

FormDrawing transitContinuationFront(int sheet)
{
    return continuationFront(sheet);
}

FormDrawing transitBackSheet1()
{
    FormDrawing d;
    d << frame(80, 90, 1910, 2420) << line(80, 130, 1910, 130) << line(80, 1280, 1910, 1280);
    bold(d, QStringLiteral("E"), 110, 100, 20);
    regular(d, QStringLiteral("PRÜFUNG DURCH DIE VERSENDUNGS-/AUSFUHRZOLLSTELLE"), 140, 100);
    bold(d, QStringLiteral("Außenwirtschaftsrechtliche Vermerke der Abgangsstelle - "), 80, 2460);
    regular(d, QStringLiteral("Zutreffendes ankreuzen bzw. eintragen -"), 1010, 2460);
    bold(d, QStringLiteral("Einfuhrseitig"), 80, 2550);
    bold(d, QStringLiteral("Ausfuhrseitig"), 1080, 2550);
    d << line(1000, 2540, 1000, 2730);
    regular(d, QStringLiteral("Einfuhrrechtlich behandelt"), 80, 2630);
    d << frame(750, 2620, 790, 2660) << frame(880, 2620, 920, 2660);
    regular(d, QStringLiteral("ja"), 760, 2590);
    regular(d, QStringLiteral("nein"), 880, 2590);
    regular(d, QStringLiteral("Auf EE/EG vom "), 80, 2720);
    d << line(240, 2742, 490, 2742);
    regular(d, QStringLiteral(" Nr. "), 490, 2720);
    d << line(545, 2742, 795, 2742);
    regular(d, QStringLiteral(" abgeschrieben."), 795, 2720);
    regular(d, QStringLiteral("AM (Ex. Nr.3 / AKM)"), 1080, 2590);
    d << frame(1350, 2620, 1400, 2660) << frame(1350, 2710, 1400, 2750);
    regular(d, QStringLiteral("hat vorgelegen"), 1100, 2630);
    regular(d, QStringLiteral("nicht erforderlich"), 1100, 2720);
    return d;
}

FormDrawing transitBackSheets2And3()
{
    FormDrawing d;
    d << frame(80, 90, 1910, 2420) << frame(80, 850, 1910, 890) << frame(80, 890, 1000, 1480)
      << frame(1030, 970, 1080, 1020) << frame(1030, 1060, 1080, 1110) << line(1230, 90, 1230, 850)
      << line(1230, 1940, 1230, 2420) << line(80, 1910, 1910, 1910);
    boxes56GAndI(d);
    bold(d, QStringLiteral("H"), 100, 860);
    regular(d,
        QStringLiteral("NACHTRÄGLICHE ÜBERPRÜFUNG (Wenn dieses Exemplar zum Nachweis des Gemeinschaftschararkters der "
                       "Waren verwendet wird)"),
        150, 860);
    regular(d, QStringLiteral("ERSUCHEN UM NACHPRÜFUNG"), 100, 900);
    regular(d,
        QStringLiteral("Es wird um Nachprüfung dieses Papiers auf seine Echtheit und auf die Richtigkeit der darin"),
        100, 940);
    regular(d, QStringLiteral("enthaltenen Angaben ersucht."), 100, 970);
    regular(d, QStringLiteral("ERGEBENIS DER NACHPRÜFUNG"), 1030, 900);
    regular(d, QStringLiteral("Dieses Papier (1)"), 1030, 940);
    for (const int x : { 100, 1030 }) {
        regular(d, QStringLiteral("Ort und Datum:"), x, 1200);
        regular(d, QStringLiteral("Unterschrift:"), x, 1240);
    }
    regular(d, QStringLiteral("Stempel:"), 740, 1240);
    regular(d, QStringLiteral("Stempel:"), 1670, 1240);
    regular(d, QStringLiteral("Bemerkungen:"), 100, 1490);
    regular(d, QStringLiteral("(1) Zutreffenes "), 100, 1870);
    d << frame(260, 1868, 290, 1898);
    regular(d, QStringLiteral("X"), 265, 1870);
    regular(d, QStringLiteral(" ankreuzen."), 290, 1870);
    texts(d,
        { QStringLiteral("ist von der darin angegebenen Zollstelle bescheinigt worden und die darin enthaltenen"),
            QStringLiteral("Angaben sind richtig.") },
        1100, 970, 25, 20);
    texts(d,
        { QStringLiteral("entspricht nicht den Erfordernissen für seine Echtheit und Richtigkeit (siehe die nach-"),
            QStringLiteral("stehenden Bemerkungen).") },
        1100, 1060, 25, 20);
    return d;
}

FormDrawing transitBackSheets4And5()
{
    FormDrawing d;
    d << frame(80, 90, 1910, 850) << frame(80, 1910, 1910, 2420) << line(1230, 90, 1230, 850)
      << line(1230, 1910, 1230, 2420) << line(80, 2510, 80, 2890) << line(1910, 2510, 1910, 2890)
      << line(80, 2510, 1910, 2510) << dots(330, 2612, 123) << dots(220, 2652, 48) << dots(780, 2652, 82)
      << dots(230, 2692, 34);
    boxes56GAndI(d);
    bold(d, QStringLiteral("GEMEINSCHAFTLICHES VERSANDVERFAHREN: EINGANGSBESCHEINIGUNG "), 100, 2520);
    regular(
        d, QStringLiteral("(Vom Beteiligten auszufüllen, bevor sie der Bestimmungsstelle vorgelegt wird)"), 1050, 2520);
    regular(d, QStringLiteral("Die Bestimmungsstelle "), 100, 2590);
    regular(d, QStringLiteral("bescheinigt,"), 1320, 2590);
    regular(d, QStringLiteral("dass ihr am "), 100, 2630);
    regular(d, QStringLiteral("bei der Behörde"), 610, 2630);
    regular(d, QStringLiteral("unter der Nr. "), 100, 2670);
    regular(d, QStringLiteral("eingetragene Versandanmeldung übergeben worden ist."), 510, 2670);
    regular(d, QStringLiteral("Stempel der"), 1610, 2590);
    regular(d, QStringLiteral("Bestimmungsstelle:"), 1580, 2620);
    regular(d, QStringLiteral("Unterschrift:"), 640, 2770);
    regular(d, QStringLiteral("Datum:"), 100, 2850);
    regular(d, QStringLiteral("Ort:"), 640, 2850);
    return d;
}

int transitBackOf(int sheet)
{
    if (sheet == 1)
        return 1;
    if (sheet == 2 || sheet == 3)
        return 2;
    if (sheet == 4 || sheet == 5)
        return 4;
    return 0;
}

FormDrawing transitBack(int sheet)
{
    switch (transitBackOf(sheet)) {
    case 1:
        return transitBackSheet1();
    case 2:
        return transitBackSheets2And3();
    case 4:
        return transitBackSheets4And5();
    }
    return {};
}

} // namespace sad
