#pragma once
// A picture that acts as a button: it reports press, release and pointer
// movement, and the main window draws its frames around it.

#include <QLabel>

namespace ombrix {

class ImageButton : public QLabel {
    Q_OBJECT
public:
    ImageButton(const QString& name, const QString& iconFile, QWidget* parent);

signals:
    void ButtonDown();
    void ButtonUp(bool inside);
    void Hover();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace ombrix
