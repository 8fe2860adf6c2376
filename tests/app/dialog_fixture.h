#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <numeric>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/ctavisel_dlg.h"
#include "app/dialog_host.h"
#include "app/dialog_window.h"
#include "render/view_geometry.h"
#include "test_game.h"

namespace vestara::testing {

// A window without a toolkit: it records what the dialog does to it and plays the user.
class FakeDialogWindow : public DialogWindow {
 public:
  int CurrentSelection(ControlId list) const override { return selections.at(list); }
  void SelectEntry(ControlId list, int position) override { selections[list] = position; }
  int CheckedRadio(ControlId first) const override { return radios.at(first); }
  void CheckRadio(ControlId first, int index) override { radios[first] = index; }
  std::string StatusText() const override { return status; }
  void SetStatusText(const std::string& text) override { status = text; }
  void EnableButton(ControlId button, bool on) override { enabled[button] = on; }
  void InvalidatePreview() override { ++invalidations; }
  void ShowWholePreview(Extent picture) override {
    wholePreviews.push_back(picture);
    if (grow) grow(picture);
  }
  ListPictureSides PictureSides() const override { return sides; }
  void SetListPictures(ControlId list, std::span<const EntryPictures> pictures) override {
    listPictures[list].assign(pictures.begin(), pictures.end());
    ++pictureSets[list];
  }
  bool PutOnClipboard(const ClipboardPicture& picture) override {
    if (!clipboardTakes) return false;
    clipboard = {picture.image,
                 {picture.opaque.begin(), picture.opaque.end()},
                 {picture.png.begin(), picture.png.end()}};
    return true;
  }
  void RunMessage(const std::string& text) override {
    messages.push_back(text);
    ++events;
  }
  bool OffersFolderChoice() const override { return offersFolderChoice; }
  std::optional<std::string> RunFolderMessage(const std::string& text) override {
    folderMessages.push_back(text);
    ++events;
    if (chosenFolders.empty()) return std::nullopt;
    std::optional<std::string> chosen = chosenFolders.front();
    chosenFolders.erase(chosenFolders.begin());
    return chosen;
  }
  void PostTask(std::function<void()> task) override { posted.push_back(std::move(task)); }
  void EndDialog() override { endedAtEvent = ++events; }

  // The user picks a list entry: the list changes, then notifies.
  void UserSelects(DialogHost& host, ControlId list, int position) {
    SelectEntry(list, position);
    host.Notify(list, kSelectionChanged);
  }
  // The event loop goes on: runs the posted tasks in order.
  void RunPosted() {
    for (auto tasks = std::exchange(posted, {}); auto& task : tasks) task();
  }

  std::map<ControlId, int> selections;
  std::map<ControlId, int> radios;
  std::map<ControlId, bool> enabled;
  std::string status;
  std::vector<std::string> messages;
  // Whether the window offers to choose the game folder; the messages that offered it, and
  // what the user chooses each time (nullopt: closes the message or cancels the chooser).
  bool offersFolderChoice = false;
  std::vector<std::string> folderMessages;
  std::vector<std::optional<std::string>> chosenFolders;
  std::vector<std::function<void()>> posted;
  int invalidations = 0;
  std::vector<Extent> wholePreviews;
  // What a real window does on ShowWholePreview, when a test plays it.
  std::function<void(Extent)> grow;
  // What the last copy put on the clipboard, and whether the clipboard takes a copy.
  struct Copied {
    PixelSurface image;
    std::vector<std::uint8_t> opaque;
    std::vector<unsigned char> png;
  };
  std::optional<Copied> clipboard;
  ListPictureSides sides{32, 16};
  std::map<ControlId, std::vector<EntryPictures>> listPictures;
  std::map<ControlId, int> pictureSets;  // how often each list's pictures were set
  bool clipboardTakes = true;
  // Messages run and the end, counted in the order they happened; 0: the dialog has not ended.
  int events = 0;
  int endedAtEvent = 0;
};

// The frame that archive `archive` holds at `frame`: each has its own picture.
inline SpriteGrid TestPicture(const std::string& archive, FrameIndex frame) {
  const int seed = std::accumulate(archive.begin(), archive.end(), 0) * 7 + frame;
  return PatternGrid(static_cast<std::uint16_t>(10 + seed % 9),
                     static_cast<std::uint16_t>(8 + seed % 6), seed);
}

// A dialog over a fake window, opened in a test game whose archives hold TestPicture for
// the first four items of every category.
class DialogTest : public ::testing::Test {
 protected:
  DialogTest() {
    for (const char* archive : {"Weapon.spr.NCS", "Shields.spr.NCS", "eitem.spr.NCS",
                                "Armor102.spr.NCS", "Shoes106.spr.NCS"}) {
      std::map<FrameIndex, SpriteGrid> frames;
      for (int item = 0; item < 4 * (Soul + 1); ++item) {
        const FrameIndex frame = LookupFrame(item / 4, static_cast<std::uint16_t>(item % 4));
        frames.try_emplace(frame, TestPicture(archive, frame));
      }
      game_.WriteArchive(archive, frames);
    }
    host_.ResizePreview(kPreviewWidth, kPreviewHeight);
    host_.Open();
  }

  static constexpr int kPreviewWidth = 1300;
  static constexpr int kPreviewHeight = 1100;

  // What the preview shows for `picture`, or for the item at `position` of a category.
  PixelSurface Preview(const SpriteGrid& picture, Color background = 0xFFFFFF,
                       int zoomPercent = 100) const {
    return ScaledPicture(picture, background, zoomPercent, kPreviewWidth, kPreviewHeight,
                         kDefaultFaceColor);
  }
  PixelSurface ItemPreview(const std::string& archive, ItemCategory category, int position,
                           Color background = 0xFFFFFF, int zoomPercent = 100) const {
    const FrameIndex frame = LookupFrame(category, static_cast<std::uint16_t>(position));
    return Preview(TestPicture(archive, frame), background, zoomPercent);
  }
  PixelSurface Plain(Color color) const {
    return PixelSurface(kPreviewWidth, kPreviewHeight, color);
  }
  std::filesystem::path Capture(int number) const {
    return game_.Root() / ("G000000" + std::to_string(number) + ".bmp");
  }

  const PixelSurface& Shown() { return host_.PreviewSurface(); }

  TestGame game_;
  FakeDialogWindow window_;
  DialogHost host_{window_};
  CTaviselDlg& dialog_ = host_.Dialog();
};

}  // namespace vestara::testing
