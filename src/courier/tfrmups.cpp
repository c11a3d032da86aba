#include "courier/tfrmups.h"
#include "platform/table.h"

#include "courier/formlayout.h"
#include "masterdata/entrypicks.h"
#include "shell/documentroutines.h"
#include "shell/mainstate.h"

namespace courier {

using masterdata::CustomerField;
using shell::EntryControl;

namespace {

enum Pick { SenderPick, RecipientPick };

EntryControl edit(const QString &field, const QString &hint)
{
    return EntryControl::edit(QStringLiteral("DBEdit") + field, field).hint(hint).scrollOnExit();
}

// Yes/no boxes hold "J" or "N"; navy while they have the focus, then the
// window's colour again.
EntryControl check(const QString &field, const QString &caption, const QString &hint)
{
    // "&" is no mnemonic here ("C & F").
    return EntryControl::checkBox(
        QStringLiteral("DBCheckBox") + field, field, QString(caption).replace(QLatin1Char('&'), QStringLiteral("&&")))
        .checkValues(QStringLiteral("J"), QStringLiteral("N"))
        .hint(hint)
        .focusColors(Qt::darkBlue)
        .leaveColors(shell::mainState().HinterGrundFarbe)
        .scrollOnExit();
}

// Customer number, tax or VAT number, name, phone, four address lines,
// postcode and state of the sender (U1_) or the recipient (U2_).
void party(FormColumn &column, int box, const QStringList &captions, const QStringList &hints, int pick)
{
    const QString prefix = QStringLiteral("U%1_").arg(box);
    for (int i = 0; i < 4; ++i)
        column.edit(edit(prefix + QString::number(i + 1), hints.at(i)), captions.at(i));
    column.caption(captions.at(4));
    for (int line = 5; line <= 8; ++line)
        column.line(edit(prefix + QString::number(line), hints.at(4)).pick(pick));
    column.edit(edit(prefix + QStringLiteral("9"), hints.at(5)).pick(pick), captions.at(5), 90);
    column.edit(edit(prefix + QStringLiteral("10"), hints.at(6)).pick(pick), QStringLiteral("Staat"));
}

// A pick button left of an edit.
QRect pickPlace(const shell::EntryWindowDefinition &definition, const QString &edit)
{
    for (const EntryControl &control : definition.controls) {
        if (control.name == edit)
            return QRect(control.geometry.x() - 28, control.geometry.y(), 24, 22);
    }
    return {};
}

} // namespace

shell::EntryWindowDefinition upsEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmups");
    d.caption = QStringLiteral("UPS - Frachtbrief");
    d.size = QSize(760, 545);
    d.closePostsParameter = true;
    // The waybill is put into edit state only when a customer was chosen.
    d.pickProtocol = shell::PickProtocol::PickEditPost;
    d.wheelScrollsFromAnywhere = true;
    d.printCaptionPrefix = QStringLiteral("Druck UPS - FRACHTBRIEF - Belegnummer: ");
    QFont heading(QStringLiteral("Arial"));
    heading.setPointSize(10);
    heading.setBold(true);

