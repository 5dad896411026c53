// The letter on disk: saving, getting it back, and what happens when the file or the disk fails.
#include "LetterFixtures.h"

#include "letter/LetterFile.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QFile>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Files may not grow past a few bytes while it lives; the signal the kernel would send for that is
// ignored, so a write past the limit fails with EFBIG instead. Root ignores file permissions, so
// this is how a save is made to fail for real.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old_;
        small.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &small);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*previous_)(int) = SIG_DFL;
};

} // namespace

struct Encoding {
    const char* name;
    QString text;
    QByteArray saved;
};

TEST(LetterFileEncoding, SavedFormIsUtf8WithWindowsLineEndsAndOneMore) {
    const Encoding cases[] = {
        {"empty", "", "\r\n"},
        {"one line", "Dear Granny", "Dear Granny\r\n"},
        {"lines", "Dear Granny\nLove\n", "Dear Granny\r\nLove\r\n\r\n"},
        {"accents", QString::fromUtf8("Chère Zoë"), "Ch\xc3\xa8re Zo\xc3\xab\r\n"},
    };
    for (const Encoding& c : cases) {
        EXPECT_EQ(letterfile::encode(c.text), c.saved) << c.name;
        EXPECT_EQ(letterfile::decode(c.saved), QString(c.text).replace("\n", "\r\n") + "\r\n") << c.name;
    }
}

TEST(LetterFileEncoding, BytesThatAreNotUtf8ReadAsWindows1252) {
    EXPECT_EQ(letterfile::decode("Ch\xe8re Zo\xeb \x80 5 \x93ok\x94"), QString::fromUtf8("Chère Zoë € 5 “ok”"));
}

TEST_F(WritingModeTest, EachSaveAndGetAddsOneLineBreak) {
    ReadMe& b = board();
    b.Text1.type("Dear Granny");
    b.SaveRM.click();
    EXPECT_EQ(contentOf(startFile("write.txt")), "Dear Granny\r\n");
    EXPECT_EQ(dings(), 1);
    b.OldRM.click();
    EXPECT_EQ(b.Text1.text(), "Dear Granny\n");
    b.SaveRM.click();
    EXPECT_EQ(contentOf(startFile("write.txt")), "Dear Granny\r\n\r\n");
    b.OldRM.click();
    EXPECT_EQ(b.Text1.text(), "Dear Granny\n\n");
    EXPECT_EQ(dings(), 2);
    EXPECT_TRUE(platform::MessageBox::captured().isEmpty());
    EXPECT_TRUE(b.Text1.hasFocus());
}

TEST_F(WritingModeTest, MenuAndToolBarReachTheSameFileCommands) {
    ReadMe& b = board();
    b.Text1.type("From the menu");
    b.menuSave.click();
    EXPECT_EQ(contentOf(startFile("write.txt")), "From the menu\r\n");
    b.menuNew.click();
    EXPECT_TRUE(b.Text1.text().isEmpty());
    EXPECT_EQ(contentOf(startFile("write.txt")), "From the menu\r\n") << "New leaves the saved letter alone";
    b.menuOpen.click();
    EXPECT_EQ(b.Text1.text(), "From the menu\n");

    b.CheckTools.click();
    b.Text1.setText("From the tool bar");
    b.ImageSave.click();
    EXPECT_EQ(contentOf(startFile("write.txt")), "From the tool bar\r\n");
    b.ImageNew.click();
    EXPECT_TRUE(b.Text1.text().isEmpty());
    b.ImageOpen.click();
    EXPECT_EQ(b.Text1.text(), "From the tool bar\n");
    EXPECT_EQ(dings(), 2);
}

TEST_F(WritingModeTest, GettingAMissingLetterSaysSoTwice) {
    // No file at all, and a folder where the file should be.
    for (const bool folder : {false, true}) {
        platform::MessageBox::clearCaptured();
        if (folder) {
            ASSERT_TRUE(QDir(startDir()).mkdir("write.txt"));
        }
        board().Text1.setText("not saved");
        board().OldRM.click();
        EXPECT_EQ(board().Text1.text(), "The old file can not be found.") << folder;
        EXPECT_EQ(platform::MessageBox::captured(), QStringList{"The file  'write.text'  could not be found"})
            << folder;
        EXPECT_TRUE(board().Text1.hasFocus());
    }
    EXPECT_EQ(dings(), 0);
}

