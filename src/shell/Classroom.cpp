#include "shell/Classroom.h"

#include "abc/Form1.h"
#include "creative/Color.h"
#include "creative/Form2.h"
#include "creative/Form3.h"
#include "letter/ReadMe.h"
#include "numbers/Form5.h"
#include "numbers/Form6.h"
#include "numbers/Form7.h"
#include "numbers/Form8.h"
#include "numbers/form9.h"
#include "platform/Stage.h"
#include "platform/system/SystemServices.h"
#include "settings/Form10.h"
#include "settings/Module1.h"
#include "shell/FitToScreen.h"
#include "shell/Form4.h"

Classroom::Classroom()
    : system_(platform::sys::SystemServices::forThisDesktop()), module1_(std::make_unique<Module1>(*this)) {}

// Members go in reverse order: boards first, the title screen after them, the services last.
Classroom::~Classroom() = default;

void Classroom::start() {
    form1_ = std::make_unique<Form1>(*this);
    form1_->Form_Load();
    form1_->show();
    form1_->raise();
    form1_->activateWindow();
}

void Classroom::createTitleScreen() {
    form4_ = std::make_unique<Form4>(*this);
    form4_->Form_Load();
    form4_->show();
}

void Classroom::loadBoards() {
    auto load = [](auto& board) { board->Form_Load(); };
    form2_ = std::make_unique<Form2>(*this);
    load(form2_);
    form3_ = std::make_unique<Form3>(*this);
    load(form3_);
    form5_ = std::make_unique<Form5>(*this);
    load(form5_);
    form6_ = std::make_unique<Form6>(*this);
    load(form6_);
    readMe_ = std::make_unique<ReadMe>(*this);
    load(readMe_);
    form7_ = std::make_unique<Form7>(*this);
    load(form7_);
    form8_ = std::make_unique<Form8>(*this);
    load(form8_);
    form9_ = std::make_unique<::form9>(*this);
    load(form9_);
    form10_ = std::make_unique<Form10>(*this);
    load(form10_);
    // A new screen size (another monitor, a changed resolution) re-fits every board at once, as the
    // title screen's re-fit does: no board is left larger or smaller than the screen.
    platform::Stage::instance()->ScreenChanged.connect([this] { fitAllBoards(); });
}

Color& Classroom::color() {
    if (!color_) {
        color_ = std::make_unique<Color>(*this);
        color_->Form_Load();
    }
    return *color_;
}

void Classroom::comeForward() {
    if (platform::Stage* stage = platform::Stage::instance()) {
        stage->raise();
        stage->activateWindow();
    }
}

void Classroom::closeLaunchedTools() {
    if (form1_)
        form1_->closeLaunchedTools();
}

void Classroom::fitAllBoards() {
    fitToScreen(*form1_);
    fitToScreen(*form2_);
    fitToScreen(*form3_);
    form3_->placeFrame();
    fitToScreen(*form5_);
    fitToScreen(*form6_);
    fitToScreen(*readMe_);
    fitToScreen(*form7_);
    fitToScreen(*form8_);
    fitToScreen(*form9_);
    fitToScreen(*form10_);
}
