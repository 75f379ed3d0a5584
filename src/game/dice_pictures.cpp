#include "dice_pictures.h"

#include <array>

// The paths are built once: the tumble asks for one on every 40 ms tick.
const QString &diceFacePath(int face)
{
    static const auto paths = [] {
        std::array<QString, 6> built;
        for (int n = 1; n <= 6; ++n)
            built[n - 1] = QStringLiteral("c:\\program files\\tumblecrag\\dicespot%1.bmp").arg(n);
        return built;
    }();
    return paths.at(face - 1);
}

const QString &tumbleFramePath(int frame)
{
    static const auto paths = [] {
        std::array<QString, TumbleFrames> built;
        for (int n = 1; n <= TumbleFrames; ++n)
            built[n - 1] = QStringLiteral("c:\\program files\\tumblecrag\\CUBE%1.bmp").arg(n);
        return built;
    }();
    return paths.at(frame - 1);
}
