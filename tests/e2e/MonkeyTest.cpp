// A restless child: thousands of seeded random clicks, double clicks, drags and key presses on
// whichever board is in front, reaching only what a child can reach (the boards' own controls, never
// the parent's menus). Afterwards the classroom still answers and the letter and the picture saved
// before are still on disk and loadable. The asan preset runs it too.
#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Color.h"
#include "creative/Form2.h"
#include "creative/Form3.h"
#include "letter/LetterFile.h"
#include "letter/ReadMe.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/Form8.h"
#include "numbers/form9.h"
#include "platform/Control.h"
#include "platform/Runtime.h"
#include "settings/Form10.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

using platform::Control;
using platform::Form;

constexpr int defaultSteps = 20000;
constexpr std::uint32_t defaultSeed = 20261210;

std::uint32_t seedFromEnvironment() {
    const char* seed = std::getenv("PIPKIN_MONKEY_SEED");
    return seed ? std::uint32_t(std::strtoul(seed, nullptr, 10)) : defaultSeed;
}

int stepsFromEnvironment() {
    const char* steps = std::getenv("PIPKIN_MONKEY_STEPS");
    return steps ? std::atoi(steps) : defaultSteps;
}

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class MonkeyTest : public ClassroomFixture {
protected:
    // The board a child sees: the small mixer or password window above the rest, else the one board shown.
    Form* front() {
        for (Form* f : std::initializer_list<Form*>{&room().color(), &room().form10()})
            if (f->isVisible())
                return f;
        for (Form* f : boards())
            if (f->isVisible())
                return f;
        return nullptr;
    }

    std::vector<Form*> boards() {
        return {&room().form1(), &room().form2(), &room().form3(), &room().readMe(), &room().form5(),
                &room().form6(), &room().form7(), &room().form8(), &room().form9()};
    }

    static std::vector<Control*> reachableControls(Form& board) {
        std::vector<Control*> controls;
        for (QWidget* w : board.findChildren<QWidget*>())
            if (Control* c = Control::fromWidget(w); c && w->isVisible() && w->isEnabled())
                controls.push_back(c);
        return controls;
    }

    void saveLetterAndPicture() {
        room().form1().LabelWrite.click();
        ASSERT_TRUE(room().readMe().isVisible());
        room().readMe().Text1.type("Dear Teddy,\nI can write.");
        room().readMe().SaveRM.click();
        room().readMe().Command1.click();
        ASSERT_TRUE(room().form1().isVisible());

        room().form1().menuChalkOn.click();
        room().form3().SaveOnMenu.click();
        room().form1().colorshapes.click();
        room().form2().Label4.click();
        Form3& chalk = room().form3();
        ASSERT_TRUE(chalk.isVisible());
        chalk.mouseDownAt(600, 600);
        for (int x = 700; x <= 3000; x += 100)
            chalk.mouseMoveAt(x, x / 2, 1);
        chalk.mouseUpAt(3000, 1500);
        ASSERT_TRUE(chalk.CommandSavepic.visible()) << "saving pictures could not be switched on";
        chalk.CommandSavepic.click();
        letter_ = contents(startFile("write.txt"));
        picture_ = contents(startFile("cboard.bmp"));
        ASSERT_FALSE(letter_.isEmpty()) << "the letter was not saved";
        ASSERT_FALSE(picture_.isEmpty()) << "the picture was not saved";
    }

    std::string act(std::mt19937& rng, Form& board) {
        const std::vector<Control*> controls = reachableControls(board);
        const auto pick = [&](std::size_t n) { return std::size_t(rng() % n); };
        const int x = int(rng() % std::uint32_t(std::max(1, board.clientWidth())));
        const int y = int(rng() % std::uint32_t(std::max(1, board.clientHeight())));
        const unsigned kind = rng() % 100;
        if (kind < 45 && !controls.empty()) {
            Control* c = controls[pick(controls.size())];
            savedByMonkey_ |= isSaveButton(c);
            c->click();
            return std::string("click ") + c->widget()->metaObject()->className();
        }
        if (kind < 52 && !controls.empty()) {
            controls[pick(controls.size())]->dblClick();
            return "double click";
        }
        if (kind < 62 && controls.size() > 1) {
            controls[pick(controls.size())]->dragTo(*controls[pick(controls.size())]);
            return "drag between controls";
        }
        if (kind < 80) {
            static const QString keys = "abcdefghijklmnopqrstuvwxyz0123456789 ABCXYZ.,!?\n";
            const QString text(keys[qsizetype(pick(std::size_t(keys.size())))]);
            board.typeKeys(text);
            return "type " + text.toStdString();
        }
        if (kind < 90) {
            board.clickAt(x, y);
            return "click on the board at " + std::to_string(x) + "," + std::to_string(y);
        }
        board.mouseDownAt(x, y);
        for (int i = 1; i <= 4; ++i)
            board.mouseMoveAt(x + i * 150, y + i * 90, 1);
        board.mouseUpAt(x + 600, y + 360);
        return "scribble from " + std::to_string(x) + "," + std::to_string(y);
    }

    bool isSaveButton(const Control* c) { return c == &room().readMe().SaveRM || c == &room().form3().CommandSavepic; }

    // The ABCs board brought to the front still speaks and shows a letter key.
    void expectStillAnswering() {
        for (Form* f : boards())
            f->setVisible(f == &room().form1());
        room().color().setVisible(false);
        room().form10().setVisible(false);
        const int playsBefore = room().form1().MMControl1.playsStarted();
        room().form1().A.click();
        processEventsFor(100);
        EXPECT_EQ(room().form1().Label1.caption(), "A a ");
        EXPECT_EQ(room().form1().MMControl1.playsStarted(), playsBefore + 1);
    }

    // The letter and the picture saved before are on disk and loadable; untouched unless the monkey saved.
    void expectSavedWorkIntact() {
        EXPECT_TRUE(letterfile::read(startFile("write.txt")).has_value()) << "the letter no longer reads";
        QImage picture;
        EXPECT_TRUE(picture.load(startFile("cboard.bmp"))) << "the saved picture no longer loads";
        if (!savedByMonkey_) {
            EXPECT_EQ(contents(startFile("write.txt")), letter_);
            EXPECT_EQ(contents(startFile("cboard.bmp")), picture_);
        }
    }

    QByteArray letter_;
    QByteArray picture_;
    bool savedByMonkey_ = false;
};

