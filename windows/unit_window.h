#pragma once

#include <QString>
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "model/record_keys.h"
#include "orders/rule_set.h"
#include "windows/record_window.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QTabWidget;
class QToolButton;

namespace hexwarden {

class TNextMonthPage;
class TOrdersHighlighter;
struct Problem;
class TTreeList;
class TVelUnit;

// One unit: identity and faction, where it stands and stood, its flags, goods, men and skills, and
// the orders and notes the player types for it.
class TfrmUnitInfo : public TfrmRecordWindow {
    Q_OBJECT
public:
    TfrmUnitInfo(InformationWindows& windows, const UnitKey& key);

    const UnitKey& RecordKey() const { return key_; }
    bool Refill() override;
    bool WriteBack() override;
    QString MenuCaption() const override { return menu_caption_; }

    QPlainTextEdit& edOrders() const { return *edOrders_; }
    QPlainTextEdit& edNotes() const { return *edNotes_; }
    TOrdersHighlighter& OrdersMarks() const { return *orders_marks_; }
    TTreeList& lstItems() const { return *lstItems_; }
    TTreeList& lstTroops() const { return *lstTroops_; }
    TTreeList& lstSkills() const { return *lstSkills_; }
    TTreeList& lstCanStudy() const { return *lstCanStudy_; }
    TNextMonthPage& NextMonth() const { return *pgNextMonth_; }

    // Brings the "Next Month" page forward.
    void ShowNextMonth();

    // Shows the orders with the cursor at the start of that 1-based line, ready for typing.
    void ShowOrdersLine(int line);

    void btnFactionClick();
    void btnSuspectedClick();
    void btnInsideClick();
    void btnPositionClick();
    void btnLastPositionClick();
    void btnHistoryClick();

protected:
    void changeEvent(QEvent* event) override;

private:
    QWidget* BuildTopPart();
    QWidget* BuildFlagsAndPlaces();
    QWidget* BuildMiddlePart();
    QWidget* BuildBottomPart();
    void FillFaction(const TVelUnit& unit);
    void FillLists(const TVelUnit& unit);
    // The preview's month for the unit, and its route in the window's accessible text.
    void FillNextMonth();
    // The editor's orders checked against the database; nothing while the records change.
    std::optional<std::vector<Problem>> CheckOrders(const std::string& text) const;

    UnitKey key_;
    QString menu_caption_;
    // The editors' texts as filled or last written, so that only what the user changed goes back.
    QString filled_orders_;
    QString filled_notes_;
    // The rule set of the reports, found again at every refill.
    RuleSet rules_ = RuleSet::Standard;

    QLabel* lblLost_ = nullptr;
    QToolButton* btnFaction_ = nullptr;
    QLabel* lblFactionName_ = nullptr;
    QToolButton* btnSuspected_ = nullptr;
    QTabWidget* pgUnit_ = nullptr;
    QPlainTextEdit* edOrders_ = nullptr;
    TOrdersHighlighter* orders_marks_ = nullptr;
    TNextMonthPage* pgNextMonth_ = nullptr;
    QPlainTextEdit* edNotes_ = nullptr;
    QPlainTextEdit* edDescription_ = nullptr;
    QPlainTextEdit* edEvents_ = nullptr;
    std::array<QCheckBox*, 8> chkFlags_{};
    QToolButton* btnPosition_ = nullptr;
    QToolButton* btnInside_ = nullptr;
    QToolButton* btnLastPosition_ = nullptr;
    QToolButton* btnHistory_ = nullptr;
    QLabel* lblSilver_ = nullptr;
    QLabel* lblStrength_ = nullptr;
    QLabel* lblCombatSpell_ = nullptr;
    TTreeList* lstItems_ = nullptr;
    TTreeList* lstTroops_ = nullptr;
    TTreeList* lstSkills_ = nullptr;
    TTreeList* lstCanStudy_ = nullptr;
};

}  // namespace hexwarden
