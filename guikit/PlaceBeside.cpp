#include "guikit/PlaceBeside.h"

#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace ombrix {

void PlaceBeside(QWidget& window, const QWidget& beside, Side preferred) {
    if (!beside.isVisible()) {
        return;
    }
    constexpr int Gap = 8;
    const QRect host = beside.frameGeometry();
    const int width = window.frameGeometry().width();
    const int right = host.right() + 1 + Gap;
    const int left = host.left() - Gap - width;
    QPoint place(preferred == Side::Right ? right : left, host.top());
    if (const QScreen* screen = beside.screen()) {
        // The preferred side, else the other; on a screen too narrow for
        // either it covers the main window's edge, never the screen's.
        const QRect area = screen->availableGeometry();
        const bool rightFits = right + width <= area.right() + 1;
        const bool leftFits = left >= area.left();
        if (preferred == Side::Right && !rightFits && leftFits) {
            place.setX(left);
        } else if (preferred == Side::Left && !leftFits && rightFits) {
            place.setX(right);
        }
        place.setX(std::max(area.left(), std::min(place.x(), area.right() + 1 - width)));
        place.setY(std::max(area.top(), std::min(place.y(), area.bottom() + 1 - window.height())));
    }
    window.move(place);
}

} // namespace ombrix