    FormColumn left(d, 8, 10, 362, 185);
    left.title(QStringLiteral("1 Versender"), heading, Qt::black, 22);
    party(left, 1,
        { QStringLiteral("Kundennumer des Versenders"), QStringLiteral("UST.-Ident-Nummer\ndes Versenders"),
            QStringLiteral("Name des Versenders"), QStringLiteral("Telefonnummer (sehr wichtig)"),
            QStringLiteral("Anschrift"), QStringLiteral("Postleitzahl (sehr wichtig)") },
        { QStringLiteral("Kunden-Nr. des Versenders"), QStringLiteral("UstId-Nr. des Versenders"),
            QStringLiteral("Name des Versenders"), QStringLiteral("Telfon-Nr. des Versenders (sehr Wichtig !!!)"),
            QStringLiteral("Anschrift des Versenders"), QStringLiteral("Postleitzahl des Versenders"),
            QStringLiteral("Staat des Versenders") },
        SenderPick);
    left.skip(8);
    left.title(QStringLiteral("2 Empfänger"), heading, Qt::black, 22);
    party(left, 2,
        { QStringLiteral("Kundennummer\ndes Empfängers"), QStringLiteral("Steuer / Zoll-Nr. etc.\ndes Empfänger"),
            QStringLiteral("Name der Kontaktperson"), QStringLiteral("Telefonnummer (sehr wichtig)"),
            QStringLiteral("Anschrift"), QStringLiteral("Postleitzahl (Sehr wichtig)") },
        { QStringLiteral("Kunden-Nr. des Empfängers"), QStringLiteral("Steuer / Zoll-Nr des Empfängers"),
            QStringLiteral("Name der Kontaktperson des Empfängers"),
            QStringLiteral("Telefon-Nr. des Empfängers (sehr Wichtig !!!)"), QStringLiteral("Anschrift des Empfängers"),
            QStringLiteral("Postleitzahl des Empfängers (sehr Wichtig !!!)"), QStringLiteral("Staat des Empfängers") },
        RecipientPick);
    left.skip(8);
    left.title(QStringLiteral("3 Zahlungsoptionen"), heading, Qt::black, 22);
    const QVector<QPair<int, QString>> payment = { { 1, QStringLiteral("Frei Haus") }, { 2, QStringLiteral("Unfrei") },
        { 4, QStringLiteral("Am EX, Euro/ Master Card oder Visa") }, { 5, QStringLiteral("F.O.B.") },
        { 6, QStringLiteral("C & F") }, { 7, QStringLiteral("Frei Haus Verzollt Ohne EUSt.") },
        { 8, QStringLiteral("Alle Zölle und Steuern zu Lasten des Versenders") } };
    const QVector<QString> paymentHints
        = { QStringLiteral("Zahlungsoptionen: Frei Haus"), QStringLiteral("Zahlungsoptionen: Unfrei"),
              QStringLiteral("Zahlungsoptionen: Am EX, EURO / Master Card oder Visa"),
              QStringLiteral("Zahlungsoptionen: F.O.B."), QStringLiteral("Zahlungsoptionen: C & F"),
              QStringLiteral("Zahlungsoptionen: Frei Haus Verzollt ohne EUSt."),
              QStringLiteral("Zahlungsoptionen: Alle Zölle und Steuern zu Lasten des Versenders") };
    left.sideBySide({ { check(QStringLiteral("U3_1"), payment.at(0).second, paymentHints.at(0)), QRect(0, 0, 110, 0) },
        { check(QStringLiteral("U3_2"), payment.at(1).second, paymentHints.at(1)), QRect(120, 0, 100, 0) },
        { check(QStringLiteral("U3_5"), payment.at(3).second, paymentHints.at(3)), QRect(230, 0, 70, 0) },
        { check(QStringLiteral("U3_6"), payment.at(4).second, paymentHints.at(4)), QRect(300, 0, 60, 0) } });
    for (int i : { 2, 5, 6 })
        left.check(check(QStringLiteral("U3_%1").arg(payment.at(i).first), payment.at(i).second, paymentHints.at(i)));
    left.edit(edit(QStringLiteral("U3_9"), QStringLiteral("Kreditkarten-Nr.")), QStringLiteral("Kreditkarten-Nr."));
    left.sideBySide(
        { { edit(QStringLiteral("U3_10"), QStringLiteral("Ablauf der Krditkarte (Monat)")), QRect(185, 0, 30, 0) },
            { edit(QStringLiteral("U3_11"), QStringLiteral("Ablauf der Kredikarte (Jahr)")), QRect(225, 0, 30, 0) } });
    d.labels.append(shell::EntryLabel::at(QStringLiteral("Ablaufdatum"), 0, left.x(), left.y() - 21));
    left.skip(8);
    left.title(QStringLiteral("4 Rechnungsstellung an Dritte"), heading, Qt::black, 22);
    left.edit(edit(QStringLiteral("U4_1"), QStringLiteral("Rechnungsstellung an Dritte: UPS-Kunden-Nr.")),
        QStringLiteral("UPS - Kundennummer"));
    left.edit(
        edit(QStringLiteral("U4_2"), QStringLiteral("Rechnungsstellung an Dritte: Staat")), QStringLiteral("Staat"));
    left.edit(edit(QStringLiteral("U4_3"), QStringLiteral("Rechnungsstellung an Dritte: Name der Firma")),
        QStringLiteral("Name der Firma"));

