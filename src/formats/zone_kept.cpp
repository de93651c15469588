#include "formats/zone_kept.h"

#include <unordered_map>

#include "formats/kept_records.h"
#include "world/world.h"

namespace tarnwick {

namespace {

// How far ahead, in file order, a command without a line is looked for.
constexpr size_t kMatchWindow = 64;

}  // namespace

std::vector<int> match_kept_commands(const std::vector<const zCommand*>& now,
                                     const std::vector<zCommand>& kept) {
    std::vector<int> match(now.size(), -1);
    std::vector<bool> claimed(kept.size(), false);
    std::unordered_map<int32_t, size_t> by_line;
    for (size_t k = 0; k < kept.size(); ++k)
        if (kept[k].line > 0) by_line.emplace(kept[k].line, k);
    // By line: when copies share one, the copy equal to the command as read
    // takes it, else the first.
    std::unordered_map<size_t, size_t> taker;  // kept index -> index in `now`
    for (size_t i = 0; i < now.size(); ++i) {
        if (now[i]->line <= 0) continue;
        const auto it = by_line.find(now[i]->line);
        if (it == by_line.end()) continue;
        const size_t k = it->second;
        const auto has = taker.find(k);
        if (has == taker.end()) {
            taker.emplace(k, i);
        } else if (!now[has->second]->same_command(kept[k]) && now[i]->same_command(kept[k])) {
            has->second = i;
        }
    }
    for (const auto& [k, i] : taker) {
        match[i] = int(k);
        claimed[k] = true;
    }
    // Without a line: the next unclaimed equal command after the last match.
    size_t from = 0;
    for (size_t i = 0; i < now.size(); ++i) {
        if (match[i] >= 0) {
            from = size_t(match[i]) + 1;
            continue;
        }
        for (size_t k = from; k < kept.size() && k < from + kMatchWindow; ++k) {
            if (claimed[k] || !now[i]->same_command(kept[k])) continue;
            match[i] = int(k);
            claimed[k] = true;
            from = k + 1;
            break;
        }
    }
    return match;
}

WrittenZone write_over(const World& world, const KeptZoneFile& kept, const CommandWriter& command,
                       const HeaderWriter& header) {
    WrittenZone w;
    w.kept = std::make_shared<KeptZoneFile>();
    KeptZoneFile& next = *w.kept;
    std::string& out = w.bytes;
    const std::string& bytes = kept.bytes;
    out.append(kept.before_header.of(bytes));
    next.before_header = {0, out.size()};
    if (zone_head_values(world.zone) == kept.head)
        append_with_line_break(out, kept.header.of(bytes));
    else
        header(world.zone, out);
    next.header = {next.before_header.end, out.size()};

    std::vector<const zCommand*> now;
    for (const zCommand& c : world.zone.commands)
        if (c.command != 'S' && c.command != '\0') now.push_back(&c);
    const std::vector<int> match = match_kept_commands(now, kept.commands);
    for (size_t i = 0; i < now.size(); ++i) {
        const size_t begin = out.size();
        const int k = match[i];
        if (k >= 0) out.append(kept.leads[size_t(k)].of(bytes));
        const size_t line = out.size();
        if (k >= 0 && now[i]->same_command(kept.commands[size_t(k)]))
            append_with_line_break(out, kept.lines[size_t(k)].of(bytes));
        else
            command(*now[i], out);
        next.commands.push_back(*now[i]);
        next.leads.push_back({begin, line});
        next.lines.push_back({line, out.size()});
    }
    next.tail.begin = out.size();
    if (kept.tail.end > kept.tail.begin)
        append_with_line_break(out, kept.tail.of(bytes));
    else
        out += "$~\n";
    next.tail.end = out.size();
    return w;
}

}  // namespace tarnwick
