// The window-message hook (MSubclass) and the main window's wheel router.

#include "janelafixture.h"

#include "listcontrols/thgrid.h"
#include "mainwindow/msubclass.h"
#include "platform/base/error.h"

#include <QCoreApplication>
#include <QWheelEvent>

using namespace tqtest;

namespace {

// A handler that records its calls into a shared log.
class Manipulador : public QObject, public ISubclass {
public:
    Manipulador(QString nome, QStringList* log, long resposta = 2) : m_nome(std::move(nome)), m_log(log), m_resposta(resposta) {}
    long MsgResponse() const override { return m_resposta; }
    long WindowProc(QWidget*, int iMsg, QEvent*) override
    {
        *m_log << QStringLiteral("%1:%2").arg(m_nome).arg(iMsg);
        return 7;
    }
    QObject* ObjetoManipulador() override { return this; }

private:
    QString m_nome;
    QStringList* m_log;
    long m_resposta;
};

// A window whose own processing of the user event type is logged.
class Janela : public QWidget {
public:
    explicit Janela(QStringList* log) : m_log(log) {}
    bool event(QEvent* e) override
    {
        if (e->type() == QEvent::User)
            *m_log << QStringLiteral("own");
        return QWidget::event(e);
    }

private:
    QStringList* m_log;
};

void Envia(QWidget* w)
{
    QEvent e(QEvent::User);
    QCoreApplication::sendEvent(w, &e);
}

}  // namespace

TEST(MSubclass, AttachDetachAndTheRegistry)
{
    QStringList log;
    Janela janela(&log);
    Manipulador a(QStringLiteral("a"), &log);
    Manipulador b(QStringLiteral("b"), &log);
    const int msg = QEvent::User;

    MSubclass::AttachMessageHandler(&a, &janela, msg);
    EXPECT_TRUE(MSubclass::JanelaGanchada(&janela));
    // The same handler twice: 13082 and the registry unchanged.
    EXPECT_EQ(tqtest::errorNumberOf([&] { MSubclass::AttachMessageHandler(&a, &janela, msg); }),
              MSubclass::kErroMensagemJaTratada);
    EXPECT_EQ(MSubclass::kErroMensagemJaTratada, -2147208422L);
    EXPECT_EQ(MSubclass::ContagemManipuladores(&janela, msg), 1);
    EXPECT_EQ(MSubclass::ContagemGanchos(&janela), 1);
    // Not a window.
    QWidget filho(&janela);
    EXPECT_EQ(tqtest::errorNumberOf([&] { MSubclass::AttachMessageHandler(&b, &filho, msg); }),
              MSubclass::kErroJanelaInvalida);
    EXPECT_EQ(tqtest::errorNumberOf([&] { MSubclass::AttachMessageHandler(&b, nullptr, msg); }),
              MSubclass::kErroJanelaInvalida);

    // Dispatch: the last attached runs first; the own processing runs before
    // the first-attached handler whose response is 2.
    MSubclass::AttachMessageHandler(&b, &janela, msg);
    EXPECT_EQ(MSubclass::ContagemGanchos(&janela), 2);
    Envia(&janela);
    EXPECT_EQ(log, QStringList({"b:1000", "own", "a:1000"}));

    // Detaching: unknown handlers and windows are ignored; the last one
    // takes the hook off; attaching again hooks anew.
    MSubclass::DetachMessageHandler(&b, &filho, msg);
    MSubclass::DetachMessageHandler(&b, &janela, msg + 1);
    MSubclass::DetachMessageHandler(&b, &janela, msg);
    MSubclass::DetachMessageHandler(&b, &janela, msg);
    EXPECT_EQ(MSubclass::ContagemGanchos(&janela), 1);
    MSubclass::DetachMessageHandler(&a, &janela, msg);
    EXPECT_FALSE(MSubclass::JanelaGanchada(&janela));
    log.clear();
    Envia(&janela);
    EXPECT_EQ(log, QStringList{QStringLiteral("own")});
    MSubclass::AttachMessageHandler(&a, &janela, msg);
    log.clear();
    Envia(&janela);
    EXPECT_EQ(log, QStringList({"own", "a:1000"}));
    MSubclass::DetachMessageHandler(&a, &janela, msg);
}

