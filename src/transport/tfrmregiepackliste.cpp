#include "transport/tfrmregiepackliste.h"

#include "platform/datamemo.h"
#include "platform/table.h"
#include "shell/parameterrecord.h"
#include "transport/packinglisttables.h"
#include "transport/tfrmpali.h"
#include "transport/tfrmpali_d.h"

namespace transport {

shell::DocumentRegister *frmRegiePackliste = nullptr;

const shell::DocumentKind &packingListKind()
{
    static const shell::DocumentKind kind = [] {
        shell::DocumentKind k;
        k.code = QStringLiteral("16");
        k.registerClass = QStringLiteral("TfrmRegiePackliste");
        k.caption = QStringLiteral("Regiezentrum: Packliste");
        k.headTable = PackingListTables::Heads;
        k.headComponent = QStringLiteral("tbpali");
        k.numberField = QStringLiteral("belegnr");
        k.positionTable = PackingListTables::Lines;
        k.positionComponent = QStringLiteral("tbpali2");
        k.positionLinkField = QStringLiteral("belegnr");
        k.parameter = shell::parameterFieldsFor(k.code);
        k.columns = {
            { QStringLiteral("belegnr"), QStringLiteral("Belegnr"), 10 },
            { QStringLiteral("Datum"), QString(), 12 },
        };
        for (int line = 1; line <= 5; ++line)
            k.columns.append({ QStringLiteral("kunde%1").arg(line), QStringLiteral("Empfänger"), 20 });
        k.navigationHints = { QStringLiteral("Erste Packliste"), QStringLiteral("Vorherige Packliste"),
            QStringLiteral("Nächste Packliste"), QStringLiteral("Letzte Packliste") };
        k.printCaptionPrefix = QStringLiteral("Druck Packliste - Belegnummer: ");
        k.search = shell::SearchStyle::Suche;
        k.searchNameField = QStringLiteral("kunde1");
        k.copy = shell::CopyStyle::DocumentWithPositions;
        k.copyNumbersPositionsIn = QStringLiteral("auftrnr");
        k.copyDatesPositionsIn = QStringLiteral("datu");
        k.templatePositionDateField = QStringLiteral("datu");
        k.storesCurrentNumberOnClose = true;
        // Packing list 1 of a closing on the template alone: the number only.
        k.documentOneDatedToday = false;
        k.positionOneOnClose = false;
        k.instance = &frmRegiePackliste;
        k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
            return new Tfrmpali(documentRegister, parent);
        };
        k.createPrintWindow = [](shell::DocumentRegister &, QWidget *parent) { return new Tfrmpali_d(parent); };
        return k;
    }();
    return kind;
}

TfrmRegiePackliste::TfrmRegiePackliste(QWidget *parent)
    : shell::DocumentRegister(packingListKind(), parent)
{
    // The memo texts of the current line for whoever works on the register's
    // lines (the generators): never shown.
    const auto hiddenMemo = [this](const QString &name) {
        auto *memo = new QPlainTextEdit(this);
        memo->setObjectName(name);
        memo->hide();
        return memo;
    };
    Memo1 = hiddenMemo(QStringLiteral("Memo1"));
    Memo2 = hiddenMemo(QStringLiteral("Memo2"));
    const auto boundMemo = [this](const QString &name, const QString &field) {
        auto *memo = new platform::DataMemo(this);
        memo->setObjectName(name);
        memo->hide();
        memo->bind(positions(), field);
        return memo;
    };
    DBMemo1 = boundMemo(QStringLiteral("DBMemo1"), QStringLiteral("Text"));
    DBMemo2 = boundMemo(QStringLiteral("DBMemo2"), QStringLiteral("contents"));
    DBMemo3 = boundMemo(QStringLiteral("DBMemo3"), QStringLiteral("Text"));
}

void TfrmRegiePackliste::OpenDocument(int number)
{
    OpenDocumentIn<TfrmRegiePackliste>(number);
}

} // namespace transport
