#include "courierfixture.h"

#include "courier/courierwindows.h"
#include "courier/tfrmfedex.h"
#include "courier/tfrmregiefedex.h"
#include "courier/tfrmregieups.h"
#include "courier/tfrmups.h"
#include "courier/waybillwriter.h"
#include "shell/entrywindow.h"
#include "shell/radiogroup.h"
#include "shell/settings.h"
#include "shell/tfrmsuche.h"
#include "shell/twheeldbgrid.h"
#include "shell/windowfactories.h"
#include "support/modaldialog.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <stdexcept>

using namespace courier;

namespace {

struct KindCase {
    const char *key;
    QString table;
    QString caption;
    QString registerClass;
    QStringList columns;
    QString templateDate;
    shell::DocumentRegister **instance;
};

const QVector<KindCase> &kindCases()
{
    static const QVector<KindCase> cases = {
        { "FedEx", Tables::FedEx, "Regiezentrum: Fedex - Frachtbrief", "TfrmRegieFedEx",
            { "BelegNr.", "Datum", "Auftrags-Nr.", "Empfänger" }, "05.03.2024", &frmRegieFedEx },
        { "UPS", Tables::Ups, "Regiezentrum: UPS - Frachtbrief", "TfrmRegieUPS", { "BelegNr.", "Datum", "Empfänger" },
            "1", &frmRegieUPS },
    };
    return cases;
}

// Closes the next entry window as soon as it is shown; notes it.
void closeNextEntryWindow(QString *objectName, QString *numberText = nullptr)
{
    testsupport::onNextModal([objectName, numberText](QDialog *dialog) {
        *objectName = dialog->objectName();
        if (auto *window = qobject_cast<shell::EntryWindow *>(dialog); window && numberText)
            *numberText = window->statusText(1);
        dialog->close();
    });
}

} // namespace

TEST_F(CourierTest, TheMainWindowOpensBothRegistersWhichKeepTheirTemplate)
{
    registerCourierWindows();
    for (const KindCase &c : kindCases()) {
        restart();
        const shell::WindowFactory factory = shell::windowFactory(c.key);
        ASSERT_TRUE(factory) << c.key;
        std::unique_ptr<QDialog> window(factory(nullptr));
        auto *documentRegister = qobject_cast<shell::DocumentRegister *>(window.get());
        ASSERT_NE(documentRegister, nullptr) << c.key;
        EXPECT_EQ(window->objectName(), c.registerClass) << c.key;
        EXPECT_EQ(window->windowTitle(), c.caption) << c.key;
        EXPECT_EQ(*c.instance, documentRegister) << c.key;
        QStringList titles;
        QAbstractItemModel *model = documentRegister->dbgrRegie->model();
        for (int column = 0; column < model->columnCount(); ++column)
            titles << model->headerData(column, Qt::Horizontal).toString();
        EXPECT_EQ(titles, c.columns) << c.key;
        EXPECT_EQ(documentRegister->SpeedButton11->toolTip(), "Letzter Antrag") << c.key;
        EXPECT_EQ(stored(c.table, shell::TemplateNumber, "Datum"), c.templateDate) << c.key;

        // Only the template: the four document commands are off.
        window->show();
        for (QToolButton *button : { documentRegister->SpeedButton3, documentRegister->SpeedButton4,
                 documentRegister->SpeedButton5, documentRegister->SpeedButton6 })
            EXPECT_FALSE(button->isEnabled()) << c.key << " " << button->text().toStdString();
        window->reject();
        window.reset();
        EXPECT_EQ(*c.instance, nullptr) << c.key;
        EXPECT_EQ(stored(c.table, 1, "BelegNr"), "1") << c.key << ": closing appends document 1";
        EXPECT_EQ(stored(c.table, 1, "Datum"), "") << c.key << ": without a date";
        EXPECT_EQ(shell::CurrentDocumentNumber, shell::TemplateNumber) << c.key;
    }
}

