#include "shell/utf16_text.h"

namespace shell {

QString cutToUnits(const QString& text, int units)
{
    if (units < 0 || text.size() <= units)
        return text;
    if (units > 0 && text[units - 1].isHighSurrogate() && text[units].isLowSurrogate())
        --units;
    return text.left(units);
}

QString withoutBrokenPairs(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out += c;
            out += text[++i];
        } else if (!c.isSurrogate()) {
            out += c;
        }
    }
    return out;
}

}  // namespace shell
