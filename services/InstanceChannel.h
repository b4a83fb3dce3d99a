#pragma once
// The single-instance channel between copies of a program.

#include <string>

namespace ombrix {

class InstanceChannel {
public:
    virtual ~InstanceChannel() = default;
    // True when another copy runs: the command line was handed to it and this
    // copy must end. False when this copy is now the one that receives.
    virtual bool HandOverToRunningCopy(const std::string& commandLine) = 0;
};

} // namespace ombrix
