#pragma once
// Saving a whole file so that the previous file survives any failure: the
// bytes go to a temporary file in the same folder, which replaces the
// target only once every write, the flush and the close succeeded.

#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

namespace tarnwick {

struct WriteResult {
    bool ok = false;
    bool open_failed = false;  // the temporary file could not be created
    std::string reason;        // what went wrong, for the message
};

WriteResult write_file_atomic(const std::string& path, std::string_view bytes);

// Replaces fwrite for tests that make writes fail; pass nullptr to restore.
using WriteFunction = std::function<size_t(const void*, size_t, std::FILE*)>;
void set_write_function_for_tests(WriteFunction fn);

}  // namespace tarnwick
