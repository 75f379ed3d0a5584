#include "parts.h"

#include "bmp_file.h"
#include "scenes.h"

#include <array>
#include <utility>

void writeBackgrounds(const QString &dataDir)
{
    using Painter = QImage (*)();
    const std::array<std::pair<const char *, Painter>, 9> scenes{{
        {"200060", sunsetShore},
        {"200067", dawnSea},
        {"200083", noonHills},
        {"200097", duskMountains},
        {"604008", moonlitWater},
        {"604026", mistyLake},
        {"604040", desertMesa},
        {"604044", autumnHills},
        {"604054", starryCrag},
    }};
    for (const auto &[name, paint] : scenes)
        saveBmp(paint(), QStringLiteral("%1/%2.bmp").arg(dataDir, QLatin1String(name)));
}
