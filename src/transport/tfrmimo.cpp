#include "transport/tfrmimo.h"

#include "masterdata/entrypicks.h"
#include "shell/mainstate.h"

#include <QFont>

namespace transport {

using masterdata::CustomerField;
using shell::EntryControl;
using shell::EntryLabel;

namespace {

enum Pick { ConsigneePick, CarrierPick };

constexpr int Row = 24;
constexpr int EditHeight = 21;
constexpr int GoodsTop = 470; // goods line 1
constexpr int MassTop = GoodsTop + 13 * Row + 50; // mass line 1
constexpr int FootTop = MassTop + 5 * Row + 20;

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

// The packing groups' fields: the capitals belong to the stored names.
QString packingGroupField(int line)
{
    return (line == 2 || line >= 6) ? QStringLiteral("Verp%1").arg(line) : QStringLiteral("verp%1").arg(line);
}

int numberOf(const QVector<int> &first, const QVector<int> &more, int line)
{
    return line <= first.size() ? first.at(line - 1) : more.at(line - first.size() - 1);
}

const QString GoodsHints[] = {
    QStringLiteral("Markierung der Versandstücke, ID-Nr., amtl. Kennzeichen"),
    QStringLiteral("Anzahl und Art der Verpackung"),
    QStringLiteral("Inhalt (richtiger technischer Name)*"),
    QStringLiteral("Klasse / Unterklasse nach IMO"),
    QStringLiteral("UN-Nr."),
    QStringLiteral("Verpakungsgruppe"),
};

const QString MassHints[] = {
    QStringLiteral("Bruttomasse (kg) Nettomenge/ -masse**"),
    QStringLiteral("Merkblatt-Nr. für Unfallmaßnahmen"),
    QStringLiteral("Eigenschaften, Flammpunkt, Kontroll- und Notfalltemperatur**"),
};

QFont boldFont(const QFont &base)
{
    QFont font = base;
    font.setBold(true);
    return font;
}

} // namespace

QStringList imoGoodsLineControls(int line)
{
    static const QVector<int> marks = { 16, 20, 21, 22, 23, 24, 25, 26, 35, 36, 39, 120, 121 };
    static const QVector<int> counts = { 37, 38, 40, 41, 42, 43, 44, 45, 46, 47, 122, 123, 124 };
    static const QVector<int> packingGroups = { 96, 97, 98, 99, 100, 83, 84, 85, 86, 87, 134, 135, 136 };
    const int contents = line <= 10 ? 47 + line : 114 + line;
    const int classes = line <= 10 ? 57 + line : 117 + line;
    const int numbers = line <= 10 ? 67 + line : 120 + line;
    return { edit(numberOf(marks, {}, line)), edit(numberOf(counts, {}, line)), edit(contents), edit(classes),
        edit(numbers), edit(numberOf(packingGroups, {}, line)) };
}

QStringList imoMassLineControls(int line)
{
    return { edit(77 + line), edit(100 + line), edit(110 + line) };
}

shell::PlausibilityDefinition imoPlausibilityDefinition()
{
    shell::PlausibilityDefinition d;
    d.objectName = QStringLiteral("frmimo_Pl");
    d.boxes = {
        { edit(1), QStringLiteral("1 Versender") },
        { edit(27), QStringLiteral("2 Buchungsnummer(n)") },
        { edit(7), QStringLiteral("3 Empfänger") },
        { edit(12), QStringLiteral("4 Beförderer") },
        { edit(17), QStringLiteral("5 Name des Packers") },
        { edit(18), QStringLiteral("5 Datum des Packers") },
        { edit(6), QStringLiteral("6 Schiffsname") },
        { edit(14), QStringLiteral("6 Ladehafen") },
        { edit(15), QStringLiteral("8 Löschhafen") },
        { edit(88), QStringLiteral("10 Unterschrift des Versenders") },
        { edit(89), QStringLiteral("10 Ort ") },
        { edit(4), QStringLiteral("10 Datum des Versenders") },
    };
    d.rows = { 3, 3, 3, 3 };
    d.size = QSize(560, 200);
    d.correctCaption = QStringLiteral("&Korrigieren");
    d.closeCaption = QStringLiteral("&Schließen");
    d.escapeCorrects = true;
    return d;
}

shell::EntryWindowDefinition imoEntryDefinition()
{
    const shell::MainState &state = shell::mainState();
    const QFont labelFont = state.StammdatenAnzeigeFont;
    const QColor labelColor = state.StammdatenAnzeigeFontColor;
    const auto label = [&](const QString &text, int x, int y, int width = 0, int height = 0) {
        return EntryLabel::at(text, 0, x, y, width, height).withFont(labelFont, labelColor);
    };
    const auto boldLabel = [&](const QString &text, int x, int y, int width = 0, int height = 0) {
        return EntryLabel::at(text, 0, x, y, width, height).withFont(boldFont(labelFont), labelColor);
    };

    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmimo");
    d.caption = QStringLiteral("IMO-Erklärung für gefährliche Güter");
    d.size = QSize(840, 560);
    d.pages = { { QString(), FootTop + 360 } };
    d.wheelScrollsFromAnywhere = true;
    d.printCaptionPrefix = QStringLiteral("Druck IMO - Belegnummer: ");

    d.labels = {
        boldLabel(QStringLiteral("IMO-ERKLÄRUNG FÜR GEFÄHRLICHE GÜTER"), 10, 4).named(QStringLiteral("Label1")),
        label(QStringLiteral("1 Versender (Name und Anschrift)"), 10, 28),
        label(QStringLiteral("2 Buchungsnummer(n)"), 390, 28),
        label(QStringLiteral("3 Empfänger"), 10, 126),
        label(QStringLiteral("4 Beförderer"), 390, 126),
        boldLabel(QStringLiteral("CONTAINER-PACKZERTIFIKAT / FAHRZEUGBELADEERKLÄRUNG"), 390, 224),
        label(QStringLiteral("Container-Nr."), 390, 246),
        boldLabel(QStringLiteral("Erklärung"), 10, 224),
        label(QStringLiteral("Es wird erklärt, daß der Container/das Fahrzeug gemäß  Nr. 12.3.7 oder 17.7.7 "
                             "derAllgemeinen Einleitung zum IMDG-Code"),
            10, 244, 378, 34)
            .wrapping(),
        label(QStringLiteral("beladen wurde."), 10, 280),
        label(QStringLiteral("Ausfüllen für Sendungen in Containern oder Fahrzeugen"), 10, 298),
        label(QStringLiteral("5 Name/Funktion, Unternehmen/Organisation des Unterzeichners"), 390, 272),
        label(QStringLiteral("Ort und Datum"), 390, 318),
        label(QStringLiteral("Unterschrift im Auftrag des Packers"), 600, 318),
        label(QStringLiteral("6 Schiffsname und Nr. der Reise"), 10, 326),
        label(QStringLiteral("Ladehafen"), 215, 326),
        label(QStringLiteral("8 Löschhafen"), 10, 372),
        label(QStringLiteral("(Frei für Text, Anweisungen und sonstige Angaben)"), 390, 364),
        label(QStringLiteral("UN-Nr."), 10, GoodsTop - 34),
        label(QStringLiteral("Inhalt (richtiger technischer Name)*"), 75, GoodsTop - 34, 200, 32).wrapping(),
        label(QStringLiteral("Klasse / Unter-\nklasse nach IMO"), 280, GoodsTop - 34, 100, 32),
        label(QStringLiteral("Verpakungs-\ngruppe"), 380, GoodsTop - 34, 80, 32),
        label(QStringLiteral("Markierung der Versandstücke"), 465, GoodsTop - 34, 185, 32).wrapping(),
        label(QStringLiteral("Anzahl und Verp.-Art"), 655, GoodsTop - 34),
        label(QStringLiteral("Bruttomasse (kg)\nNettomenge/-masse**"), 10, MassTop - 34, 120, 32),
        label(QStringLiteral("Merkblatt-Nr. für\nUnfallmaßnahmen"), 135, MassTop - 34, 110, 32),
        label(QStringLiteral("Eigenschaften, Flammpunkt, Kontroll-\nund Notfalltemperatur**"), 250, MassTop - 34, 260,
            32),
        label(QStringLiteral("Güter angeliefert als"), 530, MassTop - 34),
        label(QStringLiteral("Art der Einheit (Container, Anhänger, Tank, Fahrzeug usw.)"), 530, MassTop + 60, 230, 32)
            .wrapping(),
        label(QStringLiteral("Zutreffendes Ankreuzen"), 530, MassTop + 120),
        label(QStringLiteral("*  Marken oder Handelsnamen allein sind nicht ausreichend.\n"
                             "   Gegebenenfalls sind hinzuzufügen: \"ABFALL\", \"MEERESSCHADSTOFF\",\n"
                             "   \"BEGRENZTE MENGE\" und die Angaben zum Flammpunkt.\n"
                             "** Nettomenge bzw. -masse bei Gütern der Klasse 1.\n"
                             "   Kontroll- und Notfalltemperatur nur, wenn vorgeschrieben."),
            10, FootTop, 500, 80)
            .named(QStringLiteral("Memo1")),
        label(QStringLiteral("Zusätzliche Angaben\n"
                             "Angaben nach IMDG-Code, Allgemeine Einleitung, 9.7.1/9.7.2, soweit für die\n"
                             "Sendung vorgeschrieben (z. B. Zulassungen, Bescheinigungen, Ausnahmen)."),
            10, FootTop + 86, 500, 50)
            .named(QStringLiteral("Memo2")),
        boldLabel(QStringLiteral("Erklärung\n"
                                 "Hiermit erkläre ich, daß der Inhalt dieser Sendung mit (den)\n"
                                 "vorstehend angegebenen richtigen technischen Benennung(en)\n"
                                 "vollständig und genau bezeichnet ist und die Güter in jeder\n"
                                 "Hinsicht richtig klassifiziert, verpackt, markiert und mit\n"
                                 "Aufschriften oder Zetteln versehen sind und sich in einem für\n"
                                 "die Beförderung auf See geeigneten Zustand befinden gemäß den\n"
                                 "internationalen und nationalen staatlichen Vorschriften."),
            10, FootTop + 144, 500, 136)
            .named(QStringLiteral("Memo3")),
        label(QStringLiteral("10 Name / Funktion, Unternehmen / Organisation des Unterzeichners"), 520, FootTop + 144,
            250, 32)
            .wrapping(),
        label(QStringLiteral("Ort"), 520, FootTop + 206),
        label(QStringLiteral("Datum"), 680, FootTop + 206),
        label(QStringLiteral("Unterschrift im Auftrag des Versenders"), 520, FootTop + 256),
    };

    QVector<EntryControl> &c = d.controls;
    const auto line = [&](int number, const QString &field, int x, int y, int width, const QString &hint) {
        c.append(EntryControl::edit(edit(number), field).at(0, x, y, width, EditHeight).hint(hint).scrollOnExit());
    };
    for (int i = 0; i < 3; ++i)
        line(1 + i, QStringLiteral("ab%1").arg(i + 1), 10, 46 + Row * i, 330,
            QStringLiteral("Versender (Name und Anschrift)"));
    for (int i = 0; i < 3; ++i)
        line(27 + i, QStringLiteral("buch%1").arg(i + 1), 390, 46 + Row * i, 330, QStringLiteral("Buchungs-Nummer(n)"));
    for (int i = 0; i < 3; ++i) {
        line(7 + i, QStringLiteral("em%1").arg(i + 1), 10, 144 + Row * i, 330, QStringLiteral("Empfänger"));
        c.last().pick(ConsigneePick);
    }
    const int carrierEdits[] = { 12, 13, 10 };
    for (int i = 0; i < 3; ++i) {
        line(
            carrierEdits[i], QStringLiteral("bef%1").arg(i + 1), 390, 144 + Row * i, 330, QStringLiteral("Beförderer"));
        c.last().pick(CarrierPick);
    }
    line(5, QStringLiteral("ContainerNr"), 480, 244, 240, QStringLiteral("Container-Nr."));
    line(17, QStringLiteral("packer"), 390, 290, 330,
        QStringLiteral("Name/Funktion, Unternehmen/Organisation des Unterzeichners"));
    line(18, QStringLiteral("ortdat"), 390, 336, 200, QStringLiteral("Ort und Datum"));
    line(6, QStringLiteral("schiff"), 10, 344, 180, QStringLiteral("Schiffsname und Nr. der Reise"));
    line(14, QStringLiteral("lade"), 215, 344, 160, QStringLiteral("Ladehafen"));
    line(15, QStringLiteral("hafen"), 10, 390, 250, QStringLiteral("Löschhafen"));
    line(116, QStringLiteral("text1"), 390, 382, 330, QStringLiteral("Anweisungen bzw. sonstige Angaben"));
    line(118, QStringLiteral("text2"), 390, 382 + Row, 330, QStringLiteral("Anweisungen bzw. sonstige Angaben"));

    // Goods lines: on the screen UN number, contents, class, packing group,
    // marks, number; in the tab order marks first.
    struct Column {
        int x;
        int width;
    };
    const Column marks { 465, 185 }, counts { 655, 150 }, contents { 75, 200 }, classes { 280, 95 }, numbers { 10, 60 },
        groups { 380, 80 };
    const Column goodsColumns[] = { marks, counts, contents, classes, numbers, groups };
    for (int l = 1; l <= 13; ++l) {
        const QStringList names = imoGoodsLineControls(l);
        const QString fields[]
            = { QStringLiteral("mark%1").arg(l), QStringLiteral("anz%1").arg(l), QStringLiteral("in%1").arg(l),
                  QStringLiteral("kl%1").arg(l), QStringLiteral("un%1").arg(l), packingGroupField(l) };
        const int y = GoodsTop + Row * (l - 1);
        for (int k = 0; k < 6; ++k) {
            c.append(EntryControl::edit(names.at(k), fields[k])
                         .at(0, goodsColumns[k].x, y, goodsColumns[k].width, EditHeight)
                         .hint(GoodsHints[k])
                         .scrollOnExit());
        }
    }
    const Column massColumns[] = { { 10, 120 }, { 135, 110 }, { 250, 270 } };
    for (int l = 1; l <= 5; ++l) {
        const QStringList names = imoMassLineControls(l);
        const QString fields[]
            = { QStringLiteral("brut%1").arg(l), QStringLiteral("Merk%1").arg(l), QStringLiteral("eig%1").arg(l) };
        const int y = MassTop + Row * (l - 1);
        for (int k = 0; k < 3; ++k) {
            c.append(EntryControl::edit(names.at(k), fields[k])
                         .at(0, massColumns[k].x, y, massColumns[k].width, EditHeight)
                         .hint(MassHints[k])
                         .scrollOnExit());
        }
    }
    const auto cross
        = [&](int number, const QString &field, const QString &caption, int x, int y, const QString &hint) {
              c.append(EntryControl::checkBox(QStringLiteral("DBCheckBox%1").arg(number), field, caption)
                           .at(0, x, y, 150, 20)
                           .checkValues(QStringLiteral("X"), QStringLiteral(" "))
                           .hint(hint)
                           .scrollOnExit());
          };
    cross(1, QStringLiteral("Stueck"), QStringLiteral("Stückgut"), 530, MassTop - 14,
        QStringLiteral("Güter angeliefert als Stückgut"));
    cross(2, QStringLiteral("Ladung"), QStringLiteral("Ladungseinheiten"), 530, MassTop + 8,
        QStringLiteral("Güter angeliefert als Ladungseinheiten"));
    cross(3, QStringLiteral("Bulk"), QStringLiteral("Bulkverpakungnen"), 530, MassTop + 30,
        QStringLiteral("Güter angeliefert als Bulkverpackungen"));
    cross(4, QStringLiteral("Offen"), QStringLiteral("offen"), 530, MassTop + 96,
        QStringLiteral("Güter angeliefert als offen"));
    cross(5, QStringLiteral("Zu"), QStringLiteral("geschlossen"), 640, MassTop + 96,
        QStringLiteral("Güter angeliefert als geschlossen"));
    line(88, QStringLiteral("name"), 520, FootTop + 180, 250,
        QStringLiteral("Name / Funktion, Unternehmen / Organisation des Unterzeichners"));
    line(89, QStringLiteral("ort"), 520, FootTop + 224, 150, QStringLiteral("Ort "));
    line(4, QStringLiteral("datum"), 680, FootTop + 224, 90, QStringLiteral("Datum"));

    const masterdata::CustomerFields consignee = { { QStringLiteral("em1"), CustomerField::Name1 },
        { QStringLiteral("em2"), CustomerField::Name2 }, { QStringLiteral("em3"), CustomerField::Name3 } };
    const masterdata::CustomerFields carrier = { { QStringLiteral("bef1"), CustomerField::Name1 },
        { QStringLiteral("bef2"), CustomerField::Name2 }, { QStringLiteral("bef3"), CustomerField::Name3 } };
    shell::EntryPick consigneePick
        = masterdata::customerPick(QStringLiteral("SpeedButton1"), 0, QRect(345, 144, 21, 69), consignee, edit(12));
    consigneePick.focusAfterCancel = edit(12);
    shell::EntryPick carrierPick
        = masterdata::customerPick(QStringLiteral("SpeedButton2"), 0, QRect(725, 144, 21, 69), carrier, edit(17));
    carrierPick.focusAfterCancel = edit(17);
    d.picks = { consigneePick, carrierPick };
    d.plausibility = imoPlausibilityDefinition();
    return d;
}

Tfrmimo::Tfrmimo(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, imoEntryDefinition(), parent)
{
}

} // namespace transport
