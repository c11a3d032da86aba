#include "courier/tfrmfedex.h"

#include "courier/formlayout.h"

#include <QFont>

namespace courier {

using shell::EntryControl;

namespace {

// Check boxes: navy with white text while they have the focus, then the
// button face with blue text.
const QColor ButtonFace(0xF0, 0xF0, 0xF0);

EntryControl edit(const QString &name, const QString &field, const QString &hint)
{
    return EntryControl::edit(name, field).hint(hint).scrollOnExit();
}

EntryControl check(const QString &name, const QString &field, const QString &caption, const QString &hint)
{
    return EntryControl::checkBox(name, field, caption)
        .hint(hint)
        .focusColors(Qt::darkBlue, Qt::white)
        .leaveColors(ButtonFace, Qt::blue)
        .scrollOnExit();
}

QFont boxFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(14);
    return font;
}

} // namespace

shell::EntryWindowDefinition fedExEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmFedex");
    d.caption = QStringLiteral("FedEx");
    d.size = QSize(820, 550);
    d.closePostsParameter = true;
    d.wheelScrollsFromAnywhere = true;
    d.printCaptionPrefix = QStringLiteral("Druck FedEx - Belegnummer: ");
    const QFont red = boxFont();
    const QColor box = Qt::red;

    // Left: date, sender, billing reference, service, packaging, special
    // handling, payment of transport and of duties.
    FormColumn left(d, 8, 10, 392, 192);
    left.edit(edit(QStringLiteral("DBEdit4"), QStringLiteral("Datum"), QStringLiteral("Versand-Datum")),
        QStringLiteral("Versanddatum"), 100);
    left.title(QStringLiteral("1 Absender"), red, box);
    left.edit(edit(QStringLiteral("DBEdit5"), QStringLiteral("F1_1"), QStringLiteral("FedEx-Kunden-Nr. des Absenders")),
        QStringLiteral("FedEx Kundennummer"));
    left.edit(edit(QStringLiteral("DBEdit6"), QStringLiteral("F1_2"),
                  QStringLiteral("Telefon-Nr. des Absenders (Wichtig!!!)")),
        QStringLiteral("Telefonnummer (sehr Wichtig)"));
    left.edit(edit(QStringLiteral("DBEdit7"), QStringLiteral("F1_3"), QStringLiteral("Von (Ihr Name)")),
        QStringLiteral("Von (Ihr Name) "));
    left.edit(edit(QStringLiteral("DBEdit1"), QStringLiteral("F1_4"), QStringLiteral("Von (Ihr Name)")),
        QStringLiteral("Firma"));
    const QString street = QStringLiteral("Straße und HausNr. (Bitte vollständig angeben)");
    left.caption(QStringLiteral("Straße und Hausnummer (vollständig anzugeben)"));
    left.line(edit(QStringLiteral("DBEdit2"), QStringLiteral("F1_6"), street));
    left.line(edit(QStringLiteral("DBEdit3"), QStringLiteral("F1_7"), street));
    left.edit(edit(QStringLiteral("DBEdit8"), QStringLiteral("F1_8"), QStringLiteral("Ort")), QStringLiteral("Ort"));
    left.edit(edit(QStringLiteral("DBEdit9"), QStringLiteral("F1_9"), QStringLiteral("Bundesland")),
        QStringLiteral("Bundesland"));
    left.edit(
        edit(QStringLiteral("DBEdit10"), QStringLiteral("F1_10"), QStringLiteral("Land")), QStringLiteral("Land"));
    left.edit(edit(QStringLiteral("DBEdit11"), QStringLiteral("F1_11"), QStringLiteral("Postleitzahl")),
        QStringLiteral("Postleitzahl"), 120);
    left.skip(6);
    left.title(QStringLiteral("2"), red, box);
    const QString reference = QStringLiteral("Internationale Rechnungshinweise des Absenders (Angabe freigestellt)");
    left.caption(reference, 34);
    left.line(edit(QStringLiteral("DBEdit12"), QStringLiteral("F2_1"), reference));
    left.skip(6);

    left.title(QStringLiteral("4"), red, box);
    left.caption(QStringLiteral("Versandart"));
    const QString other = QStringLiteral("Versandart - sonstige Versandart");
    left.sideBySide({
        { check(QStringLiteral("DBCheckBox1"), QStringLiteral("F4_1"), QStringLiteral("FedEx International Priority"),
              QStringLiteral("Versandart - FedEx International Priority")),
            QRect(0, 0, 220, 0) },
        { check(QStringLiteral("DBCheckBox2"), QStringLiteral("F4_2"), QString(), other), QRect(225, 0, 22, 0) },
        { edit(QStringLiteral("DBEdit13"), QStringLiteral("F4_3"), other).highlighting(QStringLiteral("DBCheckBox2")),
            QRect(250, 0, 120, 0) },
    });
    // The edit colours its check box but leaves the form where it is.
    d.controls.last().scrollsOnExit = false;
    left.check(check(QStringLiteral("DBCheckBox3"), QStringLiteral("F4_4"), QStringLiteral("FedEx International First"),
        QStringLiteral("Versandart - FedEx International First")));
    left.sideBySide({
        { check(QStringLiteral("DBCheckBox4"), QStringLiteral("F4_5"), QStringLiteral("FedEx Intl. Economy"),
              QStringLiteral("Versandart - FedEx Intl. Economy")),
            QRect(0, 0, 190, 0) },
        { check(QStringLiteral("DBCheckBox5"), QStringLiteral("F4_6"), QStringLiteral("Fedex intl. Priority Freight"),
              QStringLiteral("Versandart - FedEx intl. Priority Freight")),
            QRect(195, 0, 195, 0) },
    });
    left.skip(6);
    left.title(QStringLiteral("5"), red, box);
    left.caption(QStringLiteral("Verpackung"));
    left.sideBySide({
        { check(QStringLiteral("DBCheckBox6"), QStringLiteral("F5_1"), QStringLiteral("FedEx Letter/Envelope"),
              QStringLiteral("Verpackung - FedEx Letter/Envelope")),
            QRect(0, 0, 150, 0) },
        { check(QStringLiteral("DBCheckBox7"), QStringLiteral("F5_2"), QStringLiteral("FedEx Pak"),
              QStringLiteral("Verpackung - FedEx Pak")),
            QRect(155, 0, 85, 0) },
        { check(QStringLiteral("DBCheckBox8"), QStringLiteral("F5_3"), QStringLiteral("Andere Verpackung"),
              QStringLiteral("Verpackung - andere Verpackung")),
            QRect(245, 0, 147, 0) },
    });
    left.skip(6);
    left.title(QStringLiteral("6"), red, box);
    left.caption(QStringLiteral("Versandanweisung"));
    const QString otherInstruction = QStringLiteral("6 Versandanweisung - andere Versandanweisung");
    left.sideBySide({
        { check(QStringLiteral("DBCheckBox9"), QStringLiteral("F6_1"), QStringLiteral("Zur Abholung bereithalten"),
              QStringLiteral("6 Versandanweisung - Zur Abholung bereithalten")),
            QRect(0, 0, 220, 0) },
        { check(QStringLiteral("DBCheckBox10"), QStringLiteral("F6_2"), QString(), otherInstruction),
            QRect(225, 0, 22, 0) },
        { edit(QStringLiteral("DBEdit14"), QStringLiteral("F6_3"), otherInstruction)
                .highlighting(QStringLiteral("DBCheckBox10")),
            QRect(250, 0, 120, 0) },
    });
    d.controls.last().scrollsOnExit = false;
    left.check(check(QStringLiteral("DBCheckBox11"), QStringLiteral("F6_4"), QStringLiteral("Verzollungsagent"),
        QStringLiteral("6 Versandanweisung - Verzollungsagent")));
    left.sideBySide({
        { check(QStringLiteral("DBCheckBox12"), QStringLiteral("F6_5"), QStringLiteral("Auslieferung Werktags"),
              QStringLiteral("6 Versandanweiung - Auslieferung Werktags")),
            QRect(0, 0, 170, 0) },
        { check(QStringLiteral("DBCheckBox13"), QStringLiteral("F6_6"), QStringLiteral("Auslieferung Samstags"),
              QStringLiteral("6 Versandanweisung - Auslieferung Samstags")),
            QRect(175, 0, 170, 0) },
        { check(QStringLiteral("DBCheckBox14"), QStringLiteral("F6_7"), QString(), QString()), QRect(350, 0, 22, 0) },
    });
    left.check(check(QStringLiteral("DBCheckBox15"), QStringLiteral("F6_8"),
        QStringLiteral("Enthält die Sendsung Gefahrgut  Ja"), QStringLiteral("6 Versandanweisung - Gefahrgut")));
    const QString dryIce = QStringLiteral("6 Versandanweisung - Trockeneis in KG,G");
    left.sideBySide({
        { check(QStringLiteral("DBCheckBox16"), QStringLiteral("F6_9"), QStringLiteral("Trockeneis"),
              QStringLiteral("6 Versandanweisung - Trockeneis")),
            QRect(0, 0, 110, 0) },
        { edit(QStringLiteral("DBEdit15"), QStringLiteral("F6_10"), dryIce), QRect(115, 0, 60, 0) },
        { edit(QStringLiteral("DBEdit16"), QStringLiteral("F6_11"), dryIce), QRect(185, 0, 60, 0) },
    });
    d.labels.append(shell::EntryLabel::at(QStringLiteral(","), 0, left.x() + 177, left.y() - 22));
    d.labels.append(shell::EntryLabel::at(QStringLiteral("kg"), 0, left.x() + 250, left.y() - 21));
    left.check(
        check(QStringLiteral("DBCheckBox17"), QStringLiteral("F6_12"), QStringLiteral("Versand nur mit Luftfracht"),
            QStringLiteral("6 Versandanweisung - Vertsand nur mit Luftfracht")));
    left.skip(6);

    // Boxes 7 and 8 side by side.
    const int payTop = left.y();
    FormColumn pay(d, 8, payTop, 190, 0);
    pay.title(QStringLiteral("7"), red, box);
    pay.caption(QStringLiteral("Zahlungsmodus"));
    const QStringList payment = { QStringLiteral("Rechnung an Absender"), QStringLiteral("Rechnung an Empfänger"),
        QStringLiteral("Rechnung an Dritte"), QStringLiteral("Kreditkarte"), QStringLiteral("Bar / Scheck") };
    for (int i = 0; i < payment.size(); ++i) {
        pay.check(check(QStringLiteral("DBCheckBox%1").arg(18 + i), QStringLiteral("F7_%1").arg(i + 1), payment.at(i),
            QStringLiteral("7 Zahlungsmodus - ") + payment.at(i)));
    }
    pay.line(EntryControl::edit(QStringLiteral("DBEdit17"), QStringLiteral("F7_6")).scrollOnExit());
    pay.sideBySide({
        { EntryControl::edit(QStringLiteral("DBEdit18"), QStringLiteral("F7_7")).scrollOnExit(), QRect(0, 0, 90, 0) },
        { EntryControl::edit(QStringLiteral("DBEdit19"), QStringLiteral("F7_8")).scrollOnExit(), QRect(100, 0, 90, 0) },
    });
    FormColumn duties(d, 210, payTop, 190, 0);
    duties.title(QStringLiteral("8"), red, box);
    duties.caption(QStringLiteral("Zollabgaben und Steuern"));
    for (int i = 0; i < 3; ++i) {
        duties.check(check(QStringLiteral("DBCheckBox%1").arg(23 + i), QStringLiteral("F8_%1").arg(i + 1),
            payment.at(i), QStringLiteral("8 Zollangaben und Steuern - ") + payment.at(i)));
    }
    duties.line(EntryControl::edit(QStringLiteral("DBEdit20"), QStringLiteral("F8_4")).scrollOnExit());

    // Right: recipient, customs broker, shipment, tax number, signature.
    FormColumn right(d, 410, 10, 375, 192);
    right.title(QStringLiteral("3 Empfänger"), red, box);
    right.edit(edit(QStringLiteral("DBEdit21"), QStringLiteral("F3_1"), QStringLiteral("An (Name des Empfängers)")),
        QStringLiteral("An (Name des Empfängers)"));
    right.edit(edit(QStringLiteral("DBEdit22"), QStringLiteral("F3_2"),
                   QStringLiteral("Telefon-Nr. des Empfängers (Sehr Wichtig!!!)")),
        QStringLiteral("Telefonnummer (Sehr Wichtig)"));
    right.edit(
        edit(QStringLiteral("DBEdit23"), QStringLiteral("F3_3"), QStringLiteral("Firma, Abteilung bzw. Stockwerk")),
        QStringLiteral("Firma\nAbteilung / Stockwerk"));
    const QString recipientStreet = QStringLiteral("Straße und Haus-Nr. (Bitte vollständig angeben)");
    right.caption(QStringLiteral("Straße und Hausnummer (vollständig anzugeben)"));
    right.line(edit(QStringLiteral("DBEdit24"), QStringLiteral("F3_5"), recipientStreet));
    right.line(edit(QStringLiteral("DBEdit25"), QStringLiteral("F3_6"), recipientStreet));
    right.edit(edit(QStringLiteral("DBEdit26"), QStringLiteral("F3_7"), QStringLiteral("Ort")), QStringLiteral("Ort"));
    right.edit(edit(QStringLiteral("DBEdit27"), QStringLiteral("F3_8"), QStringLiteral("Bundesland")),
        QStringLiteral("Bundesland"));
    right.edit(
        edit(QStringLiteral("DBEdit28"), QStringLiteral("F3_9"), QStringLiteral("Land")), QStringLiteral("Land"));
    right.edit(edit(QStringLiteral("DBEdit29"), QStringLiteral("F3_10"), QStringLiteral("Postleitzahl")),
        QStringLiteral("Postleitzahl"), 120);
    right.skip(6);
    right.title(QStringLiteral("B"), red, box);
    right.edit(edit(QStringLiteral("DBEdit30"), QStringLiteral("B1"), QStringLiteral("Name des Verzollungsagenten")),
        QStringLiteral("Name des Verzollungsagenten"));
    right.edit(edit(QStringLiteral("DBEdit31"), QStringLiteral("B2"), QStringLiteral("Telefon-Nr. (sehr Wichtig!!!)")),
        QStringLiteral("Telefonnummer (sehr Wichtig)"));
    right.edit(edit(QStringLiteral("DBEdit32"), QStringLiteral("B3"), QStringLiteral("Ort / Land")),
        QStringLiteral("Ort / Land"));
    right.edit(edit(QStringLiteral("DBEdit33"), QStringLiteral("B4"), QStringLiteral("Postleitzahl")),
        QStringLiteral("Postleitzahl"), 120);
    right.skip(6);
    right.title(QStringLiteral("9"), red, box);
    right.caption(QStringLiteral("Sendungsinformationen"));
    right.edit(edit(QStringLiteral("DBEdit34"), QStringLiteral("F9_1"),
                   QStringLiteral("9 Sendungsinformationen - Anzahl der Frachtstücke")),
        QStringLiteral("Anzahl der Frachtstücke\nAbsender verladen und zählen"), 90);
    right.edit(edit(QStringLiteral("DBEdit35"), QStringLiteral("F9_2"),
                   QStringLiteral("9 Sendungsinformationen - Gesamtgewicht ")),
        QStringLiteral("Gesamttgewicht (Ein Feld\nmarkieren und eintragen."), 70);
    right.check(check(QStringLiteral("DBCheckBox26"), QStringLiteral("F9_3"), QStringLiteral("lbs. / kgs."),
        QStringLiteral("9 Sendunghsinformationen - Gesamtgewicht in lbs/kgs")));
    right.edit(edit(QStringLiteral("DBEdit36"), QStringLiteral("F9_4"),
                   QStringLiteral("9 Sendungsinformationen - Ursprungsland")),
        QStringLiteral("Ursprungsland"), 50);
    right.edit(edit(QStringLiteral("DBEdit37"), QStringLiteral("F9_5"), QStringLiteral("Währung für die Wertangabe")),
        QStringLiteral("Währung für Wert-\nangabe eingeben"), 90);
    right.edit(
        edit(QStringLiteral("DBEdit38"), QStringLiteral("F9_6"), QStringLiteral("Gesamter Transportversicherungswert")),
        QStringLiteral("Gesamter Transport-\nversicherungswert"), 130);
    right.edit(edit(QStringLiteral("DBEdit39"), QStringLiteral("F9_7"), QStringLiteral("Gesamter Zollwert")),
        QStringLiteral("Gesamter Zollwert"), 130);
    const QString contents = QStringLiteral("Vollständige Beschreibung des Inhaltes");
    right.caption(contents);
    right.line(edit(QStringLiteral("DBEdit40"), QStringLiteral("F9_8"), contents));
    right.line(edit(QStringLiteral("DBEdit41"), QStringLiteral("F9_9"), contents));
    right.check(check(QStringLiteral("DBCheckBox27"), QStringLiteral("F9_10"),
        QStringLiteral("Bitte hier ankreuzen und Rechnung beilegen falls sich \ndie Waren nicht im freien Verkehr "
                       "befinden"),
        QStringLiteral("Bitte hier ankreuzen und Rechnung beilegen falls sich die Waren nicht im freien Verkehr "
                       "befinden")));
    d.controls.last().geometry.setHeight(34);
    right.skip(14);
    right.caption(QStringLiteral("Steuernummer des Empfngers für Zollzwecke"));
    right.line(edit(QStringLiteral("DBEdit42"), QStringLiteral("F10_11"),
        QStringLiteral("Steuer-Nr. des Empfängers für Zollzwecke")));
    right.skip(6);
    right.title(QStringLiteral("10"), red, box);
    right.edit(edit(QStringLiteral("DBEdit43"), QStringLiteral("F10_1"),
                   QStringLiteral("Unterschrift des Abenders (erforderlich)")),
        QStringLiteral("UnterSchrift des Absenders\n(Erforderlich)"));
    return d;
}

TfrmFedex::TfrmFedex(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, fedExEntryDefinition(), parent)
{
}

} // namespace courier
