// The picture sets of the main window (tables) and CarregaImagensTela.
#include "mainwindow/conjuntosimagens.h"

#include "core/errorbox.h"
#include "core/globals.h"
#include "core/pictures.h"
#include "mainwindow/frmTQ1.h"
#include "platform/base/error.h"

namespace ConjuntosImagens {
namespace {

// When a row applies besides its editions.
enum Condicao {
    Sempre,
    SemComparacao,   // set 4: mCodigoPecaComparacao below 1
    ComComparacao,   // set 4: mCodigoPecaComparacao 1 or more
    PaginaNao3,      // set 6: the page is not "3"
};

enum : unsigned {
    Gemeo = 1,      // also the twin, with the picture name + "_S"
    Direto = 2,     // the resource loader itself (no edition rule)
    SoCarga = 4,    // load mode only
};

// One row of a set.  acao: 'I' picture, 'M' move (Left, Top), 'L' Left,
// 'V' visibility.  In names "#" stands for the edition letter.  tipo: 'L' the
// language, 'G', 'P'; 'A' the presentation page (set 6).
struct Linha {
    char acao;
    const char* controle;
    int indice;
    const char* nome;
    char tipo;
    const char* edicoes;
    unsigned flags = 0;
    Condicao condicao = Sempre;
    int x = 0;
    int y = 0;
};

constexpr const char* T = "VADM";

// Set 100, the frame.  The changes are all load only.
const Linha kConjunto100[] = {
    {'M', "imgIcoAtualizar", -1, nullptr, 0, "M", SoCarga, Sempre, 486, 502},
    {'M', "imgIcoAtualizarSel", -1, nullptr, 0, "M", SoCarga, Sempre, 486, 502},
    {'M', "imgAtualizadoEm", -1, nullptr, 0, "M", SoCarga, Sempre, 516, 504},
    {'M', "lblUltimaAtualizacao", -1, nullptr, 0, "M", SoCarga, Sempre, 517, 513},
    {'M', "imgDazadizeDePecas", -1, nullptr, 0, "M", SoCarga, Sempre, 334, 70},
    {'I', "pctMenu", -1, "BARRAMENU_D", 'G', "D", Direto | SoCarga},
    {'I', "pctLogoVelmora", -1, "LOGO_D", 'G', "D", Direto | SoCarga},
    {'V', "pctLogoVelmora", -1, nullptr, 0, "D", SoCarga, Sempre, 1},
    {'L', "lblSubTitulo", -1, nullptr, 0, "D", SoCarga, Sempre, 70},
    {'I', "imgApresentacao", -1, "AEMPRESA", 'L', "D", Gemeo | SoCarga},
    {'L', "imgApresentacao", -1, nullptr, 0, "D", SoCarga, Sempre, 12},
    {'L', "imgApresentacaoSelecionada", -1, nullptr, 0, "D", SoCarga, Sempre, 12},
    {'M', "imgIcoAtualizar", -1, nullptr, 0, "D", SoCarga, Sempre, 528, 522},
    {'M', "imgIcoAtualizarSel", -1, nullptr, 0, "D", SoCarga, Sempre, 528, 522},
    {'M', "imgAtualizadoEm", -1, nullptr, 0, "D", SoCarga, Sempre, 558, 524},
    {'M', "lblUltimaAtualizacao", -1, nullptr, 0, "D", SoCarga, Sempre, 559, 533},
    {'M', "imgDazadizeDePecas", -1, nullptr, 0, "D", SoCarga, Sempre, 431, 31},
    {'I', "imgApresentacao", -1, "TQDOBRASIL", 'G', "VAM", Gemeo},
    {'I', "imgInicio", -1, "INICIO", 'L', T, Gemeo},
    {'I', "imgAtualizacao", -1, "ATUALIZACAO", 'L', T, Gemeo},
    {'I', "imgLista", -1, "CARRO", 'G', T, Gemeo},
    {'I', "imgAjuda", -1, "AJUDA", 'L', T, Gemeo},
    {'I', "imgSair", -1, "SAIR", 'L', T, Gemeo},
};

// Set 0, the start screen.
const Linha kConjunto0[] = {
    {'I', "imgIcoAtualizar", -1, "ICOATUALIZAR", 'G', T},
    {'I', "imgIcoAtualizarSel", -1, "ICOATUALIZAR_S", 'G', T},
    {'I', "pctTela", 0, "TELAINICIAL#", 'G', T},
    {'I', "imgDazadizeDePecas", -1, "DAZADIZEDEPECAS#", 'L', T},
    {'I', "imgPesquisa0", -1, "PESQUISAPECAS#", 'L', T, Gemeo},
    {'I', "imgPesquisa1", -1, "PESQUISAVEI#", 'L', "VAD", Gemeo},
    {'I', "imgBombas", -1, "BOMBAS#", 'L', "VA", Gemeo},
    {'I', "imgAtualizadoEm", -1, "ATUALIZADOEM#", 'L', T},
    {'I', "imgFiltros", -1, "FILTROS#", 'L', "VA", Gemeo},
    {'I', "imgComparar", -1, "COMPARAR#", 'L', T, Gemeo},
};

// Set 1, part search.
const Linha kConjunto1[] = {
    {'I', "imgAvancar", -1, "AVANCAR", 'L', T, Gemeo},
    {'I', "imgVoltar", -1, "VOLTAR", 'L', T, Gemeo},
    {'I', "imgTitulo", -1, "TITULOPESQUISA", 'L', T},
    {'I', "imgLinha", -1, "TITULOLINHA", 'G', T},
    {'I', "imgTitNoTQ", 0, "GRIDNROTQ", 'L', T},
    {'I', "imgTitDescricao", 0, "GRIDDESCRICAO", 'L', T},
    {'I', "imgTitNo", 0, "GRIDNROMONTADORA", 'L', T},
    {'I', "imgChkEixos", -1, "CHKEIXOS", 'L', T, Gemeo},
    {'I', "imgChkTransmissoes", -1, "CHKTRANSMISSOES", 'L', T, Gemeo},
    {'I', "imgChkJogosReparo", -1, "CHKJOGOSREPARO", 'L', T, Gemeo},
    {'I', "imgChkComponentes", -1, "CHKCOMPONENTES", 'L', T, Gemeo},
    {'I', "imgTitTipo", -1, "GRIDTIPO", 'L', "ADM"},
};

// Set 2, vehicle search.
const Linha kConjunto2[] = {
    {'I', "imgAvancar", -1, "AVANCAR", 'L', T, Gemeo},
    {'I', "imgVoltar", -1, "VOLTAR", 'L', T, Gemeo},
    {'I', "imgTitulo", -1, "TITULOPESQUISA", 'L', T},
    {'I', "imgLinha", -1, "TITULOLINHA", 'G', T},
    {'I', "imgTitVeiculo", -1, "GRIDVEICULO", 'L', T},
    {'I', "imgTitFabricante", -1, "GRIDFABRICANTE", 'L', T},
};

// Set 3, parts list.
const Linha kConjunto3[] = {
    {'I', "imgAvancar", -1, "AVANCAR", 'L', T, Gemeo},
    {'I', "imgVoltar", -1, "VOLTAR", 'L', T, Gemeo},
    {'I', "imgTitulo", -1, "TITULORESULTADOPESQUISA", 'L', T},
    {'I', "imgLinha", -1, "TITULOLINHA", 'G', T},
    {'I', "imgTitNoTQ", 1, "GRIDNROTQ", 'L', T},
    {'I', "imgTitDescricao", 1, "GRIDDESCRICAO", 'L', T},
    {'I', "imgTitNo", 1, "GRIDNROMONTADORA", 'L', T},
    {'I', "imgTitTipoR", -1, "GRIDTIPO", 'L', "ADM"},
};

// The suggestion panel's rows, shared by sets 4 and 5.
#define TQ_SUGESTAO                                                           \
    {'I', "imgTitSug", -1, "TITSUGESTAOCAIXA", 'L', T},                       \
        {'I', "imgIncluirSelecionadosSug", -1, "INCLUIRSELECIONADOSSUG", 'L', T}, \
        {'I', "imgSelecionarTodosSug", -1, "SELECIONARTODOSSUG", 'L', T},     \
        {'I', "imgOpcionalSug", 0, "ICOOPCIONAIS", 'G', T, Gemeo},            \
        {'I', "imgOpcionalSug", 1, "ICOOPCIONAIS", 'G', T, Gemeo},            \
        {'I', "imgOpcionalSug", 2, "ICOOPCIONAIS", 'G', T, Gemeo},            \
        {'I', "imgOpcionalSug", 3, "ICOOPCIONAIS", 'G', T, Gemeo}

// Set 4, exploded figure.
const Linha kConjunto4[] = {
    {'I', "imgTabela", -1, "TABELA", 'L', T, Gemeo, SemComparacao},
    {'I', "imgTabela", -1, "COMPARACAO", 'L', T, Gemeo, ComComparacao},
    {'I', "imgVoltar", -1, "VOLTAR", 'L', T, Gemeo},
    {'I', "imgImprimir", -1, "IMPRIMIR", 'L', T, Gemeo},
    {'I', "imgTitulo", -1, "TITULOFIGURA", 'L', T},
    {'I', "imgLinha", -1, "TITULOLINHA", 'G', T},
    {'I', "imgTitNoTQ", 2, "GRIDNROTQ", 'L', T},
    {'I', "imgTitQuantidade", 3, "GRIDQUANTIDADE", 'L', T},
    {'I', "imgTitComponente", 0, "GRIDCOMPONENTE", 'L', T},
    {'I', "imgTitJogoReparo", -1, "TITJOGOREPAROCAIXA", 'L', T},
    TQ_SUGESTAO,
};

// Set 5, components table.
const Linha kConjunto5[] = {
    {'I', "imgFigura", -1, "FIGURA", 'L', T, Gemeo},
    {'I', "imgVoltar", -1, "VOLTAR", 'L', T, Gemeo},
    {'I', "imgImprimir", -1, "IMPRIMIR", 'L', T, Gemeo},
    {'I', "imgTitulo", -1, "TITULOTABELA", 'L', T},
    {'I', "imgLinha", -1, "TITULOLINHA", 'G', T},
    {'I', "imgTitItem", -1, "GRIDITEM", 'L', T},
    {'I', "imgTitNoTQ", 3, "GRIDNROTQ", 'L', T},
    {'I', "imgTitComponente", 1, "GRIDCOMPONENTE", 'L', T},
    {'I', "imgTitNo", 2, "GRIDNROMONTADORA", 'L', T},
    {'I', "imgTitQuantidade", 0, "GRIDQUANTIDADE", 'L', T},
    TQ_SUGESTAO,
};

#undef TQ_SUGESTAO

// Set 6, presentation pages (the page picture's name and type follow the
// page and the language, below).
const Linha kConjunto6[] = {
    {'I', "imgAvancar", -1, "AVANCAR", 'L', T, Gemeo, PaginaNao3},
    {'I', "imgVoltar", -1, "VOLTAR", 'L', T, Gemeo},
    {'I', "pctTela", 6, "APRESENTACAO", 'A', T},
};

// Set 7, pump tables.
const Linha kConjunto7[] = {
    {'I', "imgVoltar", -1, "VOLTAR", 'L', T, Gemeo},
    {'I', "imgTitulo", -1, "TITULOBOMBASMOTOR", 'L', "V"},
    {'I', "imgTitulo", -1, "TITULOBOMBASAGRICOLA", 'L', "ADM"},
    {'I', "pctTela", 7, "TABELABOMBASMOTOR", 'P', "V"},
    {'I', "pctTela", 7, "TABELABOMBASAGRICOLA", 'P', "ADM"},
};

// Set 8, comparison list.
const Linha kConjunto8[] = {
    {'I', "imgFigura", -1, "FIGURA", 'L', T, Gemeo},
    {'I', "imgVoltar", -1, "VOLTAR", 'L', T, Gemeo},
    {'I', "imgImprimir", -1, "IMPRIMIR", 'L', T, Gemeo},
    {'I', "imgTitulo", -1, "TITULOCOMPARACAO", 'L', T},
    {'I', "imgLinha", -1, "TITULOLINHA", 'G', T},
    {'I', "imgTitNoTQ", 4, "GRIDNROTQ", 'L', T},
    {'I', "imgTitComponente", 2, "GRIDCOMPONENTE", 'L', T},
    {'I', "imgTitNo", 3, "GRIDNROMONTADORA", 'L', T},
    {'I', "imgTitQuantidade", 1, "GRIDQUANTIDADE", 'L', T},
    {'I', "imgTitQuantidade", 2, "GRIDQUANTIDADE", 'L', T},
    {'I', "imgSelecionarTodos", 0, "SELECIONARTODOSSUG", 'L', T},
    {'I', "imgSelecionarTodos", 1, "SELECIONARTODOSSUG", 'L', T},
};

// Set 9, comparison selection; its moves apply in both modes.
const Linha kConjunto9[] = {
    {'I', "imgAvancar", -1, "AVANCAR", 'L', T, Gemeo},
    {'I', "imgVoltar", -1, "VOLTAR", 'L', T, Gemeo},
    {'I', "imgTitulo", -1, "TITULOCOMPARAR", 'L', T},
    {'I', "imgLinha", -1, "TITULOLINHA", 'G', T},
    {'I', "imgNum1Comp", -1, "NUM1COMP", 'G', T},
    {'I', "imgNum2Comp", -1, "NUM2COMP", 'G', T},
    {'I', "imgTitNoTQ", 5, "GRIDNROTQ", 'L', T},
    {'I', "imgTitNoTQ", 6, "GRIDNROTQ", 'L', T},
    {'I', "imgGuarfo1Comp", -1, "GARFOCOMP", 'G', "VAD"},
    {'I', "imgGuarfo2Comp", -1, "GARFOCOMP", 'G', "VAD"},
    {'I', "imgPesquisa1Comp1", -1, "PESQUISAVEICULOSCOMP", 'L', "VAD"},
    {'I', "imgPesquisa1Comp2", -1, "PESQUISAVEICULOSCOMP", 'L', "VAD"},
    {'I', "imgPesquisa1Comp1Selecionada", -1, "PESQUISAVEICULOSCOMP_S", 'L', "VAD"},
    {'I', "imgPesquisa1Comp2Selecionada", -1, "PESQUISAVEICULOSCOMP_S", 'L', "VAD"},
    {'M', "ImgTransmissao", 0, nullptr, 0, "DM", 0, Sempre, 180, 107},
    {'M', "ImgTransmissao", 1, nullptr, 0, "DM", 0, Sempre, 180, 228},
    {'I', "ImgTransmissao", 0, "GRIDCONJUNTO", 'L', "VDM"},
    {'I', "ImgTransmissao", 1, "GRIDCONJUNTO", 'L', "VDM"},
    {'I', "ImgTransmissao", 0, "GRIDTRANSMISSAOEIXO", 'L', "A"},
    {'I', "ImgTransmissao", 1, "GRIDTRANSMISSAOEIXO", 'L', "A"},
    {'M', "imgPesquisa0Comp1", -1, nullptr, 0, "M", 0, Sempre, 305, 140},
    {'M', "imgPesquisa0Comp1Selecionada", -1, nullptr, 0, "M", 0, Sempre, 305, 140},
    {'M', "imgPesquisa0Comp2", -1, nullptr, 0, "M", 0, Sempre, 305, 261},
    {'M', "imgPesquisa0Comp2Selecionada", -1, nullptr, 0, "M", 0, Sempre, 305, 261},
    {'I', "imgPesquisa0Comp1", -1, "PESQUISATRANSMISSOESCOMP", 'L', "V"},
    {'I', "imgPesquisa0Comp2", -1, "PESQUISATRANSMISSOESCOMP", 'L', "V"},
    {'I', "imgPesquisa0Comp1Selecionada", -1, "PESQUISATRANSMISSOESCOMP_S", 'L', "V"},
    {'I', "imgPesquisa0Comp2Selecionada", -1, "PESQUISATRANSMISSOESCOMP_S", 'L', "V"},
    {'I', "imgPesquisa0Comp1", -1, "PESQUISATRANSMISSOESEIXOSCOMP", 'L', "A"},
    {'I', "imgPesquisa0Comp2", -1, "PESQUISATRANSMISSOESEIXOSCOMP", 'L', "A"},
    {'I', "imgPesquisa0Comp1Selecionada", -1, "PESQUISATRANSMISSOESEIXOSCOMP_S", 'L', "A"},
    {'I', "imgPesquisa0Comp2Selecionada", -1, "PESQUISATRANSMISSOESEIXOSCOMP_S", 'L', "A"},
    {'I', "imgPesquisa0Comp1", -1, "PESQUISACONJUNTOSCOMP", 'L', "D"},
    {'I', "imgPesquisa0Comp2", -1, "PESQUISACONJUNTOSCOMP", 'L', "D"},
    {'I', "imgPesquisa0Comp1Selecionada", -1, "PESQUISACONJUNTOSCOMP_S", 'L', "D"},
    {'I', "imgPesquisa0Comp2Selecionada", -1, "PESQUISACONJUNTOSCOMP_S", 'L', "D"},
    {'I', "imgPesquisa0Comp1", -1, "PESQUISACOMP", 'L', "M"},
    {'I', "imgPesquisa0Comp2", -1, "PESQUISACOMP", 'L', "M"},
    {'I', "imgPesquisa0Comp1Selecionada", -1, "PESQUISACOMP_S", 'L', "M"},
    {'I', "imgPesquisa0Comp2Selecionada", -1, "PESQUISACOMP_S", 'L', "M"},
};

template <std::size_t N>
std::vector<Linha> lista(const Linha (&t)[N])
{
    return std::vector<Linha>(t, t + N);
}

std::vector<Linha> conjunto(int codigo)
{
    switch (codigo) {
    case 0: return lista(kConjunto0);
    case 1: return lista(kConjunto1);
    case 2: return lista(kConjunto2);
    case 3: return lista(kConjunto3);
    case 4: return lista(kConjunto4);
    case 5: return lista(kConjunto5);
    case 6: return lista(kConjunto6);
    case 7: return lista(kConjunto7);
    case 8: return lista(kConjunto8);
    case 9: return lista(kConjunto9);
    case 100: return lista(kConjunto100);
    default: return {};
    }
}

// The twin of a button control.
QString gemeo(const QString& controle)
{
    if (controle == QLatin1String("imgIcoAtualizar"))
        return QStringLiteral("imgIcoAtualizarSel");
    if (controle == QLatin1String("imgOpcionalSug"))
        return QStringLiteral("imgOpcionalSugS");
    return controle + QStringLiteral("Selecionada");
}

bool aplica(const Linha& l, const Contexto& c)
{
    if (!QString::fromLatin1(l.edicoes).contains(c.edicao) || c.edicao.size() != 1)
        return false;
    if ((l.flags & SoCarga) && c.modo == QLatin1String("D"))
        return false;
    switch (l.condicao) {
    case Sempre: return true;
    case SemComparacao: return c.codigoPecaComparacao < 1;
    case ComComparacao: return c.codigoPecaComparacao >= 1;
    case PaginaNao3: return c.pagina != QLatin1String("3");
    }
    return true;
}

}  // namespace

std::vector<Passo> Passos(const Contexto& c)
{
    std::vector<Passo> passos;
    // In release mode the frame's edition-D "TQDOBRASIL" pair stands for the
    // "AEMPRESA" pair it does not release: both clear the same controls.
    const bool liberaQuadroD = c.codigoTela == 100 && c.modo == QLatin1String("D") && c.edicao == QLatin1String("D");
    for (const Linha& l : conjunto(c.codigoTela)) {
        const bool tqDoBrasil = l.nome && QLatin1String(l.nome) == QLatin1String("TQDOBRASIL");
        if (!(aplica(l, c) || (liberaQuadroD && tqDoBrasil)))
            continue;
        Passo p;
        p.controle = QString::fromLatin1(l.controle);
        p.indice = l.indice;
        switch (l.acao) {
        case 'M':
            p.acao = Passo::Mover;
            p.x = l.x;
            p.y = l.y;
            passos.push_back(p);
            continue;
        case 'L':
            p.acao = Passo::Esquerda;
            p.x = l.x;
            passos.push_back(p);
            continue;
        case 'V':
            p.acao = Passo::Visivel;
            p.x = l.x;
            passos.push_back(p);
            continue;
        default: break;
        }
        p.acao = Passo::Imagem;
        p.nome = QString::fromLatin1(l.nome).replace(QLatin1Char('#'), c.edicao);
        p.direto = (l.flags & Direto) != 0;
        switch (l.tipo) {
        case 'G': p.tipo = QStringLiteral("G"); break;
        case 'P': p.tipo = QStringLiteral("P"); break;
        case 'A': {
            // Presentation: editions V, A and M show "APRESENTACAO" pages, in
            // the language, Spanish reading the English ones; edition D has
            // pages 1 and 3 of its own ("APRESENTACAOD") in every language.
            const bool propria = c.edicao == QLatin1String("D") && c.pagina != QLatin1String("2");
            p.nome = QStringLiteral("APRESENTACAO") + (propria ? QStringLiteral("D") : QString()) + c.pagina;
            p.tipo = (c.idioma == QLatin1String("E") && !propria) ? QStringLiteral("I") : c.idioma;
            break;
        }
        default: p.tipo.clear(); break;  // the language: the loader's default
        }
        passos.push_back(p);
        if (l.flags & Gemeo) {
            Passo twin = p;
            twin.controle = gemeo(p.controle);
            twin.nome = p.nome + QStringLiteral("_S");
            passos.push_back(twin);
        }
    }
    return passos;
}

}  // namespace ConjuntosImagens