    FormColumn right(d, 380, 10, 350, 175);
    right.title(QStringLiteral("5 Service"), heading, Qt::black, 22);
    QFont service(QStringLiteral("Arial"));
    service.setPointSize(12);
    service.setBold(true);
    const QVector<QPair<QString, QString>> services = { { QStringLiteral("U5_1"), QStringLiteral("Express Plus") },
        { QStringLiteral("U5_2"), QStringLiteral("Express") },
        { QStringLiteral("U3_3"), QStringLiteral("Express Saver") },
        { QStringLiteral("U5_3"), QStringLiteral("Expedited") },
        { QStringLiteral("U5_4"), QStringLiteral("Standard") } };
    for (const auto &[field, caption] : services) {
        const QString hint = field == QLatin1String("U3_3") ? caption : QStringLiteral("Service: ") + caption;
        const int top = right.y();
        right.toggledCheck(check(field, QString(), hint), caption);
        d.labels.last().font = service;
        d.labels.last().geometry.setHeight(22);
        if (field == QLatin1String("U5_4")) {
            d.labels.append(shell::EntryLabel::at(
                QStringLiteral("Nur für Waren im freien Verkehr\nInnerhalb der EU"), 0, right.x() + 110, top, 200, 30)
                                .toggling(QStringLiteral("DBCheckBoxU5_4")));
        }
        right.skip(4);
    }
    right.skip(6);
    right.title(QStringLiteral("6 Sendungsdaten"), heading, Qt::black, 22);
    right.edit(edit(QStringLiteral("U6_1"), QStringLiteral("Anzahl Packstücke der Sendung")),
        QStringLiteral("Anzahl der Packstücke\nder Sendung"), 50);
    right.edit(edit(QStringLiteral("U6_2"), QStringLiteral("Gesamtgewicht der Sendung")),
        QStringLiteral("Tatsächliches Gesamt-\ngewicht der Sendung"), 80);
    right.toggledCheck(check(QStringLiteral("U6_3"), QString(), QStringLiteral("Express Envelope")),
        QStringLiteral("Express Envelope"));
    right.edit(edit(QStringLiteral("U6_4"), QStringLiteral("Gesamtes Volumengewicht der Sendung")),
        QStringLiteral("Gesamtes Volumen-\ngewicht der Sendung"), 80);
    // The declared value stands between "DM" and ",00".
    right.edit(edit(QStringLiteral("U6_5"), QStringLiteral("Haftungswert der Sendung")),
        QStringLiteral("Haftungswert der Sendung"), 110);
    d.controls.last().geometry.translate(26, 0);
    d.labels.append(shell::EntryLabel::at(QStringLiteral("DM"), 0, right.x() + right.labelWidth(), right.y() - 21));
    d.labels.append(
        shell::EntryLabel::at(QStringLiteral(",00"), 0, right.x() + right.labelWidth() + 140, right.y() - 21));
    right.edit(edit(QStringLiteral("U6_6"), QStringLiteral("Referenz-Nr (Angabe freigestellt)")),
        QStringLiteral("Referenz-Nr. 1 (Optional)"));
    right.edit(edit(QStringLiteral("U6_7"), QStringLiteral("Referenz-Nr (Angabe freigestellt)")),
        QStringLiteral("Referenz-Nr. 2 (Optional)"));
    right.edit(EntryControl::edit(QStringLiteral("DBEditU6_8"), QStringLiteral("U6_8")).scrollOnExit(),
        QStringLiteral("Beschreibung der Waren"));
    right.line(EntryControl::edit(QStringLiteral("DBEditU6_9"), QStringLiteral("U6_9")).scrollOnExit());
    right.toggledCheck(check(QStringLiteral("U6_10"), QString(), QStringLiteral("Sendung enthält nur Dokumente")),
        QStringLiteral("Nur Documente "));
    d.labels.append(shell::EntryLabel::at(QStringLiteral("Bitte Markieren wenn Sendung kein Handelswert enhält"), 0,
        right.x() + 10, right.y() - 4, 340, 18)
                        .toggling(QStringLiteral("DBCheckBoxU6_10")));
    right.skip(16);
    right.toggledCheck(check(QStringLiteral("U6_11"), QString(),
                           QStringLiteral("Waren unterliegen nicht dem freien Verkehr innerhalb der EU")),
        QStringLiteral("Waren unterliegen nicht dem Freien Verkehr innerhalb der EU"), 2);
    right.skip(6);
    right.title(QStringLiteral("7 Besondere Anweisungen"), heading, Qt::black, 22);
    // Saturday delivery: white on navy while focused, then blue text; leaving
    // it does not scroll.
    EntryControl saturday = EntryControl::checkBox(
        QStringLiteral("DBCheckBoxU7_1"), QStringLiteral("U7_1"), QStringLiteral("Samstagszustellung"))
                                .checkValues(QStringLiteral("J"), QStringLiteral("N"))
                                .hint(QStringLiteral("Samstagszustellung"))
                                .focusColors(Qt::darkBlue, Qt::white)
                                .leaveColors(shell::mainState().HinterGrundFarbe, Qt::blue);
    right.check(saturday, 200);
    right.edit(edit(QStringLiteral("U7_2"), QStringLiteral("Anzahl der Empfangsbestätigungen")),
        QStringLiteral("Anzahl der Empfangs-\nbestätigungen"), 50);
    right.caption(QStringLiteral("Besondere Anweisungen"));
    for (int line = 3; line <= 7; ++line)
        right.line(edit(QStringLiteral("U7_%1").arg(line), QStringLiteral("Besondere Anweisungen")));
    right.skip(6);
    right.title(QStringLiteral("8 Unterschrift"), heading, Qt::black, 22);
    d.labels.append(shell::EntryLabel::at(QStringLiteral("TT"), 0, right.x() + 172, right.y()));
    d.labels.append(shell::EntryLabel::at(QStringLiteral("MM"), 0, right.x() + 212, right.y()));
    d.labels.append(shell::EntryLabel::at(QStringLiteral("JJ"), 0, right.x() + 252, right.y()));
    right.skip(18);
    right.sideBySide({ { edit(QStringLiteral("U8_1"), QStringLiteral("Datum (Tag)")), QRect(170, 0, 30, 0) },
        { edit(QStringLiteral("U8_2"), QStringLiteral("Datum (Monat)")), QRect(210, 0, 30, 0) },
        { edit(QStringLiteral("U8_3"), QStringLiteral("Datum (Jahr)")), QRect(250, 0, 30, 0) } });
    d.labels.append(shell::EntryLabel::at(QStringLiteral("Datum"), 0, right.x(), right.y() - 21));
    right.edit(edit(QStringLiteral("U8_4"), QStringLiteral("Unterschrift des Versenders")),
        QStringLiteral("Unterschrift des Versenders"));

