#include "sad/sadtables.h"

#include "platform/schemaregistry.h"

namespace sad {

using platform::TableSchema;

namespace {

// The further fields of EINHEIT.DB after the register's list: name and size
// (0: a Boolean).
struct FurtherField {
    const char *name;
    int size;
};

const FurtherField FurtherFields[] = {
    { "F2_6", 35 },
    { "F7_1", 22 },
    { "F8_6", 35 },
    { "F14_4", 35 },
    { "F15_1", 18 },
    { "F15_2", 3 },
    { "F16_1", 17 },
    { "F17_3", 17 },
    { "F19_1", 1 },
    { "F23_1", 9 },
    { "F25_1", 1 },
    { "F26_1", 1 },
    { "F28_2", 37 },
    { "F29_1", 4 },
    { "F44_E_1", 0 },
    { "F44_E_2", 45 },
    { "F44_E_3", 45 },
    { "F44_E_4", 45 },
    { "F44_E_5", 45 },
    { "F44_A_1", 8 },
    { "F44_A_2", 10 },
    { "F44_A_3", 10 },
    { "F44_A_4", 16 },
    { "F44_A_5", 10 },
    { "F44_A_6", 0 },
    { "F44_A_7", 53 },
    { "F44_A_8", 53 },
    { "F48_1", 20 },
    { "F49_1", 18 },
    { "FB_1", 32 },
    { "FB_2", 32 },
    { "FB_3", 32 },
    { "FB_4", 32 },
    { "FB_5", 32 },
    { "FB_6", 32 },
    { "FB_7", 32 },
    { "F50_6", 24 },
    { "F5_1", 2 },
};

void registerImportTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    const auto s = [](const char *name) { return QLatin1String(name); };

    TableSchema head(Tables::Impein, platform::Alias::Data);
    head.integer(s("BELEGNR"))
        .date(s("DATUM"))
        .integer(s("Positionen"))
        .string(s("F2_1"), 35)
        .string(s("F8_1"), 35)
        .string(s("F1_1"), 3)
        .string(s("F1_2"), 1)
        .string(s("F1_3"), 5)
        .string(s("F2_0"), 10)
        .strings(s("F2_"), 2, 5, 35)
        .string(s("F3_1"), 2)
        .string(s("F3_2"), 2)
        .integer(s("F5"))
        .string(s("F7"), 22)
        .string(s("F8_0"), 10)
        .strings(s("F8_"), 2, 5, 35)
        .string(s("F11_1"), 3)
        .string(s("F14_0"), 10)
        .strings(s("F14_"), 1, 3, 35)
        .string(s("F16"), 17)
        .string(s("F17_1"), 3)
        .string(s("F17_2"), 17)
        .string(s("F18_1"), 27)
        .string(s("F18_2"), 3)
        .string(s("F19"), 1)
        .string(s("F20_1"), 3)
        .string(s("F20_2"), 29)
        .string(s("F21_1"), 31)
        .string(s("F21_2"), 3)
        .string(s("F22_1"), 3)
        .string(s("F22_2"), 13)
        .string(s("F24_1"), 1)
        .string(s("F24_2"), 1)
        .string(s("F25"), 1)
        .string(s("F26"), 1)
        .string(s("F27_1"), 14)
        .string(s("F27_2"), 3)
        .string(s("F28"), 37)
        .string(s("F29"), 8)
        .smallInt(s("F32"))
        .string(s("F33_1"), 8)
        .string(s("F33_2"), 3)
        .string(s("F33_3"), 3)
        .string(s("F33_4"), 4)
        .string(s("F34_1"), 3)
        .string(s("F34_2"), 2)
        .string(s("F35_1"), 11)
        .string(s("F35_2"), 5)
        .string(s("F38"), 11)
        .string(s("F37_1"), 4)
        .string(s("F37_2"), 1)
        .string(s("F41_1"), 11)
        .string(s("F44_0"), 23)
        .strings(s("F44_"), 1, 5, 45)
        .string(s("F46"), 15)
        .string(s("F49"), 18)
        .strings(s("F50_"), 1, 5, 24)
        .strings(s("F54_"), 1, 5, 28)
        .string(s("F44_10"), 1)
        .strings(s("FB"), 1, 7, 32)
        .string(s("F15"), 18)
        .string(s("F15_1"), 3)
        .string(s("F36_1"), 4)
        .string(s("F39_1"), 4)
        .string(s("F40_1"), 30)
        .string(s("F30"), 35)
        .string(s("F30_1"), 18)
        .string(s("F31_1"), 20)
        .strings(s("F31_"), 2, 9, 45)
        .strings(s("F47_"), 10, 17, 4)
        .strings(s("F47_"), 20, 27, 10)
        .strings(s("F47_"), 30, 37, 10)
        .strings(s("F47_"), 40, 48, 10)
        .strings(s("F47_"), 50, 57, 2)
        .string(s("F48_1"), 20)
        .boolean(s("DM"))
        .boolean(s("EURO"))
        .memo(s("Master"))
        .primaryKey({ s("BELEGNR") });
    registry.add(head);

