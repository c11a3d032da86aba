#include "shell/drawingroutines.h"
#include "platform/recordingcanvas.h"
#include "shell/mainstate.h"

#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace shell;
using platform::CanvasCall;
using platform::FontStyle;
using platform::FontStyles;
using platform::RecordingCanvas;

namespace {

struct Drawn {
    QString text;
    int x;
    int y;
    FontStyles style;
    bool operator==(const Drawn &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Drawn &d)
{
    return out << '"' << d.text.toStdString() << "\" (" << d.x << ", " << d.y << ") style " << int(d.style);
}

QList<Drawn> drawnTexts(const RecordingCanvas &canvas)
{
    QList<Drawn> result;
    for (const CanvasCall &c : canvas.texts())
        result.append({ c.text, c.x, c.y, c.font.style });
    return result;
}

class DrawingRoutinesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        canvas.beginDoc("Test");
        canvas.setFontName("Arial");
        canvas.setFontHeight(-35);
    }

    int widthOf(const QString &text, FontStyles style)
    {
        const FontStyles before = canvas.font().style;
        canvas.setFontStyle(style);
        const int width = canvas.textWidth(text);
        canvas.setFontStyle(before);
        return width;
    }

    RecordingCanvas canvas;
};

TEST_F(DrawingRoutinesTest, MarkupTextDrawsCharacterByCharacterWithTagStyles)
{
    const int y = PrintMarkupText(canvas, 100, -500, 5, "<B>Box</B> 33<BR>Text");

    QList<Drawn> expected;
    int x = 100;
    for (const QChar c : QStringLiteral("Box")) {
        expected.append({ QString(c), x, -500, FontStyle::Bold });
        x += widthOf(QString(c), FontStyle::Bold);
    }
    for (const QChar c : QStringLiteral(" 33")) {
        expected.append({ QString(c), x, -500, {} });
        x += widthOf(QString(c), {});
    }
    x = 100;
    for (const QChar c : QStringLiteral("Text")) {
        expected.append({ QString(c), x, -540, {} });
        x += widthOf(QString(c), {});
    }
    EXPECT_EQ(drawnTexts(canvas), expected);
    EXPECT_EQ(y, -580) << "the line below Text: -540 - 35 - 5";
}

TEST_F(DrawingRoutinesTest, MarkupTagsAndStrayLessThanSigns)
{
    struct Case {
        QString text;
        QString drawn; // the characters drawn, in order
        FontStyles styleAfter;
    };
    const QList<Case> cases = {
        { "a<X>b", "ab", {} },
        { "x<B", "x<B", {} },
        { "a < b", "a < b", {} },
        { "<", "<", {} },
        { "<u>x</Z>y", "xy", FontStyle::Underline },
        { "<i><s>x</I>", "x", FontStyle::StrikeOut },
        { "1<br>2", "12", {} },
        { "x</", "x</", {} },
    };
    for (const auto &c : cases) {
        canvas.clear();
        canvas.setFontStyle({});
        PrintMarkupText(canvas, 0, 0, 0, c.text);
        QString drawn;
        for (const auto &d : drawnTexts(canvas))
            drawn += d.text;
        EXPECT_EQ(drawn, c.drawn) << c.text.toStdString();
        EXPECT_EQ(canvas.font().style, c.styleAfter) << c.text.toStdString() << ": styles stay on the canvas";
    }
    canvas.clear();
    PrintMarkupText(canvas, 10, 0, 0, "1<br>2");
    EXPECT_EQ(canvas.textAt(10, -35), "2") << "a lower-case line break acts";
}

