#pragma once

namespace vestara {

// What the viewer's command line asks for beyond the Qt options.
struct ViewerOptions {
  // Work in the viewer's own folder instead of the current directory.
  bool ownFolder = false;
};

// Answers --help, --help-all and --version on standard output and ends the process, with
// no window and no display; returns when the command line asks for none of them.
void AnswerHelpOrVersion(int argc, char* argv[]);

// The options of the command line once the application exists (it has taken its own Qt
// options out of it). A wrong command line ends the process with exit status 1 and a
// message on standard error, the usual way of Qt programs.
ViewerOptions ParseViewerOptions();

}  // namespace vestara
