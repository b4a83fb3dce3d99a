#pragma once
// Enter and Escape in a dialog built on a plain window: Enter presses the
// focused button, else the dialog's OK; Escape presses its Cancel. Keys a
// control used for itself (a type-ahead's Escape) never get here.

class QKeyEvent;
class QPushButton;

namespace ombrix {

// True when the key was one of the dialog's and a button was pressed.
bool PressDialogKey(const QKeyEvent& event, QPushButton& ok, QPushButton& cancel);

} // namespace ombrix
