#include "windows/mages_report.h"

#include <QAction>
#include <QBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolTip>
#include <algorithm>
#include <numeric>

#include "model/database.h"
#include "qt_surface/qt_text.h"
#include "windows/accessible_names.h"
#include "windows/centre_form.h"
#include "windows/frozen_columns.h"
#include "windows/information_windows.h"
#include "windows/list_rows.h"
#include "windows/message_boxes.h"

namespace hexwarden {
namespace {

enum MageColumn { kName, kCode, kFirstMage };

constexpr int kNameWidth = 100;
constexpr int kCodeWidth = 50;
constexpr int kMageWidth = 75;
// A longer mage name wraps onto a second heading line rather than widening its column further.
constexpr int kWidestMage = 150;
// The columns the report always has room for; more mages get more columns.
constexpr size_t kMageColumns = 7;
constexpr int kHeadingRowHeight = 20;
// Sorts a row without a level after every row with one, whatever the days.
constexpr int64_t kNoLevel = int64_t{1} << 40;

const QString kSpells = QStringLiteral("Spells");

// The words that fit the width on the first line, the rest on the second, cut there if need be.
QString InTwoLines(const QString& text, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(text) <= width) return text;
    const QStringList words = text.split(QLatin1Char(' '));
    QString first = words.front();
    qsizetype next = 1;
    while (next < words.size() && metrics.horizontalAdvance(first + QLatin1Char(' ') + words[next]) <= width) {
        first += QLatin1Char(' ') + words[next++];
    }
    const QString rest = words.mid(next).join(QLatin1Char(' '));
    return metrics.elidedText(first, Qt::ElideRight, width) + QLatin1Char('\n') +
           metrics.elidedText(rest, Qt::ElideRight, width);
}

std::vector<const TVelUnit*> MagesOf(const TVelMain& main) {
    std::vector<const TVelUnit*> mages;
    for (const TVelUnit* unit : main.OwnUnits) {
        if (unit != nullptr && unit->IsMage()) mages.push_back(unit);
    }
    return mages;
}

QString MageTitle(const TVelUnit& unit) { return QString::number(unit.Number) + QLatin1Char(' ') + ToQString(unit.Name); }

// A column per mage the database holds now; a refill while the report is open finds the same ones,
// since nothing that changes the player's units can run beside a modal window.
std::vector<ListColumn> ColumnsFor(const TVelMain& main) {
    std::vector<ListColumn> columns = {{QStringLiteral("Name"), kNameWidth, SortKind::Text},
                                       {QStringLiteral("Code"), kCodeWidth, SortKind::Text}};
    const std::vector<const TVelUnit*> mages = MagesOf(main);
    for (size_t i = 0; i < std::max(kMageColumns, mages.size()); ++i) {
        columns.push_back({i < mages.size() ? MageTitle(*mages[i]) : QString(), kMageWidth, SortKind::Ordered, true});
    }
    return columns;
}

}  // namespace

// Two heading rows: "Spells" across the name and code columns over "Name" and "Code", and each
// mage's number over its name. A click anywhere on "Spells" sorts on the name.
class MageHeadings : public QHeaderView {
public:
    explicit MageHeadings(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
        setSectionsClickable(true);
        setSectionsMovable(false);
        setStretchLastSection(false);
        setSortIndicatorShown(true);
        setHighlightSections(false);
        QFont bold = font();
        bold.setBold(true);
        setFont(bold);
        setFixedHeight(kHeadingRowHeight + NameRowHeight());
    }

    // The lower row holds a mage's name on up to two lines.
    int NameRowHeight() const { return 2 * QFontMetrics(font()).height() + 4; }

    // A mage column as wide as its name on one line, up to the widest a column gets.
    int MageColumnWidth(const QString& name) const {
        return std::clamp(QFontMetrics(font()).horizontalAdvance(name) + 12, kMageWidth, kWidestMage);
    }

    void SetMageTexts(std::vector<std::pair<QString, QString>> texts) {
        mage_texts_ = std::move(texts);
        viewport()->update();
    }

