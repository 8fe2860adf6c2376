// The copy keys and the window that grows to show the whole picture, in the real Qt window.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "app/control_ids.h"
#include "app/qt/viewer_dialog.h"
#include "support/decoded_image.h"
#include "test_game.h"
#include "viewer_test_support.h"

namespace vestara::testing {

namespace {

std::optional<DecodedImage> ClipboardPng() {
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  if (mime == nullptr || !mime->hasFormat(QStringLiteral("image/png"))) return std::nullopt;
  const QByteArray png = mime->data(QStringLiteral("image/png"));
  return DecodeImageBytes(std::span(reinterpret_cast<const std::uint8_t*>(png.constData()),
                                    static_cast<std::size_t>(png.size())));
}

}  // namespace

class ViewerCopyTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TestGame> game_;
  const SpriteGrid weapon_ = PatternGrid(20, 16, 1);
  const SpriteGrid large_ = PatternGrid(200, 190, 2);

 private slots:
  void init() {
    game_ = std::make_unique<TestGame>();
    game_->WriteArchive("Weapon.spr.NCS",
                        {{LookupFrame(Weapon, 0), weapon_}, {LookupFrame(Weapon, 1), large_}});
    QGuiApplication::clipboard()->clear();
  }

  void cleanup() {
    CloseEveryWindow();
    game_.reset();
  }

  void copyKeysPutTheCapturesPictureOnTheClipboard() {
    ViewerDialog dialog;
    ShowActive(dialog);
    auto* weapons = ControlOf(dialog, kWeaponCombo);
    auto* status = ControlOf<QLineEdit>(dialog, kStatusEdit);
    QTest::keyClick(weapons, Qt::Key_C, Qt::ControlModifier);
    const std::optional<DecodedImage> opaque = ClipboardPng();
    QVERIFY(opaque);
    QCOMPARE(status->text(), QStringLiteral("Copied :20x16"));
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());
    QVERIFY(!std::filesystem::exists(game_->Root() / "G0000001.bmp"));

    QTest::keyClick(weapons, Qt::Key_Return);
    const std::optional<DecodedImage> capture = DecodeImage(game_->Root() / "G0000001.bmp");
    QVERIFY(capture);
    QCOMPARE(opaque->width, capture->width);
    QCOMPARE(opaque->height, capture->height);
    QVERIFY(opaque->rgba == capture->rgba);

    QTest::keyClick(weapons, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const std::optional<DecodedImage> transparent = ClipboardPng();
    QVERIFY(transparent);
    int shown = 0;
    for (int y = 0; y < weapon_.height; ++y) {
      for (int x = 0; x < weapon_.width; ++x) {
        const bool drawn = weapon_.drawn[static_cast<std::size_t>(y) * weapon_.width + x];
        QCOMPARE(transparent->Alpha(x, y), drawn ? 255 : 0);
        if (drawn) QCOMPARE(transparent->Rgb(x, y), capture->Rgb(x, y));
        shown += drawn ? 1 : 0;
      }
    }
    QVERIFY(shown > 0);
    QCOMPARE(QGuiApplication::clipboard()->image().pixelColor(0, 0).alpha(),
             transparent->Alpha(0, 0));
    // The status line keeps the platform's own Copy of its text.
    status->setFocus();
    status->selectAll();
    QTest::keyClick(status, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Copied :20x16"));
  }

  void theWindowGrowsToShowTheWholePictureAndNeverShrinks() {
    ViewerDialog dialog;
    ShowActive(dialog);
    const QSize opened = dialog.size();
    const QPoint origin = ControlOf(dialog, kPicture)->pos();
    QTest::keyClick(ControlOf(dialog, kWeaponCombo), Qt::Key_Down);
    QCOMPARE(dialog.size(), opened.expandedTo(QSize(origin.x() + 200, origin.y() + 190)));
    QTest::mouseClick(ControlOf(dialog, kZoomInButton), Qt::LeftButton);
    const QSize available = dialog.screen()->availableGeometry().size();
    const QSize whole(origin.x() + 400, origin.y() + 380);
    QTRY_COMPARE(dialog.size(), whole.boundedTo(available).expandedTo(opened));
    const QSize grown = dialog.size();
    QTest::mouseClick(ControlOf(dialog, kZoomOutButton), Qt::LeftButton);
    QCOMPARE(dialog.size(), grown);
    // And the picture is shown on the grown window's surface.
    QCOMPARE(dialog.Host().PreviewSurface().Width(), grown.width() - origin.x());
  }
};

}  // namespace vestara::testing

QTEST_MAIN(vestara::testing::ViewerCopyTest)
#include "viewer_copy_test.moc"
