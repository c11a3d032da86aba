#include "transport/deliverynotetables.h"

#include "platform/schemaregistry.h"

namespace transport {

using platform::TableSchema;

void registerDeliveryNoteTables()
{
    auto &registry = platform::SchemaRegistry::instance();

    // The boxes of the pre-printed form; L42 to L44 and L7_10 to L7_12 are
    // kept with the record but neither shown nor printed.
    TableSchema heads(DeliveryNoteTables::Heads, platform::Alias::Data);
    heads.integer(QStringLiteral("BelegNr"))
        .string(QStringLiteral("Datum"), 10)
        .strings(QStringLiteral("L1_"), 1, 4, 37)
        .strings(QStringLiteral("L2_"), 1, 4, 22)
        .string(QStringLiteral("L3_1"), 13)
        .string(QStringLiteral("L4_1"), 10)
        .strings(QStringLiteral("L5_"), 1, 3, 37)
        .boolean(QStringLiteral("L6_1"))
        .boolean(QStringLiteral("L6_2"))
        .string(QStringLiteral("L6_3"), 8);
    for (int box = 1; box <= 8; ++box)
        heads.boolean(QStringLiteral("L7_%1").arg(box));
    heads.string(QStringLiteral("L7_9"), 10)
        .string(QStringLiteral("L8_1"), 8)
        .string(QStringLiteral("L9_1"), 10)
        .strings(QStringLiteral("L10_"), 1, 2, 10)
        .strings(QStringLiteral("L11_"), 1, 2, 25)
        .strings(QStringLiteral("L15_"), 1, 2, 12)
        .strings(QStringLiteral("L12_"), 1, 2, 10)
        .strings(QStringLiteral("L13_"), 1, 2, 6)
        .strings(QStringLiteral("L14_"), 1, 2, 14)
        .strings(QStringLiteral("L19_"), 1, 2, 24)
        .strings(QStringLiteral("L20_"), 1, 4, 2)
        .strings(QStringLiteral("L21_"), 1, 2, 13)
        .strings(QStringLiteral("L22_"), 1, 2, 17)
        .string(QStringLiteral("L23_1"), 7)
        .string(QStringLiteral("L24_1"), 7)
        .strings(QStringLiteral("L25_"), 1, 2, 65)
        .string(QStringLiteral("L26_1"), 13)
        .string(QStringLiteral("L42_1"), 10)
        .string(QStringLiteral("L42_2"), 14)
        .string(QStringLiteral("L43_1"), 10)
        .string(QStringLiteral("L43_2"), 18)
        .string(QStringLiteral("L44_1"), 10)
        .string(QStringLiteral("L44_2"), 16)
        .boolean(QStringLiteral("L7_10"))
        .string(QStringLiteral("L7_11"), 10)
        .boolean(QStringLiteral("L7_12"))
        .strings(QStringLiteral("Bemerk"), 1, 10, 50)
        .string(QStringLiteral("Postfach"), 5)
        .primaryKey({ QStringLiteral("BelegNr") });
    registry.add(heads);

    TableSchema positions(DeliveryNoteTables::Positions, platform::Alias::Data);
    positions.integer(QStringLiteral("BelegNr"))
        .integer(QStringLiteral("Pos"))
        .string(QStringLiteral("L28"), 20)
        .strings(QStringLiteral("L29_"), 1, 5, 25)
        .string(QStringLiteral("L30"), 7)
        .string(QStringLiteral("L31"), 3)
        .primaryKey({ QStringLiteral("BelegNr"), QStringLiteral("Pos") });
    registry.add(positions);
}

} // namespace transport
