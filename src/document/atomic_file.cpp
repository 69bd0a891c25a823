#include "document/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <signal.h>

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <regex>
#include <system_error>

namespace fs = std::filesystem;

namespace {

long defaultWrite(int fd, const char* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
}

bool writeAll(int fd, std::string_view bytes, const RawWrite& rawWrite) {
    size_t done = 0;
    while (done < bytes.size()) {
        const long n = rawWrite ? rawWrite(fd, bytes.data() + done, bytes.size() - done)
                                : defaultWrite(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

// The folder is synced after the rename so the new directory entry survives a power cut; a
// failure here is not reported because the data itself is already safe in the file.
void syncFolder(const fs::path& folder) {
    const int dfd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd < 0)
        return;
    ::fsync(dfd);
    ::close(dfd);
}

// Temporary files are named ".railvane-<process id>-<number>.tmp": short, so that a layout name
// as long as the file system allows still leaves room for it, and recognisable, so that the next
// start can remove what a killed save left behind.
std::string tempFileName(unsigned number) {
    return ".railvane-" + std::to_string(::getpid()) + "-" + std::to_string(number) + ".tmp";
}

/// The process id in the name of a temporary save file of this program (also the form of older
/// releases, "<file>.tmp<pid>_<n>"), or -1 when `name` is not one.
long saveFileOwner(const std::string& name) {
    static const std::regex current(R"(\.railvane-([0-9]{1,9})-[0-9]{1,10}\.tmp)");
    static const std::regex older(R"(.+\.tdl\.tmp([0-9]{1,9})_[0-9]{1,10})");
    std::smatch m;
    if (std::regex_match(name, m, current) || std::regex_match(name, m, older))
        return std::stol(m[1].str());
    return -1;
}

bool processIsRunning(long pid) {
    return pid > 0 && (::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM);
}

}  // namespace

std::string saveFailureCause(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "The folder is read-only: you have no permission to write there.";
        case EROFS:
            return "The disk is read-only.";
        case ENOSPC:
            return "The disk is full.";
        case EDQUOT:
            return "Your disk quota is used up.";
        case ENOENT:
            return "The folder does not exist.";
        case ENOTDIR:
            return "A part of the path is not a folder.";
        case EISDIR:
            return "A folder of that name is in the way.";
        case ENAMETOOLONG:
            return "The name is too long for the file system.";
        case EIO:
            return "The disk reported an input/output error.";
        default:
            return "The system reports: " + std::generic_category().message(error) + ".";
    }
}

std::string readFailureCause(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return "You have no permission to read it.";
        case ENOENT:
            return "The file does not exist.";
        case EISDIR:
            return "It is a folder, not a file.";
        default:
            return saveFailureCause(error);
    }
}

int removeStaleSaveFiles(const std::string& folder, int depth) {
    namespace chrono = std::chrono;
    int removed = 0;
    std::error_code ec;
    fs::directory_iterator it(fs::path(folder), ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::error_code typeError;
        if (it->is_directory(typeError) && !it->is_symlink(typeError)) {
            if (depth > 0)
                removed += removeStaleSaveFiles(it->path().string(), depth - 1);
            continue;
        }
        const long owner = saveFileOwner(it->path().filename().string());
        if (owner < 0 || !it->is_regular_file(typeError))
            continue;
        // A save of another running copy of the program may be under way; its file goes once
        // that process has ended, or after a day in case the process id was reused.
        const auto age = fs::file_time_type::clock::now() - it->last_write_time(typeError);
        if (processIsRunning(owner) && !typeError && age < chrono::hours(24))
            continue;
        std::error_code removeError;
        if (fs::remove(it->path(), removeError))
            ++removed;
    }
    return removed;
}

std::string saveFileAtomically(const std::string& path, std::string_view bytes,
                               const RawWrite& rawWrite) {
    // Through a symbolic link the linked file is replaced, not the link itself.
    fs::path target(path);
    std::error_code ec;
    if (fs::is_symlink(target, ec)) {
        const fs::path resolved = fs::weakly_canonical(target, ec);
        if (!ec)
            target = resolved;
    }
    const fs::path folder = target.parent_path();

    // A folder of the target's name would swallow the file on rename; say so before writing.
    if (fs::is_directory(target, ec))
        return "Cannot open file: " + path + "\n" + saveFailureCause(EISDIR);

    // O_EXCL with a per-process name: two programs saving beside each other never share a
    // temporary file, and a stale one left by a crash is never opened for writing.
    static unsigned counter = 0;
    std::string tempPath;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempPath = (folder / tempFileName(counter++)).string();
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return "Cannot open file: " + path + "\n" + saveFailureCause(errno);

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    // The first failing step's errno is the cause; later clean-up must not overwrite it.
    int error = 0;
    const auto step = [&error](bool ok) {
        if (!ok && error == 0)
            error = errno != 0 ? errno : EIO;
        return ok;
    };
    errno = 0;
    bool ok = step(writeAll(fd, bytes, rawWrite));
    ok = ok && step(::fsync(fd) == 0);
    ok = step(::close(fd) == 0) && ok;
    ok = ok && step(::rename(tempPath.c_str(), target.c_str()) == 0);
    if (!ok) {
        ::unlink(tempPath.c_str());
        return "Cannot write file: " + path + "\n" + saveFailureCause(error);
    }
    syncFolder(folder);
    return {};
}

std::string loadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return "Cannot open file: " + path + "\n" + readFailureCause(EISDIR);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return "Cannot open file: " + path + (errno != 0 ? "\n" + readFailureCause(errno) : "");
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size < 0)
        return "Cannot open file: " + path;
    if (static_cast<std::size_t>(size) > maxBytes)
        return "The file is too large to be a layout (" + std::to_string(size) + " bytes): " + path;
    in.seekg(0, std::ios::beg);
    std::string data(static_cast<std::size_t>(size), '\0');
    if (size > 0 && !in.read(data.data(), size))
        return "Cannot open file: " + path;
    bytes = std::move(data);
    return {};
}
