#include "ClassroomFixture.h"

#include "abc/Form1.h"
#include "creative/Form2.h"
#include "creative/Form3.h"
#include "shell/Form4.h"

TEST_F(ClassroomFixture, StartsOnTheAbcBoardOverTheTitleScreen) {
    EXPECT_TRUE(room().form1().isVisible());
    EXPECT_TRUE(room().form4().isVisible());
    EXPECT_FALSE(room().form2().isVisible());
    EXPECT_EQ(room().form1().Label1.caption(), "ABCs");
    EXPECT_TRUE(room().form1().MMControl1.isOpen());
    EXPECT_TRUE(room().form2().MMControl1.isOpen());
    EXPECT_TRUE(room().form3().MMControl2.isOpen());
}