TEST_F(DrawingRoutinesTest, JustifiedLineSpreadsWordsWithGapsRoundedHalfToEven)
{
    // Courier New 0.6 em a character: every one-letter word is 60 wide.
    canvas.setFontName("Courier New");
    canvas.setFontHeight(-100);
    ASSERT_EQ(canvas.textWidth("a"), 60);

    struct Case {
        QString text;
        int width;
        QList<Drawn> expected;
    };
    const QList<Case> cases = {
        { "a b c", 185, { { "a", 0, 0, {} }, { "b", 62, 0, {} }, { "c", 124, 0, {} } } }, // gap 2.5 -> 2
        { "a b c", 187, { { "a", 0, 0, {} }, { "b", 64, 0, {} }, { "c", 128, 0, {} } } }, // 3.5 -> 4
        { "a b c", 181, { { "a", 0, 0, {} }, { "b", 60, 0, {} }, { "c", 120, 0, {} } } }, // 0.5 -> 0
        { "a b c", 175, { { "a", 0, 0, {} }, { "b", 58, 0, {} }, { "c", 116, 0, {} } } }, // -2.5 -> -2
        { "a  b", 300, { { "a", 0, 0, {} }, { "b", 60 + 90 + 0 + 90, 0, {} } } }, // a, an empty word, b
        { "a b ", 200, { { "a", 0, 0, {} }, { "b", 140, 0, {} } } }, // nothing after the last blank
        { "Wort", 500, { { "Wort", 0, 0, {} } } }, // one word stays at x
    };
    for (const auto &c : cases) {
        canvas.clear();
        PrintJustifiedLine(canvas, 0, 0, true, c.width, c.text);
        EXPECT_EQ(drawnTexts(canvas), c.expected) << c.text.toStdString() << " / " << c.width;
    }
    canvas.clear();
    PrintJustifiedLine(canvas, 30, -70, false, 999, "a  b ");
    EXPECT_EQ(drawnTexts(canvas), QList<Drawn>({ { "a  b ", 30, -70, {} } }));
}

TEST_F(DrawingRoutinesTest, LinesAndFontSettings)
{
    DrawVerticalLine(-10, -90, 50, canvas);
    DrawHorizontalLine(5, 400, -20, canvas);
    const auto &calls = canvas.calls();
    ASSERT_EQ(calls.size(), 3);
    EXPECT_EQ(QList<int>({ calls[1].x, calls[1].y, calls[1].x2, calls[1].y2 }), QList<int>({ 50, -10, 50, -90 }));
    EXPECT_EQ(QList<int>({ calls[2].x, calls[2].y, calls[2].x2, calls[2].y2 }), QList<int>({ 5, -20, 400, -20 }));

    struct Case {
        int height;
        int heightAfter;
    };
    for (const Case &c : QList<Case> { { -1, -35 }, { 0, -35 }, { 12, -35 }, { -2, -2 }, { -40, -40 } }) {
        canvas.setFontHeight(-35);
        canvas.setFontStyle({});
        SetCanvasFontHeightAndStyle(canvas, c.height, FontStyle::Italic);
        EXPECT_EQ(canvas.font().height, c.heightAfter) << c.height;
        EXPECT_EQ(canvas.font().style, FontStyles(FontStyle::Italic)) << c.height;
    }
    SetCanvasFontStyle(canvas, FontStyle::Bold | FontStyle::StrikeOut);
    EXPECT_EQ(canvas.font().style, FontStyle::Bold | FontStyle::StrikeOut);
    SetCanvasFontName(canvas, "");
    EXPECT_EQ(canvas.font().name, "Arial");
    SetCanvasFontName(canvas, "Courier New");
    EXPECT_EQ(canvas.font().name, "Courier New");
}

TEST(LayoutRoutinesTest, ScrollStepAndPickWindowTop)
{
    struct Case {
        int a;
        int b;
        int scrollStep;
        int pickTop;
    };
    const QList<Case> cases = {
        { 300, 400, 0, 375 }, // limit 300 not exceeded; 300 - 400 < 5
        { 301, 400, 300, 376 }, { 300, 200, 150, 144 }, // 300 - 200 = 100 -> 144
        { 100, 200, 0, 175 }, { 205, 200, 150, 49 }, // d = 5 -> 49
        { 204, 200, 150, 279 }, // d = 4 -> 204 + 75
    };
    for (const auto &c : cases) {
        EXPECT_EQ(CalcScrollStep(c.a, c.b), c.scrollStep) << c.a << ", " << c.b;
        EXPECT_EQ(CalcPickFormTop(c.a, c.b), c.pickTop) << c.a << ", " << c.b;
    }
}

