#include "shell/buttonlook.h"

#include "shell/mainstate.h"
#include "shell/settings.h"

#include <QToolButton>
#include <QWidget>

namespace shell {

bool raisedButtonLook()
{
    return Windows2000OrLater && mainState().XP_Themes;
}

void applyRaisedButtonLook(QWidget *window)
{
    if (!window)
        return;
    const bool raised = raisedButtonLook();
    const auto buttons = window->findChildren<QToolButton *>();
    for (QToolButton *button : buttons)
        button->setAutoRaise(!raised);
}

} // namespace shell
