#include "registerfixture.h"

#include "atlas/atlaswindows.h"
#include "atlas/declarationtables.h"
#include "atlas/tfrmregieatlas.h"
#include "shell/documentkind.h"
#include "shell/numberrangedialog.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmsuche.h"
#include "shell/twheeldbgrid.h"
#include "shell/windowfactories.h"
#include "support/modaldialog.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace atlas;
using shell::TemplateNumber;

namespace {

const QString Today = QStringLiteral("15.03.2024");

// Closes the next entry window as soon as it shows; notes that it did.
void closeNextWindow(bool *opened = nullptr)
{
    testsupport::onNextModal([opened](QDialog *dialog) {
        if (opened)
            *opened = true;
        dialog->done(QDialog::Rejected);
    });
}

// Closes entry windows that open while it exists; counts them. Its polling
// ends with it, so a window that never opens leaves nothing behind.
class WindowCloser : public QObject
{
public:
    WindowCloser()
    {
        auto *timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this] {
            if (auto *window = qobject_cast<shell::DocumentEntryWindow *>(QApplication::activeModalWidget())) {
                ++opened;
                window->done(QDialog::Rejected);
            }
        });
        timer->start(5);
    }
    int opened = 0;
};

} // namespace

TEST_F(AtlasRegisterTest, TheMainWindowKeyOpensTheRegisterWithTemplateAndTemplateItem)
{
    registerAtlasWindows();
    const shell::WindowFactory factory = shell::windowFactory(QStringLiteral("Atlas"));
    ASSERT_TRUE(factory);
    std::unique_ptr<QDialog> window(factory(nullptr));
    auto *reg = qobject_cast<TfrmRegieAtlas *>(window.get());
    ASSERT_NE(reg, nullptr);
    EXPECT_EQ(reg->objectName(), "TfrmRegieAtlas");
    EXPECT_EQ(reg->windowTitle(), "Regiezentrum: Atlas AE");
    EXPECT_EQ(frmRegieAtlas, reg);
    QStringList titles;
    QAbstractItemModel *model = reg->dbgrRegie->model();
    for (int column = 0; column < model->columnCount(); ++column)
        titles << model->headerData(column, Qt::Horizontal).toString();
    EXPECT_EQ(titles, QStringList({ "BelegNr", "Datum", "Empfänger" }));
    EXPECT_EQ(reg->SpeedButton11->toolTip(), "Letzte Ausfuhrmeldung");
    EXPECT_TRUE(reg->SpeedButton7->isHidden()) << "no print command";
    EXPECT_FALSE(reg->Drucken1->isVisible());
    EXPECT_EQ(reg->SpeedButtonAtlasExport->text(), "&Atlas Export");
    EXPECT_EQ(headText(TemplateNumber, "Datum"), Today);
    EXPECT_EQ(listColumn(Tables::Ware, TemplateNumber, "Pos"), QStringList({ "1" })) << "the template item";
    EXPECT_EQ(reg->tables().tbWarenPos, &reg->tbWarenPos());
    window.reset();
    EXPECT_EQ(frmRegieAtlas, nullptr);
}

TEST_F(AtlasRegisterTest, NeuCopiesTheTemplateWithItsListsButNeverTheRouteNorTheExportDeclaration)
{
    addTemplate();
    TfrmRegieAtlas reg;
    bool opened = false;
    closeNextWindow(&opened);
    reg.SpeedButton2->click();
    EXPECT_TRUE(opened) << "the entry window opens on the new declaration";
    EXPECT_TRUE(dialogs.calls().isEmpty()) << "no number is asked";
    EXPECT_EQ(headNumbers(), QList<int>({ 1, TemplateNumber }));
    EXPECT_EQ(reg.currentNumber(), 1);
    EXPECT_EQ(headText(1, "Datum"), Today);
    EXPECT_EQ(headText(1, "Art3"), "AM");
    EXPECT_EQ(headText(1, "Art1"), "a");
    EXPECT_EQ(headText(1, "EMP_Name"), "Vorlage");
    EXPECT_EQ(headText(1, "BelegNrAE"), "") << "the template's export declaration is not the copy's";
    EXPECT_EQ(listColumn(Tables::Verschluss, 1, "Zeichen"), QStringList({ "Plombe" }));
    EXPECT_EQ(listColumn(Tables::Ware, 1, "WarenBez"), QStringList({ "Muster" }));
    EXPECT_EQ(listColumn(Tables::Vorpapier, 1, "Typ"), QStringList({ "X" }));
    EXPECT_EQ(listColumn(Tables::Packst, 1, "Verpackungsart"), QStringList({ "CT" }));
    EXPECT_EQ(listColumn(Tables::Container, 1, "Nummer"), QStringList({ "C9" }));
    EXPECT_EQ(listColumn(Tables::Unterlage, 1, "Typ"), QStringList({ "N380" }));
    EXPECT_EQ(count(Tables::Route, 1), 0) << "a new declaration starts with an empty route";
    EXPECT_EQ(parameterValue("Vorschlag_AtlasAE"), "1") << "the free number itself";
    EXPECT_EQ(reg.tbWarenPos().recordCount(), 1) << "the lists follow the new declaration";
}

