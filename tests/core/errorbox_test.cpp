#include "core/errorbox.h"
#include "core/globals.h"
#include "core/texts.h"
#include "platform/base/error.h"
#include "platform/desktop/messagebox.h"
#include "support/fakemessagebox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include "support/qstringprinter.h"

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

using namespace Modulo;

namespace {

class ErrorBoxTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        gIdioma = m_idioma;
        gEdicao = m_edicao;
    }
    QString m_idioma = gIdioma;
    QString m_edicao = gEdicao;
    tqtest::FakeMessageBoxes boxes;
};

}  // namespace

TEST_F(ErrorBoxTest, ShowsNumberAndMessageInTheProgramsForm)
{
    gIdioma = "P";
    gEdicao = "V";
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    MostraErro(-3, ObtemTexto(97, ""));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the hourglass is cleared first";
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.last().text,
              QStringLiteral("Erro Nº: -3\r\nPara acessar o Razovovu TQ: executar \"DazadizeTQ_?.exe\""));
    EXPECT_EQ(boxes.last().title, QStringLiteral("Razovovu TQ - Vizureru"));
    EXPECT_EQ(boxes.last().icon(), platform::vbCritical);
    EXPECT_EQ(boxes.last().buttons(), platform::vbOKOnly);

    gIdioma = "I";
    gEdicao = "D";
    MostraErro(3021, "No current record.");
    EXPECT_EQ(boxes.last().text, QStringLiteral("Err Nr: 3021\r\nNo current record."));
    EXPECT_EQ(boxes.last().title, QStringLiteral("Estelvo Part list"));
}

TEST_F(ErrorBoxTest, LoadedFormsAreFoundByTheirExactName)
{
    auto detail = std::make_unique<QWidget>();
    detail->setObjectName("frmTQ2");
    EXPECT_TRUE(FormularioCarregado("frmTQ2")) << "loaded, even while hidden";
    EXPECT_FALSE(FormularioCarregado("frmtq2"));
    EXPECT_FALSE(FormularioCarregado("frmTQ1"));
    detail.reset();
    EXPECT_FALSE(FormularioCarregado("frmTQ2"));
}

TEST_F(ErrorBoxTest, GuardShowsEveryEscapingErrorAndReturns)
{
    gIdioma = "P";
    EXPECT_TRUE(Guarda([] {}));
    EXPECT_TRUE(boxes.shown.empty());

    EXPECT_FALSE(Guarda([] { throw platform::Error(3022, "Duplicate key.", "DAO.Database"); }));
    EXPECT_EQ(boxes.last().text, QStringLiteral("Erro Nº: 3022\r\nDuplicate key."));

    EXPECT_FALSE(Guarda([] { throw std::runtime_error("disk exploded"); }));
    EXPECT_EQ(boxes.last().text, QStringLiteral("Erro Nº: 51\r\ndisk exploded"));

    EXPECT_FALSE(Guarda([] { throw 42; }));
    EXPECT_EQ(boxes.last().text, QStringLiteral("Erro Nº: 51\r\nErro interno"));
    EXPECT_EQ(boxes.shown.size(), 3u);
}

// The real box, answered by a timer: its buttons speak the run's language.
TEST(MessageBoxLanguage, ButtonsAreCaptionedInTheLanguageOfTheRun)
{
    const QString antes = gIdioma;
    struct Row {
        const char* language;
        QStringList captions;
    };
    const Row rows[] = {
        {"P", {QStringLiteral("Sim"), QStringLiteral("Não")}},
        {"E", {QStringLiteral("Sí"), QStringLiteral("No")}},
        {"I", {QStringLiteral("Yes"), QStringLiteral("No")}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.language);
        gIdioma = QString::fromLatin1(r.language);
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QAbstractButton* b : box->buttons())
                seen << b->text();
            box->button(QMessageBox::No)->click();
        });
        EXPECT_EQ(platform::MsgBox(QStringLiteral("?"), platform::vbYesNo | platform::vbQuestion, QStringLiteral("t")),
                  platform::vbNo);
        seen.sort();
        QStringList expected = r.captions;
        expected.sort();
        EXPECT_EQ(seen, expected);
    }
    gIdioma = antes;
}
