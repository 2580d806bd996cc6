// The main window loads over the demo catalogue and starts on its start
// screen.

#include "janelafixture.h"

#include "listcontrols/thgrid.h"

using namespace tqtest;

TEST_F(JanelaPrincipalTeste, LoadsOnTheStartScreen)
{
    frmTQ1* f = Carrega();
    EXPECT_EQ(f->mHistoricoTelas, QStringLiteral("0"));
    EXPECT_FALSE(f->pctTela[0]->isHidden());
    EXPECT_FALSE(f->pctTela[0]->Picture().isNull());
    EXPECT_TRUE(f->imgInicio->isHidden());
    EXPECT_FALSE(Modulo::gTextoDataEmissao.isEmpty());
    EXPECT_EQ(f->lblUltimaAtualizacao->text(), Modulo::gTextoDataEmissao);
    EXPECT_TRUE(caixas.shown.empty());
}
