#include "document/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
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

}  // namespace

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

    // O_EXCL with a per-process name: two programs saving beside each other never share a
    // temporary file, and a stale one left by a crash is never opened for writing.
    static unsigned counter = 0;
    std::string tempPath;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        tempPath =
            target.string() + ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(counter++);
        fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return "Cannot open file: " + path;

    struct stat old {};
    if (::stat(target.c_str(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);

    bool ok = writeAll(fd, bytes, rawWrite);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return "Cannot write file: " + path;
    }
    syncFolder(folder);
    return {};
}

std::string loadWholeFile(const std::string& path, std::string& bytes, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    std::error_code ec;
    if (!in || fs::is_directory(path, ec))
        return "Cannot open file: " + path;
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
