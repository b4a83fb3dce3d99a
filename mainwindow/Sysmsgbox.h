#pragma once
// A small window that shows one line of message text with an OK button,
// titled like the main window; it does not wait for the answer.

#include "mainwindow/rules/WindowPorts.h"

#include <QDialog>

#include <string>

class QLabel;
class QPushButton;

namespace ombrix {

class Sysmsgbox : public QDialog {
    Q_OBJECT
public:
    explicit Sysmsgbox(const MainView& mainView, QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* Command1;

    // Shows `text`; a second call while the box is open replaces the text.
    bool Form(const std::string& text);

private:
    const MainView& mainView_;
};

} // namespace ombrix
