#pragma once
// A small window that shows one line of message text with an OK button,
// titled like the main window; it does not wait for the answer.

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QPushButton;

namespace ombrix {

class Sysmsgbox : public QDialog {
    Q_OBJECT
public:
    // ownerCaption: the caption of the window the box speaks for.
    explicit Sysmsgbox(std::function<std::string()> ownerCaption, QWidget* parent = nullptr);

    QLabel* Label1;
    QPushButton* Command1;

    // Shows `text`; a second call while the box is open replaces the text.
    bool Form(const std::string& text);

private:
    void FitText();

    std::function<std::string()> ownerCaption_;
};

} // namespace ombrix
