#pragma once
// The single-instance channel between copies of a program.

#include <functional>
#include <string>

namespace ombrix {

// Runs a command line that a later copy handed over.
using CommandLineReceiver = std::function<void(const std::string&)>;

class InstanceChannel {
public:
    virtual ~InstanceChannel() = default;
    // True when another copy runs: the command line was handed to it and this
    // copy must end. False when this copy is now the one that receives: from
    // then on `receive` runs each command line handed over.
    virtual bool HandOverToRunningCopy(const std::string& commandLine,
                                       CommandLineReceiver receive) = 0;
};

} // namespace ombrix
