#include "guikit/frmAbout.h"

#include "guikit/rules/AboutRules.h"
#include "guikit/rules/HelpLauncher.h"
#include "platform/qt/Win1252.h"
#include "settings/WindowTextTables.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

namespace ombrix {

using platform::FromWin1252;
using platform::ToWin1252;

namespace {

constexpr QSize PictureSize(359, 239);

QLabel* MakeLabel(QWidget* parent, const char* name, const QRect& geometry, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QRect& geometry,
                        const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    return button;
}

// The box's picture: the program's icon and name on a calm gradient.
QPixmap Picture(const QIcon& icon) {
    constexpr int Mark = 128;
    QPixmap picture(PictureSize);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QLinearGradient gradient(0, 0, 0, PictureSize.height());
    gradient.setColorAt(0, QColor(0x2b, 0x57, 0x8c));
    gradient.setColorAt(1, QColor(0x9c, 0xc3, 0xe6));
    painter.fillRect(picture.rect(), gradient);
    const QRect markPlace((PictureSize.width() - Mark) / 2, 30, Mark, Mark);
    painter.drawPixmap(markPlace, icon.pixmap(QSize(Mark, Mark)));
    QFont font = painter.font();
    font.setPixelSize(28);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, markPlace.bottom() + 10, PictureSize.width(), 40), Qt::AlignCenter,
                     QStringLiteral("Quavomat"));
    return picture;
}

} // namespace

frmAbout::frmAbout(AboutServices services, bool openedFromEditor)
    : s_(std::move(services)), openedFromEditor_(openedFromEditor) {
    setObjectName(QString::fromLatin1(WindowObjectName(AboutWindow).data()));
    setWindowTitle(QString::fromLatin1(WindowDesignCaption(AboutWindow).data()));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(595, 400);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setGeometry(QRect(QPoint(12, 12), PictureSize));
    Image1->setPixmap(Picture(QApplication::windowIcon()));
    lblVersion = MakeLabel(this, "lblVersion", QRect(383, 12, 200, 24), QStringLiteral("Version"));
    lblDescription = MakeLabel(this, "lblDescription", QRect(383, 44, 200, 207),
                               QStringLiteral("Quavomat Euro Edition"));
    lblDisclaimer = MakeLabel(
        this, "lblDisclaimer", QRect(12, 263, 571, 80),
        QStringLiteral("Warning: this program is provided as it is, without warranty of any "
                       "kind. Check important results before you rely on them."));
    cmdOK = MakeButton(this, "cmdOK", QRect(463, 355, 120, 30), "OK");
    cmdOK->setDefault(true);
    cmdSysInfo = MakeButton(this, "cmdSysInfo", QRect(331, 355, 120, 30), "&System Info...");
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] {
        StartSysInfo(s_.registry, s_.starter, s_.messages,
                     qEnvironmentVariable("PATH").toStdString());
    });

    if (!openedFromEditor_) {
        // Shown without waiting, yet nothing else of the program takes input meanwhile.
        setWindowModality(Qt::ApplicationModal);
    }
    AboutOpened(openedFromEditor_, s_.owners);
    s_.language.ApplyTexts(AboutWindow);

    const AboutLines lines =
        CompleteAboutLines({ToWin1252(windowTitle()), ToWin1252(lblVersion->text()),
                            ToWin1252(lblDescription->text())},
                           s_.appTitle);
    setWindowTitle(FromWin1252(lines.caption));
    lblVersion->setText(FromWin1252(lines.version));
    lblDescription->setText(FromWin1252(lines.description));
    // The disclaimer's lines are joined by carriage returns alone.
    lblDisclaimer->setText(lblDisclaimer->text().replace(u'\r', u'\n'));
}

void frmAbout::ShowProgramWord(const std::string& word) {
    if (Label1 == nullptr) {
        // Under the name the picture paints, in the picture's own lettering.
        Label1 = new QLabel(this);
        Label1->setObjectName(QStringLiteral("Label1"));
        Label1->setGeometry(QRect(Image1->x(), Image1->y() + 206, PictureSize.width(), 30));
        Label1->setAlignment(Qt::AlignCenter);
        QFont font = Label1->font();
        font.setPixelSize(20);
        font.setBold(true);
        Label1->setFont(font);
        Label1->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    }
    Label1->setText(FromWin1252(word));
    Label1->show();
}

void frmAbout::done(int result) {
    if (!closed_) {
        closed_ = true;
        AboutClosed(openedFromEditor_, s_.owners);
    }
    QDialog::done(result);
}

} // namespace ombrix
