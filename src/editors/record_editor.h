#pragma once
// What the record lists need of an editor window: point it at a record
// (select_record), and settle its pending edits before the table changes.

namespace tarnwick {

class RecordEditor {
public:
    virtual ~RecordEditor() = default;
    // Shows record `index` (-1 shows none). With "Auto apply" on, pending
    // edits go to the record shown before.
    virtual void select_record(int index) = 0;
    // The index shown, or -1.
    virtual int current_index() const = 0;
    // Stores pending edits into the record shown (no-op when none).
    virtual void apply_pending() = 0;
    // Forgets pending edits and shows no record.
    virtual void discard_pending() = 0;
};

}  // namespace tarnwick
