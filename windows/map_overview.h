#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "model/level.h"

class QComboBox;

namespace hexwarden {

class QtBitmap;
class TVelMain;
class TfrmMap;

// The whole of one level at one pixel per hex, with the partner map window's view as a red
// rectangle; a double-click centres the partner there.
class TfrmMapOverview : public QWidget {
    Q_OBJECT
public:
    explicit TfrmMapOverview(TVelMain& main, QWidget* parent = nullptr);
    ~TfrmMapOverview() override;

    // Null clears the partner; a window makes the overview follow its level.
    void LinkMap(TfrmMap* map);
    TfrmMap* LinkedMap() const { return linked_map_; }

    Level CurrentLevel() const { return level_; }
    // Switches only when the level differs from the one shown.
    void SetLevel(Level level);
    void SwitchLevel(Level level);
    // Rebuilds the level choice and the picture from the database and repaints.
    void Refresh();
    // Height of the strip above the picture.
    int TopControlHeight() const;
    // The partner asks for this after each of its paints, so the rectangle follows its view.
    void RequestRepaint();

    // The picture's size in pixels (one per hex of the drawn grid).
    QSize PictureSize() const;
    // Centres the partner on the hex of a picture pixel, when it shows the overview's level.
    void CentrePartnerAt(QPoint pixel);

private:
    class PaintArea;

    TVelMain& main_;
    QPointer<TfrmMap> linked_map_;
    // The levels the database holds and the one shown; named in the window's caption too.
    QComboBox* cbLevel = nullptr;
    Level level_ = Level::Surface;
    QWidget* pnlTop = nullptr;
    PaintArea* pbMap = nullptr;
    std::unique_ptr<QtBitmap> picture_;
};

}  // namespace hexwarden
