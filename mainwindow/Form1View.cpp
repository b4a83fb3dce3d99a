// The main window's controls as the panel and lifecycle rules see them.
#include "mainwindow/Form1.h"

#include "platform/qt/QtServices.h"
#include "platform/qt/Win1252.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTimer>

namespace ombrix {

using platform::FromWin1252;
using platform::ToWin1252;

std::string Form1::Caption() const {
    return ToWin1252(windowTitle());
}

void Form1::SetCaption(const std::string& caption) {
    setWindowTitle(FromWin1252(caption));
}

void Form1::SetLabels(const PanelLabels& labels) {
    Label1->setText(FromWin1252(labels.label1));
    Label2->setText(FromWin1252(labels.label2));
    Label3->setText(FromWin1252(labels.label3));
    Label4->setText(FromWin1252(labels.label4));
    Label5->setText(FromWin1252(labels.label5));
    Label6->setText(FromWin1252(labels.label6));
}

void Form1::ClearList() {
    Combo1->clear();
}

void Form1::AddListItem(const std::string& name) {
    Combo1->addItem(FromWin1252(name));
}

void Form1::RemoveListItem(std::int16_t index) {
    const QString text = Combo1->lineEdit()->text();
    const bool wasSelected = Combo1->currentIndex() == index;
    Combo1->removeItem(index);
    if (wasSelected) {
        Combo1->setCurrentIndex(-1);
        Combo1->lineEdit()->setText(text);
    }
}

void Form1::SelectListItem(std::int16_t index) {
    Combo1->setCurrentIndex(index);
}

std::int16_t Form1::ListSelection() const {
    return static_cast<std::int16_t>(Combo1->currentIndex());
}

void Form1::SetListText(const std::string& text) {
    Combo1->lineEdit()->setText(FromWin1252(text));
}

std::string Form1::FieldText(int field) const {
    return ToWin1252((field == 1 ? Text1 : Text2)->text());
}

void Form1::SetFieldText(int field, const std::string& text) {
    (field == 1 ? Text1 : Text2)->setText(FromWin1252(text));
}

void Form1::SetActiveOption(int field) {
    (field == 1 ? Option1 : Option2)->setChecked(true);
}

void Form1::SetFormatControlsEnabled(bool check1, bool digitchek, bool combo2) {
    Check1->setEnabled(check1);
    Digitchek->setEnabled(digitchek);
    Combo2->setEnabled(combo2);
}

void Form1::SetDecimalsEnabled(bool enabled) {
    Combo2->setEnabled(enabled);
}

bool Form1::PrecisionChecked() const {
    return Check1->isChecked();
}

void Form1::SetPrecisionChecked(bool checked) {
    Check1->setChecked(checked);
}

void Form1::SetDigitChecked(bool checked) {
    Digitchek->setChecked(checked);
}

void Form1::SelectDecimals(int index) {
    Combo2->setCurrentIndex(index);
}

int Form1::SelectedDecimals() const {
    return Combo2->currentIndex();
}

namespace {

QAction* ItemOf(const Form1& form, MenuItem item) {
    switch (item) {
    case MenuItem::AlwaysOnTop:
        return form.Altop;
    case MenuItem::Intro:
        return form.Indo;
    case MenuItem::Tray:
        return form.Mtray;
    case MenuItem::Startup:
        return form.startup;
    }
    return form.Altop;
}

} // namespace

bool Form1::MenuChecked(MenuItem item) const {
    return ItemOf(*this, item)->isChecked();
}

void Form1::SetMenuChecked(MenuItem item, bool checked) {
    ItemOf(*this, item)->setChecked(checked);
}

void Form1::SetMenuEnabled(MenuItem item, bool enabled) {
    ItemOf(*this, item)->setEnabled(enabled);
}

void Form1::ShowWindow() {
    if (isMinimized()) {
        showNormal();
    } else {
        show();
    }
    raise();
    activateWindow();
}

void Form1::HideWindow() {
    hide();
}

bool Form1::WindowVisible() const {
    return isVisible();
}

bool Form1::WindowEnabled() const {
    return isEnabled();
}

void Form1::SetWindowEnabled(bool enabled) {
    setEnabled(enabled);
}

void Form1::SetTopmost(bool on) {
    platform::SetTopmost(*this, on);
}

void Form1::ClearDrawing() {
    EraseImageFrames();
}

} // namespace ombrix
