#pragma once

#include "shell/entrywindow.h"
#include "shell/tmynav.h"

namespace shell {
class TWheelDBGrid;
}

namespace transport {

// The goods lines a shipper's declaration takes: the form has room for no more.
constexpr int ShippersLineLimit = 17;
inline const QString ShippersLineLimitMessage
    = QStringLiteral("Es finden nur 17 Positionen im Formular platz!\rBitte neues Formular anlegen!");

// The shipper's declaration as data: a picture of the form with the
// shipper and consignee take-over; the window runs no plausibility check.
shell::EntryWindowDefinition shipperEntryDefinition();

// "Shipper`s Declaration for Dangerous Goods": one declaration of the
// register with its goods lines in a grid under a navigator; at most 17
// lines, none in the template.
class TfrmShipper : public shell::EntryWindow
{
    Q_OBJECT
public:
    explicit TfrmShipper(shell::DocumentRegister &documentRegister, QWidget *parent = nullptr);

    // The navigator's commands after it acted: a new line (refused above 17
    // lines and in the template), the position dialog, renumbering after a
    // deletion.
    void navigatorClicked(shell::TMyNav::Button which);

    shell::TWheelDBGrid *DBGrid1 = nullptr;
    shell::TMyNav *dbv1 = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool formClose() override;

private:
    void buildGoodsLines();
    void addLine();
    void editLine();
};

} // namespace transport
