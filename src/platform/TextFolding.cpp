#include "platform/TextFolding.h"

QString TextFolding::folded(const QString& text)
{
    // Compatibility decomposition splits accented letters into base and
    // marks and spells ligatures and wide forms out; the marks are dropped.
    const QString decomposed = text.normalized(QString::NormalizationForm_KD);
    QString bare;
    bare.reserve(decomposed.size());
    for (const QChar character : decomposed) {
        if (!character.isMark())
            bare.append(character);
    }
    return bare.toCaseFolded();
}
