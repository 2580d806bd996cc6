// The main window's members that call the registry's slots (registro.h): an
// empty slot does nothing.
#include "mainwindow/frmTQ1.h"

namespace {
const RegistroTQ1& R() { return RegistroTQ1::Global(); }
}  // namespace

RegistroTQ1& RegistroTQ1::Global()
{
    static RegistroTQ1 registro;
    return registro;
}

RegistroTQ1::Temporario::Temporario(RegistroTQ1 novo) : m_salvo(new RegistroTQ1(Global()))
{
    Global() = std::move(novo);
}

RegistroTQ1::Temporario::~Temporario()
{
    Global() = std::move(*m_salvo);
    delete m_salvo;
}

#define TQ_CHAMA(slot, ...)       \
    if (const auto& f = R().slot) \
    f(*this __VA_OPT__(, ) __VA_ARGS__)

void frmTQ1::MostraPesquisaPecas(quint8 o) { TQ_CHAMA(MostraPesquisaPecas, o); }
void frmTQ1::EscondePesquisaPecas() { TQ_CHAMA(EscondePesquisaPecas); }
void frmTQ1::MostraPesquisaVeiculos(quint8 o) { TQ_CHAMA(MostraPesquisaVeiculos, o); }
void frmTQ1::EscondePesquisaVeiculos() { TQ_CHAMA(EscondePesquisaVeiculos); }
void frmTQ1::GuardaFiltrosPesquisa() { TQ_CHAMA(GuardaFiltrosPesquisa); }
void frmTQ1::MostraListaPecas(quint8 o, const QString& tipo, long codigo) { TQ_CHAMA(MostraListaPecas, o, tipo, codigo); }
void frmTQ1::EscondeListaPecas() { TQ_CHAMA(EscondeListaPecas); }
void frmTQ1::MostraFigura(quint8 o) { TQ_CHAMA(MostraFigura, o); }
void frmTQ1::EscondeFigura() { TQ_CHAMA(EscondeFigura); }
void frmTQ1::FechaFigura() { TQ_CHAMA(FechaFigura); }
void frmTQ1::MostraComponentes(quint8 o) { TQ_CHAMA(MostraComponentes, o); }
void frmTQ1::EscondeComponentes() { TQ_CHAMA(EscondeComponentes); }
void frmTQ1::FechaConjunto() { TQ_CHAMA(FechaConjunto); }
void frmTQ1::imgParteFigura_Click(int i) { TQ_CHAMA(imgParteFigura_Click, i); }
void frmTQ1::LimpaSelecaoItem(bool forca) { TQ_CHAMA(LimpaSelecaoItem, forca); }
void frmTQ1::OrdenaTabelaPorColuna(const QString& c) { TQ_CHAMA(OrdenaTabelaPorColuna, c); }
void frmTQ1::MostraComparacao(quint8 o) { TQ_CHAMA(MostraComparacao, o); }
void frmTQ1::EscondeComparacao() { TQ_CHAMA(EscondeComparacao); }
void frmTQ1::MostraSelecaoComparacao(quint8 o) { TQ_CHAMA(MostraSelecaoComparacao, o); }
void frmTQ1::EscondeSelecaoComparacao() { TQ_CHAMA(EscondeSelecaoComparacao); }
void frmTQ1::AtualizaGridComparacao(const QString& codigo, int filtro, const QString& ordem, bool recriar,
                                    bool atualizar)
{
    TQ_CHAMA(AtualizaGridComparacao, codigo, filtro, ordem, recriar, atualizar);
}
void frmTQ1::MostraSugestaoGrid() { TQ_CHAMA(MostraSugestaoGrid); }
void frmTQ1::MostraSugestaoFigura(int i, int left) { TQ_CHAMA(MostraSugestaoFigura, i, left); }
void frmTQ1::MostraSugestaoMenu() { TQ_CHAMA(MostraSugestaoMenu); }
void frmTQ1::imgMudaPagina_Click(int i) { TQ_CHAMA(imgMudaPagina_Click, i); }
void frmTQ1::imgFigura_Click() { TQ_CHAMA(imgFigura_Click); }
void frmTQ1::imgPesquisa0_Click() { TQ_CHAMA(imgPesquisa0_Click); }
void frmTQ1::imgPesquisa1_Click() { TQ_CHAMA(imgPesquisa1_Click); }
void frmTQ1::IniciaVerificacaoAtualizacao(bool automatica) { TQ_CHAMA(IniciaVerificacaoAtualizacao, automatica); }
void frmTQ1::MostraMenuAtualizacao() { TQ_CHAMA(MostraMenuAtualizacao); }
void frmTQ1::MenuItemFigura(int sMenu) { TQ_CHAMA(MenuItemFigura, sMenu); }
void frmTQ1::EfeitoCarrinho(bool sApenasDesabilita) { TQ_CHAMA(EfeitoCarrinho, sApenasDesabilita); }

#undef TQ_CHAMA
