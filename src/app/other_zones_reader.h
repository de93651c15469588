#pragma once
// Reads the rest of a world folder in a worker thread while the editor
// goes on, and hands what it read back on the GUI thread. Each read carries
// the generation of the opening it belongs to; the session refuses a
// result whose opening is gone.

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

#include "project/project_session.h"
#include "world/shared_progress.h"

class QThread;

namespace tarnwick::app {

class OtherZonesReader : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void(uint64_t generation, std::shared_ptr<const OtherZones> zones)>;

    OtherZonesReader(Done done, QObject* parent = nullptr);
    // Waits for reads still under way: they hold nothing of the editor's,
    // but their threads must end before the program does.
    ~OtherZonesReader() override;

    // Starts reading; `done` is called on this object's thread when it ends.
    // The read reports to `progress` and stops when it asks (then `done`
    // gets no zones), and marks it finished at its end.
    void start(const OtherZonesRead& read, std::shared_ptr<SharedProgress> progress = nullptr);
    // Reads started and not yet handed back.
    int running() const { return int(threads_.size()); }

private:
    Done done_;
    std::vector<QThread*> threads_;
};

}  // namespace tarnwick::app
