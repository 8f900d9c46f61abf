#include "windows/records_notice.h"

namespace hexwarden {

bool ReplacesRecords(RecordChange kind) {
    switch (kind) {
        case RecordChange::Cleared:
        case RecordChange::Loaded:
        case RecordChange::TurnImported:
        case RecordChange::MapDataImported:
            return true;
        default:
            return false;
    }
}

void TRecordsNotice::BeginChange(RecordChange kind) {
    // A change inside a change (a nested event loop starting a command) is part of the outer one.
    if (depth_++ > 0) return;
    emit EditsWanted();
    emit RecordsAboutToChange(kind);
}

void TRecordsNotice::EndChange(RecordChange kind) {
    if (--depth_ > 0) return;
    emit RecordsChanged(kind);
}

}  // namespace hexwarden
