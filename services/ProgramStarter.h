#pragma once
// Starts a program as a new process.

#include <string>

namespace ombrix {

class ProgramStarter {
public:
    virtual ~ProgramStarter() = default;
    // False when it could not be started.
    virtual bool Start(const std::string& path) = 0;
};

} // namespace ombrix
