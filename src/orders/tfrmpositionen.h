#pragma once

#include "shell/entrywindow.h"

namespace orders {

class TfrmRegieAuftragsdaten;

// "Artikelpositionen": one goods position of the order (the register's
// tbArtikel): description, quantity, price and weights with their totals,
// and the customs data. Articles, goods numbers and package kinds are
// taken from the master data; closing posts the position.
class TfrmPositionen : public shell::EntryWindow
{
    Q_OBJECT
public:
    // orderNumberText: status panel 1 of the order window.
    TfrmPositionen(TfrmRegieAuftragsdaten &orderRegister, const QString &orderNumberText, QWidget *parent = nullptr);
    ~TfrmPositionen() override;

    // The three totals from quantity, price and unit weights.
    void computeTotals();
    // Leaving the unit net weight: the unit gross weight starts equal to it.
    void netWeightLeft();
    // Leaving the goods number: the one goods number it starts, or the one
    // chosen among several, with its official description.
    void goodsNumberLeft();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fieldLeft(const QString &name);
    TfrmRegieAuftragsdaten &m_orders;
};

extern TfrmPositionen *frmPositionen;

} // namespace orders
