#include "project/project_file.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "project/file_names.h"
#include "world/atomic_file.h"
#include "world/file_path.h"
#include "world/messages.h"

namespace tarnwick {

namespace {

// The seven text slots in file order, with the names the user knows them by.
struct TextSlot {
    std::string AreaProject::*field;
    const char* label;
};
const TextSlot kTextSlots[] = {
    {&AreaProject::zone_name, "Zone Name"},
    {&AreaProject::author, "Author"},
    {&AreaProject::zone_file, "Zone Commands File"},
    {&AreaProject::room_file, "World (Rooms) File"},
    {&AreaProject::mob_file, "Mobs File"},
    {&AreaProject::object_file, "Objects File"},
    {&AreaProject::shop_file, "Shops File"},
};

void put_int32(std::string& out, size_t offset, int32_t value) {
    uint32_t v = uint32_t(value);
    for (int i = 0; i < 4; ++i) out[offset + i] = char((v >> (8 * i)) & 0xFF);
}

int32_t get_int32(std::string_view in, size_t offset) {
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= uint32_t(uint8_t(in[offset + i])) << (8 * i);
    return int32_t(v);
}

// A slot's text ends at its first zero byte, or at the slot's end.
std::string get_text(std::string_view in, size_t offset) {
    std::string_view slot = in.substr(offset, kProjectTextSlot);
    size_t end = slot.find('\0');
    return std::string(slot.substr(0, end == std::string_view::npos ? slot.size() : end));
}

size_t block_offset(int window) { return kWindowBlocksOffset + size_t(window) * kWindowBlockSize; }

}  // namespace

bool is_fixed_size_window(ProjectWindow window) {
    return window == ProjectWindow::RoomEditor || window == ProjectWindow::MobEditor ||
           window == ProjectWindow::ObjectEditor || window == ProjectWindow::ShopEditor;
}

bool encode_project_record(const AreaProject& project, std::string& out, std::string& error) {
    for (const auto& slot : kTextSlots) {
        const std::string& text = project.*slot.field;
        if (text.size() >= kProjectTextSlot) {
            error = std::string("The ") + slot.label + " is " + std::to_string(text.size()) +
                    " bytes long; a project file holds at most " +
                    std::to_string(kProjectTextSlot - 1) +
                    ". Shorten it and save again. Nothing was saved.";
            return false;
        }
    }
    std::string bytes(kProjectFileSize, '\0');
    size_t offset = 0;
    for (const auto& slot : kTextSlots) {
        const std::string& text = project.*slot.field;
        bytes.replace(offset, text.size(), text);
        offset += kProjectTextSlot;
    }
    put_int32(bytes, kZoneNumberOffset, project.zone_number);
    for (int w = 0; w < kProjectWindowCount; ++w) {
        const window_layout& layout = project.windows[w];
        size_t at = block_offset(w);
        bytes[at] = layout.visible ? 1 : 0;
        put_int32(bytes, at + 4, layout.left);
        put_int32(bytes, at + 8, layout.top);
        if (!is_fixed_size_window(ProjectWindow(w))) {
            put_int32(bytes, at + 12, layout.width);
            put_int32(bytes, at + 16, layout.height);
        }
    }
    out = std::move(bytes);
    return true;
}

bool decode_project_record(std::string_view bytes, AreaProject& out) {
    if (bytes.size() != kProjectFileSize) return false;
    size_t offset = 0;
    for (const auto& slot : kTextSlots) {
        out.*slot.field = get_text(bytes, offset);
        offset += kProjectTextSlot;
    }
    out.zone_number = get_int32(bytes, kZoneNumberOffset);
    for (int w = 0; w < kProjectWindowCount; ++w) {
        window_layout layout;
        size_t at = block_offset(w);
        layout.visible = bytes[at] != 0;
        layout.left = get_int32(bytes, at + 4);
        layout.top = get_int32(bytes, at + 8);
        if (!is_fixed_size_window(ProjectWindow(w))) {
            layout.width = get_int32(bytes, at + 12);
            layout.height = get_int32(bytes, at + 16);
        }
        out.windows[w] = layout;
    }
    return true;
}

bool read_project_file(const std::string& path, AreaProject& out, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (fs::is_directory(native_path(path), ec)) {
        error = "Error while opening file.\n" + path + " is a folder, not a project file.";
        return false;
    }
    std::ifstream in(native_path(path), std::ios::binary);
    if (!in) {
        int err = errno;
        error = "Error while opening file.\n" + path + ": " + std::strerror(err);
        return false;
    }
    // Read one byte more than a record, so a longer file is recognised
    // without reading all of it.
    std::string bytes(kProjectFileSize + 1, '\0');
    in.read(bytes.data(), std::streamsize(bytes.size()));
    if (in.bad()) {
        error = "Error while opening file.\n" + path + " could not be read.";
        return false;
    }
    bytes.resize(size_t(in.gcount()));
    if (bytes.size() != kProjectFileSize) {
        const char* size = bytes.size() < kProjectFileSize ? "shorter" : "longer";
        error = "Error!\n" + path + " is not a project file: it is " + size + " than the " +
                std::to_string(kProjectFileSize) + " bytes of a project file.";
        return false;
    }
    return decode_project_record(bytes, out);
}

bool write_project_file(const std::string& path, const AreaProject& project, Messages& messages) {
    // Files beside the project or below it are named from its folder, so a
    // copy of the folder opens and saves its own files.
    AreaProject stored = project;
    for (auto field : {&AreaProject::zone_file, &AreaProject::room_file, &AreaProject::mob_file,
                       &AreaProject::object_file, &AreaProject::shop_file})
        stored.*field = stored_file_name(project.*field, path);
    std::string bytes, error;
    if (!encode_project_record(stored, bytes, error)) {
        messages.show(error);
        return false;
    }
    WriteResult result = write_file_atomic(path, bytes);
    if (result.ok) return true;
    if (result.open_failed)
        messages.show(
            "Error al abrir archivo.\nAseg\xFArese de que el disco no este protegido contra "
            "escritura");
    else
        messages.show("Error writing file!");
    return false;
}

void store_window_layout(const WindowLayouts& live, WindowLayouts& record) {
    for (int w = 0; w < kProjectWindowCount; ++w) {
        window_layout layout = live[w];
        if (is_fixed_size_window(ProjectWindow(w))) layout.width = layout.height = 0;
        record[w] = layout;
    }
}

void apply_window_layout(const WindowLayouts& record, WindowLayouts& live) {
    for (int w = 0; w < kProjectWindowCount; ++w) {
        const window_layout& from = record[w];
        window_layout& to = live[w];
        to.left = from.left;
        to.top = from.top;
        // A size of zero is a block that never held one (a project made
        // outside the editor): the window keeps its own. The main window's
        // height is fixed by the window itself.
        if (!is_fixed_size_window(ProjectWindow(w))) {
            if (from.width > 0) to.width = from.width;
            if (ProjectWindow(w) != ProjectWindow::Main && from.height > 0) to.height = from.height;
        }
        if (from.visible) to.visible = true;
    }
}

}  // namespace tarnwick
