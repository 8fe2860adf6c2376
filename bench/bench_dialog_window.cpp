#include "bench_dialog_window.h"

#include "render/render_pipeline.h"

namespace vestara::bench {

BenchDialogWindow::BenchDialogWindow()
    : preview_(StretchDestinationSize(300).width, StretchDestinationSize(300).height, kFaceColor) {}

}  // namespace vestara::bench
