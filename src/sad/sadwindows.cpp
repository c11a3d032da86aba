#include "sad/sadwindows.h"

#include "masterdata/picktargets.h"
#include "sad/tfrmregieae.h"
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

} // namespace

void registerSadWindows()
{
    shell::registerDocumentKind(QStringLiteral("AE"), [](QWidget *parent) { return new TfrmRegieAE(parent); });
    registerExportPickTargets();
}

} // namespace sad
