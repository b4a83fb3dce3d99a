#include "guikit/Sysmsgbox.h"

#include "guikit/Twips.h"
#include "platform/qt/Win1252.h"

#include <QLabel>
#include <QPushButton>

#include <algorithm>

namespace ombrix {

Sysmsgbox::Sysmsgbox(std::function<std::string()> ownerCaption, QWidget* parent)
    : QDialog(parent), ownerCaption_(std::move(ownerCaption)) {
    setObjectName(QStringLiteral("Sysmsgbox"));
    setWindowTitle(QStringLiteral("Form5"));
    setFixedSize(Px(2940), Px(1065));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setGeometry(Px(360), Px(120), Px(2295), Px(375));
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Px(840), Px(600), Px(1095), Px(375));
    connect(Command1, &QPushButton::clicked, this, &QDialog::close);
}

bool Sysmsgbox::Form(const std::string& text) {
    setWindowTitle(platform::FromWin1252(ownerCaption_()));
    Label1->setText(platform::FromWin1252(text));
    FitText();
    show();
    return isVisible();
}

void Sysmsgbox::FitText() {
    // The designed box holds a short line; a longer one (a file's path
    // before its message) widens the box, and past a screen-friendly width
    // wraps, so the whole text can be read.
    constexpr int MaxLabelWidth = 560;
    const int margin = Px(360);
    const int designed = Px(2295);
    const int wanted = Label1->fontMetrics().horizontalAdvance(Label1->text()) + 4;
    const int width = std::clamp(wanted, designed, MaxLabelWidth);
    Label1->setWordWrap(wanted > MaxLabelWidth);
    const int height = std::max(Px(375), Label1->heightForWidth(width));
    Label1->setGeometry(margin, Px(120), width, height);
    const int boxWidth = margin + width + (Px(2940) - margin - designed);
    Command1->setGeometry((boxWidth - Px(1095)) / 2, Px(120) + height + Px(105), Px(1095), Px(375));
    setFixedSize(boxWidth, Command1->geometry().bottom() + Px(90));
}

} // namespace ombrix
