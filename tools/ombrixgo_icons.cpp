// Paints the pictures of the converter's image buttons and its window icon
// into PNG files: ombrixgo_icons FOLDER writes NAME.png (32 px) and
// NAME@2x.png (64 px) for each picture. ombrixgo_icons --hicolor FOLDER
// writes the desktop's icons instead: the two programs' application icons and
// the definition file's type icon, at each size of the hicolor theme.

#include <QByteArray>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

// Every picture is drawn on a 32 by 32 grid and scaled to the output size.
using Painter = std::function<void(QPainter&)>;

QPainterPath Star(QPointF centre, double outer, double inner) {
    QPainterPath path;
    for (int i = 0; i < 8; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = i * 3.14159265358979 / 4.0 - 3.14159265358979 / 2.0;
        const QPointF p(centre.x() + radius * std::cos(angle),
                        centre.y() + radius * std::sin(angle));
        i == 0 ? path.moveTo(p) : path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

void Wizard(QPainter& p) {
    // A wand from the lower left to the upper right, with sparkles at its tip.
    p.save();
    p.translate(16, 16);
    p.rotate(-45);
    p.setPen(QPen(QColor(20, 20, 30), 1.0));
    p.setBrush(QColor(40, 40, 55));
    p.drawRoundedRect(QRectF(-13, -2, 22, 4), 1.5, 1.5);
    p.setBrush(QColor(245, 245, 245));
    p.drawRoundedRect(QRectF(7, -2, 6, 4), 1.5, 1.5);
    p.restore();
    p.setPen(QPen(QColor(150, 95, 0), 0.8));
    p.setBrush(QColor(255, 200, 20));
    p.drawPath(Star({24, 8}, 7.5, 2.6));
    p.setBrush(QColor(255, 225, 90));
    p.drawPath(Star({12, 6}, 4.0, 1.4));
    p.drawPath(Star({27, 20}, 4.0, 1.4));
}

void Calculator(QPainter& p) {
    QLinearGradient body(0, 2, 0, 30);
    body.setColorAt(0, QColor(95, 110, 135));
    body.setColorAt(1, QColor(55, 65, 85));
    p.setPen(QPen(QColor(35, 40, 55), 1.0));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(5.5, 1.5, 21, 29), 3, 3);
    p.setPen(QPen(QColor(40, 60, 40), 0.8));
    p.setBrush(QColor(190, 225, 180));
    p.drawRoundedRect(QRectF(8.5, 4.5, 15, 6), 1, 1);
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            const bool operatorKey = col == 2;
            p.setBrush(operatorKey ? QColor(240, 150, 40) : QColor(235, 238, 242));
            p.drawRoundedRect(QRectF(8.5 + col * 5.2, 13 + row * 4.3, 4.0, 3.3), 0.8, 0.8);
        }
    }
}

void OpenFile(QPainter& p) {
    // A folder opening towards the viewer, a sheet inside it.
    p.setPen(QPen(QColor(150, 100, 10), 1.0));
    p.setBrush(QColor(230, 170, 40));
    QPainterPath back;
    back.moveTo(2.5, 27.5);
    back.lineTo(2.5, 6.5);
    back.lineTo(11, 6.5);
    back.lineTo(13.5, 9.5);
    back.lineTo(26.5, 9.5);
    back.lineTo(26.5, 27.5);
    back.closeSubpath();
    p.drawPath(back);
    p.setPen(QPen(QColor(120, 120, 130), 0.8));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(7.5, 4.5, 15, 16));
    p.setPen(QPen(QColor(110, 150, 210), 1.0));
    for (double y = 8.5; y < 18; y += 3) {
        p.drawLine(QPointF(10, y), QPointF(20, y));
    }
    QLinearGradient front(0, 13, 0, 28);
    front.setColorAt(0, QColor(255, 215, 90));
    front.setColorAt(1, QColor(240, 175, 40));
    p.setPen(QPen(QColor(150, 100, 10), 1.0));
    p.setBrush(front);
    QPainterPath lid;
    lid.moveTo(2.5, 27.5);
    lid.lineTo(7.5, 13.5);
    lid.lineTo(30.5, 13.5);
    lid.lineTo(26.5, 27.5);
    lid.closeSubpath();
    p.drawPath(lid);
}

