#include "places/lookup/PlaceText.h"

namespace velmora {

QString FoldedPlaceText(const std::string& text) {
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
