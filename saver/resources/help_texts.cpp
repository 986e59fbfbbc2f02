#include "saver/resources/help_texts.h"

#include <iterator>

namespace {

struct HelpText {
    int id;
    const char* text;
    int blanks; // trailing blanks: they lengthen the measured text and so add popup lines
};

const HelpText HELP_TEXTS[] = {
    {3079, "Opens or Closes the Control area of the window.", 1},
    {1207,
     "This button will set the starfield window to full screen mode.  Use the ESC key to return to "
     "the controls.",
     5},
    {911, "Global Settings", 0},
    {1023,
     "When automatically cycling through different Modules, this checkbox will include the Module "
     "for display -- otherwise it is skipped.",
     24},
    {1187, "Module Selector.", 1},
    {1019,
     "Displays the timer setting for automatic Module cycling. Negative numbers select a RANDOM "
     "order for playback. Units are in tenths of minutes.  [One minute equals 10 -- One hour "
     "equals 600]   Values may be entered here with the keyboard.",
     52},
    {1016,
     "Adjusts the timer setting for automatic Module cycling. To turn off automatic cycling, set "
     "the value to zero. Negative numbers select a RANDOM order for playback. Larger values set a "
     "longer cycle time.",
     56},
    {1011, "Playback a recording.", 0},
    {1208, "SOLVANTRIX!", 0},
    {1161, "Resets the orientation of the travel direction to move along the Z axis.", 0},
    {1160,
     "Resets the mouse position to center screen,  This is equivalent to placing the cursor over "
     "the exact center of the starfield window and pressing the left mouse button.",
     44},
    {40134,
     "Import DXF or old Solvantrix model files.  When importing DXF files, the Generate sliders "
     "control: 1-skip vertices  2-offset into vertices  3-scale of model",
     37},
    {1206, "Save the current Module.", 1},
    {1159, "Display View #1.  Each View # holds a 'preset' of all settings.", 28},
    {1003, "Display View #2.  Each View # holds a 'preset' of all settings.", 28},
    {1004, "Display View #3.  Each View # holds a 'preset' of all settings.", 28},
    {1005, "Display View #4.  Each View # holds a 'preset' of all settings.", 28},
    {3006, "Display View #5.  Each View # holds a 'preset' of all settings.", 28},
    {1009, "Display View #6.  Each View # holds a 'preset' of all settings.", 28},
    {1010, "Display View #7.  Each View # holds a 'preset' of all settings.", 28},
    {3196,
     "SETUP to save the current view.  After pressing this button, select one of the 7 View "
     "buttons to save the current view into the chosen view.  The view may also be saved into View "
     "#8 by selecting the PLAYBACK button.",
     89},
    {1082,
     "When the Module is played, if this control is set, the motions will continue (follow) from a "
     "preceding View - instead of resetting the View.  This control affects changes between the 8 "
     "different Views of the Module AND the change from one Module to another.",
     56},
    {1022, "Turns on Depth testing for the openGL rendering.", 20},
    {1028, "Sets Reverse Thrust mode.", 28},
    {3127, "Reverses the View.", 38},
    {1111, "Thrust Control", 4},
    {3135,
     "This control adjusts a glide time when changing the Thrust. For instantaneous changes, turn "
     "this control to the extreme top.",
     35},
    {1141,
     "This control adjusts a glide time for mouse response.  This affects the 'steering' response "
     "and flight path. For instantaneous changes, turn this control to the extreme top.",
     36},
    {309, "Total number of stars", 3},
    {1108, "Sets the view angle for the display", 2},
    {1025, "Changes this glide control from linear to log.", 38},
    {1143,
     "This control adjusts a glide time when changing the Angle. For instantaneous changes, turn "
     "this control to the extreme right.",
     70},
    {306, "Scales the positions of the stars", 2},
    {3144,
     "This control adjusts a glide time when changing the Scale. For instantaneous changes, turn "
     "this control to the extreme right.",
     70},
    {1118, "Allow 1 axis movement", 1},
    {1120, "Allow 3 axis movement", 1},
    {1119, "Allow 2 axis movement", 1},
    {1084, "Open the Backdrop Selector window.", 0},
    {1093, "Turn On the backdrop image.", 23},
    {3092, "Turn Off the backdrop image.", 23},
    {1024, "Changes this glide control from linear to log.", 38},
    {3134,
     "This control adjusts a glide time when changing the Rotation controls. For instantaneous "
     "changes, turn this control to the extreme right.",
     70},
    {310,
     "Sets the Brightness range of the stars.  If this is turned up all the way to the right, all "
     "stars will be at maximum brightness.  When this control is turned down, stars that are more "
     "distant will be darker than stars that are closer.",
     77},
    {311,
     "Sets a distance threshold where stars change from pixel stars into Lines, Spheres, or "
     "Triangles.",
     38},
    {1106, "When stars are displayed in Line mode, this control sets the length of the Line.", 77},
    {1146,
     "This control adjusts a glide time when changing the Tail. For instantaneous changes, turn "
     "this control to the extreme right.",
     70},
    {1008,
     "This will turn the 'Lines' into Triangles.  Use the Size control to set the Triangle base "
     "size.  If Sphere is also set, rectangles will replace the triangles - using Line to control "
     "the size of the other side.",
     91},
    {3136, "Sets the size of Pixel stars.", 0},
    {150, "Select Spheres instead of lines.  Use the Size control for sizing.", 28},
    {3137, "Sets the thickness of Lines (Tails).", 0},
    {1125, "Sphere Type A.", 0},
    {1127, "Sphere Type B.", 0},
    {1128, "Sphere Type C", 0},
    {1126, "Sphere Type D", 0},
    {307, "Sets the size of Spheres, Triangles, or rectangles.", 23},
    {410,
     "Select circular motion for both horizontal and vertical.  1-controls amount of motion.  "
     "2-controls the speed of motion.  Set 1 to extreme left to disable.",
     33},
    {411,
     "Select circular motion for horizontal.   1-controls amount of motion.  2-controls the speed "
     "of motion.  Set 1 to extreme left to disable.",
     44},
    {412,
     "Select circular motion for vertical.  1-controls amount of motion.  2-controls the speed of "
     "motion.  Set 1 to extreme left to disable.",
     44},
    {413, "Select Random motion.  1-controls horizontal amount.  2-controls vertical amount.", 39},
    {414,
     "Select random motion for both horizontal and vertical.  1-controls amount of motion.  "
     "2-controls the speed of motion.  Set 1 to extreme left to disable.",
     32},
    {415, "Select constant horizontal motion.  1-contols the amount.", 39},
    {416,
     "Select random motion for vertical.  1-controls amount of motion.  2-controls the speed of "
     "motion.  Set 1 to extreme left to disable.",
     45},
    {417,
     "Select random motion for horizontal.   1-controls amount of motion.  2-controls the speed of "
     "motion.  Set 1 to extreme left to disable.",
     45},
    {418,
     "Select random motion for both horizontal and vertical.  1-controls amount of motion.  "
     "2-controls the speed of motion.  Set 1 to extreme left to disable.",
     34},
    {315, "'Function #1.", 11},
    {316, "'Function #2.", 11},
    {1110, "Allow 1 axis movement of meteors", 0},
    {1113, "Allow 2 axis movement of meteors", 0},
    {1112, "Allow 3 axis movement of meteors", 0},
    {3138, "Sets the percentage of stars that are meteors.", 1},
    {1015, "Enable Meteors", 0},
    {1114, "Tiny meteor size", 1},
    {1115, "Small meteor size", 1},
    {1116, "Medium meteor size", 1},
    {1117, "Large meteor size", 1},
    {1142, "Sets the speed of the meteors.", 1},
    {1000, "Stop the spin, but leave the position where it is.", 1},
    {303, "Controls the rotation spin around the X axis.", 4},
    {304, "Controls the rotation spin around the Y axis.", 4},
    {305, "Controls the rotation spin around the Z axis.", 4},
    {1145, "Stop and reset the Rotation spin and position.", 1},
    {300, "Controls the fixed position around the X axis.", 4},
    {301,
     "Controls the fixed position around the Y axis.  If this control is turned to the extreme "
     "right and the backdrop image mode is set, then a special mode is enabled for spinning the "
     "backdrop using the Y rotation control.",
     93},
    {302,
     "Controls the fixed position around the Z axis.  If this control to the extreme right to turn "
     "off timer controlled brightness when using the Generator Tube mode.",
     82},
    {1503,
     "Sets the backdrop image color mode.  When this is turned off, the backdrop retains its "
     "original color.  When this is turned On, the backdrop colors are derived from the R G B "
     "controls in conjunction with the color shifting controls.",
     66},
    {151, "Modifies the rainbow to include pastels.", 24},
    {1014,
     "Turns on a rainbow color mode for stars.  Use the DIM control to set the fade range.  Use "
     "the RANGE control to set the color spread.",
     47},
    {1012, "Enable color cycle for rainbow.", 26},
    {313, "Adjusts the frequency of the color shifting LFO", 1},
    {308,
     "Sets the glide time for colors when they change Views.  Turn this all the way to the right "
     "for instantaneous changes.  Turn it to the left for slow changes.",
     47},
    {1107,
     "Sets the RED component of the color.  Depending on the Image mode checkbox, this control "
     "will affect either the backdrop image color or the color of the stars.",
     44},
    {1129,
     "Sets the GREEN component of the color.  Depending on the Image mode checkbox, this control "
     "will affect either the backdrop image color or the color of the stars.",
     47},
    {1109,
     "Sets the BLUE component of the color.  Depending on the Image mode checkbox, this control "
     "will affect either the backdrop image color or the color of the stars.",
     34},
    {3130,
     "Sets the RED component of the color.  Depending on the Image mode checkbox, this control "
     "will affect either the star color or the color of star tails.",
     32},
    {3131,
     "Sets the GREEN component of the color.  Depending on the Image mode checkbox, this control "
     "will affect either the star color or the color of star tails.",
     35},
    {3132,
     "Sets the BLUE component of the color.  Depending on the Image mode checkbox, this control "
     "will affect either the star color or the color of star tails.",
     38},
    {314, "Sets the fade range of stars during rainbow mode.", 27},
    {312,
     "Sets the range of color shifting.  When set to the extreme left, color shifting takes a full "
     "360 degree rotation. When rainbow mode is enabled, this control shifts the rainbow colors.",
     48},
    {1001,
     "The GENERATE button is used to generate a starfield pattern that depends on the selected "
     "generator mode.",
     26},
    {1007,
     "The AUX control is used differently depending on the generator mode that is selected.  See "
     "the individual modes for usage.",
     38},
    {1139,
     "Slider #1 for generator modes.  Each generator mode uses this control.  See the different "
     "modes for usage information.",
     24},
    {1140,
     "Slider #2 for generator modes.  Each generator mode uses this control.  See the different "
     "modes for usage information.",
     27},
    {3133,
     "Slider #3 for generator modes.  Each generator mode uses this control.  See the different "
     "modes for usage information.",
     28},
    {510,
     "Sets the generator to Random mode.  None of the other generator controls will have any "
     "effect.",
     34},
    {511,
     "Sets the generator to Planar random mode.  Use slider #1 to control the scale on the Y axis, "
     "slider #2 to scale the Z axis, and slider #3 to scale the X axis.  If AUX is used, a "
     "corkscrew pattern is generated where Slider #1 controls the number or revolutions, Slider #2 "
     "controls the size of the revolutions, and Slider #3 controls the tube size (diameter).",
     117},
    {512,
     "Sets the generator to Sine mode.  Each time the GENERATE button is pressed, a new sine "
     "pattern will be generated. Use slider #1 to scale the Z axis, slider #2 to scale the X axis, "
     "and slider #3 to scale the Y axis.  If AUX is set, the sine pattern is split into two "
     "separate planes with the distance between the two set by slider #3.",
     152},
    {513,
     "Sets the generator to Sphere mode. Stars are generated in a spherical area using slider #3 "
     "to scale the size. If AUX is set, the distribution will be weighted towards the center.",
     66},
    {514,
     "Sets the generator to Galaxy mode. Slider #1 sets the tightness of the spiral wrap.  Slider "
     "#2 controls random Y axis placement.  Slider #3 controls random X and Z axis placement.  If "
     "AUX is set, distribution along the spiral arms is weighted to the center of the arms.",
     72},
    {515,
     "Sets the generator to Tube mode.  Slider #1 sets a timer (set to bottom to turn off the "
     "timer).  The timer controls the brightness and generation of tubes.  If the Position Z "
     "control is turned to the extreme right, the brightness is not controlled by the timer.  "
     "Slider #2 controls the glide time from one pattern to another.  Slider #3 control the size "
     "(diameter) of the tube.  If AUX is set, a different pattern type is used.",
     200},
    {516,
     "Sets the generator to Ring (disk) mode.  Slider #1 sets the ring pattern. Slider #2 sets the "
     "inner boundary of the rings.  Slider #3 sets the outer bounds of the rings.  If AUX is set, "
     "the ring pattern is randomized.",
     46},
    {517,
     "Sets the generator to Shell mode.  Slider #2 controls the Shell pattern which results in "
     "different arrangements of concentric spheres.  Sliders #1 and #3 control the scale,  If AUX "
     "is set, shell distribution is weighted towards the center.",
     121},
    {518,
     "Sets the generator to Sine with Timer mode.  Slider #1 sets the time interval.  Slider #2 "
     "sets the slew rate from one sine pattern to the next as the timer generates patterns.  "
     "Slider #3 sets the scale of the Y axis.  If AUX is set, the sine pattern is split into two "
     "separate planes with the distance between the two set by slider #3 .",
     142},
    {1017,
     "This is a text display that is used to indicate several things:  When selecting a generator "
     "mode, this will indicate the mode that is selected.  During Playback and Recording this will "
     "indicate which View# is currently displayed.",
     41},
};

} // namespace

std::string control_help_text(int id) {
    for (const HelpText& help : HELP_TEXTS)
        if (help.id == id) return help.text + std::string(static_cast<size_t>(help.blanks), ' ');
    return {};
}
