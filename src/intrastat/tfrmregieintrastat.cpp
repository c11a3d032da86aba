#include "intrastat/tfrmregieintrastat.h"

#include "intrastat/tfrmexpodis.h"
#include "intrastat/tfrmintra.h"
#include "intrastat/tfrmintra_d.h"
#include "platform/field.h"
#include "platform/filtercondition.h"
#include "platform/query.h"
#include "platform/table.h"
#include "platform/tableschema.h"
#include "shell/buttonlook.h"
#include "shell/documentroutines.h"
#include "shell/parameterrecord.h"
#include "shell/positionlist.h"
#include "shell/radiogroup.h"
#include "shell/tfrmsuche.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace intrastat {

TfrmRegieIntrastat *frmRegieIntrastat = nullptr;

namespace {

shell::DocumentRegister *registerInstance = nullptr;

// Appends the template head and its first position to a pair of tables
// when they are missing, and counts the positions of every head.
void prepareTables(const Direction &direction)
{
    platform::Table head(platform::Alias::Data, direction.headTable());
    head.open();
    if (!head.findKey({ shell::TemplateNumber })) {
        head.append();
        head.field(0).setAsInteger(shell::TemplateNumber);
        shell::setTodayInto(head, 1);
        head.post();
    }
    head.close();
    platform::Table positions(platform::Alias::Data, direction.positionTable());
    positions.open();
    if (!positions.findKey({ shell::TemplateNumber, 1 })) {
        positions.append();
        positions.field(0).setAsInteger(shell::TemplateNumber);
        positions.field(1).setAsInteger(1);
        positions.post();
    }
    positions.close();
    const QString heads = platform::TableSchema::tableNameOf(direction.headTable());
    const QString lines = platform::TableSchema::tableNameOf(direction.positionTable());
    const QString counted
        = QStringLiteral("(SELECT COUNT(*) FROM \"%1\" WHERE \"%1\".\"belegnr\" = \"%2\".\"belegnr\")")
              .arg(lines, heads);
    platform::Query update(platform::Alias::Data,
        QStringLiteral("UPDATE \"%1\" SET \"Positionen\" = %2 WHERE \"Positionen\" IS NULL OR \"Positionen\" <> %2")
            .arg(heads, counted));
    update.execSql();
}

} // namespace

shell::DocumentKind intrastatKind(bool isDispatch)
{
    const Direction direction { isDispatch };
    shell::DocumentKind k;
    k.code = isDispatch ? QStringLiteral("2_2") : QStringLiteral("2_1");
    k.registerClass = QStringLiteral("TfrmRegieIntrastat");
    k.caption = QStringLiteral("Regiezentrum: Intrastat - ") + direction.name();
    k.headTable = direction.headTable();
    k.headComponent = isDispatch ? QStringLiteral("tbIntraV") : QStringLiteral("tbIntraE");
    k.numberField = QStringLiteral("belegnr");
    k.positionTable = direction.positionTable();
    k.positionComponent = isDispatch ? QStringLiteral("tbIntraV_x") : QStringLiteral("tbIntraE_x");
    k.positionLinkField = QStringLiteral("belegnr");
    k.parameter = shell::parameterFieldsFor(k.code);
    k.columns = {
        { QStringLiteral("belegnr"), QStringLiteral("BelegNr."), 10 },
        { QStringLiteral("Datum"), QString(), 10 },
        { QStringLiteral("Positionen"), QString(), 10 },
        { QStringLiteral("int2_1"), QStringLiteral("Monat"), 6 },
        { QStringLiteral("int2_2"), QStringLiteral("Jahr"), 6 },
    };
    k.navigationHints = { QStringLiteral("Erste Intrastatmeldung"), QStringLiteral("Vorherige Intrastatmeldung"),
        QStringLiteral("Nächste Intrastatmeldung"), QStringLiteral("Letzte Intrastatmeldung") };
    k.statusNumberPrefix = QStringLiteral("BelegNr. : ");
    k.statusTemplateText = QStringLiteral("BelegNr. : Master-Formular");
    k.printCaptionPrefix = QStringLiteral("Intrastat Druck - ") + direction.name() + QLatin1Char(' ');
    k.search = shell::SearchStyle::Suche;
    k.searchNameCaption = QStringLiteral("Monat");
    k.copy = shell::CopyStyle::DocumentWithPositions;
    k.positionsCountField = QStringLiteral("Positionen");
    k.neuAboveTemplateOpensCurrent = true;
    k.instance = &registerInstance;
    k.createEntryWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
        return new TfrmIntra(static_cast<TfrmRegieIntrastat &>(documentRegister), parent);
    };
    k.createPrintWindow = [](shell::DocumentRegister &documentRegister, QWidget *parent) {
        return new TfrmIntra_d(static_cast<TfrmRegieIntrastat &>(documentRegister).direction(), parent);
    };
    return k;
}

