// The ABCs board's top strip: background tunes and the child's voice recorder share one place.
#include "abc/Form1.h"

#include "shell/Conventions.h"
#include "shell/SoundBank.h"

using namespace platform;

void Form1::connectRecorderAndMusic() {
    MMControl27.RecordClick.connect([this](bool& cancel) { MMControl27_RecordClick(cancel); });
    MMControl27.PlayClick.connect([this](bool& cancel) { MMControl27_PlayClick(cancel); });
    Timer1.Tick.connect([this] { Timer1_Timer(); });
    Check1.Click.connect([this] { Check1_Click(); });
    Check2.Click.connect([this] { Check2_Click(); });
    Label7.Click.connect([this] { Label7_Click(); });
    Label8.Click.connect([this] { Label8_Click(); });
    Label9.Click.connect([this] { Label9_Click(); });
    Startmusic.Click.connect([this] { Startmusic_Click(); });
    Stopmusic.Click.connect([this] { Stopmusic_Click(); });
    MMControl41.Done.connect([this](int notifyCode) { MMControl41_Done(notifyCode); });
}

// The device records after this handler returns; the clock counts the six seconds.
void Form1::MMControl27_RecordClick(bool&) {
    Label1.setCaption(QString());
    conventions::showTeddy(Image1, nowDir, "TEDBYE.ICO");
    MMControl27.command("prev");
    MMControl27.command("record");
    Timer1.setEnabled(true);
    Timer1.setInterval(1000);
    Label1.setCaption("Talk");
}

void Form1::Timer1_Timer() {
    ++counter;
    Label1.setCaption(QString::number(counter));
    if (counter == 6) {
        MMControl27.command("stop");
        Timer1.setEnabled(false);
        counter = 0;
        MMControl27.command("save");
        MMControl27.command("prev");
        Label1.setCaption("Stop");
    }
    Text1.setFocus();
}

void Form1::MMControl27_PlayClick(bool&) {
    Label1.setCaption("Message");
    conventions::showTeddy(Image1, nowDir, "TEDBYE.ICO");
    PlayFromStart(MMControl27);
    Text1.setFocus();
}

void Form1::showRecorder(bool withRecordButton) {
    MMControl27.setVisible(true);
    MMControl27.setRecordVisible(withRecordButton);
    Label3.setVisible(withRecordButton);
    Label4.setVisible(true);
    MMControl41.command("stop");
    Startmusic.setVisible(false);
    Stopmusic.setVisible(false);
}

void Form1::setMusicLabelsVisible(bool visible) {
    for (Control* music : std::initializer_list<Control*>{&Label7, &Label8, &Label9, &Check2})
        music->setVisible(visible);
}

// The recorder switch: the parent's mode caption says whether the child may record or only play.
void Form1::Check1_Click() {
    Label1.setCaption(QString());
    const bool ticked = Check1.value() == 1;
    if (Label5.visible() && ticked)
        showRecorder(true);
    if (Label10.visible() && ticked)
        showRecorder(false);
    if (ticked)
        setMusicLabelsVisible(false);
    if (!ticked) {
        MMControl27.setVisible(false);
        Label3.setVisible(false);
        Label4.setVisible(false);
        Startmusic.setVisible(false);
        Stopmusic.setVisible(true);
    }
    if (!ticked)
        setMusicLabelsVisible(true);
    Text1.setFocus();
}

void Form1::Check2_Click() {
    Check2.setCaption(Check2.value() == 1 ? "Keep Playing" : "Play 1 Time");
    Text1.setFocus();
}

void Form1::Label7_Click() {
    musicFile = nowDir + "/music1.mid";
    Startmusic_Click();
}

void Form1::Label8_Click() {
    musicFile = nowDir + "/music2.mid";
    Startmusic_Click();
}

void Form1::Label9_Click() {
    musicFile = nowDir + "/music3.mid";
    Startmusic_Click();
}

// Closing first releases a tune that may still be playing before the next one opens.
void Form1::Startmusic_Click() {
    MMControl41.command("close");
    MMControl41.setFileName(musicFile);
    MMControl41.command("open");
    MMControl41.command("seek");
    MMControl41.command("prev");
    MMControl41.command("play");
    MMControl41.setUpdateInterval(100);
    Label1.setCaption("Music");
    conventions::showTeddy(Image1, nowDir, "TEDBYE.ICO");
}

void Form1::Stopmusic_Click() {
    MMControl41.command("stop");
    MMControl41.command("seek");
    MMControl41.command("prev");
    Text1.setFocus();
    conventions::showTeddy(Image1, nowDir, "TEDDY.ICO");
    Label1.setCaption("Stop");
}

// Only a tune that ran to its end starts again, and only while "Keep Playing" is ticked.
void Form1::MMControl41_Done(int notifyCode) {
    if (Check2.value() == 1 && notifyCode == 1) {
        MMControl41.command("seek");
        MMControl41.command("prev");
        MMControl41.command("play");
    }
}
