#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace platform {
class DataEdit;
class DataRadioGroup;
class Table;
}

namespace orders {

// "Eingabe für Summen-Berechnung": the kind, text and amount of one sum
// line (the register's tbTexte, in edit or insert state). The caller posts
// the line on OK and cancels it otherwise. The kind decides what is asked
// for: computed lines a text, surcharges and discounts a text and an
// amount, rules nothing.
class TfrmTexte_e : public QDialog
{
    Q_OBJECT
public:
    TfrmTexte_e(platform::Table &sumLines, QWidget *parent = nullptr);
    ~TfrmTexte_e() override;

    // "OK": refused while the amount of a surcharge or discount is no number.
    void okClicked();
    // Shows the edits and sets the values the kind asks for.
    void kindChosen();

    platform::DataRadioGroup *RadioGroup1;
    QLabel *lblText;
    platform::DataEdit *DBEditText;
    QLabel *lblBetrag;
    platform::DataEdit *DBEditBetrag;
    QPushButton *BitBtnOK;
    QPushButton *BitBtnAbbruch;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    bool amountIsNumber() const;

    platform::Table &m_lines;
    bool m_applying = false;
};

extern TfrmTexte_e *frmTexte_e;

inline const QString AmountNotNumber = QStringLiteral("Bitte Gleitkomma-zahlenwert eingeben in Feld -Betrag-!");

} // namespace orders
