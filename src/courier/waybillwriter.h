#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace platform {
class Table;
}

namespace shell {
class DocumentRegister;
struct DocumentKind;
}

namespace courier {

// The courier kinds other windows write waybills into.
enum class Waybill { FedEx, Ups };

// The fields of a kind that generators write (the order window, the export
// declaration and the ATLAS copy). They are part of the table's contract:
// FedEx the recipient F3_3, F3_5, F3_6, F3_7, F3_9 (country name), F3_10
// and the sender F1_4, F1_6, F1_8, F1_10 (country name), F1_11; UPS Datum,
// the recipient U2_5 .. U2_10 (U2_10 the country name) and the sender U1_3,
// U1_5 .. U1_10.
QStringList contractFields(Waybill kind);
const shell::DocumentKind &kindOf(Waybill kind);

// A waybill written by another window's generator, the way clerks' documents
// are made from an order or a declaration:
//
//     courier::WaybillWriter writer(courier::Waybill::FedEx);   // register, hidden
//     if (!writer.newFromTemplate(order))                        // message shown
//         return;
//     writer.setField("F3_3", name1);                            // contract names
//     writer.setField("F3_9", countryName);
//     writer.post();
//     writer.edit();                                             // Bearbeiten
//
// The register is created without being shown (its showing and closing steps
// do not run) and freed with the writer. Texts are cut to their field's
// size; a number written in the program's German format ("12,5") is read as
// a number where the field is numeric.
class WaybillWriter
{
public:
    explicit WaybillWriter(Waybill kind);
    ~WaybillWriter();
    WaybillWriter(const WaybillWriter &) = delete;
    WaybillWriter &operator=(const WaybillWriter &) = delete;

    shell::DocumentRegister &documentRegister() { return *m_register; }
    platform::Table &table(); // tbPdienst of the register

    bool exists(int number);
    // Positions on the waybill; false when there is none.
    bool find(int number);
    // Deletes the waybill when there is one.
    void remove(int number);
    // A new waybill under the number: the template's values, today's date
    // (NewRecordFromTemplate); current afterwards. False, with the message
    // shown, when it could not be written or the number is not one of a
    // document (1 .. 1999999999) or is taken.
    bool newFromTemplate(int number);
    // Writes one of the kind's contract fields into the current waybill (in
    // edit state afterwards); std::invalid_argument for any other name.
    void setField(const QString &field, const QString &value);
    void post();
    // Bearbeiten: the entry window on the current waybill, modal.
    void edit();

private:
    Waybill m_kind;
    std::unique_ptr<shell::DocumentRegister> m_register;
};

// Opens the waybill in the kind's entry window with the register hidden (the
// ATLAS copy after writing it); a number no waybill has does nothing.
void OpenDocument(Waybill kind, int number);

} // namespace courier