    QString Top(int section) const {
        if (section == kName || section == kCode) return kSpells;
        const auto mage = static_cast<size_t>(section - kFirstMage);
        return section >= kFirstMage && mage < mage_texts_.size() ? mage_texts_[mage].first : QString();
    }
    QString Bottom(int section) const {
        if (section == kName) return QStringLiteral("Name");
        if (section == kCode) return QStringLiteral("Code");
        const auto mage = static_cast<size_t>(section - kFirstMage);
        return section >= kFirstMage && mage < mage_texts_.size() ? mage_texts_[mage].second : QString();
    }

protected:
    void paintSection(QPainter* painter, const QRect& rect, int section) const override {
        if (!rect.isValid()) return;
        const QRect top(rect.left(), rect.top(), rect.width(), kHeadingRowHeight);
        const QRect bottom(rect.left(), rect.top() + kHeadingRowHeight, rect.width(),
                           rect.height() - kHeadingRowHeight);
        if (section >= kFirstMage) PaintCell(painter, top, section, Top(section), false);
        PaintCell(painter, bottom, section, Bottom(section), true, section >= kFirstMage);
    }

    void paintEvent(QPaintEvent* event) override {
        QHeaderView::paintEvent(event);
        QPainter painter(viewport());
        const int left = sectionViewportPosition(kName);
        const int right = sectionViewportPosition(kCode) + sectionSize(kCode);
        PaintCell(&painter, QRect(left, 0, right - left, kHeadingRowHeight), kName, kSpells, false);
    }

    // A long mage name is cut short in its column; the hint has it whole.
    bool viewportEvent(QEvent* event) override {
        if (event->type() != QEvent::ToolTip) return QHeaderView::viewportEvent(event);
        const QPoint at = static_cast<QHelpEvent*>(event)->pos();
        const int section = logicalIndexAt(at);
        const QString text = section >= kFirstMage ? Top(section) + QLatin1Char(' ') + Bottom(section) : QString();
        if (text.trimmed().isEmpty()) QToolTip::hideText();
        else QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, this);
        return true;
    }

    // The upper row over the name and code columns is one cell: no resize handle between them, and
    // a click there is a click on the name column.
    void mousePressEvent(QMouseEvent* event) override { QHeaderView::mousePressEvent(Redirected(event).get()); }
    void mouseReleaseEvent(QMouseEvent* event) override { QHeaderView::mouseReleaseEvent(Redirected(event).get()); }
    void mouseMoveEvent(QMouseEvent* event) override { QHeaderView::mouseMoveEvent(Redirected(event).get()); }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        QHeaderView::mouseDoubleClickEvent(Redirected(event).get());
    }

private:
    void PaintCell(QPainter* painter, const QRect& rect, int section, const QString& text, bool with_sort,
                   bool wrapped = false) const {
        painter->save();
        painter->setFont(font());
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.rect = rect;
        option.section = section;
        const QFontMetrics metrics = painter->fontMetrics();
        option.text = wrapped ? InTwoLines(text, metrics, rect.width() - 4)
                              : metrics.elidedText(text, Qt::ElideRight, rect.width() - 4);
        option.textAlignment = Qt::AlignCenter;
        option.position = QStyleOptionHeader::Middle;
        option.sortIndicator = QStyleOptionHeader::None;
        if (with_sort && isSortIndicatorShown() && sortIndicatorSection() == section) {
            option.sortIndicator = sortIndicatorOrder() == Qt::AscendingOrder ? QStyleOptionHeader::SortDown
                                                                              : QStyleOptionHeader::SortUp;
        }
        style()->drawControl(QStyle::CE_Header, &option, painter, this);
        painter->restore();
    }

    std::unique_ptr<QMouseEvent> Redirected(QMouseEvent* event) const {
        QPointF at = event->position();
        const int span_end = sectionViewportPosition(kCode) + sectionSize(kCode);
        // The handle at the span's own right edge still resizes the code column.
        constexpr int kHandle = 4;
        if (at.y() < kHeadingRowHeight && at.x() < span_end - kHandle) {
            at.setX(sectionViewportPosition(kName) + sectionSize(kName) / 2);
        }
        return std::make_unique<QMouseEvent>(event->type(), at, event->scenePosition(), event->globalPosition(),
                                             event->button(), event->buttons(), event->modifiers(),
                                             event->pointingDevice());
    }

    std::vector<std::pair<QString, QString>> mage_texts_;
};

