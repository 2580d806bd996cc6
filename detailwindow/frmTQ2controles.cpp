// The controls of the detail window as its design creates them, and their
// fixed places (PosObjetosForm).  The places are the same in every edition
// and language; the screens move a few controls themselves (the list on
// every list screen, the optionals' quantity title in edition M).

#include "detailwindow/frmTQ2.h"

#include "core/pictures.h"
#include "detailwindow/ponteiro.h"
#include "platform/desktop/color.h"
#include "resources/palette.h"

#include <QCheckBox>
#include <QFrame>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {

// A design picture of the window (language-free set); nothing when the
// program carries no pictures.
QPixmap ImagemDesenho(const QString& nome)
{
    if (!Modulo::RecursoImagemExiste(nome, QStringLiteral("G")))
        return {};
    return Modulo::CarregaImagemRecurso(nome, QStringLiteral("G"));
}

THPicture* Imagem(QWidget* pai, const QString& nome, bool visivel = true)
{
    auto* p = new THPicture(pai);
    p->setObjectName(nome);
    p->setVisible(visivel);
    return p;
}

// A button and its highlighted twin at the same place: the twin lies above
// the button, hidden, and lets the mouse through to it.
void Botao(QWidget* pai, const QString& nome, THPicture*& botao, THPicture*& gemeo)
{
    botao = Imagem(pai, nome, false);
    botao->setCursor(DetalhePonteiro::Mao());
    gemeo = Imagem(pai, nome + QStringLiteral("Selecionada"), false);
    gemeo->setPassaMouse(true);
}

QLabel* Rotulo(QWidget* pai, const QString& nome, const QFont& fonte, const QColor& cor)
{
    auto* l = new QLabel(pai);
    l->setObjectName(nome);
    l->setTextFormat(Qt::PlainText);
    l->setFont(fonte);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, cor);
    l->setPalette(p);
    return l;
}

void Pinta(QWidget* w, const QColor& cor)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, cor);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

}  // namespace

