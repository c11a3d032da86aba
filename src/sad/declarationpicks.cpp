#include "sad/declarationpicks.h"

#include "masterdata/codehelp.h"
#include "masterdata/countries.h"
#include "masterdata/goodsnumbers.h"
#include "masterdata/keylookup.h"
#include "masterdata/packagekinds.h"
#include "masterdata/picklists.h"
#include "platform/datasetmodel.h"
#include "shell/documentroutines.h"
#include "shell/tfrmdata1.h"
#include "shell/twheeldbgrid.h"

#include <QLineEdit>

namespace sad {

std::function<void(masterdata::TfrmLnder_e &, shell::EntryWindow &)> countrySetUp(
    const QString &field, int box, bool byName)
{
    return [field, box, byName](masterdata::TfrmLnder_e &list, shell::EntryWindow &window) {
        platform::Table &countries = list.table();
        countries.setIndexFieldNames(byName ? QStringLiteral("Bez") : QStringLiteral("Lkz"));
        const QString text = window.head().fieldByName(field).asString();
        if (!text.isEmpty())
            countries.findNearest({ text });
        if (box > 0)
            list.setWindowTitle(list.windowTitle() + QStringLiteral("  (Feld: %1)").arg(box));
        countries.setIndexFieldNames(QStringLiteral("Bez"));
    };
}

shell::EntryPick countryPick(const QString &name, const QRect &geometry, int tag, const QString &field, int box,
    const QString &focusBefore, bool byName)
{
    return taggedPick<masterdata::TfrmLnder_e>(name, geometry, tag, countrySetUp(field, box, byName), focusBefore);
}

shell::EntryPick routinePick(const QString &name, const QRect &geometry, const QString &focusAfter,
    std::function<std::optional<shell::PickValues>(shell::EntryWindow &)> run)
{
    shell::EntryPick p;
    p.name = name;
    p.geometry = geometry;
    p.focusAfter = focusAfter;
    p.run = std::move(run);
    return p;
}

std::optional<shell::PickValues> pickPackageKind(shell::EntryWindow &window, const QString &field)
{
    masterdata::TfrmPackst list(&window);
    list.setPickMode(true);
    if (list.exec() != QDialog::Accepted || list.table().isEmpty())
        return std::nullopt;
    return shell::PickValues { { field,
        list.count() + QLatin1Char(' ') + list.table().fieldByName(QStringLiteral("packart")).asString() } };
}

std::optional<shell::PickValues> pickGoodsNumber(shell::EntryWindow &window, const GoodsNumberFields &fields)
{
    masterdata::TfrmWare list(&window);
    list.setPickMode(true);
    if (platform::DataSetModel *model = list.grid()->dataSetModel()) {
        const auto columns = model->columns();
        for (int i = 0; i < columns.size(); ++i) {
            if (columns.at(i).fieldName.startsWith(QLatin1String("Waren"), Qt::CaseSensitive))
                list.grid()->hideColumn(i);
        }
    }
    if (list.exec() != QDialog::Accepted || list.table().isEmpty())
        return std::nullopt;
    platform::Table &number = list.table();
    shell::PickValues values;
    for (const auto &field : fields)
        values.append({ field.first, number.fieldByName(field.second).asString() });
    return values;
}

std::optional<shell::PickValues> pickFederalState(shell::EntryWindow &window, const QString &field, const QPoint &at)
{
    masterdata::TfrmLnderbrd_e list(&window);
    platform::Table &states = list.table();
    states.setIndexFieldNames(QStringLiteral("Ulandi"));
    const QString start = window.head().fieldByName(field).asString();
    if (!start.isEmpty())
        states.findNearest({ start });
    list.move(window.mapToGlobal(at));
    if (list.exec() != QDialog::Accepted || states.isEmpty())
        return std::nullopt;
    return shell::PickValues { { field, states.fieldByName(QStringLiteral("Ulandi")).asString() } };
}

void attachCountryNumberLookup(shell::EntryWindow &window, const QString &edit, const CountryNumberBox &box)
{
    auto *code = qobject_cast<QLineEdit *>(window.control(edit));
    masterdata::attachKeyLookup(
        code, [] { return shell::frmData1 ? shell::frmData1->tbLand : nullptr; },
        { QStringLiteral("Land"), masterdata::KeyMatch::Prefix, masterdata::NoCountryFound, QStringLiteral("Lkz") },
        [&window, code, box](platform::Table &countries) {
            platform::Table &declaration = window.head();
            const QString letters = countries.fieldByName(QStringLiteral("Lkz")).asString();
            const bool byLetters = letters.compare(code->text(), Qt::CaseInsensitive) == 0;
            shell::EditIfBrowsing(declaration);
            declaration.fieldByName(box.nameField)
                .setAsString(countries.fieldByName(byLetters ? box.letterCodeName : QStringLiteral("Bez")).asString());
            declaration.fieldByName(box.codeField)
                .setAsString(byLetters ? letters : countries.fieldByName(QStringLiteral("Land")).asString());
            shell::PostIfEditing(declaration);
        });
}

std::optional<shell::PickValues> pickPreviousDocument(shell::EntryWindow &window, const QString &field)
{
    masterdata::TfrmInfoF40 information(&window);
    if (information.exec() != QDialog::Accepted)
        return std::nullopt;
    return shell::PickValues { { field,
        information.Edit1->text() + QLatin1Char('-') + information.Edit2->text() + QLatin1Char('-') } };
}

} // namespace sad