TEST_F(AtlasRegisterTest, NeuTakesTheFirstFreeNumberFromTheProposal)
{
    addTemplate();
    addHead(1);
    addHead(2);
    addHead(5);
    setParameter("Vorschlag_AtlasAE", 0);
    TfrmRegieAtlas reg;
    for (int expected : { 3, 4, 6 }) {
        closeNextWindow();
        reg.SpeedButton2->click();
        EXPECT_EQ(reg.currentNumber(), expected);
        EXPECT_EQ(parameterValue("Vorschlag_AtlasAE"), QString::number(expected));
    }
}

TEST_F(AtlasRegisterTest, KopierenCopiesTheListsOrRefusesAnExistingTarget)
{
    addTemplate();
    addDeclaration(5, { { "BelegNrAE", 12 }, { "EMP_Name", "Quelle" } });
    addHead(6);
    setParameter("Vorschlag_AtlasAE", 6);
    TfrmRegieAtlas reg;
    ASSERT_TRUE(reg.head().findKey({ 5 }));

    // A target that exists: nothing is copied; the proposal has moved past the free number.
    testsupport::onNextModal([](QDialog *dialog) {
        auto *copy = qobject_cast<shell::TCopyDlg *>(dialog);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->Edit2->text(), "7");
        copy->Edit2->setText("6");
        copy->OKBtn->click();
    });
    reg.SpeedButton5->click();
    ASSERT_EQ(dialogs.calls().size(), 1);
    EXPECT_EQ(dialogs.calls().at(0).text, "Ziel - Belegnummer existiert bereits !");
    EXPECT_EQ(count(Tables::Verschluss, 6), 0);
    EXPECT_EQ(parameterValue("Vorschlag_AtlasAE"), "8");

    bool opened = false;
    testsupport::onNextModal([&opened](QDialog *dialog) {
        auto *copy = qobject_cast<shell::TCopyDlg *>(dialog);
        ASSERT_NE(copy, nullptr);
        EXPECT_EQ(copy->Edit2->text(), "8") << "the proposal stayed past the refused number";
        closeNextWindow(&opened);
        copy->OKBtn->click();
    });
    ASSERT_TRUE(reg.head().findKey({ 5 }));
    reg.SpeedButton5->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(parameterValue("Vorschlag_AtlasAE"), "8");
    EXPECT_EQ(headText(8, "EMP_Name"), "Quelle");
    EXPECT_EQ(headText(8, "Datum"), Today);
    EXPECT_EQ(headText(8, "BelegNrAE"), "");
    EXPECT_EQ(headText(5, "BelegNrAE"), "12");
    EXPECT_EQ(listColumn(Tables::Verschluss, 8, "Zeichen"), QStringList({ "S1", "S2" }));
    EXPECT_EQ(listColumn(Tables::Ware, 8, "WarenBez"), QStringList({ "Pumpe", "Ventil" }));
    for (const QString &table : { Tables::Vorpapier, Tables::Packst, Tables::Container, Tables::Unterlage })
        EXPECT_EQ(listColumn(table, 8, "WarenPos"), QStringList({ "1" })) << table.toStdString();
    EXPECT_EQ(count(Tables::Route, 7), 0);
}

