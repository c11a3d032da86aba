#include "shell/tfrmfelderjustieren.h"

#include "platform/table.h"
#include "shell/buttonlook.h"
#include "shell/documentroutines.h"
#include "shell/editabledatasetmodel.h"
#include "shell/reportedcall.h"
#include "shell/twheeldbgrid.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace shell {

QStringList TfrmFelderJustieren::boxNames(const QString &rowName)
{
    if (rowName == QLatin1String("IMO")) {
        return {
            QStringLiteral("Versender"),
            QStringLiteral("Buchungsnummer"),
            QStringLiteral("Empfänger"),
            QStringLiteral("Beförderer"),
            QStringLiteral("Container-Nr"),
            QStringLiteral("Name/Funktion"),
            QStringLiteral("Ort und Datum"),
            QStringLiteral("Schiffsname"),
            QStringLiteral("Ladehafen"),
            QStringLiteral("Löschhafen"),
            QStringLiteral("Frei für Text"),
            QStringLiteral("Markierung"),
            QStringLiteral("Anzahl"),
            QStringLiteral("Inhalt"),
            QStringLiteral("Klasse"),
            QStringLiteral("UN-Nr."),
            QStringLiteral("Verpackungsgruppe"),
            QStringLiteral("Bruttomasse"),
            QStringLiteral("Kennzeichen"),
            QStringLiteral("sek. Label"),
            QStringLiteral("Merkblatt-Nr."),
            QStringLiteral("Eigenschaften"),
            QStringLiteral("Güter ang."),
            QStringLiteral("Name/Funktion"),
            QStringLiteral("Ort u. Datum"),
        };
    }
    if (rowName == QLatin1String("SHIPPERS DECLARATION")) {
        // Box 6 has no name; box 25 is not shown.
        return {
            QStringLiteral("Shipper"),
            QStringLiteral("Air Waybill No"),
            QStringLiteral("Page of Pages"),
            QStringLiteral("Reference No."),
            QStringLiteral("Consignee"),
            QString(),
            QStringLiteral("Passenger"),
            QStringLiteral("Cargo"),
            QStringLiteral("Airport of Departure"),
            QStringLiteral("Airport of Destination"),
            QStringLiteral("Non-Radioactive"),
            QStringLiteral("Radioactive"),
            QStringLiteral("Shipping Name"),
            QStringLiteral("Class"),
            QStringLiteral("UN No."),
            QStringLiteral("Packing Group"),
            QStringLiteral("Sub. Risk"),
            QStringLiteral("Packing Type"),
            QStringLiteral("Packing Inst."),
            QStringLiteral("Authorization"),
            QStringLiteral("Information"),
            QStringLiteral("Name"),
            QStringLiteral("Place and Date"),
            QStringLiteral("Signature"),
        };
    }
    return {};
}

TfrmFelderJustieren::TfrmFelderJustieren(platform::Table &corrections, const QString &rowName, QWidget *parent)
    : QDialog(parent)
    , m_corrections(corrections)
{
    setObjectName(QStringLiteral("frmFelderJustieren"));
    setWindowTitle(QStringLiteral("Felder Justieren"));
    auto *layout = new QVBoxLayout(this);
    DBGrid1 = new TWheelDBGrid(this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new EditableDataSetModel(this);
    const QStringList names = boxNames(rowName);
    if (!names.isEmpty()) {
        QVector<platform::DataSetColumn> columns { { QStringLiteral("Name"), QStringLiteral("Formularbezeichnung"),
            160 } };
        for (int box = 1; box <= names.size(); ++box) {
            const QString &name = names.at(box - 1);
            columns.append({ QStringLiteral("Feld%1x").arg(box), name + QStringLiteral(" / Spalte"), 0 });
            columns.append({ QStringLiteral("Feld%1y").arg(box), name + QStringLiteral(" / Zeile"), 0 });
        }
        m_model->setColumns(columns);
    }
    // The name ties the corrections to the print row; it is shown only.
    m_model->setReadOnlyFields({ QStringLiteral("Name") });
    m_model->setDataSet(&m_corrections);
    DBGrid1->setModel(m_model);
    DBGrid1->setEditTriggers(
        QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed);
    layout->addWidget(DBGrid1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnAbbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    BtnOK->setAutoDefault(false);
    BtnAbbrechen->setAutoDefault(false);
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnAbbrechen);
    layout->addLayout(buttons);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
    applyRaisedButtonLook(this);
    resize(720, 220);
}

void TfrmFelderJustieren::done(int result)
{
    // A cell being edited goes into the record with OK; Abbrechen drops it
    // with the rest of the pending change.
    finishCellEditing(DBGrid1, result == QDialog::Accepted);
    const bool closed = runReported(this, [this, result] {
        if (result == QDialog::Accepted)
            PostIfEditing(m_corrections);
        else if (m_corrections.isActive() && m_corrections.isEditing())
            m_corrections.cancel();
    });
    if (closed)
        QDialog::done(result);
}

} // namespace shell
