#include "Unprivileged.h"

#include <QFile>
#include <cstdio>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace support {

namespace {

constexpr uid_t Nobody = 65534;
constexpr gid_t NoGroup = 65534;
constexpr unsigned LongestRunSeconds = 120;

bool becomeNobody()
{
    return !runsAsAnotherUser() || (::setgroups(0, nullptr) == 0 && ::setgid(NoGroup) == 0 && ::setuid(Nobody) == 0);
}

} // namespace

bool runsAsAnotherUser()
{
    return ::geteuid() == 0;
}

bool handToUnprivileged(const QString &path)
{
    return !runsAsAnotherUser() || ::lchown(QFile::encodeName(path).constData(), Nobody, NoGroup) == 0;
}

bool runUnprivileged(const std::function<void()> &body)
{
    // What waits in the buffers would be written twice, once by each process.
    std::fflush(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(LongestRunSeconds);
        if (!becomeNobody()) {
            ADD_FAILURE() << "the child could not become the user nobody";
        } else {
            try {
                body();
            } catch (const std::exception &error) {
                ADD_FAILURE() << "the unprivileged run threw: " << error.what();
            } catch (...) {
                ADD_FAILURE() << "the unprivileged run threw";
            }
        }
        std::fflush(nullptr);
        ::_exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace support
