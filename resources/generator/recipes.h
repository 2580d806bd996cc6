#pragma once
// Drawing recipes of the picture set: one function per kind of picture
// (toolbar button, screen title, column header, list icon, page ...), chosen
// by the manifest's recipe column.  Every recipe draws at the exact size of
// its manifest entry, in the palette of resources/palette.h.

#include "resources/manifest.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

namespace resources {

// Draws one picture: the entry in resource type `type` ('P', 'E', 'I' or
// 'G'), its highlighted twin when lit.  Raises std::runtime_error for a
// recipe the generator does not know.
QImage renderPicture(const PictureSpec& spec, QChar type, bool lit);

bool knownRecipe(const QString& recipe);

// The language choices of the start window: the word, the hot spot drawn on
// TELAIDIOMAS and the rectangle of its lit picture (window coordinates).
struct LanguageChoice {
    QChar language;
    QString word;
    QRect hotSpot;
    QRect lit;
};
const std::vector<LanguageChoice>& languageChoices();

// Where the start screen of an edition shows its pictures (screen-panel
// coordinates): the five entry buttons by their picture's base name (the
// edition letter follows it), the catalogue title, the update icon and the
// "updated on" label.  The background leaves these places plain.
struct StartPlace {
    QString picture;
    QPoint at;
};
std::vector<StartPlace> startScreenPlaces(QChar edition);

}  // namespace resources
