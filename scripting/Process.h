// A child process with its three standard streams on pipes. Whatever the
// script reads, its output and error pipes are both drained into buffers as
// data arrives (poll), so a child writing much to either never blocks on
// the other.
#pragma once

#include "Support.h"

#include <memory>
#include <string>
#include <sys/types.h>

namespace vorna::scripting {

class Process {
public:
    enum Pipe { Out = 0, Err = 1 };
    static Result<std::shared_ptr<Process>> start(const std::string& command);
    ~Process();

    // Reads what is available (waiting up to timeoutMs, -1 forever).
    void pump(int timeoutMs);
    // Takes the buffered bytes of one pipe, waiting until there are some or
    // the pipe is at its end; "" at the end.
    std::string take(Pipe pipe);
    Status writeInput(std::string_view bytes);
    void closeInput();
    bool running(); // reaps the child when it has ended
    int exitCode();
    pid_t pid() const { return m_pid; }
    void terminate();

private:
    Process() = default;
    pid_t m_pid = -1;
    int m_in = -1;
    int m_fds[2] = { -1, -1 };
    std::string m_buffers[2];
    bool m_ended = false;
    int m_status = 0;
};

// Runs a command through /bin/sh -c; with wait, its exit status.
Result<int> runCommand(const std::string& command, bool wait);

} // namespace vorna::scripting