TfrmReportMages::TfrmReportMages(InformationWindows& windows, QWidget* parent)
    : TfrmTBasicList(parent, ColumnsFor(windows.Main())), windows_(windows), headings_(new MageHeadings(nullptr)) {
    setWindowTitle(QStringLiteral("Report: Mages"));
    resize(716, 360);
    TTreeList& list = treeList();
    NameAfterCaption(&list, QStringLiteral("Report: Mages"));
    list.setHeader(headings_);
    list.setSortingEnabled(true);
    const int columns = list.Model().columnCount();
    for (int column = 0; column < columns; ++column) {
        const ListColumn& shown = list.Model().Columns()[static_cast<size_t>(column)];
        list.setColumnWidth(column, column >= kFirstMage ? headings_->MageColumnWidth(shown.Heading.section(QLatin1Char(' '), 1))
                                                     : shown.Width);
    }
    // The skill's name and code stay in view while the mages scroll by.
    new TFrozenColumns(list, kFirstMage, new MageHeadings(nullptr));

    // The faction's magic points and mages, above the list.
    auto* pnlHeader = new QWidget(pnlTTop());
    pnlHeader->setObjectName(QStringLiteral("pnlHeader"));
    auto* values = new QHBoxLayout(pnlHeader);
    values->setContentsMargins(6, 6, 6, 0);
    const auto add_value = [pnlHeader, values](const QString& caption, const char* name) {
        values->addWidget(new QLabel(caption + QLatin1Char(':'), pnlHeader));
        auto* value = new QLabel(pnlHeader);
        value->setObjectName(QString::fromLatin1(name));
        value->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        value->setMinimumWidth(40);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        NameAfterCaption(value, caption);
        values->addWidget(value);
        values->addSpacing(16);
        return value;
    };
    lblFactionPoints_ = add_value(QStringLiteral("Faction Points"), "lblFactionPoints");
    lblMages_ = add_value(QStringLiteral("Mages"), "lblMages");
    lblMaxMages_ = add_value(QStringLiteral("Max Mages"), "lblMaxMages");
    values->addStretch(1);
    if (auto* top = qobject_cast<QBoxLayout*>(pnlTTop()->layout())) top->insertWidget(0, pnlHeader);

    QPushButton* print = AddButton(QStringLiteral("&Print"), "btnPrint");
    QPushButton* preview = AddButton(QStringLiteral("&Preview"), "btnPreview");
    QPushButton* close = AddButton(QStringLiteral("&Close"), "btnClose");
    print->setEnabled(false);
    preview->setEnabled(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    mnuPopup_ = new QMenu(this);
    mnuViewMage_ = mnuPopup_->addAction(QStringLiteral("View &Mage"));
    mnuViewMage_->setObjectName(QStringLiteral("mnuViewMage"));
    mnuViewSkill_ = mnuPopup_->addAction(QStringLiteral("View &Skill"));
    mnuViewSkill_->setObjectName(QStringLiteral("mnuViewSkill"));
    connect(mnuViewMage_, &QAction::triggered, this, [this] { ViewMage(popup_column_); });
    connect(mnuViewSkill_, &QAction::triggered, this, &TfrmReportMages::ViewSkill);
    list.setContextMenuPolicy(Qt::CustomContextMenu);
    connect(&list, &QWidget::customContextMenuRequested, this, [this, &list](const QPoint& at) {
        PreparePopup(list.columnAt(at.x()), list.indexAt(at).isValid(), false);
        mnuPopup_->popup(list.viewport()->mapToGlobal(at));
    });
    headings_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(headings_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int column = headings_->logicalIndexAt(at);
        if (column < kFirstMage) return;
        PreparePopup(column, false, true);
        mnuPopup_->popup(headings_->mapToGlobal(at));
    });
    connect(&list, &TTreeList::RowChosen, this, [this, &list] {
        const int column = list.currentIndex().column();
        if (column >= kFirstMage) ViewMage(column);
        else ViewSkill();
    });

    // The rows hold copies and keys only, so nothing needs letting go before a change.
    connect(&windows_.Notice(), &TRecordsNotice::RecordsChanged, this, &TfrmReportMages::Refill);
    Refill();
}

void TfrmReportMages::ShowMages(InformationWindows& windows, QWidget* parent) {
    TfrmReportMages report(windows, parent);
    CentreForm(&report, parent);
    report.exec();
}

