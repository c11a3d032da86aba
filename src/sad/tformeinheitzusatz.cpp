#include "sad/tformeinheitzusatz.h"

#include "platform/fieldtype.h"
#include "platform/schemaregistry.h"
#include "sad/sadtables.h"
#include "shell/mainstate.h"

#include <QFont>
#include <QHash>
#include <QRegularExpression>

namespace sad {

namespace {

using shell::EntryControl;
using shell::EntryLabel;

const QString Heading = QStringLiteral("Zusatzblatt zum Einheitspapier \nfür die Abfertigung von Waren zur");
const QString Box8 = QStringLiteral(
    "Unterlagen für den Zollwert abgestempelt und \n- ggf. mit der Nummer des Zollbeleges versehen -\n "
    "zurückgeben.");
const QString Box9 = QStringLiteral(
    "Nämlichkeitssicherung (bei aktiver Veredlung zur Erleichterung des \nÄquivalenznachweises / bei Umwandlung)");
const QString Box10
    = QStringLiteral("Waren umsatzsteuerrechtlich zum freien \nVerkehr abgefertigt.Zollbeleg (Nr., Datum)");
const QString Box14 = QStringLiteral("Mündlicher Freistellungsbescheid \nbekanntgegeben am");
const QString Extension = QStringLiteral("Verlängerung der Wiederausfuhrfrist / Gestellungsfrist");

// A box of the form: the fields it holds (by name prefix), its caption on
// the form and the text of status panel 0 while one of them has the focus.
struct SheetBox {
    QStringList prefixes;
    QString caption;
    QString hint;
};

const QVector<SheetBox> &sheetBoxes()
{
    static const QVector<SheetBox> boxes = {
        { { "F0_" }, Heading, Heading },
        { { "FV_" }, "Ggf. Vorpapier (Kennbuchstabe, Nr.)", "Ggf. Vorpapier (Kennbuchstabe, Nr.)" },
        { { "FZ_" }, "Zu Zollbeleg (Nr., Datum)", "Zu Zollbeleg (Nr., Datum)" },
        { { "F1_" }, "1. Zollgut gestellt am", "1. Zollgut gestellt am" },
        { { "F2_" }, "2. Zollantrag angenommen am", "2. Zollantrag angenommen am" },
        { { "F3_" }, "3. Übereinstimmend mit", "3. Übereinstimmend mit" },
        { { "F4_" }, "4. Vermerke und Anordnungen für die Zollbehandlung; Zollbefund und sonstige Vermerke",
            "4. Vermerke und Anordnungen für die Zollbehandlung; Zollbefund und sonstige Vermerke" },
        { { "F5_" }, "5. Einfuhrrechtlich abgefertigt", "5. Einfuhrrechtlich abgefertigt" },
        { { "F6_" }, "6. Abgeschrieben auf EE/EG (Datum, Nr.)", "6. Abgeschrieben auf EE/EG (Datum, Nr.)" },
        { { "F7_" }, "7. Entnommen", "7. Entnommen" },
        { { "F8_" }, "8.", Box8 },
        { { "F9_" }, "9. " + Box9, Box9 },
        { { "F10_" }, "10. " + Box10, Box10 },
        { { "F11_" },
            "11. Bei aktiver Veredelung (Nichterhebungsverfahren) oder Umwandlung. Bei aktiver Veredelung "
            "(Verfahren der Zollrückvergütung)",
            "11. Bei aktiver Veredelung (Nichterhebungsverfahren) oder Umwandlung. Bei aktiver Veredelung "
            "(Verfahren der Zollrückvergütung)" },
        { { "F12_" }, "12. Wiederausfuhrfrist / Gestellungsfrist", "12. Wiederausfuhrfrist / Gestellungsfrist" },
        { { "F13_" }, "13. Schriftlicher Freistellungsbescheid", "13. Schriftlicher Freistellungsbescheid" },
        { { "F14_" }, "14. " + Box14, Box14 },
        { { "F15_" }, "15. Rechtsbehelfsbelehrung", "Hauptzollamt" },
        { { "F16_" }, "16. Zollgut freigegeben am", "16. Zollgut freigegeben am" },
        { { "F17_" }, "17. Unterschrift des Abfertigungsbeamten, Datum",
            "17. Unterschrift des Abfertigungsbeamten, Datum" },
        { { "FW_1", "FW_2" }, Extension, Extension },
        { { "FW_3_" }, "Sonstige Änderungen (z. B. Nämlichkeitssicherung)",
            "Sonstige Änderungen (z. B. Nämlichkeitssicherung)" },
    };
    return boxes;
}

int boxOf(const QString &field)
{
    const QVector<SheetBox> &boxes = sheetBoxes();
    for (int i = 0; i < boxes.size(); ++i) {
        for (const QString &prefix : boxes.at(i).prefixes) {
            if (field.startsWith(prefix))
                return i;
        }
    }
    return -1;
}

// The captions of the check boxes, as the form prints them beside each box.
QString checkBoxCaption(const QString &field)
{
    static const QHash<QString, QString> captions = {
        { "F0_1", "aktiven Veredelung" },
        { "F0_2", "Umwandlung" },
        { "F3_1", "Frachtbrief usw." },
        { "F3_2", "Vorpapier" },
        { "F7_1", "Stat. Anm." },
        { "F7_2", "EKM" },
        { "F7_3", "Kaffeezeugnis" },
        { "F8_1", Box8 },
        { "F9_1a", "Buchmäßige Überwachung" },
        { "F11_1", "Zollgut freigestellt." },
        { "F11_2", "Festsetzung und Anforderung der Eingangsangaben siehe Vordruck 0786." },
        { "F13_1a", "zur Post gegeben" },
        { "F13_1b", "sonst bekanntgegeben" },
    };
    return captions.value(field);
}

// Captions inside a box before one of its fields.
QString fieldCaption(const QString &field)
{
    static const QHash<QString, QString> captions = {
        { "F5_1", "zu Pos." },
        { "F5_2a", "AWV § 32 Abs. 1 Nr." },
        { "F5_2b", "zu Pos." },
        { "F6_1b", "zu Pos." },
        { "F6_2b", "zu Pos." },
        { "F9_1b_1", "Sonstige" },
        { "F13_2", "am" },
        { "FW_1a_1", "Neue Frist" },
        { "FW_1b_1", "Datum, Unterschrift, Dienststempel" },
        { "FW_2a_1", "Neue Frist" },
        { "FW_2b_1", "Datum, Unterschrift, Dienststempel" },
    };
    return captions.value(field);
}

// Box 15's appeal instruction as the form carries it.
const QStringList &appealInstruction()
{
    static const QStringList lines = {
        "Sie können gegen diesen Bescheid Einspruch einlegen. Der Einspruch ist beim Hauptzollamt ",
        "schriftlich einzureichen oder zur Niederschrift zu erklären. Die Frist für die Einlegung des",
        "Einspruchs beträgt einen Monat. Sie beginnt mit Ablauf des Tages, an dem Ihnen dieser",
        "Bescheid bekanntgegeben worden ist. Bei Zusendung durch einfachen Brief gilt die",
        "Bekanntgabe mit dem dritten Tag nach Aufgabe zur Post als bewirkt, es sei denn, dass der",
        "Bescheid zu einem späteren Zeitpunkt zugegangen ist. Der Einspruch hat keine",
        "aufschiebende Wirkung; die Vollziehung kann auf Antrag ausgesetzt werden, wenn ernstliche",
        "Zweifel an der Rechtmäßigkeit des Bescheides bestehen.",
    };
    return lines;
}

constexpr int Left = 8;
constexpr int Right = 800;
constexpr int LineHeight = 24;
constexpr int CharWidth = 8;

} // namespace

shell::EntryWindowDefinition supplementarySheetEntryDefinition()
{
    shell::EntryWindowDefinition d;
    d.objectName = QStringLiteral("FormEinheitZusatz");
    d.caption = QStringLiteral(
        "Zusatzblatt zum Einheitspapier für die Abfertigung von Waren zur aktiven Veredelung / Umwandlung");
    d.size = QSize(841, 456);
    d.fixedFieldKey = false;
    d.closePostsParameter = true;
    d.wheelScrollsFromAnywhere = true;

    const platform::TableSchema *schema = platform::SchemaRegistry::instance().find(Tables::EinZus);
    if (!schema)
        return d;

    const shell::MainState &state = shell::mainState();
    int y = 8;
    int x = Left;
    int currentBox = -1;
    const auto newLine = [&] {
        if (x > Left)
            y += LineHeight + 2;
        x = Left;
    };
    // Field 0 is the number, field 1 the date: neither has a control.
    for (int i = 2; i < schema->fieldCount(); ++i) {
        const platform::FieldDef &field = schema->fieldAt(i);
        const int box = boxOf(field.name);
        if (box != currentBox) {
            newLine();
            currentBox = box;
            if (box >= 0) {
                const QString caption = sheetBoxes().at(box).caption;
                const int lines = int(caption.count(QLatin1Char('\n'))) + 1 + int(caption.size() > 100);
                EntryLabel label = EntryLabel::at(caption, 0, Left, y, Right - Left, 16 * lines)
                                       .named(QStringLiteral("Label_%1").arg(field.name))
                                       .wrapping();
                if (box == 0) {
                    QFont heading = state.FormularAnzeigeFont;
                    heading.setPointSize(12);
                    label.withFont(heading, state.FormularAnzeigeFontColor);
                    label.geometry.setHeight(24 * lines);
                }
                d.labels << label;
                y += label.geometry.height() - 16 * lines;
                y += 16 * lines + 2;
            }
        }
        const QString hint = box >= 0 ? sheetBoxes().at(box).hint : QString();
        if (const QString caption = fieldCaption(field.name); !caption.isEmpty()) {
            const int width = int(caption.size()) * 7 + 8;
            if (x + width > Right)
                newLine();
            d.labels << EntryLabel::at(caption, 0, x, y + 4, width, 16);
            x += width;
        }
        if (field.type == platform::FieldType::Boolean) {
            const QString caption = checkBoxCaption(field.name);
            const int lines = int(caption.count(QLatin1Char('\n'))) + 1;
            // The heading's choices are wider: they take a larger font.
            const int width = std::min(Right - Left, int(caption.size()) * 8 / lines + 40)
                + (field.name.startsWith(QLatin1String("F0_")) ? 80 : 0);
            if (x + width > Right)
                newLine();
            auto control = EntryControl::checkBox(QStringLiteral("DBCheckBox") + field.name, field.name, caption)
                               .at(0, x, y, width, std::max(LineHeight, 16 * lines))
                               .hint(hint)
                               .focusColors(QColor(0x00, 0x00, 0x80), Qt::white)
                               .leaveColors(state.HinterGrundFarbe, state.FormularAnzeigeFontColor);
            // Box 8's caption and number take the focus colours with its mark.
            if (field.name == QLatin1String("F8_1"))
                control.colouring({ QStringLiteral("Label_F8_1") });
            d.controls << control;
            x += width + 8;
            if (lines > 1) {
                y += 16 * lines - LineHeight;
                newLine();
            }
        } else {
            const int width = std::min(Right - Left, field.size * CharWidth + 12);
            if (field.name == QLatin1String("F15_1")) {
                // The appeal instruction names the main customs office in
                // its first line; the edit stands at the end of that line.
                const QString first = appealInstruction().constFirst();
                const int firstWidth = int(first.size()) * 13 / 2;
                d.labels << EntryLabel::at(first, 0, Left, y + 4, firstWidth, 16);
                x = Left + firstWidth + 4;
            }
            if (x + width > Right)
                newLine();
            d.controls << EntryControl::edit(QStringLiteral("DBEdit") + field.name, field.name)
                              .at(0, x, y, width, LineHeight - 3)
                              .hint(hint);
            x += width + 8;
            // Lines of a box stand one below the other.
            if (field.name.contains(QRegularExpression(QStringLiteral("^F(V|Z|4|9_1b|10|W)_"))))
                newLine();
            if (field.name == QLatin1String("F15_1")) {
                newLine();
                for (const QString &line : appealInstruction().mid(1)) {
                    d.labels << EntryLabel::at(line, 0, Left, y, Right - Left, 16);
                    y += 16;
                }
            }
        }
    }
    newLine();
    d.pages = { shell::EntryPage { QString(), y + 16 } };
    return d;
}

TFormEinheitZusatz::TFormEinheitZusatz(shell::DocumentRegister &documentRegister, QWidget *parent)
    : shell::EntryWindow(documentRegister, supplementarySheetEntryDefinition(), parent)
{
    // The heading's two choices stand in the heading's large font.
    for (const char *name : { "DBCheckBoxF0_1", "DBCheckBoxF0_2" }) {
        if (QWidget *box = control(QLatin1String(name))) {
            QFont font = box->font();
            font.setPointSize(12);
            box->setFont(font);
        }
    }
}

} // namespace sad
