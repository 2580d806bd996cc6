#include "molduraconjunto.h"

#include "assembly/rotuloitem.h"
#include "assembly/utilcontroles.h"

#include "core/crossref.h"
#include "core/database.h"
#include "core/errorbox.h"
#include "core/globals.h"
#include "core/janeladetalhe.h"
#include "core/janelas.h"
#include "core/pictures.h"
#include "core/searchtext.h"
#include "listcontrols/thcombo.h"
#include "listcontrols/thgrid.h"
#include "platform/desktop/color.h"

#include <QDir>
#include <QHash>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace asmdemo {

using Conjunto::DefineCorTexto;

void ImagemClicavel::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        Q_EMIT clicado();
}

namespace {

// The catalogue's screen colours.
const long kCorPapel = 0xFEF9F3;

QFont Fonte(int pixels, bool negrito = false)
{
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}

void Fundo(QWidget* w, long bgr)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, platform::colorFromBgr(bgr));
    w->setPalette(p);
}

QLabel* Rotulo(QWidget* pai, int x, int y, int w, int h, int pixels = 12, bool negrito = false)
{
    auto* l = new QLabel(pai);
    l->setGeometry(x, y, w, h);
    l->setFont(Fonte(pixels, negrito));
    DefineCorTexto(l, 0);
    return l;
}

QLabel* Imagem(QWidget* pai, int x, int y, int w, int h, const QPixmap& px = {})
{
    auto* l = new QLabel(pai);
    l->setGeometry(x, y, w, h);
    if (!px.isNull()) {
        l->setPixmap(px);
        l->resize(px.size());
    }
    return l;
}

// The frame's pictures, decoded once per run and language.
QPixmap Figura(const QString& nome, const QString& tipo = {})
{
    static QHash<QString, QPixmap> cache;
    const QString chave = (tipo.isEmpty() ? Modulo::gIdioma : tipo) + QLatin1Char('/') + Modulo::gEdicao + QLatin1Char('/') + nome;
    const auto it = cache.constFind(chave);
    if (it != cache.constEnd())
        return *it;
    QPixmap px;
    try {
        px = Modulo::CarregaOuLiberaImagem(QStringLiteral("C"), nome, tipo);
    } catch (const platform::Error&) {
    }
    cache.insert(chave, px);
    return px;
}

// The hover frame around an item label: a thin rectangle, transparent inside
// and to the mouse.
class Quadro : public QWidget {
public:
    explicit Quadro(QWidget* pai) : QWidget(pai) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QPen(QColor(0x37, 0x45, 0x91), 1));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
};

}  // namespace