void frmTQ2::CriaControles()
{
    const QColor papel = resources::palette::paper();
    const QColor azul = resources::palette::brand();

    pctMenu = new frmTQ2Painel(this);
    pctMenu->setObjectName(QStringLiteral("pctMenu"));
    Pinta(pctMenu, azul);
    pctMenu->setFocusPolicy(Qt::ClickFocus);

    pctTitulo = new frmTQ2Painel(this);
    pctTitulo->setObjectName(QStringLiteral("pctTitulo"));
    Pinta(pctTitulo, papel);
    pctTitulo->hide();

    for (int k : {0, 1, 2, 3, 4, 5, 7, 8}) {
        auto* p = new frmTQ2Painel(this);
        p->setObjectName(QStringLiteral("pctTela%1").arg(k));
        Pinta(p, papel);
        p->setFocusPolicy(Qt::ClickFocus);
        p->hide();
        pctTela[static_cast<std::size_t>(k)] = p;
    }

    grdTHGrid1 = new THGrid(this);
    grdTHGrid1->setObjectName(QStringLiteral("grdTHGrid1"));
    grdTHGrid1->ReadProperties({{QStringLiteral("Row"), -1},
                                {QStringLiteral("BackColor"), 0xFFFFFF},
                                {QStringLiteral("BarraColor"), 0xF4E4DC},
                                {QStringLiteral("BorderStyle"), 1}});
    grdTHGrid1->hide();
    dtcTHGrid1 = new platform::dao::DataControl(this);
    dtcTHGrid1->setObjectName(QStringLiteral("dtcTHGrid1"));

    // pctMenu: toolbar, twins, update steps.
    Botao(pctMenu, QStringLiteral("imgAvancar"), imgAvancar, imgAvancarSelecionada);
    Botao(pctMenu, QStringLiteral("imgVoltar"), imgVoltar, imgVoltarSelecionada);
    Botao(pctMenu, QStringLiteral("imgFigura"), imgFigura, imgFiguraSelecionada);
    Botao(pctMenu, QStringLiteral("imgImprimir"), imgImprimir, imgImprimirSelecionada);
    Botao(pctMenu, QStringLiteral("imgGerarArquivo"), imgGerarArquivo, imgGerarArquivoSelecionada);
    Botao(pctMenu, QStringLiteral("imgEnviarEmail"), imgEnviarEmail, imgEnviarEmailSelecionada);
    Botao(pctMenu, QStringLiteral("imgLimpar"), imgLimpar, imgLimparSelecionada);
    for (std::size_t k = 1; k <= 4; ++k) {
        imgPassoConcluidoAtualizacao[k] = Imagem(pctMenu, QStringLiteral("imgPassoConcluidoAtualizacao%1").arg(k), false);
        imgPassoAtualAtualizacao[k] = Imagem(pctMenu, QStringLiteral("imgPassoAtualAtualizacao%1").arg(k), false);
    }

    // pctTitulo.
    imgTitulo = Imagem(pctTitulo, QStringLiteral("imgTitulo"));
    lblSubTitulo = Rotulo(pctTitulo, QStringLiteral("lblSubTitulo"), FonteTQ2(9, true), azul);

    // pctTela(0): notes and attachments.
    QWidget* t0 = pctTela[0];
    txtObservacao = new QPlainTextEdit(t0);
    txtObservacao->setObjectName(QStringLiteral("txtObservacao"));
    txtObservacao->setFont(FonteTQ2(9));
    txtObservacao->setReadOnly(true);
    txtObservacao->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    txtObservacao->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtObservacao->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblTitAnexo = Rotulo(t0, QStringLiteral("lblTitAnexo"), FonteTQ2(9, true), QColor(55, 69, 145));
    lblTitAnexo->setGeometry(46, 247, 300, 16);
    lblTitAnexo->hide();
    for (std::size_t i = 0; i < 3; ++i) {
        imgIcoAnexo[i] = Imagem(t0, QStringLiteral("imgIcoAnexo%1").arg(i), false);
        imgIcoAnexo[i]->setGeometry(46, 273 + 21 * static_cast<int>(i), 16, 16);
        imgIcoAnexo[i]->setCursor(DetalhePonteiro::Mao());
        auto* l = new frmTQ2Rotulo(t0);
        l->setObjectName(QStringLiteral("lblAnexo%1").arg(i));
        l->setFont(FonteTQ2(9));
        QPalette pl = l->palette();
        pl.setColor(QPalette::WindowText, azul);
        l->setPalette(pl);
        l->move(70, 274 + 21 * static_cast<int>(i));
        l->setCursor(DetalhePonteiro::Mao());
        l->hide();
        lblAnexo[i] = l;
    }

    // Column titles and cross-reference panels of the list screens.
    imgTitNoTQ[0] = Imagem(pctTela[1], QStringLiteral("imgTitNoTQ0"));
    imgTitJogosReparo = Imagem(pctTela[1], QStringLiteral("imgTitJogosReparo"));
    imgTitNo[1] = Imagem(pctTela[1], QStringLiteral("imgTitNo1"));
    pctPainelRef[0] = Modulo::CriaPainelReferencia(Modulo::kOrigemJogosReparo, pctTela[1]);
    imgTitVeiculo = Imagem(pctTela[2], QStringLiteral("imgTitVeiculo"));
    imgTitFabricante = Imagem(pctTela[2], QStringLiteral("imgTitFabricante"));
    imgTitNoTQ[1] = Imagem(pctTela[3], QStringLiteral("imgTitNoTQ1"));
    imgTitDescricao[0] = Imagem(pctTela[3], QStringLiteral("imgTitDescricao0"));
    imgTitQuantidade[0] = Imagem(pctTela[3], QStringLiteral("imgTitQuantidade0"));
    imgTitNoTQ[2] = Imagem(pctTela[4], QStringLiteral("imgTitNoTQ2"));
    imgTitDescricao[1] = Imagem(pctTela[4], QStringLiteral("imgTitDescricao1"));
    imgTitQuantidade[1] = Imagem(pctTela[4], QStringLiteral("imgTitQuantidade1"));
    imgTitNo[0] = Imagem(pctTela[4], QStringLiteral("imgTitNo0"));
    pctPainelRef[1] = Modulo::CriaPainelReferencia(Modulo::kOrigemOpcionais, pctTela[4]);

    // pctTela(5): output options.
    QWidget* t5 = pctTela[5];
    pctSaveJpg = new QWidget(t5);
    pctSaveJpg->setObjectName(QStringLiteral("pctSaveJpg"));
    pctSaveJpg->hide();
    imgAuxFigura = Imagem(t5, QStringLiteral("imgAuxFigura"), false);
    chkGerarUnicoArquivoCompactado = new QCheckBox(t5);
    chkGerarUnicoArquivoCompactado->setObjectName(QStringLiteral("chkGerarUnicoArquivoCompactado"));
    chkGerarUnicoArquivoCompactado->setFont(FonteTQ2(9));
    chkGerarUnicoArquivoCompactado->hide();
    lblStatusGerandoArquivo = Rotulo(t5, QStringLiteral("lblStatusGerandoArquivo"), FonteTQ2(9), azul);
    lblStatusGerandoArquivo->hide();
    const QPixmap vazio = ImagemDesenho(QStringLiteral("QUADRADOVAZIO"));
    const QPixmap marcado = ImagemDesenho(QStringLiteral("QUADRADOMARCADO"));
    imgQuadrado_Figura = Imagem(t5, QStringLiteral("imgQuadrado_Figura"));
    imgQuadradoXFigura = Imagem(t5, QStringLiteral("imgQuadradoXFigura"), false);
    imgQuadrado_Tabela = Imagem(t5, QStringLiteral("imgQuadrado_Tabela"));
    imgQuadradoXTabela = Imagem(t5, QStringLiteral("imgQuadradoXTabela"), false);
    imgQuadrado_Figura->setPicture(vazio);
    imgQuadrado_Tabela->setPicture(vazio);
    imgQuadradoXFigura->setPicture(marcado);
    imgQuadradoXTabela->setPicture(marcado);
    for (THPicture* p : {imgQuadrado_Figura, imgQuadradoXFigura, imgQuadrado_Tabela, imgQuadradoXTabela})
        p->setCursor(DetalhePonteiro::Mao());
    Botao(t5, QStringLiteral("imgChkFigura"), imgChkFigura, imgChkFiguraSelecionada);
    Botao(t5, QStringLiteral("imgChkTabela"), imgChkTabela, imgChkTabelaSelecionada);
    imgChkFigura->show();
    imgChkTabela->show();
    imgQuadradoParteSelecionada = Imagem(t5, QStringLiteral("imgQuadradoParteSelecionada"), false);
    imgQuadradoParteSelecionada->setPicture(ImagemDesenho(QStringLiteral("QUADRADOPARTESELECIONADA")));
    imgQuadradoParteSelecionada->setPassaMouse(true);
    imgQuadradoParte.push_back(Imagem(t5, QStringLiteral("imgQuadradoParte0"), false));
    imgQuadradoParte[0]->setPicture(ImagemDesenho(QStringLiteral("QUADRADOPARTEATUAL")));
    imgQuadradoParte[0]->setPassaMouse(true);
    imgParteFigura.push_back(Imagem(t5, QStringLiteral("imgParteFigura0"), false));
    imgParteFigura[0]->setCursor(DetalhePonteiro::Mao());
    lblDescricaoParteFigura = Rotulo(t5, QStringLiteral("lblDescricaoParteFigura"), FonteTQ2(9, true),
                                     resources::palette::grey());
    lblDescricaoParteFigura->hide();

    // pctTela(7): the update run's step rows.
    for (std::size_t k = 1; k <= 4; ++k) {
        lblTitAtualizacao[k] = Rotulo(pctTela[7], QStringLiteral("lblTitAtualizacao%1").arg(k), FonteTQ2(9, true), azul);
        lblNumAtualizacao[k] = Rotulo(pctTela[7], QStringLiteral("lblNumAtualizacao%1").arg(k), FonteTQ2(9, true), azul);
        lblNumAtualizacao[k]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        imgBordaBarraAtualizacao[k] = Imagem(pctTela[7], QStringLiteral("imgBordaBarraAtualizacao%1").arg(k));
        imgBarraAtualizacao[k] = Imagem(pctTela[7], QStringLiteral("imgBarraAtualizacao%1").arg(k));
    }

    // pctTela(8): configuration.
    QWidget* t8 = pctTela[8];
    chkVerificarAtualizacoesAuto = new QCheckBox(t8);
    chkVerificarAtualizacoesAuto->setObjectName(QStringLiteral("chkVerificarAtualizacoesAuto"));
    chkVerificarAtualizacoesAuto->setFont(FonteTQ2(9, true));
    shpAutenticacaoProxy = new QFrame(t8);
    shpAutenticacaoProxy->setObjectName(QStringLiteral("shpAutenticacaoProxy"));
    shpAutenticacaoProxy->setFrameShape(QFrame::Box);
    shpAutenticacaoProxy->setStyleSheet(QStringLiteral("QFrame#shpAutenticacaoProxy { border: 1px solid #8C96AA; }"));
    lblAutenticacaoProxy = Rotulo(t8, QStringLiteral("lblAutenticacaoProxy"), FonteTQ2(9, true), azul);
    Pinta(lblAutenticacaoProxy, papel);
    lblUsuario = Rotulo(t8, QStringLiteral("lblUsuario"), FonteTQ2(8, true), azul);
    lblSenha = Rotulo(t8, QStringLiteral("lblSenha"), FonteTQ2(8, true), azul);
    txtUsuario = new QLineEdit(t8);
    txtUsuario->setObjectName(QStringLiteral("txtUsuario"));
    txtUsuario->setMaxLength(50);
    txtUsuario->setFont(FonteTQ2(9));
    txtSenha = new QLineEdit(t8);
    txtSenha->setObjectName(QStringLiteral("txtSenha"));
    txtSenha->setMaxLength(50);
    txtSenha->setFont(FonteTQ2(9));
    txtSenha->setEchoMode(QLineEdit::Password);
    // Every character of the password shows as "*".
    txtSenha->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
}

