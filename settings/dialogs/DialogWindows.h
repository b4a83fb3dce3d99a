#pragma once
// Opens the options and intro dialogs for the main window, each made anew
// when it opens; asking for an open one brings it to the front.

#include "settings/dialogs/DialogServices.h"

#include <QPointer>

namespace ombrix {

class Form2;
class Form3;

class DialogWindows {
public:
    explicit DialogWindows(DialogServices services) : s_(std::move(services)) {}
    ~DialogWindows();
    DialogWindows(const DialogWindows&) = delete;
    DialogWindows& operator=(const DialogWindows&) = delete;

    // False when no options dialog could be shown (the program is ending).
    bool ShowOptions();
    void ShowIntro();

    // The open dialogs, or null.
    Form3* Options() const;
    Form2* Intro() const;

private:
    DialogServices s_;
    QPointer<Form3> options_;
    QPointer<Form2> intro_;
};

} // namespace ombrix
