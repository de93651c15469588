#include "app/other_zones_reader.h"

#include <QThread>

#include <algorithm>

#include "project/world_folder.h"

namespace tarnwick::app {

OtherZonesReader::OtherZonesReader(Done done, QObject* parent)
    : QObject(parent), done_(std::move(done)) {}

OtherZonesReader::~OtherZonesReader() {
    for (QThread* t : threads_) {
        t->wait();
        delete t;
    }
}

void OtherZonesReader::start(const OtherZonesRead& read, std::shared_ptr<SharedProgress> progress) {
    // The worker fills `result`; the GUI thread reads it only after the
    // thread finished, so the two never touch it at once.
    auto result = std::make_shared<std::shared_ptr<const OtherZones>>();
    QThread* thread = QThread::create([read, result, progress] {
        *result = read_other_zones(read.folder, read.open_zone, progress.get());
        if (progress) progress->finish();
    });
    threads_.push_back(thread);
    // `finished` is sent from the worker; delivered queued, on this thread.
    connect(thread, &QThread::finished, this, [this, thread, result, generation = read.generation] {
        threads_.erase(std::remove(threads_.begin(), threads_.end(), thread), threads_.end());
        thread->wait();  // `finished` comes just before the thread ends
        thread->deleteLater();
        done_(generation, *result);
    }, Qt::QueuedConnection);
    thread->start(QThread::LowPriority);
}

}  // namespace tarnwick::app
