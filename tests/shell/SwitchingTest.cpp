// Moving between boards: every "Go To" control hides and shows exactly the boards it should.
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
#include "settings/Form10.h"

#include <QStringList>
#include <functional>

namespace {

struct Board {
    const char* name;
    std::function<platform::Form&(Classroom&)> get;
};

const std::vector<Board> boards{
    {"Form1", [](Classroom& r) -> platform::Form& { return r.form1(); }},
    {"Form2", [](Classroom& r) -> platform::Form& { return r.form2(); }},
    {"Form3", [](Classroom& r) -> platform::Form& { return r.form3(); }},
    {"ReadMe", [](Classroom& r) -> platform::Form& { return r.readMe(); }},
    {"Form5", [](Classroom& r) -> platform::Form& { return r.form5(); }},
    {"Form6", [](Classroom& r) -> platform::Form& { return r.form6(); }},
    {"Form7", [](Classroom& r) -> platform::Form& { return r.form7(); }},
    {"Form8", [](Classroom& r) -> platform::Form& { return r.form8(); }},
    {"form9", [](Classroom& r) -> platform::Form& { return r.form9(); }},
    {"Form10", [](Classroom& r) -> platform::Form& { return r.form10(); }},
};

platform::Form& boardNamed(Classroom& room, const QString& name) {
    for (const Board& b : boards)
        if (name == b.name)
            return b.get(room);
    throw std::logic_error("no such board");
}

QStringList visibleBoards(Classroom& room) {
    QStringList shown;
    for (const Board& b : boards)
        if (b.get(room).isVisible())
            shown << b.name;
    return shown;
}

struct Switch {
    const char* from;
    const char* control;
    std::function<platform::Control&(Classroom&)> goTo;
    QStringList visibleAfter;
};

std::ostream& operator<<(std::ostream& os, const Switch& s) { return os << s.from << "." << s.control; }

class SwitchingTest : public ClassroomFixture, public ::testing::WithParamInterface<Switch> {};

TEST_P(SwitchingTest, ShowsAndHidesTheRightBoards) {
    const Switch& s = GetParam();
    room().form1().hide();
    boardNamed(room(), s.from).show();
    const int playsBefore = room().form1().MMControl42.playsStarted() + room().form2().MMControl1.playsStarted();
    s.goTo(room()).click();
    EXPECT_EQ(visibleBoards(room()), s.visibleAfter);
    EXPECT_EQ(room().form1().MMControl42.playsStarted() + room().form2().MMControl1.playsStarted(), playsBefore)
        << "going to another board plays no sound";
}

INSTANTIATE_TEST_SUITE_P(
    GoToControls, SwitchingTest,
    ::testing::Values(
        Switch{"Form1", "colorshapes", [](Classroom& r) -> platform::Control& { return r.form1().colorshapes; },
               {"Form2"}},
        Switch{"Form1", "Label2", [](Classroom& r) -> platform::Control& { return r.form1().Label2; }, {"Form5"}},
        Switch{"Form1", "LabelWrite", [](Classroom& r) -> platform::Control& { return r.form1().LabelWrite; },
               {"ReadMe"}},
        Switch{"Form2", "Label1", [](Classroom& r) -> platform::Control& { return r.form2().Label1; }, {"Form1"}},
        Switch{"Form2", "Label4", [](Classroom& r) -> platform::Control& { return r.form2().Label4; }, {"Form3"}},
        Switch{"Form3", "Command1", [](Classroom& r) -> platform::Control& { return r.form3().Command1; },
               {"Form2"}},
        Switch{"ReadMe", "Command1", [](Classroom& r) -> platform::Control& { return r.readMe().Command1; },
               {"Form1"}},
        Switch{"Form5", "LabelEnd", [](Classroom& r) -> platform::Control& { return r.form5().LabelEnd; },
               {"Form1"}},
        Switch{"Form5", "LabelmoreMath", [](Classroom& r) -> platform::Control& { return r.form5().LabelmoreMath; },
               {"Form7"}},
        Switch{"Form5", "LabelProblems", [](Classroom& r) -> platform::Control& { return r.form5().LabelProblems; },
               {"Form8"}},
        Switch{"Form6", "CommandDiv", [](Classroom& r) -> platform::Control& { return r.form6().CommandDiv; },
               {"form9"}},
        Switch{"Form6", "CommandEnd", [](Classroom& r) -> platform::Control& { return r.form6().CommandEnd; },
               {"Form7"}},
        Switch{"Form7", "CmdtoDivide", [](Classroom& r) -> platform::Control& { return r.form7().CmdtoDivide; },
               {"form9"}},
        Switch{"Form7", "ComTimesTabel", [](Classroom& r) -> platform::Control& { return r.form7().ComTimesTabel; },
               {"Form6"}},
        Switch{"Form7", "EndButton", [](Classroom& r) -> platform::Control& { return r.form7().EndButton; },
               {"Form5"}},
        Switch{"Form8", "CommandEnd", [](Classroom& r) -> platform::Control& { return r.form8().CommandEnd; },
               {"Form5"}},
        Switch{"form9", "Command1", [](Classroom& r) -> platform::Control& { return r.form9().Command1; },
               {"Form5"}},
        Switch{"form9", "Command3", [](Classroom& r) -> platform::Control& { return r.form9().Command3; },
               {"Form6"}},
        Switch{"form9", "Commandmult", [](Classroom& r) -> platform::Control& { return r.form9().Commandmult; },
               {"Form7"}}));

TEST_F(ClassroomFixture, BigLabelSaysWhereTheChildWent) {
    Form1& abc = room().form1();
    abc.Label2.click();
    EXPECT_EQ(abc.Label1.caption(), "Numbers");
    EXPECT_TRUE(abc.Image1.pictureFile().endsWith("TEDBYE.ICO"));
    room().form5().LabelEnd.click();
    EXPECT_EQ(abc.Label1.caption(), "ABCs");
    // Coming back through the Colors & Shapes board leaves the label and teddy as they were.
    abc.Label2.click();
    room().form5().LabelEnd.click();
    abc.Label1.setCaption("Numbers");
    abc.colorshapes.click();
    room().form2().Label1.click();
    EXPECT_EQ(abc.Label1.caption(), "Numbers");
    EXPECT_TRUE(abc.Image1.pictureFile().endsWith("TEDBYE.ICO"));
}

TEST_F(ClassroomFixture, GoToControlsShowTheCarPointer) {
    for (platform::Control* goTo : std::initializer_list<platform::Control*>{
             &room().form1().colorshapes, &room().form2().Label4, &room().form5().LabelEnd, &room().form9().Command3})
        EXPECT_EQ(goTo->cursor().shape(), Qt::BitmapCursor);
    room().form1().setMousePointer(platform::pointerDefault);
    EXPECT_EQ(room().form1().colorshapes.cursor().shape(), Qt::BitmapCursor);
}

} // namespace