TEST_F(CourierTest, TheSearchForTheRecipientLooksAtTheCompanyLineOnly)
{
    addRecord(Tables::FedEx, 1, { { "F3_1", "Meier" }, { "F3_3", "Zeder GmbH" } });
    addRecord(Tables::FedEx, 2, { { "F3_3", "Mei Trading" } });
    addRecord(Tables::FedEx, 3, { { "F3_3", "MEI Logistik" } });
    addRecord(Tables::FedEx, 4, { { "F3_3", "Ahorn KG" } });
    addRecord(Tables::FedEx, shell::TemplateNumber);
    TfrmRegieFedEx documentRegister;
    documentRegister.show();
    QStringList found;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *search = qobject_cast<shell::TfrmSuche *>(dialog);
        ASSERT_NE(search, nullptr);
        EXPECT_EQ(search->RadioGroup1->items(), QStringList({ "BelegNr.", "Empfänger" }));
        search->RadioGroup1->button(1)->click();
        search->Edit1->setText("mei");
        search->SpeedButton3->click();
        platform::Table &head = documentRegister.head();
        for (head.first(); !head.eof(); head.next())
            found << head.fieldByName("F3_3").asString();
        search->BtnAbbruch->click();
    });
    documentRegister.SpeedButton6->click();
    EXPECT_EQ(found, QStringList({ "Mei Trading", "MEI Logistik" }));
    documentRegister.reject();
}

TEST_F(CourierTest, GeneratorsWriteWaybillsByTheContractNamesAndOpenThem)
{
    struct Case {
        Waybill kind;
        QString table;
        QString templateField; // a field of the template that the copy keeps
        QVector<QPair<QString, QString>> written;
        QString entryWindow;
        QString date;
    };
    const QVector<Case> cases = {
        { Waybill::FedEx, Tables::FedEx, "F1_1",
            { { "F3_3", "Zeder GmbH" }, { "F3_9", "Frankreich" }, { "F1_11", "28195" } }, "frmFedex", "05.03.2024" },
        { Waybill::Ups, Tables::Ups, "U1_1",
            { { "U2_5", "Zeder GmbH" }, { "U2_10", "Frankreich" }, { "U1_3", "Export AG" } }, "frmups", "05.03.2024" },
    };
    for (const Case &c : cases) {
        restart();
        addRecord(c.table, shell::TemplateNumber, { { c.templateField, "4711" } });
        {
            WaybillWriter writer(c.kind);
            ASSERT_TRUE(writer.newFromTemplate(17));
            for (const auto &[field, value] : c.written)
                writer.setField(field, value);
            EXPECT_THROW(writer.setField("BelegNr", "1"), std::invalid_argument) << "not part of the contract";
            writer.post();
            QString opened;
            closeNextEntryWindow(&opened);
            writer.edit();
            EXPECT_EQ(opened, c.entryWindow);
            EXPECT_FALSE(writer.newFromTemplate(17)) << "a number taken";
            EXPECT_EQ(dialogs.lastCall().text, "Belegnummer existiert bereits !");
            EXPECT_FALSE(writer.newFromTemplate(0));
        }
        EXPECT_EQ(stored(c.table, 17, c.templateField), "4711");
        EXPECT_EQ(stored(c.table, 17, "Datum"), c.date);
        for (const auto &[field, value] : c.written)
            EXPECT_EQ(stored(c.table, 17, field), value) << field.toStdString();
        EXPECT_EQ(stored(c.table, 1, "BelegNr"), "<none>") << "the hidden register's closing steps do not run";

        QString opened;
        QString numberText;
        closeNextEntryWindow(&opened, &numberText);
        OpenDocument(c.kind, 17);
        EXPECT_EQ(opened, c.entryWindow);
        EXPECT_EQ(numberText, "BelegNr: 17");
        opened.clear();
        OpenDocument(c.kind, 18);
        EXPECT_TRUE(opened.isEmpty()) << "a number no waybill has opens nothing";
    }
    // Texts are cut to their field.
    WaybillWriter writer(Waybill::Ups);
    ASSERT_TRUE(writer.newFromTemplate(5));
    writer.setField("U2_9", "123456789012");
    writer.post();
    EXPECT_EQ(stored(Tables::Ups, 5, "U2_9"), "12345678");
}
