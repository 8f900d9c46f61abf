#include "windows/level_title.h"

#include <QComboBox>
#include <QSignalBlocker>
#include <algorithm>

#include "qt_surface/qt_text.h"

namespace hexwarden {

QString LevelTitle(Level level) {
    if (level == Level::Surface) return QStringLiteral("Overworld");
    if (level == Level::Underworld) return QStringLiteral("Underworld");
    QString title = ToQString(level.Label());
    title[0] = title[0].toUpper();
    return title;
}

void FillLevelChoice(QComboBox& choice, std::vector<Level> levels, Level current) {
    if (std::find(levels.begin(), levels.end(), current) == levels.end()) {
        levels.push_back(current);
        std::sort(levels.begin(), levels.end());
    }
    const QSignalBlocker quiet(&choice);
    choice.clear();
    for (const Level level : levels) {
        choice.addItem(LevelTitle(level), ToQString(level.Label()));
        if (level == current) choice.setCurrentIndex(choice.count() - 1);
    }
}

Level LevelOfChoice(const QComboBox& choice, int index) {
    return Level::FromLabel(FromQString(choice.itemData(index).toString())).value_or(Level::Surface);
}

}  // namespace hexwarden
