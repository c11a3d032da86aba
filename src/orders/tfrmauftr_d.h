#pragma once

#include "shell/printwindow.h"

class QCheckBox;

namespace orders {

// The documents the order print offers, in the order of "Auswahl".
enum OrderDocument { Invoice, OrderConfirmation, DeliveryNote, CreditNote };

// "Auftrag - DRUCK": prints one order on blank paper as invoice, order
// confirmation, delivery note or credit note, in the order's language, with
// the company's letterhead, logo and footer. The rows decide the page breaks;
// every page is a job of its own and repeats the whole frame.
class TfrmAuftr_d : public shell::PrintWindow
{
    Q_OBJECT
public:
    explicit TfrmAuftr_d(QWidget *parent = nullptr);
    ~TfrmAuftr_d() override;

    // "Stat.-Warennummer und Ursp.-Land andrucken"
    QCheckBox *CheckBox1 = nullptr;

    struct Run;

private:
    TfrmAuftr_d(std::shared_ptr<Run> run, QWidget *parent);
    std::shared_ptr<Run> m_run;
};

} // namespace orders
