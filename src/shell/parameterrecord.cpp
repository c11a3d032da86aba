#include "shell/parameterrecord.h"

#include "platform/table.h"
#include "platform/tableschema.h"

#include <stdexcept>

namespace shell {

namespace {

// One document kind's fields. An empty switch or memo: the kind has none.
// The memo of 2_2 is Memo_2, already declared by 2_1.
struct KindFields {
    const char *code;
    const char *proposal;
    const char *plausi;
    const char *memo;
};

// Every name in full, the irregular ones included.
const KindFields Kinds[] = {
    { "1_1", "VorschlagNr_1_1", "Plausi_1_1", "Memo_1" },
    { "1_2", "VorschlagNr_1_2", "Plausi_1_2", "" },
    { "2_1", "VorschlagNr_2_1", "Plausi_2_1", "Memo_2" },
    { "2_2", "VorschlagNr_2_2", "Plausi_2_2", "Memo_2" },
    { "3", "VorschlagNr_3", "Plausi_3", "Memo_3" },
    { "4", "VorschlagNr_4", "Plausi_4", "Memo_4" },
    { "5", "VorschlagNr_5", "Plausi_5", "Memo_5" },
    { "6", "VorschlagNr_6", "Plausi_6", "Memo_6" },
    { "7", "VorschlagNr_7", "Plausi_7", "Memo_7" },
    { "8", "VorschlagNr_8", "Plausi_8", "Memo_8" },
    { "9", "VorschlagNr_9", "Plausi_9", "Memo_9" },
    { "10", "VorschlagNr_10", "Plausi_10", "Memo_10" },
    { "11", "VorschlagNr_11", "Plausi_11", "Memo_11" },
    { "12", "VorschlagNr_12", "Plausi_12", "Memo_12" },
    { "13", "VorschlagNr_13", "Plausi_13", "Memo_13" },
    { "14", "VorschlagNr_14", "Plausi_14", "Memo_14" },
    { "15", "VorschlagNr_15", "Plausi_15", "Memo15_" },
    { "16", "VorschlagNr_16", "Plausi_16", "Memo_16" },
    { "19", "VorschlagNr_19", "Plausi_19", "Memo_19" },
    { "20", "VorschlagNr_20", "Plausi_20", "Memo_20" },
    { "21", "VorschlagNr_21", "Plausi_21", "Memo_21" },
    { "21_2", "VorschlagNr_21_2", "Plausi_21_2", "Memo_21_2" },
    { "22", "VorschlagNr_22", "Plausi_22", "Memo_22" },
    { "23", "VorschlagNr_23", "Plausi_23", "Memo_23" },
    { "24", "VorschlagNr_24", "Plausi_24", "Memo_24" },
    { "25", "VorschlagNr_25", "Plausi_25", "Memo_25" },
    { "26", "VorschlagNr_26", "Plausi_26", "Memo_26" },
    { "27", "VorschlagNr_27", "PLausi_27", "Memo_27" },
    { "28", "VorschlagNr_28", "Plausi_28", "Memo_28" },
    { "29", "VorschlagNr_29", "Plausi_29", "Memo_29" },
    { "30", "VorschlagNr_30", "Plausi_30", "Memo_30" },
    { "171", "VorschlagNr_171", "Plausi_171", "Memo_171" },
    { "172", "VorschlagNr_172", "Plausi_172", "Memo_172" },
    { "Abmeldung", "VorschlagNr_Abmeldung", "Plausi_Abmeldung", "Memo_Abmeldung" },
    { "PacketInland", "VorschlagNr_PacketInland", "Plausi_PacketInland", "Memo_PacketInland" },
    { "T5", "VorschlagNr_T5", "Plausi_T5", "Memo_T5" },
    { "EinheitZusatz", "Vorschlag_EinheitZusatz", "Plausi_EinheitZusatz", "Memo_EinheitZusatz" },
    { "AtlasAE", "Vorschlag_AtlasAE", "", "Memo_AtlasAE" },
    { "BVD", "Vorschlag_BVD", "", "Memo_BVD" },
    { "EURMED", "Vorschlag_EURMED", "", "Memo_EURMED" },
    { "LL", "Vorschlag_LL", "", "Memo_LL" },
    // A memo like the others: it holds the names of the template's fixed
    // edits, which a logical field cannot keep.
    { "T2L", "Vorschlag_T2L", "", "Memo_T2L" },
};

} // namespace

platform::TableSchema parameterTableSchema()
{
    platform::TableSchema schema(ParameterTableName, platform::Alias::Data);
    schema.autoInc(QStringLiteral("ID"));
    QStringList memos;
    for (const KindFields &kind : Kinds) {
        schema.integer(QString::fromLatin1(kind.proposal));
        if (*kind.plausi)
            schema.boolean(QString::fromLatin1(kind.plausi));
        const QString memo = QString::fromLatin1(kind.memo);
        if (memo.isEmpty() || memos.contains(memo))
            continue;
        memos.append(memo);
        schema.memo(memo);
    }
    schema.memo(QStringLiteral("MemoVorabAE"));
    schema.memo(QStringLiteral("MemoVorabT12"));
    schema.floating(QStringLiteral("Mwst"));
    schema.string(QStringLiteral("Ustnr"), 29);
    schema.strings(QStringLiteral("Kopf"), 1, 3, 70);
    schema.strings(QStringLiteral("Kopf"), 4, 5, 100);
    schema.strings(QStringLiteral("Fuss"), 1, 16, 33);
    schema.strings(QStringLiteral("Fuss"), 20, 22, 120);
    schema.graphic(QStringLiteral("Logo"));
    schema.strings(QStringLiteral("Sprache"), 1, 5, 15);
    schema.string(QStringLiteral("Dateinamen"), 8);
    schema.string(QStringLiteral("Dateinamen2"), 8);
    schema.integer(QStringLiteral("Inta"));
    schema.string(QStringLiteral("Eur1"), 1);
    schema.string(QStringLiteral("UmrechKurs"), 10);
    schema.primaryKey({ QStringLiteral("ID") });
    return schema;
}

void ensureParameterRecord(platform::Session &session)
{
    platform::Table table(platform::Alias::Data, ParameterTableName);
    table.setSession(&session);
    table.open();
    if (table.isEmpty()) {
        table.append();
        table.post();
    }
    table.close();
}

ParameterFields parameterFieldsFor(const QString &code)
{
    for (const KindFields &kind : Kinds) {
        if (code != QLatin1String(kind.code))
            continue;
        ParameterFields fields;
        fields.proposal = QString::fromLatin1(kind.proposal);
        fields.plausi = QString::fromLatin1(kind.plausi);
        fields.memo = QString::fromLatin1(kind.memo);
        if (code == QLatin1String("1_1")) {
            fields.preStampFile1 = QStringLiteral("Vorab.TV0");
            fields.preStampFile2 = QStringLiteral("Vorab.TV1");
            fields.preStampMemo = QStringLiteral("MemoVorabAE");
        } else if (code == QLatin1String("20")) {
            fields.preStampFile1 = QStringLiteral("VorabT12.TV0");
            fields.preStampFile2 = QStringLiteral("VorabT12.TV1");
            fields.preStampMemo = QStringLiteral("MemoVorabT12");
        }
        return fields;
    }
    throw std::invalid_argument("no document kind has the parameter code " + code.toStdString());
}

} // namespace shell
