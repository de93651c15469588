// check --server: what the real server would refuse or damage in world
// files, or in the five files a project names.

#include <cstdio>
#include <filesystem>

#include "analysis/preflight.h"
#include "cli/commands.h"
#include "formats/dialect_sniff.h"
#include "project/area_project.h"
#include "project/file_names.h"
#include "project/project_file.h"

namespace tarnwick::cli {

namespace {

struct LoadedFile {
    WorldFileKind kind;
    std::string path;
    std::string bytes;
    Dialect dialect = Dialect::Circle30;
};

bool read_whole(const std::string& path, std::string& bytes) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    // The raw bytes, as the server reads them: no line-end conversion.
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return false;
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.append(buffer, n);
    const bool ok = !std::ferror(f);
    std::fclose(f);
    return ok;
}

// The project's world files that exist; a file the project names but that
// is not there holds nothing the server could refuse.
bool project_files(const std::string& path, std::vector<LoadedFile>& out) {
    AreaProject project;
    std::string error;
    if (!read_project_file(path, project, error)) {
        std::fprintf(stderr, "tarnwick-cli: %s: %s\n", path.c_str(), error.c_str());
        return false;
    }
    const std::pair<const std::string*, WorldFileKind> files[] = {
        {&project.room_file, WorldFileKind::rooms},     {&project.mob_file, WorldFileKind::mobiles},
        {&project.object_file, WorldFileKind::objects}, {&project.zone_file, WorldFileKind::zone},
        {&project.shop_file, WorldFileKind::shops}};
    // Every file of the project is read as its zone file's server reads it.
    const Dialect dialect = project.zone_file.empty()
                                ? Dialect::Circle30
                                : zone_file_dialect(resolve_world_file(project.zone_file, path));
    for (auto [name, kind] : files) {
        if (name->empty()) continue;
        LoadedFile file{kind, resolve_world_file(*name, path), {}, dialect};
        if (read_whole(file.path, file.bytes)) out.push_back(std::move(file));
    }
    return true;
}

}  // namespace

int check_server(const std::vector<std::string>& args) {
    int status = 0;
    std::vector<std::vector<LoadedFile>> groups(1);  // loose files, then one per project
    for (const std::string& path : args) {
        if (is_project_file(path)) {
            groups.emplace_back();
            if (!project_files(path, groups.back())) status = 2;
            continue;
        }
        const auto kind = world_file_kind(path);
        LoadedFile file{kind.value_or(WorldFileKind::rooms), path, {}};
        if (!kind || !read_whole(path, file.bytes)) {
            std::fprintf(stderr, "tarnwick-cli: %s: %s\n", path.c_str(),
                         kind ? "cannot be read" : "not a world file (.wld .mob .obj .zon .shp)");
            status = 2;
            continue;
        }
        // tbaMUD's layout is unmistakable; a zone header of four numbers
        // is CircleMUD 3.1's, or the likeliest slip in a 3.0 file, so loose
        // files are checked as 3.0 unless they are tbaMUD's (a project is
        // checked in its zone file's dialect).
        if (world_file_dialect(path) == Dialect::TbaMud) file.dialect = Dialect::TbaMud;
        groups[0].push_back(std::move(file));
    }
    size_t findings = 0, files = 0;
    for (const auto& group : groups) {
        std::vector<PreflightInput> inputs;
        for (const LoadedFile& f : group) inputs.push_back({f.kind, f.path, f.bytes, f.dialect});
        files += inputs.size();
        for (const PreflightFinding& finding : preflight_files(inputs)) {
            std::printf("%s\n", describe(finding).c_str());
            ++findings;
        }
    }
    std::printf("%zu file(s) checked for the server, %zu finding(s)\n", files, findings);
    if (status != 0) return status;
    return findings > 0 ? 1 : 0;
}

}  // namespace tarnwick::cli
