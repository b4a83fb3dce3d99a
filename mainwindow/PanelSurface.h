#pragma once
// The main window's client area: it paints the frames of the image buttons
// and tells when the pointer moves over its background.

#include <QRectF>
#include <QWidget>

#include <functional>
#include <vector>

namespace ombrix {

class PanelSurface : public QWidget {
    Q_OBJECT
public:
    struct Frame {
        QRectF rect;
        bool sunken = false;
    };

    explicit PanelSurface(QWidget* parent);

    const std::vector<Frame>& Frames() const { return frames_; }
    void AddFrame(const QRectF& rect, bool sunken);
    void EraseFrames();
    void OnPointerOverBackground(std::function<void()> handler);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    std::vector<Frame> frames_;
    std::function<void()> pointerOverBackground_;
};

} // namespace ombrix
