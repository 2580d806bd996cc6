#pragma once
// The assembly view of the main window: screen 4, the exploded figure of the
// assembly mCodigoPeca, and screen 5, its components table, with the shared
// repair-kit combo, the item menu and the panels of a hovered item.
//
// Each main window gets one VistaConjunto over its controls, its members and
// its routines (controles.h); the window's registry slots (assembly/janela)
// call the public members below: Forward on an assembly of the parts list
// runs MostraFigura(3); the Table button MostraComponentes(4); the Figure
// button and a double click on the table MostraFigura(5); the comparison's
// figure icons FechaFigura and MostraFigura(8); leaving the assembly
// FechaConjunto; a mouse move over the figure screen LimpaSelecaoItem(false);
// PgDn, PgUp and the wheel imgParteFigura_Click with the next or previous
// page; the table's column titles OrdenaTabelaPorColuna; the item menu
// MenuItemFigura.  The view connects the signals of the controls that belong
// to its screens alone (item labels, thumbnails, the kit combo, the find
// boxes, the blink timer) itself.  The view is built after the window's
// controls; it may be destroyed before or after them (the run-time labels are
// children of pctTela(4) and go with it).
//
// Behaviour, in the terms of the design (member names are the design's):
//   - the figure is built on the first entry into screen 4 for an assembly
//     (labels, pages, thumbnails, the components recordset mRsItensFigura)
//     and kept while the user switches to the table and back; every entry
//     reads and clears the locate request in gParametro, marks what it names
//     and shows the page of the first mark (page 0 otherwise), and says so in
//     an information box when the request marks nothing;
//   - hovering a label shows its item's component on the data line, marks
//     related labels red and blue, and opens the tooltip, kit and suggestion
//     panels; the right button steps through an item's components; the left
//     button opens the item menu;
//   - the table is built on its first entry, sorted by item; the kit combo
//     narrows it; the find boxes move its current row; each screen keeps its
//     own kit choice.
//
// Every event handler runs inside Modulo::Guarda; failures of the screen's
// own entry routines reach the window's handler that called them, which runs
// in the guard too.  Faults of the design that are built soundly here: see
// the file comments of figuramodelo.h, localizacao.h and consultas.h, and
// "A kit query without rows hides the kit panel", "an invalid find pattern is
// no match", "the not-drawn box shows on the first figure of the run too".

#include "assembly/controles.h"
#include "assembly/figuramodelo.h"
#include "assembly/localizacao.h"
#include "assembly/rotuloitem.h"

#include "core/errorbox.h"
#include "listcontrols/thgrid.h"
#include "platform/dao/dao.h"

#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace Conjunto {

class VistaConjunto : public QObject, private OuvinteRotulo {
    Q_OBJECT
public:
    VistaConjunto(const ControlesFigura& figura, const ControlesTabela& tabela, const MembrosTQ1& membros,
                  JanelaConjunto& janela, QObject* parent = nullptr);
    ~VistaConjunto() override;

    // ---- Screen 4: entry and exit -------------------------------------------
    void MostraFigura(int sTelaOrigem);
    void EscondeFigura();
    void FechaFigura();
    void DescarregaItensFigura();

    // ---- Pages ------------------------------------------------------------------
    void imgParteFigura_Click(int Index);
    void imgParteFigura_MouseMove(int Index);
    void MostraParteFigura(int sParte, bool sLimpar);
    // The next and previous page with wrap-around (the keys and the wheel).
    int ParteSeguinte() const;
    int ParteAnterior() const;

    // ---- Marks and hover ------------------------------------------------------------
    void DestacaJogoReparoFigura(std::int64_t sCodigoJogoReparo);
    void LimpaSelecaoItem(bool sForcar);
    void LimpaDestaqueFigura();
    void lblItem_MouseMove(int Index);
    void lblItem_MouseUp(int Index, int Button);
    void MenuItemFigura(int sMenu);

    // ---- Screen 5 -----------------------------------------------------------------
    void MostraComponentes(int Origem);
    void EscondeComponentes();
    void FechaConjunto();
    void AtualizaGridComponentes(const QString& Ordem, const QString& Item, bool Recriar, bool Atualizar);
    void OrdenaTabelaPorColuna(const QString& Coluna);
    void LocalizaItemTabela(const QString& Criterio, bool AtualizaReferencias);

    // ---- Kit combo --------------------------------------------------------------
    void ConfiguraComboJogosReparo();
    void CarregaComboJogosReparo(const QString& TextoTodos);
    void cboTHCombo2_Click();
    void cboTHCombo2_ImageClick(int sColuna, int sButton);
    void cboTHCombo2_MouseMove();
    // The kit of the combo's current row (0: the all row or no row).
    std::int64_t CodigoJogoReparoAtual() const;
    // The current row's item of the table, nullopt at its end.
    std::optional<QString> ItemAtualTabela() const;

