#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;

namespace atlas {

// The entries of the emergency-procedure print that the declaration does not
// hold. Every field keeps at most its length; set() cuts longer input.
struct TEpasPrintFields {
    static constexpr int AfZstLength = 10;
    static constexpr int BewilligungLength = 17;
    static constexpr int LineLength = 35; // OrtDatum, Ansprechpartner1 .. 4
    static constexpr int ShortLength = 20; // BegonnenAm, TicketNr, Sonderstempel

    QString AfZst;
    QString Bewilligung;
    QString OrtDatum;
    QString Ansprechpartner1;
    QString Ansprechpartner2;
    QString Ansprechpartner3;
    QString Ansprechpartner4;
    QString BegonnenAm;
    QString TicketNr;
    QString Sonderstempel;

    // The text cut to the length.
    static QString cut(const QString &text, int length) { return text.left(length); }
    bool operator==(const TEpasPrintFields &other) const = default;
};

// "Druck EPAS-Ausfuhr/Sicherheit": place and date and contact of box 54, the
// start and ticket of the emergency procedure and the special stamp's text.
class TEPAS_FelderFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TEPAS_FelderFrm(QWidget *parent = nullptr);

    // Fills the edits and the stamp's labels from the record.
    void load(const TEpasPrintFields &fields);
    // Copies the edits back into the record, each cut to its field's length.
    void store(TEpasPrintFields &fields) const;

    // Shows the dialog modally with the record; on OK the record takes the
    // edits, on Abbrechen it stays as it was. True on OK.
    static bool EditEpasPrintFields(TEpasPrintFields &fields, QWidget *parent = nullptr);

    QLineEdit *Edit1; // Ort und Datum
    QLineEdit *Edit2; // Ansprechpartner, four lines
    QLineEdit *Edit3;
    QLineEdit *Edit4;
    QLineEdit *Edit5;
    QLineEdit *Edit6; // begonnen am
    QLineEdit *Edit7; // Ticketnummer
    QLineEdit *Edit8; // Sonderstempel
    QLabel *Label7; // office of export
    QLabel *Label8; // today's date
    QLabel *Label9; // authorisation number
    QPushButton *BtnOK;
    QPushButton *BtnAbbrechen;
};

} // namespace atlas
