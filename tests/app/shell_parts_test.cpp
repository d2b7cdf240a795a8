#include "app/bitmap_button.h"
#include "app/dib_image.h"
#include "app/qt_settings_store.h"

#include "tests/support/temp_dir.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace {

using app::ButtonPicture;

std::vector<unsigned char> bmpBytes(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    return std::vector<unsigned char>(data.begin(), data.end());
}

QImage picture(QImage::Format format)
{
    // More colours than a 4-bit palette holds, so an indexed copy keeps 8 bits per pixel.
    QImage image(12, 7, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, QColor(x * 20, y * 30, 100));
    }
    return image.convertToFormat(format);
}

TEST(DibImageTest, TakesEightAndTwentyFourBitPicturesOnly)
{
    app::DibImage image;
    std::vector<unsigned char> bytes = bmpBytes(picture(QImage::Format_RGB888));
    ASSERT_EQ(bytes[28], 24);
    EXPECT_TRUE(image.loadFromBytes(bytes));
    EXPECT_EQ(image.width(), 12);
    EXPECT_EQ(image.height(), 7);

    bytes = bmpBytes(picture(QImage::Format_Indexed8));
    ASSERT_EQ(bytes[28], 8);
    EXPECT_TRUE(image.loadFromBytes(bytes));

    for (unsigned char bits : {1, 4, 16, 32}) {
        std::vector<unsigned char> other = bmpBytes(picture(QImage::Format_RGB888));
        other[28] = bits;
        EXPECT_FALSE(image.loadFromBytes(other)) << int(bits);
        EXPECT_TRUE(image.isEmpty());
    }
}

TEST(DibImageTest, EmptyShortOrMissingFilesLeaveItEmpty)
{
    app::DibImage image;
    const std::vector<unsigned char> whole = bmpBytes(picture(QImage::Format_RGB888));
    EXPECT_FALSE(image.loadFromBytes({}));
    EXPECT_FALSE(image.loadFromBytes(std::vector<unsigned char>(whole.begin(), whole.begin() + 54)))
        << "header without pixels";
    std::vector<unsigned char> notBmp = whole;
    notBmp[0] = 'X';
    EXPECT_FALSE(image.loadFromBytes(notBmp));
    EXPECT_FALSE(image.load("/nonexistent/BANNER.BMP"));
    EXPECT_TRUE(image.isEmpty());
}

TEST(DibImageTest, ShippedPicturesAreTaken)
{
    for (const char *name : {"BANNER.BMP", "FIRST.BMP"}) {
        app::DibImage image;
        EXPECT_TRUE(image.load(std::string(RESOURCE_DIR) + name)) << name;
        EXPECT_GT(image.width(), 0);
    }
}

TEST(BitmapButtonTest, ChoosesThePictureForEachState)
{
    struct Case
    {
        bool enabled, pushed, hovered, hasPressed, hasHover, hasDisabled;
        ButtonPicture expected;
    };
    const Case cases[] = {
        {true, false, false, true, true, true, ButtonPicture::Normal},
        {true, true, true, true, true, true, ButtonPicture::Pressed},
        {true, true, false, false, true, true, ButtonPicture::Normal},
        {true, false, true, true, true, true, ButtonPicture::Hover},
        {true, false, true, true, false, true, ButtonPicture::Normal},
        {false, false, true, true, true, true, ButtonPicture::Disabled},
        {false, false, true, true, true, false, ButtonPicture::Normal},
    };
    for (const Case &c : cases)
        EXPECT_EQ(app::chooseButtonPicture(c.enabled, c.pushed, c.hovered, c.hasPressed, c.hasHover,
                                           c.hasDisabled),
                  c.expected)
            << c.enabled << c.pushed << c.hovered << c.hasPressed << c.hasHover << c.hasDisabled;
}