    TableSchema items(Tables::Impfol, platform::Alias::Data);
    items.integer(s("BELEGNR"))
        .integer(s("POS"))
        .smallInt(s("F32"))
        .string(s("F33_1"), 8)
        .string(s("F33_2"), 3)
        .string(s("F33_3"), 3)
        .string(s("F34_1"), 3)
        .string(s("F35_1"), 11)
        .string(s("F35_2"), 5)
        .string(s("F36_1"), 4)
        .string(s("F37_1"), 4)
        .string(s("F37_2"), 3)
        .string(s("F38"), 11)
        .string(s("F39_1"), 4)
        .string(s("F40_1"), 30)
        .string(s("F46"), 15)
        .strings(s("F47_1_"), 1, 8, 5)
        .strings(s("F47_2_"), 1, 8, 10)
        .strings(s("F47_3_"), 1, 8, 10)
        .strings(s("F47_5_"), 1, 8, 2)
        .strings(s("F48_1_"), 1, 8, 5)
        .strings(s("F48_3_"), 1, 8, 2)
        .string(s("F31_1"), 20)
        .strings(s("F31_"), 2, 9, 45)
        .string(s("F41_1"), 11)
        .strings(s("F44_"), 1, 5, 45)
        .string(s("Token"), 10)
        .string(s("F33_4"), 4)
        .string(s("F33_5"), 4)
        .boolean(s("DM"))
        .boolean(s("EURO"))
        .strings(s("F47_4_"), 1, 8, 11)
        .string(s("F47_summ"), 11)
        .strings(s("F48_2_"), 1, 8, 11)
        .string(s("G_summe"), 11)
        .string(s("F42"), 11)
        .primaryKey({ s("BELEGNR"), s("POS") });
    registry.add(items);
}

} // namespace

QStringList exportHeadFieldsOutsideList()
{
    QStringList names;
    for (const FurtherField &field : FurtherFields)
        names.append(QLatin1String(field.name));
    return names;
}

