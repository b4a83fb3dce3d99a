#include "mainwindow/PanelSurface.h"

#include <QPainter>

namespace ombrix {

PanelSurface::PanelSurface(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void PanelSurface::AddFrame(const QRectF& rect, bool sunken) {
    frames_.push_back({rect, sunken});
    update();
}

void PanelSurface::EraseFrames() {
    frames_.clear();
    update();
}

void PanelSurface::OnPointerOverBackground(std::function<void()> handler) {
    pointerOverBackground_ = std::move(handler);
}

void PanelSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    for (const auto& [r, sunken] : frames_) {
        const QColor topLeft = sunken ? dark : light;
        const QColor bottomRight = sunken ? light : dark;
        painter.setPen(topLeft);
        painter.drawLine(QLineF(r.topLeft(), r.topRight()));
        painter.drawLine(QLineF(r.topLeft(), r.bottomLeft()));
        painter.setPen(bottomRight);
        painter.drawLine(QLineF(r.bottomLeft(), r.bottomRight()));
        painter.drawLine(QLineF(r.bottomRight(), r.topRight()));
    }
}

void PanelSurface::mouseMoveEvent(QMouseEvent*) {
    if (pointerOverBackground_) {
        pointerOverBackground_();
    }
}

} // namespace ombrix
