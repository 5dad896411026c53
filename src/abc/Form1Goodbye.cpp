// The only way out of the classroom: the "Good Bye" label a parent shows, guarded by the password
// when one is set. The teddy waves, "bye" is heard, and two seconds later the program ends, having
// closed the tools it opened and given the keyboard back.
#include "abc/Form1.h"

#include "creative/Form2.h"
#include "creative/Form3.h"
#include "letter/ReadMe.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/Form8.h"
#include "numbers/form9.h"
#include "platform/Runtime.h"
#include "platform/system/SystemServices.h"
#include "settings/Form10.h"
#include "settings/Module1.h"
#include "shell/Classroom.h"
#include "shell/Conventions.h"
#include "shell/Form4.h"
#include "shell/SoundBank.h"

void Form1::exitop_Click() {
    goodbyon.setEnabled(!Goodbye.visible());
    goodgyoff.setEnabled(Goodbye.visible());
}

void Form1::goodbyon_Click() { Goodbye.setVisible(true); }

void Form1::goodgyoff_Click() { Goodbye.setVisible(false); }

void Form1::Goodbye_DblClick() {
    if (pwSet == -1) {
        room.form10().showGate(Form10::exitPrompt);
        return;
    }
    farewell();
}

void Form1::farewell(int fromStep) {
    // Clicks during the wait are answered as usual, but a second goodbye does not start another.
    if (leaving_)
        return;
    leaving_ = true;
    if (fromStep <= 1)
        Label1.setCaption("Good Bye");
    closeVolumeMixer();
    for (platform::Form* board : std::initializer_list<platform::Form*>{
             &room.form2(), &room.form3(), &room.form4(), &room.form5(), &room.form6(), &room.form7(), &room.form8(),
             &room.form9(), &room.readMe(), &room.form10()})
        board->unload();
    conventions::showTeddy(Image1, nowDir, "TEDBYE.ICO");
    PlayFromStart(MMControl28);
    platform::Runtime::waitProcessingEvents(2.0);
    room.system().releaseKeyLock();
    if (room.module1().MouseAppid != 0)
        room.module1().closeMouseWindow();
    platform::Runtime::endProgram(0);
}

void Form1::closeLaunchedTools() {
    closeVolumeMixer();
    if (room.module1().MouseAppid != 0)
        room.module1().closeMouseWindow();
}
