// Start-up: the classroom comes up over its title screen with every board loaded and every sound
// device opened, and with no media at all it still starts and every click is silent.
#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "creative/Form3.h"
#include "letter/FontList.h"
#include "letter/ReadMe.h"
#include "numbers/Form5.h"
#include "platform/Screen.h"
#include "shell/Form4.h"

#include <QDir>

namespace {

std::vector<platform::MediaDevice*> allDevices(Classroom& room) {
    std::vector<platform::MediaDevice*> devices;
    for (platform::MediaDevice* d : room.form1().devices())
        devices.push_back(d);
    devices.push_back(&room.form2().MMControl1);
    devices.push_back(&room.form3().MMControl2);
    return devices;
}

int playsStarted(Classroom& room) {
    int plays = 0;
    for (platform::MediaDevice* d : allDevices(room))
        plays += d->playsStarted();
    return plays;
}

} // namespace

TEST_F(ClassroomFixture, StartsOnTheAbcBoardOverTheTitleScreen) {
    Form1& abc = room().form1();
    EXPECT_TRUE(abc.isVisible());
    EXPECT_TRUE(room().form4().isVisible()) << "the title screen stays behind the boards";
    EXPECT_FALSE(room().form2().isVisible());
    EXPECT_EQ(abc.Label1.caption(), "ABCs");
    EXPECT_EQ(abc.nowDir, QDir::currentPath());
    EXPECT_EQ(room().form4().nowDir, QDir::currentPath());
    EXPECT_EQ(abc.upperCase, -1);
    EXPECT_EQ(abc.lowerCase, 0);
    EXPECT_EQ(abc.pwSet, 0);
    EXPECT_FALSE(abc.Label3.visible());
    EXPECT_FALSE(abc.Label4.visible());
    EXPECT_FALSE(abc.MMControl27.visible());
    EXPECT_EQ(abc.focusedWidget(), abc.Text1.widget());
    EXPECT_EQ(room().readMe().Combo1.listCount(), letter::fontList().size());
}

TEST_F(ClassroomFixture, OpensEverySoundDeviceWhoseFileIsThere) {
    for (platform::MediaDevice* device : allDevices(room())) {
        const bool voiceOrMusic = device == &room().form1().MMControl27 || device == &room().form1().MMControl41;
        // The recording does not exist before the first one, and the music device waits for a tune.
        EXPECT_EQ(device->isOpen(), !voiceOrMusic) << device->fileName().toStdString();
    }
    EXPECT_TRUE(room().form1().MMControl1.openedFile().endsWith("/a.WAV"));
    EXPECT_TRUE(room().form1().MMControl40.openedFile().endsWith("/c0.WAV"));
    EXPECT_TRUE(room().form1().MMControl42.openedFile().endsWith("/hono.WAV"));
    EXPECT_EQ(room().form1().MMControl41.deviceType().toLower(), "sequencer");
}

TEST_F(ClassroomFixture, ClosingTheAbcBoardClosesItsDevicesOnly) {
    room().form1().unload();
    for (platform::MediaDevice* device : room().form1().devices())
        EXPECT_FALSE(device->isOpen());
    EXPECT_TRUE(room().form2().MMControl1.isOpen());
}

TEST_F(EmptyClassroomFixture, StartsWithNoMediaAndEveryClickIsSilent) {
    EXPECT_TRUE(room().form1().isVisible());
    for (platform::MediaDevice* device : allDevices(room()))
        EXPECT_FALSE(device->isOpen());
    Form1& abc = room().form1();
    abc.Label2.click(); // to the 123s board, which shows the farewell teddy: missing, so left as it was
    EXPECT_TRUE(room().form5().isVisible());
    EXPECT_EQ(abc.Label1.caption(), "Numbers");
    EXPECT_TRUE(abc.Image1.pictureFile().isEmpty());
    room().form5().LabelEnd.click();
    abc.colorshapes.click();
    room().form2().Label4.click();
    EXPECT_TRUE(room().form3().isVisible());
    EXPECT_EQ(playsStarted(room()), 0);
}
