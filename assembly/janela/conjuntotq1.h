#pragma once
// The assembly view on one main window frmTQ1.
//
// ConjuntoTQ1 is made a child of the window by the registration's AoCriar
// hook (registra.h), after the window's controls exist and before its
// Form_Load.  It gathers the window's controls of screens 4 and 5 and the
// members the view shares with the window, builds the view (VistaConjunto)
// over them, carries out the view's calls on the window (JanelaConjunto),
// and, unless another subsystem handles the main list (ListaDaTabela), the
// events of the window's controls on screen 5: the list's double click, row
// change, row icons and mouse moves, and the column titles.  Each handler
// runs in the guard (Modulo::Guarda) and acts only while screen 5 is the
// current screen (the list and the titles serve other screens too).

#include "assembly/controles.h"
#include "assembly/vistaconjunto.h"

#include <QObject>

#include <memory>

class frmTQ1;

namespace Conjunto {

class ConjuntoTQ1 final : public QObject, public JanelaConjunto {
    Q_OBJECT
public:
    explicit ConjuntoTQ1(frmTQ1& janela);
    ~ConjuntoTQ1() override;

    // The window's assembly view, nullptr when it has none.
    static ConjuntoTQ1* De(const frmTQ1& janela);

    VistaConjunto& Vista() { return *m_vista; }
    const ControlesFigura& Figura() const { return m_figura; }
    const ControlesTabela& Tabela() const { return m_tabela; }

    // ---- Handlers of the window's controls ---------------------------------
    // The Figure button of screen 5 (also the list's double click), and the
    // same as a registry slot.
    void imgFigura_Click();
    static void imgFigura_Click_TQ1(frmTQ1& janela);
    // Whether this view handles the main list's events and the column
    // titles of its table: the Figure button's slot is the view's own (no
    // other subsystem took the main list's events).
    static bool ListaDaTabela();
    void grdTHGrid1_DblClick();
    void grdTHGrid1_ImageClick(int sColuna);
    void grdTHGrid1_RowColChange(const platform::dao::Bookmark& LastRow);
    void grdTHGrid1_MouseMove();

    // ---- JanelaConjunto ------------------------------------------------------
    void CarregaImagensTela(const QString& modo, int tela) override;
    void AjustaBotoesNavegacao(int tela) override;
    void MostraSubTitulo(const QString& texto, bool visivel) override;
    void EscondeListaPecas() override;
    void EscondeTela(int tela) override;
    void PosicionaBotaoTabela(int esquerda) override;
    void EscondeComparacao() override;
    void MostraComparacao(int origem) override;
    void imgTabela_Click() override;
    void DestacaControle(const QString& chave) override;
    void DefineChaveDestaque(const QString& chave) override;
    QString ChaveDestaque() const override;
    void PosicionaFocoTela() override;
    void AbreJanelaSecundaria(int codigo, const QString& campos) override;
    void IncluiItemCarrinho(const QString& tipo, long codigo, const QString& quantidade, bool opcional,
                            bool efeitoVisual) override;
    void MostraSugestaoFigura(int indice, int leftRotulo) override;
    void MostraSugestaoMenu() override;
    void MostraSugestaoGrid() override;
    int LarguraInterna() const override;
    bool Viva() const override;

private:
    bool NaTabela() const;
    void AplicaAparencia();
    void LigaEventos();

    frmTQ1& f;
    ControlesFigura m_figura;
    ControlesTabela m_tabela;
    std::unique_ptr<VistaConjunto> m_vista;
};

}  // namespace Conjunto
