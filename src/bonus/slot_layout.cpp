// The slot window as its form file describes it, listed from back to front:
// the backdrop, the panel and the reel frame, the rails and column edges,
// the labels, then the reels and the caption plate on top.
#include "slot_layout.h"

namespace {

constexpr int Blue = 0x0000FF;
constexpr int Purple = 0xC000C0;
constexpr int Green = 0x00C000;
constexpr int BrightGreen = 0x00FF00;
constexpr int Black = 0x000000; // the run time's default outline colour

constexpr ControlSpec line(const char *name, int x1, int y1, int x2, int y2)
{
    return {.kind = Kind::Line, .name = name, .left = x1, .top = y1, .width = x2, .height = y2};
}

constexpr ControlSpec reel(const char *name, int left, int width, const char *startPicture)
{
    return {.kind = Kind::PictureBox, .name = name, .left = left, .top = 1560, .width = width, .height = 1335,
            .picture = startPicture};
}

const ControlSpec Layout[] = {
    {.kind = Kind::Shape, .name = "Shape1", .left = 0, .top = 0, .width = 5055, .height = 4695, .back = Blue,
     .fore = Black},
    {.kind = Kind::Shape, .name = "Shape2", .left = 120, .top = 120, .width = 4815, .height = 3975, .back = Purple,
     .fore = Green},
    {.kind = Kind::Shape, .name = "Shape3", .left = 360, .top = 1440, .width = 4335, .height = 1575, .back = Blue,
     .fore = Black},
    line("Line5", 4560, 1440, 4560, 3000),
    line("Line3", 3240, 1440, 3240, 3000),
    line("Line4", 3120, 1440, 3120, 3000),
    line("Line1", 1800, 1440, 1800, 3000),
    line("Line2", 1680, 1440, 1680, 3000),
    line("Line6", 480, 1440, 480, 3000),
    line("Line7", 360, 2880, 4680, 2880),
    line("Line9", 360, 1560, 4680, 1560),

    {.kind = Kind::Label, .name = "Label1", .left = 960, .top = 3120, .width = 2895, .height = 375,
     .caption = "Lose 20 Points For Three Aces", .fore = BrightGreen, .font = {"MS Sans Serif", 8.25, true},
     .centred = true, .transparent = true},
    {.kind = Kind::Label, .name = "Label2", .left = 1680, .top = 3600, .width = 1695, .height = 255, .caption = " ",
     .back = Purple, .fore = BrightGreen, .centred = true},

    reel("picColThree", 3240, 1335, "slot-six.bmp"),
    reel("picColTwo", 1800, 1335, "slot-five.bmp"),
    reel("picColOne", 480, 1215, "slot-two.bmp"),
    {.kind = Kind::RainButton, .name = "RainButton1", .left = 480, .top = 240, .width = 4095, .height = 495,
     .caption = "BONUS PLAY ", .back = Blue, .fore = Green, .font = {"MS Sans Serif", 12, true},
     .gradient = 0xFF0000, .backfill = 2},
};

} // namespace

std::span<const ControlSpec> slotLayout()
{
    return Layout;
}
