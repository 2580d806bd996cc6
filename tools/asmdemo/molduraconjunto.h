#pragma once
// A stand-in for the main window's frame around the assembly view: a plain
// 800 x 600 window that creates the controls of screens 4 and 5 at the
// places the main window's layout gives them, a toolbar with Back, Table
// and Figure, the title strip, and placeholder panels for the parts list
// (screen 3) and the comparison (screen 8).  It implements the frame's
// routines the view calls in their simplest form and records what the view
// hands on to the rest of the program (detail-window requests, cart
// additions, buying-suggestion calls).
//
// It is a viewer for the assembly view (asmdemo) and the tests' way in; the
// catalogue program's own window creates the same controls and wires the
// same view.

#include "assembly/vistaconjunto.h"

#include "core/crossref.h"
#include "platform/dao/dao.h"

#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>

class THCombo;
class THGrid;

namespace asmdemo {

// Opens the data folder's catalogue (any edition's file "DAZADIZETQ_?.MDB")
// read-only as the run's catalogue database and its auxiliary database, and
// sets the data folder, the edition (empty: the file's letter) and the
// language.  Raises platform::Error when the folder holds no catalogue.
void AbreDados(const QString& pasta, const QString& edicao, const QString& idioma);
// Closes what AbreDados opened.
void FechaDados();

// A picture control that reports a left click.
class ImagemClicavel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
Q_SIGNALS:
    void clicado();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
};

class MolduraConjunto : public QWidget, public Conjunto::JanelaConjunto {
    Q_OBJECT
public:
    MolduraConjunto();
    ~MolduraConjunto() override;

    Conjunto::VistaConjunto& Vista() { return *m_vista; }

    // The frame's members the view shares.
    QString mHistoricoTelas = QStringLiteral("013");
    std::int64_t mCodigoPeca = 0;
    std::int64_t mCodigoPecaComparacao = -1;
    bool mFiguraCarregada = false;
    bool mTabelaCarregada = false;
    std::int64_t mJogoReparoFigura = 0;
    std::int64_t mJogoReparoTabela = 0;
    QString mTabelaComparacao;
    int mItemSobMouse = -1;
    bool mManterSelecaoFigura = false;
    int mParteFiguraAtual = 255;
    QString mChaveDestaque = QStringLiteral("FORM");

    // What reached the rest of the program, in order.
    QStringList requisicoes;   // detail-window requests, "code|fields"
    QStringList carrinho;      // "kind|code|quantity|optional|effect"
    QStringList sugestoes;     // buying-suggestion calls

    // The parts list's Forward on an assembly row: a new assembly, the
    // figure with the locate request (the parts list's pctTela(3).Tag).
    void AbreConjunto(std::int64_t codigoPeca, const QString& solicitacao, std::int64_t comparacao = -1);
    // The toolbar's handlers.
    void imgTabela_Click() override;
    void imgFigura_Click();
    void imgVoltar_Click();

    // ---- JanelaConjunto -------------------------------------------------------
    void CarregaImagensTela(const QString& modo, int tela) override;
    void AjustaBotoesNavegacao(int tela) override;
    void MostraSubTitulo(const QString& texto, bool visivel) override;
    void EscondeListaPecas() override;
    void EscondeTela(int tela) override;
    void PosicionaBotaoTabela(int esquerda) override;
    void EscondeComparacao() override;
    void MostraComparacao(int origem) override;
    void DestacaControle(const QString& chave) override;
    void DefineChaveDestaque(const QString& chave) override { mChaveDestaque = chave; }
    QString ChaveDestaque() const override { return mChaveDestaque; }
    void PosicionaFocoTela() override;
    void AbreJanelaSecundaria(int codigo, const QString& campos) override;
    void IncluiItemCarrinho(const QString& tipo, std::int64_t codigo, const QString& quantidade, bool opcional,
                            bool efeitoVisual) override;
    void MostraSugestaoFigura(int indice) override;
    void MostraSugestaoMenu() override;
    void MostraSugestaoGrid() override;
    int LarguraInterna() const override { return width(); }

    // Controls, for the viewer and the tests.
    Conjunto::ControlesFigura figura;
    Conjunto::ControlesTabela tabela;
    std::array<QWidget*, 10> pctTela{};
    QLabel* lblSubTitulo = nullptr;
    QLabel* imgTitulo = nullptr;
    ImagemClicavel* imgVoltar = nullptr;
    ImagemClicavel* imgTabela = nullptr;
    ImagemClicavel* imgFigura = nullptr;

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    void CriaTelaFigura();
    void CriaTelaTabela();
    void CriaPaineis();
    void LigaLista();

    std::unique_ptr<platform::dao::DataControl> m_dtcTHGrid1;
    std::unique_ptr<platform::dao::DataControl> m_dtcTHCombo2;
    QTimer m_tmrFigura;
    Modulo::PainelReferencia m_painelRef;
    std::unique_ptr<Conjunto::VistaConjunto> m_vista;
};

}  // namespace asmdemo
