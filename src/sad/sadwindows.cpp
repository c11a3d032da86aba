#include "sad/sadwindows.h"

#include "masterdata/picktargets.h"
#include "platform/dataset.h"
#include "platform/field.h"
#include "platform/localformat.h"
#include "sad/tformregieeinheitzusatz.h"
#include "sad/tfrmregieae.h"
#include "sad/tfrmregieimport.h"
#include "sad/tfrmregiet1_t2.h"
#include "sad/tfrmregiet2l.h"
#include "shell/windowfactories.h"

namespace sad {

namespace {

// What the tagged pick lists write into the export declaration's entry
// window.
void registerExportPickTargets()
{
    using masterdata::PickTargetValue;
    const QString window = QStringLiteral("frmEinheit");
    const auto one = [&window](const QString &field, const QString &source) {
        return masterdata::PickTarget { window, { PickTargetValue::fromField(field, source) } };
    };
    const QString countries = QStringLiteral("TfrmLnder_e");
    masterdata::registerPickTarget(countries, 1, one(QStringLiteral("F1_1"), QStringLiteral("Zug")));
    masterdata::registerPickTarget(countries, 17, one(QStringLiteral("F17_1"), QStringLiteral("Lkz")));
    masterdata::registerPickTarget(countries, 1701, one(QStringLiteral("F17_2"), QStringLiteral("Bez")));
    masterdata::registerPickTarget(countries, 211, one(QStringLiteral("F21_2"), QStringLiteral("Lkz")));
    masterdata::registerPickTarget(countries, 22, one(QStringLiteral("F22_1"), QStringLiteral("Waehrung")));
    const QString transport = QStringLiteral("TfrmVerzw_e");
    masterdata::registerPickTarget(transport, 21, one(QStringLiteral("F21_1"), QStringLiteral("Bez2")));
    masterdata::registerPickTarget(transport, 25, one(QStringLiteral("F25"), QStringLiteral("Vkzweig")));
    masterdata::registerPickTarget(transport, 26, one(QStringLiteral("F26"), QStringLiteral("Vkzweig")));
    masterdata::registerPickTarget(QStringLiteral("TfrmGesch_e"), 24,
        { window,
            { PickTargetValue::character(QStringLiteral("F24_1"), QStringLiteral("Geart"), 0),
                PickTargetValue::character(QStringLiteral("F24_2"), QStringLiteral("Geart"), 1) } });
    masterdata::registerPickTarget(
        QStringLiteral("TfrmZoll_e"), 29, one(QStringLiteral("F29"), QStringLiteral("Zollst")));
}

// What the tagged pick lists write into the import declaration's entry
// window.
void registerImportPickTargets()
{
    using masterdata::PickTargetValue;
    const QString window = QStringLiteral("frmEinheit2");
    const auto field
        = [](const QString &target, const QString &source) { return PickTargetValue::fromField(target, source); };
    const auto one = [&window, &field](const QString &target, const QString &source) {
        return masterdata::PickTarget { window, { field(target, source) } };
    };
    const QString countries = QStringLiteral("TfrmLnder_e");
    masterdata::registerPickTarget(countries, 40,
        { window,
            { field(QStringLiteral("F15"), QStringLiteral("Landkbz")),
                field(QStringLiteral("F15_1"), QStringLiteral("Lkz")) } });
    masterdata::registerPickTarget(countries, 110, one(QStringLiteral("F11_1"), QStringLiteral("Lkz")));
    masterdata::registerPickTarget(countries, 160, one(QStringLiteral("F16"), QStringLiteral("Landkbz")));
    masterdata::registerPickTarget(countries, 1810, one(QStringLiteral("F18_2"), QStringLiteral("Lkz")));
    masterdata::registerPickTarget(countries, 2110, one(QStringLiteral("F21_2"), QStringLiteral("Lkz")));
    // The rate of exchange as the workstation writes a number.
    PickTargetValue rate { QStringLiteral("F30"), [](platform::DataSet &row) {
                              const platform::Field kurs = row.fieldByName(QStringLiteral("Kurs"));
                              return kurs.isNull() ? QString() : platform::formatPlainNumber(kurs.asFloat());
                          } };
    masterdata::registerPickTarget(
        countries, 220, { window, { field(QStringLiteral("F22_1"), QStringLiteral("Waehrung")), rate } });
    masterdata::registerPickTarget(countries, 270, one(QStringLiteral("F27_2"), QStringLiteral("Lkz")));
    const QString transport = QStringLiteral("TfrmVerzw_e");
    masterdata::registerPickTarget(transport, 180, one(QStringLiteral("F18_1"), QStringLiteral("Bez2")));
    masterdata::registerPickTarget(transport, 210, one(QStringLiteral("F21_1"), QStringLiteral("Bez2")));
    masterdata::registerPickTarget(transport, 250, one(QStringLiteral("F25"), QStringLiteral("Vkzweig")));
    masterdata::registerPickTarget(transport, 260, one(QStringLiteral("F26"), QStringLiteral("Vkzweig")));
    masterdata::registerPickTarget(QStringLiteral("TfrmGesch_e"), 240,
        { window,
            { PickTargetValue::character(QStringLiteral("F24_1"), QStringLiteral("Geart"), 0),
                PickTargetValue::character(QStringLiteral("F24_2"), QStringLiteral("Geart"), 1) } });
    masterdata::registerPickTarget(
        QStringLiteral("TfrmZoll_e"), 290, one(QStringLiteral("F29"), QStringLiteral("Zollst")));
}

} // namespace

void registerSadWindows()
{
    shell::registerDocumentKind(QStringLiteral("AE"), [](QWidget *parent) { return new TfrmRegieAE(parent); });
    shell::registerDocumentKind(QStringLiteral("Import"), [](QWidget *parent) { return new TfrmRegieImport(parent); });
    shell::registerDocumentKind(QStringLiteral("T1_T2"), [](QWidget *parent) { return new TfrmRegieT1_T2(parent); });
    shell::registerDocumentKind(QStringLiteral("T2L"), [](QWidget *parent) { return new TfrmRegieT2L(parent); });
    shell::registerDocumentKind(
        QStringLiteral("EinheitZusatz"), [](QWidget *parent) { return new TFormRegieEinheitZusatz(parent); });
    registerExportPickTargets();
    registerImportPickTargets();
}

} // namespace sad