    // The pick buttons beside the address lines.
    const masterdata::CustomerFields sender = { { QStringLiteral("U1_4"), CustomerField::Telefon },
        { QStringLiteral("U1_5"), CustomerField::Name1 }, { QStringLiteral("U1_6"), CustomerField::Name2 },
        { QStringLiteral("U1_7"), CustomerField::Name3 }, { QStringLiteral("U1_8"), CustomerField::Strasse } };
    const masterdata::CustomerFields recipient = { { QStringLiteral("U2_4"), CustomerField::Telefon },
        { QStringLiteral("U2_5"), CustomerField::Name1 }, { QStringLiteral("U2_6"), CustomerField::Name2 },
        { QStringLiteral("U2_7"), CustomerField::Name3 }, { QStringLiteral("U2_8"), CustomerField::Strasse } };
    // Beside the first address line.
    d.picks = {
        masterdata::customerPick(QStringLiteral("SpeedButton1"), 0, pickPlace(d, QStringLiteral("DBEditU1_5")), sender,
            QStringLiteral("DBEditU2_1")),
        masterdata::customerPick(QStringLiteral("SpeedButton2"), 0, pickPlace(d, QStringLiteral("DBEditU2_5")),
            recipient, QStringLiteral("DBCheckBoxU5_1")),
    };
    return d;
}

Tfrmups::Tfrmups(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, upsEntryDefinition(), parent)
{
    shell::EditIfBrowsing(head());
}

} // namespace courier