namespace {

class CarregadorRecursos : public CarregadorImagensTela {
public:
    QPixmap Carrega(const QString& Modo, const QString& Nome, const QString& Tipo, bool direto) override
    {
        if (direto)
            return Modulo::CarregaImagemRecurso(Nome, Tipo);
        return Modulo::CarregaOuLiberaImagem(Modo, Nome, Tipo);
    }
};

CarregadorImagensTela*& carregadorInstalado()
{
    static CarregadorImagensTela* c = nullptr;
    return c;
}

CarregadorImagensTela& carregador()
{
    static CarregadorRecursos real;
    return carregadorInstalado() ? *carregadorInstalado() : real;
}

}  // namespace

void frmTQ1::setCarregadorImagens(CarregadorImagensTela* c) { carregadorInstalado() = c; }

void frmTQ1::CarregaImagensTela(const QString& sModo, int sCodigoTela)
{
    using ConjuntosImagens::Passo;
    ConjuntosImagens::Contexto c;
    c.modo = sModo;
    c.codigoTela = sCodigoTela;
    c.edicao = Modulo::gEdicao;
    c.idioma = Modulo::gIdioma;
    c.pagina = pctTela[6]->Tag();
    c.codigoPecaComparacao = mCodigoPecaComparacao;

    // A picture that cannot be had is reported once, after the set: the
    // rest of the set still applies, so the screen is whole but that picture.
    std::optional<platform::Error> falha;
    for (const Passo& p : ConjuntosImagens::Passos(c)) {
        QWidget* w = Controle(p.controle, p.indice);
        if (!w)
            continue;
        switch (p.acao) {
        case Passo::Mover: w->move(p.x, p.y); break;
        case Passo::Esquerda: w->move(p.x, w->y()); break;
        case Passo::Visivel: w->setVisible(p.x != 0); break;
        case Passo::Imagem: {
            QPixmap imagem;
            try {
                imagem = carregador().Carrega(sModo, p.nome, p.tipo, p.direto);
            } catch (const platform::Error& e) {
                if (!falha)
                    falha = e;
                continue;
            }
            if (auto* i = qobject_cast<Imagem*>(w))
                i->SetPicture(imagem);
            else if (auto* b = qobject_cast<CaixaImagem*>(w))
                b->SetPicture(imagem);
            break;
        }
        }
    }
    if (falha)
        Modulo::MostraErro(falha->number(), falha->description());
}
