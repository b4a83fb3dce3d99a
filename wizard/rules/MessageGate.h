#pragma once
// Passes messages on to the user, or, while a table is converted, only the
// first one: a pasted column of bad cells must not mean a box per cell.

#include "base/MessageSink.h"

namespace ombrix {

class MessageGate : public MessageSink {
public:
    explicit MessageGate(MessageSink& next) : next_(next) {}

    // Messages after the first one of a OneMessage's life are answered Ok
    // without being shown: they are the same conversion's error again.
    MessageAnswer Show(const Message& message) override;

    class OneMessage {
    public:
        explicit OneMessage(MessageGate& gate);
        ~OneMessage();
        OneMessage(const OneMessage&) = delete;
        OneMessage& operator=(const OneMessage&) = delete;

    private:
        MessageGate& gate_;
    };

private:
    MessageSink& next_;
    bool limited_ = false;
    bool shown_ = false;
};

} // namespace ombrix
