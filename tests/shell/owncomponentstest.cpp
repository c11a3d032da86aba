#include "platform/testtables.h"

#include "platform/dataset.h"
#include "platform/datasetmodel.h"
#include "platform/query.h"
#include "platform/scripteddialogservice.h"
#include "platform/session.h"
#include "platform/table.h"
#include "platform/tablefiles.h"
#include "shell/tchoosepathbox.h"
#include "shell/tmyhtmllabel.h"
#include "shell/tmynav.h"
#include "shell/tpathdialog.h"
#include "shell/twheeldbgrid.h"
#include "support/modaldialog.h"
#include "support/testprogramdirectory.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <set>

using namespace shell;
using platform::Alias::Data;

namespace {

TEST(MarkupLabelTest, TagsSwitchStylesAndLineBreaksMoveDownBySizePlusFive)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(10);
    const TMyHtmlLabel::Layout layout = TMyHtmlLabel::layoutMarkup(QStringLiteral("<B>Fett</B><br>zwei"), font, 12);
    ASSERT_EQ(layout.glyphs.size(), 8);
    int x = 0;
    for (int i = 0; i < 4; ++i) {
        const TMyHtmlLabel::Glyph &glyph = layout.glyphs.at(i);
        EXPECT_EQ(glyph.character, QStringLiteral("Fett").at(i));
        EXPECT_TRUE(glyph.font.bold());
        EXPECT_EQ(glyph.position, QPoint(x, 0));
        x += QFontMetrics(glyph.font).horizontalAdvance(glyph.character);
    }
    const int firstWidth = x;
    x = 0;
    for (int i = 4; i < 8; ++i) {
        const TMyHtmlLabel::Glyph &glyph = layout.glyphs.at(i);
        EXPECT_FALSE(glyph.font.bold());
        EXPECT_EQ(glyph.position, QPoint(x, 10 + 5)) << "second line: size plus 5 pixels lower";
        x += QFontMetrics(glyph.font).horizontalAdvance(glyph.character);
    }
    EXPECT_EQ(layout.width, std::max(firstWidth, x));
    EXPECT_EQ(layout.height, 0 + 2 * 10 + 10) << "a label lower than y + 2 size + 5 grows to y + 2 size + 10";
    EXPECT_EQ(TMyHtmlLabel::layoutMarkup(QStringLiteral("a<br>b"), font, 40).height, 40)
        << "a tall label keeps its height";

    struct Case {
        QString caption;
        QString drawn;
        bool italic; // of the last glyph
    };
    const QVector<Case> cases = {
        { "<Q>x", "x", false }, // unknown tag: skipped, no style
        { "a < b", "a < b", false }, // a less-than sign that starts no tag
        { "<i>k</x>y", "ky", true }, // closing an unknown style changes nothing
        { "<I>k</i>y", "ky", false },
        { "<", "<", false },
    };
    for (const Case &c : cases) {
        const auto glyphs = TMyHtmlLabel::layoutMarkup(c.caption, font, 20).glyphs;
        QString drawn;
        for (const auto &glyph : glyphs)
            drawn.append(glyph.character);
        EXPECT_EQ(drawn, c.drawn) << c.caption.toStdString();
        ASSERT_FALSE(glyphs.isEmpty());
        EXPECT_EQ(glyphs.constLast().font.italic(), c.italic) << c.caption.toStdString();
        EXPECT_FALSE(glyphs.constLast().font.bold()) << c.caption.toStdString();
    }

    QWidget parent;
    parent.setFont(font);
    TMyHtmlLabel label(&parent);
    label.resize(5, 12);
    label.setAutoSize(true);
    label.setCaption(QStringLiteral("<B>Fett</B><BR>zwei"));
    EXPECT_EQ(label.width(), layout.width) << "auto size takes the widest line";
    EXPECT_EQ(label.height(), 30);
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    label.render(&image);
    int inkOnFirstLine = 0, inkOnSecondLine = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) != QColor(Qt::white).rgb())
                ++(y < 15 ? inkOnFirstLine : inkOnSecondLine);
        }
    }
    EXPECT_GT(inkOnFirstLine, 0);
    EXPECT_GT(inkOnSecondLine, 0);
}

class PathDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QDir root(dir.path());
        root.mkpath("leer");
        root.mkpath("daten");
        QFile file(root.filePath("daten/Rechnung.DB"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString folder(const QString &name) const { return QDir(dir.path()).filePath(name); }

    QTemporaryDir dir;
};

TEST_F(PathDialogTest, OkOnlyForAFolderHoldingTheFile)
{
    struct Step {
        QString folder;
        bool okEnabled;
    };
    const QVector<Step> steps = { { "leer", false }, { "daten", true }, { "leer", false } };
    QVector<bool> seen;
    QString caption, shownPath;
    testsupport::onNextModal([&](QDialog *dialog) {
        auto *box = qobject_cast<TChoosePathBox *>(dialog);
        caption = box->windowTitle();
        shownPath = box->EditPath->text();
        for (const Step &step : steps) {
            box->setDirectory(folder(step.folder));
            seen.append(box->BtnOK->isEnabled());
        }
        box->setDirectory(folder("daten"));
        box->BtnOK->click();
    });
    TPathDialog pathDialog;
    pathDialog.Title = QStringLiteral("Pfad der Datenbanken auswählen!");
    pathDialog.FileName = QStringLiteral("Rechnung.DB");
    pathDialog.Path = folder("leer");
    EXPECT_TRUE(pathDialog.Execute());
    EXPECT_EQ(caption, "Pfad der Datenbanken auswählen!");
    EXPECT_EQ(shownPath, folder("leer"));
    ASSERT_EQ(seen.size(), steps.size());
    for (int i = 0; i < steps.size(); ++i)
        EXPECT_EQ(seen.at(i), steps.at(i).okEnabled) << steps.at(i).folder.toStdString();
    EXPECT_EQ(pathDialog.Path, folder("daten"));

    testsupport::onNextModal([&](QDialog *dialog) {
        auto *box = qobject_cast<TChoosePathBox *>(dialog);
        EXPECT_EQ(box->windowTitle(), "Pfad auswählen");
        EXPECT_TRUE(box->BtnOK->isEnabled()) << "without a file name every folder will do";
        box->setDirectory(folder("daten"));
        box->BtnAbbruch->click();
    });
    TPathDialog plain;
    plain.Path = folder("leer");
    EXPECT_FALSE(plain.Execute());
    EXPECT_EQ(plain.Path, folder("daten")) << "the path is returned whatever button closed the window";
}

TEST_F(PathDialogTest, ATableFileCountsWhenTheFoldersDatabaseHoldsTheTable)
{
    registerPlatformTestTables();
    testsupport::TestProgramDirectory program;
    EXPECT_TRUE(platform::tableFileExists(program.dataDirectory(), QStringLiteral("testkopf.db")));
    EXPECT_FALSE(platform::tableFileExists(program.dataDirectory(), QStringLiteral("Rechnung.DB")));
    EXPECT_FALSE(platform::tableFileExists(folder("leer"), QStringLiteral("TESTKOPF.DB")));
    EXPECT_TRUE(QDir(folder("leer")).isEmpty()) << "no database is created where none is";
    EXPECT_TRUE(platform::tableFileExists(folder("daten"), QStringLiteral("Rechnung.DB")));
    EXPECT_FALSE(TChoosePathBox::driveRoots().isEmpty());
    EXPECT_EQ(TChoosePathBox::driveRoots().constFirst(), QDir::rootPath());
}

// A table that counts the rows it is asked for.
class CountingTable : public platform::Table
{
public:
    using Table::Table;
    std::set<int> fetched;

protected:
    QVector<QVariant> fetchRow(int position) override
    {
        fetched.insert(position);
        return Table::fetchRow(position);
    }
};

class GridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        registerPlatformTestTables();
        dir = std::make_unique<testsupport::TestProgramDirectory>();
    }

    void fill(int count)
    {
        platform::Database &db = dir->session().database(Data);
        db.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?) "
                               "INSERT INTO TESTKOPF (BelegNr, Name1) SELECT i, 'Kunde ' || i FROM n"),
            { count });
    }

    static void wheel(QWidget *grid, QPoint angle)
    {
        QWheelEvent event(QPointF(10, 10), grid->mapToGlobal(QPointF(10, 10)), QPoint(), angle, Qt::NoButton,
            Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(grid, &event);
    }

    std::unique_ptr<testsupport::TestProgramDirectory> dir;
};

TEST_F(GridTest, OneWheelStepMovesOneRecordAndTheSelectionFollows)
{
    fill(10);
    platform::Table table(Data, QStringLiteral("TESTKOPF.DB"));
    table.open();
    platform::DataSetModel model(&table, { { "BelegNr", "Nr.", 60 }, { "Name1", "Name", 0 } });
    TWheelDBGrid grid;
    grid.setModel(&model);
    grid.resize(300, 200);
    grid.show();
    EXPECT_EQ(grid.columnWidth(0), 60);

    struct Step {
        QPoint angle;
        int recNo;
    };
    const QVector<Step> steps = {
        { { 0, -120 }, 2 }, // towards the user: next
        { { 0, -360 }, 3 }, // a large step still moves one record
        { { 0, -15 }, 4 }, // so does a fine one
        { { 0, 120 }, 3 }, { { 120, 0 }, 3 }, // sideways: no record step
    };
    for (const Step &step : steps) {
        wheel(grid.viewport(), step.angle);
        EXPECT_EQ(table.recNo(), step.recNo) << step.angle.y();
        EXPECT_EQ(grid.currentIndex().row(), step.recNo - 1);
    }

    grid.setCurrentIndex(model.index(7, 1));
    EXPECT_EQ(table.recNo(), 8) << "choosing a row moves the dataset";
    table.first();
    EXPECT_EQ(grid.currentIndex().row(), 0);
    EXPECT_EQ(grid.selectionModel()->selectedRows().size(), 1);
}