TEST(MSubclass, ResponsesOneAndZero)
{
    QStringList log;
    Janela janela(&log);
    const int msg = QEvent::User;
    {
        Manipulador depois(QStringLiteral("d"), &log, 1);
        MSubclass::AttachMessageHandler(&depois, &janela, msg);
        Envia(&janela);
        EXPECT_EQ(log, QStringList({"d:1000", "own"}));
        MSubclass::DetachMessageHandler(&depois, &janela, msg);
    }
    log.clear();
    Manipulador consome(QStringLiteral("c"), &log, 0);
    MSubclass::AttachMessageHandler(&consome, &janela, msg);
    Envia(&janela);
    EXPECT_EQ(log, QStringList{QStringLiteral("c:1000")});
    MSubclass::DetachMessageHandler(&consome, &janela, msg);
}

TEST(MSubclass, ADestroyedHandlerDropsOut)
{
    QStringList log;
    Janela janela(&log);
    const int msg = QEvent::User;
    Manipulador fica(QStringLiteral("f"), &log);
    auto* vai = new Manipulador(QStringLiteral("v"), &log);
    MSubclass::AttachMessageHandler(&fica, &janela, msg);
    MSubclass::AttachMessageHandler(vai, &janela, msg);
    delete vai;
    Envia(&janela);
    EXPECT_EQ(log, QStringList({"own", "f:1000"}));
    EXPECT_EQ(MSubclass::ContagemManipuladores(&janela, msg), 1);
    EXPECT_EQ(MSubclass::ContagemGanchos(&janela), 1);
    MSubclass::DetachMessageHandler(&fica, &janela, msg);
    EXPECT_FALSE(MSubclass::JanelaGanchada(&janela));

    // A window destroyed while hooked takes its hook along.
    auto* outra = new Janela(&log);
    MSubclass::AttachMessageHandler(&fica, outra, msg);
    delete outra;
    SUCCEED();
}

namespace {

// Turns the wheel over a point of the window: `distancia` units, positive
// away from the user.
void Roda(QWidget* janela, QPoint global, int distancia, Qt::ScrollPhase fase = Qt::NoScrollPhase)
{
    QWheelEvent e(janela->mapFromGlobal(QPointF(global)), QPointF(global), QPoint(), QPoint(0, distancia),
                  Qt::NoButton, Qt::NoModifier, fase, false);
    QCoreApplication::sendEvent(janela, &e);
}

QPoint Centro(QWidget* w) { return w->mapToGlobal(w->rect().center()); }

}  // namespace

