#pragma once
// The exploded figure of one assembly as data: pages, item labels, short item
// texts and the repair kits each label belongs to, built from the rows of the
// figure query (consultas.h, ConsultaFigura) in query order.
//
// Rows and what they become:
//   - a row whose hot spot (CodigoFiguraDetalhada) or part (NumeroParte)
//     differs from the previous row's starts a new label; the same hot spot
//     again (one row per repair kit of its item) only adds a kit code;
//   - the first row always starts a page, and so does every change of
//     NumeroParte: a figure whose first rows have part 0, or a Null part,
//     still gets a page for them;
//   - a row whose ItemComponente is Null is skipped (it names no item);
//   - labels are numbered from 1 in query order (0 is the window's hidden
//     template), so the labels of a page form one integer range; pages are
//     numbered from 0.  Nothing here is limited to 30 pages, 999 labels or
//     16-bit hot-spot codes.
//
// A label's caption is its short text (ItemComponenteResumido) when there is
// one, else its full item text; its style is 2 (not applicable) when the
// assembly's component list has no row for the item (ItemAplicavel Null).
// Its Tag, as the window keeps it, is the page index written with two digits
// followed by the kit codes joined by "|" ("0212|34|56"); the model keeps
// page and kits as numbers and gives the Tag text for display only.

#include "platform/dao/dao.h"

#include <QRect>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <optional>
#include <vector>

namespace Conjunto {

// Style states of an item label (EstiloItem).
constexpr int kEstiloNormal = 0;
constexpr int kEstiloJogoReparo = 1;
constexpr int kEstiloNaoAplicavel = 2;

// One row of the figure query.  Null values are invalid QVariants.
struct LinhaFigura {
    QVariant NumeroParte;
    std::int64_t CodigoFiguraDetalhada = 0;
    QVariant ArquivoFigura;
    QVariant ItemComponente;
    QVariant ItemComponenteResumido;
    int PosicaoLeft = 0;
    int PosicaoTop = 0;
    QVariant DescricaoParte;
    QVariant CodigoJogoReparo;
    QVariant ItemAplicavel;
};

// A label of the figure.
struct ItemFigura {
    QString legenda;                       // caption as loaded
    QString textoCompleto;                 // ItemComponente
    std::optional<QString> textoResumido;  // ItemComponenteResumido
    int left = 0;                          // offsets on the drawing, pixels
    int top = 0;
    int pagina = 0;
    std::vector<std::int64_t> jogos;       // kits holding the item, query order
    int estilo = kEstiloNormal;            // EstiloItem as loaded (0 or 2)

    // "0212|34|56": two-digit page index, then the kit codes.
    QString Tag() const;
    bool PertenceAoJogo(std::int64_t jogo) const;
};

// A page (figure part).
struct ParteFigura {
    int primeiro = 1;      // first label index
    int ultimo = 0;        // last label index (below primeiro: no label)
    QString arquivo;       // ArquivoFigura ("" when Null)
    QString descricao;     // DescricaoParte in the run's language ("" when Null)
    QVariant numeroParte;  // NumeroParte of the page's rows
};

// A label whose caption is a short text (mItensResumidos).
struct ItemResumido {
    int Indice = 0;
    QString TextoCompleto;
    QString TextoResumido;
};

class FiguraModelo {
public:
    // Builds the figure from the query rows (replacing what was built).
    void Carrega(const std::vector<LinhaFigura>& linhas);
    // Reads the rows of an open figure query (forward-only is enough).
    static std::vector<LinhaFigura> LeLinhas(platform::dao::Recordset& rs);
    // Empties the model (no labels, no pages).
    void Limpa();

    // mUltimoItemFigura: the highest label index, 0 without labels.
    int UltimoItem() const { return int(m_itens.size()) - 1; }
    int QuantidadePartes() const { return int(m_partes.size()); }
    bool TemPartes() const { return !m_partes.empty(); }

    // Label 1..UltimoItem(); label 0 is the template (empty texts).
    const ItemFigura& Item(int indice) const { return m_itens.at(std::size_t(indice)); }
    const ParteFigura& Parte(int pagina) const { return m_partes.at(std::size_t(pagina)); }
    const std::vector<ItemResumido>& ItensResumidos() const { return m_resumidos; }

    // ObtemTextoItem: the short text (sResumido) or the full text of a label
    // with a short text; for any other label its caption, which is its full
    // text.  Index 0 and indexes out of range give "".
    QString ObtemTextoItem(int indice, bool resumido) const;

    // The picture names of the pages joined by "|" (imgFiguraDetalhada.Tag).
    QString NomesArquivos() const;

    // Next and previous page with wrap-around (PgDn, PgUp, the wheel); the
    // same page when there are no pages or none is shown (255 / -1).
    int ParteSeguinte(int atual) const;
    int ParteAnterior(int atual) const;

private:
    int RegistraItemResumido(int indice, const QString& texto, const QString& resumido);
    QString ObtemLegendaItem(int indice, const QString& texto, const QVariant& resumido);

    std::vector<ItemFigura> m_itens{ItemFigura{}};
    std::vector<ParteFigura> m_partes;
    std::vector<ItemResumido> m_resumidos;
};

// The thumbnail of page i among n pages, in the figure screen's pixels: 17 x
// 11 at 16 + 23 i, top 560, for up to 30 pages; beyond 30 the row keeps its
// width (16 to 700) and the thumbnails come closer and narrower, in more
// rows when one would not hold them; no two of them touch.
QRect RetanguloMiniatura(int pagina, int partes);
// The frames that mark a thumbnail (the current page's and the hover frame)
// reach this far out of a thumbnail without a kit's frame among `partes`
// pages: 4 pixels up to 30 pages (the frames' design size, 25 x 19, round the
// design thumbnails), and wherever the thumbnails leave room for that; among
// closer thumbnails as far as leaves a pixel free before the next one, at
// least 1.
int MargemQuadroMiniatura(int partes);
// The frame that marks thumbnail `pagina`, the thumbnails standing at
// `miniaturas` (a kit's frame, `emolduradas`, makes one a pixel larger each
// side): `margem` out of the thumbnail without its kit's frame, at least a
// pixel out of that frame, and no side reaching another thumbnail (one that
// would stops short of it, which only a kit's frame on either side can
// bring about).  Up to 30 pages this is the design place, 4 pixels out of
// the thumbnail and 3 out of a kit's frame.
QRect RetanguloQuadroMiniatura(const std::vector<QRect>& miniaturas, const std::vector<bool>& emolduradas, int pagina,
                               int margem);

}  // namespace Conjunto
