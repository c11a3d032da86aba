#include "atlas/tatlasepasprintfrm.h"

#include "atlas/atlastables.h"
#include "atlas/handoverwriter.h"
#include "platform/clock.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/printcanvas.h"
#include "platform/printerservice.h"
#include "platform/session.h"
#include "platform/table.h"
#include "sad/exportprintlayout.h"
#include "sad/formdrawing.h"
#include "shell/drawingroutines.h"
#include "shell/mainstate.h"
#include "shell/printsettings.h"

#include <QFontDatabase>
#include <QHash>
#include <QProgressBar>

#include <algorithm>
#include <array>

namespace atlas {

using platform::PrintCanvas;
using platform::PrinterService;
using shell::PageOffsets;

namespace {

constexpr int MainSheet = 0;
constexpr int ListSheet = 1;
constexpr int LineGap = 5;
constexpr int LabelHeight = -22;
constexpr int DataHeight = -30;

QString today()
{
    return platform::Clock::today().toString(QStringLiteral("dd.MM.yyyy"));
}

// Entries of a list joined with single blanks, outer blanks trimmed.
QString joined(const QStringList &parts)
{
    QStringList kept;
    for (const QString &part : parts)
        kept.append(part.trimmed());
    return kept.join(QLatin1Char(' ')).trimmed();
}

QString tab(int pageX)
{
    return QStringLiteral("<T") + TAtlasEPASPrintFrm::PadLeftZeros(QString::number(pageX), 4) + QLatin1Char('>');
}

// "<b>box</b>" and the title from page x tab (a second title from tab2).
QString boxCaption(const QString &box, const QString &title, int tabX, const QString &title2 = {}, int tab2 = 0)
{
    QString text = QStringLiteral("<b>") + box + QStringLiteral("</b>") + tab(tabX) + title;
    if (!title2.isEmpty())
        text += tab(tab2) + title2;
    return text;
}

struct Caption {
    int x;
    int d;
    QString markup;
    int height = 0; // 0: the label font's
};

// The captions of the main sheet, page positions.
const QVector<Caption> &mainSheetCaptions()
{
    static const QVector<Caption> captions = {
        { 1160, 60, QStringLiteral("<b>1   A N M E L D U N G</b>"), -27 },
        { 1310, 90, QStringLiteral("</b>Bes.Umst.(S32)</b>"), -22 },
        { 240, 105,
            boxCaption(QStringLiteral("2"), QStringLiteral("Versender / Ausführer"), 260, QStringLiteral("Nr."), 600) },
        { 1460, 20, boxCaption(QStringLiteral("A"), QStringLiteral("VERSENDUNGS-/AUSFUHRZOLLSTELLE"), 1485) },
        { 1155, 190, boxCaption(QStringLiteral("3"), QStringLiteral("Vordrucke"), 1175) },
        { 1310, 190, boxCaption(QStringLiteral("4"), QStringLiteral("Ladeliste"), 1330) },
        { 1155, 270, boxCaption(QStringLiteral("5"), QStringLiteral("Positionen"), 1175) },
        { 1310, 270, boxCaption(QStringLiteral("6"), QStringLiteral("Packst. insgesammt"), 1330) },
        { 1510, 270, boxCaption(QStringLiteral("7"), QStringLiteral("Bezugsnummern"), 1530) },
        { 240, 360, boxCaption(QStringLiteral("8"), QStringLiteral("Empfänger "), 260, QStringLiteral("Nr."), 600) },
        { 1155, 360, QStringLiteral("Nummer des Zollverschlusses (S28)") },
        { 230, 615,
            boxCaption(QStringLiteral("14"), QStringLiteral("Anmelder/Vertreter "), 260, QStringLiteral("Nr."), 600) },
        { 1155, 615, QStringLiteral("Beförderungskosten, Code für die Zahlungsweise (S29)"), -21 },
        { 1606, 655, QStringLiteral("a") },
        { 1610, 615, boxCaption(QStringLiteral("15"), QStringLiteral("Vers./Ausf.L.Code"), 1640) },
        { 1831, 655, QStringLiteral("a") },
        { 1835, 615, boxCaption(QStringLiteral("17"), QStringLiteral("Bestimm.L.Code"), 1865) },
        { 1155, 700, QStringLiteral("Codes für die zu durchfahrenden Länder (S13)"), -21 },
        { 230, 785,
            boxCaption(QStringLiteral("18"),
                QStringLiteral("Kennzeichen und Staatszugehörigkeit des Beförderungsmittels beim Abgang"), 260) },
        { 1055, 785, boxCaption(QStringLiteral("19"), QStringLiteral("Ctr."), 1085) },
        { 1155, 785, boxCaption(QStringLiteral("20"), QStringLiteral("Lieferbedingungen"), 1185) },
        { 230, 870,
            boxCaption(QStringLiteral("21"),
                QStringLiteral(
                    "Kennzeichen und Staatszugehörigkeit des grenzüberschreitenden aktiven Beförderungsmittels"),
                260) },
        { 1155, 870,
            boxCaption(QStringLiteral("22"), QStringLiteral("Währung u. in Rechn. gestellter Gesamtbetr."), 1185) },
        { 1610, 870, boxCaption(QStringLiteral("23"), QStringLiteral("Umrechnungskurs"), 1640) },
        { 1840, 870, boxCaption(QStringLiteral("24"), QStringLiteral("Art des"), 1870) },
        { 1940, 890, QStringLiteral("Geschäfts") },
        { 230, 955, boxCaption(QStringLiteral("25"), QStringLiteral("Verkehrszweig an"), 260) },
        { 315, 980, QStringLiteral("der Grenze") },
        { 460, 955, boxCaption(QStringLiteral("26"), QStringLiteral("Inländischer Ver-"), 490) },
        { 545, 980, QStringLiteral("kehrszweig") },
        { 230, 1040, boxCaption(QStringLiteral("29"), QStringLiteral("Ausgangszollstelle"), 260) },
        { 690, 1040, boxCaption(QStringLiteral("30"), QStringLiteral("Warenort"), 720) },
        { 70, 1125, QStringLiteral("<b>31</b>") },
        { 100, 1125,
            QStringLiteral("Packstücke") + tab(230)
                + QStringLiteral(
                    "Zeichen und Nummern - Container Nr. - Anzahl und Art<br>und Waren-<br>bezeich-<br>nung") },
        { 1245, 1125, boxCaption(QStringLiteral("32"), QStringLiteral("Positions"), 1275) },
        { 1325, 1145, QStringLiteral("Nr.") },
        { 1375, 1125, boxCaption(QStringLiteral("33"), QStringLiteral("Warennummer"), 1405) },
        { 1375, 1210, boxCaption(QStringLiteral("34"), QStringLiteral("Urspr.land Code"), 1405) },
        { 1605, 1210, boxCaption(QStringLiteral("35"), QStringLiteral("Rohmasse (kg)"), 1635) },
        { 1373, 1250, QStringLiteral("a") },
        { 1490, 1250, QStringLiteral("b") },
        { 1375, 1295, boxCaption(QStringLiteral("37"), QStringLiteral("VERFAHREN"), 1405) },
        { 1605, 1295, boxCaption(QStringLiteral("38"), QStringLiteral("Eigenmasse (kg)"), 1635) },
        { 1373, 1335, QStringLiteral("a") },
        { 1490, 1335, QStringLiteral("b") },
        { 1375, 1380, boxCaption(QStringLiteral("40"), QStringLiteral("Summarische Anmeldung/Vorpapier"), 1405) },
        { 1375, 1465, boxCaption(QStringLiteral("41"), QStringLiteral("Besondere Maßeinheit"), 1405) },
        { 1685, 1465, QStringLiteral("Nummer des Zollverschlusses (S28)") },
        { 70, 1510, QStringLiteral("<b>44</b>") },
        { 100, 1510,
            QStringLiteral("Besondere<br>Vermerke/<br>Vorgelegte<br>Unterlagen/<br>Bescheini-<br>gungen u. Ge-<br>"
                           "nehmigungen") },
        { 1675, 1550, QStringLiteral("Code B.V.") },
        { 1685, 1635, boxCaption(QStringLiteral("46"), QStringLiteral("Statistischer Wert"), 1715) },
        { 70, 1720, QStringLiteral("<b>47</b>") },
        { 100, 1720, QStringLiteral("Abgaben-<br>berechnung") },
        { 230, 1720, QStringLiteral("Art") },
        { 330, 1720, QStringLiteral("Bemessungsgrundlage") },
        { 585, 1720, QStringLiteral("Satz") },
        { 840, 1720, QStringLiteral("Betrag") },
        { 1095, 1720, QStringLiteral("ZA") },
        { 585, 2100, QStringLiteral("Summe:") },
        { 1145, 1720, boxCaption(QStringLiteral("48"), QStringLiteral("Zahlungsaufschub"), 1175) },
        { 1605, 1720, boxCaption(QStringLiteral("49"), QStringLiteral("Bezeichnung des Lagers"), 1635) },
        { 1145, 1805, boxCaption(QStringLiteral(" B"), QStringLiteral("ANGABEN FÜR VERBUCHUNGSZWECKE"), 1175) },
        { 230, 2150,
            boxCaption(QStringLiteral("50"), QStringLiteral("Hauptverpflichter"), 260, QStringLiteral("Nr."), 600) },
        { 1160, 2150, QStringLiteral("Unterschrift:") },
        { 260, 2325, QStringLiteral("vertreten durch") },
        { 260, 2365, QStringLiteral("Ort und Datum:") },
        { 100, 2405, QStringLiteral("PRÜFUNG DURCH DIE ABGANGSSTELLE (K)") + tab(1135) + QStringLiteral("Stempel:") },
        { 150, 2445, QStringLiteral("Ankunftsdatum:") },
        { 150, 2485, QStringLiteral("Prüfung der Verschlüsse:") },
        { 100, 2525, QStringLiteral("Bemerkungen:") },
        { 70, 2575, QStringLiteral("<b>E</b>") },
        { 100, 2575,
            QStringLiteral("PRÜFUNG DURCH DIE VERSENDUNGS-/AUSFUHRZOLLSTELLE") + tab(1135)
                + QStringLiteral("Stempel:") },
        { 100, 2615, QStringLiteral("Ergebnis:") },
        { 100, 2655, QStringLiteral("Angebrachte Verschlüsse:  Anzahl:") },
        { 150, 2695, QStringLiteral("Zeichen:") },
        { 100, 2735, QStringLiteral("Friste (letzter Tag):") },
        { 100, 2775, QStringLiteral("Unterschrift:") },
        { 1375, 2575, boxCaption(QStringLiteral("54"), QStringLiteral("Ort und Datum:"), 1405) },
        { 1375, 2655, tab(1405) + QStringLiteral("Unterschrift und Name des Anmelders/Vertreters:") },
    };
    return captions;
}

// The values of the main sheet: fields of the head or names of values the
// print computes (mainSheetValue).
const QVector<shell::PrintItem> &mainSheetValues()
{
    using shell::fieldAt;
    static const QVector<shell::PrintItem> values = {
        fieldAt(QStringLiteral("Art2"), 1155, 130),
        fieldAt(QStringLiteral("Art1"), 1260, 130),
        fieldAt(QStringLiteral("Exp_TIN"), 650, 100),
        fieldAt(QStringLiteral("EXP_Name"), 230, 140),
        fieldAt(QStringLiteral("EXP_Street"), 230, 180),
        fieldAt(QStringLiteral("=EXP_PLZ_City"), 230, 220),
        fieldAt(QStringLiteral("EXP_Land"), 230, 260),
        shell::textAt(QStringLiteral("1"), 1155, 220),
        fieldAt(QStringLiteral("=Forms"), 1235, 220),
        fieldAt(QStringLiteral("=Items"), 1155, 300),
        fieldAt(QStringLiteral("Bezugsnummer"), 1510, 300),
        fieldAt(QStringLiteral("EMP_TIN"), 650, 355),
        fieldAt(QStringLiteral("EMP_Name"), 230, 395),
        fieldAt(QStringLiteral("EMP_Street"), 230, 435),
        fieldAt(QStringLiteral("=EMP_PLZ_City"), 230, 475),
        fieldAt(QStringLiteral("EMP_Land"), 230, 515),
        fieldAt(QStringLiteral("=Box14"), 650, 610),
        fieldAt(QStringLiteral("ANM_Name"), 230, 640),
        fieldAt(QStringLiteral("ANM_Street"), 230, 670),
        fieldAt(QStringLiteral("=ANM_PLZ_City"), 230, 700),
        fieldAt(QStringLiteral("ANM_Land"), 230, 730),
        fieldAt(QStringLiteral("VER_Name"), 680, 640),
        fieldAt(QStringLiteral("VER_Street"), 680, 670),
        fieldAt(QStringLiteral("=VER_PLZ_City"), 680, 700),
        fieldAt(QStringLiteral("VER_Land"), 680, 730),
        fieldAt(QStringLiteral("AusfLand"), 1635, 645),
        fieldAt(QStringLiteral("BestLand"), 1860, 645),
        fieldAt(QStringLiteral("=Route"), 1155, 730),
        fieldAt(QStringLiteral("=Containers"), 1055, 815),
        fieldAt(QStringLiteral("Liefer_Code"), 1155, 815),
        fieldAt(QStringLiteral("Liefer_City"), 1255, 815),
        fieldAt(QStringLiteral("Bfm_Kennzeichen"), 230, 900),
        fieldAt(QStringLiteral("Bfm_Staat"), 1055, 900),
        fieldAt(QStringLiteral("GeschWaehrung"), 1155, 900),
        fieldAt(QStringLiteral("GeschRePreis"), 1255, 900),
        fieldAt(QStringLiteral("=GeschArt1"), 1840, 900),
        fieldAt(QStringLiteral("=GeschArt2"), 1890, 900),
        fieldAt(QStringLiteral("Bfm_Grenze"), 230, 985),
        fieldAt(QStringLiteral("Bfm_Inland"), 460, 985),
        fieldAt(QStringLiteral("AusfuhrZollstelle"), 230, 1070),
        fieldAt(QStringLiteral("=Warenort"), 690, 1070).height(-25),
        fieldAt(QStringLiteral("=OrtDatum"), 1400, 2605),
        fieldAt(QStringLiteral("=Ansprechpartner1"), 1400, 2685),
        fieldAt(QStringLiteral("=Ansprechpartner2"), 1400, 2725),
        fieldAt(QStringLiteral("=Ansprechpartner3"), 1400, 2765),
        fieldAt(QStringLiteral("=Ansprechpartner4"), 1400, 2805),
    };
    return values;
}

// The ruling of the main sheet beyond the box frames drawn with the boxes.
const sad::FormDrawing &mainSheetRuling()
{
    using namespace sad;
    static const FormDrawing ruling = [] {
        FormDrawing r {
            // box 1, the boxes 2, 8 and 14, box A's left edge
            frame(1145, 50, 1450, 180, 4),
            line(1250, 100, 1250, 180),
            line(1300, 100, 1300, 180),
            frame(220, 95, 1145, 350),
            line(1450, 20, 1450, 180),
            frame(220, 350, 1145, 605),
            frame(220, 605, 1145, 775),
        };
        for (const int d : { 1115, 1710, 2140, 2395, 2565 })
            r.append(line(70, d, 2060, d));
        for (const int d : { 860, 945 })
            r.append(line(220, d, 2060, d));
        for (const int d : { 260, 350, 605, 690, 775 })
            r.append(line(1145, d, 2060, d));
        r.append(line(220, 1030, 1145, 1030));
        r.append(line(220, 1125, 220, 1500));
        r.append(line(1365, 1115, 1365, 1540));
        r.append(line(70, 1500, 1365, 1500));
        r.append(strokedLine(1365, 1625, 1675, 1625, FineDots));
        r.append(strokedLine(1365, 1625, 1365, 1710, FineDots));
        r.append(line(1365, 1625, 1495, 1625, 2));
        // The dividers between neighbouring boxes.
        r << line(1145, 180, 1145, 1115) << line(1300, 180, 1300, 350) << line(1500, 260, 1500, 350)
          << line(1600, 605, 1600, 690) << line(1825, 605, 1825, 690) << line(1045, 775, 1045, 945)
          << line(1600, 860, 1600, 945) << line(1830, 860, 1830, 945) << line(450, 945, 450, 1030)
          << line(680, 1030, 680, 1115) << line(1365, 1200, 2060, 1200) << line(1365, 1285, 2060, 1285)
          << line(1365, 1370, 2060, 1370) << line(1365, 1455, 2060, 1455) << line(1595, 1200, 1595, 1370)
          << line(1675, 1455, 1675, 1540) << line(1365, 1540, 2060, 1540) << line(1675, 1625, 2060, 1625)
          << line(1135, 1710, 1135, 2140) << line(1595, 1710, 1595, 1795) << line(1135, 1795, 2060, 1795)
          << line(1445, 2140, 1445, 2395) << line(1365, 2565, 1365, 2850) << line(1135, 2395, 1135, 2565)
          << line(70, 2850, 2060, 2850);
        // The pen 4 corners of the sheet's frame.
        for (const auto &[x, d, dx, dy] : { std::array { 70, 1115, 40, 40 }, std::array { 2060, 1115, -40, 40 },
                 std::array { 70, 2850, 40, -40 }, std::array { 2060, 2850, -40, -40 } }) {
            r.append(line(x, d, x + dx, d, 4));
            r.append(line(x, d, x, d + dy, 4));
        }
        r.append(line(70, 1115, 70, 2850));
        r.append(line(2060, 97, 2060, 2850));
        return r;
    }();
    return ruling;
}

struct LegendRow {
    int d;
    int ruleBelow;
    QVector<QPair<int, QString>> texts;
    QVector<int> dividers;
};

const QVector<LegendRow> &legendRows()
{
    static const QVector<LegendRow> rows = {
        { 270, 302,
            { { 210, QStringLiteral("32 Pos. Nr.") },
                { 340, QStringLiteral("Anzahl und Art der Packstücke; Zeichen und Nummern der Packstücke (31/1)") },
                { 1125, QStringLiteral("Warenbezeichnung (31/2)") } },
            { 1115 } },
        { 310, 344, { { 210, QStringLiteral("Versender/Ausführer (2)") }, { 1125, QStringLiteral("Empfänger (8)") } },
            { 1115 } },
        { 352, 386,
            { { 210, QStringLiteral("Kennzeichen und Beförderungsmittel beim Abgang (18)") },
                { 1125, QStringLiteral("Verfahren (37)") } },
            { 1115 } },
        { 394, 428,
            { { 210, QStringLiteral("Bezugsnummer (7)") }, { 1125, QStringLiteral("Summarische Anmeldung (40)") } },
            { 1115 } },
        { 436, 470,
            { { 210, QStringLiteral("Vorgelegte Unterlagen/Bescheinigungen (4/1)") },
                { 1125, QStringLiteral("Container-Nr. (31/3)") },
                { 1700, QStringLiteral("Nummer des Zollverschlusses (S28)") } },
            { 1115, 1690 } },
        { 478, 512,
            { { 210, QStringLiteral("Besondere Vermerke (44/2)") }, { 1125, QStringLiteral("Warennummer (33)") } },
            { 1115 } },
        { 520, 554,
            { { 210, QStringLiteral("UNDG (44/4)") },
                { 615, QStringLiteral("Beförderungskosten, Code für die Zahlungsweise (S29)") },
                { 1125, QStringLiteral("Urspr.Land Code (34)") }, { 1355, QStringLiteral("15 Vers./Ausf.L. Code") },
                { 1530, QStringLiteral("Bestimm.L. Code (17)") }, { 1700, QStringLiteral("Rohmasse (kg) (35)") } },
            { 605, 1115, 1345, 1520, 1690 } },
        { 562, 596,
            { { 210, QStringLiteral("Besondere Maßeinheit (41)") }, { 1125, QStringLiteral("Anmeldung (1)") },
                { 1355, QStringLiteral("Statistischer Wert (46)") }, { 1700, QStringLiteral("Eigenmasse (38)") } },
            { 1115, 1345, 1690 } },
    };
    return rows;
}

const QStringList &copyNotes()
{
    static const QStringList notes = { QStringLiteral("Exemplar für das Versendungs-/Ausfuhrland"),
        QStringLiteral("Exemplar für die Statistik - Versendungs-/Ausfuhrland"),
        QStringLiteral("Exemplar für den Versender/Ausführer") };
    return notes;
}

void text(PrintCanvas &canvas, const PageOffsets &offsets, int x, int d, const QString &value)
{
    if (value.isEmpty())
        return;
    const QPoint at = offsets.toDevice(x, d);
    canvas.textOut(at.x(), at.y(), value);
}

// Centred between the page positions left and right.
void centred(PrintCanvas &canvas, const PageOffsets &offsets, int left, int right, int d, const QString &value)
{
    text(canvas, offsets, left + ((right - left) - canvas.textWidth(value)) / 2, d, value);
}

void useFont(PrintCanvas &canvas, const QString &face, int height, platform::FontStyles style)
{
    platform::CanvasFont font = canvas.font();
    font.name = face;
    font.height = height;
    font.style = style;
    font.angle = 0;
    font.color = Qt::black;
    canvas.setFont(font);
}

const platform::FontStyles Bold = platform::FontStyle::Bold;

// The word-wrapped cell of a block: lines and how many print.
EpasItemBlock::Cell cell(const PrintCanvas &canvas, const QString &value, int width)
{
    EpasItemBlock::Cell c;
    if (!value.isEmpty())
        c.lines = shell::WrapTextLines(canvas, value, width);
    c.shown = int(c.lines.size());
    return c;
}

int heightOf(const EpasItemBlock::Cell &c, int lineHeight)
{
    return c.shown * lineHeight;
}

// The rows of a block from its cells (d downwards).
void placeRows(EpasItemBlock &b)
{
    const int h = b.lineHeight;
    const int t = b.top;
    b.r1 = std::max(t + 50 + heightOf(b.packages, h), t + heightOf(b.description, h));
    b.r2 = b.r1 + 10 + 40;
    const int previous = heightOf(b.previousDocuments, h);
    b.r4 = previous < 40 ? b.r2 + 100 : b.r2 + 60 + previous;
    b.r5 = b.r4 + 10 + std::max({ heightOf(b.documents, h), heightOf(b.containers, h), 40 });
    const int note = heightOf(b.note, h);
    b.r6 = note > 40 ? b.r5 + 10 + note : b.r5 + 50;
    b.bottom = b.r6 + 105;
}

void drawCell(
    PrintCanvas &canvas, const PageOffsets &offsets, int x, int d, const EpasItemBlock::Cell &c, int lineHeight)
{
    for (int i = 0; i < c.shown; ++i)
        text(canvas, offsets, x, d + i * lineHeight, c.lines.at(i));
}

} // namespace

bool EpasDeclaration::read(int number)
{
    platform::Session &session = platform::Session::current();
    const auto rows = [&](const QString &table, const QString &condition, const QVariantList &values) {
        return SourceRows::read(session,
            QStringLiteral("SELECT * FROM %1 WHERE %2 ORDER BY BelegNr, %3")
                .arg(platform::TableSchema::tableNameOf(table), condition,
                    table == Tables::Kopf ? QStringLiteral("BelegNr") : QStringLiteral("Pos")),
            values);
    };
    const QString byNumber = QStringLiteral("BelegNr = ?");
    const SourceRows kopf = SourceRows::read(session,
        QStringLiteral("SELECT * FROM %1 WHERE BelegNr = ?").arg(platform::TableSchema::tableNameOf(Tables::Kopf)),
        { number });
    if (kopf.isEmpty())
        return false;
    head.clear();
    for (const QString &name : kopf.fieldNames())
        head.insert(name.toLower(), kopf.text(0, name));

    seals.clear();
    const SourceRows sealRows = rows(Tables::Verschluss, byNumber, { number });
    for (int i = 0; i < sealRows.size(); ++i)
        seals.append(sealRows.text(i, QStringLiteral("Zeichen")).trimmed());
    route.clear();
    const SourceRows routeRows = rows(Tables::Route, byNumber, { number });
    for (int i = 0; i < routeRows.size(); ++i)
        route.append(routeRows.text(i, QStringLiteral("Land")).trimmed());

    items.clear();
    const SourceRows ware = rows(Tables::Ware, byNumber, { number });
    const QString byItem = QStringLiteral("BelegNr = ? AND WarenPos = ?");
    for (int i = 0; i < ware.size(); ++i) {
        const auto f = [&](const char *name) { return ware.text(i, QString::fromLatin1(name)); };
        EpasItem item;
        item.pos = f("Pos");
        item.description = f("WarenBez");
        item.procedure = joined({ f("Verfahren_angemeldet"), f("Verfahren_weiteres") });
        item.note = f("Vermerk");
        item.goodsNumber
            = joined({ f("WarenNr"), f("WarenNr_TARIC"), f("WarenNr_Zus1"), f("WarenNr_Zus2"), f("WarenNr_nat") });
        item.bundesland = f("Bundesland");
        item.rohmasse = f("Rohmasse");
        item.menge = f("Menge");
        item.wert = f("Wert");
        item.eigenmasse = f("Eigenmasse");
        const QVariantList key { number, item.pos.toInt() };
        const SourceRows packages = rows(Tables::Packst, byItem, key);
        for (int k = 0; k < packages.size(); ++k)
            item.packages.append(
                joined({ packages.text(k, QStringLiteral("Anzahl")), packages.text(k, QStringLiteral("Verpackungsart")),
                    packages.text(k, QStringLiteral("ZeichenNummern")) }));
        const SourceRows previous = rows(Tables::Vorpapier, byItem, key);
        for (int k = 0; k < previous.size(); ++k)
            item.previousDocuments.append(joined({ previous.text(k, QStringLiteral("Typ")),
                previous.text(k, QStringLiteral("Referenz")), previous.text(k, QStringLiteral("Zusatz")) }));
        const SourceRows documents = rows(Tables::Unterlage, byItem, key);
        for (int k = 0; k < documents.size(); ++k)
            item.documents.append(joined({ documents.text(k, QStringLiteral("Typ")),
                documents.text(k, QStringLiteral("Quali")), documents.text(k, QStringLiteral("Referenz")),
                documents.text(k, QStringLiteral("Zusatz")), documents.text(k, QStringLiteral("DatumAusstellung")),
                documents.text(k, QStringLiteral("DatumGueltigEnde")) }));
        const SourceRows containers = rows(Tables::Container, byItem, key);
        for (int k = 0; k < containers.size(); ++k)
            item.containers.append(containers.text(k, QStringLiteral("Nummer")).trimmed());
        items.append(item);
    }
    return true;
}

namespace {

shell::PrintWindowDefinition epasDefinition()
{
    shell::PrintWindowDefinition d;
    d.objectName = QStringLiteral("AtlasEPASPrintFrm");
    d.caption = QStringLiteral("Druck EPAS BelegNr.: ");
    d.headTable = Tables::Kopf;
    d.jobTitle = EpasJobTitle;
    shell::PrintSheet main;
    main.row = EpasMainRow;
    shell::PrintSheet list;
    list.row = EpasListRow;
    d.sheets = { main, list };
    // The copies and offsets shown and printed are those of the list row.
    d.printerSheet = ListSheet;
    d.rowsChoosePrinter = false;
    d.createsMissingRows = true;
    d.newRowPrinter = QString::number(PrinterService::instance().currentIndex());
    d.administrationPattern = QStringLiteral("EPAS*");
    d.administrationCommand = QStringLiteral("... Parameter einstellen");
    d.setupStoresOnlyWhenConfirmed = true;
    d.question = shell::FormQuestion::None;
    d.size = QSize(330, 170);
    d.printRun = [](shell::PrintWindow &window) { static_cast<TAtlasEPASPrintFrm &>(window).run(); };
    return d;
}

} // namespace

TAtlasEPASPrintFrm::TAtlasEPASPrintFrm(QWidget *parent)
    : shell::PrintWindow(epasDefinition(), parent)
{
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPointSize(font().pointSize());
    setFont(tahoma);
    EnsurePrintSettings();
}

TAtlasEPASPrintFrm::~TAtlasEPASPrintFrm() = default;

void TAtlasEPASPrintFrm::EnsurePrintSettings()
{
    const QString printer = QString::number(PrinterService::instance().currentIndex());
    for (const QString &row : { EpasMainRow, EpasListRow })
        shell::addMissingPrintRow(tbbenutz(), row, printer);
    // The list row is the one whose copies and offsets count.
    shell::findPrintRow(tbbenutz(), EpasListRow);
}

void TAtlasEPASPrintFrm::PrintEpas(int belegNr, QWidget *parent)
{
    TAtlasEPASPrintFrm window(parent);
    if (!window.loadDeclaration(belegNr)) {
        platform::dialogs().error(
            QStringLiteral("Die BelegNr konnte nicht gefunden werden!"), QStringLiteral("Fehler!"));
        return;
    }
    if (!window.PrepareEpasFields())
        return;
    window.setWindowTitle(QStringLiteral("Druck EPAS BelegNr.: ") + QString::number(belegNr));
    window.exec();
}

bool TAtlasEPASPrintFrm::loadDeclaration(int belegNr)
{
    return findDocument(belegNr) && Declaration.read(belegNr);
}

bool TAtlasEPASPrintFrm::PrepareEpasFields()
{
    using F = TEpasPrintFields;
    Fields = TEpasPrintFields();
    Fields.AfZst = F::cut(Declaration.field(QStringLiteral("AusfuhrZollstelle")), F::AfZstLength);
    Fields.Bewilligung = F::cut(Declaration.field(QStringLiteral("BewilligungsNummer")), F::BewilligungLength);
    Fields.OrtDatum = QStringLiteral(", ") + today();
    for (const char *party : { "ANM", "EXP", "VER", "SUB" }) {
        const QString prefix = QString::fromLatin1(party) + QLatin1Char('_');
        const QString clerk = Declaration.field(prefix + QStringLiteral("Bearbeiter"));
        if (clerk.trimmed().isEmpty())
            continue;
        Fields.Ansprechpartner1 = F::cut(Declaration.field(prefix + QStringLiteral("Stellung")), F::LineLength);
        Fields.Ansprechpartner2 = F::cut(clerk, F::LineLength);
        Fields.Ansprechpartner3 = F::cut(Declaration.field(prefix + QStringLiteral("Telefon")), F::LineLength);
        break;
    }
    return TEPAS_FelderFrm::EditEpasPrintFields(Fields, this);
}

QString TAtlasEPASPrintFrm::epasFace()
{
    // Arial Narrow counts as installed where the font printed for it is.
    static const QString face = [] {
        const QString narrow = QStringLiteral("Arial Narrow");
        return QFontDatabase::hasFamily(narrow) || QFontDatabase::hasFamily(platform::printFontFamily(narrow))
            ? narrow
            : QStringLiteral("Arial");
    }();
    return face;
}

void TAtlasEPASPrintFrm::SetEpasFont(PrintCanvas &canvas, bool data, int height)
{
    const platform::FontStyles style
        = data ? platform::fontStylesOf(shell::mainState().AusdruckFont) : platform::FontStyles();
    useFont(canvas, epasFace(), height != 0 ? height : (data ? DataHeight : LabelHeight), style);
    canvas.setBrushNone();
}

QString TAtlasEPASPrintFrm::PadLeftZeros(const QString &text, int width)
{
    QString padded = text;
    while (padded.size() < width)
        padded.prepend(QLatin1Char('0'));
    return padded;
}

void TAtlasEPASPrintFrm::caption(
    PrintCanvas &canvas, const PageOffsets &offsets, int x, int d, const QString &markup, int height)
{
    SetEpasFont(canvas, false, height);
    const QPoint at = offsets.toDevice(x, d);
    // Tabs are page positions: the canvas's x of page x 0 is -X.
    shell::PrintMarkupTextEx(markup, canvas, at.x(), at.y(), LineGap, -offsets.xoff);
}

EpasItemBlock TAtlasEPASPrintFrm::MeasureItemBlock(
    const PrintCanvas &canvas, int item, int top, bool *full, bool cutAtFoot) const
{
    const EpasItem &i = Declaration.items.at(item);
    EpasItemBlock b;
    b.lineHeight = canvas.textHeight(QStringLiteral("A"));
    b.top = top;
    b.packages = cell(canvas, i.packages.join(QLatin1Char('\n')), 1115 - 210);
    b.description = cell(canvas, i.description, 2020 - 1125);
    b.previousDocuments = cell(canvas, i.previousDocuments.join(QLatin1Char('\n')), 2020 - 1125);
    b.documents = cell(canvas, i.documents.join(QLatin1Char('\n')), 1115 - 210);
    b.containers = cell(canvas, i.containers.join(QLatin1Char('\n')), 1680 - 1125);
    b.note = cell(canvas, i.note, 1105 - 210);
    placeRows(b);
    if (cutAtFoot) {
        // One line at a time off the tallest cell until the block fits.
        while (b.bottom > ListFoot) {
            EpasItemBlock::Cell *tallest = nullptr;
            for (EpasItemBlock::Cell *c :
                { &b.description, &b.packages, &b.note, &b.previousDocuments, &b.documents, &b.containers }) {
                if (c->shown > 1 && (!tallest || c->shown > tallest->shown))
                    tallest = c;
            }
            if (!tallest)
                break;
            --tallest->shown;
            b.cut = true;
            placeRows(b);
        }
    }
    if (full)
        *full = b.bottom > ListFoot;
    return b;
}

QVector<QVector<int>> TAtlasEPASPrintFrm::paginate(const PrintCanvas &canvas) const
{
    QVector<QVector<int>> pages;
    int top = ListTop;
    for (int item = 0; item < Declaration.items.size(); ++item) {
        bool full = false;
        const EpasItemBlock block = MeasureItemBlock(canvas, item, top, &full);
        if (!pages.isEmpty() && !full) {
            pages.last().append(item);
            top = block.bottom;
            continue;
        }
        // A new page; an item that does not fit even there gets it alone.
        pages.append(QVector<int> { item });
        const EpasItemBlock fresh = MeasureItemBlock(canvas, item, ListTop, &full);
        top = full ? ListFoot + 1 : fresh.bottom;
    }
    return pages;
}

int TAtlasEPASPrintFrm::CountEpasForms(const PrintCanvas &canvas) const
{
    return 1 + std::max<int>(1, int(paginate(canvas).size()));
}

void TAtlasEPASPrintFrm::run()
{
    EnsurePrintSettings();
    const bool onRow = selectSheetRow(ListSheet);
    const int sets = onRow ? tbbenutz().fieldByName(QStringLiteral("Anzahl_Kopien")).asInteger() : 1;
    const PageOffsets base = currentRowOffsets(ListSheet);
    PageOffsets main = base;
    main.yoff += 20;
    main.xoff -= 10;
    PageOffsets list = base;
    list.yoff += 50;

    PrintCanvas &measuring = PrinterService::instance().canvas();
    SetEpasFont(measuring, true);
    const QVector<QVector<int>> pages = paginate(measuring);
    FormCount = 1 + std::max<int>(1, int(pages.size()));
    progressBar()->setRange(0, 3 * FormCount);
    int progress = 0;
    const auto advance = [&] { progressBar()->setValue(++progress); };
    for (int set = 0; set < sets; ++set) {
        for (int copy = 1; copy <= 3; ++copy) {
            drawPage(MainSheet, 1, copy, main, EpasJobTitle, false,
                [&](shell::SheetJob &job) { PrintEpasMainSheet(job.painter.canvas(), main, copy); });
            endJob();
            advance();
        }
        for (int page = 0; page < pages.size(); ++page) {
            for (int print = 1; print <= 3; ++print) {
                drawPage(ListSheet, page + 2, print, list, EpasJobTitle, false, [&](shell::SheetJob &job) {
                    PrintItemListPage(job.painter.canvas(), list, page + 2, pages.at(page));
                });
                endJob();
                advance();
            }
        }
    }
}

QString TAtlasEPASPrintFrm::mainSheetValue(const QString &name) const
{
    if (!name.startsWith(QLatin1Char('=')))
        return Declaration.field(name);
    const QString key = name.mid(1);
    const auto field = [this](const QString &f) { return Declaration.field(f); };
    if (key.endsWith(QStringLiteral("_PLZ_City"))) {
        const QString party = key.left(3);
        return (field(party + QStringLiteral("_PLZ")) + QLatin1Char(' ') + field(party + QStringLiteral("_City")))
            .trimmed();
    }
    if (key == QStringLiteral("Forms"))
        return QString::number(FormCount);
    if (key == QStringLiteral("Items"))
        return QString::number(Declaration.items.size());
    if (key == QStringLiteral("Box14")) {
        const QString representative = field(QStringLiteral("VER_TIN"));
        return representative.isEmpty() ? field(QStringLiteral("ANM_TIN"))
                                        : field(QStringLiteral("ANM_TIN")) + QStringLiteral(", ") + representative;
    }
    if (key == QStringLiteral("Route"))
        return Declaration.route.join(QLatin1Char(','));
    if (key == QStringLiteral("Containers")) {
        const bool any = std::any_of(Declaration.items.cbegin(), Declaration.items.cend(),
            [](const EpasItem &item) { return !item.containers.isEmpty(); });
        return any ? QStringLiteral("1") : QStringLiteral("0");
    }
    if (key == QStringLiteral("GeschArt1"))
        return field(QStringLiteral("GeschArt")).mid(0, 1);
    if (key == QStringLiteral("GeschArt2"))
        return field(QStringLiteral("GeschArt")).mid(1, 1);
    if (key == QStringLiteral("Warenort")) {
        const QString code = field(QStringLiteral("LadeOrt_Code"));
        if (!code.isEmpty())
            return code;
        return field(QStringLiteral("LadeOrt_Street")) + QLatin1Char(' ') + field(QStringLiteral("LadeOrt_Plz"))
            + QLatin1Char(' ') + field(QStringLiteral("LadeOrt_Ort"));
    }
    if (key == QStringLiteral("OrtDatum"))
        return Fields.OrtDatum;
    if (key == QStringLiteral("Ansprechpartner1"))
        return Fields.Ansprechpartner1;
    if (key == QStringLiteral("Ansprechpartner2"))
        return Fields.Ansprechpartner2;
    if (key == QStringLiteral("Ansprechpartner3"))
        return Fields.Ansprechpartner3;
    if (key == QStringLiteral("Ansprechpartner4"))
        return Fields.Ansprechpartner4;
    return {};
}

void TAtlasEPASPrintFrm::DrawCopyFrame(PrintCanvas &canvas, const PageOffsets &offsets, int copy)
{
    useFont(canvas, epasFace(), -40, Bold);
    text(canvas, offsets, 140, 40, QStringLiteral("EUROPÄISCHE GEMEINSCHAFT - EPAS"));
    sad::drawForm(canvas, offsets,
        { sad::frame(140, 97, 219, 1114, 4), sad::line(140, 175, 219, 175, 4), sad::line(140, 1032, 219, 1032, 4) });
    useFont(canvas, epasFace(), -50, Bold);
    const QString number = QString::number(copy);
    const int width = canvas.textWidth(number);
    const int height = canvas.textHeight(number);
    for (const int d : { 136, 1076 })
        text(canvas, offsets, 180 - width / 2, d - height / 2, number);
    // The note reads downwards along the strip, centred on it.
    const QString note = copyNotes().value(copy - 1);
    platform::CanvasFont rotatedFont = canvas.font();
    rotatedFont.height = -45;
    const int noteHeight = platform::CanvasFontMetrics(rotatedFont).cellHeight();
    const QPoint at = offsets.toDevice(180 + noteHeight / 2, 606);
    // Measured in the note's own face and size, the shift centres it on d 606.
    canvas.setFont(rotatedFont);
    sad::DrawRotatedBoldText(note, at.x(), at.y(), 270, -45, canvas);
    caption(canvas, offsets, 70, 2870,
        QStringLiteral("<b>033025</b>/") + number + QStringLiteral("  Einheitspapier Ausfuhr/Sicherheit <b>(2009)</b>"),
        -30);
}

void TAtlasEPASPrintFrm::DrawSpecialStamp(PrintCanvas &canvas, const PageOffsets &offsets)
{
    PageOffsets stamp = offsets;
    stamp.xoff -= 10;
    stamp.yoff -= 10;
    sad::drawForm(canvas, stamp,
        { sad::frame(1450, 30, 2000, 270, 6), sad::line(1450, 110, 2000, 110, 3), sad::line(1450, 190, 2000, 190, 3),
            sad::line(1575, 30, 1575, 110, 3), sad::line(1750, 110, 1750, 190, 3), sad::line(1785, 190, 1785, 270, 3),
            sad::centredOn(QStringLiteral("DE"), 1513, 70, 50), sad::centred(Fields.AfZst, 1575, 2000, 64, 35) });
    SetEpasFont(canvas, true, -35);
    canvas.setFontStyle(canvas.font().style | platform::FontStyle::Bold);
    centred(canvas, stamp, 1450, 1785, 210, Fields.Sonderstempel);
    useFont(canvas, QStringLiteral("Arial"), -25, Bold);
    centred(canvas, stamp, 1785, 2000, 210, Fields.Bewilligung);
}

void TAtlasEPASPrintFrm::emergencyBlock(PrintCanvas &canvas, const PageOffsets &offsets)
{
    useFont(canvas, QStringLiteral("Arial"), -30, Bold);
    text(canvas, offsets, 1550, 2150, QStringLiteral("ECS/AES NOTFALLVERFAHREN"));
    useFont(canvas, QStringLiteral("Arial"), -30, {});
    text(canvas, offsets, 1470, 2210, QStringLiteral("KEINE DATEN IM SYSTEM VERFÜGBAR"));
    const QString begun = QStringLiteral("Begonnen am ");
    const QString ticket = QStringLiteral("Ticket-Nr.: ");
    text(canvas, offsets, 1470, 2260, begun);
    text(canvas, offsets, 1470, 2300, QStringLiteral("(Datum/Uhrzeit)"));
    text(canvas, offsets, 1470, 2350, QStringLiteral("Ticket-Nr.:"));
    const shell::LayoutPainter painter(canvas, offsets, canvas.font());
    text(canvas, offsets, 1470 + canvas.textWidth(begun), 2260, sad::dotLeader(painter, begun, 590));
    text(canvas, offsets, 1470 + canvas.textWidth(ticket), 2350, sad::dotLeader(painter, ticket, 590));
    SetEpasFont(canvas, true);
    text(canvas, offsets, 1520 + canvas.textWidth(QStringLiteral("Begonnen am  ")), 2250, Fields.BegonnenAm);
    text(canvas, offsets, 1490 + canvas.textWidth(QStringLiteral("Ticket-Nr.:  ")), 2340, Fields.TicketNr);
}

void TAtlasEPASPrintFrm::PrintEpasMainSheet(PrintCanvas &canvas, const PageOffsets &offsets, int copy)
{
    PageNumber = 1;
    SetEpasFont(canvas, true);
    FormCount = CountEpasForms(canvas);
    DrawCopyFrame(canvas, offsets, copy);
    sad::drawForm(canvas, offsets, mainSheetRuling());
    for (const Caption &c : mainSheetCaptions())
        caption(canvas, offsets, c.x, c.d, c.markup, c.height);
    DrawSpecialStamp(canvas, offsets);
    SetEpasFont(canvas, true, -35);
    text(canvas, offsets, 1780, 120, today());

    SetEpasFont(canvas, true);
    platform::CanvasFont data = canvas.font();
    shell::LayoutPainter painter(canvas, offsets, data);
    painter.draw(mainSheetValues(), [this](const QString &name) { return mainSheetValue(name); });
    // The seals one per line, clipped to their box.
    canvas.setFont(data);
    const QPoint seals = offsets.toDevice(1155, 390);
    shell::DrawWrappedText(canvas, seals.x(), seals.y(), 2060 - 1155, Declaration.seals.join(QLatin1Char('\n')), 200);
    const QPoint goods = offsets.toDevice(230, 1155);
    shell::DrawWrappedText(
        canvas, goods.x(), goods.y(), 1220 - 230, QStringLiteral("- siehe Liste der Positionen -"), 1450 - 1155);
    emergencyBlock(canvas, offsets);
}

void TAtlasEPASPrintFrm::DrawItemListHeader(PrintCanvas &canvas, const PageOffsets &offsets, int page)
{
    useFont(canvas, epasFace(), -40, Bold);
    text(canvas, offsets, 200, 40, QStringLiteral("EUROPÄISCHE GEMEINSCHAFT"));
    text(canvas, offsets, 250, 150, QStringLiteral("EPAS - LISTE DER WARENPOSITION - AUSFUHR"));
    sad::drawForm(canvas, offsets, { sad::frame(200, 90, 1115, 260) });
    DrawSpecialStamp(canvas, offsets);
    SetEpasFont(canvas, true, -35);
    text(canvas, offsets, 1780, 120, today());
    sad::drawForm(canvas, offsets,
        { sad::frame(1325, 50, 2035, 260), sad::frame(1115, 175, 1270, 260), sad::line(1190, 220, 1190, 260) });
    caption(canvas, offsets, 1335, 60,
        boxCaption(QStringLiteral("A"), QStringLiteral("VERSENDUNGS-/AUSFUHRZOLLSTELLE"), 1355));
    caption(canvas, offsets, 1125, 185, QStringLiteral("Vordrucke (3)"));
    SetEpasFont(canvas, true);
    text(canvas, offsets, 1125, 215, QString::number(page));
    text(canvas, offsets, 1200, 215, QString::number(FormCount));

    sad::FormDrawing legend { sad::line(202, 260, 2033, 260, 4), sad::frame(202, 260, 328, 300, 4) };
    int above = 260;
    for (int row = 0; row < legendRows().size(); ++row) {
        const LegendRow &r = legendRows().at(row);
        if (row == 3)
            legend.append(sad::strokedLine(200, r.ruleBelow, 2035, r.ruleBelow, sad::Dashes));
        else
            legend.append(sad::line(200, r.ruleBelow, 2035, r.ruleBelow, row == 7 ? 4 : 1));
        for (const int x : r.dividers)
            legend.append(sad::line(x, above, x, r.ruleBelow));
        above = r.ruleBelow;
    }
    legend << sad::line(202, 260, 202, ListTop, 4) << sad::line(2033, 260, 2033, ListTop, 4);
    sad::drawForm(canvas, offsets, legend);
    for (const LegendRow &r : legendRows()) {
        for (const auto &[x, label] : r.texts) {
            const bool small = label.startsWith(QStringLiteral("15 ")) || label.startsWith(QStringLiteral("Bestimm"));
            caption(canvas, offsets, x, r.d, label, small ? -19 : LabelHeight);
        }
    }
    caption(canvas, offsets, 70, 2870,
        QStringLiteral("<b>033026</b>  Einheitspapier Ausfuhr/Sicherheit - Liste der Warenpositionen<b> (2009)</b>"),
        -30);
}

void TAtlasEPASPrintFrm::drawItemBlock(
    PrintCanvas &canvas, const PageOffsets &offsets, const EpasItem &item, const EpasItemBlock &b)
{
    const int h = b.lineHeight;
    const int t = b.top;
    SetEpasFont(canvas, true);
    text(canvas, offsets, 210, t + 5, item.pos);
    drawCell(canvas, offsets, 210, t + 50, b.packages, h);
    drawCell(canvas, offsets, 1125, t, b.description, h);
    text(canvas, offsets, 1125, b.r2 + 10, item.procedure);
    drawCell(canvas, offsets, 1125, b.r2 + 60, b.previousDocuments, h);
    drawCell(canvas, offsets, 210, b.r4 + 10, b.documents, h);
    drawCell(canvas, offsets, 1125, b.r4 + 10, b.containers, h);
    drawCell(canvas, offsets, 210, b.r5 + 10, b.note, h);
    text(canvas, offsets, 1125, b.r5 + 10, item.goodsNumber);
    const int r6 = b.r6;
    text(canvas, offsets, 1125, r6 + 10, item.bundesland);
    text(canvas, offsets, 1700, r6 + 10, item.rohmasse);
    text(canvas, offsets, 210, r6 + 60, item.menge);
    text(canvas, offsets, 1355, r6 + 60, item.wert);
    text(canvas, offsets, 1700, r6 + 60, item.eigenmasse);

    using sad::line;
    sad::FormDrawing rules { sad::frame(202, t, 328, t + 40, 4), line(200, b.r1 + 5, 2035, b.r1 + 5),
        line(200, b.r2 + 5, 2035, b.r2 + 5), line(200, b.r2 + 55, 2035, b.r2 + 55),
        sad::strokedLine(200, b.r4 + 5, 2035, b.r4 + 5, sad::Dashes), line(1690, b.r4 + 5, 1690, b.r5 + 5),
        line(200, b.r5 + 5, 2035, b.r5 + 5), line(200, r6 + 5, 2035, r6 + 5), line(200, r6 + 55, 2035, r6 + 55),
        line(202, r6 + 105, 2033, r6 + 105, 4) };
    for (const int x : { 605, 1345, 1520, 1690 })
        rules.append(line(x, r6 + 5, x, r6 + 55));
    for (const int x : { 1345, 1690 })
        rules.append(line(x, r6 + 55, x, r6 + 105));
    sad::drawForm(canvas, offsets, rules);
}

void TAtlasEPASPrintFrm::PrintItemListPage(
    PrintCanvas &canvas, const PageOffsets &offsets, int page, const QVector<int> &items)
{
    PageNumber = page;
    DrawItemListHeader(canvas, offsets, page);
    SetEpasFont(canvas, true);
    int top = ListTop;
    for (const int item : items) {
        // An item alone on its page that is taller than the page is cut at the foot.
        const EpasItemBlock block = MeasureItemBlock(canvas, item, top, nullptr, items.size() == 1);
        drawItemBlock(canvas, offsets, Declaration.items.at(item), block);
        top = block.bottom;
    }
    sad::drawForm(canvas, offsets,
        { sad::line(202, 260, 202, top, 4), sad::line(2033, 260, 2033, top, 4), sad::line(1115, 260, 1115, top) });
}

} // namespace atlas
