#pragma once
// A message sink that logs every message and answers from a script: the
// queued answers in turn, then Ok.

#include "base/MessageSink.h"

#include <deque>
#include <vector>

namespace ombrix::testing {

class RecordingSink : public MessageSink {
public:
    MessageAnswer Show(const Message& message) override {
        messages.push_back(message);
        if (answers.empty()) {
            return MessageAnswer::Ok;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<MessageAnswer> answers;
    std::vector<Message> messages;
};

} // namespace ombrix::testing
