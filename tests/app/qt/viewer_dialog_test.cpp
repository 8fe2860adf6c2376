#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <memory>

#include "app/control_ids.h"
#include "app/dialog_template.h"
#include "app/qt/dialog_units.h"
#include "app/qt/own_folder.h"
#include "app/qt/viewer_dialog.h"
#include "render/view_geometry.h"
#include "test_game.h"
#include "viewer_test_support.h"

namespace vestara::testing {

namespace {

// True when the preview shows `picture` on white at `zoom`, in the face colour around it.
bool Shows(ViewerDialog& dialog, const SpriteGrid& picture, int zoom = 100) {
  const PixelSurface& preview = dialog.Host().PreviewSurface();
  return preview == ScaledPicture(picture, 0xFFFFFF, zoom, preview.Width(), preview.Height(),
                                  kDefaultFaceColor);
}

// True when the capture `name` holds `picture` on white at `zoom` (100 % or more).
bool Captured(const char* name, const SpriteGrid& picture, int zoom) {
  return ReadCapture(name) == ScaledPicture(picture, 0xFFFFFF, zoom, picture.width * zoom / 100,
                                            picture.height * zoom / 100);
}

}  // namespace

class ViewerDialogTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestGame> game_;
  const SpriteGrid weapon_ = PatternGrid(20, 16, 1);
  const SpriteGrid secondWeapon_ = PatternGrid(12, 10, 2);
  const SpriteGrid shield_ = PatternGrid(18, 14, 3);

 private slots:
  void init() {
    game_ = std::make_unique<TestGame>();
    game_->WriteArchive("Weapon.spr.NCS", {{LookupFrame(Weapon, 0), weapon_},
                                           {LookupFrame(Weapon, 1), secondWeapon_}});
    game_->WriteArchive("Shields.spr.NCS", {{LookupFrame(Shield, 0), shield_}});
  }

  void cleanup() {
    CloseEveryWindow();
    game_.reset();
  }

