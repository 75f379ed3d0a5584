#include "die_look.h"

#include "textures.h"

DieLook ivoryLook()
{
    DieLook look;
    look.bodyLight = QColor(0xFF, 0xFC, 0xF0);
    look.bodyDark = QColor(0xD8, 0xCC, 0xB0);
    look.edge = QColor(0xB8, 0xA8, 0x88);
    look.pip = QColor(0x2A, 0x20, 0x24);
    look.pipShadow = QColor(0x05, 0x02, 0x04);
    return look;
}

DieLook amberLook()
{
    DieLook look;
    look.bodyLight = QColor(0xFF, 0xE4, 0x8A);
    look.bodyDark = QColor(0xD0, 0x8A, 0x10);
    look.edge = QColor(0x90, 0x5A, 0x00);
    look.pip = QColor(0x4A, 0x24, 0x04);
    look.pipShadow = QColor(0x1C, 0x0A, 0x00);
    return look;
}

DieLook woodLook()
{
    DieLook look;
    look.bodyLight = QColor(0xE8, 0xBC, 0x80);
    look.bodyDark = QColor(0x9A, 0x5E, 0x2C);
    look.edge = QColor(0x7A, 0x44, 0x1C);
    look.pip = QColor(0x3A, 0x1C, 0x0C);
    look.pipShadow = QColor(0x12, 0x06, 0x02);
    look.material = woodTexture(128, 0x5EED'0D1E);
    look.corner = 0.14;
    return look;
}

DieLook crimsonLook()
{
    DieLook look;
    look.bodyLight = QColor(0xC8, 0x20, 0x20);
    look.bodyDark = QColor(0x60, 0x00, 0x08);
    look.edge = QColor(0x40, 0x00, 0x04);
    look.pip = QColor(0xFF, 0xE8, 0x30);
    look.pipShadow = QColor(0xB0, 0x78, 0x00);
    look.corner = 0.16;
    look.pipSize = 1.15;
    return look;
}

DieLook emberLook()
{
    DieLook look;
    look.bodyLight = QColor(0xFF, 0xA8, 0x40);
    look.bodyDark = QColor(0xC0, 0x58, 0x08);
    look.edge = QColor(0x80, 0x34, 0x00);
    look.pip = QColor(0xFF, 0xF0, 0x40);
    look.pipShadow = QColor(0xC8, 0x8C, 0x00);
    look.material = mottleTexture(64, QColor(0xFF, 0xA0, 0x30), QColor(0xC8, 0x5A, 0x08), 0xE3B3'0001);
    return look;
}
