// The game table as its form file describes it: every control with its
// place (twips), caption, colours and font.
#include "frmTumblecrag.h"

#include <vector>

namespace {

constexpr FontSpec Arial8Bold{"Arial", 8.25, true};
constexpr FontSpec Sans8{"MS Sans Serif", 8.25};
constexpr FontSpec Sans8Bold{"MS Sans Serif", 8.25, true};
constexpr FontSpec Sans9Bold{"MS Sans Serif", 9.75, true};
constexpr FontSpec Britannic8{"BritannicTLig", 8.25};

constexpr int PlateBack = 0xC0FFFF;
// A label's own default text colour: the window's red text colour is not
// handed down to its labels.
constexpr int PlateText = 0x000000;
constexpr int BoxBack = 0xC0C0FF;
constexpr int TotalBack = 0x80FF80;
constexpr int GrandBack = 0xFFC0FF;
constexpr int PlayerText = 0xC00000;
constexpr int PlayerRed = 0xFF0000;
constexpr int CompText = 0x0000FF;
constexpr int UpperButton = 0xC0FFC0;
constexpr int LowerButton = 0xFF0000;

ControlSpec plate(const char *name, int top, const char *caption, int width = 1215)
{
    return {.kind = Kind::Label, .name = name, .left = 600, .top = top, .width = width, .height = 255,
            .caption = caption, .back = PlateBack, .fore = PlateText, .font = Arial8Bold, .centred = true};
}

ControlSpec entry(const char *name, int top, const char *caption, int back)
{
    return {.kind = Kind::CommandButton, .name = name, .left = 1920, .top = top, .width = 1095, .height = 255,
            .caption = caption, .back = back};
}

ControlSpec box(const char *name, bool player, int top, int back = BoxBack, int fore = NoColour,
                const char *text = " ")
{
    return {.kind = Kind::TextBox, .name = name, .left = player ? 3120 : 4080, .top = top, .width = 855,
            .height = 285, .caption = text, .back = back, .fore = fore == NoColour ? (player ? PlayerText : CompText) : fore,
            .centred = true};
}

ControlSpec gradient(const char *name, const char *caption, int left, int top, int width, int height, int back,
                     int to, int fore, FontSpec font, int backfill = 2)
{
    return {.kind = Kind::RainButton, .name = name, .left = left, .top = top, .width = width, .height = height,
            .caption = caption, .back = back, .fore = fore, .font = font, .gradient = to, .backfill = backfill};
}

std::vector<ControlSpec> scoreGrid()
{
    return {
        gradient("RainButton9", "Category", 600, 240, 1215, 255, 0xFF80FF, 0x8080FF, 0x00FF00, Sans8),
        gradient("RainButton8", "Score Here", 1920, 240, 1095, 255, 0xFF80FF, 0x8080FF, 0x00FF00, Sans8),
        gradient("RainButton10", "PLYR 1", 3120, 240, 855, 255, 0xFF80FF, 0x8080FF, 0x00FF00, Sans8),
        gradient("RainButton11", "CMPTR", 4080, 240, 855, 255, 0xFF80FF, 0x8080FF, 0x00FF00, Sans8),

        plate("Label1(0)", 480, "Aces = 1"),
        entry("cmdAces", 480, "Count Aces", UpperButton),
        {.kind = Kind::Label, .name = "lblPlayer1ace", .left = 3120, .top = 480, .width = 855, .height = 255,
         .caption = " ", .back = BoxBack, .fore = PlayerRed, .centred = true},
        box("txtplayer2ace", false, 480),

        plate("Label1(1)", 840, "Twos = 2"),
        entry("cmdTwos", 840, "Count Twos", UpperButton),
        box("txtPlayer1Two", true, 840, BoxBack, PlayerRed),
        box("txtPlayer1Twoc", false, 840),

        plate("Label1(2)", 1200, "Threes = 3 "),
        entry("cmdThrees", 1200, "Count Threes", UpperButton),
        box("txtPlayer1Three", true, 1200, BoxBack, PlayerRed),
        box("txtPlayer1Threec", false, 1200),

        plate("Label1(3)", 1560, "Fours = 4"),
        entry("cmdFours", 1560, "Count Fours", UpperButton),
        box("txtPlayer1Four", true, 1560),
        box("txtPlayer1Fourc", false, 1560),

        plate("Label1(4)", 1920, "Fives =  5"),
        entry("cmdFives", 1920, "Count Fives", UpperButton),
        box("txtPlayer1Five", true, 1920),
        box("txtPlayer1Fivec", false, 1920),

        plate("Label1(5)", 2280, " Sixes = 6"),
        entry("cmdSixes", 2280, "Count Sixes", UpperButton),
        box("txtPlayer1Six", true, 2280),
        box("txtPlayer1Sixc", false, 2280),

        gradient("RainButton20", "SUB TOTAL SCORE", 600, 2640, 2415, 255, 0xFF80FF, 0x8080FF, 0x800000, Sans8Bold),
        box("txtSubTotalScore", true, 2640),
        box("txtSubTotalScorec", false, 2640),

        gradient("RainButton5", "OVER 63 BONUS SCORE  ADD 35", 600, 3000, 4335, 255, 0xFFC0FF, 0x8080FF, 0x800000,
                 Sans8Bold),

        plate("Label1(8)", 3360, "TOTAL OF UPPER SECTION", 2415),
        box("txtGrandTotalTop", true, 3360, GrandBack),
        box("txtGrandTotalTopc", false, 3360, GrandBack),

        plate("Label1(17)", 3720, "3 OF A KIND"),
        entry("cmd3Kind", 3720, "Total All Dice", LowerButton),
        box("txtThreeOfAKind", true, 3720),
        box("txtThreeOfAKindc", false, 3720),

        plate("Label1(11)", 4080, "4 OF A KIND"),
        entry("cmd4kind", 4080, "Total All Dice", LowerButton),
        box("txtFourOfAKind", true, 4080),
        box("txtFourOfAKindc", false, 4080),

        plate("Label1(12)", 4440, "Full House"),
        entry("cmdFullHouse", 4440, "SCORE 25", LowerButton),
        box("txtFullHouse", true, 4440),
        box("txtFullHousec", false, 4440, BoxBack, NoColour, "  "),

        plate("Label1(13)", 4800, "Sm Straight"),
        entry("cmdSmStraight", 4800, "SCORE 30", LowerButton),
        box("txtSmallStraight", true, 4800),
        box("txtSmallStraightC", false, 4800),

        plate("Label1(14)", 5160, "Lg Straight"),
        entry("cmdLgStraight", 5160, "SCORE 40", LowerButton),
        box("txtLargeStraight", true, 5160),
        box("txtLargeStraightC", false, 5160),

        plate("Label1(15)", 5520, "5 Of A Kind"),
        entry("cmdQuorvex50", 5520, "SCORE 50", LowerButton),
        box("txtQuorvex50", true, 5520),
        box("txtQuorvex50c", false, 5520),

        plate("Label1(16)", 5880, "Chance"),
        entry("cmdChance", 5880, "Total All Dice", LowerButton),
        box("txtChance", true, 5880),
        box("txtChancec", false, 5880),

        gradient("RainButton6", "**100 BONUS POINTS FOR 2nd 5 Of A Kind**", 600, 6240, 4335, 255, 0xFF80FF,
                 0x8080FF, 0x800000, Sans8Bold),

        gradient("BonusButton", "", 600, 6600, 1215, 255, 0xFF8080, 0x00FFFF, 0x0000FF, Sans8),
        entry("cmdQuorvex100", 6600, "BONUS 100", LowerButton),
        box("txtQuorvex100", true, 6600),
        box("txtQuorvex100c", false, 6600),

        gradient("RainButton17", "TOTAL UPPER SECTION", 600, 6960, 2415, 255, 0xFF80FF, 0x8080FF, 0x800000,
                 Sans8Bold),
        box("txtTUS", true, 6960, TotalBack),
        box("txtTUSc", false, 6960, TotalBack),

        gradient("RainButton18", "TOTAL LOWER SECTION", 600, 7320, 2415, 255, 0xFF80FF, 0x8080FF, 0x800000,
                 Sans8Bold),
        box("txtTLS", true, 7320, TotalBack),
        box("txtTLSc", false, 7320, TotalBack),

        gradient("RainButton19", "GRAND TOTAL", 600, 7680, 2415, 255, 0xFF0000, 0x80FFFF, 0x000000, Sans8Bold),
        box("txtGrandTotal", true, 7680, GrandBack),
        box("txtGrandTotalc", false, 7680, GrandBack),

        {.kind = Kind::Image, .name = "Image4", .left = 240, .top = 480, .width = 225, .height = 3000,
         .picture = "strip-upper.bmp"},
        {.kind = Kind::Image, .name = "Image3", .left = 240, .top = 3720, .width = 225, .height = 4125,
         .picture = "strip-lower.bmp"},
    };
}

std::vector<ControlSpec> rightColumn()
{
    return {
        {.kind = Kind::Shape, .name = "Shape2", .left = 10080, .top = 360, .width = 1455, .height = 1215,
         .fore = 0x00FF00, .borderWidth = 2},
        gradient("RainButton15", "Game Timer", 10200, 480, 1215, 375, 0x8080FF, 0xC00000, 0x00FF00, Sans8Bold),
        {.kind = Kind::Label, .name = "lblTimerDisplay", .left = 10200, .top = 960, .width = 1215, .height = 495,
         .caption = " ", .back = 0x00FF00, .fore = 0xC00000, .font = {"Arial", 21.75, true}, .centred = true,
         .border = true},
        {.kind = Kind::Label, .name = "lblInvalidEntry", .left = 10200, .top = 2040, .width = 1215, .height = 495,
         .caption = "OOPS", .back = 0xFF0000, .fore = 0xFFFF00, .font = {"Franklin Gothic No.2", 18}, .centred = true},
        {.kind = Kind::TextBox, .name = "txtRollOfDice", .left = 10200, .top = 3240, .width = 1215, .height = 450,
         .caption = " ", .back = 0x80FF80, .font = {"Arial Black", 9.75}, .centred = true},
        gradient("RainButton4", "New Game", 10200, 3960, 1215, 615, 0x8080FF, 0xC00000, 0x00FF00, Sans9Bold),
        gradient("RainButton3", "End Game", 10200, 4800, 1215, 615, 0x8080FF, 0xC00000, 0x00FF00, Sans9Bold),
        gradient("RainButton2", "Add \"0\" ", 10200, 5640, 1215, 615, 0x8080FF, 0xC00000, 0x00FF00, Sans9Bold),
        [] {
            ControlSpec roll = gradient("RainButton1", "Roll Dice", 10200, 6480, 1215, 615, 0x8080FF, 0xC04000,
                                        0x00FF00, Sans9Bold);
            roll.shadow = 0xFF0000;
            return roll;
        }(),
    };
}

std::vector<ControlSpec> diceArea()
{
    std::vector<ControlSpec> specs = {
        {.kind = Kind::Line, .name = "Line1", .left = 7680, .top = 2040, .width = 9120, .height = 1320,
         .fore = 0xFF00FF},
        {.kind = Kind::Line, .name = "Line5", .left = 7680, .top = 3120, .width = 9120, .height = 2640,
         .fore = 0xFF00FF},
        {.kind = Kind::Line, .name = "Line6", .left = 7680, .top = 4080, .width = 9120, .height = 4080,
         .fore = 0xFF00FF},
        {.kind = Kind::Line, .name = "Line4", .left = 7680, .top = 5160, .width = 9120, .height = 5520,
         .fore = 0xFF00FF},
        {.kind = Kind::Line, .name = "Line3", .left = 7680, .top = 6240, .width = 9120, .height = 6840,
         .fore = 0xFF00FF},
        {.kind = Kind::Shape, .name = "Shape1", .left = 6360, .top = 1680, .width = 1095, .height = 4935,
         .fore = 0xFF00FF, .borderWidth = 2},
        {.kind = Kind::Shape, .name = "Shape3", .left = 9240, .top = 840, .width = 735, .height = 6375,
         .fore = 0xFF00FF, .borderWidth = 2},
    };
    static const char *const dice[] = {"picPicture1", "picPicture2", "picPicture3", "picPicture4", "picPicture5"};
    static const char *const racks[] = {"picDiceRack1", "picDiceRack2", "picDiceRack3", "picDiceRack4",
                                        "picDiceRack5"};
    static const char *const holds[] = {"RainButtonHold1", "RainButtonHold2", "RainButtonHold3", "RainButtonHold4",
                                        "RainButtonHold5"};
    static const int holdTops[] = {960, 2400, 3840, 5280, 6600};
    for (int i = 0; i < 5; ++i) {
        specs.push_back({.kind = Kind::PictureBox, .name = dice[i], .left = 7680, .top = 480 + 1440 * i,
                         .width = 1455, .height = i == 4 ? 1335 : 1455, .back = 0x400040});
        specs.push_back({.kind = Kind::PictureBox, .name = racks[i], .left = 6480, .top = 1800 + 960 * i,
                         .width = 855, .height = 855, .back = 0x404000, .picture = "held-start.bmp"});
        specs.push_back(gradient(holds[i], "H/R", 9360, holdTops[i], 495, 495, 0x0000FF, 0xC000C0, 0x00C0C0,
                                 Sans8Bold, 3));
    }
    for (const char *name : {"RainButton7", "RainButton16"}) {
        ControlSpec plateSpec = gradient(name, "HELD DICE", 6360, name[10] == '7' ? 1440 : 6600, 1095, 255,
                                         0xC0C0FF, 0xFF00FF, 0xFFFF00, Sans8);
        plateSpec.highlight = 0xFF0000;
        specs.push_back(plateSpec);
    }
    return specs;
}

std::vector<ControlSpec> computerGame()
{
    std::vector<ControlSpec> specs = {
        gradient("btnPlayerNotice", "COMPUTER'S TURN", 5160, 240, 2415, 495, 0x8080FF, 0xFF0000, 0x00FF00,
                 Sans9Bold),
        {.kind = Kind::Label, .name = "lblComputerScored", .left = 6360, .top = 720, .width = 1215, .height = 255,
         .caption = "Computer Scored", .fore = 0xFFFF00, .font = {"Litterbox ICG", 8.25}, .centred = true,
         .transparent = true},
        {.kind = Kind::Label, .name = "lblCompScore", .left = 6360, .top = 960, .width = 1215, .height = 255,
         .caption = "-", .fore = 0xFFFF00, .font = Sans8Bold, .centred = true, .transparent = true},
        {.kind = Kind::Line, .name = "Line2", .left = 5640, .top = 1800, .width = 5640, .height = 7560,
         .fore = 0x00FF00, .borderWidth = 6},
        {.kind = Kind::Image, .name = "Image2", .left = 5040, .top = 7560, .width = 525, .height = 465,
         .stretch = true, .picture = "footprint-pair.bmp"},
        {.kind = Kind::Image, .name = "Image1", .left = 5640, .top = 7560, .width = 525, .height = 465,
         .stretch = true, .picture = "footprint-pair.bmp"},
        gradient("RainButton12", "PLYR", 5160, 1440, 495, 375, 0xC0C000, 0xFF00FF, 0x00FF00, Britannic8),
        gradient("RainButton13", "CMPTR", 5640, 1440, 495, 375, 0xFFC0C0, 0xFF00FF, 0x00FF00, Britannic8),
        gradient("RainButton14", "Top Score 515", 5040, 840, 1215, 615, 0xFF0000, 0x80FF80, 0x0000C0, Sans8),
    };
    static const char *const playerNames[] = {"imgPlayer1", "imgPlayer2", "imgPlayer3", "imgPlayer4",
                                              "imgPlayer5", "imgPlayer6", "imgPlayer7", "imgPlayer8",
                                              "imgPlayer9", "imgPlayer10", "imgPlayer11", "imgPlayer12"};
    static const char *const compNames[] = {"imgComp1", "imgComp2", "imgComp3", "imgComp4", "imgComp5", "imgComp6",
                                            "imgComp7", "imgComp8", "imgComp9", "imgComp10", "imgComp11",
                                            "imgComp12"};
    for (int step = 1; step <= 12; ++step) {
        const char *print = step % 2 ? "footprint-a.bmp" : "footprint-b.bmp";
        const int top = 7080 - 480 * (step - 1);
        specs.push_back({.kind = Kind::Image, .name = playerNames[step - 1], .left = 5160, .top = top,
                         .width = 420, .height = 480, .stretch = true, .picture = print});
        specs.push_back({.kind = Kind::Image, .name = compNames[step - 1], .left = 5640, .top = top, .width = 420,
                         .height = 480, .hidden = true, .stretch = true, .picture = print});
    }
    return specs;
}

std::vector<ControlSpec> ledRow()
{
    static const char *const names[] = {"imgLed2", "imgLed3", "imgLED4", "imgLed5", "imgLed6", "imgLed7", "imgLed8"};
    std::vector<ControlSpec> specs;
    for (int i = 0; i < 7; ++i)
        specs.push_back({.kind = Kind::Image, .name = names[i], .left = 7200 + 360 * i, .top = 7680, .width = 375,
                         .height = 375});
    return specs;
}

} // namespace

void frmTumblecrag::buildTable()
{
    std::vector<ControlSpec> specs;
    for (auto &&group : {scoreGrid(), rightColumn(), diceArea(), computerGame(), ledRow()})
        specs.insert(specs.end(), group.begin(), group.end());
    buildLayout(specs);
}
