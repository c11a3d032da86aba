#include "orders/orderlines.h"

#include "orders/ordertables.h"
#include "platform/dialogservice.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "platform/table.h"
#include "shell/documentroutines.h"

#include <QScopeGuard>

#include <cmath>

namespace orders {

using platform::Table;

bool recalcTotals(Table &positions, Table &sumLines, double vatRate)
{
    shell::PostIfEditing(positions);
    shell::PostIfEditing(sumLines);
    if (positions.isEmpty()) {
        while (!sumLines.isEmpty()) {
            sumLines.first();
            sumLines.deleteRecord();
        }
        return true;
    }

    double total = 0.0;
    const int lineTotal = positions.fieldIndex(QStringLiteral("quersum"));
    const int positionCount = positions.recordCount();
    for (int i = 0; i < positionCount; ++i)
        total += positions.rowAt(i).value(lineTotal).toDouble();

    if (sumLines.isEmpty())
        return true;
    const platform::Bookmark current = sumLines.bookmark();
    sumLines.disableControls();
    auto back = qScopeGuard([&sumLines, &current] {
        if (sumLines.bookmarkValid(current))
            sumLines.gotoBookmark(current);
        sumLines.enableControls();
    });
    const auto write = [&sumLines](const QString &amount) {
        platform::Field field = sumLines.fieldByName(QStringLiteral("quersum"));
        if (field.asString() == amount)
            return;
        sumLines.edit();
        field.setAsString(amount);
        sumLines.post();
    };
    for (sumLines.first(); !sumLines.eof(); sumLines.next()) {
        const QString kind = sumLines.fieldByName(QStringLiteral("ken")).asString();
        if (kind == SumLineKind::Subtotal || kind == SumLineKind::Total) {
            write(platform::formatAmount(total));
        } else if (kind == SumLineKind::Surcharge || kind == SumLineKind::Discount) {
            const QString text = sumLines.fieldByName(QStringLiteral("quersum")).asString().trimmed();
            bool ok = false;
            const double amount = platform::parseAmount(text, &ok);
            if (!ok) {
                platform::dialogs().error(
                    QStringLiteral("Der Betrag \"%1\" in der Berechnungsposition %2 (%3) ist keine Zahl.\r"
                                   "Die Berechnung wurde bei dieser Position angehalten.")
                        .arg(text, sumLines.fieldByName(QStringLiteral("Pos")).asString(), kind));
                return false;
            }
            total += kind == SumLineKind::Surcharge ? amount : -std::fabs(amount);
        } else if (kind == SumLineKind::Vat) {
            const double vat = vatRate * total / 100.0;
            write(platform::formatAmount(vat));
            total += vat;
        }
    }
    return true;
}

double packageVolume(int length, int width, int height)
{
    return platform::roundToDecimals(double(length) * width * height / 1000000.0, 3);
}

} // namespace orders
