#include "OutputLock.h"

#include "PrintableSetting.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
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

// Opens the lock file, making it when there is none. It is never followed
// as a symbolic link, and only a plain file with no other name will do: a
// hard link planted there could otherwise have another file emptied.
int openLockFile(const std::string &path)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        // Without O_CREAT first: in a sticky folder the kernel may refuse
        // O_CREAT on another user's file (fs.protected_regular).
        int fd = ::open(path.c_str(), O_RDWR | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0 && errno == ENOENT) {
            fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd < 0 && errno == EEXIST)
                continue;
            // Every user's Lampotron must be able to open it, whatever the umask.
            if (fd >= 0)
                ::fchmod(fd, 0666);
        }
        struct stat status {};
        if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_nlink != 1)) {
            ::close(fd);
            return -1;
        }
        return fd;
    }
    return -1;
}

std::string userName()
{
    char buffer[1024];
    passwd entry{};
    passwd *found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, buffer, sizeof buffer, &found) == 0 && found != nullptr)
        return found->pw_name;
    return std::to_string(::geteuid());
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
        return "process unknown, user unknown";
    const std::string_view user = note.substr(space + 1, note.find('\n', space) - space - 1);
    return "process " + printableSetting(note.substr(0, space)) + ", user " + printableSetting(user);
}

bool emptyFile(int fd)
{
    return ::ftruncate(fd, 0) == 0;
}

// The lock holds without the note; the next one is just told less.
bool noteHolder(int fd)
{
    const std::string note = std::to_string(::getpid()) + ' ' + userName() + '\n';
    return emptyFile(fd) && ::pwrite(fd, note.data(), note.size(), 0) == static_cast<ssize_t>(note.size());
}

} // namespace

OutputLock::OutputLock(std::string_view folder, std::string_view output, std::string_view device,
                       std::string_view setting)
    : path_(std::string(folder) + "/lampotron-" + fileSafe(output) + (device.empty() ? "" : "-" + fileSafe(device))
            + ".lock"),
      setting_(printableSetting(setting))
{
}

OutputLock::OutputLock(OutputLock &&other) noexcept
    : path_(std::move(other.path_)), setting_(std::move(other.setting_)), fd_(std::exchange(other.fd_, -1))
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
    const int fd = openLockFile(path_);
    if (fd < 0)
        return {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const std::string held =
            errno == EWOULDBLOCK ? setting_ + " is in use by Lampotron (" + holderOf(fd) + ")" : std::string();
        ::close(fd);
        return held;
    }
    noteHolder(fd);
    fd_ = fd;
    return {};
}

void OutputLock::release()
{
    if (fd_ < 0)
        return;
    // An empty file says that nobody holds the output; closing lets go of
    // the lock either way.
    emptyFile(fd_);
    ::close(fd_);
    fd_ = -1;
}
