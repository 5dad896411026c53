// Pictures stay sharp on a large screen: every built-in drawing is drawn at the size it is shown, the
// teddy files carry every usual size and the boards take the one that fits, and pointers grow with
// the screen.
#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "creative/Form3.h"
#include "letter/ReadMe.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/Form8.h"
#include "numbers/form9.h"
#include "platform/Image.h"
#include "platform/Pictures.h"
#include "platform/Screen.h"
#include "shell/Form4.h"

#include <QDirIterator>
#include <QImageReader>
#include <QPainter>
#include <QSvgRenderer>
#include <set>

namespace {

class CrispPicturesTest : public ClassroomFixture {
protected:
    void SetUp() override {
        ClassroomFixture::SetUp();
        platform::Screen::overridePixels(QSize(3840, 2160));
        room().fitAllBoards();
        room().form4().Form_Load();
    }
    void TearDown() override {
        platform::Screen::overridePixels(std::nullopt);
        ClassroomFixture::TearDown();
    }
};

QImage directRender(const QString& asset, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(QString(":/assets/%1.svg").arg(asset));
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// Rows that differ from the row above: a picture blown up from 32 pixels has at most 32 of them.
int changingRows(const QImage& image) {
    int changes = 0;
    for (int y = 1; y < image.height(); ++y)
        changes += std::memcmp(image.constScanLine(y), image.constScanLine(y - 1), image.bytesPerLine()) != 0;
    return changes;
}

struct Shown {
    const char* what;
    std::function<platform::Image&(Classroom&)> image;
    const char* asset;
};

TEST_F(CrispPicturesTest, EveryBuiltInPictureIsDrawnAtTheSizeItIsShown) {
    const std::vector<Shown> pictures{
        {"ABCs teddy", [](Classroom& r) -> platform::Image& { return r.form1().Image1; }, "teddy"},
        {"Letter Board teddy", [](Classroom& r) -> platform::Image& { return r.readMe().Image1; }, "teddy"},
        {"Times Tables teddy", [](Classroom& r) -> platform::Image& { return r.form6().Image1; }, "waving-teddy-pointer"},
        {"Multiply teddy", [](Classroom& r) -> platform::Image& { return r.form7().Image1; }, "teddy"},
        {"Divide teddy", [](Classroom& r) -> platform::Image& { return r.form9().Image1; }, "teddy"},
        {"Problems rosette", [](Classroom& r) -> platform::Image& { return r.form8().ImageA1; }, "numbers-problem-rosette"},
        {"ChalkBoard teddy", [](Classroom& r) -> platform::Image& { return r.form3().Image1; }, "waving-teddy-pointer"},
        {"Colors triangle", [](Classroom& r) -> platform::Image& { return r.form2().Image2; }, "creative-triangle"},
        {"Colors star", [](Classroom& r) -> platform::Image& { return r.form2().Image4; }, "creative-star"},
        {"Colors teddy", [](Classroom& r) -> platform::Image& { return r.form2().Image5; }, "creative-teddy-stick"},
        {"Colors teddy to drag", [](Classroom& r) -> platform::Image& { return r.form2().Imagedrop2; },
         "creative-teddy-arms"},
        {"123s teddy", [](Classroom& r) -> platform::Image& { return r.form5().ImageTeddy1; },
         "numbers-counting-teddy-wave"},
        {"123s one", [](Classroom& r) -> platform::Image& { return r.form5().Image1[0]; }, "numbers-counting-unit"},
        {"123s ten", [](Classroom& r) -> platform::Image& { return r.form5().Image2; }, "numbers-counting-ten-bar"},
        {"title", [](Classroom& r) -> platform::Image& { return r.form4().Image1; }, "title"},
    };
    for (const Shown& shown : pictures) {
        SCOPED_TRACE(shown.what);
        platform::Image& image = shown.image(room());
        ASSERT_TRUE(image.stretch()) << "a drawing fills its box on every screen";
        const QSize size = image.widget()->size();
        ASSERT_GT(size.height(), 32) << "4K board scale";
        const QImage held = image.picture().toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(held.size(), size);
        const QImage direct = directRender(shown.asset, size);
        EXPECT_TRUE(held == direct) << "the drawing itself at its shown size";
        // What reaches the screen changes from row to row as the drawing does, not in 32 steps.
        const QImage painted = image.widget()->grab().toImage();
        EXPECT_GE(changingRows(painted), changingRows(direct) * 9 / 10);
    }
}

TEST_F(CrispPicturesTest, EveryTeddyAndPointerFileHoldsTheUsualSizes) {
    const std::set<int> usual{16, 24, 32, 48, 64, 128, 256};
    int files = 0;
    for (QDirIterator it(generatedMediaDir(), {"*.ICO", "*.cur"}, QDir::Files); it.hasNext();) {
        const QString path = it.next();
        SCOPED_TRACE(path.toStdString());
        QImageReader reader(path);
        std::set<int> sizes;
        for (int i = 0; i < reader.imageCount() && reader.jumpToImage(i); ++i) {
            EXPECT_EQ(reader.size().width(), reader.size().height());
            sizes.insert(reader.size().width());
        }
        EXPECT_TRUE(std::includes(sizes.begin(), sizes.end(), usual.begin(), usual.end()));
        ++files;
    }
    EXPECT_EQ(files, 5) << "TEDDY.ICO, TEDHONO.ICO, TEDBYE.ICO, teddy.cur, teddy2.cur";
}

// The feedback teddy fills its box, taken from the size in TEDDY.ICO that fits it.
TEST_F(CrispPicturesTest, FeedbackTeddyGrowsWithTheBoard) {
    Form1& abc = room().form1();
    abc.A.click();
    ASSERT_FALSE(abc.Image1.pictureFile().isEmpty());
    const QSize box = abc.Image1.widget()->size();
    EXPECT_GE(abc.Image1.picture().width(), std::min(256, box.width()));
    const QImage painted = abc.Image1.widget()->grab().toImage();
    EXPECT_GT(changingRows(painted), 100) << "not a 32-pixel teddy blown up";
}

TEST_F(CrispPicturesTest, PointersGrowWithTheScreen) {
    const std::vector<std::pair<QSize, int>> screens{{{1366, 768}, 32}, {{1920, 1080}, 32}, {{3840, 2160}, 64}};
    for (const auto& [screen, pixels] : screens) {
        platform::Screen::overridePixels(screen);
        EXPECT_EQ(platform::builtinCursor("teddy-pointer").pixmap().width(), pixels) << screen.height();
        const std::optional<QCursor> fromFile = platform::loadCursor(startFile("teddy.cur"));
        ASSERT_TRUE(fromFile.has_value());
        EXPECT_EQ(fromFile->pixmap().width(), pixels) << screen.height();
    }
}

} // namespace
