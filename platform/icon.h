// Small pictures the program draws on buttons and in dialogs: a grid of characters, each
// naming a colour of the icon's palette, so that the pictures live as readable source.
#pragma once

struct IconColour {
    char key;
    unsigned char red, green, blue;
};

struct IconImage {
    int width, height;
    const char* const* rows; // `height` rows of `width` characters; ' ' is transparent
    const IconColour* colours;
    int colour_count;
};
