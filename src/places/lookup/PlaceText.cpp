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
