#pragma once
// How long work (reading a world folder, checking or simulating a whole
// world) tells whoever runs it how far it got, and how that one asks it to
// stop. Plain C++: the editor's progress bar and the command-line tool's
// progress line are both one of these.

#include <string>

namespace tarnwick {

class WorkProgress {
public:
    virtual ~WorkProgress() = default;
    // `done` of `total` parts are finished; `what` names the work under way.
    // False asks the work to stop: it returns as soon as it can with an empty
    // result, and whoever asked keeps nothing of it.
    virtual bool advance(int done, int total, const std::string& what) = 0;
    // True when advance may be called from any thread (it guards itself):
    // then work spread over the cores reports from each. A progress shown
    // by a window says false, and the work reports from its own thread,
    // one piece after another.
    virtual bool any_thread() const { return false; }
};

// Reports to `progress` when there is one; true (go on) without.
inline bool advance(WorkProgress* progress, int done, int total, const std::string& what) {
    return !progress || progress->advance(done, total, what);
}

// One stretch of a larger work: parts `first` to `first + parts` of the
// whole's `total`, however the stretch counts its own parts.
class PartOfWork : public WorkProgress {
public:
    PartOfWork(WorkProgress* whole, int first, int parts, int total)
        : whole_(whole), first_(first), parts_(parts), total_(total) {}
    bool advance(int done, int total, const std::string& what) override {
        const int at = total > 0 ? first_ + int(static_cast<long long>(done) * parts_ / total) : first_;
        return tarnwick::advance(whole_, at, total_, what);
    }
    bool any_thread() const override { return !whole_ || whole_->any_thread(); }

private:
    WorkProgress* whole_;
    int first_, parts_, total_;
};

}  // namespace tarnwick