void frmTQ2::PosObjetosForm()
{
    setFixedSize(700, 450);

    pctMenu->setGeometry(0, 0, 700, 450);
    pctTitulo->setGeometry(98, 11, 592, 65);
    for (int k : {0, 1, 2, 3, 4, 5, 8})
        pctTela[static_cast<std::size_t>(k)]->setGeometry(98, 76, 592, 364);
    pctTela[7]->setGeometry(93, 76, 592, 364);
    grdTHGrid1->setGeometry(120, 127, 544, 289);

    const auto par = [](THPicture* a, THPicture* b, int x, int y, int w, int h) {
        a->setGeometry(x, y, w, h);
        b->setGeometry(x, y, w, h);
    };
    par(imgAvancar, imgAvancarSelecionada, 42, 32, 31, 42);
    par(imgVoltar, imgVoltarSelecionada, 37, 33, 42, 43);
    par(imgFigura, imgFiguraSelecionada, 37, 83, 43, 43);
    par(imgImprimir, imgImprimirSelecionada, 30, 84, 55, 43);
    par(imgGerarArquivo, imgGerarArquivoSelecionada, 37, 135, 40, 53);
    par(imgEnviarEmail, imgEnviarEmailSelecionada, 36, 194, 43, 53);
    par(imgLimpar, imgLimparSelecionada, 34, 254, 46, 42);
    imgPassoConcluidoAtualizacao[1]->setGeometry(28, 306, 31, 31);
    imgPassoAtualAtualizacao[1]->setGeometry(43, 329, 31, 31);
    imgPassoAtualAtualizacao[2]->setGeometry(34, 371, 16, 20);
    imgPassoConcluidoAtualizacao[2]->setGeometry(63, 372, 16, 16);
    imgPassoAtualAtualizacao[3]->setGeometry(35, 395, 16, 20);
    imgPassoConcluidoAtualizacao[3]->setGeometry(62, 397, 16, 16);
    imgPassoAtualAtualizacao[4]->setGeometry(35, 418, 16, 20);
    imgPassoConcluidoAtualizacao[4]->setGeometry(63, 419, 16, 16);

    imgTitulo->setGeometry(0, 0, 591, 40);
    lblSubTitulo->setGeometry(3, 48, 571, 19);

    txtObservacao->setGeometry(46, 39, 500, 300);
    imgTitNoTQ[0]->setGeometry(44, 21, 54, 20);
    imgTitJogosReparo->setGeometry(132, 21, 168, 20);
    imgTitNo[1]->setGeometry(461, 21, 33, 20);
    imgTitVeiculo->setGeometry(22, 21, 82, 20);
    imgTitFabricante->setGeometry(339, 21, 118, 20);
    imgTitNoTQ[1]->setGeometry(22, 21, 54, 20);
    imgTitDescricao[0]->setGeometry(110, 21, 112, 20);
    imgTitQuantidade[0]->setGeometry(296, 20, 51, 20);
    imgTitNoTQ[2]->setGeometry(44, 21, 54, 20);
    imgTitDescricao[1]->setGeometry(132, 21, 112, 20);
    imgTitQuantidade[1]->setGeometry(368, 20, 51, 20);
    imgTitNo[0]->setGeometry(461, 21, 33, 20);

    // Cross-reference panels: seven rows 39 pixels apart, a line under each
    // row but the last.
    for (const Modulo::PainelReferencia& painel : pctPainelRef) {
        painel.pctPainelRef->setGeometry(459, 51, 116, 289);
        for (std::size_t i = 0; i < painel.lblNumeroFabricanteRef.size(); ++i) {
            const int y = 39 * static_cast<int>(i);
            painel.lblNumeroFabricanteRef[i]->setGeometry(6, 7 + y, 110, 16);
            painel.lblFabricanteRef[i]->setGeometry(7, 24 + y, 104, 17);
            if (i < painel.linRef.size())
                painel.linRef[i]->setGeometry(5, 40 + y, 111 - 5, 1);
        }
    }

    pctSaveJpg->setGeometry(12, 11, 16, 16);
    imgAuxFigura->setGeometry(218, 19, 49, 16);
    chkGerarUnicoArquivoCompactado->setGeometry(40, 38, 267, 23);
    lblStatusGerandoArquivo->setGeometry(371, 42, 170, 20);
    imgQuadrado_Figura->setGeometry(39, 95, 10, 10);
    imgQuadradoXFigura->setGeometry(39, 95, 10, 10);
    par(imgChkFigura, imgChkFiguraSelecionada, 54, 93, 68, 14);
    imgQuadrado_Tabela->setGeometry(39, 120, 10, 10);
    imgQuadradoXTabela->setGeometry(39, 120, 10, 10);
    par(imgChkTabela, imgChkTabelaSelecionada, 54, 118, 60, 14);
    imgParteFigura[0]->setGeometry(38, 174, 17, 11);
    imgQuadradoParte[0]->setGeometry(36, 198, 25, 19);
    imgQuadradoParteSelecionada->setGeometry(78, 198, 25, 19);
    lblDescricaoParteFigura->setGeometry(39, 345, 5, 13);

    for (std::size_t k = 1; k <= 4; ++k) {
        const int d = 57 * static_cast<int>(k - 1);
        lblTitAtualizacao[k]->setGeometry(5, 46 + d, 307, 17);
        lblNumAtualizacao[k]->setGeometry(517, 46 + d, 62, 17);
        imgBordaBarraAtualizacao[k]->setGeometry(-1, 63 + d, 584, 26);
        imgBarraAtualizacao[k]->setGeometry(-1, 70 + d, 582, 13);
    }

    chkVerificarAtualizacoesAuto->setGeometry(61, 48, 351, 23);
    shpAutenticacaoProxy->setGeometry(61, 122, 302, 91);
    lblAutenticacaoProxy->setGeometry(67, 114, 216, 13);
    lblAutenticacaoProxy->raise();
    lblUsuario->setGeometry(81, 144, 70, 13);
    txtUsuario->setGeometry(163, 142, 178, 21);
    lblSenha->setGeometry(81, 174, 72, 13);
    txtSenha->setGeometry(163, 172, 178, 21);
}