TEST(LayoutRoutinesTest, MarkFieldsInvalidColoursPresentEditsOnly)
{
    resetMainState();
    MarkFieldsInvalid(nullptr, nullptr, nullptr, true); // nothing to mark, nothing happens

    QFont normal = mainState().EingabeFelderFont;
    normal.setItalic(true);
    normal.setBold(false);
    mainState().EingabeFelderFont = normal;
    mainState().EingabeFelderFontColor = Qt::blue;

    QLineEdit first, third;
    first.setFont([] {
        QFont f;
        f.setItalic(true);
        return f;
    }());
    const QColor disabledBefore = first.palette().color(QPalette::Disabled, QPalette::Text);

    MarkFieldsInvalid(&first, nullptr, &third, true);
    for (QLineEdit *edit : { &first, &third }) {
        EXPECT_TRUE(edit->font().bold());
        EXPECT_FALSE(edit->font().italic()) << "invalid is bold only";
        EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::red));
    }
    EXPECT_EQ(first.palette().color(QPalette::Disabled, QPalette::Text), disabledBefore);

    MarkFieldsInvalid(&first, nullptr, &third, false);
    for (QLineEdit *edit : { &first, &third }) {
        EXPECT_FALSE(edit->font().bold());
        EXPECT_TRUE(edit->font().italic());
        EXPECT_EQ(edit->palette().color(QPalette::Active, QPalette::Text), QColor(Qt::blue));
    }
    resetMainState();
}

// A form that shadows its buttons as the registers do.
class ShadowForm : public QWidget
{
public:
    ShadowForm()
    {
        setAutoFillBackground(true);
        setPalette(QPalette(Qt::white));
        resize(300, 100);
        tool.setGeometry(10, 10, 40, 20);
        flat.setGeometry(70, 10, 40, 20);
        flat.setFlat(true);
        raised.setGeometry(130, 10, 40, 20);
        edit.setGeometry(190, 10, 40, 20);
    }
    QToolButton tool { this };
    QPushButton flat { this };
    QPushButton raised { this };
    QLineEdit edit { this };

protected:
    void paintEvent(QPaintEvent *) override
    {
        for (QWidget *control : { static_cast<QWidget *>(&tool), static_cast<QWidget *>(&flat),
                 static_cast<QWidget *>(&raised), static_cast<QWidget *>(&edit) })
            PaintButtonShadow(this, control, Qt::black, 3);
    }
};

TEST(LayoutRoutinesTest, ButtonShadowFallsOnToolAndFlatButtonsOnly)
{
    ShadowForm form;
    const QImage image = form.grab().toImage();
    struct Case {
        QWidget *control;
        bool shadowed;
    };
    for (const Case &c :
        QList<Case> { { &form.tool, true }, { &form.flat, true }, { &form.raised, false }, { &form.edit, false } }) {
        // Just beyond the control's bottom-right corner, inside the moved rectangle.
        const QPoint corner = c.control->geometry().bottomRight() + QPoint(2, 2);
        EXPECT_EQ(image.pixelColor(corner) == QColor(Qt::black), c.shadowed) << c.control->metaObject()->className();
        EXPECT_NE(image.pixelColor(corner + QPoint(2, 2)), QColor(Qt::black)) << "offset 3 ends there";
    }
}

} // namespace

// The characters drawn joined into runs: one entry per run of characters
// drawn side by side on one line in one style.
static QList<Drawn> runsOf(const RecordingCanvas &canvas)
{
    QList<Drawn> runs;
    int nextX = 0;
    for (const CanvasCall &c : canvas.texts()) {
        platform::CanvasFont font = c.font;
        const int width = platform::CanvasFontMetrics(font).width(c.text) + 0.5;
        if (!runs.isEmpty() && runs.last().y == c.y && runs.last().style == c.font.style && c.x == nextX)
            runs.last().text += c.text;
        else
            runs.append({ c.text, c.x, c.y, c.font.style });
        nextX = c.x + width;
    }
    return runs;
}

