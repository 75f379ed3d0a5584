#pragma once
#include <QImage>

// The nine painted backgrounds, each 768 by 512.
QImage sunsetShore();
QImage dawnSea();
QImage moonlitWater();
QImage noonHills();
QImage autumnHills();
QImage mistyLake();
QImage duskMountains();
QImage desertMesa();
QImage starryCrag();
