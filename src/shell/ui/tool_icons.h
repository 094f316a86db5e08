#pragma once

#include <QIcon>

// The tool bar's pictures, drawn in code so they look the same on every
// desktop, themed or not.
namespace ToolIcons {
enum class Kind {
    Open,
    Save,
    Print,
    Cut,
    Copy,
    Paste,
    Bold,
    Italic,
    Underline,
    AlignLeft,
    AlignCenter,
    AlignRight
};
QIcon icon(Kind kind);
} // namespace ToolIcons
