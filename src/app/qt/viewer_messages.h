#pragma once

#include <QString>
#include <optional>
#include <string>

class QWidget;

namespace vestara {

// A modal warning with one OK button over `parent`, `detail` (when not empty) under its text.
void RunWarning(QWidget* parent, const QString& text, const QString& detail);

// The warning with a second, default button that opens a folder chooser: the folder chosen
// (UTF-8, the system's separators), or nullopt when the user closed the warning or
// cancelled the chooser.
std::optional<std::string> AskForGameFolder(QWidget* parent, const QString& text,
                                            const QString& detail);

}  // namespace vestara
