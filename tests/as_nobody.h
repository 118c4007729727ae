#pragma once
// Runs a piece of a test as a user whom file permissions bind. The tests run as root in CI,
// and root may write anything: the piece then runs in a child process that has dropped to the
// user nobody. A test run by another user runs it in its own process.

#include <functional>

#include <grp.h>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace karo::test {

inline constexpr uid_t kNobody = 65534;
// The child could not become nobody.
inline constexpr int kNoNobody = 125;

// Whether nobody may reach `path`: every folder on the way from the root lets nobody through.
// A checkout or a temporary folder under a 0700 folder does not.
inline bool NobodyCanReach(const std::string& path) {
    for (std::size_t end = path.find('/', 1);; end = path.find('/', end + 1)) {
        const std::string folder = end == std::string::npos ? path : path.substr(0, end);
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0)
            return false;
        const mode_t through = st.st_uid == kNobody   ? S_IXUSR
                               : st.st_gid == kNobody ? S_IXGRP
                                                      : S_IXOTH;
        if (S_ISDIR(st.st_mode) && (st.st_mode & through) == 0)
            return false;
        if (end == std::string::npos)
            return true;
    }
}

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