  void controlsFollowTheTemplate() {
    ViewerDialog dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("VestaraItemViewer"));
    const DialogBaseUnits units = BaseUnitsOf(dialog.font());
    QCOMPARE(dialog.size(), MapDialogRect(kDialogRect, units).size());
    QStringList labels;
    for (const TemplateControl& control : DialogTemplate()) {
      const QString caption = QString::fromUtf8(control.caption);
      if (!control.id) {
        labels << caption;
        continue;
      }
      QWidget* widget = ControlOf(dialog, *control.id);
      QVERIFY2(widget != nullptr, qPrintable(caption));
      const QRect rect = MapDialogRect(control.rect, units);
      QCOMPARE(widget->pos(), rect.topLeft());
      QCOMPARE(widget->width(), rect.width());
      if (auto* button = qobject_cast<QAbstractButton*>(widget)) QCOMPARE(button->text(), caption);
    }
    QStringList shownLabels;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) shownLabels << label->text();
    QCOMPARE(shownLabels, labels);

    QCOMPARE(ControlOf<QComboBox>(dialog, kWeaponCombo)->count(), 96);
    QCOMPARE(ControlOf<QComboBox>(dialog, kBackgroundCombo)->itemText(3), QStringLiteral("黒"));
    QVERIFY(ControlOf<QLineEdit>(dialog, kStatusEdit)->isReadOnly());

    const QList<ControlId> tabOrder = {
        kWeaponCombo,      kShieldCombo,   kArmorCombo,      kArmorColorCombo, kArmorMaleRadio,
        kArmorFemaleRadio, kShoesCombo,    kShoesColorCombo, kShoesMaleRadio,  kShoesFemaleRadio,
        kRingCombo,        kNecklaceCombo, kSoulCombo,       kBackgroundCombo, kStatusEdit,
        kCaptureButton,    kZoomOutButton, kZoomInButton};
    // Once round the chain and back to the first.
    QList<ControlId> chain;
    for (QWidget* widget = ControlOf(dialog, kWeaponCombo); chain.size() <= tabOrder.size();
         widget = widget->nextInFocusChain()) {
      if ((widget->focusPolicy() & Qt::TabFocus) != 0)
        chain << ControlId(widget->objectName().toInt());
    }
    QCOMPARE(chain, tabOrder + QList<ControlId>{kWeaponCombo});
  }

  void keysSelectCaptureAndMoveOn() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QCOMPARE(QApplication::focusWidget(), ControlOf(dialog, kWeaponCombo));
    QVERIFY(Shows(dialog, weapon_));
    QTest::keyClick(ControlOf(dialog, kWeaponCombo), Qt::Key_Down);
    QVERIFY(Shows(dialog, secondWeapon_));
    QTest::keyClick(ControlOf(dialog, kWeaponCombo), Qt::Key_Return);
    QCOMPARE(ControlOf<QLineEdit>(dialog, kStatusEdit)->text(),
             QStringLiteral("Save as :G0000001.bmp"));
    QVERIFY(Captured("G0000001.bmp", secondWeapon_, 100));

    QTest::keyClick(ControlOf(dialog, kWeaponCombo), Qt::Key_Tab);
    QVERIFY(Shows(dialog, shield_));
    // Only the user's choices notify.
    dialog.SelectEntry(kWeaponCombo, 0);
    QCOMPARE(dialog.Host().Dialog().State().category, std::int32_t{Shield});
    QTest::mouseClick(ControlOf(dialog, kArmorFemaleRadio), Qt::LeftButton);
    QCOMPARE(dialog.Host().Dialog().State().archiveName, std::string("Armor100.spr.NCS"));
    QTest::keyClick(ControlOf(dialog, kArmorFemaleRadio), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int{QDialog::Rejected});
  }

  // item-names.csv in the working directory names weapon 5: that entry alone shows it.
  void aNamedItemShowsItsNameAtItsPositionAlone() {
    const QString name = QStringLiteral("炎の剣");
    WriteBinaryFile(game_->Root() / "item-names.csv",
                    "category,position,label\nweapon,5," + name.toStdString() + "\n");
    ViewerDialog dialog;
    QCOMPARE(ControlOf<QComboBox>(dialog, kWeaponCombo)->itemText(5), name);
    int shown = 0;
    for (const QComboBox* list : dialog.findChildren<QComboBox*>()) {
      for (int i = 0; i < list->count(); ++i) shown += list->itemText(i) == name ? 1 : 0;
    }
    QCOMPARE(shown, 1);
  }

  void zoomButtonsStepWhileEnterStillCaptures() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QTest::keyClick(ControlOf(dialog, kWeaponCombo), Qt::Key_Tab);
    auto* zoomOut = ControlOf<QPushButton>(dialog, kZoomOutButton);
    auto* zoomIn = ControlOf<QPushButton>(dialog, kZoomInButton);
    auto* status = ControlOf<QLineEdit>(dialog, kStatusEdit);

    QTest::mouseClick(zoomOut, Qt::LeftButton);
    QVERIFY(!zoomOut->isEnabled() && zoomIn->isEnabled());
    QCOMPARE(status->text(), QStringLiteral("Zoom :50%"));
    // The last click disables the focused button; no list may take the focus and render.
    for (int click = 0; click < 3; ++click) QTest::mouseClick(zoomIn, Qt::LeftButton);
    QVERIFY(zoomOut->isEnabled() && !zoomIn->isEnabled());
    QCOMPARE(status->text(), QStringLiteral("Zoom :300%"));
    QVERIFY(Shows(dialog, shield_, 300));
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(Captured("G0000001.bmp", shield_, 300));
    QVERIFY(dialog.close());
    QVERIFY(!dialog.isVisible());
  }

  void paintsThatShowARenderDoNotRenderAgain() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QTest::mouseClick(ControlOf(dialog, kZoomInButton), Qt::LeftButton);
    // From here a render would show the changed archive.
    game_->WriteArchive("Weapon.spr.NCS", {{LookupFrame(Weapon, 0), shield_}});
    dialog.repaint();
    QVERIFY(Shows(dialog, weapon_, 200));
    // Neither does the repaint of a control.
    auto* status = ControlOf<QLineEdit>(dialog, kStatusEdit);
    status->setText(QStringLiteral("repainted"));
    status->repaint();
    QVERIFY(Shows(dialog, weapon_, 200));
    // Any other paint of the dialog renders anew.
    dialog.repaint();
    QVERIFY(Shows(dialog, shield_, 200));
  }

  // The window shows the icon the desktop entry installs, in each of its sizes, from
  // right after its first picture.
  void windowCarriesTheInstalledIcon() {
    ViewerDialog dialog;
    ShowActive(dialog);
    QTRY_VERIFY(!dialog.windowIcon().isNull());
    const QList<QSize> sizes = dialog.windowIcon().availableSizes();
    for (const int size : {16, 32, 48, 64, 128, 256}) QVERIFY(sizes.contains(QSize(size, size)));
  }

  // Started from the menu, the message also says where filepath.txt is expected.
  void missingFolderIsReportedOnceAndEndsTheDialog_data() {
    QTest::addColumn<QString>("detail");
    QTest::newRow("from a terminal") << QString();
    QTest::newRow("from the menu") << QStringLiteral("/home/user/Pictures/Vestara/filepath.txt");
  }

  void missingFolderIsReportedOnceAndEndsTheDialog() {
    QFETCH(QString, detail);
    std::filesystem::remove(game_->Root() / "filepath.txt");
    // Keeps the search for a default install inside the test's folder.
    ScopedEnvironmentVariable prefix("WINEPREFIX", (game_->Root() / "wine").string());
    QStringList texts;
    QStringList details;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts << box->text();
        details << box->informativeText();
        box->button(QMessageBox::Ok)->click();
      }
    });
    closer.start(10);

    ViewerDialog dialog;
    dialog.SetMessageDetail(detail);
    dialog.show();
    QTRY_VERIFY(!dialog.isVisible());
    // Events the closing box left behind get their chance to render again.
    QCoreApplication::processEvents();
    QCOMPARE(texts, QStringList{QStringLiteral("ヴェスタラフォルダのパスを設定してください。")});
    QCOMPARE(details, QStringList{detail});
    QCOMPARE(dialog.result(), int{QDialog::Accepted});
  }

  // The menu entry's folder lies in the user's pictures folder and is made on first use; a
  // folder that cannot be made is named in the error and the working directory stays.
  void ownFolderIsMadeOnFirstUseAndEntered() {
    const std::filesystem::path home = game_->Root() / "home";
    ScopedEnvironmentVariable homeVariable("HOME", home.string());
    ScopedEnvironmentVariable config("XDG_CONFIG_HOME", (home / "config").string());
    WriteBinaryFile(home / "config" / "user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    const std::filesystem::path own = home / "Bilder" / "Vestara";
    ScopedWorkingDirectory start(home);
    for (int run = 0; run < 2; ++run) {
      std::filesystem::current_path(home);
      QCOMPARE(EnterOwnFolder(), QString());
      QCOMPARE(std::filesystem::current_path(), own);
    }

    std::filesystem::current_path(home);
    std::filesystem::remove_all(own);
    WriteBinaryFile(own, "");
    QVERIFY(EnterOwnFolder().endsWith(QString::fromStdString(own.string())));
    QCOMPARE(std::filesystem::current_path(), home);
  }
};

}  // namespace vestara::testing

QTEST_MAIN(vestara::testing::ViewerDialogTest)
#include "viewer_dialog_test.moc"
