#include "app/dialog_host.h"

#include <algorithm>
#include <utility>

#include "app/entry_pictures.h"
#include "app/game_folder_choice.h"
#include "game/game_folder.h"
#include "render/view_geometry.h"

namespace vestara {

DialogHost::DialogHost(DialogWindow& window) : window_(window), dialog_(*this) {}

void DialogHost::Open() { dialog_.OnInitDialog(); }

void DialogHost::Notify(int controlId, int code) {
  if (ended_ || messageActive_) return;
  dialog_.OnCommand(controlId, code);
  if (!picturesStarted_) return;
  for (const ControlId list : ListsAlteredBy(controlId, code)) RemakeListPictures(list);
}

void DialogHost::Copy(CopyKind kind) {
  if (ended_ || messageActive_) return;
  dialog_.OnCopy(kind);
}

const PixelSurface& DialogHost::Paint() {
  if (!previewFresh_ && !ended_ && !messageActive_) {
    painting_ = true;
    dialog_.OnPaint();
    painting_ = false;
  }
  previewFresh_ = false;
  if (!picturesStarted_ && !ended_ && !messageActive_) {
    picturesStarted_ = true;
    for (const ControlId list : PictureLists()) RemakeListPictures(list);
  }
  return preview_;
}

void DialogHost::ResizePreview(int width, int height) {
  preview_ = PixelSurface(std::max(0, width), std::max(0, height), kDefaultFaceColor);
  ++surfacesMade_;
  // The new surface holds no picture yet: the next paint renders one.
  previewFresh_ = false;
}

void DialogHost::PresentPreview(std::optional<Extent> newPicture) {
  if (painting_) return;  // the paint under way shows it
  // Only a new picture grows the window, so a window the user made smaller stays so
  // through its repaints and renders of the same picture. A window that grows at once gives
  // the preview a new, empty surface (ResizePreview): then the paint renders on it.
  const unsigned surfaceBefore = surfacesMade_;
  if (newPicture) window_.ShowWholePreview(*newPicture);
  previewFresh_ = surfacesMade_ == surfaceBefore;
  window_.InvalidatePreview();
}

void DialogHost::ShowMessage(const std::string& text) {
  RunModal([this, text] {
    window_.RunMessage(text);
    MessageClosed();
  });
}

void DialogHost::OfferGameFolderChoice() {
  RunModal([this] {
    const bool chosen = ChooseGameFolder(window_);
    messageActive_ = false;
    if (chosen) {
      window_.InvalidatePreview();
    } else {
      dialog_.EndDialogOk();
    }
  });
}

void DialogHost::RunModal(std::function<void()> message) {
  messageActive_ = true;
  if (painting_) {
    window_.PostTask(std::move(message));
  } else {
    message();
  }
}

void DialogHost::EndDialogOk() {
  ended_ = true;
  if (messageActive_) {
    endAfterMessage_ = true;
    return;
  }
  window_.EndDialog();
}

void DialogHost::MessageClosed() {
  messageActive_ = false;
  if (std::exchange(endAfterMessage_, false)) window_.EndDialog();
}

void DialogHost::RemakeListPictures(ControlId list) {
  if (!picturesPending_.insert(list).second) return;
  window_.PostTask([this, list] {
    picturesPending_.erase(list);
    if (ended_ || messageActive_) return;
    // Read anew each time, as every render does; without a game folder the lists show
    // their labels alone.
    const std::string gameFolder = LoadGameFolder();
    if (gameFolder.empty()) return;
    window_.SetListPictures(list, MakeEntryPictures(list, gameFolder, window_));
  });
}

}  // namespace vestara
