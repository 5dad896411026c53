// Files the platform layer must not trust: what stands under a media name may be a FIFO, a folder,
// a link to elsewhere or a picture far too large, and a disk may refuse to grow (a file size limit).
#include "platform/Files.h"
#include "platform/PictureCache.h"
#include "platform/Pictures.h"
#include "platform/media/SafeFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;

namespace {

class UntrustedFilesTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    void write(const QString& name, const QByteArray& bytes) const {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray contents(const QString& name) const {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // A save's temporary files are hidden beside the file (".write.txt.AbC123").
    QStringList leftovers() const {
        QStringList hidden;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Hidden | QDir::Files | QDir::NoDotAndDotDot))
            if (name.startsWith('.'))
                hidden << name;
        return hidden;
    }
    QTemporaryDir dir;
};

struct ReadCase {
    const char* what;
    std::function<void(const QString& path)> make;
    FileRead::Status status;
};

class ReadStatusTest : public UntrustedFilesTest, public ::testing::WithParamInterface<ReadCase> {};

// A FIFO with no writer used to hold the program at start-up for good; it must be refused at once.
TEST_P(ReadStatusTest, OnlyARegularFileWithinTheLimitIsRead) {
    const QString file = path("a.WAV");
    GetParam().make(file);
    const FileRead read = readRegularFile(file, 1000);
    EXPECT_EQ(read.status, GetParam().status) << GetParam().what;
    EXPECT_EQ(read.bytes.isEmpty(), read.status != FileRead::Status::ok);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ReadStatusTest,
    ::testing::Values(ReadCase{"a regular file",
                               [](const QString& p) {
                                   QFile f(p);
                                   f.open(QIODevice::WriteOnly);
                                   f.write("RIFF");
                               },
                               FileRead::Status::ok},
                      ReadCase{"nothing", [](const QString&) {}, FileRead::Status::missing},
                      ReadCase{"a FIFO", [](const QString& p) { ASSERT_EQ(::mkfifo(QFile::encodeName(p), 0600), 0); },
                               FileRead::Status::notRegular},
                      ReadCase{"a folder", [](const QString& p) { ASSERT_TRUE(QDir().mkdir(p)); },
                               FileRead::Status::notRegular},
                      ReadCase{"a link to a FIFO",
                               [](const QString& p) {
                                   ASSERT_EQ(::mkfifo(QFile::encodeName(p + ".fifo"), 0600), 0);
                                   ASSERT_TRUE(QFile::link(p + ".fifo", p));
                               },
                               FileRead::Status::notRegular},
                      ReadCase{"a character device", [](const QString& p) { ASSERT_TRUE(QFile::link("/dev/zero", p)); },
                               FileRead::Status::notRegular},
                      ReadCase{"a file over the limit",
                               [](const QString& p) {
                                   QFile f(p);
                                   f.open(QIODevice::WriteOnly);
                                   f.write(QByteArray(1001, 'x'));
                               },
                               FileRead::Status::tooLarge}));

// Saving replaces the name in the start folder: the file a link pointed to elsewhere is never written.
TEST_F(UntrustedFilesTest, ASaveReplacesALinkAndLeavesItsTargetAlone) {
    write("elsewhere.txt", "kept");
    ASSERT_TRUE(QFile::link(path("elsewhere.txt"), path("write.txt")));
    ASSERT_TRUE(writeFileAtomically(path("write.txt"), "new letter"));
    EXPECT_EQ(contents("elsewhere.txt"), "kept");
    EXPECT_FALSE(QFileInfo(path("write.txt")).isSymLink());
    EXPECT_EQ(contents("write.txt"), "new letter");
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(", ").toStdString();
}

// Under "ulimit -f" a write past the limit raised SIGXFSZ, which ended the program; now it is a
// failed save that leaves the old file and no temporary file. (The test program, like the classroom,
// ignores SIGXFSZ through prepareApplication.)
TEST_F(UntrustedFilesTest, AFileSizeLimitIsAFailedSave) {
    write("cboard.bmp", "old picture");
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    rlimit limited = old;
    limited.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const bool saved = writeFileAtomically(path("cboard.bmp"), QByteArray(64 * 1024, 'p'));
    ::setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(saved);
    EXPECT_EQ(contents("cboard.bmp"), "old picture");
    EXPECT_TRUE(leftovers().isEmpty()) << leftovers().join(", ").toStdString();
}

