#include "listcontrols/thgrid.h"

#include "core/errorbox.h"
#include "listcontrols/thbar.h"
#include "listcontrols/therrors.h"
#include "listcontrols/thgridmodel.h"
#include "listcontrols/thgridview.h"
#include "listcontrols/thpictures.h"
#include "listcontrols/thunits.h"
#include "listcontrols/thwidgets.h"
#include "platform/base/doevents.h"
#include "platform/desktop/color.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <cstdlib>

using BM = platform::dao::Bookmark;
using platform::dao::DataControl;
using platform::dao::RecordsetPtr;

namespace {

using THUnits::kForm;
const QColor kCinzaClaro(0xC0, 0xC0, 0xC0);

using THUnits::Px;
using THUnits::Tw;

// The background panel below the last row: the list's colour and its bottom
// line; it carries the empty-list caption.
class THFundo : public QWidget {
public:
    explicit THFundo(QWidget* parent) : QWidget(parent)
    {
        setMouseTracking(true);
        setFocusPolicy(Qt::StrongFocus);
    }
    QColor cor = platform::colorFromBgr(0xFEF9F3);
    int rodapeY = -1;   // the bottom line linRodape(1), pixels; -1 none

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), cor);
        if (rodapeY >= 0) {
            p.setPen(kCinzaClaro);
            p.drawLine(0, rodapeY, width(), rodapeY);
        }
    }
};

}  // namespace

// ---------------------------------------------------------------------------
// THGridColumn

QString THGridColumn::DataField() const
{
    return m_grid->m_model->dataField(m_index);
}

void THGridColumn::SetDataField(const QString& campo)
{
    m_grid->m_model->setDataField(m_index, campo);
}

QString THGridColumn::Text() const
{
    return m_grid->textoCelula(m_grid->linhaAtualModelo(), m_index);
}

QString THGridColumn::CellText(const BM& bookmark) const
{
    const RecordsetPtr rs = m_grid->recordset();
    if (!rs)
        THErro::Levanta(THErro::ObjectNotSet, QStringLiteral("CellText"));
    const long row = rs->RowOfBookmark(bookmark);
    if (row < 0)
        throw platform::Error(platform::dao::JetError::InvalidBookmark, QStringLiteral("Not a valid bookmark."),
                              QStringLiteral("CellText"));
    return m_grid->textoCelula(static_cast<int>(row), m_index);
}

int THGridColumn::Width() const
{
    return m_grid->m_larguraColunas.at(m_index);
}

int THGridColumn::Alignment() const
{
    return m_grid->m_alinhamentos.at(m_index);
}

int THGridColumn::DividerStyle() const
{
    return m_grid->m_divisores.at(m_index);
}

// ---------------------------------------------------------------------------
// Construction and layout

