#include "world/platform_files.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "world/file_path.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>
#else
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tarnwick::platform {

namespace fs = std::filesystem;

namespace {

// "folder/.name." for the temporary file beside `target`.
std::string temp_prefix(const std::string& target) {
    const fs::path p = native_path(target);
    const fs::path folder = p.parent_path().empty() ? fs::path(".") : p.parent_path();
    return utf8_name(folder) + "/." + utf8_name(p.filename()) + ".";
}

}  // namespace

#ifdef _WIN32

namespace {

std::wstring wide(const std::string& utf8) { return native_path(utf8).wstring(); }

std::string narrow(const wchar_t* text, int length) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string out(size_t(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, text, length, out.data(), n, nullptr, nullptr);
    return out;
}

// The common errors read as on Linux; the rest as Windows words them.
std::string reason_of(DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_DIRECTORY: return "No such file or directory";
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return "Permission denied";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return "No space left on device";
    case ERROR_WRITE_PROTECT: return "Read-only file system";
    default: break;
    }
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::string out = n ? narrow(text, int(n)) : "Windows error " + std::to_string(error);
    if (text) LocalFree(text);
    while (!out.empty() && (out.back() == '\n' || out.back() == '\r' || out.back() == '.')) out.pop_back();
    return out;
}

}  // namespace

std::FILE* open_file(const std::string& path, const char* mode) {
    return _wfopen(wide(path).c_str(), wide(mode).c_str());
}

std::FILE* create_file_beside(const std::string& target, std::string& temp_path, std::string& reason) {
    static unsigned counter = 0;
    const std::string prefix = temp_prefix(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const unsigned long long tag =
            (GetTickCount64() * 2654435761ull) ^ (static_cast<unsigned long long>(GetCurrentProcessId()) << 24) ^ ++counter;
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, "%06llx", tag & 0xffffff);
        temp_path = prefix + suffix;
        // CREATE_NEW: never opens a file that is already there.
        HANDLE h = CreateFileW(wide(temp_path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) {
            const DWORD error = GetLastError();
            if (error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS) continue;
            reason = reason_of(error);
            return nullptr;
        }
        const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(h), _O_WRONLY | _O_BINARY);
        std::FILE* f = fd < 0 ? nullptr : _fdopen(fd, "wb");
        if (!f) {
            reason = std::strerror(errno);
            if (fd < 0) CloseHandle(h); else _close(fd);
            DeleteFileW(wide(temp_path).c_str());
            return nullptr;
        }
        return f;
    }
    reason = "no free name for a temporary file";
    return nullptr;
}

bool flush_to_disk(std::FILE* file, std::string& reason) {
    HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    if (h != INVALID_HANDLE_VALUE && FlushFileBuffers(h)) return true;
    reason = reason_of(GetLastError());
    return false;
}

bool replace_file(const std::string& from, const std::string& to, std::string& reason) {
    // A file marked read-only is not replaced (Windows refuses it; Wine does
    // not, so ask first). Nor is one another program holds open without
    // letting it be deleted. Either way it stays as it was.
    const DWORD attributes = GetFileAttributesW(wide(to).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        reason = reason_of(ERROR_ACCESS_DENIED);
        return false;
    }
    if (MoveFileExW(wide(from).c_str(), wide(to).c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    reason = reason_of(GetLastError());
    return false;
}

std::vector<std::string> utf8_arguments(int argc, char** argv) {
    int n = 0;
    wchar_t** wargv = CommandLineToArgvW(GetCommandLineW(), &n);
    if (!wargv) return std::vector<std::string>(argv + (argc > 0), argv + argc);
    std::vector<std::string> out;
    for (int i = 1; i < n; ++i) out.push_back(narrow(wargv[i], int(wcslen(wargv[i]))));
    LocalFree(wargv);
    return out;
}

std::string program_folder(const char* argv0) {
    std::wstring name(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, name.data(), DWORD(name.size()));
    if (n == 0 || n >= name.size()) return utf8_name(fs::path(argv0 ? argv0 : "").parent_path());
    name.resize(n);
    return utf8_name(fs::path(name).parent_path());
}

void use_binary_standard_streams() {
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    SetConsoleOutputCP(CP_UTF8);
}

bool read_whole_file(const std::string& path, std::string& bytes, int& error) {
    error = 0;
    std::FILE* f = open_file(path, "rb");
    if (!f) {
        error = errno;
        return false;
    }
    std::setvbuf(f, nullptr, _IONBF, 0);
    std::string out;
    char block[65536];
    size_t n;
    errno = 0;
    while ((n = std::fread(block, 1, sizeof block, f)) > 0) out.append(block, n);
    const bool failed = std::ferror(f);
    error = failed ? errno : 0;
    std::fclose(f);
    if (failed) return false;
    bytes = std::move(out);
    return true;
}

#else

std::FILE* open_file(const std::string& path, const char* mode) { return std::fopen(path.c_str(), mode); }

// open, fstat, one read of the whole size and one that finds the end, close:
// a world folder is a thousand small files, where a stream's buffer and
// seeks cost more than the bytes.
bool read_whole_file(const std::string& path, std::string& bytes, int& error) {
    error = 0;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return false;
    }
    struct stat st;
    std::string out;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) out.resize(size_t(st.st_size));
    size_t have = 0;
    char more[16384];  // past the size told: a file still growing
    for (;;) {
        const bool in_place = have < out.size();
        const ssize_t n = in_place ? ::read(fd, out.data() + have, out.size() - have)
                                   : ::read(fd, more, sizeof more);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) error = errno;
        if (n <= 0) break;
        if (!in_place) {
            out.resize(have);
            out.append(more, size_t(n));
        }
        have += size_t(n);
    }
    ::close(fd);
    if (error != 0) return false;
    out.resize(have);
    bytes = std::move(out);
    return true;
}

