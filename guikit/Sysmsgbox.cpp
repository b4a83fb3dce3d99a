#include "guikit/Sysmsgbox.h"

#include "guikit/Twips.h"
#include "platform/qt/Win1252.h"

#include <QLabel>
#include <QPushButton>

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
    show();
    return isVisible();
}

} // namespace ombrix
