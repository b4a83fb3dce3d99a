#include "guikit/ImageButton.h"

#include <QIcon>
#include <QMouseEvent>

namespace ombrix {

ImageButton::ImageButton(const QString& name, const QString& iconFile, QWidget* parent)
    : QLabel(parent) {
    setObjectName(name);
    setScaledContents(true);
    setMouseTracking(true);
    // The 2x picture keeps the stretched icon sharp on dense screens.
    const QIcon icon(iconFile);
    setPixmap(icon.pixmap(QSize(64, 64)));
}

void ImageButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit ButtonDown();
    }
}

void ImageButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit ButtonUp(rect().contains(event->position().toPoint()));
    }
}

void ImageButton::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() == Qt::NoButton) {
        emit Hover();
    }
}

} // namespace ombrix
