#include "wizard/rules/MessageGate.h"

namespace ombrix {

MessageAnswer MessageGate::Show(const Message& message) {
    if (limited_ && shown_) {
        return MessageAnswer::Ok;
    }
    shown_ = true;
    return next_.Show(message);
}

MessageGate::OneMessage::OneMessage(MessageGate& gate) : gate_(gate) {
    gate_.limited_ = true;
    gate_.shown_ = false;
}

MessageGate::OneMessage::~OneMessage() {
    gate_.limited_ = false;
}

} // namespace ombrix
