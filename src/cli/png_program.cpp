// Finds and runs tarnwick-map-png for `tarnwick-cli map -o OUT.png`.

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/map_png.h"
#include "world/platform_files.h"

#ifndef _WIN32
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#endif

namespace tarnwick::cli {

namespace {

const char* kAbsent =
    "tarnwick-cli: PNG maps are drawn by %s, which is neither beside tarnwick-cli "
    "nor on PATH (install it with the editor, or write an .svg instead)\n";

#ifndef _WIN32

bool runnable(const std::string& path) { return !path.empty() && access(path.c_str(), X_OK) == 0; }

// Beside the running program (an install's bin/ or the build folder), then
// each folder of PATH in turn.
std::string find_png_program() {
    const std::string beside = platform::program_folder(nullptr) + "/" + kPngProgram;
    if (runnable(beside)) return beside;
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "";
    size_t start = 0;
    while (start <= folders.size()) {
        size_t end = folders.find(':', start);
        if (end == std::string::npos) end = folders.size();
        const std::string folder = folders.substr(start, end - start);
        const std::string candidate = (folder.empty() ? "." : folder) + "/" + kPngProgram;
        if (runnable(candidate)) return candidate;
        start = end + 1;
    }
    return {};
}

#endif

}  // namespace

int run_png_program(const std::vector<std::string>& args) {
#ifdef _WIN32
    // The Windows build has no Qt, so no PNG program to run.
    (void)args;
    std::fprintf(stderr, kAbsent, kPngProgram);
    return 1;
#else
    const std::string program = find_png_program();
    if (program.empty()) {
        std::fprintf(stderr, kAbsent, kPngProgram);
        return 1;
    }
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::fflush(stdout);
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
    if (failed != 0) {
        std::fprintf(stderr, "tarnwick-cli: could not start %s\n", program.c_str());
        return 1;
    }
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno == EINTR) continue;
        std::fprintf(stderr, "tarnwick-cli: lost track of %s\n", program.c_str());
        return 1;
    }
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    std::fprintf(stderr, "tarnwick-cli: %s stopped without finishing the picture\n", program.c_str());
    return 1;
#endif
}

}  // namespace tarnwick::cli
