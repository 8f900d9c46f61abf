#include "windows/wedge_window.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <functional>
#include <vector>

#include "map/hex_geometry.h"
#include "map/wedge_painter.h"
#include "model/database.h"
#include "qt_surface/qt_drawing_surface.h"
#include "qt_surface/qt_text.h"
#include "windows/basic_window.h"
#include "windows/centre_form.h"
#include "windows/colour_swatch.h"
#include "windows/faction_list.h"
#include "windows/information_windows.h"
#include "windows/records_notice.h"
#include "windows/selected_records.h"

namespace hexwarden {
namespace {

constexpr int kRows = 6;

bool KindHasKey(int32_t kind) {
    return kind == WedgeKind::Faction || kind == WedgeKind::Alliance || kind == WedgeKind::Products ||
           kind == WedgeKind::ForSale || kind == WedgeKind::Wanted;
}

QString KeyHint(int32_t kind) {
    switch (kind) {
        case WedgeKind::Faction: return QStringLiteral("Click to choose the faction");
        case WedgeKind::Alliance: return QStringLiteral("Click to choose the alliance");
        default: return QStringLiteral("Click to choose the item");
    }
}

// A hex with the sixth a row stands for filled in, drawn as the map draws wedges.
class WedgePicture : public QWidget {
public:
    WedgePicture(int32_t position, QWidget* parent) : QWidget(parent) {
        wedge_.Position = position;
        setFixedSize(kSize);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QtDrawingSurface surface(painter, Rect{0, 0, width(), height()});
        const HexGeometry geometry(2, 5);
        const HexOutline outline = geometry.Outline(Point{width() / 2, height() / 2});
        surface.SetPen(Pen{kBlack, PenStyle::Solid, PenMode::Copy, 1});
        surface.SetBrush(Brush{RgbColour(192, 192, 192), BrushStyle::Solid});
        surface.Polygon(outline);
        surface.SetBrush(Brush{RgbColour(0, 0, 128), BrushStyle::Solid});
        surface.Polygon(WedgeTriangle(wedge_, outline));
    }

private:
    static constexpr QSize kSize{28, 24};
    TMapWedge wedge_;
};

// The details panel: shows the key and asks for another on a click, Space or Enter.
class KeyPanel : public QLabel {
public:
    explicit KeyPanel(QWidget* parent) : QLabel(parent) {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setFocusPolicy(Qt::StrongFocus);
        setCursor(Qt::PointingHandCursor);
        setIndent(3);
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        // Kinds without a key hide the panel; the rows keep their columns lined up.
        policy.setRetainSizeWhenHidden(true);
        setSizePolicy(policy);
    }
    std::function<void()> Clicked;

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (Clicked) Clicked();
    }
    void keyPressEvent(QKeyEvent* event) override {
        const int key = event->key();
        if ((key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) && Clicked) {
            Clicked();
            return;
        }
        QLabel::keyPressEvent(event);
    }
};

// A list to pick one key from. The first column sorts by its text alone, so its order value
// carries the row's place in `keys`: the shown text need not give the stored bytes back.
class KeyChooser : public TfrmTBasicList {
public:
    KeyChooser(QWidget* parent, const QString& title, std::vector<ListColumn> columns)
        : TfrmTBasicList(parent, std::move(columns)) {
        setWindowTitle(title);
        resize(280, 309);
        treeList().setAccessibleName(title);
        QPushButton* select = AddButton(QStringLiteral("&Select"), "btnSelect");
        QPushButton* close = AddButton(QStringLiteral("&Close"), "btnClose");
        treeList().setSelectionMode(QAbstractItemView::SingleSelection);
        EnableWhileSelected(treeList(), select);
        connect(select, &QPushButton::clicked, this, &KeyChooser::AcceptSelected);
        connect(close, &QPushButton::clicked, this, &QDialog::reject);
        connect(&treeList(), &TTreeList::RowChosen, this, &KeyChooser::AcceptSelected);
    }

    void AddKey(std::string key, std::vector<ListCell> cells) {
        cells[0].Order = {static_cast<int64_t>(keys_.size()), 0};
        keys_.push_back(std::move(key));
        rows_.push_back({std::monostate{}, std::move(cells), {}});
    }

    // The chosen key, the current one selected to begin with.
    std::optional<std::string> Run(QWidget* parent, const std::string& current) {
        treeList().Fill(std::move(rows_), 0);
        const std::vector<ListRow>& shown = treeList().Model().Rows();
        int row = shown.empty() ? -1 : 0;
        for (size_t i = 0; i < shown.size(); ++i) {
            if (keys_[static_cast<size_t>(shown[i].Cells[0].Order[0])] == current) row = static_cast<int>(i);
        }
        if (row >= 0) treeList().setCurrentIndex(treeList().Model().index(row, 0));
        CentreForm(this, parent);
        if (exec() != QDialog::Accepted) return std::nullopt;
        const ListRow* chosen = treeList().CurrentRow();
        if (chosen == nullptr) return std::nullopt;
        return keys_[static_cast<size_t>(chosen->Cells[0].Order[0])];
    }

private:
    void AcceptSelected() {
        if (treeList().CurrentRow() != nullptr) accept();
    }

