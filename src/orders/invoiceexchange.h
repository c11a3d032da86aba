#pragma once

#include "masterdata/masterdataexchange.h"
#include "masterdata/tablecontent.h"

#include <QString>

#include <functional>
#include <memory>

namespace orders {

// "Sie haben keine gültige BelegNr. eingegeben!"
QString invalidStartNumberMessage();

// The start number the import proposes: the number of the order before the
// last one in number order (the last is the template), the template's when
// it is alone; empty without any order.
QString proposedStartNumber();

// Whether the text is a start number the imported orders may take: a whole
// number from 1 up to below the template's number.
bool validStartNumber(const QString &text, int *number);

// Orders of another installation from a pair of files: heads (the fields of
// RECHNUNG.DB in table order) and positions (those of ARTIKE.DB). Every head
// takes the first number from the start upwards that no order holds, its
// positions are renumbered to it. Sum lines and packages do not travel.
class InvoiceImport
{
public:
    // The longest field name of the files' format (dBASE cuts
    // names) for each file, 0 for none.
    InvoiceImport(std::unique_ptr<masterdata::TableReader> heads, int headNameLength,
        std::unique_ptr<masterdata::TableReader> positions, int positionNameLength);
    ~InvoiceImport();

    // Told the steps done and the steps there are, now and then.
    std::function<void(int done, int total)> progress;

    // The fields of both files begin with the fields of the two tables, by
    // place and name (in capitals); further fields are allowed.
    bool structureFits() const;
    // The whole import in one transaction from that start number: anything
    // wrong (a number or value that cannot be read, a target number that
    // would reach the template's, a damaged file, a failed save) is shown as
    // an error and leaves both tables as they were. Returns the orders
    // imported, -1 after a failure.
    int importFrom(int start);

private:
    std::unique_ptr<masterdata::TableReader> m_heads;
    std::unique_ptr<masterdata::TableReader> m_positions;
    int m_headNameLength;
    int m_positionNameLength;
};

// The orders (RECHNUNG.DB) and their positions (ARTIKE.DB), every record in
// number order, the template included, as they are exported.
masterdata::TableContent exportedOrders();
masterdata::TableContent exportedPositions();

} // namespace orders
