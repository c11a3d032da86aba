#pragma once

#include <QPoint>
#include <QString>

#include <array>

namespace shell {

// The corrections of single boxes of a form (S_FelderJust.DB): per box 1 to
// 25 a column and a row correction in 0.1 mm, added to the form position of
// every field of the box (positive: right and down) before the page offsets.
class FieldCorrections
{
public:
    static constexpr int BoxCount = 25;

    // The row of that name; no corrections when there is none. Null reads as 0.
    static FieldCorrections load(const QString &name);

    // (x, y) of box 1 to 25; (0, 0) for any other number.
    QPoint of(int box) const;
    void set(int box, QPoint correction);

private:
    std::array<QPoint, BoxCount> m_boxes {};
};

} // namespace shell
