#include "mainwindow/ImageButtonStrip.h"

#include "guikit/ImageButton.h"
#include "guikit/Twips.h"
#include "mainwindow/PanelSurface.h"

#include <QAction>

namespace ombrix {

namespace {

// 25 twips between an image and its frame; 30 twips of press travel.
constexpr double FrameGap = 25.0 / 15.0;
constexpr int PressTravel = 2;
constexpr int ImageSize = 27; // 400 twips

struct ImageDesign {
    const char* name;
    const char* icon;
    int left; // twips
    const char* toolTip;
};

constexpr ImageDesign Images[] = {{"Image1", "wizard.png", 240, "WizardExpress"},
                                  {"Image2", "calculator.png", 720, "Calculcator"},
                                  {"Image3", "openfile.png", 1200, "Opties"}};

} // namespace

ImageButtonStrip::ImageButtonStrip(PanelSurface& surface, const QString& iconFolder,
                                   const std::array<QAction*, 3>& items)
    : QObject(&surface), surface_(surface) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        const ImageDesign& design = Images[i];
        auto* image = new ImageButton(QString::fromLatin1(design.name),
                                      iconFolder + QString::fromLatin1(design.icon), &surface);
        image->setGeometry(Twips(design.left, 120, 405, 405));
        image->setToolTip(QString::fromLatin1(design.toolTip));
        connect(image, &ImageButton::ButtonDown, this, [this, image] { Down(image); });
        connect(image, &ImageButton::ButtonUp, this, [this, image, item = items[i]](bool inside) {
            Up(image);
            if (inside) {
                item->trigger();
            }
        });
        connect(image, &ImageButton::Hover, this, [this, image] { Hover(image); });
    }
}

void ImageButtonStrip::Down(ImageButton* image) {
    surface_.EraseFrames();
    AddFrame(image->geometry(), true);
    savedPosition_ = image->pos();
    image->setGeometry(image->x() + PressTravel, image->y() + PressTravel,
                       image->width() - PressTravel, image->height() - PressTravel);
}

void ImageButtonStrip::Up(ImageButton* image) {
    surface_.EraseFrames();
    image->setGeometry(QRect(savedPosition_, QSize(ImageSize, ImageSize)));
    AddFrame(image->geometry(), false);
}

void ImageButtonStrip::Hover(ImageButton* image) {
    if (hoverCleared_) {
        AddFrame(image->geometry(), false);
        hoverCleared_ = false;
    }
}

void ImageButtonStrip::ClearFrames() {
    if (!hoverCleared_) {
        surface_.EraseFrames();
        hoverCleared_ = true;
    }
}

void ImageButtonStrip::EraseFrames() {
    surface_.EraseFrames();
}

void ImageButtonStrip::AddFrame(const QRect& image, bool sunken) {
    const QRectF r(image);
    surface_.AddFrame(r.adjusted(-FrameGap, -FrameGap, FrameGap, FrameGap), sunken);
}

} // namespace ombrix