TEST_F(AtlasRegisterTest, ACopyThatFailsHalfwayLeavesNothingBehind)
{
    addTemplate();
    addDeclaration(5);
    // A supporting document left over under the target collides with the copy's last list.
    addItemEntry(Tables::Unterlage, 7, 1, 1, { { "Typ", "ALT" } });
    TfrmRegieAtlas reg;
    ASSERT_TRUE(reg.head().findKey({ 5 }));
    WindowCloser closer;
    testsupport::onNextModal([](QDialog *dialog) {
        auto *copy = qobject_cast<shell::TCopyDlg *>(dialog);
        ASSERT_NE(copy, nullptr);
        copy->Edit2->setText("7");
        copy->OKBtn->click();
    });
    reg.SpeedButton5->click();
    EXPECT_EQ(closer.opened, 0);
    ASSERT_GE(dialogs.calls().size(), 2);
    EXPECT_EQ(dialogs.calls().last().text, "Beim kopieren der Daten ist ein Fehler aufgetreten!");
    EXPECT_EQ(headNumbers(), QList<int>({ 5, TemplateNumber }));
    for (const QString &table :
        { Tables::Verschluss, Tables::Ware, Tables::Vorpapier, Tables::Packst, Tables::Container })
        EXPECT_EQ(count(table, 7), 0) << table.toStdString();
    EXPECT_EQ(listColumn(Tables::Unterlage, 7, "Typ"), QStringList({ "ALT" }));
    EXPECT_EQ(reg.currentNumber(), 5) << "the register stays on the source";
}

TEST_F(AtlasRegisterTest, LoeschenRemovesTheDeclarationsWithEveryList)
{
    addTemplate();
    for (int number : { 3, 4, 5 })
        addDeclaration(number);
    TfrmRegieAtlas reg;
    ASSERT_TRUE(reg.head().findKey({ 3 }));
    testsupport::onNextModal([](QDialog *dialog) {
        auto *range = qobject_cast<shell::TDeleteDlg *>(dialog);
        ASSERT_NE(range, nullptr);
        range->Edit2->setText("4");
        range->OKBtn->click();
    });
    reg.SpeedButton4->click();
    EXPECT_EQ(headNumbers(), QList<int>({ 5, TemplateNumber }));
    for (const QString &table : { Tables::Verschluss, Tables::Route, Tables::Ware, Tables::Vorpapier, Tables::Packst,
             Tables::Container, Tables::Unterlage }) {
        EXPECT_EQ(count(table, 3) + count(table, 4), 0) << table.toStdString();
        EXPECT_GT(count(table, 5), 0) << table.toStdString();
    }
}

TEST_F(AtlasRegisterTest, SearchFindsTheExactNumberOrTheConsigneeAsTyped)
{
    addTemplate();
    addHead(1, { { "EMP_Name", "Müller GmbH" } });
    addHead(10, { { "EMP_Name", "müller" } });
    addHead(11, { { "EMP_Name", "Mülheim AG" } });
    struct Case {
        int key;
        QString text;
        QList<int> found;
    };
    const Case cases[] = {
        { 1, "Mül", { 1, 11 } },
        { 1, "müller", { 10 } },
        { 0, "1", { 1 } },
        { 1, "O'N", {} },
    };
    TfrmRegieAtlas reg;
    for (const Case &c : cases) {
        QList<int> found;
        testsupport::onNextModal([&](QDialog *dialog) {
            auto *search = qobject_cast<shell::TfrmSuche *>(dialog);
            ASSERT_NE(search, nullptr);
            EXPECT_EQ(search->RadioGroup1->items(), QStringList({ "BelegNr.", "Empfänger" }));
            search->RadioGroup1->setItemIndex(c.key);
            search->Edit1->setText(c.text);
            search->SpeedButton3->click();
            for (int i = 0; i < reg.head().recordCount(); ++i)
                found.append(reg.head().rowAt(i).value(0).toInt());
            search->BtnAbbruch->click();
        });
        reg.SpeedButton6->click();
        EXPECT_EQ(found, c.found) << c.text.toStdString();
        EXPECT_FALSE(reg.head().filtered());
    }
}

TEST_F(AtlasRegisterTest, ClosingOnTheTemplateAloneLeavesDeclarationOneAndKeepsTheCurrentNumber)
{
    shell::CurrentDocumentNumber = 42;
    {
        TfrmRegieAtlas reg;
        reg.show();
        EXPECT_EQ(reg.currentNumber(), TemplateNumber);
        reg.SpeedButton1->click();
    }
    EXPECT_EQ(headNumbers(), QList<int>({ 1, TemplateNumber }));
    EXPECT_EQ(headText(1, "Datum"), Today);
    EXPECT_EQ(count(Tables::Ware, 1), 0) << "declaration 1 has its head only";
    EXPECT_EQ(shell::CurrentDocumentNumber, 42);
}
