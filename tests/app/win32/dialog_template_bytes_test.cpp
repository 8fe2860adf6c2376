#include "app/win32/dialog_template_bytes.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/dialog_template.h"
#include "platform/windows/wide_text.h"

namespace vestara {
namespace {

// Reads the template back the way the dialog manager walks it.
class TemplateReader {
 public:
  explicit TemplateReader(const std::vector<std::uint16_t>& words) : words_(words) {}

  std::uint16_t Word() { return words_.at(at_++); }
  std::uint32_t Dword() {
    const std::uint32_t low = Word();
    return low | (std::uint32_t{Word()} << 16);
  }
  DialogUnitRect Rect() {
    DialogUnitRect rect;
    for (int* value : {&rect.x, &rect.y, &rect.width, &rect.height})
      *value = static_cast<std::int16_t>(Word());
    return rect;
  }
  std::string Text() {
    std::wstring text;
    while (const std::uint16_t c = Word()) text += static_cast<wchar_t>(c);
    return Utf8FromWide(text);
  }
  bool AtDword() const { return at_ % 2 == 0; }
  void AlignToDword() { at_ += at_ % 2; }
  bool AtEnd() const { return at_ == words_.size(); }

 private:
  const std::vector<std::uint16_t>& words_;
  std::size_t at_ = 0;
};

bool SameRect(const DialogUnitRect& a, const DialogUnitRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

// The whole template in the face `face`, read back item by item.
void ExpectTemplateIn(std::string_view face) {
  SCOPED_TRACE(face);
  const std::vector<std::uint16_t> words = BuildDialogTemplate(face);
  TemplateReader in(words);
  EXPECT_EQ(in.Word(), 1);       // version
  EXPECT_EQ(in.Word(), 0xFFFF);  // extended
  in.Dword();
  in.Dword();
  const std::uint32_t style = in.Dword();
  EXPECT_NE(style & DS_SETFONT, 0u);
  EXPECT_NE(style & WS_CAPTION, 0u);
  EXPECT_EQ(in.Word(), DialogTemplate().size());
  EXPECT_TRUE(SameRect(in.Rect(), kDialogRect));
  EXPECT_EQ(in.Word(), 0);  // menu
  EXPECT_EQ(in.Word(), 0);  // class
  EXPECT_EQ(in.Text(), kDialogCaption);
  EXPECT_EQ(in.Word(), kDialogFontPointSize);
  in.Word();  // weight
  EXPECT_EQ(in.Word() >> 8, SHIFTJIS_CHARSET);
  EXPECT_EQ(in.Text(), face);

  for (const TemplateControl& control : DialogTemplate()) {
    SCOPED_TRACE(control.caption);
    in.AlignToDword();
    ASSERT_TRUE(in.AtDword());
    in.Dword();
    in.Dword();
    const std::uint32_t controlStyle = in.Dword();
    EXPECT_TRUE(SameRect(in.Rect(), control.rect));
    EXPECT_EQ(in.Dword(), control.id ? static_cast<std::uint32_t>(*control.id) : 0xFFFFu);
    EXPECT_EQ(in.Word(), 0xFFFF);  // a predefined class by atom
    const std::uint16_t atom = in.Word();
    EXPECT_EQ(in.Text(), control.caption);
    EXPECT_EQ(in.Word(), 0);  // no creation data
    // Everything the user works with is a tab stop; labels and the picture are not.
    const bool tabStop = control.kind != TemplateControlKind::Label &&
                         control.kind != TemplateControlKind::VCentredLabel &&
                         control.kind != TemplateControlKind::Radio &&
                         control.kind != TemplateControlKind::Picture;
    EXPECT_EQ((controlStyle & WS_TABSTOP) != 0, tabStop);
    EXPECT_EQ((controlStyle & WS_VISIBLE) != 0, control.kind != TemplateControlKind::Picture);
    if (control.kind == TemplateControlKind::Combo) {
      EXPECT_EQ(atom, 0x0085);
      EXPECT_EQ(controlStyle & 0x3, static_cast<std::uint32_t>(CBS_DROPDOWNLIST));
      // Every list but the background's draws its entries' pictures.
      const std::uint32_t drawn = CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
      EXPECT_EQ(controlStyle & (drawn | CBS_OWNERDRAWVARIABLE | CBS_SORT),
                *control.id == kBackgroundCombo ? 0u : drawn);
    }
    if (control.kind == TemplateControlKind::DefaultButton) {
      EXPECT_EQ(controlStyle & 0xF, static_cast<std::uint32_t>(BS_DEFPUSHBUTTON));
    }
  }
  EXPECT_TRUE(in.AtEnd());
}

TEST(DialogTemplateBytesTest, HoldsEveryControlInTabOrderWithItsCaptionAndRect) {
  ExpectTemplateIn(kDialogFontFamily);
}

// A face of another length moves every item after it; each stays DWORD-aligned.
TEST(DialogTemplateBytesTest, KeepsEveryControlInAnotherFace) {
  ExpectTemplateIn("MS UI Gothic");
  ExpectTemplateIn("Meiryo UI");
}

// Where the face name starts: after the header's 15 WORDs, the caption and its terminator,
// and the point size, weight and italic/charset WORDs.
std::size_t FaceStart() { return 15 + WideFromUtf8(kDialogCaption).size() + 1 + 3; }

std::vector<std::uint16_t> FromAlignedEnd(const std::vector<std::uint16_t>& words,
                                          std::size_t faceEnd) {
  return {words.begin() + static_cast<std::ptrdiff_t>(faceEnd + faceEnd % 2), words.end()};
}

TEST(DialogTemplateBytesTest, DiffersInTheFaceNameAlone) {
  const std::vector<std::uint16_t> ours = BuildDialogTemplate(kDialogFontFamily);
  const std::vector<std::uint16_t> other = BuildDialogTemplate("Yu Gothic UI");
  const std::wstring ourFace = WideFromUtf8(kDialogFontFamily);
  const std::wstring otherFace = L"Yu Gothic UI";
  const std::size_t start = FaceStart();
  ASSERT_GT(ours.size(), start + ourFace.size());
  ASSERT_GT(other.size(), start + otherFace.size());
  EXPECT_TRUE(
      std::equal(ours.begin(), ours.begin() + static_cast<std::ptrdiff_t>(start), other.begin()));
  for (std::size_t i = 0; i <= ourFace.size(); ++i)
    EXPECT_EQ(ours[start + i], i < ourFace.size() ? ourFace[i] : 0) << i;
  for (std::size_t i = 0; i <= otherFace.size(); ++i)
    EXPECT_EQ(other[start + i], i < otherFace.size() ? otherFace[i] : 0) << i;
  // The controls follow on the next DWORD boundary, the same in both.
  EXPECT_EQ(FromAlignedEnd(ours, start + ourFace.size() + 1),
            FromAlignedEnd(other, start + otherFace.size() + 1));
}

}  // namespace
}  // namespace vestara