    // ---- State for the window, the viewer and the tests ---------------------------
    const FiguraModelo& Figura() const { return m_figura; }
    RotuloItem* lblItem(int indice) const;
    // The thumbnail of a page (the window's for pages 0..29, the view's past).
    Imagem* Miniatura(int pagina) const;
    // The page shown, 255 when none (any number of pages).
    int ParteFiguraAtual() const { return m_parteAtual; }
    bool MiniaturaEmoldurada(int pagina) const;
    const std::vector<MarcaItem>& ItensDestacados() const { return m_marcas; }
    platform::dao::RecordsetPtr RsItensFigura() const { return m.mRsItensFigura; }
    // The page file shown (imgFiguraDetalhada's picture source), "" for none.
    QString ArquivoFiguraAtual() const { return m_arquivoAtual; }
    QString ConsultaTabela() const { return m_consultaTabela; }
    // Rows of the kit panel shown (number, description).
    std::vector<std::pair<QString, QString>> LinhasPainelJogos() const;

private:
    // The item labels' events, each in the guard.
    void RotuloMouseMove(int indice) override;
    void RotuloMouseUp(int indice, int botao) override;

private:
    // 4.101 / 4.102
    void CarregaFigura();
    void AbreComponentesFigura();
    void CarregaImagemFigura(const QString& sArquivo);
    QString ObtemTextoItem(int sIndice, bool sResumido) const;
    void PosicionaMiniaturas();
    // Sizes and places a frame that marks a thumbnail (the current page's,
    // the hover frame) round the thumbnail of `pagina`, and again after the
    // kit frames change.  The caller keeps it under that thumbnail.
    void ColocaQuadroMiniatura(Imagem* quadro, const QPixmap& desenho, int pagina);
    void RecolocaQuadrosMiniaturas();
    void LigaMiniatura(Imagem* mini, int pagina);
    void DefineParteAtual(int parte);
    // 4.103
    void LocalizaItensFigura();
    void DestacaItensFigura(const QStringList& sItens, std::optional<std::int64_t> sJogoReparo, int sNomeTipo);
    void DestacaPartesFigura(const std::vector<int>& sPartes, bool sForcar);
    void RestauraEstiloItem(int indice);
    void RestauraTodos();
    void tmrFigura_Timer();
    void MostraTitulosDados(bool mostrar);
    void CorDados(long cor);
    // 4.104
    void ExibeDadosItemFigura(int sIndice, int sPosicao, bool sRestaurar, std::int64_t sCodigoComponente, bool sMostrarPainel);
    void MostraJogosReparoItem(int sIndice);
    bool CarregaJogosReparoItem(std::int64_t sCodigoPeca, const QString& sItem);
    void DescarregaLinhasJogos();
    // 4.106 / 4.109
    void ConfiguraTabela();
    void txtItem_Change();
    void txtNumeroEmpresaT_Change();
    void txtComponente_Change();
    void txtNumeroFabricanteT_Change();
    int TelaAtual() const;
    // Runs an event handler in the guard, unless the window is going.
    template <typename F>
    void Evento(F&& handler)
    {
        if (m_janela.Viva())
            Modulo::Guarda(std::forward<F>(handler));
    }
    platform::dao::RecordsetPtr RsCombo() const;
    platform::dao::RecordsetPtr RsTabela() const;
    void LigaSinais();

    ControlesFigura c;
    ControlesTabela t;
    MembrosTQ1 m;
    JanelaConjunto& m_janela;
    QPointer<QWidget> m_tela;  // pctTela(4), the labels' parent

    FiguraModelo m_figura;
    std::vector<RotuloItem*> m_rotulos{nullptr};  // index = label; 0 is the template
    std::vector<RotuloItem*> m_rotulosLivres;      // hidden labels of unloaded figures, for the next one
    std::vector<QPointer<Imagem>> m_miniaturasExtras;  // pages 30 and on
    std::vector<bool> m_emoldurada;               // thumbnail BorderStyle 1
    std::vector<QRect> m_posicaoMiniatura;        // design rectangles of the window's thumbnails
    std::vector<QPixmap> m_figuraMiniatura;       // and their design pictures
    QPixmap m_desenhoQuadroAtual;                 // the design pictures of the current-page
    QPixmap m_desenhoQuadroSelecao;               // and hover frames
    int m_margemQuadro = 4;                       // MargemQuadroMiniatura of the figure shown
    int m_miniaturaSobMouse = -1;                 // the thumbnail the hover frame marks
    int m_parteAtual = 255;                       // the page shown, 255 none
    bool m_achado = false;                        // the last search of mRsItensFigura matched
    std::vector<MarcaItem> m_marcas;              // mItensDestacados
    QString m_arquivoAtual;
    std::vector<QPointer<Rotulo>> m_linhasJogos;  // kit panel rows 1.. (number, description pairs)
    QString m_consultaTabela;
    THPictures m_iconesTabela;  // the list icons, decoded once
    THPictures m_iconesCombo;
};

}  // namespace Conjunto
