#pragma once

#include <QColor>
#include <QPalette>
#include <QString>

class QWidget;

namespace platform {

// Controls of a window reached by their object name, as the fixed-field list
// and the marking of invalid fields name them. Each returns false (or an
// invalid colour) when the window has no such control.
QWidget *controlByName(QWidget *window, const QString &name);
bool setControlEnabled(QWidget *window, const QString &name, bool enabled);
// Background of an input control (role Base) or its text (role Text).
bool setControlColor(
    QWidget *window, const QString &name, const QColor &color, QPalette::ColorRole role = QPalette::Base);
QColor controlColor(QWidget *window, const QString &name, QPalette::ColorRole role = QPalette::Base);

} // namespace platform
