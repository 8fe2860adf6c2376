#include "app/ctavisel_dlg.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "app/command_routes.h"
#include "app/dialog_host.h"
#include "app/item_lists.h"
#include "catalogue/archive_names.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_labels.h"
#include "game/game_folder.h"
#include "game/game_path.h"
#include "render/offscreen_frame.h"
#include "render/view_geometry.h"
#include "render/view_pictures.h"
#include "snapshot/picture_format.h"

namespace vestara {
namespace {

constexpr ControlId kListsSelectedAtOpening[] = {
    kBackgroundCombo, kWeaponCombo,     kShieldCombo, kArmorCombo,    kArmorColorCombo,
    kShoesCombo,      kShoesColorCombo, kRingCombo,   kNecklaceCombo, kSoulCombo};

}  // namespace

CTaviselDlg::CTaviselDlg(DialogHost& host) : host_(host), window_(host.Window()) {}

void CTaviselDlg::OnInitDialog() {
  for (ControlId list : kListsSelectedAtOpening) window_.SelectEntry(list, 0);
  state_.backgroundColor = BackgroundColorOf(0);  // white, the list's first entry
  state_.armorGender = 0;
  state_.shoesGender = 0;
  state_.category = Weapon;
  state_.archiveName = FixedArchiveName(Weapon);
  UpdateData(false);
}

void CTaviselDlg::OnCommand(int controlId, int code) {
  if (const CommandHandler handler = FindCommandHandler(controlId, code)) (this->*handler)();
}

void CTaviselDlg::OnPaint() { RenderView(RenderMode::Screen); }

void CTaviselDlg::OnWeaponChanged() { ShowCategory(Weapon, std::string(FixedArchiveName(Weapon))); }
void CTaviselDlg::OnShieldChanged() { ShowCategory(Shield, std::string(FixedArchiveName(Shield))); }
void CTaviselDlg::OnArmorChanged() { ShowCategory(Armor, MakeArmorArchiveName()); }
void CTaviselDlg::OnShoesChanged() { ShowCategory(Shoes, MakeShoesArchiveName()); }
void CTaviselDlg::OnRingChanged() { ShowCategory(Ring, std::string(FixedArchiveName(Ring))); }
void CTaviselDlg::OnNecklaceChanged() {
  ShowCategory(Necklace, std::string(FixedArchiveName(Necklace)));
}
void CTaviselDlg::OnSoulChanged() { ShowCategory(Soul, std::string(FixedArchiveName(Soul))); }

void CTaviselDlg::ShowCategory(ItemCategory category, std::string archiveName) {
  state_.category = category;
  state_.archiveName = std::move(archiveName);
  RenderView(RenderMode::Screen);
}

void CTaviselDlg::OnBackgroundChanged() {
  state_.backgroundColor = BackgroundColorOf(window_.CurrentSelection(kBackgroundCombo));
  RenderView(RenderMode::Screen);
}

void CTaviselDlg::OnZoomIn() {
  const auto larger = std::ranges::upper_bound(kZoomSteps, int{state_.zoomPercent});
  if (larger != kZoomSteps.end()) state_.zoomPercent = static_cast<std::int16_t>(*larger);
  UpdateZoomControls();
  RenderView(RenderMode::Screen);
}

void CTaviselDlg::OnZoomOut() {
  const auto notSmaller = std::ranges::lower_bound(kZoomSteps, int{state_.zoomPercent});
  if (notSmaller != kZoomSteps.begin()) {
    state_.zoomPercent = static_cast<std::int16_t>(*(notSmaller - 1));
  }
  UpdateZoomControls();
  RenderView(RenderMode::Screen);
}

void CTaviselDlg::OnCapture() { RenderView(RenderMode::Capture); }

void CTaviselDlg::UpdateZoomControls() {
  window_.EnableButton(kZoomInButton, state_.zoomPercent < kZoomSteps.back());
  window_.EnableButton(kZoomOutButton, state_.zoomPercent > kZoomSteps.front());
  state_.statusText = "Zoom :" + std::to_string(state_.zoomPercent) + "%";
  UpdateData(false);
}

std::string CTaviselDlg::MakeArmorArchiveName() {
  UpdateData(true);
  return ArmorArchiveName(state_.armorGender, window_.CurrentSelection(kArmorColorCombo));
}

std::string CTaviselDlg::MakeShoesArchiveName() {
  UpdateData(true);
  return ShoesArchiveName(state_.shoesGender, window_.CurrentSelection(kShoesColorCombo));
}

bool CTaviselDlg::UpdateData(bool saveAndValidate) {
  DoDataExchange(saveAndValidate);
  return true;
}

void CTaviselDlg::DoDataExchange(bool saveAndValidate) {
  if (saveAndValidate) {
    state_.statusText = window_.StatusText();
    state_.armorGender = window_.CheckedRadio(kArmorMaleRadio);
    state_.shoesGender = window_.CheckedRadio(kShoesMaleRadio);
  } else {
    window_.SetStatusText(state_.statusText);
    window_.CheckRadio(kArmorMaleRadio, state_.armorGender);
    window_.CheckRadio(kShoesMaleRadio, state_.shoesGender);
  }
}

std::optional<CTaviselDlg::CurrentFrame> CTaviselDlg::FindCurrentFrame() {
  const std::string gameFolder = LoadGameFolder();
  if (gameFolder.empty()) {
    if (window_.OffersFolderChoice()) {
      host_.OfferGameFolderChoice();
    } else {
      host_.ShowMessage(kNoGameFolderMessage);
      EndDialogOk();
    }
    return std::nullopt;
  }
  std::string archivePath = ArchivePathIn(gameFolder, state_.archiveName);
  const std::optional<ControlId> itemList = ItemListOf(state_.category);
  if (!itemList) return std::nullopt;
  const FrameIndex index = FrameOfSelection(state_.category, window_.CurrentSelection(*itemList));
  if (index == kNoFrame) return std::nullopt;
  return CurrentFrame{std::move(archivePath), index};
}

void CTaviselDlg::RenderView(RenderMode mode) {
  if (host_.Ended()) return;
  const std::optional<CurrentFrame> current = FindCurrentFrame();
  if (!current) return;

  const OffscreenFrame frame =
      PaintOffscreenFrame(current->archivePath, current->index, state_.backgroundColor);
  state_.frameWidth = frame.size.width;
  state_.frameHeight = frame.size.height;
  if (mode == RenderMode::Capture) {
    SaveCapture(MakeCaptureImage(frame, state_.zoomPercent));
    return;
  }
  DrawPreview(frame, state_.zoomPercent, host_.PreviewSurface());
  ShownPicture shown{current->archivePath, current->index, state_.zoomPercent};
  const bool isNew = shown != shown_;
  shown_ = std::move(shown);
  host_.PresentPreview(isNew ? std::optional(ShownPictureSize(frame.size, state_.zoomPercent))
                             : std::nullopt);
}

void CTaviselDlg::OnCopy(CopyKind kind) {
  if (host_.Ended()) return;
  const std::optional<CurrentFrame> current = FindCurrentFrame();
  if (!current) return;
  const std::optional<FramePicture> picture = MakeCopyPicture(
      current->archivePath, current->index, state_.zoomPercent, state_.backgroundColor, kind);
  if (!picture) return;
  state_.frameWidth = picture->frameSize.width;
  state_.frameHeight = picture->frameSize.height;
  const std::vector<unsigned char> png =
      EncodePicture(picture->image, picture->opaque, PictureFormat::Png);
  if (png.empty() || !window_.PutOnClipboard({picture->image, picture->opaque, png})) return;
  UpdateData(true);
  state_.statusText = "Copied :" + std::to_string(picture->image.Width()) + "x" +
                      std::to_string(picture->image.Height());
  UpdateData(false);
}

void CTaviselDlg::SaveCapture(const std::optional<SnapshotImage>& image) {
  UpdateData(true);
  // Without a picture the save fails under the name it would have had.
  const SnapshotImage noPicture;
  const SnapshotSaveResult result = SaveNextSnapshot(image ? *image : noPicture);
  if (result.name.empty()) return;
  // A save that did not happen is reported as such; the next capture finds the name free.
  state_.statusText = (result.saved ? "Save as :" : "Save failed :") + result.name;
  UpdateData(false);
}

void CTaviselDlg::EndDialogOk() {
  // Like the OK button: the controls are copied into the members first.
  UpdateData(true);
  host_.EndDialogOk();
}

}  // namespace vestara
