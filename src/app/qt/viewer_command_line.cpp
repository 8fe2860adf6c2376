#include "app/qt/viewer_command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace vestara {
namespace {

const QString kOwnFolderOption = QStringLiteral("own-folder");

void SetUpParser(QCommandLineParser& parser) {
  QCoreApplication::setApplicationName(QStringLiteral("VestaraItemViewer"));
  QCoreApplication::setApplicationVersion(QStringLiteral(VESTARA_VERSION));
  parser.setApplicationDescription(QStringLiteral(
      "Previews the equipment sprites of Vestara one item at a time and captures them\n"
      "to G0000001.bmp, G0000002.bmp, ... in the working directory, where filepath.txt\n"
      "names the game folder."));
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addOption(QCommandLineOption(
      kOwnFolderOption,
      QStringLiteral("Work in the viewer's own folder, Vestara in the user's pictures folder "
                     "(created when missing), instead of the current directory, and offer to "
                     "choose the game folder when none is found. The menu entry starts the "
                     "viewer this way.")));
}

}  // namespace

void AnswerHelpOrVersion(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  SetUpParser(parser);
  // Qt's own options such as -platform are not known here: they do not stop the answer.
  parser.parse(arguments);
  const bool helpAll = parser.isSet(QStringLiteral("help-all"));
  const bool help = parser.isSet(QStringLiteral("help"));
  if (!helpAll && !help && !parser.isSet(QStringLiteral("version"))) return;

  // Without a display only the core application can exist; it gives the help its program
  // name.
  QCoreApplication application(argc, argv);
  if (helpAll) parser.process(application);
  if (help) parser.showHelp(0);
  parser.showVersion();
}

ViewerOptions ParseViewerOptions() {
  QCommandLineParser parser;
  SetUpParser(parser);
  parser.process(QCoreApplication::arguments());
  return ViewerOptions{.ownFolder = parser.isSet(kOwnFolderOption)};
}

}  // namespace vestara
