#pragma once
// Runs a piece of a test as a user whom file permissions bind. The tests run as root in CI,
// and root may write anything: the piece then runs in a child process that has dropped to the
// user nobody. A test run by another user runs it in its own process.

#include <functional>

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace karo::test {

inline constexpr uid_t kNobody = 65534;
// The child could not become nobody.
inline constexpr int kNoNobody = 125;

// The exit code of `body` (0..124 by convention), run as nobody when this is root.
inline int AsNobody(const std::function<int()>& body) {
    if (::geteuid() != 0)
        return body();
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(kNoNobody);
        ::_exit(body());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid)
        return kNoNobody;
    return WIFEXITED(status) ? WEXITSTATUS(status) : kNoNobody;
}

} // namespace karo::test
