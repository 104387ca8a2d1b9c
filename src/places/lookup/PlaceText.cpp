#include "places/lookup/PlaceText.h"

#include <algorithm>

namespace velmora {

QString FoldedPlaceText(const std::string& text) {
    // Most names are plain ASCII: no accents to drop, case folding is lowering.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        QString folded = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())).toLower();
        return folded.trimmed();
    }
    const QString decomposed = QString::fromStdString(text).normalized(QString::NormalizationForm_KD);
    QString folded;
    folded.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.isMark()) continue;
        folded += c == QChar(0x2019) || c == QChar(0x2018) || c == QChar(0x02BC) ? QChar(u'\'') : c;
    }
    return folded.toCaseFolded().trimmed();
}

}  // namespace velmora

namespace velmora {

QStringList PlaceWords(const QString& folded) {
    QStringList words;
    QString word;
    for (const QChar c : folded) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!word.isEmpty()) {
            words.append(word);
            word.clear();
        }
    }
    if (!word.isEmpty()) words.append(word);
    return words;
}

}  // namespace velmora
