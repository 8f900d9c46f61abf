#include "windows/map_overview.h"

#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QComboBox>
#include <QVBoxLayout>
#include <optional>

#include "map/overview_painter.h"
#include "model/database.h"
#include "qt_surface/qt_drawing_surface.h"
#include "windows/level_title.h"
#include "windows/map_window.h"

namespace hexwarden {

// The picture on a maroon ground; a double-click centres the partner.
class TfrmMapOverview::PaintArea : public QWidget {
public:
    explicit PaintArea(TfrmMapOverview& owner) : QWidget(&owner), owner_(owner) {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), QColor(128, 0, 0));
        const QRect clip = event->rect();
        QtDrawingSurface surface(painter, Rect{clip.left(), clip.top(), clip.right() + 1, clip.bottom() + 1});
        std::optional<VisibleArea> partner;
        if (TfrmMap* map = owner_.LinkedMap()) partner = VisibleArea{map->VisibleTopLeft(), map->VisibleBottomRight()};
        PaintOverview(*owner_.picture_, partner, surface);
    }
    void mouseDoubleClickEvent(QMouseEvent* event) override {
        owner_.CentrePartnerAt(event->position().toPoint());
    }

private:
    TfrmMapOverview& owner_;
};

TfrmMapOverview::TfrmMapOverview(TVelMain& main, QWidget* parent)
    : QWidget(parent), main_(main), picture_(std::make_unique<QtBitmap>(1, 1)) {
    pnlTop = new QWidget(this);
    pnlTop->setObjectName(QStringLiteral("pnlTop"));
    pnlTop->setFixedHeight(15);
    // The strip is as narrow as the side panel: the two choices are small push-style buttons.
    QFont small = font();
    small.setPixelSize(10);
    cbLevel = new QComboBox(pnlTop);
    cbLevel->setObjectName(QStringLiteral("cbLevel"));
    cbLevel->setAccessibleName(QStringLiteral("Level"));
    cbLevel->setFont(small);
    cbLevel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* top = new QHBoxLayout(pnlTop);
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(1);
    top->addWidget(cbLevel);

    pbMap = new PaintArea(*this);
    pbMap->setObjectName(QStringLiteral("pbMap"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(pnlTop);
    layout->addWidget(pbMap, 1);

    // By hand only: a choice set by the program is followed by its own SwitchLevel.
    connect(cbLevel, &QComboBox::activated, this, [this](int index) { SwitchLevel(LevelOfChoice(*cbLevel, index)); });

    SwitchLevel(Level::Surface);
}

TfrmMapOverview::~TfrmMapOverview() = default;

void TfrmMapOverview::LinkMap(TfrmMap* map) {
    linked_map_ = map;
    if (map != nullptr) SetLevel(map->CurrentLevel());
    RequestRepaint();
}

void TfrmMapOverview::SetLevel(Level level) {
    if (level_ == level) return;
    SwitchLevel(level);
}

void TfrmMapOverview::SwitchLevel(Level level) {
    level_ = level;
    Refresh();
}

void TfrmMapOverview::Refresh() {
    FillLevelChoice(*cbLevel, main_.Levels(), level_);
    setWindowTitle(QStringLiteral("Overview: ") + LevelTitle(level_));
    BuildOverviewPicture(main_, level_, *picture_);
    RequestRepaint();
}

int TfrmMapOverview::TopControlHeight() const { return pnlTop->height(); }

void TfrmMapOverview::RequestRepaint() { pbMap->update(); }

QSize TfrmMapOverview::PictureSize() const { return {picture_->Width(), picture_->Height()}; }

void TfrmMapOverview::CentrePartnerAt(QPoint pixel) {
    if (linked_map_ == nullptr || linked_map_->CurrentLevel() != level_) return;
    const GamePoint at = OverviewPixelToGame(Point{pixel.x(), pixel.y()});
    linked_map_->CentreOnHex({at.X, at.Y, level_}, true);
}

}  // namespace hexwarden