TEST_F(MonkeyTest, ThousandsOfRandomClicksDragsAndKeysLeaveTheClassroomWhole) {
    ASSERT_NO_FATAL_FAILURE(saveLetterAndPicture());
    const std::uint32_t seed = seedFromEnvironment();
    std::mt19937 rng(seed);
    std::deque<std::string> lastActions;
    std::vector<bool> visited(boards().size(), false);
    const int steps = stepsFromEnvironment();
    for (int step = 0; step < steps; ++step) {
        Form* board = front();
        ASSERT_NE(board, nullptr) << "no board in front after step " << step << " (seed " << seed << ")";
        for (std::size_t i = 0; i < boards().size(); ++i)
            visited[i] = visited[i] || boards()[i] == board;
        lastActions.push_back(board->caption().toStdString() + ": " + act(rng, *board));
        if (lastActions.size() > 10)
            lastActions.pop_front();
        QCoreApplication::processEvents();
        ASSERT_FALSE(platform::Runtime::endRequested())
            << "the classroom ended at step " << step << " (seed " << seed << "), last: " << lastActions.back();
    }
    processEventsFor(300);

    std::string trail;
    for (const std::string& a : lastActions)
        trail += "\n  " + a;
    SCOPED_TRACE("seed " + std::to_string(seed) + ", last actions:" + trail);
    // The monkey went everywhere a child can go.
    for (std::size_t i = 0; i < boards().size(); ++i)
        EXPECT_TRUE(visited[i]) << boards()[i]->caption().toStdString() << " was never reached";

    expectStillAnswering();
    expectSavedWorkIntact();
}

} // namespace
