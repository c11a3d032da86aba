#pragma once

#include "platform/canvasfont.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QVector>

namespace platform {

// How the sheet lies in the printer. Every job sets the orientation its form
// needs; the printer keeps the last one set.
enum class PageOrientation {
    Portrait,
    Landscape,
};

// One call on a print canvas with the state it was drawn in.
struct CanvasCall {
    enum class Kind {
        BeginDoc, // text = job title
        NewPage,
        EndDoc,
        Abort,
        Text, // (x, y) top-left of the first character cell
        Line, // (x, y) to (x2, y2)
        Rectangle, // corners (x, y) and (x2, y2)
        Ellipse, // bounding corners (x, y) and (x2, y2)
        FillRect, // corners (x, y) and (x2, y2), brush only
        Picture, // image stretched into corners (x, y) and (x2, y2)
        Polygon, // points, pen outline, brush inside
    };

    Kind kind = Kind::Text;
    int x = 0;
    int y = 0;
    int x2 = 0;
    int y2 = 0;
    QString text;
    CanvasFont font;
    CanvasPen pen;
    CanvasBrush brush;
    QImage image;
    QVector<QPoint> points; // Polygon
    int copies = 1; // copies the printer makes of the job
    int job = 0; // 1 for the first job begun on the canvas
    int page = 0; // 1 for the first page of the job
    PageOrientation orientation = PageOrientation::Portrait;
};

} // namespace platform
