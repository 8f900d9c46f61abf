#include "windows/information_windows.h"

#include <QApplication>
#include <QWindow>

#include "windows/centre_form.h"
#include "windows/faction_window.h"
#include "windows/hex_window.h"
#include "windows/structure_window.h"
#include "windows/unit_window.h"

namespace hexwarden {
namespace {

// A window opened from a modal list or report (a unit from the unit list, say) stays usable while
// that list is open: the list's modality does not block its own transient windows. When the list
// goes, the window is the main window's again.
void KeepUsableOverModal(QWidget* window, QWidget* owner) {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == window || window->windowHandle() == nullptr) return;
    modal->winId();
    window->windowHandle()->setTransientParent(modal->windowHandle());
    QObject::connect(modal, &QObject::destroyed, window, [window, owner] {
        if (window->windowHandle() != nullptr) window->windowHandle()->setTransientParent(owner->windowHandle());
    });
}

}  // namespace

InformationWindows::InformationWindows(TVelMain& main, TRecordsNotice& notice, QWidget* owner,
                                       const WindowMenus& menus)
    : QObject(owner),
      Hexes(menus.Hexes),
      Units(menus.Units),
      Factions(menus.Factions),
      Structures(menus.Structures),
      main_(main),
      notice_(notice),
      owner_(owner) {
    connect(&notice_, &TRecordsNotice::EditsWanted, this, &InformationWindows::WriteBackAll);
    // While the records change, the windows take no input: what they would act on may be half gone.
    connect(&notice_, &TRecordsNotice::RecordsAboutToChange, this, [this](RecordChange kind) {
        // Written edits free nothing, and the window typed in keeps its focus.
        if (kind == RecordChange::EditsWritten) return;
        for (TFormList* registry : Registries()) {
            for (TfrmRecordWindow* form : registry->Forms()) form->setEnabled(false);
        }
    });
    connect(&notice_, &TRecordsNotice::RecordsChanged, this, &InformationWindows::RefillAll);
}

InformationWindows::~InformationWindows() {
    for (TFormList* registry : Registries()) {
        while (!registry->Forms().empty()) delete registry->Forms().back();
    }
}

template <typename Window, typename Key>
void InformationWindows::ShowFor(TRecordFormList<Window, Key>& registry, const Key& key, QWidget* parent) {
    if (Window* open = registry.FindForm(key)) {
        KeepUsableOverModal(open, owner_);
        BringForward(open);
        return;
    }
    auto* window = new Window(*this, key);
    if (!window->Refill()) {
        delete window;
        return;
    }
    connect(window, &QObject::destroyed, this, [&registry, window] { registry.RemoveForm(window); });
    registry.AddForm(window);
    CentreForm(window, parent);
    window->winId();
    KeepUsableOverModal(window, owner_);
    BringForward(window);
}

void InformationWindows::ShowHex(const HexKey& key, QWidget* parent) { ShowFor(Hexes, key, parent); }
void InformationWindows::ShowUnit(const UnitKey& key, QWidget* parent) { ShowFor(Units, key, parent); }
void InformationWindows::ShowFaction(const FactionKey& key, QWidget* parent) { ShowFor(Factions, key, parent); }
void InformationWindows::ShowStructure(const StructureKey& key, QWidget* parent) {
    ShowFor(Structures, key, parent);
}

std::array<TFormList*, 4> InformationWindows::Registries() { return {&Hexes, &Units, &Factions, &Structures}; }

void InformationWindows::WriteBack(TfrmRecordWindow& window) {
    if (window.WriteBack()) notice_.Announce(RecordChange::EditsWritten);
}

void InformationWindows::WriteBackAll() {
    bool changed = false;
    for (TFormList* registry : Registries()) {
        for (TfrmRecordWindow* form : registry->Forms()) changed = form->WriteBack() || changed;
    }
    // Within a change that asked for the edits, this is part of it.
    if (changed) notice_.Announce(RecordChange::EditsWritten);
}

void InformationWindows::RefillAll() {
    for (TFormList* registry : Registries()) {
        // A window whose record is gone closes; closing it takes it out of the list being walked.
        const std::vector<TfrmRecordWindow*> forms = registry->Forms();
        for (TfrmRecordWindow* form : forms) {
            form->setEnabled(true);
            if (!form->Refill()) delete form;
        }
        registry->RebuildMenu();
    }
}

}  // namespace hexwarden
