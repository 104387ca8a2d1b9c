#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace velmora {

// A place name as compared with what the user typed: accents dropped
// ("São" reads "sao"), case folded, typographic apostrophes as plain ones,
// blanks trimmed.
QString FoldedPlaceText(const std::string& text);

// The words of a folded name: runs of letters and digits ("coeur d'alene"
// has "coeur", "d", "alene").
QStringList PlaceWords(const QString& folded);

}  // namespace velmora
