#pragma once
// Where a tool window opens: beside the main window on its preferred side,
// else on the other, always on the main window's screen.

class QWidget;

namespace ombrix {

enum class Side { Left, Right };

// Moves `window` beside `beside` when that one is visible; leaves it where
// it is otherwise.
void PlaceBeside(QWidget& window, const QWidget& beside, Side preferred);

} // namespace ombrix
