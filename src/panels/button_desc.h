#pragma once

#include <QtGlobal>

// One button of the board, described as data: the widgets are built from
// tables of these, and one handler serves every button of the same shape.
struct ButtonDesc
{
    const char *name;    // object name, which scripts and tests find it by
    const char *caption; // "&" marks the accelerator
    int left;
    int top;
    int width;
    int height;
    quint32 color; // colour value $00BBGGRR
    // What the button hands to its handler: a word, prefix ("un-"), suffix
    // ("-ness") or tag; nullptr when it is the caption.
    const char *word = nullptr;
};

// The system colours the tables name besides plain colour values.
inline constexpr quint32 kClBlack = 0x00000000;
inline constexpr quint32 kClWhite = 0x00FFFFFF;
inline constexpr quint32 kClBtnFace = 0xFF000000; // resolved by the palette