std::FILE* create_file_beside(const std::string& target, std::string& temp_path, std::string& reason) {
    temp_path = temp_prefix(target) + "XXXXXX";
    const int fd = mkstemp(temp_path.data());
    if (fd < 0) {
        reason = std::strerror(errno);
        return nullptr;
    }
    // Keep the old file's permissions; a new file gets the usual ones.
    struct stat st;
    mode_t mode = 0644;
    if (::stat(target.c_str(), &st) == 0) mode = st.st_mode & 07777;
    ::fchmod(fd, mode);
    std::FILE* f = fdopen(fd, "wb");
    if (!f) {
        reason = std::strerror(errno);
        ::close(fd);
        ::unlink(temp_path.c_str());
    }
    return f;
}

bool flush_to_disk(std::FILE* file, std::string& reason) {
    // EINVAL: a file system that cannot sync (a pipe, some network mounts).
    if (::fsync(fileno(file)) == 0 || errno == EINVAL) return true;
    reason = std::strerror(errno);
    return false;
}

bool replace_file(const std::string& from, const std::string& to, std::string& reason) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    reason = std::strerror(errno);
    return false;
}

std::vector<std::string> utf8_arguments(int argc, char** argv) {
    return std::vector<std::string>(argv + (argc > 0), argv + argc);
}

std::string program_folder(const char* argv0) {
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec || self.empty()) self = fs::absolute(argv0 ? argv0 : "", ec);
    return self.parent_path().string();
}

void use_binary_standard_streams() {}

#endif

void keep_freed_memory() {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 64 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

void use_large_pages_for_heap() {
#if defined(__GLIBC__) && defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr size_t kReach = size_t(48) << 20, kLargePage = size_t(2) << 20;
    // The main heap, grown here by kReach at once: a block that large is
    // taken from the heap's end and handed back, staying there as its free
    // top (freed memory is kept), so what this thread allocates next lies in
    // the range marked below. (The other threads keep heaps of their own:
    // one heap for all measured slower on a busy machine, its lock passed
    // between the cores.)
    const uintptr_t before = uintptr_t(sbrk(0));
    void* block = std::malloc(kReach);
    const uintptr_t after = uintptr_t(sbrk(0));
    const uintptr_t start = (before + kLargePage - 1) & ~(kLargePage - 1);
    if (!block || after <= start + kLargePage) {
        std::free(block);
        return;
    }
    madvise(reinterpret_cast<void*>(start), after - start, MADV_HUGEPAGE);
    const uintptr_t at = uintptr_t(block);
    std::free(block);
    // The free top begins where the block did, below the first large page:
    // a block held for good fills that stretch, so the records start in
    // large pages. Only its first page is ever touched.
    static void* filler = nullptr;
    if (at + (64 << 10) < start) {
        filler = std::malloc(start - at - 64);
        if (uintptr_t(filler) != at) {
            std::free(filler);
            filler = nullptr;
        }
    }
#endif
}

}  // namespace tarnwick::platform
