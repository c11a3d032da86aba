#include "startupfixture.h"

#include "shell/options.h"
#include "shell/tfrmoptionen.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace shell;
using testsupport::StartupFixture;

namespace {

TEST(OptionsTest, FreshIniGivesTheDefaults)
{
    StartupFixture f;
    OptionenLesen();
    const MainState &s = mainState();
    struct FontCase {
        const QFont &font;
        const QColor &color;
        const char *family;
        int size;
        QColor expectedColor;
    };
    const FontCase fonts[] = {
        { s.FormularAnzeigeFont, s.FormularAnzeigeFontColor, "MS Sans Serif", 8, Qt::blue },
        { s.StammdatenAnzeigeFont, s.StammdatenAnzeigeFontColor, "MS Sans Serif", 8, Qt::blue },
        { s.EingabeFelderFont, s.EingabeFelderFontColor, "Courier New", 10,
            QApplication::palette().color(QPalette::WindowText) },
        { s.AusdruckFont, s.AusdruckFontColor, "Courier New", 8, Qt::black },
    };
    for (const auto &c : fonts) {
        EXPECT_EQ(c.font.family(), c.family);
        EXPECT_EQ(c.font.pointSize(), c.size);
        EXPECT_FALSE(c.font.bold());
        EXPECT_FALSE(c.font.italic());
        EXPECT_EQ(c.color, c.expectedColor) << c.family;
    }
    EXPECT_EQ(s.HinterGrundFarbe, QApplication::palette().color(QPalette::Button));
    EXPECT_TRUE(s.Abgabensatz && s.StatistischerWert && s.RechnungsWert && s.AEFeld33Focus);
    EXPECT_FALSE(s.AutomatischAnmelden || s.AutomatischAbmelden || s.XP_Themes || s.IntraUebernahme);
}

TEST(OptionsTest, FontsAndOptionsSurviveARestart)
{
    StartupFixture f;
    OptionenLesen();
    MainState &s = mainState();
    s.StammdatenAnzeigeFont.setItalic(true);
    s.AusdruckFont.setItalic(true);
    s.AusdruckFont.setBold(true);
    s.FormularAnzeigeFont = QFont(QStringLiteral("Liberation Sans"), 11);
    s.FormularAnzeigeFontColor = QColor(0x12, 0x34, 0x56);
    s.AutomatischAbmelden = true;
    s.IntraVerfahren = QStringLiteral("40001");
    OptionenSpeichern();
    const MainState written = s;
    resetMainState();
    OptionenLesen();
    EXPECT_TRUE(s.StammdatenAnzeigeFont.italic());
    EXPECT_FALSE(s.StammdatenAnzeigeFont.bold()) << "the bold flag stays as it was";
    EXPECT_TRUE(s.AusdruckFont.italic());
    EXPECT_FALSE(s.EingabeFelderFont.italic()) << "the print font's italic flag is its own";
    EXPECT_EQ(s.FormularAnzeigeFont.family(), "Liberation Sans");
    EXPECT_EQ(s.FormularAnzeigeFont.pointSize(), 11);
    EXPECT_EQ(s.FormularAnzeigeFontColor, written.FormularAnzeigeFontColor);
    EXPECT_TRUE(s.AutomatischAbmelden);
    EXPECT_EQ(s.IntraVerfahren, "40001");
    EXPECT_EQ(IniReadString(QStringLiteral("FormularAnzeigeFontColor"), {}), QString::number(0x563412));
    EXPECT_EQ(IniReadString(QStringLiteral("HinterGrundFarbeColor"), {}), "-2147483633")
        << "the button-face colour stays a system colour";
    EXPECT_EQ(IniReadString(QStringLiteral("AusdruckFontItalic"), {}), "1");
    EXPECT_EQ(IniReadString(QStringLiteral("FormularAnzeigeFontKursiv"), {}), "0");
}

TEST(OptionsTest, ColoursReadAsNamesOrIntegers)
{
    struct Case {
        const char *text;
        bool ok;
        QColor color;
    };
    const Case cases[] = {
        { "clBlue", true, Qt::blue },
        { "16711680", true, Qt::blue },
        { "255", true, Qt::red },
        { "clwhite", true, Qt::white },
        { "-2147483633", true, QApplication::palette().color(QPalette::Button) },
        { "Himmelblau", false, QColor() },
    };
    for (const auto &c : cases) {
        bool ok = false;
        const QColor color = colorFromText(QString::fromLatin1(c.text), &ok);
        EXPECT_EQ(ok, c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(color, c.color) << c.text;
        }
    }
    StartupFixture f;
    f.setOption(QStringLiteral("HinterGrundFarbeColor"), QStringLiteral("Himmelblau"));
    OptionenLesen();
    EXPECT_EQ(mainState().HinterGrundFarbe, QApplication::palette().color(QPalette::Button))
        << "an unreadable colour takes the default";
}

TEST(OptionsTest, DialogKeepsTheTotalsApartAndTakesTheOptionsOnOk)
{
    StartupFixture f;
    OptionenLesen();
    f.setOption(QStringLiteral("Atlas_KundenNr"), QStringLiteral("4711"));
    TfrmOptionen dialog;
    EXPECT_TRUE(dialog.cbRechnungsWert->isChecked());
    EXPECT_FALSE(dialog.cbStatistischerWert->isChecked());
    EXPECT_FALSE(dialog.cbStatistischerWert->isEnabled());
    EXPECT_TRUE(dialog.cbBestaetigung->isChecked());
    EXPECT_EQ(dialog.edAtlasKundenNr->text(), "4711");
    EXPECT_TRUE(dialog.edIntraVerfahren->isHidden());

    dialog.cbRechnungsWert->setChecked(false);
    EXPECT_TRUE(dialog.cbStatistischerWert->isEnabled());
    dialog.cbStatistischerWert->setChecked(true);
    EXPECT_FALSE(dialog.cbRechnungsWert->isChecked());
    EXPECT_FALSE(dialog.cbRechnungsWert->isEnabled());
    dialog.cbIntraUebernahme->setChecked(true);
    EXPECT_FALSE(dialog.edIntraVerfahren->isHidden());
    EXPECT_TRUE(dialog.edIntraArt->isHidden());
    dialog.cbBestaetigung->setChecked(false);
    dialog.edAtlasKundenNr->setText(QString());
    dialog.btnOK->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(mainState().StatistischerWert);
    EXPECT_FALSE(mainState().RechnungsWert);
    EXPECT_TRUE(mainState().AutomatischAbmelden) << "the next close asks nothing";
    EXPECT_TRUE(mainState().IntraUebernahme);
    EXPECT_EQ(IniReadString(QStringLiteral("Atlas_KundenNr"), QStringLiteral("x")), "") << "a cleared number is stored";
}

} // namespace
