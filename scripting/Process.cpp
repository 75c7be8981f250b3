#include "Process.h"

#include <cerrno>
#include <cstdio>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace vorna::scripting {

namespace {

int statusCode(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return 0;
}

void closeFd(int& fd)
{
    if (fd >= 0)
        ::close(std::exchange(fd, -1));
}

// Spawns /bin/sh -c command; the file actions set up the child's streams.
Result<pid_t> spawnShell(const std::string& command, const posix_spawn_file_actions_t* actions)
{
    const char* argv[] = { "/bin/sh", "-c", command.c_str(), nullptr };
    std::fflush(nullptr); // what the script wrote comes before the child's output
    pid_t pid = -1;
    int err = ::posix_spawn(&pid, "/bin/sh", actions, nullptr, const_cast<char**>(argv), environ);
    if (err != 0)
        return vbs::fail(ErrorCode::FileNotFound);
    return pid;
}

} // namespace

Result<std::shared_ptr<Process>> Process::start(const std::string& command)
{
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0)
        return fileError(errno);
    if (::pipe2(out, O_CLOEXEC) != 0) {
        ::close(in[0]), ::close(in[1]);
        return fileError(errno);
    }
    if (::pipe2(err, O_CLOEXEC) != 0) {
        ::close(in[0]), ::close(in[1]), ::close(out[0]), ::close(out[1]);
        return fileError(errno);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    auto pid = spawnShell(command, &actions);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]), ::close(out[1]), ::close(err[1]);
    if (!pid.ok()) {
        ::close(in[1]), ::close(out[0]), ::close(err[0]);
        return pid.takeError();
    }
    std::shared_ptr<Process> p(new Process());
    p->m_pid = *pid;
    p->m_in = in[1];
    p->m_fds[Out] = out[0];
    p->m_fds[Err] = err[0];
    return p;
}

Process::~Process()
{
    closeFd(m_in);
    closeFd(m_fds[Out]);
    closeFd(m_fds[Err]);
    running();
}

void Process::pump(int timeoutMs)
{
    for (int round = 0; round < 64; ++round) {
        pollfd fds[2];
        int n = 0;
        for (int i = 0; i < 2; ++i)
            if (m_fds[i] >= 0)
                fds[n++] = { m_fds[i], POLLIN, 0 };
        if (n == 0)
            return;
        int ready = ::poll(fds, nfds_t(n), timeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            return;
        for (int k = 0; k < n; ++k) {
            if (!fds[k].revents)
                continue;
            int which = fds[k].fd == m_fds[Out] ? Out : Err;
            char buffer[65536];
            ssize_t got = ::read(fds[k].fd, buffer, sizeof buffer);
            if (got > 0)
                m_buffers[which].append(buffer, size_t(got));
            else if (got == 0 || errno != EINTR)
                closeFd(m_fds[which]);
        }
        if (timeoutMs != 0)
            return; // one round of waiting; callers loop
    }
}

std::string Process::take(Pipe pipe)
{
    while (m_buffers[pipe].empty() && m_fds[pipe] >= 0)
        pump(-1);
    return std::exchange(m_buffers[pipe], std::string());
}

Status Process::writeInput(std::string_view bytes)
{
    // A child that has closed its input must not end this process by SIGPIPE.
    sigset_t pipeSet, old;
    sigemptyset(&pipeSet);
    sigaddset(&pipeSet, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipeSet, &old);
    Status status;
    while (!bytes.empty() && status.ok()) {
        if (m_in < 0) {
            status = vbs::fail(ErrorCode::BadFileNameOrNumber);
            break;
        }
        pollfd fds[3] = { { m_in, POLLOUT, 0 }, { m_fds[Out], POLLIN, 0 }, { m_fds[Err], POLLIN, 0 } };
        if (::poll(fds, 3, -1) < 0 && errno != EINTR)
            break;
        if (fds[1].revents || fds[2].revents)
            pump(0);
        if (!fds[0].revents)
            continue;
        ssize_t n = ::write(m_in, bytes.data(), bytes.size());
        if (n < 0 && errno != EINTR && errno != EAGAIN)
            status = vbs::fail(ErrorCode::PermissionDenied);
        else if (n > 0)
            bytes.remove_prefix(size_t(n));
    }
    timespec zero {};
    while (sigtimedwait(&pipeSet, nullptr, &zero) > 0) {
    }
    pthread_sigmask(SIG_SETMASK, &old, nullptr);
    return status;
}

void Process::closeInput() { closeFd(m_in); }

bool Process::running()
{
    if (m_ended)
        return false;
    int status = 0;
    pid_t r = ::waitpid(m_pid, &status, WNOHANG);
    if (r == m_pid || (r < 0 && errno == ECHILD)) {
        m_ended = true;
        m_status = r == m_pid ? statusCode(status) : 0;
    }
    return !m_ended;
}

int Process::exitCode()
{
    running();
    return m_ended ? m_status : 0;
}

void Process::terminate()
{
    if (running())
        ::kill(m_pid, SIGTERM);
}

Result<int> runCommand(const std::string& command, bool wait)
{
    if (wait) {
        TRY_ASSIGN(pid, spawnShell(command, nullptr));
        int status = 0;
        while (::waitpid(pid, &status, 0) < 0)
            if (errno != EINTR)
                return 0;
        return statusCode(status);
    }
    // Not waiting: the command runs in the background of a shell that ends at
    // once, so no child is left to reap.
    TRY_ASSIGN(pid, spawnShell("(" + command + "\n) &", nullptr));
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return 0;
}

} // namespace vorna::scripting
