#pragma once
// The classroom: owns every board (created once at start-up, never destroyed while running), the
// shared module and the system services. Boards reach each other through it.
#include <memory>

class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;
class Form8;
class form9;
class Form10;
class ReadMe;
class Color;
class Module1;

namespace platform::sys {
class SystemServices;
}

class Classroom {
public:
    Classroom();
    Classroom(const Classroom&) = delete;
    Classroom& operator=(const Classroom&) = delete;
    ~Classroom();

    // Creates the ABCs board and runs its load step (the whole start sequence), then shows it.
    void start();

    Form1& form1() { return *form1_; }
    Form2& form2() { return *form2_; }
    Form3& form3() { return *form3_; }
    Form4& form4() { return *form4_; }
    Form5& form5() { return *form5_; }
    Form6& form6() { return *form6_; }
    Form7& form7() { return *form7_; }
    Form8& form8() { return *form8_; }
    ::form9& form9() { return *form9_; }
    Form10& form10() { return *form10_; }
    ReadMe& readMe() { return *readMe_; }
    // The Custom Color mixer loads the first time it is needed.
    Color& color();
    Module1& module1() { return *module1_; }
    platform::sys::SystemServices& system() { return *system_; }

    // Steps of the ABCs board's load step.
    void createTitleScreen();
    void loadBoards();
    // Brings the board the child is on to the front (a second start of the classroom asks for it).
    void comeForward();
    // Closes the volume mixer and mouse settings a parent opened (the program is ending by a signal).
    void closeLaunchedTools();
    // The title screen's re-fit, board by board in the start-up order.
    void fitAllBoards();

private:
    std::unique_ptr<platform::sys::SystemServices> system_;
    std::unique_ptr<Module1> module1_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form6> form6_;
    std::unique_ptr<ReadMe> readMe_;
    std::unique_ptr<Form7> form7_;
    std::unique_ptr<Form8> form8_;
    std::unique_ptr<::form9> form9_;
    std::unique_ptr<Form10> form10_;
    std::unique_ptr<Color> color_;
};
