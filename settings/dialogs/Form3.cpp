#include "settings/dialogs/Form3.h"

#include "guikit/DialogKeys.h"
#include "guikit/ListTypeAhead.h"
#include "platform/qt/Win1252.h"
#include "settings/dialogs/Form4.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace ombrix {

namespace {

template <typename T> T* Named(T* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QPushButton* Button(QWidget* parent, const char* name, int x, int y, int width) {
    auto* button = Named(new QPushButton(QString::fromLatin1(name), parent), name);
    button->setGeometry(x, y, width, 26);
    return button;
}

} // namespace

Form3::Form3(DialogServices services)
    : QWidget(nullptr, Qt::Dialog), s_(services),
      rules_({s_.catalogue, s_.optionsHost, s_.sink, s_.texts, s_.fileDialogs}, *this) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);

    Label1 = Named(new QLabel(QStringLiteral("Label1"), this), "Label1");
    Label1->setGeometry(12, 10, 300, 20);
    Text1 = Named(new QLineEdit(this), "Text1");
    Text1->setGeometry(12, 32, 300, 26);
    Command1 = Button(this, "Command1", 320, 32, 98);

    Frame1 = Named(new QGroupBox(QStringLiteral("Frame1"), this), "Frame1");
    Frame1->setGeometry(6, 68, 418, 106);
    Label2 = Named(new QLabel(QStringLiteral("Label2"), Frame1), "Label2");
    Label2->setGeometry(8, 22, 300, 20);
    Combo1 = Named(new QComboBox(Frame1), "Combo1");
    Combo1->setEditable(true);
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setGeometry(8, 44, 402, 26);
    Command5 = Button(Frame1, "Command5", 8, 74, 128);
    Command6 = Button(Frame1, "Command6", 145, 74, 128);
    Command7 = Button(Frame1, "Command7", 282, 74, 128);

    Command2 = Button(this, "Command2", 152, 184, 86);
    Command3 = Button(this, "Command3", 245, 184, 86);
    Command4 = Button(this, "Command4", 338, 184, 86);
    setFixedSize(430, 220);

    new ListTypeAhead(*Combo1, s_.beeper, {}, [this](int index) { rules_.ListClicked(index); });
    connect(Combo1, &QComboBox::activated, this, [this](int index) { rules_.ListClicked(index); });
    connect(Text1, &QLineEdit::textEdited, this, [this] { rules_.LanguageEdited(); });
    connect(Command1, &QPushButton::clicked, this, [this] { rules_.Command1_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { rules_.Command5_Click(); });
    connect(Command6, &QPushButton::clicked, this, [this] { rules_.Command6_Click(); });
    connect(Command7, &QPushButton::clicked, this, [this] { rules_.Command7_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { rules_.Command4_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { rules_.Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { rules_.Command3_Click(); });

    rules_.Load();
}

Form3::~Form3() {
    delete properties_.data();
}

void Form3::keyPressEvent(QKeyEvent* event) {
    if (!PressDialogKey(*event, *Command2, *Command3)) {
        QWidget::keyPressEvent(event);
    }
}

void Form3::closeEvent(QCloseEvent* event) {
    if (!closing_ && !rules_.Ending()) {
        event->ignore();
        if (properties_ != nullptr) {
            // The properties dialog is answered first.
            properties_->raise();
            properties_->activateWindow();
            return;
        }
        // The close box cancels; with an empty catalogue that ends the
        // program, so no copy runs on without a window.
        QTimer::singleShot(0, this, [this] { rules_.Command3_Click(); });
        return;
    }
    event->accept();
    rules_.Closed();
}

void Form3::ShowList(const std::vector<std::string>& items) {
    const QString text = Combo1->currentText();
    Combo1->clear();
    for (const std::string& item : items) {
        Combo1->addItem(platform::FromWin1252(item));
    }
    Combo1->setCurrentIndex(-1);
    Combo1->setEditText(text);
}

void Form3::SelectListItem(int index) {
    Combo1->setCurrentIndex(index);
}

void Form3::SetListText(const std::string& text) {
    Combo1->setEditText(platform::FromWin1252(text));
}

std::string Form3::LanguageText() const {
    return platform::ToWin1252(Text1->text());
}

void Form3::SetLanguageText(const std::string& text) {
    Text1->setText(platform::FromWin1252(text));
}

bool Form3::ApplyEnabled() const {
    return Command4->isEnabled();
}

void Form3::SetApplyEnabled(bool enabled) {
    Command4->setEnabled(enabled);
}

void Form3::SetPropertiesEnabled(bool enabled) {
    Command6->setEnabled(enabled);
}

void Form3::BringToFront() {
    raise();
    activateWindow();
}

void Form3::OpenProperties() {
    if (properties_ != nullptr) {
        properties_->raise();
        return;
    }
    properties_ = new Form4(s_, rules_, this);
    properties_->show();
    properties_->raise();
    properties_->activateWindow();
}

void Form3::CloseWindow() {
    closing_ = true;
    close();
}

} // namespace ombrix
