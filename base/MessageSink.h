#pragma once
// Core never shows a window: it reports through this sink, and the GUI (or a
// command line, or a test) decides how the message reaches the user.

#include <string>

namespace ombrix {

enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct Message {
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    std::string title; // Windows-1252; empty means the application's own title
    std::string text;  // Windows-1252
};

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual MessageAnswer Show(const Message& message) = 0;
};

} // namespace ombrix