TEST(BitmapButtonTest, EveryButtonPictureIsBuiltIn)
{
    for (int id = 196; id <= 232; ++id) {
        if (id == 200)
            continue;
        EXPECT_EQ(app::bitmapPicture(id).size(), QSize(30, 30)) << id;
    }
    for (int id : {192, 193, 194, 195, 259, 260, 261, 262, 266, 267, 268, 269})
        EXPECT_EQ(app::bitmapPicture(id).size(), QSize(30, 30)) << id;
    for (int id : {134, 135, 136, 137, 171, 172, 173, 174, 175, 176, 177, 178, 179, 180, 181, 182})
        EXPECT_EQ(app::bitmapPicture(id).size(), QSize(64, 64)) << id;
    EXPECT_TRUE(app::bitmapPicture(999).isNull());
}

TEST(BitmapButtonTest, LatchedViewButtonShowsItsLatchedPictureInEveryState)
{
    app::ViewToggleButton button(1001, {174, 172, 173, 171});
    const QImage normal = app::bitmapPicture(174).toImage();
    const QImage latched = app::bitmapPicture(171).toImage();
    EXPECT_EQ(button.grab().toImage().convertToFormat(normal.format()), normal);
    button.setLatched(true);
    EXPECT_TRUE(button.isLatched());
    button.setEnabled(false);
    EXPECT_EQ(button.grab().toImage().convertToFormat(latched.format()), latched);
    button.setLatched(false);
    button.setEnabled(true);
    EXPECT_EQ(button.grab().toImage().convertToFormat(normal.format()), normal);
}

TEST(BitmapButtonTest, ReleasingTheMouseInsideAViewButtonLatchesIt)
{
    app::ViewToggleButton button(1002, {178, 176, 177, 175});
    int clicked = 0;
    QObject::connect(&button, &app::BitmapButton::commandTriggered, [&](int command) {
        EXPECT_EQ(command, 1002);
        ++clicked;
    });
    const QPointF outside(100, 100);
    QMouseEvent pressOutside(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                             Qt::LeftButton, Qt::NoModifier);
    QMouseEvent releaseOutside(QEvent::MouseButtonRelease, outside, outside, Qt::LeftButton,
                               Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &pressOutside);
    QCoreApplication::sendEvent(&button, &releaseOutside);
    EXPECT_FALSE(button.isLatched());
    EXPECT_EQ(clicked, 0);

    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&button, &press);
    QCoreApplication::sendEvent(&button, &release);
    EXPECT_TRUE(button.isLatched());
    EXPECT_EQ(clicked, 1);
}

TEST(QtSettingsStoreTest, KeepsValuesWithTheirDefaultsAndShiftJisText)
{
    testing_support::TempDir dir;
    const std::string path = dir.file("Cellvane.conf");
    const std::string name = "\x83\x81\x83\x82.apc"; // メモ.apc
    {
        app::QtSettingsStore settings(path);
        EXPECT_EQ(settings.readString("Setting", "Plugin", ""), "");
        EXPECT_EQ(settings.readInt("Setting", "FirstBoot", 1), 1);
        settings.writeString("Address", "Name", name);
        settings.writeInt("Frame", "top", -12);
        settings.writeInt("Setting", "FirstBoot", 0);
    }
    app::QtSettingsStore reopened(path);
    EXPECT_EQ(reopened.readString("Address", "Name", ""), name);
    EXPECT_EQ(reopened.readInt("Frame", "top", 0), -12);
    EXPECT_EQ(reopened.readInt("Setting", "FirstBoot", 1), 0);
}

TEST(QtSettingsStoreTest, KeepsPathListsInOrderWithAnyCharacters)
{
    testing_support::TempDir dir;
    const std::string path = dir.file("Cellvane.conf");
    const std::vector<std::string> folders
        = {"/media/カード", "/home/user/a, b", "/tmp/caf\xC3\xA9"};
    {
        app::QtSettingsStore settings(path);
        EXPECT_TRUE(settings.readPathList("Setting", "CardFolders").empty());
        settings.writePathList("Setting", "CardFolders", folders);
    }
    EXPECT_EQ(app::QtSettingsStore(path).readPathList("Setting", "CardFolders"), folders);
    const std::vector<std::string> one = {"/home/user/a, b"};
    app::QtSettingsStore(path).writePathList("Setting", "CardFolders", one);
    EXPECT_EQ(app::QtSettingsStore(path).readPathList("Setting", "CardFolders"), one);
}

} // namespace