TEST_F(DrawingRoutinesTest, MarkupExStartsPlainAndPlacesTabsBreaksAndSpacing)
{
    const FontStyles bold = FontStyle::Bold;
    struct Case {
        QString text;
        int tabOrigin;
        QList<Drawn> runs;
    };
    const QList<Case> cases = {
        { "<b>2</b><T0260>Versender / Ausführer<T0600>Nr.", 0,
            { { "2", 100, -500, bold }, { "Versender / Ausführer", 260, -500, {} }, { "Nr.", 600, -500, {} } } },
        // Tabs are page positions counted from the origin passed as a number,
        // so a page far to the left or right still places them.
        { "a<T0260>b", -12000, { { "a", 100, -500, {} }, { "b", -11740, -500, {} } } },
        { "a<T0260>b", 15000, { { "a", 100, -500, {} }, { "b", 15260, -500, {} } } },
        { "</b>Bes.Umst.(S32)</b>", 0, { { "Bes.Umst.(S32)", 100, -500, {} } } },
        { "<x>a<1>b</q>c", 0, { { "abc", 100, -500, {} } } },
        { "ab<b", 0, { { "ab<b", 100, -500, {} } } },
        { "ab</b", 0, { { "ab</b", 100, -500, {} } } },
        { "a<T02", 0, { { "a<T02", 100, -500, {} } } },
        { "a<Tx260>b", 0, { { "a<Tx260>b", 100, -500, {} } } },
        { "a<:2>b", 0, { { "a<:2>b", 100, -500, {} } } },
        // <BR><:2> with height -35: 35 + 5 - 17; <BR><:4>: 35 + 5 - 27.
        { "a<BR><:2>b<br><:4>c<BR><:7>d", 0,
            { { "a", 100, -500, {} }, { "b", 100, -523, {} }, { "c", 100, -536, {} }, { "d", 100, -576, {} } } },
    };
    for (const Case &c : cases) {
        canvas.clear();
        canvas.setFontStyle({});
        PrintMarkupTextEx(c.text, canvas, 100, -500, 5, c.tabOrigin);
        EXPECT_EQ(runsOf(canvas), c.runs) << c.text.toStdString();
    }
}

TEST_F(DrawingRoutinesTest, MarkupExEndPointAndTheCallersStyle)
{
    const QString lines
        = "Besondere<br>Vermerke/<br>Vorgelegte<br>Unterlagen/<br>Bescheini-<br>gungen u. Ge-<br>nehmigungen";
    canvas.setFontStyle(FontStyle::Bold | FontStyle::Italic);
    const QPoint end = PrintMarkupTextEx(lines, canvas, 100, 0, 5);
    const QList<Drawn> runs = runsOf(canvas);
    ASSERT_EQ(runs.size(), 7);
    int widest = 0;
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(runs.at(i).x, 100);
        EXPECT_EQ(runs.at(i).y, -40 * i) << "one font height plus lineGap below the line before";
        EXPECT_EQ(runs.at(i).style, FontStyles()) << "the caller's style stays out of the text";
        widest = std::max(widest, 100 + widthOf(runs.at(i).text, {}));
    }
    EXPECT_EQ(canvas.font().style, FontStyle::Bold | FontStyle::Italic) << "and is back after the call";
    EXPECT_NEAR(end.x(), widest, 7);
    EXPECT_EQ(end.y(), -280);

    canvas.clear();
    EXPECT_EQ(PrintMarkupTextEx("", canvas, 30, -200, 5), QPoint(30, -240)) << "an empty text: (x, y + height - gap)";
    EXPECT_TRUE(canvas.texts().isEmpty());
}

TEST_F(DrawingRoutinesTest, WrappedTextBreaksAtBlanksLineBreaksAndInsideLongWords)
{
    canvas.setFontName("Courier New");
    canvas.setFontHeight(-100);
    ASSERT_EQ(canvas.textWidth("a"), 60);
    struct Case {
        QString text;
        int width;
        QStringList lines;
    };
    const QList<Case> cases = {
        { "aa bb cc", 300, { "aa bb", "cc" } },
        { "aa\nbb  cc", 600, { "aa", "bb cc" } },
        { "abcdefg", 180, { "abc", "def", "g" } },
    };
    for (const Case &c : cases)
        EXPECT_EQ(WrapTextLines(canvas, c.text, c.width), c.lines) << c.text.toStdString();

    const int cell = canvas.textHeight("A");
    EXPECT_EQ(DrawWrappedText(canvas, 0, 0, 180, "abc def ghi", 2 * cell + 1), 2 * cell)
        << "lines beyond the height are left out";
    EXPECT_EQ(canvas.textAt(0, -cell), "def");
    EXPECT_EQ(canvas.findText("ghi"), nullptr);
}
