#pragma once
// What the fuzz targets share: a message sink that answers every box with OK.

#include "engine/MessageSink.h"

namespace ombrix::fuzzing {

class OkSink : public MessageSink {
public:
    MessageAnswer Show(const Message&) override { return MessageAnswer::Ok; }
};

} // namespace ombrix::fuzzing