    std::vector<std::string> keys_;
    std::vector<ListRow> rows_;
};

QString RowName(const char* name, int row) { return QString::fromLatin1(name) + QString::number(row + 1); }

}  // namespace

TfrmWedges::TfrmWedges(InformationWindows& windows, QWidget* parent, const std::array<int32_t, 6>& wedge_slots)
    : QDialog(parent), windows_(windows), main_(windows.Main()) {
    setWindowTitle(QStringLiteral("Map Wedges"));
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    auto* heading = new QLabel(QStringLiteral("Key"), this);
    grid->addWidget(heading, 0, 3);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    for (int i = 0; i < kRows; ++i) {
        Row& row = rows_[static_cast<size_t>(i)];
        const int line = i + 1;
        const QString number = QString::number(i + 1);
        grid->addWidget(new WedgePicture(i, this), line, 0);

        row.chkShow = new QCheckBox(QStringLiteral("Show"), this);
        row.chkShow->setObjectName(RowName("chkShow", i));
        row.chkShow->setAccessibleName(QStringLiteral("Show wedge ") + number);
        grid->addWidget(row.chkShow, line, 1);

        row.cbWedge = new QComboBox(this);
        row.cbWedge->setObjectName(RowName("cbWedge", i));
        row.cbWedge->setAccessibleName(QStringLiteral("Wedge ") + number + QStringLiteral(" kind"));
        for (std::string_view kind : kWedgeKindNames) row.cbWedge->addItem(ToQString(kind));
        grid->addWidget(row.cbWedge, line, 2);

        auto* panel = new KeyPanel(this);
        panel->setObjectName(RowName("pnlWedge", i));
        panel->setAccessibleName(QStringLiteral("Wedge ") + number + QStringLiteral(" key"));
        panel->Clicked = [this, i] { pnlWedgeClick(i); };
        row.pnlWedge = panel;
        grid->addWidget(panel, line, 3);

        row.chkOverrideColour = new QCheckBox(QStringLiteral("Override Colour"), this);
        row.chkOverrideColour->setObjectName(RowName("chkOverrideColour", i));
        row.chkOverrideColour->setAccessibleName(QStringLiteral("Override colour of wedge ") + number);
        grid->addWidget(row.chkOverrideColour, line, 4);

        row.shpWedge = new TColourSwatch(this);
        row.shpWedge->setObjectName(RowName("shpWedge", i));
        row.shpWedge->setAccessibleName(QStringLiteral("Wedge ") + number + QStringLiteral(" colour"));
        row.shpWedge->setToolTip(QStringLiteral("Click to choose the colour"));
        row.shpWedge->Clicked = [this, i] { shpWedgeClick(i); };
        grid->addWidget(row.shpWedge, line, 5);
    }
    grid->setColumnStretch(3, 1);

    // Wedge i fills row i; a damaged data file may hold fewer than six, and their rows stay off.
    for (int i = 0; i < kRows; ++i) {
        Row& row = rows_[static_cast<size_t>(i)];
        const TMapWedge* wedge = main_.Wedges.Get(i);
        for (QWidget* control : std::initializer_list<QWidget*>{row.chkShow, row.cbWedge, row.pnlWedge,
                                                                row.chkOverrideColour, row.shpWedge})
            control->setEnabled(wedge != nullptr);
        if (wedge == nullptr) {
            row.pnlWedge->setVisible(false);
            continue;
        }
        const bool position_ok = wedge->Position >= 0 && wedge->Position < kRows;
        row.chkShow->setChecked(position_ok && wedge_slots[static_cast<size_t>(wedge->Position)] == i);
        // A kind no test knows draws nothing, as an unused wedge does.
        const bool kind_ok = wedge->Kind >= 0 && wedge->Kind < static_cast<int32_t>(kWedgeKindNames.size());
        row.cbWedge->setCurrentIndex(kind_ok ? wedge->Kind : WedgeKind::Unused);
        ShowKey(i, wedge->Key);
        row.pnlWedge->setVisible(KindHasKey(row.cbWedge->currentIndex()));
        row.chkOverrideColour->setChecked(wedge->UseCustomColour);
        row.shpWedge->SetColour(wedge->Colour);
        // Connected only now, so that filling the rows keeps their keys.
        connect(row.cbWedge, &QComboBox::currentIndexChanged, this, [this, i] { cbWedgeChange(i); });
    }

    auto* btnClose = new QPushButton(QStringLiteral("Close"), this);
    btnClose->setObjectName(QStringLiteral("btnClose"));
    btnClose->setAutoDefault(false);
    connect(btnClose, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(btnClose);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    layout->addLayout(buttons);
    resize(458, 245);
}

void TfrmWedges::Execute(InformationWindows& windows, QWidget* parent, std::array<int32_t, 6>& wedge_slots) {
    TfrmWedges dialog(windows, parent, wedge_slots);
    CentreForm(&dialog, parent);
    dialog.exec();
    dialog.StoreWedges(wedge_slots);
}

void TfrmWedges::StoreWedges(std::array<int32_t, 6>& wedge_slots) const {
    bool changed = false;
    std::array<TMapWedge, kRows> wanted;
    for (int i = 0; i < kRows; ++i) {
        const Row& row = rows_[static_cast<size_t>(i)];
        const TMapWedge* wedge = main_.Wedges.Get(i);
        if (wedge == nullptr) continue;
        TMapWedge& value = wanted[static_cast<size_t>(i)];
        value.Kind = row.cbWedge->currentIndex();
        value.Key = KindHasKey(value.Kind) ? row.Key : std::string();
        value.UseCustomColour = row.chkOverrideColour->isChecked();
        value.Colour = row.shpWedge->Colour();
        changed = changed || value.Kind != wedge->Kind || value.Key != wedge->Key ||
                  value.UseCustomColour != wedge->UseCustomColour || value.Colour != wedge->Colour;
        wedge_slots[static_cast<size_t>(i)] = row.chkShow->isChecked() ? i : -1;
    }
    if (!changed) return;
    // Every map window draws these wedges, so the change goes round as any change of records does.
    windows_.Notice().Change(RecordChange::WedgesChanged, [&] {
        for (int i = 0; i < kRows; ++i) {
            TMapWedge* wedge = main_.Wedges.Get(i);
            if (wedge == nullptr) continue;
            const TMapWedge& value = wanted[static_cast<size_t>(i)];
            wedge->Kind = value.Kind;
            wedge->Key = value.Key;
            wedge->UseCustomColour = value.UseCustomColour;
            wedge->Colour = value.Colour;
        }
    });
}

void TfrmWedges::cbWedgeChange(int row) {
    Row& shown = rows_[static_cast<size_t>(row)];
    shown.pnlWedge->setVisible(KindHasKey(shown.cbWedge->currentIndex()));
    ShowKey(row, std::string());
}

void TfrmWedges::ShowKey(int row, std::string key) {
    Row& shown = rows_[static_cast<size_t>(row)];
    shown.Key = std::move(key);
    shown.pnlWedge->setText(ToQString(shown.Key));
    shown.pnlWedge->setToolTip(KeyHint(shown.cbWedge->currentIndex()));
}

void TfrmWedges::pnlWedgeClick(int row) {
    const Row& shown = rows_[static_cast<size_t>(row)];
    if (!shown.pnlWedge->isEnabled()) return;
    std::optional<std::string> key;
    switch (shown.cbWedge->currentIndex()) {
        case WedgeKind::Faction:
            if (const auto faction = TfrmFactionList::SelectFaction(windows_, this))
                key = std::to_string(faction->Number);
            break;
        case WedgeKind::Alliance: key = ChooseAlliance(shown.Key); break;
        case WedgeKind::Products:
        case WedgeKind::ForSale:
        case WedgeKind::Wanted: key = ChooseItem(shown.Key); break;
        default: return;
    }
    if (key) ShowKey(row, std::move(*key));
}

std::optional<std::string> TfrmWedges::ChooseAlliance(const std::string& current) {
    KeyChooser chooser(this, QStringLiteral("Alliances"),
                       {{QStringLiteral("Alliance"), 150, SortKind::Text},
                        {QStringLiteral("Colour"), 45, SortKind::Number}});
    for (const auto& alliance : main_.Alliances) {
        // A wedge finds its alliance by name, so a nameless one cannot be meant.
        if (alliance == nullptr || alliance->Name.empty()) continue;
        chooser.AddKey(alliance->Name, {TextCell(ToQString(alliance->Name)), SwatchCell(alliance->Colour)});
    }
    return chooser.Run(this, current);
}

std::optional<std::string> TfrmWedges::ChooseItem(const std::string& current) {
    KeyChooser chooser(this, QStringLiteral("Item Types"),
                       {{QStringLiteral("Code"), 60, SortKind::Text}, {QStringLiteral("Name"), 150, SortKind::Text}});
    for (const auto& item : main_.ItemTypes) {
        if (item == nullptr || item->Code.empty()) continue;
        chooser.AddKey(item->Code, {TextCell(ToQString(item->Code)), TextCell(ToQString(item->Name))});
    }
    return chooser.Run(this, current);
}

void TfrmWedges::shpWedgeClick(int row) {
    Row& shown = rows_[static_cast<size_t>(row)];
    if (!shown.shpWedge->isEnabled()) return;
    QColorDialog picker(ToQColor(shown.shpWedge->Colour()), this);
    picker.setObjectName(QStringLiteral("dlgColour"));
    if (picker.exec() != QDialog::Accepted) return;
    shown.shpWedge->SetColour(FromQColor(picker.selectedColor()));
    shown.chkOverrideColour->setChecked(true);
}

}  // namespace hexwarden
