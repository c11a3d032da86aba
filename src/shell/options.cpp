#include "shell/options.h"

#include "platform/inifile.h"
#include "shell/mainstate.h"
#include "shell/settings.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QPalette>

namespace shell {

namespace {

QColor systemColor(int index)
{
    const QPalette palette = QApplication::palette();
    switch (index) {
    case 5:
        return palette.color(QPalette::Base); // clWindow
    case 6:
        return palette.color(QPalette::Shadow); // clWindowFrame
    case 7:
        return palette.color(QPalette::Text); // clMenuText
    case 8:
        return palette.color(QPalette::WindowText); // clWindowText
    case 13:
        return palette.color(QPalette::Highlight); // clHighlight
    case 14:
        return palette.color(QPalette::HighlightedText); // clHighlightText
    case 15:
        return palette.color(QPalette::Button); // clBtnFace
    case 16:
        return palette.color(QPalette::Dark); // clBtnShadow
    case 17:
        return palette.color(QPalette::Disabled, QPalette::Text); // clGrayText
    case 18:
        return palette.color(QPalette::ButtonText); // clBtnText
    case 20:
        return palette.color(QPalette::Light); // clBtnHighlight
    case 21:
        return palette.color(QPalette::Shadow); // cl3DDkShadow
    case 22:
        return palette.color(QPalette::Midlight); // cl3DLight
    case 23:
        return palette.color(QPalette::ToolTipText); // clInfoText
    case 24:
        return palette.color(QPalette::ToolTipBase); // clInfoBk
    default:
        return palette.color(QPalette::Window);
    }
}

const QHash<QString, qint32> &colorNames()
{
    static const QHash<QString, qint32> names = {
        { "clblack", 0x000000 },
        { "clmaroon", 0x000080 },
        { "clgreen", 0x008000 },
        { "clolive", 0x008080 },
        { "clnavy", 0x800000 },
        { "clpurple", 0x800080 },
        { "clteal", 0x808000 },
        { "clgray", 0x808080 },
        { "clsilver", 0xC0C0C0 },
        { "clred", 0x0000FF },
        { "cllime", 0x00FF00 },
        { "clyellow", 0x00FFFF },
        { "clblue", 0xFF0000 },
        { "clfuchsia", 0xFF00FF },
        { "claqua", 0xFFFF00 },
        { "clltgray", 0xC0C0C0 },
        { "cldkgray", 0x808080 },
        { "clwhite", 0xFFFFFF },
        { "clmoneygreen", 0xC0DCC0 },
        { "clskyblue", 0xF0CAA6 },
        { "clcream", 0xF0FBFF },
        { "clmedgray", 0xA4A0A0 },
        { "clscrollbar", qint32(0x80000000) },
        { "clbackground", qint32(0x80000001) },
        { "clactivecaption", qint32(0x80000002) },
        { "clinactivecaption", qint32(0x80000003) },
        { "clmenu", qint32(0x80000004) },
        { "clwindow", qint32(0x80000005) },
        { "clwindowframe", qint32(0x80000006) },
        { "clmenutext", qint32(0x80000007) },
        { "clwindowtext", qint32(0x80000008) },
        { "clcaptiontext", qint32(0x80000009) },
        { "clactiveborder", qint32(0x8000000A) },
        { "clinactiveborder", qint32(0x8000000B) },
        { "clappworkspace", qint32(0x8000000C) },
        { "clhighlight", qint32(0x8000000D) },
        { "clhighlighttext", qint32(0x8000000E) },
        { "clbtnface", qint32(0x8000000F) },
        { "clbtnshadow", qint32(0x80000010) },
        { "clgraytext", qint32(0x80000011) },
        { "clbtntext", qint32(0x80000012) },
        { "clinactivecaptiontext", qint32(0x80000013) },
        { "clbtnhighlight", qint32(0x80000014) },
        { "cl3ddkshadow", qint32(0x80000015) },
        { "cl3dlight", qint32(0x80000016) },
        { "clinfotext", qint32(0x80000017) },
        { "clinfobk", qint32(0x80000018) },
    };
    return names;
}

struct FontKeys {
    QFont MainState::*font;
    QColor MainState::*color;
    const char *prefix;
    const char *italicKey; // the one key whose name differs between the fonts
    const char *defaultName;
    int defaultSize;
    qint32 defaultColor;
};

const FontKeys fontKeys[] = {
    { &MainState::FormularAnzeigeFont, &MainState::FormularAnzeigeFontColor, "FormularAnzeigeFont", "Kursiv",
        "MS Sans Serif", 8, TColorValue::clBlue },
    { &MainState::StammdatenAnzeigeFont, &MainState::StammdatenAnzeigeFontColor, "StammdatenAnzeigeFont", "Kursiv",
        "MS Sans Serif", 8, TColorValue::clBlue },
    { &MainState::EingabeFelderFont, &MainState::EingabeFelderFontColor, "EingabeFelderFont", "Kursiv", "Courier New",
        10, TColorValue::clWindowText },
    { &MainState::AusdruckFont, &MainState::AusdruckFontColor, "AusdruckFont", "Italic", "Courier New", 8,
        TColorValue::clBlack },
};

struct BoolKey {
    bool MainState::*member;
    const char *key;
    bool defaultValue;
};

const BoolKey boolKeys[] = {
    { &MainState::Abgabensatz, "Abgabensatz", true },
    { &MainState::AutomatischAnmelden, "AutomatischAnmelden", false },
    { &MainState::AutomatischAbmelden, "AutomatischAbmelden", false },
    { &MainState::StatistischerWert, "StatistischerWert", true },
    { &MainState::RechnungsWert, "RechnungsWert", true },
    { &MainState::XP_Themes, "XP_Themes", false },
    { &MainState::AEFeld33Focus, "AEFeld33Focus", true },
    { &MainState::IntraUebernahme, "IntraUebernahme", false },
    { &MainState::IntraArtUebernahme, "IntraArtUebernahme", false },
};

struct TextKey {
    QString MainState::*member;
    const char *key;
};

const TextKey textKeys[] = {
    { &MainState::AnmeldeNamen, "AnmeldeNamen" },
    { &MainState::Zollamt1, "Zollamt1" },
    { &MainState::Zollamt2, "Zollamt2" },
    { &MainState::ZollamtAn1, "ZollamtAn1" },
    { &MainState::ZollamtAn2, "ZollamtAn2" },
    { &MainState::ZollamtNr, "ZollamtNr" },
    { &MainState::IntraVerfahren, "IntraVerfahren" },
    { &MainState::IntraArt, "IntraArt" },
};

const char *const backgroundKey = "HinterGrundFarbeColor";

QString key(const char *prefix, const char *suffix)
{
    return QString::fromLatin1(prefix) + QString::fromLatin1(suffix);
}

// An unreadable colour takes the default: the start-up must reach the login.
QColor readColor(const platform::IniFile &ini, const QString &name, qint32 defaultValue)
{
    const QString text = ini.readString(IniSection, name, QString::number(defaultValue));
    bool ok = false;
    const QColor color = colorFromText(text, &ok);
    return ok ? color : colorFromValue(defaultValue);
}

// A colour equal to its key's system-colour default is written as that
// system colour, so that it follows the desktop's colours again.
qint32 valueToWrite(const QColor &color, qint32 defaultValue)
{
    if (defaultValue < 0 && color == colorFromValue(defaultValue))
        return defaultValue;
    return colorToValue(color);
}

} // namespace

QColor colorFromValue(qint32 value)
{
    if (value < 0)
        return systemColor(value & 0xFF);
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

qint32 colorToValue(const QColor &color)
{
    return qint32(color.red() | (color.green() << 8) | (color.blue() << 16));
}

QColor colorFromText(const QString &text, bool *ok)
{
    const QString trimmed = text.trimmed();
    bool isNumber = false;
    const qint64 number = trimmed.toLongLong(&isNumber);
    if (isNumber && number >= std::numeric_limits<qint32>::min() && number <= 0xFFFFFFFFLL) {
        if (ok)
            *ok = true;
        return colorFromValue(qint32(quint32(number)));
    }
    const auto it = colorNames().constFind(trimmed.toLower());
    if (ok)
        *ok = it != colorNames().constEnd();
    return it != colorNames().constEnd() ? colorFromValue(it.value()) : QColor();
}

void OptionenLesen()
{
    MainState &state = mainState();
    const platform::IniFile ini(ProgramDirectory() + IniFileName);
    for (const auto &b : boolKeys)
        state.*b.member = ini.readBool(IniSection, QString::fromLatin1(b.key), b.defaultValue);
    for (const auto &t : textKeys)
        state.*t.member = ini.readString(IniSection, QString::fromLatin1(t.key), QString());
    for (const auto &f : fontKeys) {
        QFont font;
        font.setFamily(ini.readString(IniSection, key(f.prefix, "Name"), QString::fromLatin1(f.defaultName)));
        const int size = ini.readInteger(IniSection, key(f.prefix, "Size"), f.defaultSize);
        font.setPointSize(size > 0 ? size : f.defaultSize);
        font.setBold(ini.readBool(IniSection, key(f.prefix, "Bold"), false));
        font.setItalic(ini.readBool(IniSection, key(f.prefix, f.italicKey), false));
        state.*f.font = font;
        state.*f.color = readColor(ini, key(f.prefix, "Color"), f.defaultColor);
    }
    state.HinterGrundFarbe = readColor(ini, QString::fromLatin1(backgroundKey), TColorValue::clBtnFace);
}

void OptionenSpeichern()
{
    const MainState &state = mainState();
    platform::IniFile ini(ProgramDirectory() + IniFileName);
    for (const auto &b : boolKeys)
        ini.writeBool(IniSection, QString::fromLatin1(b.key), state.*b.member);
    for (const auto &t : textKeys)
        ini.writeString(IniSection, QString::fromLatin1(t.key), state.*t.member);
    for (const auto &f : fontKeys) {
        const QFont &font = state.*f.font;
        ini.writeString(IniSection, key(f.prefix, "Name"), font.family());
        ini.writeInteger(IniSection, key(f.prefix, "Size"), font.pointSize());
        ini.writeInteger(IniSection, key(f.prefix, "Color"), valueToWrite(state.*f.color, f.defaultColor));
        ini.writeBool(IniSection, key(f.prefix, "Bold"), font.bold());
        ini.writeBool(IniSection, key(f.prefix, f.italicKey), font.italic());
    }
    ini.writeInteger(
        IniSection, QString::fromLatin1(backgroundKey), valueToWrite(state.HinterGrundFarbe, TColorValue::clBtnFace));
    ini.save();
}

} // namespace shell
