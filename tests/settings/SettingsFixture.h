#pragma once
// A fresh classroom seen from the parent's side: the ABCs board's menus, the Password form and the
// Letter Board, with the ways a parent reaches each gate. The clock is a stepping one, so the
// goodbye's two-second wait passes in a few reads instead of two real seconds.
#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "letter/ReadMe.h"
#include "platform/Runtime.h"
#include "settings/Form10.h"
#include "settings/Module1.h"

#include <vector>

class SettingsFixture : public ClassroomFixture {
public:
    void SetUp() override {
        ClassroomFixture::SetUp();
        useSteppingClock(36000.0, 0.25);
    }
    void TearDown() override {
        platform::Runtime::setClock({});
        platform::Runtime::resetEndRequested();
        ClassroomFixture::TearDown();
    }

    // Public, so that tables of cases can reach the boards and the parent's ways through them.
    Form1& abc() { return room().form1(); }
    Module1& module() { return room().module1(); }
    Form10& pw() { return room().form10(); }
    ReadMe& letter() { return room().readMe(); }

    // Every read of the clock moves it on by `step` seconds, wrapping at midnight as the real one
    // does. Each read is remembered with whether the program had been asked to end by then.
    void useSteppingClock(double start, double step) {
        clockReads_.clear();
        platform::Runtime::setClock([this, now = start, step]() mutable {
            const double reading = now;
            clockReads_.push_back({reading, platform::Runtime::endRequested()});
            // A wait that never ends would hang the test: past 400 reads the clock runs off the day, so
            // even a wait that mishandles midnight returns and the checks on the reads fail instead.
            now = clockReads_.size() > 400 ? now + 3600 : (now + step >= 86400 ? now + step - 86400 : now + step);
            return reading;
        });
    }

    // Sets a password as a parent does: menu, entry, verify, Submit, back to the ABCs board.
    void setPassword(const QString& password) {
        abc().MenuExitpw.click();
        pw().Text1.type(password);
        pw().Text2.type(password);
        pw().Command2.click();
        pw().Command1.click();
    }

    // The parent's ways to the four gates (each also the action itself while no password is set).
    void requestPrinting() { abc().menuPrintOn.click(); }
    void requestVolume() {
        abc().MenuOptionsOn.click();
        abc().Volumeon.click();
    }
    // The Letter Board's "Mouse" menu shows only after "Menus Defaults On", and only in help mode,
    // which the Help menu opens (and which "Menus Defaults On" disables again on the ABCs board).
    void requestMouse() {
        abc().AllMenusaon.click();
        abc().MenuOptionsOn.click();
        abc().insthelp.click();
        letter().MenuMouseControl.click();
    }
    void requestExit() {
        abc().MenuOptionsOn.click();
        abc().goodbyon.click();
        abc().Goodbye.dblClick();
    }

protected:
    struct ClockRead {
        double seconds;
        bool endRequested;
    };
    std::vector<ClockRead> clockReads_;
};