void TfrmReportMages::Refill() {
    const TVelMain& main = windows_.Main();
    lblFactionPoints_->setText(QString::number(main.Magic.Level));
    lblMages_->setText(QString::number(main.Magic.Used));
    lblMaxMages_->setText(QString::number(main.Magic.Max));

    TTreeList& list = treeList();
    const size_t room = static_cast<size_t>(list.Model().columnCount() - kFirstMage);
    std::vector<const TVelUnit*> mages = MagesOf(main);
    if (mages.size() > room) mages.resize(room);
    mages_.clear();
    std::vector<std::pair<QString, QString>> texts;
    std::vector<ListRow> rows;
    for (size_t mage = 0; mage < mages.size(); ++mage) {
        const TVelUnit& unit = *mages[mage];
        mages_.push_back(UnitKey::Of(unit));
        texts.emplace_back(QString::number(unit.Number), ToQString(unit.Name));
        const size_t column = kFirstMage + mage;
        for (const auto& skill : unit.Skills) {
            const QString code = ToQString(skill->Code);
            auto row = std::find_if(rows.begin(), rows.end(), [&code](const ListRow& known) {
                return known.Cells[kCode].Text.compare(code, Qt::CaseInsensitive) == 0;
            });
            if (row == rows.end()) {
                ListRow added;
                added.Cells.resize(kFirstMage + room);
                added.Cells[kName] = TextCell(ToQString(unit.Skills.SkillName(*skill)));
                added.Cells[kCode] = TextCell(code);
                rows.push_back(std::move(added));
                row = rows.end() - 1;
            }
            row->Cells[column] = OrderedCell(ToQString(TVelSkillList::LevelText(*skill, false)), skill->Days, 0);
        }
    }
    // A mage column orders rows with a level by days and the rest after them, each by name: the
    // rank by name goes in as the second order value, so the order does not hang on an earlier sort.
    std::vector<size_t> by_name(rows.size());
    std::iota(by_name.begin(), by_name.end(), size_t{0});
    std::stable_sort(by_name.begin(), by_name.end(), [&rows](size_t a, size_t b) {
        return rows[a].Cells[kName].Text.compare(rows[b].Cells[kName].Text, Qt::CaseInsensitive) < 0;
    });
    int64_t rank = 0;
    for (size_t i = 0; i < by_name.size(); ++i) {
        const bool same_name = i > 0 && rows[by_name[i]].Cells[kName].Text.compare(
                                            rows[by_name[i - 1]].Cells[kName].Text, Qt::CaseInsensitive) == 0;
        if (!same_name) rank = static_cast<int64_t>(i);
        for (size_t column = kFirstMage; column < rows[by_name[i]].Cells.size(); ++column) {
            ListCell& cell = rows[by_name[i]].Cells[column];
            cell.Order = {cell.Text.isEmpty() ? kNoLevel : cell.Order[0], rank};
        }
    }

    headings_->SetMageTexts(std::move(texts));
    for (size_t column = kFirstMage; column < kFirstMage + room; ++column) {
        list.setColumnHidden(static_cast<int>(column), column >= kFirstMage + mages_.size());
    }
    list.Fill(std::move(rows), kName);
}

QString TfrmReportMages::TopHeading(int column) const { return headings_->Top(column); }

QString TfrmReportMages::BottomHeading(int column) const { return headings_->Bottom(column); }

void TfrmReportMages::PreparePopup(int column, bool over_row, bool over_heading) {
    popup_column_ = column;
    const bool mage_column = column >= kFirstMage && static_cast<size_t>(column - kFirstMage) < mages_.size();
    mnuViewMage_->setEnabled(mage_column);
    mnuViewSkill_->setEnabled(over_row && !over_heading);
}

void TfrmReportMages::ViewMage(int column) {
    if (column < kFirstMage || static_cast<size_t>(column - kFirstMage) >= mages_.size()) return;
    windows_.ShowUnit(mages_[static_cast<size_t>(column - kFirstMage)], this);
}

void TfrmReportMages::ViewSkill() {
    Prompts().ShowInformation(this, QStringLiteral("Skill details are not available yet.\n\nThey will come soon!"));
}

}  // namespace hexwarden
