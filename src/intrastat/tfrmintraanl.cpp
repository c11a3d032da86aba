#include "intrastat/tfrmintraanl.h"

#include "intrastat/intrastatpicks.h"
#include "intrastat/tfrmintra.h"
#include "intrastat/tfrmregieintrastat.h"
#include "platform/datacombobox.h"
#include "platform/dataedit.h"
#include "platform/field.h"
#include "platform/fielddatalink.h"
#include "platform/reportedcall.h"
#include "platform/table.h"
#include "shell/mainstate.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLabel>
#include <QScrollArea>

namespace intrastat {

using shell::EntryControl;
using shell::EntryLabel;

namespace {

constexpr int EditHeight = 21;
constexpr int Line = 22;

QString edit(int number)
{
    return QStringLiteral("DBEdit%1").arg(number);
}

// The port's box text as the form writes it.
QString portHint(bool isDispatch)
{
    return (isDispatch ? QStringLiteral("12 Einladehafen") : QStringLiteral("12 Entladehafen"))
        + QStringLiteral(" - (hier besteht eine Übernahmhemöglichkeit)");
}

EntryLabel star(int x, int y)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setBold(true);
    return EntryLabel::at(QStringLiteral("*"), 0, x, y).withFont(font, Qt::red);
}

} // namespace

shell::EntryWindowDefinition intraPositionDefinition(bool isDispatch)
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("frmIntraAnl");
    d.caption = QStringLiteral("Intrastat - Positionen");
    d.size = QSize(670, 470);
    d.fixedFieldList = false;

    QFont footnote(QStringLiteral("MS Sans Serif"));
    footnote.setBold(true);
    d.labels = {
        EntryLabel::at(QStringLiteral("7 Positionsnr."), 0, 10, 8),
        EntryLabel::at(QStringLiteral("6 Warenbezeichnung"), 0, 100, 8),
        EntryLabel::at(
            isDispatch ? QStringLiteral("8 Best.-Land/Urspr.-Reg.") : QStringLiteral("8 Vers.-Land/Best.-Reg."), 0, 400,
            8)
            .named(QStringLiteral("Label8")),
        EntryLabel::at(QStringLiteral("9 L.-bed."), 0, 560, 8),
        EntryLabel::at(QStringLiteral("10 Art"), 0, 400, 56),
        EntryLabel::at(QStringLiteral("11 V"), 0, 470, 56),
        star(500, 56),
        EntryLabel::at(isDispatch ? QStringLiteral("12 Einladehafen") : QStringLiteral("12 Entladehafen"), 0, 520, 56)
            .named(QStringLiteral("Label12")),
        star(628, 56),
        EntryLabel::at(QStringLiteral("Verbundenheit der Unternehmen"), 0, 400, 104),
        star(605, 104),
        EntryLabel::at(QStringLiteral("13 Warennummer"), 0, 400, 152),
        EntryLabel::at(QStringLiteral("14 Urspr.-L"), 0, 510, 152).named(QStringLiteral("Label14")),
        EntryLabel::at(QStringLiteral("16 Eigenmasse in kg"), 0, 100, 290),
        EntryLabel::at(QStringLiteral("17 Besondere Maßeinheit"), 0, 340, 290),
        EntryLabel::at(QStringLiteral("18 Rechnungsbeitrag in vollen EUR"), 0, 100, 340),
        EntryLabel::at(QStringLiteral("19 Stat. Wert in vollen EUR"), 0, 340, 340),
        EntryLabel::at(QStringLiteral("* Nur bei Dateimeldung notwendig"), 0, 100, 395).withFont(footnote, Qt::red),
    };

    const QString country = isDispatch ? QStringLiteral("8 Bestimmungsland") : QStringLiteral("8 Versendungsland");
    const QString region = isDispatch ? QStringLiteral("8 Ursprungsregion") : QStringLiteral("8 Bestimmungsregion");
    const QString port = isDispatch ? QStringLiteral("12 Einladehafen") : QStringLiteral("12 Entladehafen");
    QVector<EntryControl> &c = d.controls;
    c.append(EntryControl::edit(edit(7), QStringLiteral("pos")).at(0, 10, 26, 40, EditHeight));
    const int descriptionEdits[] = { 1, 2, 3, 4, 5, 6, 20, 21, 22, 23, 24 };
    for (int i = 0; i < 11; ++i) {
        c.append(EntryControl::edit(edit(descriptionEdits[i]), QStringLiteral("INT6_%1").arg(i + 1))
                     .at(0, 100, 26 + Line * i, 260, EditHeight)
                     .hint((QStringLiteral("6 Warenbezeichnung")))
                     .pick(0));
    }
    c.append(
        EntryControl::edit(edit(8), QStringLiteral("INT8_1")).at(0, 400, 26, 40, EditHeight).hint((country)).pick(1));
    c.append(
        EntryControl::edit(edit(9), QStringLiteral("INT8_2")).at(0, 470, 26, 30, EditHeight).hint((region)).pick(2));
    c.append(EntryControl::edit(edit(10), QStringLiteral("INT10_1"))
                 .at(0, 400, 74, 30, EditHeight)
                 .hint((QStringLiteral("10 Art des Geschäfts")))
                 .pick(3));
    c.append(EntryControl::edit(edit(11), QStringLiteral("INT11_1"))
                 .at(0, 470, 74, 20, EditHeight)
                 .hint((QStringLiteral("11 Verkehrszweig")))
                 .pick(4));
    c.append(EntryControl::edit(edit(12), QStringLiteral("INT12_1")).at(0, 520, 74, 60, EditHeight).hint(port).pick(5));
    c.append(EntryControl::edit(edit(13), QStringLiteral("INT13_1"))
                 .at(0, 400, 170, 90, EditHeight)
                 .hint(QStringLiteral("13 Statistische Warennummer")));
    c.append(EntryControl::edit(edit(14), QStringLiteral("int14_1"))
                 .at(0, 510, 170, 40, EditHeight)
                 .hint((QStringLiteral("14 Ursprungsland")))
                 .pick(6));
    c.append(EntryControl::edit(edit(15), QStringLiteral("INT15_1"))
                 .at(0, 580, 170, 50, EditHeight)
                 .hint(QStringLiteral("15 Statistisches Verfahren") + shell::PickHintSuffix));
    c.append(EntryControl::edit(edit(16), QStringLiteral("INT16_1"))
                 .at(0, 100, 308, 120, EditHeight)
                 .hint(QStringLiteral("16 Eigenmasse in Kg")));
    c.append(EntryControl::edit(edit(17), QStringLiteral("INT17_1"))
                 .at(0, 340, 308, 120, EditHeight)
                 .hint(QStringLiteral("17 Besondere Maßeinheit")));
    c.append(EntryControl::edit(edit(18), QStringLiteral("INT18_1"))
                 .at(0, 100, 358, 120, EditHeight)
                 .hint(QStringLiteral("18 Rechnungsbetrag")));
    c.append(EntryControl::edit(edit(19), QStringLiteral("INT19_1"))
                 .at(0, 340, 358, 120, EditHeight)
                 .hint(QStringLiteral("19 Statistischer Wert")));

    d.picks = {
        goodsNumberPick(QStringLiteral("SpeedButton1"), QRect(365, 26, 21, 21), edit(8)),
        selectionPick(QStringLiteral("SpeedButton2"), QRect(444, 26, 21, 21), QStringLiteral("TfrmLnder_e"),
            QStringLiteral("int8_1"), QStringLiteral("Lkz"), QStringLiteral("Lkz"), edit(9), QStringLiteral("Bez")),
        selectionPick(QStringLiteral("SpeedButton3"), QRect(504, 26, 21, 21), QStringLiteral("TfrmLnderbrd_e"),
            QStringLiteral("int8_2"), QStringLiteral("Ulandi"), QStringLiteral("Ulandi"), edit(10)),
        selectionPick(QStringLiteral("SpeedButton4"), QRect(434, 74, 21, 21), QStringLiteral("TfrmGesch_e"),
            QStringLiteral("int10_1"), QStringLiteral("Geart"), QStringLiteral("Geart"), edit(11)),
        selectionPick(QStringLiteral("SpeedButton5"), QRect(494, 74, 21, 21), QStringLiteral("TfrmVerzw_e"),
            QStringLiteral("int11_1"), QStringLiteral("Vkzweig"), QStringLiteral("Vkzweig"), edit(12)),
        selectionPick(QStringLiteral("SpeedButton6"), QRect(584, 74, 21, 21), QStringLiteral("TfrmHafen_e"),
            QStringLiteral("int12_1"), QStringLiteral("Nummer"), QStringLiteral("Nummer"), edit(13)),
        selectionPick(QStringLiteral("SpeedButton7"), QRect(554, 170, 21, 21), QStringLiteral("TfrmLnder_e"),
            QStringLiteral("int14_1"), QStringLiteral("Lkz"), QStringLiteral("Lkz"), QString(), QStringLiteral("Bez")),
    };
    d.plausibility = intraPositionPlausibility();
    return d;
}