void Application(QPainter& p) {
    // Two arrows turning into each other around a euro sign.
    QLinearGradient back(0, 0, 32, 32);
    back.setColorAt(0, QColor(40, 110, 200));
    back.setColorAt(1, QColor(20, 60, 140));
    p.setPen(Qt::NoPen);
    p.setBrush(back);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    p.setPen(QPen(QColor(255, 205, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 8, 16, 16), 40 * 16, 100 * 16);
    p.drawArc(QRectF(8, 8, 16, 16), 220 * 16, 100 * 16);
    p.setPen(QPen(Qt::white, 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(11.5, 10, 10, 12), 60 * 16, 240 * 16);
    p.drawLine(QPointF(9.5, 14.5), QPointF(17, 14.5));
    p.drawLine(QPointF(9.5, 17.5), QPointF(17, 17.5));
}

// A sheet of paper with a folded corner, the base of the two file pictures.
void Sheet(QPainter& p) {
    p.setPen(QPen(QColor(110, 115, 130), 1.0));
    p.setBrush(QColor(250, 250, 252));
    QPainterPath sheet;
    sheet.moveTo(5.5, 1.5);
    sheet.lineTo(20.5, 1.5);
    sheet.lineTo(26.5, 7.5);
    sheet.lineTo(26.5, 30.5);
    sheet.lineTo(5.5, 30.5);
    sheet.closeSubpath();
    p.drawPath(sheet);
    p.setBrush(QColor(215, 218, 228));
    QPainterPath corner;
    corner.moveTo(20.5, 1.5);
    corner.lineTo(20.5, 7.5);
    corner.lineTo(26.5, 7.5);
    corner.closeSubpath();
    p.drawPath(corner);
}

void Editor(QPainter& p) {
    // A definition file's lines with a pencil writing the last one.
    Sheet(p);
    p.setPen(QPen(QColor(40, 110, 200), 1.4, Qt::SolidLine, Qt::RoundCap));
    for (double y = 10; y < 24; y += 3.5) {
        p.drawLine(QPointF(9, y), QPointF(y < 12 ? 17.0 : 23.0, y));
    }
    p.save();
    p.translate(19, 22);
    p.rotate(-45);
    p.setPen(QPen(QColor(120, 70, 0), 0.8));
    p.setBrush(QColor(255, 190, 40));
    p.drawRect(QRectF(-2, -2.5, 14, 5));
    p.setBrush(QColor(240, 200, 160));
    QPainterPath tip;
    tip.moveTo(-2, -2.5);
    tip.lineTo(-7, 0);
    tip.lineTo(-2, 2.5);
    tip.closeSubpath();
    p.drawPath(tip);
    p.restore();
}

void DefinitionFile(QPainter& p) {
    // A conversion definition file: a sheet with the two arrows of the converter.
    Sheet(p);
    p.setPen(QPen(QColor(20, 60, 140), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(9, 11, 14, 14), 40 * 16, 100 * 16);
    p.setPen(QPen(QColor(230, 160, 0), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(9, 11, 14, 14), 220 * 16, 100 * 16);
    p.setPen(QPen(QColor(40, 40, 55), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(12.5, 16.5), QPointF(19.5, 16.5));
    p.drawLine(QPointF(12.5, 19.5), QPointF(19.5, 19.5));
}

QImage Paint(int size, const Painter& paint) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    paint(painter);
    painter.end();
    return image;
}

// FOLDER/SIZExSIZE/CONTEXT/NAME.png for every size of the hicolor theme.
bool WriteHicolor(const QString& folder, const char* context, const char* name,
                  const Painter& paint) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/%3").arg(folder).arg(size).arg(context);
        QDir().mkpath(dir);
        const QString file =
            dir + QLatin1Char('/') + QString::fromLatin1(name) + QStringLiteral(".png");
        if (!Paint(size, paint).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

bool Write(const QString& folder, const char* name, const Painter& paint) {
    for (int scale : {1, 2}) {
        const QImage image = Paint(32 * scale, paint);
        const QString file = QDir(folder).filePath(
            QString::fromLatin1(name) +
            (scale == 2 ? QStringLiteral("@2x.png") : QStringLiteral(".png")));
        if (!image.save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const bool hicolor = argc == 3 && QByteArray(argv[1]) == "--hicolor";
    if (argc != 2 && !hicolor) {
        std::fprintf(stderr, "usage: ombrixgo_icons [--hicolor] FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[argc - 1]);
    QDir().mkpath(folder);
    if (hicolor) {
        // The names the desktop entries and the file type ask for.
        return WriteHicolor(folder, "apps", "example.quavomat.ombrixgo", Application) &&
                       WriteHicolor(folder, "apps", "example.quavomat.OmbrixEditor", Editor) &&
                       WriteHicolor(folder, "mimetypes", "text-x-quavomat-definition",
                                    DefinitionFile)
                   ? 0
                   : 1;
    }
    const bool ok = Write(folder, "wizard", Wizard) && Write(folder, "calculator", Calculator) &&
                    Write(folder, "openfile", OpenFile) && Write(folder, "ombrixgo", Application);
    return ok ? 0 : 1;
}
