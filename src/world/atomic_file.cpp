#include "world/atomic_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "world/file_path.h"
#include "world/platform_files.h"

namespace tarnwick {

namespace {
WriteFunction& write_function() {
    static WriteFunction fn;
    return fn;
}
}  // namespace

void set_write_function_for_tests(WriteFunction fn) { write_function() = std::move(fn); }

WriteResult write_file_atomic(const std::string& path, std::string_view bytes) {
    WriteResult result;
    std::error_code ec;
    if (std::filesystem::is_directory(native_path(path), ec)) {
        result.open_failed = true;
        result.reason = "is a directory";
        return result;
    }
    std::string temp;
    std::FILE* f = platform::create_file_beside(path, temp, result.reason);
    if (!f) {
        result.open_failed = true;
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
    if (ok && !platform::flush_to_disk(f, result.reason)) ok = false;
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        result.reason = std::strerror(errno);
    }
    if (ok && !platform::replace_file(temp, path, result.reason)) ok = false;
    if (!ok) std::filesystem::remove(native_path(temp), ec);
    result.ok = ok;
    return result;
}

}  // namespace tarnwick
