#include "orders/orderprinttexts.h"

#include "masterdata/masterdatatables.h"
#include "platform/table.h"
#include "shell/printsettings.h"

namespace orders {

namespace {

struct Label {
    const char *key;
    const char *german;
    const char *english;
    const char *french;
    const char *portuguese;
    const char *spanish;
};

// In the order of the roles: package count, confirmation title, aufnr ...
const Label Labels[OrderPrintLabelCount] = {
    { "01 Pack Anzahl", "Anzahl", "Qty", "Nombre", "Quant.", "Cant." },
    { "02 Titel Bestaetigung", "Auftragsbestätigung", "Order Confirmation", "Confirmation de commande",
        "Confirmação de pedido", "Confirmación de pedido" },
    { "03 Auftragsnummer", "Auftrags-Nr.", "Order No.", "N° de commande", "N.º da encomenda", "N.º de pedido" },
    { "04 Pack Breite", "Breite", "Width", "Largeur", "Largura", "Ancho" },
    { "05 Belegnummer", "Beleg-Nr.", "Document No.", "N° de document", "N.º do documento", "N.º de documento" },
    { "06 Pack Bezeichnung", "Verpackung", "Packing", "Emballage", "Embalagem", "Embalaje" },
    { "07 Pack Brutto", "Brutto kg", "Gross kg", "Brut kg", "Bruto kg", "Bruto kg" },
    { "08 Pack Volumen", "m³", "m³", "m³", "m³", "m³" },
    { "09 Datum", "Datum", "Date", "Date", "Data", "Fecha" },
    { "10 Telefon", "Telefon", "Phone", "Téléphone", "Telefone", "Teléfono" },
    { "11 Einzelpreis", "Einzelpreis", "Unit price", "Prix unitaire", "Preço unitário", "Precio unitario" },
    { "12 Verpackung", "Verpackung", "Packing", "Emballage", "Embalagem", "Embalaje" },
    { "13 Frankatur", "Lieferbedingung", "Terms of delivery", "Conditions livraison", "Condições de entrega",
        "Condiciones de entrega" },
    { "14 Bezeichnung", "Bezeichnung", "Description", "Désignation", "Designação", "Descripción" },
    { "15 Titel Gutschrift", "Gutschrift", "Credit Note", "Avoir", "Nota de crédito", "Nota de abono" },
    { "16 Pack Hoehe", "Höhe", "Height", "Hauteur", "Altura", "Alto" },
    { "17 Bestellabteilung", "Abteilung", "Department", "Service", "Departamento", "Departamento" },
    { "18 Bestellnummer", "Ihre Bestell-Nr.", "Your order No.", "Votre commande n°", "Sua encomenda n.º",
        "Su pedido n.º" },
    { "19 Pack Laenge", "Länge", "Length", "Longueur", "Comprimento", "Largo" },
    { "20 Titel Lieferschein", "Lieferschein", "Delivery Note", "Bon de livraison", "Guia de remessa", "Albarán" },
    { "21 Menge", "Menge", "Quantity", "Quantité", "Quantidade", "Cantidad" },
    { "22 Pack Netto", "Netto kg", "Net kg", "Net kg", "Líquido kg", "Neto kg" },
    { "23 Positionsnummer", "Pos.", "Item", "Pos.", "Pos.", "Pos." },
    { "24 Titel Rechnung", "Rechnung", "Invoice", "Facture", "Fatura", "Factura" },
    { "25 Sachbearbeiter", "Sachbearbeiter", "Handled by", "Interlocuteur", "Responsável", "Responsable" },
    { "26 Gesamtpreis", "Gesamt", "Total", "Total", "Total", "Total" },
    { "27 Unser Zeichen", "Unser Zeichen", "Our reference", "Notre référence", "Nossa referência",
        "Nuestra referencia" },
    { "28 frei", "", "", "", "", "" },
    { "29 Lieferanschrift", "Lieferanschrift", "Delivery address", "Adresse de livraison", "Endereço de entrega",
        "Dirección de entrega" },
    { "30 Versandart", "Versandart", "Shipment by", "Mode d'expédition", "Modo de envio", "Modo de envío" },
    { "31 Versanddatum", "Versanddatum", "Date of shipment", "Date d'expédition", "Data de envio", "Fecha de envío" },
    { "32 Bestelldatum", "Bestellt am", "Order date", "Date de commande", "Data da encomenda", "Fecha de pedido" },
    { "33 Zahlungsbedingungen", "Zahlungsbedingungen", "Terms of payment", "Conditions de paiement",
        "Condições de pagamento", "Condiciones de pago" },
};

// The S_SP.DB column of each order language letter.
QString columnOfLetter(const QString &letter)
{
    const QString upper = letter.toUpper();
    if (upper == QLatin1String("D"))
        return QStringLiteral("a");
    if (upper == QLatin1String("E"))
        return QStringLiteral("d");
    if (upper == QLatin1String("F"))
        return QStringLiteral("e");
    if (upper == QLatin1String("P"))
        return QStringLiteral("f");
    if (upper == QLatin1String("S"))
        return QStringLiteral("s");
    return {};
}

} // namespace

void fillOrderPrintTexts(platform::Session &session)
{
    platform::Table texts(platform::Alias::Data, masterdata::Tables::Translations);
    texts.setSession(&session);
    texts.open();
    if (!texts.isEmpty())
        return;
    for (const Label &label : Labels) {
        texts.append();
        texts.setValue(QStringLiteral("Bezeichnung"), QString::fromUtf8(label.key));
        texts.setValue(QStringLiteral("a"), QString::fromUtf8(label.german));
        texts.setValue(QStringLiteral("d"), QString::fromUtf8(label.english));
        texts.setValue(QStringLiteral("e"), QString::fromUtf8(label.french));
        texts.setValue(QStringLiteral("f"), QString::fromUtf8(label.portuguese));
        texts.setValue(QStringLiteral("s"), QString::fromUtf8(label.spanish));
        texts.post();
    }
    texts.close();
}

void addOrderPrintRows(platform::Session &session)
{
    platform::Table rows(platform::Alias::Data, shell::PrintSettingsTable);
    rows.setSession(&session);
    rows.open();
    shell::createPrintRow(rows, OrderPrintRow, QStringLiteral("-1"));
    rows.close();
}

QStringList orderPrintLabels(const QString &languageLetter)
{
    const QString column = columnOfLetter(languageLetter);
    platform::Table texts(platform::Alias::Data, masterdata::Tables::Translations);
    texts.open();
    QStringList labels;
    const int index = column.isEmpty() ? -1 : texts.fieldIndex(column);
    for (int i = 0; i < texts.recordCount(); ++i)
        labels.append(index < 0 ? QString() : texts.rowAt(i).value(index).toString());
    while (labels.size() < OrderPrintLabelCount)
        labels.append(QString());
    return labels;
}

} // namespace orders
