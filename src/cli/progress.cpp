#include "cli/progress.h"

#include <cstdio>

#ifdef _WIN32
#include <io.h>
#define tarnwick_isatty _isatty
#define tarnwick_fileno _fileno
#else
#include <unistd.h>
#define tarnwick_isatty isatty
#define tarnwick_fileno fileno
#endif

namespace tarnwick::cli {

namespace {

constexpr auto kQuietFor = std::chrono::seconds(1);
constexpr auto kEvery = std::chrono::milliseconds(500);

}  // namespace

Progress::Progress(std::string step) : step_(std::move(step)), start_(std::chrono::steady_clock::now()) {
    // Piped or redirected stderr gets no progress: a log file wants none.
    if (tarnwick_isatty(tarnwick_fileno(stderr))) thread_ = std::thread([this] { run(); });
}

Progress::~Progress() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        done_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
    if (shown_) std::fputs("\r\033[K", stderr);
}

void Progress::step(std::string step) {
    std::lock_guard<std::mutex> lock(mutex_);
    step_ = std::move(step);
}

bool Progress::advance(int done, int total, const std::string& what) {
    std::lock_guard<std::mutex> lock(mutex_);
    step_ = what + " (" + std::to_string(done) + " of " + std::to_string(total) + ")";
    return true;
}

void Progress::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    if (wake_.wait_until(lock, start_ + kQuietFor, [this] { return done_; })) return;
    while (!done_) {
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
        std::fprintf(stderr, "\r\033[Ktarnwick-cli: %s... %.0f s", step_.c_str(), seconds);
        std::fflush(stderr);
        shown_ = true;
        wake_.wait_for(lock, kEvery, [this] { return done_; });
    }
}

}  // namespace tarnwick::cli
