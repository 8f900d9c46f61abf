#pragma once

#include <QObject>
#include <exception>
#include <utility>

namespace hexwarden {

// What changed in the database, for listeners that need not redo everything.
enum class RecordChange {
    Cleared,          // New: every record is gone
    Loaded,           // Open: every record was replaced
    TurnImported,     // hexes and units replaced, factions and tables grown
    MapDataImported,  // hexes and structures merged
    FactionsImported, // faction names and numbers
    MarkersChanged,   // a marker added or removed
    WedgesChanged,    // what a wedge tests or its colour
    UnitEdited,       // the player gave a unit the faction he suspects
    EditsWritten,     // what the user typed in a window (orders, notes, a faction's colour) went in
};

// Whether the change replaces hexes and units (and so may free records a window shows), rather than
// marking, colouring or editing the records that are there.
bool ReplacesRecords(RecordChange kind);

// The one notice every window follows around a change of the database's records. Before a change
// open windows write back what the user typed (EditsWanted) and stop using what they showed
// (RecordsAboutToChange); after it they find their records again by key and refill. What a window
// writes back is itself a change (EditsWritten), inside the one that asked for it or on its own.
class TRecordsNotice : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Runs change between the signals; RecordsChanged follows also when the change throws, since
    // what it did before the error stays in the database.
    template <typename Work>
    void Change(RecordChange kind, Work&& change) {
        BeginChange(kind);
        try {
            std::forward<Work>(change)();
        } catch (...) {
            EndChange(kind);
            throw;
        }
        EndChange(kind);
    }

    // For a change already made (a marker a map window added).
    void Announce(RecordChange kind) {
        Change(kind, [] {});
    }

    // Asks open windows to write back what the user typed, before the database is read as a whole
    // (a save, the orders file).
    void CommitEdits() { emit EditsWanted(); }

    bool Changing() const { return depth_ > 0; }

    // The month's preview ran again. No record changed, so windows neither write back nor refill:
    // they redo only what they show of the preview.
    void AnnouncePreview() { emit PreviewChanged(); }
    // Only the unit whose route the maps single out changed: the month is the same.
    void AnnounceRouteUnit() { emit RouteUnitChanged(); }

signals:
    void PreviewChanged();
    void RouteUnitChanged();
    void EditsWanted();
    void RecordsAboutToChange(RecordChange kind);
    void RecordsChanged(RecordChange kind);

private:
    void BeginChange(RecordChange kind);
    void EndChange(RecordChange kind);

    int depth_ = 0;
};

}  // namespace hexwarden
