#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <optional>

#include "app/control_ids.h"
#include "app/qt/dialog_template.h"
#include "app/qt/dialog_units.h"
#include "app/qt/viewer_dialog.h"
#include "catalogue/frame_tables.h"
#include "catalogue/item_category.h"
#include "viewer_test_game.h"

namespace vestara::testing {

namespace {

constexpr Color kWhite = 0xFFFFFF;

QString NameOf(ControlId id) { return QString::number(static_cast<int>(id)); }

template <typename Widget>
Widget* ControlOf(const ViewerDialog& dialog, ControlId id) {
  return dialog.findChild<Widget*>(NameOf(id), Qt::FindDirectChildrenOnly);
}

// True when the surface shows `grid` at its origin, scaled by `zoom` (100, 200 or 300).
bool ShowsGrid(const PixelSurface& surface, const SpriteGrid& grid, Color background,
               int zoom = 100) {
  for (int y = 0; y < grid.height * zoom / 100; ++y) {
    for (int x = 0; x < grid.width * zoom / 100; ++x) {
      if (surface.GetPixel(x, y) != GridColor(grid, x * 100 / zoom, y * 100 / zoom, background)) {
        return false;
      }
    }
  }
  return true;
}

Color ColorOf(QRgb rgb) {
  return MakeColor(static_cast<std::uint8_t>(qRed(rgb)), static_cast<std::uint8_t>(qGreen(rgb)),
                   static_cast<std::uint8_t>(qBlue(rgb)));
}

bool ImageShowsGrid(const QImage& image, const SpriteGrid& grid, Color background, int zoom) {
  if (image.width() != grid.width * zoom / 100 || image.height() != grid.height * zoom / 100) {
    return false;
  }
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (ColorOf(image.pixel(x, y)) !=
          GridColor(grid, x * 100 / zoom, y * 100 / zoom, background)) {
        return false;
      }
    }
  }
  return true;
}

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
 public:
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
};

}  // namespace

class ViewerDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ViewerTestGame> game_;
  const SpriteGrid weapon_ = PatternGrid(20, 16, 1);
  const SpriteGrid secondWeapon_ = PatternGrid(12, 10, 2);
  const SpriteGrid shield_ = PatternGrid(18, 14, 3);

  // Shows the dialog and waits until it is active, so its first list has the focus.
  static void ShowActive(ViewerDialog& dialog) {
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
  }

 private slots:
  void init() {
    game_ = std::make_unique<ViewerTestGame>();
    game_->WriteArchive("Weapon.spr.NCS",
                        {{GetWeaponFrame(0), weapon_}, {GetWeaponFrame(1), secondWeapon_}});
    game_->WriteArchive("Shields.spr.NCS", {{GetShieldFrame(0), shield_}});
  }

  void cleanup() {
    for (QWidget* window : QApplication::topLevelWidgets()) window->close();
    game_.reset();
  }

  void controlsFollowTheTemplate() {
    ViewerDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("VestaraItemViewer"));
    const DialogBaseUnits units = BaseUnitsOf(dialog.font());
    QCOMPARE(dialog.size(), MapDialogRect(kDialogRect, units).size());

    QStringList labels;
    for (const TemplateControl& control : DialogTemplate()) {
      const QString caption =
          QString::fromUtf8(control.caption.data(), static_cast<qsizetype>(control.caption.size()));
      if (!control.id) {
        labels << caption;
        continue;
      }
      QWidget* widget = ControlOf<QWidget>(dialog, *control.id);
      QVERIFY2(widget != nullptr, qPrintable(NameOf(*control.id)));
      const QRect rect = MapDialogRect(control.rect, units);
      QCOMPARE(widget->pos(), rect.topLeft());
      QCOMPARE(widget->width(), rect.width());
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        QCOMPARE(button->text(), caption);
      }
      if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        QVERIFY(!combo->isEditable());
        QVERIFY(widget->height() < rect.height());  // closed, without the dropped list
      }
    }
    QStringList shownLabels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) shownLabels << label->text();
    QCOMPARE(shownLabels, labels);

    QVERIFY(ControlOf<QPushButton>(dialog, kCaptureButton)->isDefault());
    QVERIFY(ControlOf<QLineEdit>(dialog, kStatusEdit)->isReadOnly());
    QVERIFY(ControlOf<QRadioButton>(dialog, kArmorMaleRadio)->isChecked());
    QVERIFY(ControlOf<QRadioButton>(dialog, kShoesMaleRadio)->isChecked());
  }

  void listsHoldTheCatalogue_data() {
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("entries");
    QTest::newRow("weapon") << int{kWeaponCombo} << 96;
    QTest::newRow("shield") << int{kShieldCombo} << 17;
    QTest::newRow("armor") << int{kArmorCombo} << 61;
    QTest::newRow("armor colour") << int{kArmorColorCombo} << 5;
    QTest::newRow("shoes") << int{kShoesCombo} << 21;
    QTest::newRow("shoes colour") << int{kShoesColorCombo} << 7;
    QTest::newRow("ring") << int{kRingCombo} << 65;
    QTest::newRow("necklace") << int{kNecklaceCombo} << 54;
    QTest::newRow("soul") << int{kSoulCombo} << 23;
    QTest::newRow("background") << int{kBackgroundCombo} << 4;
  }

  void listsHoldTheCatalogue() {
    QFETCH(int, list);
    QFETCH(int, entries);
    ViewerDialog dialog;
    const QComboBox* combo = ControlOf<QComboBox>(dialog, static_cast<ControlId>(list));
    QCOMPARE(combo->count(), entries);
    QCOMPARE(combo->currentIndex(), 0);
  }

  void backgroundListShowsItsColours() {
    ViewerDialog dialog;
    const QComboBox* combo = ControlOf<QComboBox>(dialog, kBackgroundCombo);
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
    QCOMPARE(texts, QStringList({"白", "紫", "緑", "黒"}));
  }

  void tabOrderIsTemplateOrder() {
    ViewerDialog dialog;
    const QList<ControlId> expected = {
        kWeaponCombo,      kShieldCombo,   kArmorCombo,      kArmorColorCombo, kArmorMaleRadio,
        kArmorFemaleRadio, kShoesCombo,    kShoesColorCombo, kShoesMaleRadio,  kShoesFemaleRadio,
        kRingCombo,        kNecklaceCombo, kSoulCombo,       kBackgroundCombo, kStatusEdit,
        kCaptureButton,    kZoomOutButton, kZoomInButton};
    QList<ControlId> chain;
    QWidget* widget = ControlOf<QWidget>(dialog, kWeaponCombo);
    do {
      if ((widget->focusPolicy() & Qt::TabFocus) != 0) {
        chain << static_cast<ControlId>(widget->objectName().toInt());
      }
      widget = widget->nextInFocusChain();
    } while (widget != ControlOf<QWidget>(dialog, kWeaponCombo));
    QCOMPARE(chain, expected);
  }

  void initialFocusShowsTheFirstWeapon() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QCOMPARE(QApplication::focusWidget(), ControlOf<QWidget>(dialog, kWeaponCombo));
    QCOMPARE(dialog.Dialog().State().category, std::int32_t{Weapon});
    QCOMPARE(dialog.Dialog().State().frameWidth, weapon_.width);
    QVERIFY(ShowsGrid(dialog.PreviewSurface(), weapon_, kWhite));
    QVERIFY(ControlOf<QPushButton>(dialog, kZoomInButton)->isEnabled());
    QVERIFY(ControlOf<QPushButton>(dialog, kZoomOutButton)->isEnabled());
    QVERIFY(ControlOf<QLineEdit>(dialog, kStatusEdit)->text().isEmpty());
  }

  void tabIntoTheShieldListShowsTheShield() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QTest::keyClick(ControlOf<QWidget>(dialog, kWeaponCombo), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), ControlOf<QWidget>(dialog, kShieldCombo));
    QCOMPARE(dialog.Dialog().State().category, std::int32_t{Shield});
    QCOMPARE(dialog.Dialog().State().archiveName, std::string("Shields.spr.NCS"));
    QVERIFY(ShowsGrid(dialog.PreviewSurface(), shield_, kWhite));
  }

  void keyboardSelectionShowsTheChosenItem() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QTest::keyClick(ControlOf<QWidget>(dialog, kWeaponCombo), Qt::Key_Down);
    QCOMPARE(dialog.CurrentSelection(kWeaponCombo), 1);
    QVERIFY(ShowsGrid(dialog.PreviewSurface(), secondWeapon_, kWhite));
  }

  void selectingAnEntryFromTheDialogNotifiesNobody() {
    ViewerDialog dialog;
    ShowActive(dialog);
    dialog.SelectEntry(kShieldCombo, 2);
    QCOMPARE(dialog.CurrentSelection(kShieldCombo), 2);
    QCOMPARE(dialog.Dialog().State().category, std::int32_t{Weapon});
  }

  void genderClickSwitchesToThatArchive() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QTest::mouseClick(ControlOf<QWidget>(dialog, kArmorFemaleRadio), Qt::LeftButton);
    QCOMPARE(dialog.Dialog().State().category, std::int32_t{Armor});
    QCOMPARE(dialog.Dialog().State().archiveName, std::string("Armor100.spr.NCS"));
    QCOMPARE(dialog.CheckedRadio(kArmorMaleRadio), 1);
  }

  void enterCaptures() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QTest::keyClick(ControlOf<QWidget>(dialog, kWeaponCombo), Qt::Key_Return);
    QCOMPARE(ControlOf<QLineEdit>(dialog, kStatusEdit)->text(),
             QStringLiteral("Save as :G0000001.bmp"));
    QVERIFY(ImageShowsGrid(QImage(QStringLiteral("G0000001.bmp")), weapon_, kWhite, 100));
  }

  void zoomButtonsStepAndReport() {
    ViewerDialog dialog;
    ShowActive(dialog);
    auto* zoomOut = ControlOf<QPushButton>(dialog, kZoomOutButton);
    auto* zoomIn = ControlOf<QPushButton>(dialog, kZoomInButton);
    auto* status = ControlOf<QLineEdit>(dialog, kStatusEdit);

    QTest::mouseClick(zoomOut, Qt::LeftButton);
    QCOMPARE(dialog.Dialog().State().zoomPercent, std::int16_t{50});
    QVERIFY(!zoomOut->isEnabled());
    QVERIFY(zoomIn->isEnabled());
    QCOMPARE(status->text(), QStringLiteral("Zoom :50%"));

    for (int click = 0; click < 3; ++click) QTest::mouseClick(zoomIn, Qt::LeftButton);
    QCOMPARE(dialog.Dialog().State().zoomPercent, std::int16_t{300});
    QVERIFY(!zoomIn->isEnabled());
    QVERIFY(zoomOut->isEnabled());
    QCOMPARE(status->text(), QStringLiteral("Zoom :300%"));
    QVERIFY(ShowsGrid(dialog.PreviewSurface(), weapon_, kWhite, 300));
  }

  void disablingTheFocusedZoomButtonFocusesNoList() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QTest::keyClick(ControlOf<QWidget>(dialog, kWeaponCombo), Qt::Key_Tab);
    auto* zoomIn = ControlOf<QPushButton>(dialog, kZoomInButton);
    for (int click = 0; click < 2; ++click) QTest::mouseClick(zoomIn, Qt::LeftButton);
    QVERIFY(!zoomIn->isEnabled());
    QCOMPARE(dialog.Dialog().State().category, std::int32_t{Shield});
    // Enter still presses the capture button.
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(ImageShowsGrid(QImage(QStringLiteral("G0000001.bmp")), shield_, kWhite, 300));
  }

  void escapeEndsTheDialog() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QTest::keyClick(ControlOf<QWidget>(dialog, kWeaponCombo), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int{QDialog::Rejected});
  }

  void closeBoxEndsTheDialog() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QVERIFY(dialog.close());
    QVERIFY(!dialog.isVisible());
  }

  void paintAfterAHandlersRenderDoesNotRenderAgain() {
    ViewerDialog dialog;
    ShowActive(dialog);
    PaintCounter paints;
    dialog.installEventFilter(&paints);
    QTest::mouseClick(ControlOf<QWidget>(dialog, kZoomInButton), Qt::LeftButton);
    QVERIFY(ShowsGrid(dialog.PreviewSurface(), weapon_, kWhite, 200));

    // A render now would read the changed archive.
    game_->WriteArchive("Weapon.spr.NCS", {{GetWeaponFrame(0), shield_}});
    QTRY_VERIFY(paints.count > 0);
    QVERIFY(ShowsGrid(dialog.PreviewSurface(), weapon_, kWhite, 200));

    // Any other paint renders anew.
    dialog.repaint();
    QVERIFY(ShowsGrid(dialog.PreviewSurface(), shield_, kWhite, 200));
  }

  void repaintingAControlDoesNotRender() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QTRY_VERIFY(ShowsGrid(dialog.PreviewSurface(), weapon_, kWhite));
    game_->WriteArchive("Weapon.spr.NCS", {{GetWeaponFrame(0), shield_}});
    auto* status = ControlOf<QLineEdit>(dialog, kStatusEdit);
    PaintCounter paints;
    status->installEventFilter(&paints);
    status->setText(QStringLiteral("repainted"));
    QTRY_VERIFY(paints.count > 0);
    QVERIFY(ShowsGrid(dialog.PreviewSurface(), weapon_, kWhite));
  }

  void missingFolderIsReportedOnceAndEndsTheDialog() {
    game_->RemoveFolderFile();
    // Keeps the search for a default install inside the test's folder.
    const QByteArray previousPrefix = qgetenv("WINEPREFIX");
    qputenv("WINEPREFIX", (game_->Root() + QStringLiteral("/wine")).toUtf8());
    int messages = 0;
    QString text;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        ++messages;
        text = box->text();
        box->button(QMessageBox::Ok)->click();
      }
    });
    closer.start(10);

    ViewerDialog dialog;
    dialog.show();
    QTRY_VERIFY(!dialog.isVisible());
    // Events the closing box left behind get their chance to render again.
    QCoreApplication::processEvents();
    qputenv("WINEPREFIX", previousPrefix);
    QCOMPARE(messages, 1);
    QCOMPARE(text, QStringLiteral("ヴェスタラフォルダのパスを設定してください。"));
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
  }
};

}  // namespace vestara::testing

QTEST_MAIN(vestara::testing::ViewerDialogTest)
#include "viewer_dialog_test.moc"
