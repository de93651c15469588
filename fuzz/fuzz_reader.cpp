// One libFuzzer target per reader: the bytes go to the reader named by
// TARNWICK_FUZZ_READER, exactly as a file's contents would.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "world/messages.h"
#include "world_formats.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const tarnwick::testkit::ByteReader* reader =
        tarnwick::testkit::reader_named(TARNWICK_FUZZ_READER);
    if (!reader) std::abort();
    tarnwick::SilentMessages messages;
    reader->feed(std::string(reinterpret_cast<const char*>(data), size), messages);
    return 0;
}