void AbreDados(const QString& pasta, const QString& edicao, const QString& idioma)
{
    QDir dir(pasta);
    const QStringList arquivos = dir.entryList({QStringLiteral("DAZADIZETQ_?.MDB")}, QDir::Files);
    if (arquivos.isEmpty())
        throw platform::Error(platform::errors::FileNotFound,
                              QStringLiteral("No catalogue (DAZADIZETQ_?.MDB) in \"%1\".").arg(pasta), QStringLiteral("asmdemo"));
    Modulo::gCaminhoDados = QDir::cleanPath(dir.absolutePath()) + QLatin1Char('/');
    Modulo::gEdicao = edicao.isEmpty() ? Modulo::LetraEdicaoDoArquivo(arquivos.front()) : edicao;
    Modulo::gIdioma = idioma.isEmpty() ? QStringLiteral("P") : idioma;
    Modulo::gWsDazadize = platform::dao::DBEngine::CreateWorkspace(QStringLiteral("gWS"));
    Modulo::gDbDazadize = Modulo::gWsDazadize->OpenDatabase(Modulo::gCaminhoDados + arquivos.front(), false, true);
    Modulo::AbreBancoAuxiliar(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
}

void FechaDados()
{
    Modulo::FechaBanco(Modulo::gWsAuxiliar, Modulo::gDbAuxiliar);
    Modulo::FechaBanco(Modulo::gWsDazadize, Modulo::gDbDazadize);
}

MolduraConjunto::MolduraConjunto()
    : m_dtcTHGrid1(std::make_unique<platform::dao::DataControl>()), m_dtcTHCombo2(std::make_unique<platform::dao::DataControl>())
{
    setObjectName(QStringLiteral("frmTQ1"));
    resize(800, 600);
    Fundo(this, kCorPapel);

    // Toolbar and title strip.
    auto* pctMenu = new QWidget(this);
    pctMenu->setGeometry(0, 0, 84, 600);
    Fundo(pctMenu, 0x914537);
    imgFigura = new ImagemClicavel(pctMenu);
    imgFigura->setGeometry(24, 100, 43, 43);
    imgTabela = new ImagemClicavel(pctMenu);
    imgTabela->setGeometry(23, 100, 44, 43);
    imgVoltar = new ImagemClicavel(pctMenu);
    imgVoltar->setGeometry(24, 153, 42, 43);
    imgFigura->setPixmap(Figura(QStringLiteral("FIGURA")));
    imgTabela->setPixmap(Figura(QStringLiteral("TABELA")));
    imgVoltar->setPixmap(Figura(QStringLiteral("VOLTAR")));
    for (ImagemClicavel* b : {imgFigura, imgTabela, imgVoltar}) {
        b->setCursor(Qt::PointingHandCursor);
        b->setVisible(false);
    }
    connect(imgFigura, &ImagemClicavel::clicado, this, [this] { Modulo::Guarda([this] { imgFigura_Click(); }); });
    connect(imgTabela, &ImagemClicavel::clicado, this, [this] { Modulo::Guarda([this] { imgTabela_Click(); }); });
    connect(imgVoltar, &ImagemClicavel::clicado, this, [this] { Modulo::Guarda([this] { imgVoltar_Click(); }); });
    auto* pctTitulo = new QWidget(this);
    pctTitulo->setGeometry(89, 0, 716, 63);
    imgTitulo = Imagem(pctTitulo, 0, 0, 716, 36);
    lblSubTitulo = Rotulo(pctTitulo, 5, 37, 634, 19, 13, true);
    DefineCorTexto(lblSubTitulo, 0x914537);
    Imagem(pctTitulo, 0, 57, 716, 6, Figura(QStringLiteral("TITULOLINHA"), QStringLiteral("G")));

    for (int n : {3, 4, 5, 8}) {
        pctTela[std::size_t(n)] = new QWidget(this);
        pctTela[std::size_t(n)]->setGeometry(89, 0, 713, 602);
        pctTela[std::size_t(n)]->setVisible(false);
    }
    pctTitulo->raise();
    auto* lista = Rotulo(pctTela[3], 30, 120, 600, 20, 13);
    lista->setText(QStringLiteral("(parts list: not part of this viewer)"));
    auto* comparacao = Rotulo(pctTela[8], 30, 120, 600, 20, 13);
    comparacao->setText(QStringLiteral("(comparison list: not part of this viewer)"));

    CriaTelaFigura();
    CriaTelaTabela();
    CriaPaineis();

    Conjunto::MembrosTQ1 membros{mHistoricoTelas,   mCodigoPeca,       mCodigoPecaComparacao, mFiguraCarregada,
                                 mTabelaCarregada,  mJogoReparoFigura, mJogoReparoTabela,     mTabelaComparacao,
                                 mItemSobMouse,     mManterSelecaoFigura, mParteFiguraAtual};
    m_vista = std::make_unique<Conjunto::VistaConjunto>(figura, tabela, membros, *this);
    LigaLista();
    Modulo::RegistraControleRoda(QStringLiteral("CAT_FIGURA"), pctTela[4]);
    Modulo::RegistraControleRoda(QStringLiteral("CAT_COMBO2"), figura.cboTHCombo2);
}

MolduraConjunto::~MolduraConjunto()
{
    Modulo::RemovePainelReferencia(Modulo::kOrigemTabelaComponentes);
    m_vista.reset();
}

void MolduraConjunto::CriaTelaFigura()
{
    QWidget* t = pctTela[4];
    t->setMouseTracking(true);
    t->installEventFilter(this);
    Conjunto::ControlesFigura& c = figura;
    c.pctTela4 = t;
    c.lblObsRapida = Rotulo(t, 25, 86, 3, 13, 12);
    DefineCorTexto(c.lblObsRapida, 0x0000FF);
    c.imgTitNoTQ2 = Imagem(t, 24, 101, 54, 20);
    c.imgTitQuantidade3 = Imagem(t, 113, 100, 51, 20);
    c.imgTitComponente0 = Imagem(t, 172, 101, 111, 20);
    c.lblInstrucoesF = Rotulo(t, 24, 102, 337, 23, 12);
    c.lblInstrucoesF->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    Fundo(c.lblInstrucoesF, 0xE0E0E0);
    DefineCorTexto(c.lblInstrucoesF, 0x808080);
    c.lblNumeroEmpresa = Rotulo(t, 25, 124, 92, 19, 13);
    c.lblQuantidade = Rotulo(t, 114, 124, 36, 19, 13);
    c.lblComponente = Rotulo(t, 173, 124, 530, 19, 13);
    for (QWidget* w : {c.imgTitNoTQ2, c.imgTitQuantidade3, c.imgTitComponente0, static_cast<QWidget*>(c.lblInstrucoesF)})
        w->setVisible(false);
    c.imgFiguraDetalhada = Imagem(t, 1, 143, 700, 415);
    c.imgFiguraDetalhada->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    c.imgQuadradoParteSelecionada = Imagem(t, 138, 506, 25, 19, Figura(QStringLiteral("QUADRADOPARTESELECIONADA"), QStringLiteral("G")));
    c.imgQuadradoParteAtual = Imagem(t, 162, 506, 25, 19, Figura(QStringLiteral("QUADRADOPARTEATUAL"), QStringLiteral("G")));
    c.imgQuadradoParteSelecionada->setVisible(false);
    c.imgQuadradoParteAtual->setVisible(false);
    for (int i = 0; i < 30; ++i) {
        QLabel* mini = Imagem(t, 16 + 23 * i, 560, 17, 11, Figura(QStringLiteral("PARTEFIGURA%1").arg(i + 1), QStringLiteral("G")));
        mini->setVisible(false);
        c.imgParteFigura.push_back(mini);
    }
    c.lblDescricaoParteFigura = Rotulo(t, 15, 583, 5, 13, 12, true);
    DefineCorTexto(c.lblDescricaoParteFigura, 0xA5743A);
    c.shpSelecaoItem = new Quadro(t);
    c.shpSelecaoItem->setGeometry(211, 7, 63, 17);
    c.shpSelecaoItem->setVisible(false);

    c.pctToolTipFig_Pop = new QWidget(t);
    c.pctToolTipFig_Pop->setGeometry(416, 78, 175, 68);
    Fundo(c.pctToolTipFig_Pop, 0xE1FFFF);
    c.pctToolTipFig_Pop->setVisible(false);
    QWidget* p = c.pctToolTipFig_Pop;
    c.lblPaginaXdeXF_Pop = Rotulo(p, 4, 2, 6, 15, 12, true);
    c.lblProximaPaginaF_Pop = Rotulo(p, 4, 16, 63, 14, 11);
    c.imgObsTp = Imagem(p, 6, 32, 13, 14, Figura(QStringLiteral("ICOOBSTP"), QStringLiteral("G")));
    c.lblObsTp = Rotulo(p, 24, 32, 142, 14, 11);
    DefineCorTexto(c.lblObsTp, 0x800000);
    c.imgOpTp = Imagem(p, 5, 49, 15, 14, Figura(QStringLiteral("ICOOPTP"), QStringLiteral("G")));
    c.lblOpTp = Rotulo(p, 24, 49, 124, 14, 11);
    DefineCorTexto(c.lblOpTp, 0x800000);
    c.tmrFigura = &m_tmrFigura;
}

void MolduraConjunto::CriaTelaTabela()
{
    QWidget* t = pctTela[5];
    Conjunto::ControlesTabela& c = tabela;
    c.pctTela5 = t;
    Imagem(t, 35, 116, 71, 20)->setObjectName(QStringLiteral("imgTitItem"));
    Imagem(t, 106, 116, 54, 20)->setObjectName(QStringLiteral("imgTitNoTQ3"));
    Imagem(t, 195, 116, 111, 20)->setObjectName(QStringLiteral("imgTitComponente1"));
    c.imgTitQuantidade0 = Imagem(t, 409, 116, 51, 20);
    c.imgTitNo2 = Imagem(t, 588, 116, 33, 20);
    auto caixa = [&](int x, int w) {
        auto* e = new QLineEdit(t);
        e->setGeometry(x, 146, w, 21);
        e->setFont(Fonte(12));
        return e;
    };
    c.txtItem = caixa(36, 63);
    c.txtNumeroEmpresaT = caixa(106, 82);
    c.txtComponente = caixa(195, 210);
    c.txtNumeroFabricanteT = caixa(586, 113);
    m_painelRef = Modulo::CriaPainelReferencia(Modulo::kOrigemTabelaComponentes, t);
    m_painelRef.pctPainelRef->setGeometry(586, 182, 113, 374);
    m_painelRef.txtNumeroFabricante = c.txtNumeroFabricanteT;
    Modulo::RegistraPainelReferencia(Modulo::kOrigemTabelaComponentes, m_painelRef);
    c.pctPainelRef2 = m_painelRef.pctPainelRef;

    c.grdTHGrid1 = new THGrid(this);
    c.grdTHGrid1->setGeometry(104, 173, 384, 255);
    c.grdTHGrid1->setVisible(false);
    c.dtcTHGrid1 = m_dtcTHGrid1.get();
    c.dtcTHGrid1->SetDatabase(Modulo::gDbDazadize);
}

void MolduraConjunto::CriaPaineis()
{
    Conjunto::ControlesFigura& c = figura;
    c.pctSugestaoCompra = Imagem(this, 455, 140, 176, 229, Figura(QStringLiteral("FUNDOSUGESTAO"), QStringLiteral("G")));
    c.pctSugestaoCompra->setVisible(false);

    c.pctJogoReparo = new QWidget(this);
    c.pctJogoReparo->setGeometry(108, 184, 176, 213);
    Fundo(c.pctJogoReparo, 0xFFFFFF);
    c.pctJogoReparo->setVisible(false);
    QWidget* p = c.pctJogoReparo;
    Imagem(p, 7, 6, 162, 12)->setObjectName(QStringLiteral("imgTitJogoReparo"));
    c.lblNumeroJogoReparo0 = Rotulo(p, 7, 20, 66, 13, 11, true);
    c.lblDescricaoJogoReparo0 = Rotulo(p, 78, 20, 91, 28, 11);
    c.lblDescricaoJogoReparo0->setWordWrap(true);
    c.lblDescricaoJogoReparo0->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    DefineCorTexto(c.lblDescricaoJogoReparo0, 0x914537);
    c.imgJogoReparoRodape = Imagem(p, 0, 53, 176, 6, Figura(QStringLiteral("JOGOREPARORODAPE"), QStringLiteral("G")));

    c.cboTHCombo2 = new THCombo(this);
    c.cboTHCombo2->setGeometry(48, 0, 23, 22);
    c.cboTHCombo2->setVisible(false);
    c.dtcTHCombo2 = m_dtcTHCombo2.get();
    c.dtcTHCombo2->SetDatabase(Modulo::gDbDazadize);
}

void MolduraConjunto::LigaLista()
{
    THGrid* g = tabela.grdTHGrid1;
    connect(g, &THGrid::DblClick, this, [this] {
        if (mHistoricoTelas.endsWith(QLatin1Char('5')))
            Modulo::Guarda([this] { imgFigura_Click(); });
    });
    connect(g, &THGrid::RowColChange, this, [this](const platform::dao::Bookmark&, int) {
        if (!mHistoricoTelas.endsWith(QLatin1Char('5')))
            return;
        Modulo::Guarda([this] {
            const auto rs = tabela.dtcTHGrid1->Recordset();
            if (!rs || rs->EOF_() || rs->BOF())
                return;
            figura.pctSugestaoCompra->setVisible(false);
            Modulo::ExibeReferenciaCruzada(Modulo::kOrigemTabelaComponentes,
                                           Modulo::NormalizaNumeroEmpresa(rs->Fields(QStringLiteral("NumeroEmpresaComponente")).Text()),
                                           Modulo::ObtemFabricantesPeca(long(mCodigoPeca), -1));
        });
    });
}

// ---------------------------------------------------------------------------

void MolduraConjunto::AbreConjunto(std::int64_t codigoPeca, const QString& solicitacao, std::int64_t comparacao)
{
    mCodigoPeca = codigoPeca;
    mCodigoPecaComparacao = comparacao;
    mFiguraCarregada = false;
    mTabelaCarregada = false;
    Modulo::gParametro = solicitacao;
    m_vista->MostraFigura(3);
}

void MolduraConjunto::imgTabela_Click()
{
    Conjunto::Ampulheta ampulheta;
    mJogoReparoFigura = m_vista->CodigoJogoReparoAtual();
    if (mCodigoPecaComparacao < 1)
        m_vista->MostraComponentes(4);
    else
        MostraComparacao(4);
}

void MolduraConjunto::imgFigura_Click()
{
    Conjunto::Ampulheta ampulheta;
    mJogoReparoTabela = m_vista->CodigoJogoReparoAtual();
    if (const auto item = m_vista->ItemAtualTabela())
        Modulo::gParametro = Conjunto::SolicitacaoItem(*item);
    m_vista->MostraFigura(5);
}

void MolduraConjunto::imgVoltar_Click()
{
    if (mHistoricoTelas.size() < 2)
        return;
    const int origem = mHistoricoTelas.right(1).toInt();
    mHistoricoTelas.chop(1);
    const int tela = mHistoricoTelas.right(1).toInt();
    if (tela == 3) {
        if (origem == 4 || origem == 5 || origem == 8)
            m_vista->FechaConjunto();
        pctTela[3]->setVisible(true);
        AjustaBotoesNavegacao(3);
    } else if (tela == 4) {
        m_vista->MostraFigura(origem);
    }
}

// ---------------------------------------------------------------------------
// The frame's routines

void MolduraConjunto::CarregaImagensTela(const QString& modo, int tela)
{
    const bool carrega = modo != QLatin1String("D");
    auto px = [&](const char* nome) { return carrega ? Figura(QLatin1String(nome)) : QPixmap(); };
    auto poe = [](QWidget* w, const QPixmap& p) {
        if (auto* l = qobject_cast<QLabel*>(w)) {
            l->setPixmap(p);
            if (!p.isNull())
                l->resize(p.size());
        }
    };
    if (tela == 4) {
        poe(imgTitulo, px("TITULOFIGURA"));
        poe(figura.imgTitNoTQ2, px("GRIDNROTQ"));
        poe(figura.imgTitQuantidade3, px("GRIDQUANTIDADE"));
        poe(figura.imgTitComponente0, px("GRIDCOMPONENTE"));
        poe(figura.pctJogoReparo->findChild<QLabel*>(QStringLiteral("imgTitJogoReparo")), px("TITJOGOREPAROCAIXA"));
    } else if (tela == 5) {
        poe(imgTitulo, px("TITULOTABELA"));
        poe(pctTela[5]->findChild<QLabel*>(QStringLiteral("imgTitItem")), px("GRIDITEM"));
        poe(pctTela[5]->findChild<QLabel*>(QStringLiteral("imgTitNoTQ3")), px("GRIDNROTQ"));
        poe(pctTela[5]->findChild<QLabel*>(QStringLiteral("imgTitComponente1")), px("GRIDCOMPONENTE"));
        poe(tabela.imgTitQuantidade0, px("GRIDQUANTIDADE"));
        poe(tabela.imgTitNo2, px("GRIDNROMONTADORA"));
    }
}

void MolduraConjunto::AjustaBotoesNavegacao(int tela)
{
    imgVoltar->setVisible(tela == 3 || tela == 4 || tela == 5 || tela == 8);
    imgTabela->setVisible(tela == 4);
    imgFigura->setVisible(tela == 5);
}

void MolduraConjunto::MostraSubTitulo(const QString& texto, bool visivel)
{
    lblSubTitulo->setText(texto);
    lblSubTitulo->setVisible(visivel);
}

void MolduraConjunto::EscondeListaPecas() { pctTela[3]->setVisible(false); }
void MolduraConjunto::EscondeTela(int tela)
{
    if (tela >= 0 && tela < int(pctTela.size()) && pctTela[std::size_t(tela)])
        pctTela[std::size_t(tela)]->setVisible(false);
}
void MolduraConjunto::PosicionaBotaoTabela(int esquerda) { imgTabela->move(esquerda, imgTabela->y()); }
void MolduraConjunto::EscondeComparacao() { pctTela[8]->setVisible(false); }

void MolduraConjunto::MostraComparacao(int origem)
{
    if (origem == 4) {
        mHistoricoTelas = mHistoricoTelas.left(mHistoricoTelas.size() - 1) + QLatin1Char('8');
        m_vista->EscondeFigura();
    }
    pctTela[8]->setVisible(true);
    AjustaBotoesNavegacao(8);
}

void MolduraConjunto::DestacaControle(const QString& chave)
{
    if (chave == mChaveDestaque)
        return;
    if (mChaveDestaque.startsWith(QLatin1String("PARTEFIGURA"))) {
        figura.imgQuadradoParteSelecionada->setVisible(false);
        figura.lblDescricaoParteFigura->setText(Conjunto::Tag(figura.lblDescricaoParteFigura));
        figura.lblDescricaoParteFigura->adjustSize();
        DefineCorTexto(figura.lblDescricaoParteFigura, 0xA5743A);
    } else if (mChaveDestaque == QLatin1String(">THCOMBO2")) {
        figura.cboTHCombo2->ApagaSelecao();
    }
    if (chave.startsWith(QLatin1String("PARTEFIGURA"))) {
        figura.imgQuadradoParteSelecionada->setVisible(true);
        DefineCorTexto(figura.lblDescricaoParteFigura, 0x808080);
    }
    mChaveDestaque = chave;
}

void MolduraConjunto::PosicionaFocoTela()
{
    if (mHistoricoTelas.endsWith(QLatin1Char('5')))
        tabela.grdTHGrid1->setFocus();
}

void MolduraConjunto::AbreJanelaSecundaria(int codigo, const QString& campos)
{
    Modulo::gParametro = QString::number(codigo) + (campos.isEmpty() ? QString() : QLatin1Char('|') + campos);
    requisicoes << Modulo::gParametro;
    Modulo::ExibeJanelaDetalhe();
}

void MolduraConjunto::IncluiItemCarrinho(const QString& tipo, std::int64_t codigo, const QString& quantidade, bool opcional,
                                         bool efeitoVisual)
{
    carrinho << QStringLiteral("%1|%2|%3|%4|%5").arg(tipo).arg(codigo).arg(quantidade).arg(opcional ? 1 : 0).arg(efeitoVisual ? 1 : 0);
}

void MolduraConjunto::MostraSugestaoFigura(int indice) { sugestoes << QStringLiteral("figura %1").arg(indice); }
void MolduraConjunto::MostraSugestaoMenu() { sugestoes << QStringLiteral("menu"); }
void MolduraConjunto::MostraSugestaoGrid() { sugestoes << QStringLiteral("tabela"); }

// ---------------------------------------------------------------------------
// Mouse over the figure screen, keys and the wheel

bool MolduraConjunto::eventFilter(QObject* objeto, QEvent* evento)
{
    if (objeto == pctTela[4]) {
        if (evento->type() == QEvent::MouseMove) {
            Modulo::Guarda([this] {
                DestacaControle(QStringLiteral("FORM"));
                m_vista->LimpaSelecaoItem(false);
                Modulo::DefineAlvoRoda(QStringLiteral("CAT_FIGURA"));
            });
        } else if (evento->type() == QEvent::Wheel && mParteFiguraAtual != 255) {
            const int passo = static_cast<QWheelEvent*>(evento)->angleDelta().y();
            if (passo != 0)
                Modulo::Guarda([&] { m_vista->imgParteFigura_Click(passo < 0 ? m_vista->ParteSeguinte() : m_vista->ParteAnterior()); });
            return true;
        }
    }
    return QWidget::eventFilter(objeto, evento);
}

void MolduraConjunto::keyPressEvent(QKeyEvent* e)
{
    if (mHistoricoTelas.endsWith(QLatin1Char('4')) && mParteFiguraAtual != 255 &&
        (e->key() == Qt::Key_PageDown || e->key() == Qt::Key_PageUp)) {
        Modulo::Guarda([&] {
            m_vista->imgParteFigura_Click(e->key() == Qt::Key_PageDown ? m_vista->ParteSeguinte() : m_vista->ParteAnterior());
        });
        return;
    }
    QWidget::keyPressEvent(e);
}

}  // namespace asmdemo
