#include "sadfixture.h"

#include "sad/exportlist.h"
#include "shell/tfrmdates.h"
#include "support/modaldialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtEndian>

#include <zlib.h>

using namespace sad;

namespace {

// The content of one member of a zip file (stored or deflated).
QByteArray zipMember(const QString &path, const QString &member)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray zip = file.readAll();
    int at = 0;
    while (at + 30 <= zip.size() && qFromLittleEndian<quint32>(zip.constData() + at) == 0x04034b50) {
        const char *header = zip.constData() + at;
        const quint16 method = qFromLittleEndian<quint16>(header + 8);
        const quint32 packed = qFromLittleEndian<quint32>(header + 18);
        const quint32 size = qFromLittleEndian<quint32>(header + 22);
        const quint16 nameLength = qFromLittleEndian<quint16>(header + 26);
        const quint16 extraLength = qFromLittleEndian<quint16>(header + 28);
        const QByteArray name = zip.mid(at + 30, nameLength);
        const QByteArray data = zip.mid(at + 30 + nameLength + extraLength, packed);
        if (name == member.toUtf8()) {
            if (method == 0)
                return data;
            QByteArray out(int(size), '\0');
            z_stream stream {};
            inflateInit2(&stream, -MAX_WBITS);
            stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(data.constData()));
            stream.avail_in = uInt(data.size());
            stream.next_out = reinterpret_cast<Bytef *>(out.data());
            stream.avail_out = uInt(out.size());
            inflate(&stream, Z_FINISH);
            inflateEnd(&stream);
            return out;
        }
        at += 30 + nameLength + extraLength + int(packed);
    }
    return {};
}

} // namespace

class ListTest : public SadTest
{
protected:
    void addDated(int number, const QDate &date, const QString &aeNr, const QString &amount = "100,00")
    {
        addDeclaration(number,
            { { "datum", date }, { "AENR", aeNr }, { "f17_2", "Schweiz" }, { "f22_2", amount }, { "f7", "Bezug" } });
    }
};

TEST(PadToWidth, PadsAndNeverCuts)
{
    EXPECT_EQ(PadToWidth("1", 5, false), "    1");
    EXPECT_EQ(PadToWidth("AB", 4, true), "AB  ");
    EXPECT_EQ(PadToWidth("ABCDEF", 4, true), "ABCDEF");
}

TEST_F(ListTest, TheDeclarationsOfTheRangeAsFixedWidthLines)
{
    addDated(3, QDate(2024, 3, 7), "AE12345678"); // ten characters
    addDated(1, QDate(2024, 3, 1), "A1", "1.234.567,891"); // thirteen characters
    addDated(2, QDate(2024, 3, 5), "A2");
    addDated(4, QDate(2024, 4, 1), "A4"); // outside the range
    const QVector<ListedDeclaration> rows = declarationsDated(QDate(2024, 3, 1), QDate(2024, 3, 31));
    const QStringList lines = declarationListLines(rows);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.at(0), "    1 A1         01.03.2024 Schweiz            1.234.567,891 Bezug                  ");
    EXPECT_TRUE(lines.at(1).startsWith("    2 A2 "));
    EXPECT_TRUE(lines.at(2).startsWith("    3 AE12345678 07.03.2024 ")) << "one blank after ten characters";

    const QString path = QDir(directory->path()).filePath("liste.txt");
    writeDeclarationText(path, rows);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\r\n"), 3);
    EXPECT_TRUE(bytes.startsWith("    1 A1 "));
}

TEST_F(ListTest, ARangeWithoutDeclarationsAsksForNoFile)
{
    addDated(1, QDate(2024, 3, 1), "A1");
    testsupport::onNextModal([](QDialog *dialog) {
        auto &dates = *qobject_cast<shell::TfrmDates *>(dialog);
        dates.MaskEdit_Von->setText("01.05.2024");
        dates.MaskEdit_Bis->setText("31.05.2024");
        dates.CheckBox2->click();
        dates.BitBtn1->click();
    });
    exportDeclarationList(nullptr);
    EXPECT_EQ(dialogs.texts(), QStringList({ "Es wurde kein Datensatz mit dieser Auswahl gefunden!" }));
}

TEST_F(ListTest, TheDateWindowKeepsOneKindTicked)
{
    shell::TfrmDates dates;
    EXPECT_FALSE(dates.excel());
    EXPECT_FALSE(dates.text());
    dates.CheckBox1->click();
    dates.CheckBox1->click();
    EXPECT_FALSE(dates.excel());
    EXPECT_TRUE(dates.text());
    dates.MaskEdit_Von->setText("31.02.2024");
    dates.MaskEdit_Bis->setText("01.03.2024");
    dates.BitBtn1->click();
    EXPECT_EQ(dialogs.texts(), QStringList({ "Sie haben kein gültiges Datum eingegeben!" }));
    EXPECT_EQ(dates.result(), 0);
}

TEST_F(ListTest, TheWorkbookHoldsNumberTextsAndADateCell)
{
    addDated(1, QDate(2024, 3, 1), "00123");
    const QString path = QDir(directory->path()).filePath("liste.xlsx");
    writeDeclarationWorkbook(path, declarationsDated(QDate(2024, 3, 1), QDate(2024, 3, 1)));
    const QByteArray sheet = zipMember(path, "xl/worksheets/sheet1.xml");
    const QByteArray strings = zipMember(path, "xl/sharedStrings.xml");
    ASSERT_FALSE(sheet.isEmpty());
    EXPECT_TRUE(sheet.contains("<c r=\"A1\"><v>1</v></c>")) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains("<c r=\"B1\" t=\"s\">")) << "AeNR is text";
    // 1 March 2024 is day 45352 of the spreadsheet calendar.
    EXPECT_TRUE(sheet.contains("<v>45352</v>")) << sheet.toStdString();
    EXPECT_FALSE(sheet.contains("r=\"A2\"")) << "no heading row";
    EXPECT_TRUE(strings.contains("00123"));
    EXPECT_TRUE(strings.contains("Schweiz"));
}
