#include "platform/schemaregistry.h"
#include "sad/sadtables.h"

namespace sad {

void registerSupplementarySheetTable()
{
    const auto s = [](const char *name) { return QLatin1String(name); };

    // One record a sheet; the number and the date first, as the copy
    // routines expect, then the boxes of the form in their order.
    platform::TableSchema sheet(Tables::EinZus, platform::Alias::Data);
    sheet.integer(s("BelegNr"))
        .date(s("Datum"))
        .boolean(s("F0_1"))
        .boolean(s("F0_2"))
        .strings(s("FV_"), 1, 7, 20)
        .strings(s("FZ_"), 1, 7, 22)
        .string(s("F1_1"), 30)
        .string(s("F2_1"), 20)
        .boolean(s("F3_1"))
        .boolean(s("F3_2"))
        .strings(s("F4_"), 1, 15, 72)
        .string(s("F5_1"), 24)
        .string(s("F5_2a"), 7)
        .string(s("F5_2b"), 6)
        .string(s("F6_1a"), 32)
        .string(s("F6_1b"), 4)
        .string(s("F6_2a"), 32)
        .string(s("F6_2b"), 4)
        .boolean(s("F7_1"))
        .boolean(s("F7_2"))
        .boolean(s("F7_3"))
        .boolean(s("F8_1"))
        .boolean(s("F9_1a"))
        .strings(s("F9_1b_"), 1, 3, 50)
        .strings(s("F10_"), 1, 3, 22)
        .boolean(s("F11_1"))
        .boolean(s("F11_2"))
        .string(s("F12_1"), 72)
        .boolean(s("F13_1a"))
        .boolean(s("F13_1b"))
        .string(s("F13_2"), 20)
        .string(s("F14_1"), 10)
        .string(s("F15_1"), 22)
        .string(s("F16_1"), 42)
        .string(s("F16_2"), 42)
        .string(s("F17_1"), 30)
        .string(s("F17_2"), 30)
        .strings(s("FW_1a_"), 1, 2, 20)
        .strings(s("FW_1b_"), 1, 2, 52)
        .strings(s("FW_2a_"), 1, 2, 20)
        .strings(s("FW_2b_"), 1, 2, 52)
        .strings(s("FW_3_"), 1, 4, 72)
        .primaryKey({ s("BelegNr") });
    platform::SchemaRegistry::instance().add(sheet);
}

} // namespace sad