TEST_F(GridTest, NumberAndDateColumnsAreWideEnoughForTheirValues)
{
    platform::Database &db = dir->session().database(Data);
    db.exec(QStringLiteral("INSERT INTO TESTKOPF (BelegNr, Datum, Name1, Betrag) "
                           "VALUES (2000000000, '2026-12-11', 'Kunde mit einem langen Namen', 1234567.5)"));
    platform::Table table(Data, QStringLiteral("TESTKOPF.DB"));
    table.open();
    // Widths as a kind declares them, too narrow for what the rows hold.
    platform::DataSetModel model(
        &table, { { "BelegNr", "Nr.", 30 }, { "Datum", "Datum", 30 }, { "Betrag", "", 30 }, { "Name1", "Name", 30 } });
    TWheelDBGrid grid;
    grid.setModel(&model);
    grid.show();
    const QFontMetrics metrics(grid.font());
    for (const auto &[column, text] :
        QList<QPair<int, QString>> { { 0, "2000000000" }, { 1, "11.12.2026" }, { 2, "1.234.567,50" } }) {
        EXPECT_EQ(model.index(0, column).data().toString(), text);
        EXPECT_GT(grid.columnWidth(column), metrics.horizontalAdvance(text)) << text.toStdString();
    }
    EXPECT_EQ(grid.columnWidth(3), 30) << "a text column keeps the width it was given";
}

TEST_F(GridTest, GridOverManyRecordsReadsOnlyWhatItShows)
{
    constexpr int Count = 100000;
    fill(Count);
    QElapsedTimer clock;
    clock.start();
    CountingTable table(Data, QStringLiteral("TESTKOPF.DB"));
    table.open();
    platform::DataSetModel model(&table, { { "BelegNr", "Nr.", 60 }, { "Name1", "Name", 120 } });
    TWheelDBGrid grid;
    grid.setModel(&model);
    grid.resize(400, 300);
    grid.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(model.rowCount(), Count);
    EXPECT_LT(table.fetched.size(), 200u) << "opening reads the rows on screen";

    table.last();
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.currentIndex().row(), Count - 1);
    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum() / 2);
    QCoreApplication::processEvents();
    for (int i = 0; i < 20; ++i)
        wheel(grid.viewport(), { 0, -120 });
    QCoreApplication::processEvents();
    EXPECT_EQ(table.recNo(), Count) << "at the end the wheel stays on the last record";
    EXPECT_LT(table.fetched.size(), 1000u) << "scrolling reads only the rows shown";
    EXPECT_LT(clock.elapsed(), 10000) << "loosely: a grid over 100,000 rows opens and scrolls at once";
}

TEST_F(GridTest, NavigatorEnablesWhatCanActAndAsksBeforeDeleting)
{
    fill(3);
    platform::Table table(Data, QStringLiteral("TESTKOPF.DB"));
    table.open();
    TMyNav nav;
    nav.setDataSet(&table);
    auto enabled = [&nav] {
        QString flags;
        for (int i = 0; i < TMyNav::ButtonCount; ++i)
            flags.append(nav.button(TMyNav::Button(i))->isEnabled() ? QLatin1Char('1') : QLatin1Char('0'));
        return flags;
    };
    // first prior next last insert delete edit post cancel refresh
    EXPECT_EQ(enabled(), "0011111001");
    nav.btnClick(TMyNav::Last);
    EXPECT_EQ(enabled(), "1100111001");
    nav.btnClick(TMyNav::Edit);
    EXPECT_EQ(enabled(), "1100110110");
    nav.btnClick(TMyNav::Cancel);

    platform::ScriptedDialogService dialogs;
    platform::DialogServiceGuard guard(dialogs);
    dialogs.answer(platform::DialogAnswer::Cancel);
    dialogs.answer(platform::DialogAnswer::Ok);
    nav.btnClick(TMyNav::Delete);
    EXPECT_EQ(table.recordCount(), 3);
    nav.btnClick(TMyNav::Delete);
    EXPECT_EQ(table.recordCount(), 2);
    EXPECT_EQ(dialogs.texts(), QStringList({ "Datensatz löschen?", "Datensatz löschen?" }));

    platform::Query query(Data, QStringLiteral("SELECT BelegNr FROM TESTKOPF"));
    query.open();
    nav.setDataSet(&query);
    EXPECT_EQ(enabled(), "0011000001") << "nothing that changes a read-only dataset";
    nav.setVisibleButtons({ TMyNav::First, TMyNav::Prior, TMyNav::Next, TMyNav::Last });
    EXPECT_TRUE(nav.button(TMyNav::First)->isVisibleTo(&nav));
    EXPECT_FALSE(nav.button(TMyNav::Insert)->isVisibleTo(&nav));
    nav.setHints({ "Erste Position", "Vorherige Position" });
    EXPECT_EQ(nav.button(TMyNav::Prior)->toolTip(), "Vorherige Position");
    EXPECT_EQ(nav.button(TMyNav::Next)->toolTip(), "Nächster Datensatz");
    nav.setColor(Qt::yellow);
    EXPECT_EQ(nav.color(), QColor(Qt::yellow));
    EXPECT_FALSE(nav.parentColor());
}

} // namespace
