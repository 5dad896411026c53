#include "AbcBoardFixture.h"

namespace {

class MusicTest : public AbcBoardFixture {
protected:
    // The generated tunes last a while; a tune of one note ends by itself within a few seconds.
    void useShortTune() { ASSERT_TRUE(media_test::writeBytes(startFile("music1.mid"), media_test::oneNoteMidi())); }
    platform::MediaDevice& music() { return board().MMControl41; }
};

} // namespace

TEST_F(MusicTest, KeepPlayingStartsTheTuneAgainAtItsEndUntilStopAndPlayOneTimeDoesNot) {
    useShortTune();
    board().Check2.click();
    EXPECT_EQ(board().Check2.caption(), "Keep Playing");
    EXPECT_TRUE(board().Text1.hasFocus());
    board().Label7.click();
    EXPECT_EQ(board().Label1.caption(), "Music");
    EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDBYE.ICO"));
    EXPECT_TRUE(music().openedFile().endsWith("music1.mid"));
    EXPECT_TRUE(music().isPlaying());
    EXPECT_EQ(music().playsStarted(), 1);
    ASSERT_TRUE(waitFor([&] { return music().playsStarted() == 2; }, 15000)) << "the tune did not start again";
    EXPECT_TRUE(music().isPlaying());

    board().Stopmusic.click();
    EXPECT_FALSE(music().isPlaying());
    EXPECT_EQ(board().Label1.caption(), "Stop");
    EXPECT_TRUE(board().Image1.pictureFile().endsWith("TEDDY.ICO"));
    EXPECT_TRUE(board().Text1.hasFocus());
    processEventsFor(1000);
    EXPECT_EQ(music().playsStarted(), 2) << "a stopped tune came back";

    board().Check2.click();
    EXPECT_EQ(board().Check2.caption(), "Play 1 Time");
    board().Label7.click();
    EXPECT_EQ(music().playsStarted(), 3);
    ASSERT_TRUE(waitFor([&] { return !music().isPlaying(); }, 15000)) << "the tune never ended";
    processEventsFor(500);
    EXPECT_EQ(music().playsStarted(), 3) << "a tune played once came back";
}

TEST_F(MusicTest, StartingAnotherTuneClosesTheFirst) {
    board().Label7.click();
    EXPECT_TRUE(music().openedFile().endsWith("music1.mid"));
    EXPECT_TRUE(music().isPlaying());
    board().Label8.click();
    EXPECT_TRUE(music().openedFile().endsWith("music2.mid"));
    EXPECT_TRUE(music().isPlaying());
    board().Label9.click();
    EXPECT_TRUE(music().openedFile().endsWith("music3.mid"));
    EXPECT_TRUE(music().isPlaying());
    EXPECT_EQ(music().playsStarted(), 3);
}

TEST_F(MusicTest, TheRecorderSwitchStopsTheTuneAndTradesPlacesWithTheMusicLabels) {
    Form1& b = board();
    b.Label8.click();
    ASSERT_TRUE(music().isPlaying());
    b.Label5.setVisible(true); // the parent's "Allow Play and Record"
    b.Check1.setVisible(true);

    b.Check1.click();
    EXPECT_FALSE(music().isPlaying());
    EXPECT_EQ(b.Label1.caption(), "");
    for (const platform::Control* hidden : std::initializer_list<const platform::Control*>{
             &b.Label7, &b.Label8, &b.Label9, &b.Check2, &b.Stopmusic, &b.Startmusic})
        EXPECT_FALSE(hidden->visible());
    for (const platform::Control* shown :
         std::initializer_list<const platform::Control*>{&b.MMControl27, &b.Label3, &b.Label4})
        EXPECT_TRUE(shown->visible());
    EXPECT_TRUE(b.MMControl27.recordVisible());
    EXPECT_TRUE(b.Text1.hasFocus());

    b.Check1.click();
    for (const platform::Control* shown :
         std::initializer_list<const platform::Control*>{&b.Label7, &b.Label8, &b.Label9, &b.Check2, &b.Stopmusic})
        EXPECT_TRUE(shown->visible());
    for (const platform::Control* hidden :
         std::initializer_list<const platform::Control*>{&b.MMControl27, &b.Label3, &b.Label4, &b.Startmusic})
        EXPECT_FALSE(hidden->visible());

    // In play-only mode the recorder comes without its Record button and caption.
    b.Label5.setVisible(false);
    b.Label10.setVisible(true);
    b.Check1.click();
    EXPECT_TRUE(b.MMControl27.visible());
    EXPECT_FALSE(b.MMControl27.recordVisible());
    EXPECT_FALSE(b.Label3.visible());
    EXPECT_TRUE(b.Label4.visible());
    EXPECT_FALSE(b.Label7.visible());
}
