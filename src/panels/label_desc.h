#pragma once

// A caption on a panel that is not a button, described as data like the
// buttons: its text and the rectangle it takes.
struct LabelDesc
{
    const char *caption;
    int left;
    int top;
    int width;
    int height;
};
