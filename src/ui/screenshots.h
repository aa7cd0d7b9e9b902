#pragma once

#include <QString>

namespace vetra::ui {

class MainWindow;

// Saves a picture of the main window on each of its tabs as DIR/tab-<caption>.png, and the about
// picture as DIR/about.png, for the documentation.
// Returns false when a picture could not be written.
bool SaveTabScreenshots(MainWindow& window, const QString& directory);

}  // namespace vetra::ui
