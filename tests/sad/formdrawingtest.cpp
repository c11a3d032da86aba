#include "sad/formdrawing.h"
#include "platform/recordingcanvas.h"

#include <gtest/gtest.h>

using platform::CanvasCall;
using platform::RecordingCanvas;

namespace {

QList<QLine> linesOf(const RecordingCanvas &canvas)
{
    QList<QLine> lines;
    for (const CanvasCall &c : canvas.calls()) {
        if (c.kind == CanvasCall::Kind::Line)
            lines.append(QLine(c.x, c.y, c.x2, c.y2));
    }
    return lines;
}

} // namespace

TEST(FormDrawingTest, DottedAndDashedLinesStrokeAcrossOrDownAndStopAtTheEnd)
{
    RecordingCanvas canvas;
    canvas.beginDoc("Test");
    sad::DrawDashedLine(canvas, QLine(200, -50, 2035, -50));
    const QList<QLine> dashes = linesOf(canvas);
    ASSERT_EQ(dashes.size(), 92);
    EXPECT_EQ(dashes.first(), QLine(200, -50, 210, -50));
    EXPECT_EQ(dashes.at(1), QLine(220, -50, 230, -50));
    EXPECT_EQ(dashes.last(), QLine(2020, -50, 2030, -50)) << "none past 2035";

    struct Case {
        QLine line;
        QList<QLine> strokes;
    };
    const QList<Case> dotted = {
        { QLine(0, 0, 14, 0), { QLine(0, 0, 3, 0), QLine(6, 0, 9, 0), QLine(12, 0, 14, 0) } },
        { QLine(5, -10, 5, -22), { QLine(5, -10, 5, -13), QLine(5, -16, 5, -19) } },
        { QLine(0, 0, 10, 10), {} },
    };
    for (const Case &c : dotted) {
        canvas.clear();
        sad::DrawDottedLine(canvas, c.line);
        EXPECT_EQ(linesOf(canvas), c.strokes);
    }
}

TEST(FormDrawingTest, RotatedBoldTextIsBoldTurnedAndCentredOnItsY)
{
    RecordingCanvas canvas;
    canvas.beginDoc("Test");
    platform::CanvasFont font;
    font.name = "Arial";
    font.height = -22;
    canvas.setFont(font);
    const int width = canvas.textWidth("Exemplar");
    sad::DrawRotatedBoldText("Exemplar", 100, -600, 270, -45, canvas);
    ASSERT_EQ(canvas.texts().size(), 1);
    const CanvasCall &call = canvas.texts().first();
    EXPECT_EQ(call.font.angle, 2700);
    EXPECT_EQ(call.font.height, 45) << "a cell height";
    EXPECT_TRUE(call.font.style.testFlag(platform::FontStyle::Bold));
    EXPECT_EQ(QPoint(call.x, call.y), QPoint(100, -600 + width / 2));
    EXPECT_EQ(canvas.font(), font) << "the canvas's font is back";

    canvas.clear();
    sad::DrawRotatedBoldText("", 100, -600, 270, -45, canvas);
    EXPECT_TRUE(canvas.calls().isEmpty());
}
