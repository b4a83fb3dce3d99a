#include "settings/dialogs/DialogWindows.h"

#include "settings/dialogs/Form2.h"
#include "settings/dialogs/Form3.h"
#include "settings/dialogs/Form4.h"

namespace ombrix {

namespace {

void Raise(QWidget& window) {
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace

DialogWindows::~DialogWindows() {
    delete intro_.data();
    delete options_.data();
}

Form3* DialogWindows::Options() const {
    return options_ != nullptr && options_->isVisible() ? options_.data() : nullptr;
}

Form2* DialogWindows::Intro() const {
    return intro_.data();
}

bool DialogWindows::ShowOptions() {
    if (Form3* open = Options()) {
        Raise(open->Properties() != nullptr ? static_cast<QWidget&>(*open->Properties())
                                            : static_cast<QWidget&>(*open));
        return true;
    }
    auto* form = new Form3(s_);
    if (form->Ending()) {
        delete form;
        return false;
    }
    options_ = form;
    Raise(*form);
    return true;
}

void DialogWindows::ShowIntro() {
    if (intro_ != nullptr) {
        intro_->close();
    }
    intro_ = new Form2(s_);
    Raise(*intro_);
}

} // namespace ombrix
