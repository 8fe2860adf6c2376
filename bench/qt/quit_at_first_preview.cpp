// Built into a copy of the viewer for the start benchmark only: the process ends as soon
// as the viewer's window has painted its first preview, so that the time from starting
// the process to its end is the time to the first preview on screen. It names the window's
// size on standard error, for the floor to take.
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QObject>
#include <cstdio>

namespace {

class QuitAfterFirstPaint final : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* dialog = qobject_cast<QDialog*>(watched);
    if (dialog != nullptr && event->type() == QEvent::Paint && !seen_) {
      seen_ = true;
      // Queued: runs once the paint under way has drawn the preview.
      QMetaObject::invokeMethod(
          QCoreApplication::instance(),
          [dialog] {
            std::fprintf(stderr, "first preview shown in a %dx%d window\n", dialog->width(),
                         dialog->height());
            // What the viewer queued behind its first preview (its lists' pictures) would
            // run before the loop ends: it is not part of the start.
            QCoreApplication::removePostedEvents(nullptr);
            QCoreApplication::exit(0);
          },
          Qt::QueuedConnection);
    }
    return false;
  }

 private:
  bool seen_ = false;
};

void WatchForTheFirstPaint() {
  QCoreApplication::instance()->installEventFilter(new QuitAfterFirstPaint);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(WatchForTheFirstPaint)
