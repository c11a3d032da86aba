#include "platform/controlstate.h"

#include <QWidget>

namespace platform {

QWidget *controlByName(QWidget *window, const QString &name)
{
    if (!window || name.isEmpty())
        return nullptr;
    return window->findChild<QWidget *>(name);
}

bool setControlEnabled(QWidget *window, const QString &name, bool enabled)
{
    QWidget *control = controlByName(window, name);
    if (!control)
        return false;
    control->setEnabled(enabled);
    return true;
}

bool setControlColor(QWidget *window, const QString &name, const QColor &color, QPalette::ColorRole role)
{
    QWidget *control = controlByName(window, name);
    if (!control)
        return false;
    QPalette palette = control->palette();
    // The colour stays the same whether the control is enabled or not: a
    // fixed field is shown disabled in its own colour.
    palette.setColor(QPalette::Active, role, color);
    palette.setColor(QPalette::Inactive, role, color);
    palette.setColor(QPalette::Disabled, role, color);
    control->setPalette(palette);
    return true;
}

QColor controlColor(QWidget *window, const QString &name, QPalette::ColorRole role)
{
    QWidget *control = controlByName(window, name);
    return control ? control->palette().color(QPalette::Active, role) : QColor();
}

} // namespace platform