THGrid::THGrid(QWidget* parent) : QWidget(parent)
{
    setMouseTracking(true);
    m_cliente = new QWidget(this);
    m_cliente->setMouseTracking(true);
    m_cliente->setAutoFillBackground(true);
    m_cliente->installEventFilter(this);

    m_model = new THGridModel(this);
    m_grid = new THGridView(m_cliente);
    m_grid->setModel(m_model);
    m_grid->setFont(FonteArial9());
    QPalette pal = m_grid->palette();
    pal.setColor(QPalette::Text, Qt::black);
    m_grid->setPalette(pal);

    m_barra = new THBarra(m_cliente);
    m_barra->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_barra->hide();

    auto* fundo = new THFundo(m_cliente);
    fundo->installEventFilter(this);
    m_fundo = fundo;
    m_vazio = new QLabel(m_fundo);
    m_vazio->setFont(FonteSansSerif12());
    m_vazio->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_vazio->hide();

    m_rowIcons.push_back(new THPicture(m_cliente));
    m_rowIcons[0]->hide();
    m_hoverIcons.push_back(new THPicture(m_cliente));
    m_hoverIcons[0]->setPassaMouse(true);
    m_hoverIcons[0]->hide();

    m_tmr.setInterval(1);
    connect(&m_tmr, &QTimer::timeout, this, [this] { Modulo::Guarda([this] { tmrTick(); }); });

    connect(m_grid, &THGridView::clicado, this, [this] { Modulo::Guarda([this] { Q_EMIT Click(); }); });
    connect(m_grid, &THGridView::clicadoDuplo, this, [this] {
        Modulo::Guarda([this] {
            platform::DoEvents();
            Q_EMIT DblClick();
        });
    });
    connect(m_grid, &THGridView::mouseMovido, this, [this](int b, int s, float x, float y) {
        Modulo::Guarda([&] { grdMouseMove(b, s, x, y); });
    });
    connect(m_grid, &THGridView::mouseSolto, this, [this] {
        if (mMousePointerHand)
            m_grid->viewport()->setCursor(THImagens::CursorMao());
    });
    connect(m_grid, &THGridView::focoRecebido, this, [this] { AjustaFoco(QStringLiteral("grdTHGrid")); });
    connect(m_grid->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] { grdScroll(); });
    connect(m_grid->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& atual, const QModelIndex&) {
                if (m_sincronizando)
                    return;
                Modulo::Guarda([&] {
                    // The user moved the grid's cursor: the recordset follows.
                    const RecordsetPtr rs = recordset();
                    if (rs && atual.isValid() && rs->IsOpen() && rs->AbsolutePosition() != atual.row())
                        rs->SetAbsolutePosition(atual.row());
                    seguirRegistroAtual();
                });
            });

    m_larguraScroll = Tw(style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_grid->verticalScrollBar()));
    setFocusProxy(m_grid);
    PosicionaControles();
    m_fundo->raise();
    ReadProperties({});
}

THGrid::~THGrid()
{
    for (auto& c : m_ligacoes)
        disconnect(c);
}

void THGrid::PosicionaControles()
{
    // The design geometry; the size adjustment, the configuration and the
    // refresh set everything the list relies on afterwards.
    m_grid->setGeometry(0, 0, 31, 27);
    m_hoverIcons[0]->setGeometry(110, 17, 21, 8);
    m_rowIcons[0]->setGeometry(152, 17, 21, 8);
    m_barra->setGeometry(0, 0, 700, THLayout::AlturaBarraPx);
    m_barra->icone2(0)->setGeometry(84, 1, 35, 14);
    m_barra->icone(0)->setGeometry(132, 1, 35, 14);
    THBarra::Linha& l = m_barra->linha(0);
    l.x1Twips = l.x2Twips = Tw(121);
    l.y1Twips = 0;
    l.y2Twips = Tw(23);
    THBarra::Rotulo& r = m_barra->rotulo(0);
    r.esquerdaTwips = Tw(2);
    r.topoTwips = 0;
    r.larguraTwips = Tw(118);
    r.alturaTwips = Tw(THLayout::AlturaBarraPx);
    m_fundo->setGeometry(0, 0, 96, 29);
    m_vazio->move(0, 0);
}

void THGrid::resizeEvent(QResizeEvent*)
{
    AjustaTamanho();
}

void THGrid::Move(int left, int top, int width, int height)
{
    setGeometry(left, top, width, height);
    AjustaTamanho();
}

void THGrid::garanteTamanho()
{
    // A hidden widget gets its resize events only when it is shown; the
    // list's rows and bar must follow its size before that.
    if (size() != m_tamanhoAjustado)
        AjustaTamanho();
}

void THGrid::AjustaTamanho()
{
    if (m_ajustando)
        return;
    m_ajustando = true;
    THLayout::EntradaTamanho e;
    e.pixelLargura = mUserControlPixelWidth;
    e.pixelAltura = mUserControlPixelHeight;
    e.larguraAtualTwips = Tw(width());
    e.alturaAtualTwips = Tw(height());
    e.borderStyle = m_borderStyle;
    e.larguraScrollTwips = m_larguraScroll;
    const THLayout::Tamanho t = THLayout::CalculaTamanho(e);

    resize(Px(t.larguraTwips), Px(t.alturaTwips));
    const int borda = m_borderStyle == 1 ? 1 : 0;
    m_cliente->setGeometry(borda, borda, width() - 2 * borda, height() - 2 * borda);
    m_barra->resize(Px(t.larguraBarraTwips), THLayout::AlturaBarraPx);
    m_linhas = t.linhas;
    m_grid->setLinhas(m_linhas);
    m_grid->setGeometry(m_grid->x(), m_grid->y(), Px(t.larguraGridTwips), Px(t.alturaLinhasTwips));
    m_fundo->resize(Px(t.larguraGridTwips), Px(t.alturaLinhasTwips));
    update();
    m_tamanhoAjustado = size();
    m_ajustando = false;
}

