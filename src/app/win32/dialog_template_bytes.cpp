#include "app/win32/dialog_template_bytes.h"

#include <windows.h>

#include <algorithm>
#include <string_view>

#include "app/dialog_template.h"
#include "app/entry_pictures.h"
#include "platform/windows/wide_text.h"

namespace vestara {
namespace {

// The predefined window classes, by atom.
constexpr std::uint16_t kButtonClass = 0x0080;
constexpr std::uint16_t kEditClass = 0x0081;
constexpr std::uint16_t kStaticClass = 0x0082;
constexpr std::uint16_t kComboBoxClass = 0x0085;
// Labels share the id Windows gives controls that are never addressed.
constexpr DWORD kNoId = 0xFFFF;

struct ControlClass {
  std::uint16_t atom;
  DWORD style;
};

ControlClass ClassOf(TemplateControlKind kind) {
  constexpr DWORD kShown = WS_CHILD | WS_VISIBLE;
  switch (kind) {
    case TemplateControlKind::Label:
      return {kStaticClass, kShown | SS_LEFT};
    case TemplateControlKind::VCentredLabel:
      return {kStaticClass, kShown | SS_LEFT | SS_CENTERIMAGE};
    case TemplateControlKind::Combo:
      return {kComboBoxClass, kShown | CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
    case TemplateControlKind::GroupRadio:
      return {kButtonClass, kShown | BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP};
    case TemplateControlKind::Radio:
      return {kButtonClass, kShown | BS_AUTORADIOBUTTON};
    case TemplateControlKind::StatusEdit:
      return {kEditClass, kShown | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY | WS_BORDER | WS_TABSTOP};
    case TemplateControlKind::Button:
      return {kButtonClass, kShown | BS_PUSHBUTTON | WS_TABSTOP};
    case TemplateControlKind::DefaultButton:
      return {kButtonClass, kShown | BS_DEFPUSHBUTTON | WS_TABSTOP};
    case TemplateControlKind::Picture:
      // Never shown: the dialog paints the preview from its corner on.
      return {kStaticClass, WS_CHILD | SS_LEFT};
  }
  return {kStaticClass, kShown};
}

class TemplateWriter {
 public:
  void Word(std::uint16_t value) { words_.push_back(value); }
  void Dword(std::uint32_t value) {
    Word(static_cast<std::uint16_t>(value));
    Word(static_cast<std::uint16_t>(value >> 16));
  }
  void Rect(const DialogUnitRect& rect) {
    for (const int value : {rect.x, rect.y, rect.width, rect.height})
      Word(static_cast<std::uint16_t>(static_cast<std::int16_t>(value)));
  }
  void Text(std::string_view utf8) {
    for (const wchar_t c : WideFromUtf8(utf8)) Word(static_cast<std::uint16_t>(c));
    Word(0);
  }
  // Each item starts on a DWORD boundary.
  void AlignToDword() {
    if (words_.size() % 2 != 0) Word(0);
  }
  std::vector<std::uint16_t> Take() { return std::move(words_); }

 private:
  std::vector<std::uint16_t> words_;
};

}  // namespace

std::vector<std::uint16_t> BuildDialogTemplate(std::string_view face) {
  const auto controls = DialogTemplate();
  TemplateWriter out;
  out.Word(1);       // dlgVer
  out.Word(0xFFFF);  // signature: the extended template
  out.Dword(0);      // helpID
  out.Dword(0);      // exStyle
  out.Dword(DS_SETFONT | DS_MODALFRAME | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU |
            WS_MINIMIZEBOX);
  out.Word(static_cast<std::uint16_t>(controls.size()));
  out.Rect(kDialogRect);
  out.Word(0);  // no menu
  out.Word(0);  // the predefined dialog class
  out.Text(kDialogCaption);
  out.Word(kDialogFontPointSize);
  out.Word(FW_NORMAL);
  out.Word(static_cast<std::uint16_t>(SHIFTJIS_CHARSET << 8));  // not italic; the charset
  out.Text(face);

  for (const TemplateControl& control : controls) {
    ControlClass kind = ClassOf(control.kind);
    if (control.id && std::ranges::find(PictureLists(), *control.id) != PictureLists().end()) {
      // Drawn by the dialog, to show each entry's picture beside its label.
      kind.style |= CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    }
    out.AlignToDword();
    out.Dword(0);  // helpID
    out.Dword(0);  // exStyle
    out.Dword(kind.style);
    out.Rect(control.rect);
    out.Dword(control.id ? static_cast<DWORD>(*control.id) : kNoId);
    out.Word(0xFFFF);
    out.Word(kind.atom);
    out.Text(control.caption);
    out.Word(0);  // no creation data
  }
  return out.Take();
}

}  // namespace vestara
