#pragma once
// The three image buttons at the top of the main window: each triggers its
// menu item, and a press, release or hover redraws the frame around it.

#include <QObject>
#include <QPoint>

#include <array>

class QAction;
class QRect;

namespace ombrix {

class ImageButton;
class PanelSurface;

class ImageButtonStrip : public QObject {
    Q_OBJECT
public:
    // items: what the wizard, calculator and open-file images trigger.
    ImageButtonStrip(PanelSurface& surface, const QString& iconFolder,
                     const std::array<QAction*, 3>& items);

    // The pointer left the images for the background: frames go once per hover.
    void ClearFrames();
    void EraseFrames();

private:
    void Down(ImageButton* image);
    void Up(ImageButton* image);
    void Hover(ImageButton* image);
    void AddFrame(const QRect& image, bool sunken);

    PanelSurface& surface_;
    bool hoverCleared_ = false;
    QPoint savedPosition_;
};

} // namespace ombrix
