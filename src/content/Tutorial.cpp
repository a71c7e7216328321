#include "content/Tutorial.h"

namespace qv {

namespace {

// One built-in level as text: the board numbers of the level format (size, one row per
// line, then shapes and goals), then the strings the level carries.
struct TutorialText {
    const char* numbers;
    const char* name;
    const char* introText;
    const char* solvedText;
    const char* picturePath;
};

// In teaching order. Levels 6 and 7 use each other's picture numbers on purpose: each
// picture belongs to the text it is shown with, not to the file name's number.
const TutorialText kTutorial[kTutorialLevelCount] = {
    {// 0
     "9 7 "
     "7 0 7 0 7 0 0 0 0 "
     "7 0 7 0 7 0 0 0 0 "
     "7 7 7 7 7 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 2 1 4 0 1 2 2 2 3 2",
     "Setting Goals",
     "Your goal in Quorvellan is to move the colored shapes\n"
     "onto their home positions. You can move shapes one\n"
     "tile at a time in either horizontal or vertical direction.\n",
     "Did you notice that you can move the shapes in two\n"
     "different ways? You can position the mouse cursor to\n"
     "the edge of a shape and click to move it or you can\n"
     "drag and drop the shapes into place.",
     "./graphics/tutorial0.png"},
    {// 1
     "9 7 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 0 0 7 0 0 0 0 "
     "0 0 0 7 7 7 0 0 0 "
     "0 0 0 0 7 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "4 3 3 3 4 4 4 3 4 2 5 3",
     "Opaque",
     "Shapes can't pass through each other or occupy the\n"
     "same tile. You have to move the circle out of the way\n"
     "before you can bring the star and the triangle home.\n"
     "If you get stuck, just press the restart button to try\n"
     "this level again.",
     "Pressing Ctrl-R on the keyboard works the same as\n"
     "the restart button.",
     "./graphics/tutorial1.png"},
    {// 2
     "6 3 "
     "7 2 1 3 7 7 "
     "7 1 4 5 7 7 "
     "7 4 2 6 7 7 "
     "0 2 0 1 0 0 5 2 5 1 5 0",
     "Mixing Colors",
     "Note how a tile's color mixes with the color of the\n"
     "shape that passes over it.",
     "If you prefer using the keyboard, you can use the\n"
     "arrow keys to move the shapes. You can select the\n"
     "circle by pressing C, the star by pressing S and the\n"
     "triangle by pressing T.",
     "./graphics/tutorial2.png"},
    {// 3
     "7 5 "
     "7 1 7 7 7 0 0 "
     "7 7 7 1 7 0 0 "
     "7 7 7 7 7 4 7 "
     "7 2 7 7 4 4 7 "
     "2 7 7 7 7 7 7 "
     "0 0 0 3 4 2 4 1 1 4 6 2",
     "Primary Blockers",
     "Shapes can't move onto tiles that are the same color\n"
     "as they are. You'll have to guide the circle around the\n"
     "red tiles, the star around the yellow tiles and the\n"
     "triangle around the blue tiles. If you make a mistake,\n"
     "just press the undo button.",
     "You can also undo a move by clicking with your right\n"
     "mouse button. If you prefer using the keyboard, Ctrl-Z\n"
     "will do the trick, too.",
     "./graphics/tutorial3.png"},
    {// 4
     "7 6 "
     "0 6 7 7 7 5 0 "
     "1 7 3 7 3 7 2 "
     "0 5 7 7 7 6 0 "
     "0 0 7 7 6 0 0 "
     "0 0 7 5 7 4 0 "
     "0 0 7 7 3 0 0 "
     "1 1 5 1 4 4 2 2 4 2 3 3",
     "Secondary Blockers",
     "Shapes can't move onto tiles that have a color that is\n"
     "mixed with the shape's color. Refer to the diagram on\n"
     "the left if you need help.",
     "The help diagram shows help for the square you\n"
     "currently have the mouse cursor over. For example,\n"
     "if you move the mouse over an orange square,\n"
     "you'll see that passing the triangle over it will make\n"
     "the square white. Putting the mouse cursor over a\n"
     "shape shows which squares the shape can move\n"
     "onto.",
     "./graphics/tutorial4.png"},
    {// 5
     "3 3 "
     "2 7 2 "
     "7 2 7 "
     "7 7 7 "
     "0 0 1 0 2 0 0 2 1 2 2 2",
     "Getting Rid Of Yellow",
     "You now know all the rules of Quorvellan, so let's move\n"
     "on to some basic strategies. The star is trapped by the\n"
     "yellow tiles around it. Move both the circle and the\n"
     "triangle over the yellow tile. This will make the tile\n"
     "white.",
     "Shapes can always move onto a white tile. So if a tile\n"
     "is blocking your way, find out how you can make it\n"
     "white.",
     "./graphics/tutorial5.png"},
    {// 6
     "3 3 "
     "7 7 7 "
     "2 5 2 "
     "3 3 4 "
     "0 0 1 0 2 0 2 2 1 2 0 2",
     "Back And Forth",
     "From time to time you will have to take a step back in\n"
     "order to move forward. The star is close to home once\n"
     "it is on the middle tile, but you will have to move it back\n"
     "or the circle and the triangle can't get through.",
     "Don't worry too much about getting a single shape\n"
     "home, especially on larger levels. You're better off\n"
     "keeping all shapes close together and moving them\n"
     "homewards as a group.",
     "./graphics/tutorial7.png"},
    {// 7
     "9 7 "
     "7 7 4 7 2 0 0 0 0 "
     "7 7 0 6 7 0 0 0 0 "
     "7 7 0 7 7 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 2 0 1 0 0 4 2 3 2 4 1",
     "Farther Up The Road",
     "Sometimes you have to look ahead a bit. Although both\n"
     "the circle and the star are needed to clear the blue tile,\n"
     "the star will get stuck on the next tile. Bring the circle\n"
     "home first and you should have no problems.",
     "It often makes sense to approach a level backwards.\n"
     "Look at the goal tiles first and see if you need to make\n"
     "one of them white. Then look at the tiles just before\n"
     "the goals, then the tiles in front of those, and so on.",
     "./graphics/tutorial6.png"},
    {// 8
     "9 7 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 7 7 7 0 0 0 0 "
     "5 7 2 7 7 0 0 0 0 "
     "0 0 7 7 7 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "0 0 0 0 0 0 0 0 0 "
     "2 2 3 3 2 3 0 3 3 4 4 4",
     "Preparations",
     "You need the star to clear the circle's home tile, but\n"
     "beware that you don't get stuck. To be able to move\n"
     "the star in and out again, you need to make the tile in\n"
     "between purple.",
     "Congratulations. You've successfully completed all the\n"
     "tutorial levels. You are now ready to bend your brains\n"
     "on some real puzzles.",
     "./graphics/tutorial8.png"},
};

}  // namespace

Level TutorialLevel(int index) {
    if (index < 0 || index >= kTutorialLevelCount) return Level();
    const TutorialText& text = kTutorial[index];
    return ParseLevelString(text.numbers, text.name, text.introText, text.solvedText,
                            text.picturePath);
}

}  // namespace qv
