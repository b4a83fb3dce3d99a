#include "settings/dialogs/Form2.h"

#include "platform/qt/Win1252.h"
#include "settings/WindowTextTables.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

namespace ombrix {

Form2::Form2(DialogServices services)
    : QWidget(nullptr, Qt::Dialog), s_(services), rules_(s_.introHost) {
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);

    text1 = new QLabel(this);
    text1->setObjectName(QStringLiteral("text1"));
    text1->setGeometry(12, 12, 396, 176);
    text1->setWordWrap(true);
    text1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text1->setTextFormat(Qt::PlainText);
    Check1 = new QCheckBox(QStringLiteral("Enable Introducation Option"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(12, 196, 396, 24);
    Check1->setChecked(true);
    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(322, 228, 86, 26);
    Command1->setDefault(true);
    setFixedSize(420, 264);

    connect(Check1, &QCheckBox::clicked, this, [this](bool on) { rules_.Check1_Click(on); });
    connect(Command1, &QPushButton::clicked, this, &QWidget::close);

    rules_.Opened();
    s_.language.ApplyTexts(IntroWindow);
    setWindowTitle(platform::FromWin1252(rules_.Caption(platform::ToWin1252(windowTitle()))));
    text1->setText(platform::FromWin1252(rules_.Text()));
}

void Form2::closeEvent(QCloseEvent* event) {
    event->accept();
    rules_.Closed();
}

} // namespace ombrix
