// The ABCs board's keys, the clicks that answer anywhere else, and the typing box.
#include "abc/Form1.h"
#include "abc/Typing.h"

#include "shell/Conventions.h"
#include "shell/SoundBank.h"

using namespace platform;

void Form1::connectLetterKeys() {
    A.Click.connect([this] { A_Click(); });
    B.Click.connect([this] { B_Click(); });
    C.Click.connect([this] { C_Click(); });
    D.Click.connect([this] { D_Click(); });
    E.Click.connect([this] { E_Click(); });
    F.Click.connect([this] { F_Click(); });
    G.Click.connect([this] { G_Click(); });
    H.Click.connect([this] { H_Click(); });
    I.Click.connect([this] { I_Click(); });
    J.Click.connect([this] { J_Click(); });
    K.Click.connect([this] { K_Click(); });
    L.Click.connect([this] { L_Click(); });
    M.Click.connect([this] { M_Click(); });
    N.Click.connect([this] { N_Click(); });
    O.Click.connect([this] { O_Click(); });
    P.Click.connect([this] { P_Click(); });
    Q.Click.connect([this] { Q_Click(); });
    R.Click.connect([this] { R_Click(); });
    S.Click.connect([this] { S_Click(); });
    T.Click.connect([this] { T_Click(); });
    U.Click.connect([this] { U_Click(); });
    V.Click.connect([this] { V_Click(); });
    W.Click.connect([this] { W_Click(); });
    X.Click.connect([this] { X_Click(); });
    Y.Click.connect([this] { Y_Click(); });
    Z.Click.connect([this] { Z_Click(); });
}

void Form1::connectNumberKeys() {
    C1.Click.connect([this] { C1_Click(); });
    C2.Click.connect([this] { C2_Click(); });
    C3.Click.connect([this] { C3_Click(); });
    C4.Click.connect([this] { C4_Click(); });
    C5.Click.connect([this] { C5_Click(); });
    C6.Click.connect([this] { C6_Click(); });
    C7.Click.connect([this] { C7_Click(); });
    C8.Click.connect([this] { C8_Click(); });
    C9.Click.connect([this] { C9_Click(); });
    C10.Click.connect([this] { C10_Click(); });
}

void Form1::connectAnsweringControls() {
    Image1.Click.connect([this] { Image1_Click(); });
    Click.connect([this] { answerClickAnywhere(); });
    for (Control* plain :
         std::initializer_list<Control*>{&Label1, &Label3, &Label4, &Label5, &Label6, &Label10, &Picture1, &Picture2})
        plain->Click.connect([this] { answerClickAnywhere(); });
    KeyDown.connect([this](int& keyCode, int shift) { Form_KeyDown(keyCode, shift); });
    Text1.Change.connect([this] { Text1_Change(); });
    MenufontUpper.Click.connect([this] { MenufontUpper_Click(); });
    MenufontLower.Click.connect([this] { MenufontLower_Click(); });
}

// Each step stands alone: a missing picture or sound leaves the other steps working.
void Form1::letterKey_Click(int index) {
    conventions::showTeddy(Image1, nowDir, "TEDDY.ICO");
    PlayFromStart(letterDevice(index));
    Label1.setCaption(abc::clickedLetterText(index));
}

void Form1::numberKey_Click(int number) {
    conventions::showTeddy(Image1, nowDir, "TEDDY.ICO");
    PlayFromStart(digitDevice(number));
    Label1.setCaption(abc::clickedNumberText(number));
}

void Form1::Image1_Click() {
    conventions::showTeddy(Image1, nowDir, "TEDBYE.ICO");
    PlayFromStart(MMControl29);
    Label1.setCaption("Hi ");
}

// The board itself and its plain labels and panels: every click of a small child gets an answer.
void Form1::answerClickAnywhere() {
    conventions::showTeddy(Image1, nowDir, "TEDHONO.ICO");
    PlayFromStart(MMControl42);
    Label1.setCaption(QString());
}

void Form1::Form_KeyDown(int& keyCode, int) {
    // The context-menu key would open the typing box's own menu: send the focus elsewhere instead.
    // The device named for it is never shown and so cannot hold the focus; the board takes it then.
    if (keyCode == 93) {
        MMControl1.setFocus();
        if (!MMControl1.hasFocus())
            client()->setFocus();
        return;
    }
    Text1.setFocus();
}

void Form1::Text1_Change() {
    conventions::showTeddy(Image1, nowDir, "TEDDY.ICO");
    // Each test reads the box afresh: once a step has emptied it, the later ones find nothing.
    if (abc::typing::isRejected(Text1.text()))
        emptyTypingBox();
    if (const std::optional<int> digit = abc::typing::digitOf(Text1.text())) {
        PlayFromStart(digitDevice(*digit));
        Label1.setCaption(QString::number(*digit));
        emptyTypingBox();
    }
    if (const std::optional<int> letter = abc::typing::letterOf(Text1.text())) {
        PlayFromStart(letterDevice(*letter));
        Label1.setCaption(abc::typing::typedLetterText(*letter));
        emptyTypingBox();
    }
    Text1.setFocus();
}

// Emptying the box is a change of its own and runs the change handler once more on the empty text.
void Form1::emptyTypingBox() {
    if (!Text1.text().isEmpty())
        Text1.setText(QString());
}

// The case menus change only the captions of the keys; the big label always shows both cases.
void Form1::MenufontUpper_Click() {
    lowerCase = 0;
    upperCase = -1;
    for (int i = 0; i < 26; ++i)
        letterKeys()[static_cast<size_t>(i)]->setCaption(QString(QChar(u'A' + i)));
}

void Form1::MenufontLower_Click() {
    upperCase = 0;
    lowerCase = -1;
    for (int i = 0; i < 26; ++i)
        letterKeys()[static_cast<size_t>(i)]->setCaption(QString(QChar(u'a' + i)));
}
