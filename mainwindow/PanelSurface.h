#pragma once
// The main window's client area: it paints the frames of the image buttons
// and clears them when the pointer moves over its background.

#include <QWidget>

namespace ombrix {

class Form1;

class PanelSurface : public QWidget {
    Q_OBJECT
public:
    PanelSurface(Form1& form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    Form1& form_;
};

} // namespace ombrix
