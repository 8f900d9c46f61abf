#pragma once

#include <QString>
#include <vector>

class QMenu;
class QObject;
class QWidget;

namespace hexwarden {

class TfrmRecordWindow;

// Shows the window on top and gives it the focus.
void BringForward(QWidget* window);

// The open information windows of one kind, in the order they were opened, mirrored as entries of
// a submenu (disabled while empty). The windows belong to the main window and free themselves when
// closed; they leave the list then.
class TFormList {
public:
    // Without a menu no menu work is done.
    explicit TFormList(QMenu* menu) : menu_(menu) { RebuildMenu(); }
    TFormList(const TFormList&) = delete;
    TFormList& operator=(const TFormList&) = delete;

    const std::vector<TfrmRecordWindow*>& Forms() const { return forms_; }
    void AddForm(TfrmRecordWindow* form);
    void RemoveForm(const QObject* form);
    // After windows changed their captions.
    void RebuildMenu();

protected:
    std::vector<TfrmRecordWindow*> forms_;

private:
    QMenu* menu_;
};

// The windows of one record kind, matched by the record's key.
template <typename Window, typename Key>
class TRecordFormList : public TFormList {
public:
    using TFormList::TFormList;

    Window* FindForm(const Key& key) const {
        for (TfrmRecordWindow* form : forms_) {
            auto* window = static_cast<Window*>(form);
            if (window->RecordKey() == key) return window;
        }
        return nullptr;
    }
};

}  // namespace hexwarden