TEST_F(WritingModeTest, FailedSaveSaysSoAndKeepsTheOldLetter) {
    ReadMe& b = board();
    b.Text1.type("Old");
    b.SaveRM.click();
    ASSERT_EQ(contentOf(startFile("write.txt")), "Old\r\n");
    b.Text1.setText("A much longer letter that will not fit");
    {
        FileSizeLimit limit(8);
        b.SaveRM.click();
    }
    EXPECT_EQ(platform::MessageBox::captured(), QStringList{"There was a error during saving."});
    EXPECT_EQ(contentOf(startFile("write.txt")), "Old\r\n");
    EXPECT_EQ(b.Text1.text(), "A much longer letter that will not fit");
    EXPECT_EQ(dings(), 1) << "no ding for the failed save";
    const QStringList left = QDir(startDir()).entryList({"write*", ".write*"}, QDir::Files | QDir::Hidden);
    EXPECT_EQ(left, QStringList{"write.txt"}) << "no half-written file is left behind";
}

TEST_F(WritingModeTest, SavingIntoAStartDirectoryThatIsGoneFails) {
    ReadMe& b = board();
    b.nowDir = startDir() + "/gone";
    b.Text1.type("Hello");
    b.SaveRM.click();
    EXPECT_EQ(platform::MessageBox::captured(), QStringList{"There was a error during saving."});
    EXPECT_EQ(b.Text1.text(), "Hello");
    EXPECT_EQ(dings(), 0);
}

TEST_F(WritingModeTest, ALetterFromAnOld8BitFileKeepsItsAccents) {
    writeBytes(startFile("WRITE.TXT"), "Ch\xe8re Mamie, \xe0 bient\xf4t\r\n");
    board().OldRM.click();
    EXPECT_EQ(board().Text1.text(), QString::fromUtf8("Chère Mamie, à bientôt\n"));
}

TEST_F(WritingModeTest, ALetterLongerThanTheTypingLimitIsShownWhole) {
    writeBytes(startFile("write.txt"), QByteArray(5000, 'a') + "\r\n");
    board().OldRM.click();
    EXPECT_EQ(board().Text1.text().size(), 5001);
    board().Text1.type("b");
    EXPECT_EQ(board().Text1.text().size(), 5001) << "no more typing past the limit";
}

// A letter was shown cut at 256 KB, and the next save shrank the file to what was shown. A letter
// is now shown whole up to the limit, and past it refused like a missing one and never saved over.
struct LongLetter {
    const char* what;
    qint64 bytes;
    bool shown;
};

class LongLetterTest : public WritingModeTest, public ::testing::WithParamInterface<LongLetter> {};

TEST_P(LongLetterTest, IsShownWholeOrRefusedAndNeverCutOnDisk) {
    const QByteArray line = QString::fromUtf8("Dear Teddy, é\r\n").toUtf8();
    QByteArray letter;
    while (letter.size() + line.size() <= GetParam().bytes)
        letter += line;
    writeBytes(startFile("write.txt"), letter);
    ReadMe& b = board();
    b.OldRM.click();
    if (GetParam().shown) {
        EXPECT_EQ(letterfile::encode(b.Text1.text()), letter + "\r\n") << "the whole letter, not its beginning";
        EXPECT_TRUE(platform::MessageBox::captured().isEmpty());
        b.SaveRM.click();
        EXPECT_EQ(contentOf(startFile("write.txt")), letter + "\r\n") << "saved whole, with its one more line end";
        return;
    }
    EXPECT_EQ(b.Text1.text(), "The old file can not be found.");
    EXPECT_EQ(platform::MessageBox::captured(), QStringList{"The file  'write.text'  could not be found"});
    platform::MessageBox::clearCaptured();
    b.SaveRM.click();
    EXPECT_EQ(platform::MessageBox::captured(), QStringList{"There was a error during saving."});
    EXPECT_EQ(contentOf(startFile("write.txt")), letter) << "the refused letter was saved over";
}

INSTANTIATE_TEST_SUITE_P(Sizes, LongLetterTest,
                         ::testing::Values(LongLetter{"past the old cut", 300 * 1024, true},
                                           LongLetter{"at the limit", letterfile::readLimit, true},
                                           LongLetter{"past the limit", letterfile::readLimit + 1024, false}));

TEST_F(WritingModeTest, AFifoInPlaceOfTheLetterIsRefusedAtOnce) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(startFile("write.txt")), 0600), 0);
    board().OldRM.click();
    EXPECT_EQ(board().Text1.text(), "The old file can not be found.");
    EXPECT_EQ(platform::MessageBox::captured(), QStringList{"The file  'write.text'  could not be found"});
}

TEST_F(HelpModeTest, AHelpFilePastTheLimitIsRefusedLikeAMissingOne) {
    writeBytes(startFile("help.txt"), QByteArray(letterfile::readLimit + 1, 'h'));
    board().Command1.click();
    room().readMe().openForHelp();
    EXPECT_EQ(board().Text1.text(), "The file Help.txt not found");
    EXPECT_EQ(contentOf(startFile("help.txt")).size(), letterfile::readLimit + 1);
}