void registerSadTables()
{
    auto &registry = platform::SchemaRegistry::instance();
    const auto s = [](const char *name) { return QLatin1String(name); };

    TableSchema head(Tables::Einheit, platform::Alias::Data);
    head.integer(s("belegnr"))
        .date(s("datum"))
        .integer(s("AnzPos"))
        .string(s("f8_1"), 35)
        .string(s("f1_1"), 3)
        .string(s("f1_2"), 1)
        .string(s("f1_3"), 5)
        .string(s("f2_0"), 10)
        .strings(s("f2_"), 1, 5, 35)
        .string(s("f3_1"), 2)
        .string(s("f3_2"), 2)
        .string(s("F5"), 3)
        .string(s("f7"), 22)
        .string(s("f8_0"), 10)
        .strings(s("f8_"), 2, 5, 35)
        .string(s("f11_1"), 3)
        .string(s("f14_0"), 10)
        .string(s("f16"), 17)
        .string(s("f17_1"), 3)
        .string(s("f17_2"), 17)
        .string(s("f18_1"), 27)
        .string(s("f18_2"), 3)
        .string(s("f19"), 1)
        .string(s("f20_1"), 3)
        .string(s("f20_2"), 29)
        .string(s("f21_1"), 31)
        .string(s("f21_2"), 3)
        .string(s("f22_1"), 3)
        .string(s("f22_2"), 13)
        .string(s("f24_1"), 1)
        .string(s("f24_2"), 1)
        .string(s("f25"), 1)
        .string(s("f26"), 1)
        .string(s("f27_1"), 14)
        .string(s("f27_2"), 3)
        .string(s("f28"), 37)
        .string(s("f29"), 8)
        .string(s("f31_1"), 45)
        .string(s("F32"), 3)
        .string(s("f33_1"), 8)
        .string(s("f33_2"), 1)
        .string(s("f33_3"), 3)
        .string(s("f33_4"), 4)
        .string(s("f34_1"), 3)
        .string(s("f34_2"), 2)
        .string(s("f35_1"), 11)
        .string(s("f35_2"), 5)
        .string(s("f38"), 11)
        .string(s("f37_1"), 4)
        .string(s("f37_2"), 1)
        .string(s("f41_1"), 11)
        .string(s("f44_0"), 15)
        .string(s("f44_1"), 10)
        .string(s("f44_2"), 16)
        .string(s("f44_3"), 20)
        .string(s("f44_4"), 12)
        .string(s("f46"), 15)
        .string(s("f49"), 18)
        .strings(s("f50_"), 1, 5, 24)
        .strings(s("f54_"), 1, 5, 28)
        .string(s("f44_5"), 60)
        .string(s("f44_6"), 60)
        .string(s("f44_10"), 1)
        .strings(s("fb"), 1, 4, 22)
        .string(s("Ret"), 5)
        .strings(s("f31_"), 2, 9, 45)
        .string(s("F44_11"), 1)
        .boolean(s("DM"))
        .boolean(s("EURO"))
        .string(s("F0_1"), 12)
        .string(s("F0_2"), 10)
        .string(s("FD_1"), 30)
        .string(s("FD_2"), 22)
        .string(s("FD_3"), 28)
        .string(s("FD_4"), 27)
        .string(s("FD_5"), 30)
        .strings(s("F9_"), 1, 3, 36)
        .string(s("AENR"), 10)
        .string(s("F44_7"), 60)
        .string(s("F14_1"), 35)
        .string(s("f14_2"), 35)
        .string(s("f14_3"), 35)
        .string(s("NV_AM"), 16)
        .string(s("NV_TicketNr"), 25);
    for (const FurtherField &field : FurtherFields) {
        if (field.size == 0)
            head.boolean(QLatin1String(field.name));
        else
            head.string(QLatin1String(field.name), field.size);
    }
    head.primaryKey({ s("belegnr") });
    registry.add(head);

    TableSchema items(Tables::Einfolg, platform::Alias::Data);
    items.integer(s("belegnr"))
        .integer(s("pos"))
        .string(s("f33_1"), 8)
        .string(s("f33_2"), 1)
        .string(s("f34_1"), 3)
        .string(s("f34_2"), 2)
        .string(s("f35_1"), 11)
        .string(s("f35_2"), 5)
        .string(s("f37_1"), 4)
        .string(s("f37_2"), 3)
        .string(s("f41_1"), 11)
        .string(s("f38"), 11)
        .string(s("f46"), 15)
        .string(s("Ret"), 5)
        .string(s("f31_1"), 20)
        .strings(s("f31_"), 2, 9, 45)
        .string(s("F44_11"), 1)
        .string(s("F44_10"), 1)
        .boolean(s("DM"))
        .boolean(s("EURO"))
        .strings(s("f44_"), 1, 5, 52)
        .string(s("F40"), 27)
        .primaryKey({ s("belegnr"), s("pos") });
    registry.add(items);

    registerImportTables();
    registerTransitTables();
    registerSupplementarySheetTable();
    registerT2LTables();
}

} // namespace sad
