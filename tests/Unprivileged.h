// Test programs whose cases need the refusals an ordinary user meets (a read-only folder, an
// unreadable file) give up root before their first test, for the user nobody: run as root, as
// here and in CI, such a folder would not refuse anything.
#pragma once
#include <grp.h>
#include <pwd.h>
#include <sys/prctl.h>
#include <unistd.h>

namespace Unprivileged {

// True when the program runs as an ordinary user, having given up root if it had it.
inline bool Become() {
    if (::geteuid() != 0) return true;
    const passwd* nobody = ::getpwnam("nobody");
    const uid_t user = nobody ? nobody->pw_uid : 65534;
    const gid_t group = nobody ? nobody->pw_gid : 65534;
    if (::setgroups(0, nullptr) != 0 || ::setgid(group) != 0 || ::setuid(user) != 0 || ::geteuid() == 0) return false;
    // Giving up root leaves the process's own /proc files to root; a test that maps users in a
    // namespace of its own must write them.
    ::prctl(PR_SET_DUMPABLE, 1);
    return true;
}

inline bool Running() { return ::geteuid() != 0; }

}  // namespace Unprivileged