QByteArray pngOf(int width, int height, QColor colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// An ICO or CUR holding one PNG, as newer icon editors write them.
QByteArray iconAround(const QByteArray& png, bool cursor, QPoint hotSpot = {}) {
    QByteArray icon;
    const auto le16 = [&icon](int v) { icon.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF)); };
    const auto le32 = [&](qint64 v) {
        le16(int(v & 0xFFFF));
        le16(int((v >> 16) & 0xFFFF));
    };
    le16(0), le16(cursor ? 2 : 1), le16(1);
    icon.append(4, '\0');
    le16(hotSpot.x()), le16(hotSpot.y()), le32(png.size()), le32(22);
    return icon + png;
}

// A huge teddy was decoded again on every click: decoded once, it is reused until the file changes.
TEST_F(UntrustedFilesTest, APictureIsDecodedOnceUntilItsFileChanges) {
    write("TEDDY.ICO", iconAround(pngOf(300, 200, Qt::red), false));
    PictureCache& cache = PictureCache::instance();
    const int before = cache.decodes();
    for (int i = 0; i < 5; ++i)
        ASSERT_TRUE(loadPicture(path("TEDDY.ICO")));
    EXPECT_EQ(cache.decodes() - before, 1);
    EXPECT_EQ(loadPicture(path("TEDDY.ICO"))->size(), QSize(300, 200));

    // Replaced by another picture (another file, as a save makes it): the new one is shown.
    write("new.ico", iconAround(pngOf(100, 50, Qt::blue), false));
    ASSERT_EQ(::rename(QFile::encodeName(path("new.ico")), QFile::encodeName(path("TEDDY.ICO"))), 0);
    EXPECT_EQ(loadPicture(path("TEDDY.ICO"))->size(), QSize(100, 50));
    EXPECT_EQ(cache.decodes() - before, 2);

    // Gone or damaged: refused, not the old picture from memory.
    write("TEDDY.ICO", "not a picture");
    EXPECT_FALSE(loadPicture(path("TEDDY.ICO")));
}

// A BMP header promising 20000 x 20000 pixels behind a few bytes: refused before it is decoded.
TEST_F(UntrustedFilesTest, APictureTooLargeToDecodeIsRefused) {
    QByteArray bmp("BM");
    const auto le = [&bmp](qint64 v, int bytes) {
        for (int i = 0; i < bytes; ++i)
            bmp.append(char((v >> (8 * i)) & 0xFF));
    };
    le(54 + 16, 4), le(0, 4), le(54, 4), le(40, 4), le(20000, 4), le(20000, 4), le(1, 2), le(24, 2);
    le(0, 4), le(0, 4), le(2835, 4), le(2835, 4), le(0, 4), le(0, 4);
    bmp.append(16, '\x7f');
    write("trired.bmp", bmp);
    EXPECT_FALSE(loadPicture(path("trired.bmp")));
}

// An X server takes a pointer in one request; a 2048 x 2048 pointer was too long a request and the
// X connection broke. Larger pointers are scaled down, the hot spot with them.
TEST_F(UntrustedFilesTest, APointerLargerThanTheServerTakesIsScaledDown) {
    write("teddy.cur", iconAround(pngOf(2048, 1024, Qt::green), true, {1024, 512}));
    const std::optional<QCursor> pointer = loadCursor(path("teddy.cur"));
    ASSERT_TRUE(pointer);
    const QSize size = pointer->pixmap().size();
    EXPECT_LE(size.width(), 255);
    EXPECT_NEAR(size.width(), 2 * size.height(), 2) << "the shape is kept";
    EXPECT_NEAR(pointer->hotSpot().x(), size.width() / 2, 1);
    EXPECT_NEAR(pointer->hotSpot().y(), size.height() / 2, 1);

    write("teddy2.cur", iconAround(pngOf(32, 32, Qt::green), true, {3, 4}));
    EXPECT_EQ(loadCursor(path("teddy2.cur"))->pixmap().size(), QSize(32, 32)) << "a usual pointer stays as it is";
    EXPECT_EQ(loadCursor(path("teddy2.cur"))->hotSpot(), QPoint(3, 4));
}

} // namespace