TEST_F(JanelaPrincipalTeste, WheelTurnsFigurePagesAndSuggestionPages)
{
    frmTQ1* f = Carrega();
    f->show();
    ASSERT_TRUE(Modulo::gRodaAtiva);
    f->mHistoricoTelas = QStringLiteral("0134");
    f->pctTela[4]->show();
    f->mPartesFigura = QStringList{QStringLiteral("001004"), QStringLiteral("005009"), QStringLiteral("010012")};
    f->mParteFiguraAtual = 0;
    f->pctTela_MouseMove(4);
    EXPECT_EQ(Modulo::gAlvoRodaNome, QStringLiteral("CAT_FIGURA"));
    gravador.chamadas.clear();
    const QPoint figura = Centro(f->pctTela[4]);
    Roda(f, figura, 120);   // away from the user: previous, round to the last
    EXPECT_EQ(f->mParteFiguraAtual, 2);
    Roda(f, figura, -120);  // towards the user: next, round to the first
    EXPECT_EQ(f->mParteFiguraAtual, 0);
    Roda(f, figura, -120);
    EXPECT_EQ(f->mParteFiguraAtual, 1);
    // A touchpad's fractions add up to one step; one big turn is one step.
    Roda(f, figura, -40, Qt::ScrollUpdate);
    Roda(f, figura, -40, Qt::ScrollUpdate);
    EXPECT_EQ(f->mParteFiguraAtual, 1);
    Roda(f, figura, -40, Qt::ScrollUpdate);
    EXPECT_EQ(f->mParteFiguraAtual, 2);
    Roda(f, figura, 360);
    EXPECT_EQ(f->mParteFiguraAtual, 1);
    // The window takes the turn, so Qt passes it on to no other widget.
    {
        QWheelEvent e(f->mapFromGlobal(QPointF(figura)), QPointF(figura), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        e.ignore();
        QCoreApplication::sendEvent(f, &e);
        EXPECT_TRUE(e.isAccepted());
    }
    EXPECT_EQ(f->mParteFiguraAtual, 2);
    EXPECT_EQ(gravador.chamadas.filter(QStringLiteral("imgParteFigura_Click")).size(), 6);

    // The pointer has left the figure: nothing, and the target is cleared.
    gravador.chamadas.clear();
    Roda(f, Centro(f->pctMenu), -120);
    EXPECT_TRUE(Modulo::gAlvoRodaNome.isEmpty());
    Roda(f, figura, -120);
    EXPECT_TRUE(gravador.chamadas.isEmpty());

    // The suggestion panel pages while its page buttons show.
    f->pctSugestaoCompra->show();
    Modulo::DefineAlvoRoda(QStringLiteral("CAT_SUGEST"));
    const QPoint painel = Centro(f->pctSugestaoCompra);
    Roda(f, painel, -120);
    Roda(f, painel, 120);
    f->imgMudaPagina[0]->hide();
    Roda(f, painel, 120);
    EXPECT_EQ(gravador.chamadas, QStringList({"imgMudaPagina_Click(1)", "imgMudaPagina_Click(0)"}));
}

TEST_F(JanelaPrincipalTeste, WheelScrollsTheListFourRowsANotch)
{
    frmTQ1* f = Carrega();
    f->show();
    f->grdTHGrid1->mUserControlPixelWidth = 384;
    f->grdTHGrid1->mUserControlPixelHeight = 255;
    f->grdTHGrid1->Move(104, 173, 384, 255);
    f->dtcTHGrid1->SetRecordSource(
        QStringLiteral("SELECT NumeroEmpresaComponente FROM COMPONENTE ORDER BY NumeroEmpresaComponente"));
    f->dtcTHGrid1->Refresh();
    f->grdTHGrid1->ObtemDataControl(f->dtcTHGrid1);
    f->grdTHGrid1->ConfiguraColunas({QStringLiteral("NumeroEmpresaComponente|0|1500|T|6")});
    f->grdTHGrid1->show();
    ASSERT_GT(f->dtcTHGrid1->Recordset()->RecordCount(), 30);
    Modulo::DefineAlvoRoda(QStringLiteral("CAT_GRID1"));
    const auto primeira = [&] { return f->grdTHGrid1->RowBookmark(0); };
    const auto inicio = primeira();
    const QPoint lista = Centro(f->grdTHGrid1);
    Roda(f, lista, -120);  // towards the user: down four rows
    EXPECT_EQ(f->dtcTHGrid1->Recordset()->RowOfBookmark(primeira()), 4);
    Roda(f, lista, 120);
    EXPECT_EQ(primeira(), inicio);

    // Moving the hook to another window and back clears the target.
    f->SubClassing(false);
    EXPECT_FALSE(f->mHwndGancho);
    EXPECT_TRUE(Modulo::gAlvoRodaNome.isEmpty());
    Modulo::DefineAlvoRoda(QStringLiteral("CAT_GRID1"));
    Roda(f, lista, -120);
    EXPECT_EQ(primeira(), inicio);
    QWidget detalhe;
    Modulo::gFormRoda = &detalhe;
    f->SubClassing(true);
    EXPECT_EQ(f->mHwndGancho.data(), &detalhe);
    EXPECT_TRUE(MSubclass::JanelaGanchada(&detalhe));
    EXPECT_FALSE(MSubclass::JanelaGanchada(f));
    f->SubClassing(false);
    Modulo::gFormRoda = f;
    f->SubClassing(true);
    EXPECT_FALSE(MSubclass::JanelaGanchada(&detalhe));
    EXPECT_TRUE(MSubclass::JanelaGanchada(f));
}
