#include "formats/save_file.h"

#include "world/atomic_file.h"
#include "world/messages.h"

namespace tarnwick {

bool save_file(const std::string& path, std::string_view bytes, const std::string& open_message,
               Messages& messages) {
    WriteResult result = write_file_atomic(path, bytes);
    if (result.ok) return true;
    if (result.open_failed)
        messages.show(open_message);
    else
        messages.show("Could not write " + path + " (" + result.reason +
                      "). The file on disk was left as it was.");
    return false;
}

}  // namespace tarnwick