void THGrid::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (m_borderStyle == 1) {
        p.setPen(QColor(0x8C, 0x96, 0xAA));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

int THGrid::larguraGridPx() const
{
    return m_grid->width();
}

// ---------------------------------------------------------------------------
// Inner-grid events

void THGrid::grdRowColChange(const BM& lastRow, int lastCol)
{
    // A grid scrolled so far that only its last record shows needed a
    // rebind-and-scroll repair in the original grid component; this grid
    // always keeps the last record on the last row, so that state and its
    // repair do not exist here.
    const int r = Row();
    if (r == -1)
        AtualizaGrid();
    else if (RowBookmark(r) != lastRow)
        AtualizaGrid();
    Q_EMIT RowColChange(lastRow, lastCol);
}

void THGrid::grdScroll()
{
    if (m_sincronizando)
        return;
    m_grid->lower();
    m_tiquesTimer = 0;
    m_tmr.start();
}

void THGrid::tmrTick()
{
    ++m_tiquesTimer;
    if (m_tiquesTimer < 2)
        return;
    m_tmr.stop();
    AtualizaGrid();
    Q_EMIT AfterScroll();
}

void THGrid::grdMouseMove(int botao, int shift, float x, float y)
{
    if (mMousePointerHand)
        m_grid->viewport()->setCursor(THImagens::CursorMao());
    else
        m_grid->viewport()->unsetCursor();
    TrocaDestaqueImagem(kForm, false);
    Q_EMIT MouseMove(botao, shift, x, y);
}

bool THGrid::eventFilter(QObject* o, QEvent* e)
{
    if (o == m_fundo) {
        if (e->type() == QEvent::MouseMove) {
            auto* me = static_cast<QMouseEvent*>(e);
            if (mMousePointerHand)
                m_fundo->setCursor(THImagens::CursorMao());
            else
                m_fundo->unsetCursor();
            Modulo::Guarda([&] {
                TrocaDestaqueImagem(kForm, false);
                Q_EMIT MouseMove(THWidgets::BotaoVB(me->buttons()), THWidgets::ShiftVB(me->modifiers()),
                                 static_cast<float>(me->position().x()), static_cast<float>(me->position().y()));
            });
        } else if (e->type() == QEvent::FocusIn) {
            AjustaFoco(QStringLiteral("pctFundo"));
        }
    } else if (o == m_cliente && e->type() == QEvent::MouseMove) {
        Modulo::Guarda([this] { TrocaDestaqueImagem(kForm, false); });
    }
    return QWidget::eventFilter(o, e);
}

void THGrid::mouseMoveEvent(QMouseEvent* e)
{
    Modulo::Guarda([this] { TrocaDestaqueImagem(kForm, false); });
    QWidget::mouseMoveEvent(e);
}

void THGrid::cliqueNaImagem(int e)
{
    garanteTamanho();
    const int k = e / m_linhasIcones;
    const int j = e - k * m_linhasIcones;
    SetBookmark(RowBookmark(j));
    AjustaFoco(QString());
    platform::DoEvents();
    Q_EMIT ImageClick(k, Bookmark(), m_botaoMouse);
}

void THGrid::moveNaImagem(int e)
{
    const int k = e / m_linhasIcones;
    const int j = e - k * m_linhasIcones;
    THLayout::ChaveImagem c;
    const BM linha = RowBookmark(j);
    c.linhaAtual = !linha.isNull() && linha == Bookmark();
    c.elemento = e;
    c.coluna = k;
    c.linha = j;
    TrocaDestaqueImagem(THLayout::MontaChaveImagem(c), false);
}

void THGrid::AjustaFoco(const QString& nome)
{
    if (!m_vazio->isHidden()) {
        if (nome != QLatin1String("pctFundo"))
            m_fundo->setFocus();
    } else if (nome != QLatin1String("grdTHGrid")) {
        m_grid->setFocus();
    }
}

// ---------------------------------------------------------------------------
// Members

void THGrid::Scroll(long, long sRows, bool sAtualizaGrid)
{
    garanteTamanho();
    if (m_scrollBars == 0)
        return;
    const int passo = sRows < 0 ? -1 : 1;
    // Beyond the row count every further step is a step past an end.
    const long vezes = std::min<long>(std::labs(sRows), m_model->rowCount());
    for (long i = 0; i < vezes; ++i)
        m_grid->setTopo(m_grid->topo() + passo);
    if (sAtualizaGrid)
        AtualizaGrid();
}

int THGrid::TopPixels_pctTHGrid() const
{
    if (m_barra->isHidden())
        return -1;
    return m_barra->y();
}

void THGrid::Descarrega()
{
    m_chaveDestaque = kForm;
    m_colunasConfiguradas = false;
    m_tiposColunas.clear();
    m_colunaImagem.assign(1, 0);
    m_barra->descarregaLinhas();
    m_barra->descarregaRotulos();
    m_barra->descarregaIcones();
    // The unloaded icons are kept, hidden and disconnected, for the next
    // configuration (a host may unload the list from inside the click of one
    // of its icons: nothing is deleted under that event).
    const auto guarda = [this](THPicture* p) {
        p->hide();
        p->disconnect();
        m_iconesReserva.push_back(p);
    };
    for (size_t e = 1; e < m_rowIcons.size(); ++e)
        guarda(m_rowIcons[e]);
    m_rowIcons.resize(1);
    m_rowIcons[0]->hide();
    for (size_t k = 1; k < m_hoverIcons.size(); ++k)
        guarda(m_hoverIcons[k]);
    m_hoverIcons.resize(1);
    m_hoverIcons[0]->hide();
    m_iconesColunas.clear();
    m_colunaRotulo.clear();
    while (m_model->gridColumnCount() > 0)
        m_model->removeGridColumn(0);
    m_divisores.clear();
    m_larguraColunas.clear();
    m_alinhamentos.clear();
    m_grid->delegate()->setDivisores({});
}

void THGrid::ApagaSelecao()
{
    TrocaDestaqueImagem(kForm, true);
}

void THGrid::AnalisarScollProximoRefresh()
{
    m_analisarScroll = true;
}

void THGrid::ObtemPictures(const THPictures& sPictures)
{
    m_pictures = sPictures;
    // Both states cover every icon column the larger of the two names.
    const size_t n = std::max(m_pictures[0].size(), m_pictures[1].size());
    m_pictures[0].resize(n);
    m_pictures[1].resize(n);
}

THPicture* THGrid::NovoIcone()
{
    if (m_iconesReserva.empty())
        return new THPicture(m_cliente);
    THPicture* p = m_iconesReserva.back();
    m_iconesReserva.pop_back();
    return p;
}

void THGrid::ConfiguraColunas(const QStringList& sColunas, int sApartirIndexNoDividerCol)
{
    const QString origem = QStringLiteral("ConfiguraColunas");
    garanteTamanho();
    if (m_colunasConfiguradas || m_model->gridColumnCount() > 0) {
        m_colunasConfiguradas = false;
        THErro::Levanta(THErro::AlreadyLoaded, origem);
    }

    THLayout::EntradaColunas entrada;
    entrada.especificacoes = sColunas;
    entrada.larguraBarraTwips = Tw(m_barra->width());
    entrada.apartirIndexSemDivisor = sApartirIndexNoDividerCol;
    for (const QPixmap& p : m_pictures[0])
        entrada.larguraImagensTwips.push_back(Tw(p.isNull() ? 0 : p.deviceIndependentSize().toSize().width()));
    const THLayout::LayoutColunas l = THLayout::CalculaColunas(entrada);

    // Inner-grid columns.
    std::vector<int> passos;
    for (size_t c = 0; c < l.colunas.size(); ++c) {
        const THLayout::ColunaGrid& col = l.colunas[c];
        m_model->insertGridColumn(static_cast<int>(c), col.campo, col.alinhamento);
        passos.push_back(Px(col.passoTwips));
        m_divisores.push_back(col.divisor);
        m_larguraColunas.push_back(col.larguraTwips);
        m_alinhamentos.push_back(col.alinhamento);
    }
    m_grid->defineLarguras(passos);
    m_grid->delegate()->setDivisores(m_divisores);
    m_tiposColunas = l.tiposColunas;
    m_qtdLeftIgualAnterior = l.qtdLeftIgualAnterior;
    m_colunaLeftIgualAnterior = l.colunaLeftIgualAnterior;
    m_colunaFlags = l.colunaFlags;

    // Bar labels.
    m_colunaRotulo.clear();
    for (size_t i = 0; i < l.rotulos.size(); ++i) {
        if (i > 0)
            m_barra->carregaRotulo(static_cast<int>(i));
        THBarra::Rotulo& r = m_barra->rotulo(static_cast<int>(i));
        r.visivel = true;
        r.esquerdaTwips = l.rotulos[i].esquerdaTwips;
        r.topoTwips = 0;
        r.larguraTwips = l.rotulos[i].larguraTwips;
        r.alturaTwips = Tw(THLayout::AlturaBarraPx);
        r.alinhamento = l.rotulos[i].alinhamento;
        r.tag = l.rotulos[i].tag;
        r.cor = Qt::black;
        m_colunaRotulo.push_back(l.rotulos[i].colunaGrid);
    }

    // Icon columns: bar icon, hover twin, hover picture and one row icon per
    // visible row.
    m_linhasIcones = m_linhas;
    m_iconesColunas.clear();
    m_colunaImagem.clear();
    for (size_t k = 0; k < l.icones.size(); ++k) {
        const THLayout::Icone& ic = l.icones[k];
        const int ki = static_cast<int>(k);
        if (k > 0) {
            m_barra->carregaIcone(ki);
            THPicture* h = NovoIcone();
            h->setPassaMouse(true);
            h->hide();
            m_hoverIcons.push_back(h);
        }
        THPicture* barIcon = m_barra->icone(ki);
        barIcon->setToolTip(ic.dica);
        barIcon->setPonteiro(ic.ponteiro);
        barIcon->setPicture(m_pictures[0][k]);
        m_barra->icone2(ki)->setPicture(m_pictures[1][k]);
        m_hoverIcons[k]->setPicture(m_pictures[1][k]);
        barIcon->move(Px(ic.esquerdaTwips), 1);
        barIcon->setVisible(ic.tipo == QLatin1Char('F'));

        for (int j = 0; j < m_linhas; ++j) {
            const int e = m_linhas * ki + j;
            THPicture* p;
            if (e == 0) {
                p = m_rowIcons[0];
            } else {
                p = NovoIcone();
                p->setPassaMouse(false);
                m_rowIcons.push_back(p);
            }
            // Row icons lie above the inner grid (always the lowest child);
            // the column's hover twin is raised above them below.
            p->setPicture(m_pictures[0][k]);
            p->move(Px(ic.esquerdaTwips), 1 + THLayout::AlturaLinhaPx * j);
            p->setToolTip(ic.dica);
            p->setPonteiro(ic.ponteiro);
            p->setVisible(ic.tipo == QLatin1Char('F'));
            disconnect(p, nullptr, this, nullptr);
            connect(p, &THPicture::pressionado, this, [this](int b) { m_botaoMouse = b; });
            connect(p, &THPicture::clicado, this, [this, e](int) { Modulo::Guarda([&] { cliqueNaImagem(e); }); });
            connect(p, &THPicture::clicadoDuplo, this, [this, e] {
                if (mIf_DblClick_Call_Click)
                    Modulo::Guarda([&] { cliqueNaImagem(e); });
            });
            connect(p, &THPicture::movido, this, [this, e](int, int, float, float) {
                Modulo::Guarda([&] { moveNaImagem(e); });
            });
        }
        m_barra->icone2(ki)->move(Px(ic.esquerdaTwips), 1);
        m_barra->icone2(ki)->raise();
        m_hoverIcons[k]->move(Px(ic.esquerdaTwips), m_hoverIcons[k]->y());
        m_hoverIcons[k]->raise();
        m_colunaImagem.push_back(ic.colunaGrid);
        m_iconesColunas.push_back(IconeColuna{ic.tipo, ic.numeroFlag});
    }
    if (m_colunaImagem.empty())
        m_colunaImagem.push_back(0);

    // Divider lines, one per column but the last.
    for (size_t n = 0; n < l.divisores.size(); ++n) {
        const THLayout::Divisor& d = l.divisores[n];
        if (!d.carregado)
            continue;
        const int ni = static_cast<int>(n);
        if (ni > m_barra->ultimaLinha())
            m_barra->carregaLinha(ni);
        THBarra::Linha& linha = m_barra->linha(ni);
        linha.visivel = true;
        linha.x1Twips = linha.x2Twips = d.xTwips;
        linha.y1Twips = 0;
        linha.y2Twips = Tw(23);
        linha.cor = d.preto ? QColor(Qt::black) : kCinzaClaro;
    }

    // The inner grid's cursor stands on the current record, so that the
    // first arrow key moves from it (rows bound before the columns left the
    // cursor without a column to stand in).
    if (const int pos = linhaAtualModelo(); pos >= 0 && m_model->columnCount() > 0) {
        m_sincronizando = true;
        m_grid->selectionModel()->setCurrentIndex(
            m_model->index(pos, std::clamp(m_ultimaColuna, 0, m_model->columnCount() - 1)), QItemSelectionModel::NoUpdate);
        m_sincronizando = false;
    }

    m_pictures = THPictures{};
    m_ultimaColunaGrid = l.ultimaColunaGrid;
    m_ultimaImagem = l.ultimaImagem;
    m_colunasConfiguradas = true;
    m_analisarScroll = true;
    m_barra->raise();
    m_fundo->raise();
    m_barra->update();
    AtualizaGrid();
}

void THGrid::AtualizaGrid()
{
    garanteTamanho();
    if (!m_colunasConfiguradas)
        return;
    m_barra->hide();
    const int ultima = std::min(m_linhas, VisibleRows() - 1);
    TrocaDestaqueImagem(kForm, false);

    if (m_analisarScroll) {
        m_analisarScroll = false;
        m_fundo->hide();
        if (!m_dataControl || !m_dataControl->Recordset())
            THErro::Levanta(THErro::ObjectNotSet, QStringLiteral("AtualizaGrid"));
        THLayout::EntradaMoldura e;
        e.recordCount = m_dataControl->Recordset()->RecordCount();
        e.linhas = m_linhas;
        e.ultimaLinha = ultima;
        e.larguraControleTwips = Tw(width());
        e.larguraScrollTwips = m_larguraScroll;
        e.bordaTwips = m_borderStyle == 1 ? Tw(2) : 0;
        e.topoGridTwips = Tw(m_grid->y());
        e.alturaGridTwips = Tw(m_grid->height());
        const THLayout::Moldura m = THLayout::DecideMoldura(e);
        aplicaScrollBars(m.barraRolagem ? 2 : 0);
        m_grid->resize(Px(m.larguraGridTwips), m_grid->height());
        if (m.painelVisivel) {
            auto* fundo = static_cast<THFundo*>(m_fundo);
            fundo->setGeometry(fundo->x(), Px(m.topoPainelTwips), fundo->width(), Px(m.alturaPainelTwips));
            fundo->rodapeY = Px(m.rodapePainelYTwips);
            fundo->update();
            fundo->show();
        }
    }

    // The current row: the bar repeats its texts and flags.
    const int r = Row();
    const int pos = linhaAtualModelo();
    if (r >= 0 && r <= ultima) {
        m_barra->move(m_barra->x(), m_grid->y() + THLayout::AlturaLinhaPx * r);
        for (size_t i = 0; i < m_colunaRotulo.size(); ++i)
            m_barra->rotulo(static_cast<int>(i)).caption = textoCelula(pos, m_colunaRotulo[i]);
        QString flags;
        bool lidas = false;
        for (size_t k = 0; k < m_iconesColunas.size(); ++k) {
            if (m_iconesColunas[k].tipo != QLatin1Char('I'))
                continue;
            if (!lidas) {
                flags = textoCelula(pos, m_colunaFlags);
                lidas = true;
            }
            m_barra->icone(static_cast<int>(k))->setVisible(THLayout::FlagAtivo(flags, m_iconesColunas[k].numeroFlag));
        }
        m_barra->update();
    }

    // Row icons: flags read once per visible row.
    const int topo = m_grid->topo();
    for (int i = 0; i < m_linhasIcones && !m_iconesColunas.empty(); ++i) {
        QString flags;
        bool lidas = false;
        for (size_t k = 0; k < m_iconesColunas.size(); ++k) {
            const size_t e = static_cast<size_t>(m_linhasIcones) * k + static_cast<size_t>(i);
            if (e >= m_rowIcons.size())
                continue;
            THPicture* p = m_rowIcons[e];
            if (i > ultima) {
                p->hide();
            } else if (m_iconesColunas[k].tipo == QLatin1Char('I')) {
                if (!lidas) {
                    flags = textoCelula(topo + i, m_colunaFlags);
                    lidas = true;
                }
                p->setVisible(THLayout::FlagAtivo(flags, m_iconesColunas[k].numeroFlag));
            } else {
                p->show();
            }
        }
    }

    if (r >= 0 && r <= ultima)
        m_barra->show();
    if (ultima == -1) {
        m_vazio->setText(mTextGridVazio);
        m_vazio->adjustSize();
        m_vazio->show();
    } else {
        m_vazio->hide();
    }
}

void THGrid::TrocaDestaqueImagem(const QString& chave, bool semEvento)
{
    if (chave == m_chaveDestaque)
        return;
    if (m_chaveDestaque != kForm) {
        if (const auto c = THLayout::DecodificaChaveImagem(m_chaveDestaque)) {
            THPicture* h = hoverPicture(c->coluna);
            if (h)
                h->hide();
            if (c->linhaAtual && c->coluna <= m_barra->ultimoIcone())
                m_barra->icone2(c->coluna)->hide();
            if (!semEvento)
                Q_EMIT ImageMouseOut(c->coluna, h);
        }
    }
    m_chaveDestaque = chave;
    if (chave != kForm) {
        if (const auto c = THLayout::DecodificaChaveImagem(chave)) {
            THPicture* h = hoverPicture(c->coluna);
            THPicture* icone = rowIcon(c->elemento);
            if (h && icone) {
                h->move(h->x(), icone->y());
                h->show();
            }
            if (c->linhaAtual && c->coluna <= m_barra->ultimoIcone())
                m_barra->icone2(c->coluna)->show();
            Q_EMIT ImageMouseMove(c->coluna, h);
        }
    }
}

int THGrid::topo() const
{
    return m_grid->topo();
}

int THGrid::VisibleRows() const
{
    const int linhas = m_model->rowCount() - m_grid->topo();
    return std::clamp(linhas, 0, m_linhas);
}

int THGrid::Row() const
{
    const int pos = linhaAtualModelo();
    if (pos < 0)
        return -1;
    const int r = pos - m_grid->topo();
    return (r >= 0 && r < VisibleRows()) ? r : -1;
}

void THGrid::SetRow(int r)
{
    garanteTamanho();
    if (r < 0 || r >= VisibleRows())
        THErro::Levanta(THErro::InvalidPropertyValue, QStringLiteral("Row"));
    recordset()->SetAbsolutePosition(m_grid->topo() + r);
    seguirRegistroAtual();
}

BM THGrid::RowBookmark(int RowNum) const
{
    if (RowNum < 0 || RowNum >= VisibleRows())
        return {};
    return recordset()->BookmarkOfRow(m_grid->topo() + RowNum);
}

BM THGrid::Bookmark() const
{
    if (linhaAtualModelo() < 0)
        return {};
    return recordset()->GetBookmark();
}

void THGrid::SetBookmark(const platform::dao::Bookmark& b)
{
    const RecordsetPtr rs = recordset();
    if (!rs)
        THErro::Levanta(THErro::ObjectNotSet, QStringLiteral("Bookmark"));
    rs->SetBookmark(b);
    seguirRegistroAtual();
}

THGridColumn THGrid::Columns(int index)
{
    if (index < 0 || index >= m_model->gridColumnCount())
        THErro::Levanta(THErro::SubscriptOutOfRange, QStringLiteral("Columns"));
    return THGridColumn(this, index);
}

int THGrid::ColumnCount() const
{
    return m_model->gridColumnCount();
}

QString THGrid::textoCelula(int linhaModelo, int coluna) const
{
    if (linhaModelo < 0 || coluna < 0)
        return {};
    return m_model->cellText(linhaModelo, coluna);
}

void THGrid::SetBorderStyle(int sBorderStyle)
{
    if (sBorderStyle != 0 && sBorderStyle != 1)
        THErro::Levanta(THErro::InvalidPropertyValue, QStringLiteral("BorderStyle"));
    m_borderStyle = sBorderStyle;
    AjustaTamanho();
    m_fundo->raise();
    update();
}

void THGrid::aplicaBackColor(long cor)
{
    m_backColor = cor;
    const QColor c = platform::colorFromBgr(cor);
    QPalette pal = m_grid->palette();
    pal.setColor(QPalette::Base, c);
    pal.setColor(QPalette::Window, c);
    m_grid->setPalette(pal);
    QPalette pc = m_cliente->palette();
    pc.setColor(QPalette::Window, c);
    m_cliente->setPalette(pc);
    static_cast<THFundo*>(m_fundo)->cor = c;
    m_fundo->update();
}

void THGrid::SetBackColor(long New_BackColor)
{
    aplicaBackColor(New_BackColor);
}

long THGrid::BarraColor() const
{
    return platform::bgrFromColor(m_barra->corFundo());
}

void THGrid::SetBarraColor(long New_BarraColor)
{
    m_barra->setCorFundo(platform::colorFromBgr(New_BarraColor));
}

void THGrid::aplicaScrollBars(int valor)
{
    m_scrollBars = valor;
    m_grid->setVerticalScrollBarPolicy(valor == 0 ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
}

void THGrid::ReadProperties(const QVariantMap& bag)
{
    const auto inteiro = [&bag](const char* chave, long padrao) {
        const QVariant v = bag.value(QLatin1String(chave));
        if (!v.isValid())
            return padrao;
        bool ok = false;
        const long n = v.toLongLong(&ok);
        if (!ok)
            throw platform::Error(THErro::TypeMismatch, QStringLiteral("Type mismatch"));
        return n;
    };
    try {
        SetRow(static_cast<int>(inteiro("Row", 0)));
    } catch (const platform::Error&) {
    }
    try {
        SetBorderStyle(static_cast<int>(inteiro("BorderStyle", 0)));
    } catch (const platform::Error&) {
    }
    try {
        aplicaBackColor(inteiro("BackColor", 0xFEF9F3));
    } catch (const platform::Error&) {
    }
    try {
        SetBarraColor(inteiro("BarraColor", 0xE8E8E8));
    } catch (const platform::Error&) {
    }
}

QVariantMap THGrid::WriteProperties() const
{
    return {{QStringLiteral("Row"), Row()},
            {QStringLiteral("BorderStyle"), m_borderStyle},
            {QStringLiteral("BackColor"), static_cast<qlonglong>(m_backColor)},
            {QStringLiteral("BarraColor"), static_cast<qlonglong>(BarraColor())}};
}
