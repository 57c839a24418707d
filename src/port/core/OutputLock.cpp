#include "OutputLock.h"

#include "PortText.h"
#include "PrintableSetting.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace {

// Names keep their letters, digits, dashes and underscores; anything else
// is written as %XX, so no name reaches out of the folder and no two meet.
std::string fileSafe(std::string_view name)
{
    std::string safe;
    for (const unsigned char c : name) {
        char code[4];
        std::snprintf(code, sizeof code, "%%%02X", c);
        safe += std::isalnum(c) || c == '-' || c == '_' ? std::string(1, static_cast<char>(c)) : code;
    }
    return safe;
}

std::string reason(int error)
{
    return std::strerror(error);
}

std::string userName(uid_t user)
{
    char buffer[1024];
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(user, &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr)
        return printableSetting(found->pw_name);
    return std::to_string(user);
}

// Why the file that was opened cannot be a lock every Lampotron shares, and
// what to do; "" when it can. A plain file with no other name: a hard link
// planted there could otherwise have another file emptied.
std::string distrust(const struct stat &status, const std::string &path)
{
    if (!S_ISREG(status.st_mode))
        return fillIn(portText("OutputLock", "The lock file %1 is not a plain file; remove it (sudo rm -r %1) and open "
                                             "the output again."),
                      {path});
    if (status.st_nlink != 1)
        return fillIn(portText("OutputLock", "The lock file %1 is a hard link, one of %2 names of a file; remove it "
                                             "(sudo rm -r %1) and open the output again."),
                      {path, std::to_string(status.st_nlink)});
    const bool everyoneWrites = (status.st_mode & 0666) == 0666;
    if (status.st_uid != ::geteuid() && status.st_uid != 0 && !everyoneWrites)
        return fillIn(portText("OutputLock", "The lock file %1 belongs to user %2 and not every user may write it; "
                                             "remove it (sudo rm -r %1) and open the output again."),
                      {path, userName(status.st_uid)});
    return {};
}

// What is wrong with the lock file that open() refused, and what to do.
std::string openFailure(int error, const std::string &path)
{
    if (error == ELOOP)
        return fillIn(portText("OutputLock", "The lock file %1 is a symbolic link; remove it (sudo rm -r %1) and open "
                                             "the output again."),
                      {path});
    if (error == EISDIR)
        return fillIn(portText("OutputLock",
                               "The lock file %1 is a folder; remove it (sudo rm -r %1) and open the output again."),
                      {path});
    if (error == EACCES || error == EPERM)
        return fillIn(portText("OutputLock", "The lock file %1 cannot be opened (%2), so not every user may write it; "
                                             "remove it (sudo rm -r %1) and open the output again."),
                      {path, reason(error)});
    return fillIn(portText("OutputLock", "The lock file %1 cannot be opened (%2); open the output again once that is "
                                         "put right."),
                  {path, reason(error)});
}

struct LockFile {
    int fd = -1;
    std::string problem; // what is wrong with the file and what to do, as a sentence
};

// Opens the lock file, making it when there is none; never follows it as a
// symbolic link, and never waits on a FIFO planted there.
LockFile openLockFile(SystemCalls &calls, const std::string &path)
{
    constexpr int flags = O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;
    for (int attempt = 0; attempt < 2; ++attempt) {
        // Without O_CREAT first: in a sticky folder the kernel may refuse
        // O_CREAT on another user's file (fs.protected_regular).
        int fd = calls.open(path.c_str(), flags, 0);
        if (fd == -ENOENT) {
            fd = calls.open(path.c_str(), flags | O_CREAT | O_EXCL, 0666);
            if (fd == -EEXIST)
                continue;
            if (fd < 0)
                return {-1, fillIn(portText("OutputLock", "The lock file %1 cannot be made (%2); the folder must be "
                                                          "there and let every user make files in it (mode 1777)."),
                                   {path, reason(-fd)})};
            // Every user's Lampotron must be able to open it, whatever the umask.
            ::fchmod(fd, 0666);
        }
        if (fd < 0)
            return {-1, openFailure(-fd, path)};
        struct stat status {};
        const int examined = calls.fstat(fd, status);
        const std::string problem =
            examined < 0 ? fillIn(portText("OutputLock", "The lock file %1 cannot be examined (%2); remove it (sudo "
                                                         "rm -r %1) and open the output again."),
                                  {path, reason(-examined)})
                         : distrust(status, path);
        if (problem.empty())
            return {fd, {}};
        calls.close(fd);
        return {-1, problem};
    }
    return {-1, fillIn(portText("OutputLock", "The lock file %1 was removed and made again while it was opened; open "
                                              "the output again."),
                       {path})};
}

// "process 1234, user lampotron", from what the holder wrote. Anyone can
// write to the file, so what it says is quoted as harmless text.
std::string holderOf(int fd)
{
    char text[128];
    const ssize_t size = ::pread(fd, text, sizeof text, 0);
    const std::string_view note(text, size > 0 ? static_cast<std::size_t>(size) : 0);
    const auto space = note.find(' ');
    if (space == std::string_view::npos)
        return portText("OutputLock", "process unknown, user unknown");
    const std::string_view user = note.substr(space + 1, note.find('\n', space) - space - 1);
    return fillIn(portText("OutputLock", "process %1, user %2"),
                  {printableSetting(note.substr(0, space)), printableSetting(user)});
}

bool emptyFile(int fd)
{
    return ::ftruncate(fd, 0) == 0;
}

// The lock holds without the note; the next one is just told less.
bool noteHolder(int fd)
{
    const std::string note = std::to_string(::getpid()) + ' ' + userName(::geteuid()) + '\n';
    return emptyFile(fd) && ::pwrite(fd, note.data(), note.size(), 0) == static_cast<ssize_t>(note.size());
}

} // namespace

OutputLock::OutputLock(std::string_view folder, std::string_view output, std::string_view device,
                       std::string_view setting, std::unique_ptr<SystemCalls> calls)
    : path_(std::string(folder) + "/lampotron-" + fileSafe(output) + (device.empty() ? "" : "-" + fileSafe(device))
            + ".lock"),
      setting_(printableSetting(setting)), calls_(std::move(calls))
{
}

OutputLock::OutputLock(OutputLock &&other) noexcept
    : path_(std::move(other.path_)), setting_(std::move(other.setting_)), calls_(std::move(other.calls_)),
      fd_(std::exchange(other.fd_, -1))
{
}

OutputLock::~OutputLock()
{
    release();
}

std::string OutputLock::take()
{
    if (fd_ >= 0)
        return {};
    const LockFile file = openLockFile(*calls_, path_);
    if (file.fd < 0)
        return file.problem;
    if (::flock(file.fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        const std::string refusal =
            error == EWOULDBLOCK
                ? fillIn(portText("OutputLock", "%1 is in use by Lampotron (%2)"), {setting_, holderOf(file.fd)})
                : fillIn(portText("OutputLock", "The lock file %1 cannot be locked (%2); open the output again."),
                         {path_, reason(error)});
        calls_->close(file.fd);
        return refusal;
    }
    noteHolder(file.fd);
    fd_ = file.fd;
    return {};
}

void OutputLock::release()
{
    if (fd_ < 0)
        return;
    // An empty file says that nobody holds the output; closing lets go of
    // the lock either way.
    emptyFile(fd_);
    calls_->close(fd_);
    fd_ = -1;
}