TfrmRegieIntrastat::TfrmRegieIntrastat(bool isDispatch, QWidget *parent)
    : shell::DocumentRegister(intrastatKind(isDispatch), parent)
    , m_direction { isDispatch }
{
    frmRegieIntrastat = this;
    prepareOtherDirection();
    BitBtn1 = addCommandButton(QStringLiteral("BitBtn1"), QStringLiteral("&Diskette"), [this] { BitBtn1Click(); });
}

TfrmRegieIntrastat::~TfrmRegieIntrastat()
{
    if (frmRegieIntrastat == this)
        frmRegieIntrastat = nullptr;
}

void TfrmRegieIntrastat::prepareOtherDirection()
{
    // Both directions keep their templates and counts, although only one
    // is worked on.
    prepareTables(Direction { !m_direction.isDispatch });
}

bool TfrmRegieIntrastat::createDocument(int number)
{
    // The head only: a new declaration starts without positions.
    return shell::NewRecordFromTemplate(head(), number);
}

void TfrmRegieIntrastat::bbtAendernClick()
{
    m_templatePosition = shell::templateLineTexts(*positions());
    shell::DocumentRegister::bbtAendernClick();
    m_templatePosition.clear();
}

void TfrmRegieIntrastat::prepareSearch(shell::TfrmSuche &dialog)
{
    dialog.RadioGroup1->setItems({ QStringLiteral("BelegNr."), QStringLiteral("Monat") });
    dialog.setSearchRoutine([this](shell::TfrmSuche &d) { SuchenRoutine(d); });
}

void TfrmRegieIntrastat::SuchenRoutine(shell::TfrmSuche &dialog)
{
    const QString text = dialog.searchText();
    if (text.isEmpty())
        return;
    if (dialog.searchKey() == 0)
        head().setFilter({ shell::numberSearchCondition(QStringLiteral("belegnr"), text) });
    else
        // The month exactly as typed: "3" does not find "03".
        head().setFilter({ platform::FilterCondition::equal(QStringLiteral("int2_1"), text) });
    head().setFiltered(true);
}

void TfrmRegieIntrastat::BitBtn1Click()
{
    Tfrmexpodis window(*this, this);
    window.exec();
}

TfrmIntrasta_EV::TfrmIntrasta_EV(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmIntrasta_EV"));
    setWindowTitle(QStringLiteral("Auswahl für Intrastat"));
    auto *layout = new QVBoxLayout(this);
    RadioButton1 = new QRadioButton(QStringLiteral("Eingang"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2 = new QRadioButton(QStringLiteral("Versendung"), this);
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton2->setChecked(true);
    layout->addWidget(RadioButton1);
    layout->addWidget(RadioButton2);
    auto *buttons = new QHBoxLayout;
    BtnOK = new QPushButton(QStringLiteral("OK"), this);
    BtnOK->setDefault(true);
    BtnAbbruch = new QPushButton(QStringLiteral("Abbruch"), this);
    buttons->addWidget(BtnOK);
    buttons->addWidget(BtnAbbruch);
    layout->addLayout(buttons);
    connect(BtnOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAbbruch, &QPushButton::clicked, this, &QDialog::reject);
    shell::applyRaisedButtonLook(this);
    resize(260, 130);
}

bool TfrmIntrasta_EV::dispatchChosen() const
{
    return !RadioButton1->isChecked();
}

QDialog *createIntrastatRegister(QWidget *parent)
{
    bool dispatch = true;
    {
        TfrmIntrasta_EV chooser(parent);
        if (chooser.exec() != QDialog::Accepted)
            return nullptr;
        dispatch = chooser.dispatchChosen();
    }
    return new TfrmRegieIntrastat(dispatch, parent);
}

} // namespace intrastat
