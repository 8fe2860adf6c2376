// Started from the menu without a game folder, the viewer lets the user choose it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialog_fixture.h"
#include "platform/utf8_path.h"

namespace vestara::testing {
namespace {

const std::string kNoFolder = "ヴェスタラフォルダのパスを設定してください。";
const std::string kNoProbe = "選んだフォルダに Char\\B0000000.spr.NCS がありません。";

class DialogFolderChoiceTest : public DialogTest {
 protected:
  DialogFolderChoiceTest() {
    window_.offersFolderChoice = true;
    WriteBinaryFile(FolderFile(), "missing\\\n");
    std::filesystem::create_directories(game_.Root() / "empty" / "Data");
  }
  std::filesystem::path FolderFile() const { return game_.Root() / "filepath.txt"; }
  std::string Folder(const std::string& name) const { return Utf8FromPath(game_.Root() / name); }
};

TEST_F(DialogFolderChoiceTest, TheChosenFolderIsSavedAndShowsTheFirstWeapon) {
  window_.chosenFolders = {Folder("game")};
  // The first paint finds no folder; the offer comes once the paint is done.
  host_.Paint();
  EXPECT_TRUE(window_.folderMessages.empty());
  window_.RunPosted();
  EXPECT_EQ(window_.folderMessages, std::vector<std::string>{kNoFolder});
  EXPECT_TRUE(window_.messages.empty());
  EXPECT_FALSE(host_.Ended());
  // Saved, the folder holds for later renders and starts too.
  EXPECT_TRUE(ReadBinaryFile(FolderFile()).value_or("").starts_with(Folder("game")));
  EXPECT_EQ(window_.invalidations, 1);
  EXPECT_EQ(host_.Paint(), ItemPreview("Weapon.spr.NCS", Weapon, 0));
  host_.Notify(kCaptureButton, kClicked);
  EXPECT_TRUE(std::filesystem::exists(Capture(1)));
}

TEST_F(DialogFolderChoiceTest, AFolderWithoutTheGameIsRefusedAndTheChoiceOfferedAgain) {
  window_.chosenFolders = {Folder("empty"), Folder("nowhere"), Folder("game")};
  // A handler's render offers the choice at once.
  host_.Notify(kWeaponCombo, kFocusGained);
  EXPECT_EQ(window_.folderMessages, (std::vector<std::string>{kNoFolder, kNoProbe, kNoProbe}));
  EXPECT_FALSE(host_.Ended());
  EXPECT_EQ(host_.Paint(), ItemPreview("Weapon.spr.NCS", Weapon, 0));
}

TEST_F(DialogFolderChoiceTest, GivingUpEndsTheDialogAndLeavesFilepathTxt) {
  for (const bool afterARefusal : {false, true}) {
    window_.chosenFolders.clear();
    if (afterARefusal) window_.chosenFolders = {Folder("empty"), std::nullopt};
    DialogHost host(window_);
    window_.events = window_.endedAtEvent = 0;
    host.ResizePreview(kPreviewWidth, kPreviewHeight);
    host.Open();
    host.Notify(kWeaponCombo, kFocusGained);
    EXPECT_TRUE(host.Ended());
    EXPECT_EQ(window_.endedAtEvent, afterARefusal ? 3 : 2);
    EXPECT_EQ(ReadBinaryFile(FolderFile()), "missing\\\n");
    // Ended, nothing renders or offers again.
    host.Notify(kCaptureButton, kClicked);
    EXPECT_EQ(host.Paint(), Plain(kDefaultFaceColor));
    EXPECT_FALSE(std::filesystem::exists(Capture(1)));
  }
  EXPECT_EQ(window_.folderMessages, (std::vector<std::string>{kNoFolder, kNoFolder, kNoProbe}));
  EXPECT_TRUE(window_.messages.empty());
}

}  // namespace
}  // namespace vestara::testing
