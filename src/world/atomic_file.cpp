#include "world/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarnwick {

namespace {
WriteFunction& write_function() {
    static WriteFunction fn;
    return fn;
}
}  // namespace

void set_write_function_for_tests(WriteFunction fn) { write_function() = std::move(fn); }

WriteResult write_file_atomic(const std::string& path, std::string_view bytes) {
    namespace fs = std::filesystem;
    WriteResult result;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        result.open_failed = true;
        result.reason = "is a directory";
        return result;
    }
    fs::path target(path);
    fs::path folder = target.parent_path();
    std::string pattern =
        (folder.empty() ? fs::path(".") : folder).string() + "/." + target.filename().string() + ".XXXXXX";
    int fd = mkstemp(pattern.data());
    if (fd < 0) {
        result.open_failed = true;
        result.reason = std::strerror(errno);
        return result;
    }
    // Keep the old file's permissions; a new file gets the usual ones.
    struct stat st;
    mode_t mode = 0644;
    if (::stat(path.c_str(), &st) == 0) mode = st.st_mode & 07777;
    ::fchmod(fd, mode);

    std::FILE* f = fdopen(fd, "wb");
    if (!f) {
        result.reason = std::strerror(errno);
        ::close(fd);
        ::unlink(pattern.c_str());
        return result;
    }
    errno = 0;
    auto& custom = write_function();
    size_t written = custom ? custom(bytes.data(), bytes.size(), f)
                            : std::fwrite(bytes.data(), 1, bytes.size(), f);
    bool ok = written == bytes.size();
    if (!ok) result.reason = errno ? std::strerror(errno) : "write failed";
    if (std::fflush(f) != 0 && ok) {
        ok = false;
        result.reason = std::strerror(errno);
    }
    if (ok && ::fsync(fileno(f)) != 0 && errno != EINVAL) {
        ok = false;
        result.reason = std::strerror(errno);
    }
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        result.reason = std::strerror(errno);
    }
    if (ok && std::rename(pattern.c_str(), path.c_str()) != 0) {
        ok = false;
        result.reason = std::strerror(errno);
    }
    if (!ok) ::unlink(pattern.c_str());
    result.ok = ok;
    return result;
}

}  // namespace tarnwick
