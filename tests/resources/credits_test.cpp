// The closing window: its placement table, and offscreen its picture, its
// timer and its click and key behaviour.

#include "core/frmCreditos.h"
#include "core/texts.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(CreditsPlacement, ByScreenSize)
{
    struct Case {
        int w, h;
        const char* picture;
        QPoint at;
    };
    const Case cases[] = {
        {800, 600, "FUNDOTELANORVALE800X600", {0, 0}},
        {1280, 720, "FUNDOTELANORVALE800X600", {0, 0}},   // 720 is below 768
        {1023, 900, "FUNDOTELANORVALE800X600", {0, 0}},
        {1024, 768, "FUNDOTELANORVALE1024X768", {0, 0}},
        {1280, 1024, "FUNDOTELANORVALE1024X768", {128, 128}},
        {1366, 768, "FUNDOTELANORVALE1024X768", {171, 0}},
        {1025, 768, "FUNDOTELANORVALE1024X768", {0, 0}},  // half a pixel goes to the even neighbour
        {1027, 769, "FUNDOTELANORVALE1024X768", {2, 0}},
        {1029, 771, "FUNDOTELANORVALE1024X768", {2, 2}},
    };
    for (const Case& c : cases) {
        const frmCreditos::Posicao p = frmCreditos::PosicaoImagem(c.w, c.h);
        EXPECT_EQ(p.imagem, QString::fromLatin1(c.picture)) << c.w << "x" << c.h;
        EXPECT_EQ(p.canto, c.at) << c.w << "x" << c.h;
    }
}

class CreditsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        frmCreditos::setEncerraPrograma([this] { ++ended; });
        window = new frmCreditos;
    }
    void TearDown() override
    {
        delete window.data();
        frmCreditos::setEncerraPrograma({});
    }
    QLabel* picture() const { return window->findChild<QLabel*>(QStringLiteral("imgCreditos")); }

    int ended = 0;
    QPointer<frmCreditos> window;
};

TEST_F(CreditsWindow, ShowsThePictureForTheScreenOnTheCreamBackground)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const frmCreditos::Posicao expected = frmCreditos::PosicaoImagem(screen.width(), screen.height());
    window->show();
    EXPECT_EQ(window->geometry(), screen);  // the whole screen
    ASSERT_NE(picture(), nullptr);
    EXPECT_EQ(picture()->pos(), expected.canto);
    EXPECT_EQ(picture()->size(), expected.imagem.endsWith(QLatin1String("1024X768")) ? QSize(1024, 768) : QSize(800, 600));
    EXPECT_FALSE(picture()->pixmap().isNull());
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window->windowTitle(), Modulo::ObtemTituloPrograma());
    EXPECT_FALSE(window->windowTitle().isEmpty());
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(255, 249, 241));
}

TEST_F(CreditsWindow, EndsTheProgramAtTheFifthTick)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window && window->Contador() >= 4; }, 4000));
    EXPECT_EQ(ended, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ended > 0; }, 2000));
    EXPECT_EQ(ended, 1);
    // The window is gone and ends the program only once.
    QTest::qWait(700);
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(window.isNull());
}

TEST_F(CreditsWindow, AnyKeyEndsAtOnce)
{
    window->show();
    QTest::keyClick(window, Qt::Key_Shift);
    EXPECT_EQ(ended, 1);
}

TEST_F(CreditsWindow, AClickOnTheBackgroundEndsButNotOneOnThePicture)
{
    window->show();
    QTest::mouseClick(picture(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(ended, 0);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(window->width() - 1, window->height() - 1));
    EXPECT_EQ(ended, 1);
}

}  // namespace
