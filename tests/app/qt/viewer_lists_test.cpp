// The pictures beside the list entries, in the real Qt window.
#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QRadioButton>
#include <QtTest>
#include <memory>

#include "app/control_ids.h"
#include "app/qt/viewer_dialog.h"
#include "test_game.h"
#include "viewer_test_support.h"

namespace vestara::testing {

namespace {

// What an entry of a small frame shows, worked out pixel by pixel: the frame enlarged by the
// largest whole factor that fits the square, centred in it, drawn pixels only.
QImage ExpectedPicture(const SpriteGrid& grid, int side) {
  const int factor = side / std::max(grid.width, grid.height);
  const int left = (side - factor * grid.width) / 2;
  const int top = (side - factor * grid.height) / 2;
  QImage image(side, side, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  for (int y = 0; y < factor * grid.height; ++y) {
    for (int x = 0; x < factor * grid.width; ++x) {
      if (!grid.drawn[static_cast<std::size_t>(y / factor) * grid.width + x / factor]) continue;
      const Color color = GridColor(grid, x / factor, y / factor, 0);
      image.setPixel(left + x, top + y, qRgb(RedOf(color), GreenOf(color), BlueOf(color)));
    }
  }
  return image;
}

QImage Shown(const QComboBox& list, int position, int side) {
  return list.itemIcon(position)
      .pixmap(QSize(side, side))
      .toImage()
      .convertToFormat(QImage::Format_ARGB32);
}

// Whether `picture`'s opaque pixels appear, unscaled, somewhere in `image`.
bool Contains(const QImage& image, const QImage& picture) {
  for (int top = 0; top + picture.height() <= image.height(); ++top) {
    for (int left = 0; left + picture.width() <= image.width(); ++left) {
      bool all = true;
      for (int y = 0; y < picture.height() && all; ++y) {
        for (int x = 0; x < picture.width() && all; ++x) {
          const QRgb wanted = picture.pixel(x, y);
          all = qAlpha(wanted) == 0 || image.pixel(left + x, top + y) == wanted;
        }
      }
      if (all) return true;
    }
  }
  return false;
}

}  // namespace

class ViewerListsTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestGame> game_;
  const SpriteGrid weapon_ = PatternGrid(6, 4, 1);
  const SpriteGrid secondWeapon_ = PatternGrid(5, 5, 2);
  const SpriteGrid armor_ = PatternGrid(4, 6, 3);

 private slots:
  void init() {
    game_ = std::make_unique<TestGame>();
    game_->WriteArchive("Weapon.spr.NCS", {{LookupFrame(Weapon, 0), weapon_},
                                           {LookupFrame(Weapon, 1), secondWeapon_}});
    game_->WriteArchive("Armor102.spr.NCS", {{LookupFrame(Armor, 1), armor_}});
  }

  void cleanup() {
    CloseEveryWindow();
    game_.reset();
  }

  void entriesShowTheirFramesInTheRowsAndTheClosedField() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QComboBox* weapons = ControlOf<QComboBox>(dialog, kWeaponCombo);
    QTRY_VERIFY(!weapons->itemIcon(0).isNull());
    const ListPictureSides sides = dialog.PictureSides();
    QVERIFY(sides.row >= 2 * weapon_.width);
    QCOMPARE(weapons->iconSize(), QSize(sides.row, sides.row));
    QCOMPARE(Shown(*weapons, 0, sides.row), ExpectedPicture(weapon_, sides.row));
    QCOMPARE(Shown(*weapons, 1, sides.row), ExpectedPicture(secondWeapon_, sides.row));
    QCOMPARE(Shown(*weapons, 0, sides.field), ExpectedPicture(weapon_, sides.field));
    // Frames the archive does not hold: the label alone.
    QVERIFY(weapons->itemIcon(2).isNull());
    QVERIFY(ControlOf<QComboBox>(dialog, kArmorCombo)->itemIcon(1).isNull());
    // The closed list shows the field's picture as it is, never rescaled.
    QVERIFY(Contains(weapons->grab().toImage(), ExpectedPicture(weapon_, sides.field)));
    QCOMPARE(weapons->accessibleName(), QStringLiteral("武器"));
    QCOMPARE(ControlOf<QComboBox>(dialog, kShoesColorCombo)->accessibleName(),
             QStringLiteral("色"));
  }

  void armorEntriesFollowColourAndGender() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QComboBox* armor = ControlOf<QComboBox>(dialog, kArmorCombo);
    QComboBox* colors = ControlOf<QComboBox>(dialog, kArmorColorCombo);
    QTRY_VERIFY(!ControlOf<QComboBox>(dialog, kWeaponCombo)->itemIcon(0).isNull());
    armor->setCurrentIndex(1);
    colors->setCurrentIndex(2);
    QVERIFY(armor->itemIcon(1).isNull());
    QVERIFY(colors->itemIcon(2).isNull());
    QTest::mouseClick(dialog.findChild<QRadioButton*>(QString::number(int{kArmorFemaleRadio})),
                      Qt::LeftButton);
    const int side = dialog.PictureSides().row;
    QTRY_VERIFY(!armor->itemIcon(1).isNull());
    QCOMPARE(Shown(*armor, 1, side), ExpectedPicture(armor_, side));
    QVERIFY(!colors->itemIcon(2).isNull());
    QCOMPARE(Shown(*colors, 2, side), ExpectedPicture(armor_, side));
    QVERIFY(colors->itemIcon(1).isNull());
  }
};

}  // namespace vestara::testing

QTEST_MAIN(vestara::testing::ViewerListsTest)
#include "viewer_lists_test.moc"
