#pragma once

class QWidget;

namespace shell {

// The raised-button look: with Windows2000OrLater and the option XP_Themes
// both set, every tool button of the window is drawn raised, otherwise flat.
// Windows call it when they are created.
void applyRaisedButtonLook(QWidget *window);
bool raisedButtonLook();

} // namespace shell
