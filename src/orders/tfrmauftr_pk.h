#pragma once

#include "shell/entrywindow.h"

namespace orders {

class TfrmRegieAuftragsdaten;

// "Packstücke": one package of the order (the register's tbPack): its kind
// with description and size from the package kinds, the volume computed
// from the size, count and weights. Closing posts the package.
class TfrmAuftr_pk : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmAuftr_pk(TfrmRegieAuftragsdaten &orderRegister, QWidget *parent = nullptr);
    ~TfrmAuftr_pk() override;

    // M3 from length, width and height.
    void computeVolume();
    // Leaving the package kind: the one kind it starts, or the one chosen
    // among several, with its description and size.
    void packageKindLeft();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    TfrmRegieAuftragsdaten &m_orders;
};

extern TfrmAuftr_pk *frmAuftr_pk;

} // namespace orders
