#include "RunProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace ombrix::testing {

ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& arguments,
                         const std::string& input, const std::vector<std::string>& environment) {
    int in[2], out[2], err[2];
    if (pipe(in) != 0 || pipe(out) != 0 || pipe(err) != 0)
        return {};
    pid_t pid = fork();
    if (pid == 0) {
        dup2(in[0], 0);
        dup2(out[1], 1);
        dup2(err[1], 2);
        for (int fd : {in[0], in[1], out[0], out[1], err[0], err[1]})
            close(fd);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& a : arguments)
            argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        for (const std::string& entry : environment)
            putenv(const_cast<char*>(entry.c_str()));
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(in[0]);
    close(out[1]);
    close(err[1]);
    std::signal(SIGPIPE, SIG_IGN);
    // A blocking write of a large input would wait for the child while the
    // child waits for us to read its output.
    fcntl(in[1], F_SETFL, fcntl(in[1], F_GETFL) | O_NONBLOCK);

    // Feed the input and drain both outputs together, so no pipe fills up.
    ProcessResult result;
    std::size_t written = 0;
    if (input.empty())
        close(in[1]);
    bool inputOpen = !input.empty();
    bool outOpen = true, errOpen = true;
    std::array<char, 65536> buffer{};
    while (outOpen || errOpen) {
        std::vector<pollfd> fds;
        if (inputOpen)
            fds.push_back({in[1], POLLOUT, 0});
        if (outOpen)
            fds.push_back({out[0], POLLIN, 0});
        if (errOpen)
            fds.push_back({err[0], POLLIN, 0});
        if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR)
            break;
        for (const pollfd& p : fds) {
            if (p.revents == 0)
                continue;
            if (p.fd == in[1]) {
                ssize_t n = write(in[1], input.data() + written, input.size() - written);
                if (n > 0)
                    written += std::size_t(n);
                const bool wouldBlock = n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
                if ((n < 0 && !wouldBlock) || written == input.size()) {
                    close(in[1]);
                    inputOpen = false;
                }
                continue;
            }
            ssize_t n = read(p.fd, buffer.data(), buffer.size());
            std::string& sinkText = p.fd == out[0] ? result.out : result.err;
            if (n > 0) {
                sinkText.append(buffer.data(), std::size_t(n));
            } else {
                (p.fd == out[0] ? outOpen : errOpen) = false;
            }
        }
    }
    if (inputOpen)
        close(in[1]);
    close(out[0]);
    close(err[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

} // namespace ombrix::testing
