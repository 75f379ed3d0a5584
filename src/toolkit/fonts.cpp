#include "fonts.h"

#include <QHash>
#include <cmath>

namespace {

struct Substitute
{
    const char *family;
    int weight;
    bool italic;
    double scale = 1.0; // script faces look smaller than their size says
};

Substitute substituteFor(const QString &face)
{
    static const QHash<QString, Substitute> map = {
        {"ms sans serif", {"Liberation Sans", -1, false}},
        {"arial", {"Liberation Sans", -1, false}},
        {"arial black", {"Liberation Sans", QFont::Black, false}},
        {"franklin gothic no.2", {"Liberation Sans Narrow", QFont::Bold, false}},
        {"britannictlig", {"Liberation Sans Narrow", -1, false}},
        {"litterbox icg", {"Liberation Sans Narrow", -1, false}},
        {"agaramond", {"Liberation Serif", -1, false}},
        {"nuptialscript", {"Liberation Serif", -1, true, 0.85}},
    };
    return map.value(face.toLower(), {"Liberation Sans", -1, false});
}

} // namespace

QFont makeFont(const FontSpec &spec)
{
    const Substitute sub = substituteFor(QString::fromLatin1(spec.face));
    QFont font(QString::fromLatin1(sub.family));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(spec.points * sub.scale * 96.0 / 72.0))));
    if (sub.weight >= 0)
        font.setWeight(static_cast<QFont::Weight>(sub.weight));
    if (spec.bold)
        font.setBold(true);
    font.setItalic(spec.italic || sub.italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}
