#include "settings/dialogs/Form4.h"

#include "guikit/DialogKeys.h"
#include "platform/qt/Win1252.h"
#include "settings/WindowTextTables.h"

#include <QCheckBox>
#include <QCloseEvent>
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

QPushButton* Button(QWidget* parent, const char* name, int x, int y) {
    auto* button = Named(new QPushButton(QString::fromLatin1(name), parent), name);
    button->setGeometry(x, y, 110, 26);
    return button;
}

} // namespace

Form4::Form4(DialogServices services, OptionsRules& options, QWidget* owner)
    : QWidget(owner, Qt::Dialog), s_(services),
      rules_({options, s_.sink, s_.texts, s_.fileDialogs, s_.folders}, *this) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    // Shown without waiting, but the options dialog takes no input meanwhile.
    setWindowModality(Qt::WindowModal);

    Frame1 = Named(new QGroupBox(QStringLiteral("Frame1"), this), "Frame1");
    Frame1->setGeometry(6, 6, 438, 168);
    Label1 = Named(new QLabel(QStringLiteral("Label1"), Frame1), "Label1");
    Label1->setGeometry(8, 22, 300, 20);
    Text1 = Named(new QLineEdit(Frame1), "Text1");
    Text1->setGeometry(8, 44, 302, 26);
    Command1 = Button(Frame1, "Command1", 318, 44);
    Label2 = Named(new QLabel(QStringLiteral("Label2"), Frame1), "Label2");
    Label2->setGeometry(8, 76, 300, 20);
    Text2 = Named(new QLineEdit(Frame1), "Text2");
    Text2->setGeometry(8, 98, 302, 26);
    Command5 = Button(Frame1, "Command5", 318, 98);
    Check1 = Named(new QCheckBox(QStringLiteral("Check1"), Frame1), "Check1");
    Check1->setGeometry(8, 134, 302, 24);
    Command4 = Button(Frame1, "Command4", 318, 132);
    Command2 = Button(this, "Command2", 216, 184);
    Command3 = Button(this, "Command3", 334, 184);
    setFixedSize(450, 220);

    connect(Check1, &QCheckBox::clicked, this, [this](bool on) { rules_.Check1_Click(on); });
    connect(Command1, &QPushButton::clicked, this, [this] { rules_.Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { rules_.Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { rules_.Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { rules_.Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] {
        if (s_.openEditor) {
            s_.openEditor(*this);
        }
    });

    s_.language.ApplyTexts(PropertiesWindow);
    rules_.Load();
}

Form4::~Form4() {
    delete notice_.data();
}

void Form4::keyPressEvent(QKeyEvent* event) {
    if (!PressDialogKey(*event, *Command2, *Command3)) {
        QWidget::keyPressEvent(event);
    }
}

void Form4::closeEvent(QCloseEvent* event) {
    if (!isEnabled()) {
        // The editor it opened is answered first.
        event->ignore();
        return;
    }
    if (!closing_) {
        // The close box cancels.
        event->ignore();
        QTimer::singleShot(0, this, [this] { rules_.Command3_Click(); });
        return;
    }
    event->accept();
    if (QWidget* owner = parentWidget()) {
        owner->raise();
        owner->activateWindow();
    }
}

std::string Form4::FileField() const {
    return platform::ToWin1252(Text1->text());
}

void Form4::SetFileField(const std::string& path) {
    Text1->setText(platform::FromWin1252(path));
}

std::string Form4::NameText() const {
    return platform::ToWin1252(Text2->text());
}

void Form4::SetNameField(const std::string& title) {
    Text2->setText(platform::FromWin1252(title));
}

void Form4::DisableEditButton() {
    Command5->setEnabled(false);
}

void Form4::SetHostEnabled(bool enabled) {
    setEnabled(enabled);
    if (enabled) {
        raise();
        activateWindow();
    }
}

void Form4::SetDefaultBox(bool checked, bool enabled) {
    Check1->setChecked(checked);
    Check1->setEnabled(enabled);
}

void Form4::SetDeleteEnabled(bool enabled) {
    Command4->setEnabled(enabled);
}

void Form4::SetEditEnabled(bool enabled) {
    Command5->setEnabled(enabled);
}

void Form4::Notice(const std::string& text) {
    if (notice_ == nullptr) {
        notice_ = new Sysmsgbox([this] { return platform::ToWin1252(windowTitle()); }, this);
        notice_->setWindowModality(Qt::WindowModal);
    }
    notice_->Form(text);
}

void Form4::CloseWindow() {
    closing_ = true;
    close();
}

} // namespace ombrix