TfrmIntraAnl::TfrmIntraAnl(TfrmIntra &headWindow, QWidget *parent)
    : shell::EntryWindow(headWindow.intrastatRegister(),
        intraPositionDefinition(headWindow.intrastatRegister().IsDispatch()), parent,
        headWindow.intrastatRegister().positions())
    , m_dispatch(headWindow.intrastatRegister().IsDispatch())
{
    mnuDrucken->setVisible(false);
    const bool dispatch = m_dispatch;

    // The position number is shown, never typed.
    auto *number = static_cast<platform::DataEdit *>(control(edit(7)));
    number->dataLink()->setReadOnly(true);
    number->setFocusPolicy(Qt::NoFocus);

    // Box 15 is filled only by the generators.
    control(edit(15))->hide();
    // Box 14, the country of origin, belongs to arrivals.
    control(edit(14))->setVisible(!dispatch);
    pickButton(6)->setVisible(!dispatch);
    label(QStringLiteral("Label14"))->setVisible(!dispatch);

    QWidget *surface = scrollBox(0)->widget();
    DBComboBox1 = new platform::DataComboBox(surface);
    DBComboBox1->setObjectName(QStringLiteral("DBComboBox1"));
    DBComboBox1->addItems({ QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
        QStringLiteral("5"), QStringLiteral("6") });
    DBComboBox1->bind(&head(), QStringLiteral("Int20_1"));
    DBComboBox1->setFont(shell::mainState().EingabeFelderFont);
    DBComboBox1->setGeometry(400, 122, 50, EditHeight);
    QWidget::setTabOrder(control(edit(12)), DBComboBox1);
    QWidget::setTabOrder(DBComboBox1, control(edit(13)));

    setNumberText(headWindow.statusText(1) + QStringLiteral(" (") + head().fieldByName(QStringLiteral("Pos")).asString()
        + QStringLiteral(". Position)"));
}

bool TfrmIntraAnl::eventFilter(QObject *watched, QEvent *event)
{
    return platform::filterReported(this, [&]() -> bool {
        const bool handled = shell::EntryWindow::eventFilter(watched, event);
        if (event->type() == QEvent::FocusIn && watched == control(edit(12)))
            setStatusText(0, portHint(m_dispatch));
        return handled;
    });
}

} // namespace intrastat
