#include "app/dialog_template.h"

#include <array>
#include <vector>

namespace vestara {
namespace {

using enum TemplateControlKind;

constexpr std::array<TemplateControl, 29> kTemplate{{
    {std::nullopt, Label, "武器", {7, 9, 22, 10}},
    {std::nullopt, Label, "盾", {7, 23, 22, 10}},
    {std::nullopt, Label, "鎧・服", {7, 38, 22, 10}},
    {std::nullopt, Label, "色", {7, 51, 15, 10}},
    {std::nullopt, Label, "靴", {8, 80, 15, 10}},
    {std::nullopt, Label, "色", {8, 94, 18, 10}},
    {std::nullopt, Label, "指輪", {7, 124, 18, 10}},
    {std::nullopt, Label, "ネクレ", {7, 138, 18, 10}},
    {std::nullopt, Label, "魂", {7, 151, 18, 10}},
    {std::nullopt, VCentredLabel, "背景色", {7, 163, 23, 12}},
    {kWeaponCombo, Combo, "", {30, 7, 90, 117}},
    {kShieldCombo, Combo, "", {30, 21, 90, 117}},
    {kArmorCombo, Combo, "", {30, 35, 90, 117}},
    {kArmorColorCombo, Combo, "", {30, 49, 90, 117}},
    {kArmorMaleRadio, GroupRadio, "男", {31, 64, 25, 13}},
    {kArmorFemaleRadio, Radio, "女", {59, 64, 25, 13}},
    {kShoesCombo, Combo, "", {30, 77, 90, 117}},
    {kShoesColorCombo, Combo, "", {30, 91, 90, 117}},
    {kShoesMaleRadio, GroupRadio, "男", {31, 106, 25, 13}},
    {kShoesFemaleRadio, Radio, "女", {59, 106, 25, 13}},
    {kRingCombo, Combo, "", {30, 121, 90, 117}},
    {kNecklaceCombo, Combo, "", {30, 135, 90, 117}},
    {kSoulCombo, Combo, "", {30, 149, 90, 117}},
    {kBackgroundCombo, Combo, "", {30, 163, 90, 117}},
    {kStatusEdit, StatusEdit, "", {123, 8, 84, 12}},
    {kCaptureButton, DefaultButton, "撮影", {211, 7, 41, 19}},
    {kPicture, Picture, "", {123, 32, 13, 14}},
    {kZoomOutButton, Button, "縮小", {254, 7, 40, 19}},
    {kZoomInButton, Button, "拡大", {294, 7, 40, 19}},
}};

}  // namespace

std::span<const TemplateControl> DialogTemplate() { return kTemplate; }

std::string_view ListCaption(ControlId list) {
  // The labels stand in the template in the order of the lists they name.
  std::vector<std::string_view> captions;
  int lists = 0;
  for (const TemplateControl& control : kTemplate) {
    if (control.kind == Label || control.kind == VCentredLabel) captions.push_back(control.caption);
    if (control.kind != Combo) continue;
    if (control.id == list) return lists < std::ssize(captions) ? captions[lists] : "";
    ++lists;
  }
  return "";
}

}  // namespace vestara
