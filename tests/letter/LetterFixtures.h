#pragma once
// The Letter Board opened as the child opens it ("Letter" on the ABCs board) and as the parent
// opens the help text (the Help menu's "Instructions").
#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "letter/ReadMe.h"

#include <initializer_list>

using Controls = std::initializer_list<const platform::Control*>;

class WritingModeTest : public ClassroomFixture {
protected:
    void SetUp() override {
        ClassroomFixture::SetUp();
        room().form1().LabelWrite.click();
    }
    ReadMe& board() { return room().readMe(); }
    int dings() { return room().form2().MMControl1.playsStarted(); }
    int honos() { return room().form1().MMControl42.playsStarted(); }
};

class HelpModeTest : public ClassroomFixture {
protected:
    void SetUp() override {
        ClassroomFixture::SetUp();
        room().readMe().openForHelp();
    }
    ReadMe& board() { return room().readMe(); }
};
