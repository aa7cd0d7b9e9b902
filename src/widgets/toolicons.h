#pragma once

#include <QIcon>

// The small pictures of the editors' icon buttons, drawn rather than loaded so that they stay sharp at any
// scale.
namespace vetra::widgets::ToolIcons {

QIcon Swap();     // two arrows passing each other
QIcon Recolor();  // a palette of four colours
QIcon Drop();     // an arrow pointing down onto a bar
QIcon Hole();     // an empty tile with a dark hole in it

}  // namespace vetra::widgets::ToolIcons
