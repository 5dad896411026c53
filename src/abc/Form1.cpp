#include "abc/Form1.h"

#include "creative/Form2.h"
#include "creative/Form3.h"
#include "letter/FontList.h"
#include "letter/ReadMe.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "platform/Pictures.h"
#include "platform/Runtime.h"
#include "platform/Screen.h"
#include "platform/system/SystemServices.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/FitToScreen.h"
#include "shell/SoundBank.h"

using namespace platform;

Form1::Form1(Classroom& room_) : Form(" Pipkin's Classroom  ", colors::lightRed), room(room_) {
    setDesignState();
    Text1.setAccessibleName("Typing box");
    Check1.setAccessibleName("Show the recorder");
    // Plain panels that answer a click with the board's soft click, as the board itself does.
    Picture1.setAccessibleName("Panel");
    Picture2.setAccessibleName("Panel");
    connectHandlers();
}

// What the board looks like before its load step: the parts a parent must first allow are hidden.
void Form1::setDesignState() {
    Label1.setAutoSize(true);
    Image1.setBuiltinPicture("teddy");
    Text1.setBackColor(colors::paleRed);
    Text1.setMaxLength(1);
    Text1.setTabStop(true);
    Check2.setPicture(builtinPicture("abc-music-note", {32, 32}));
    Goodbye.setMouseIcon(conventions::wavingTeddyPointer());
    Goodbye.setMousePointer(pointerCustom);
    for (Control* hidden : std::initializer_list<Control*>{&Startmusic, &Check1, &Label3, &Label4, &Label5, &Label10,
                                                           &volume, &Label6, &Goodbye, &pwText})
        hidden->setVisible(false);
    // The password box only holds the parent's password: never on the child's screen.
    pwText.setMaxLength(10);
    pwText.keepSecret();
    for (Control* goTo : std::initializer_list<Control*>{&colorshapes, &Label2, &LabelWrite})
        conventions::useCarPointer(*goTo);
    conventions::useTeddyPointer(*this);
    setKeyPreview(true);
    for (MediaDevice* device : devices())
        device->setVisible(false);
    MemuVolume.setEnabled(false);
    exitop.setEnabled(false);
    Helpmenu.setEnabled(false);
    menuPassIsSet.setVisible(false);
}

void Form1::connectHandlers() {
    colorshapes.Click.connect([this] { colorshapes_Click(); });
    Label2.Click.connect([this] { Label2_Click(); });
    LabelWrite.Click.connect([this] { LabelWrite_Click(); });
    Unload.connect([this] { Form_Unload(); });
    connectLetterKeys();
    connectNumberKeys();
    connectAnsweringControls();
    connectRecorderAndMusic();
    connectMenus();
    connectSettings();
}

void Form1::Form_Load() {
    room.system().engageKeyLock(this);
    nowDir = Runtime::currentDirectory();
    fitToScreen(*this);
    upperCase = -1;
    lowerCase = 0;
    room.createTitleScreen();
    room.loadBoards();
    pwSet = 0;
    for (const QString& font : letter::fontList())
        room.readMe().Combo1.addItem(font);
    Text1.setFocus();
    Label1.setCaption("ABCs");
    MMControl27.setVisible(false);
    Label3.setVisible(false);
    Label4.setVisible(false);
    prepareDevices();
    for (MediaDevice* device : devices())
        device->command("Open");
}

void Form1::prepareDevices() {
    const QString letters = "abcdefghijklmnopqrstuvwxyz";
    auto file = [this](const QString& name) { return nowDir + "/" + name; };
    const auto all = devices();
    for (int i = 0; i < 26; ++i)
        OpenSoundDevice(*all[static_cast<size_t>(i)], "WaveAudio", file(letters[i] + QString(".WAV")));
    OpenSoundDevice(MMControl27, "WaveAudio", file("voice.wav"));
    OpenSoundDevice(MMControl28, "WaveAudio", file("bye.WAV"));
    OpenSoundDevice(MMControl29, "WaveAudio", file("hi.WAV"));
    OpenSoundDevice(MMControl30, "WaveAudio", file("c10.WAV"));
    for (int n = 1; n <= 9; ++n)
        OpenSoundDevice(*all[static_cast<size_t>(29 + n)], "WaveAudio", file(QString("c%1.WAV").arg(n)));
    OpenSoundDevice(MMControl40, "WaveAudio", file("c0.WAV"));
    // The music device gets its type only; the tune is chosen when music starts.
    OpenSoundDevice(MMControl41, "Sequencer", QString());
    musicFile = file("music1.mid");
    OpenSoundDevice(MMControl42, "WaveAudio", file("hono.WAV"));
}

MediaDevice& Form1::digitDevice(int digit) {
    if (digit == 0)
        return MMControl40;
    if (digit == 10)
        return MMControl30;
    return *devices()[static_cast<size_t>(29 + digit)];
}

void Form1::Form_Unload() {
    for (MediaDevice* device : devices())
        device->command("close");
}

void Form1::colorshapes_Click() {
    hide();
    room.form2().show();
    room.form3().hide();
    room.form5().hide();
    room.form6().hide();
}

void Form1::Label2_Click() {
    conventions::showTeddy(Image1, nowDir, "TEDBYE.ICO");
    Label1.setCaption("Numbers");
    hide();
    room.form2().hide();
    room.form3().hide();
    room.form5().show();
}

void Form1::LabelWrite_Click() {
    room.readMe().show();
    hide();
    room.readMe().openForWriting();
}
